// The trial loop's cost per leg beside its floor: one extended sine and cosine and the two
// single stores of the leg's end, which every leg needs whatever else it does. And the default
// sweep through zelmora-sweep, as a user runs it.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "model/arena_drawing.h"
#include "model/canvas.h"
#include "model/sim_params.h"
#include "model/trial.h"
#include "support/random.h"
#include "support/real.h"

namespace zelmora {
namespace {

// A host for benchmarks: nothing displayed, nothing shown.
class QuietHost final : public SweepHost {
 public:
  explicit QuietHost(int32_t algorithm) : algorithm_(algorithm) {}
  void RunFieldHandler(ParamField) override {}
  int32_t SelectedTurnAlgorithm() override { return algorithm_; }
  bool TracksDisplayed() override { return false; }
  void ShowCatchText(std::string_view) override {}
  void ShowRunLabel(std::string_view) override {}
  void ShowFileLabel(bool) override {}
  void ShowTravelText(std::string_view) override {}
  void ShowDensityText(std::string_view) override {}
  void ShowViewer() override {}
  void HideViewer() override {}
  void PumpEvents() override {}
  int32_t StopRequested() override { return 0; }
  void SetStopRequested(int32_t) override {}

 private:
  int32_t algorithm_;
};

// The default first soak step, with the checkpoints switched off and no animal ever at risk,
// so that every trial swims all its 960 legs.
void TrialLoop(benchmark::State& state) {
  SimParams params;
  params.Travel = 57600;
  params.Length = 2500;
  params.TurnRange = 15;
  params.Risk = 0;
  params.Safe = 1;
  SoakStepValues step;
  step.SwimCount = 960;
  step.StepLen = 60;
  step.BiasHeading = ToSingle(45 * kPi * kOne180th);
  step.ArenaWidth = 117700;
  step.ViewScale = ToSingle(600.0L / 117700);
  QuietHost host(static_cast<int32_t>(state.range(0)));
  NullCanvas canvas;
  ArenaDrawing drawing(canvas, params, step);
  int32_t catch_count = 0;
  TrialWorld world{params, step, host, drawing, catch_count};
  RandomGenerator random(12345);
  int32_t trial = 0;
  for (auto _ : state) benchmark::DoNotOptimize(RunTrial(++trial, world, random));
  const double legs = static_cast<double>(state.iterations()) * step.SwimCount;
  state.counters["ns_per_leg"] =
      benchmark::Counter(legs, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(TrialLoop)
    ->ArgName("algorithm")
    ->Arg(TurnRandom)
    ->Arg(TurnAheadBias)
    ->Arg(TurnDirectionalBias);

// The floor: per leg one SinCos of a changing single heading and the two stores.
void SinCosFloor(benchmark::State& state) {
  constexpr int kLegs = 960;
  const float step_len = 60;
  float heading = 0.5f;
  for (auto _ : state) {
    float x = 1000, y = 1000;
    for (int i = 0; i < kLegs; ++i) {
      heading = ToSingle(heading + 0.001L);
      const SineCosine direction = SinCos(heading);
      x = ToSingle(direction.sine * step_len + x);
      y = ToSingle(direction.cosine * step_len + y);
    }
    benchmark::DoNotOptimize(x);
    benchmark::DoNotOptimize(y);
  }
  const double legs = static_cast<double>(state.iterations()) * kLegs;
  state.counters["ns_per_leg"] =
      benchmark::Counter(legs, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(SinCosFloor);

// The default sweep (25 combinations of 100 animals) as the user runs it, program start
// included, in a scratch folder.
void DefaultSweepProgram(benchmark::State& state) {
  const auto folder = std::filesystem::temp_directory_path() / "zelmora-bench-sweep";
  std::filesystem::create_directories(folder);
  const std::string command =
      "cd '" + folder.string() + "' && '" ZELMORA_SWEEP_BINARY "' --seed 1 >/dev/null 2>&1";
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) state.SkipWithError("zelmora-sweep failed");
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(DefaultSweepProgram)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zelmora

BENCHMARK_MAIN();
