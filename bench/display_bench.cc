// The default sweep started by the Run button, with "Display Tracks" ticked and unticked, on
// Qt's offscreen platform: what drawing every leg live costs the sweep.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <QApplication>
#include <QCheckBox>
#include <filesystem>
#include <string>

#include "ui/app/program.h"

namespace zelmora {
namespace {

void DefaultSweepFromRun(benchmark::State& state) {
  const bool displayed = state.range(0) != 0;
  Program program;
  program.Settingsform.show();
  program.Settingsform.findChild<QCheckBox*>("DisplayOnBox")->setChecked(displayed);
  QApplication::processEvents();
  for (auto _ : state) program.Settingsform.RunBtnClick();
}
BENCHMARK(DefaultSweepFromRun)
    ->ArgName("display_tracks")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(3);

}  // namespace
}  // namespace zelmora

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  // BC.txt is written in the current folder: keep it out of the caller's.
  std::string folder = (std::filesystem::temp_directory_path() / "zelmora-bench-XXXXXX").string();
  if (mkdtemp(folder.data()) == nullptr || chdir(folder.c_str()) != 0) return 1;
  int qt_argc = 1;
  QApplication application(qt_argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove_all(folder);
  return 0;
}
