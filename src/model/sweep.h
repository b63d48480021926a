// A sweep: one whole simulation run over the grid of soak times and turn percentages.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "model/canvas.h"
#include "model/sim_params.h"
#include "model/sweep_host.h"
#include "support/random.h"

namespace zelmora {

// The results file's name, in the current folder, and its header line.
inline constexpr const char* kResultsFileName = "BC.txt";
inline constexpr const char* kResultsHeader =
    "Risk,Safe,TurnInt,TurnRange,SwimCount,Length,SoakMins,Density,Speed,%caught";

struct SweepEnvironment {
  SimParams& params;
  SweepHost& host;
  Canvas& canvas;
  RandomGenerator& random;
  // Without a seed the generator is seeded from the clock at the sweep's start; with one it is
  // seeded from it (RandomGenerator::SeedMixed), so the run can be repeated.
  std::optional<uint64_t> seed;
  std::filesystem::path results_path = kResultsFileName;
};

enum class SweepEnding { kFinished, kStopped };

// Runs (Steps + 1) × (Steps + 1) combinations: soak steps k = 0 … Steps, each growing SoakMins
// by 60 × k, and within each, turn-range steps j = 0 … Steps, each growing TurnRange by 5 × j
// (capped at 100) from the turn-range field's value; NofTrials trials per combination, the
// events pumped after each trial, and one result line per completed combination in the results
// file, which is created anew at the start and held against other writers while the sweep
// runs. The sweep writes SoakMins, TurnRange, Travel and Density into params as it steps and
// leaves the last step's values there.
//
// Returns kStopped when the host's stop request was 1 after a trial: the file then holds the
// lines of the combinations completed before it. Raises every failure of the file, the trials
// and the derivations, ending the sweep at that step; the file is closed on every ending with
// what was written before it.
SweepEnding RunSweep(SweepEnvironment& environment);

// The result line of one combination, fields separated by commas, reals with "." as decimal
// separator: Risk, Safe, TurnInt, TurnRange, SwimCount, Length, SoakMins, Density, Speed and the
// caught percentage. Raises the invalid-operation fault for no trials and nothing caught (0/0).
std::string ResultLine(const SimParams& params, int32_t swim_count, int32_t catch_count);

}  // namespace zelmora
