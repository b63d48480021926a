// zelmora-sweep: one sweep without windows, on the same simulation core as the desktop program.
// Each parameter option takes the text a user would type into the settings window's field and
// goes through the same field rule; the Run preparation runs first, then the sweep, which writes
// BC.txt in the current folder.
//
// Exit status: 0 when the sweep finished, 1 on a failure (its message on standard error), 2 for
// a command-line error, 130 when SIGINT or SIGTERM stopped it after the current trial.
#include <CLI/CLI.hpp>

#include <chrono>
#include <clocale>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <map>
#include <optional>
#include <string>

#include "cli/console_host.h"
#include "model/canvas.h"
#include "model/field_rules.h"
#include "model/run_preparation.h"
#include "model/sweep.h"
#include "support/failure.h"
#include "support/random.h"
#include "support/real.h"

namespace zelmora::cli {
namespace {

struct FieldOption {
  ParamField field;
  const char* name;
  const char* help;
};

constexpr FieldOption kFieldOptions[] = {
    {ParamField::kSpeed, "--speed", "swimming speed, metres per second"},
    {ParamField::kTurnInt, "--turn-interval", "turn interval, seconds (2 to 28800)"},
    {ParamField::kCompass, "--bias-direction", "bias direction, whole degrees"},
    {ParamField::kTurnRange, "--turn-percent", "turn percentage, per cent of half a turn"},
    {ParamField::kRisk, "--risk", "intervals at risk per dive cycle"},
    {ParamField::kSafe, "--safe", "safe intervals per dive cycle"},
    {ParamField::kNetLength, "--net-length", "net length, metres (100 to 25000)"},
    {ParamField::kSoakHours, "--soak-hours", "soak time, hours"},
    {ParamField::kNofTrials, "--trials", "trials (animals) per combination"},
    {ParamField::kSteps, "--steps", "sweep steps: (steps + 1)^2 combinations"},
};

// The regional decimal separator, as the C library's LC_NUMERIC gives it.
std::string DecimalSeparator() {
  std::setlocale(LC_NUMERIC, "");
  const char* point = std::localeconv()->decimal_point;
  std::string separator = point && *point ? point : ".";
  std::setlocale(LC_NUMERIC, "C");
  return separator;
}

int Run(int argc, char** argv) {
  CLI::App app{
      "Runs one sweep of the bycatch simulation without windows and writes BC.txt in the "
      "current folder: one line per combination of soak time and turn percentage, with the "
      "density one animal stands for and the percentage caught."};
  std::map<ParamField, std::string> texts;
  for (const FieldOption& option : kFieldOptions) {
    texts[option.field] = std::string(InfoOf(option.field).default_text);
    app.add_option(option.name, texts[option.field], option.help)->capture_default_str();
  }
  std::string algorithm = "ahead";
  app.add_option("--algorithm", algorithm,
                 "turn algorithm: random, ahead (random with ahead bias) or directional "
                 "(random with directional bias)")
      ->check(CLI::IsMember({"random", "ahead", "directional"}))
      ->capture_default_str();
  std::optional<uint64_t> seed;
  app.add_option("--seed", seed,
                 "seed of the random generator, for a repeatable run [default: from the clock, "
                 "printed at the end]");
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    const int code = app.exit(error);
    return code == 0 ? 0 : 2;
  }

  const int32_t turn_algorithm = algorithm == "random"  ? TurnRandom
                                 : algorithm == "ahead" ? TurnAheadBias
                                                        : TurnDirectionalBias;
  const uint64_t used_seed = seed.value_or(MillisecondsSinceMidnightUtc());
  InstallStopSignals();
  SetModelFloatingPointEnvironment();

  SimParams params;
  ConsoleHost host(params, texts, turn_algorithm);
  NullCanvas canvas;
  RandomGenerator random;
  SweepEnvironment environment{params, host, canvas, random, used_seed};
  const auto started = std::chrono::steady_clock::now();
  try {
    PrepareRun(params, host, DecimalSeparator());
    std::fprintf(stderr, "Travel to net %s km; one animal stands for %s animals / sq km\n",
                 host.TravelText().c_str(), host.DensityText().c_str());
    const SweepEnding ending = RunSweep(environment);
    host.EndProgress();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf(
        "%s: %lld of %lld combinations, %lld trials, %lld caught, seed %llu, %.1f s; "
        "results in %s\n",
        ending == SweepEnding::kFinished ? "Finished" : "Stopped",
        static_cast<long long>(host.CombinationsDone()),
        static_cast<long long>(host.Combinations()), static_cast<long long>(host.TrialsRun()),
        static_cast<long long>(host.AnimalsCaught()), static_cast<unsigned long long>(used_seed),
        seconds, kResultsFileName);
    return ending == SweepEnding::kFinished ? 0 : 130;
  } catch (const std::exception& failure) {
    host.EndProgress();
    std::fprintf(stderr, "zelmora-sweep: %s\n", WithFullStop(failure.what()).c_str());
    return 1;
  }
}

}  // namespace
}  // namespace zelmora::cli

int main(int argc, char** argv) {
  return zelmora::cli::Run(argc, argv);
}
