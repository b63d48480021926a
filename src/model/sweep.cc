#include "model/sweep.h"

#include <cstdint>

#include "model/arena_drawing.h"
#include "model/run_preparation.h"
#include "model/trial.h"
#include "support/failure.h"
#include "support/int32.h"
#include "support/number_text.h"
#include "support/real.h"
#include "support/results_file.h"

namespace zelmora {

namespace {

// The number of combinations, (steps + 1)², refused when it does not fit 32 bits.
int32_t CombinationCount(int32_t steps) {
  const int64_t side = int64_t{steps} + 1;
  if (side * side > INT32_MAX) {
    RaiseLimit("Too many steps: (Steps + 1) x (Steps + 1) combinations must stay within " +
               IntText(INT32_MAX));
  }
  return static_cast<int32_t>(side * side);
}

// The soak step's SoakMins, SoakMins + 60 × k, refused beyond what a sweep can count in
// seconds.
int32_t GrownSoakMinutes(int32_t soak_mins, int64_t k) {
  constexpr int64_t kMostMinutes = INT32_MAX / 60;
  const int64_t grown = soak_mins + 60 * k;
  if (grown > kMostMinutes) {
    RaiseLimit("Soak time too long: a sweep counts at most " + IntText(kMostMinutes) +
               " minutes, " + IntText(kMostMinutes * 60) + " seconds");
  }
  return static_cast<int32_t>(grown);
}

void DeriveSoakStep(SimParams& p, SoakStepValues& step) {
  // SoakMins × 60 fits 32 bits (GrownSoakMinutes); the division is real.
  step.SwimCount = TruncToInt(Divide(p.SoakMins * 60, p.TurnInt));
  step.OneThirdMark = TruncToInt(step.SwimCount * kOneThird);
  step.TwoThirdsMark = TruncToInt(step.SwimCount * kTwoThirds);
  step.BiasHeading = ToSingle(p.Compass * kPi * kOne180th);
  step.StepLen = ToSingle(static_cast<Real>(p.TurnInt) * p.Speed);
  p.Travel = ToSingle(step.SwimCount * Real{step.StepLen});
  step.ArenaWidth = ToSingle(2 * Real{p.Travel} + p.Length);
  step.ViewScale = ToSingle(Divide(kViewSize, step.ArenaWidth));
  p.Density = DensityFor(p.Length, p.Travel);
}

}  // namespace

std::string ResultLine(const SimParams& p, int32_t swim_count, int32_t catch_count) {
  const Real percent_caught = Divide(catch_count, p.NofTrials * 0.01L);
  std::string line;
  for (const int32_t field : {p.Risk, p.Safe, p.TurnInt, p.TurnRange, swim_count, p.Length}) {
    line += IntText(field);
    line += ',';
  }
  line += RealText(p.SoakMins, ".") + ',';
  line += RealText(p.Density, ".") + ',';
  line += RealText(p.Speed, ".") + ',';
  line += RealText(percent_caught, ".");
  return line;
}

SweepEnding RunSweep(SweepEnvironment& env) {
  SimParams& p = env.params;
  SweepHost& host = env.host;

  host.ShowCatchText("0    ");
  host.ShowFileLabel(false);
  host.ShowRunLabel("0/" + IntText(CombinationCount(p.Steps)));
  host.SetStopRequested(0);
  ResultsFile results(env.results_path);
  results.WriteLine(kResultsHeader);
  if (env.seed) {
    env.random.SeedMixed(*env.seed);
  } else {
    env.random.SeedFromClock();
  }
  int32_t runs_left = CombinationCount(p.Steps);

  SoakStepValues step;
  ArenaDrawing drawing(env.canvas, p, step);
  int32_t catch_count = 0;
  TrialWorld world{p, step, host, drawing, catch_count};

  // Each loop's count is fixed when the loop starts; a field edited during the sweep changes
  // the counts of loops that start later.
  const int64_t soak_steps = int64_t{p.Steps} + 1;
  for (int64_t k = 0; k < soak_steps; ++k) {
    if (!host.TracksDisplayed()) host.HideViewer();
    p.SoakMins = GrownSoakMinutes(p.SoakMins, k);
    DeriveSoakStep(p, step);
    host.RunFieldHandler(ParamField::kTurnRange);

    const int64_t turn_steps = int64_t{p.Steps} + 1;
    for (int64_t j = 0; j < turn_steps; ++j) {
      p.TurnRange = WrapAdd(p.TurnRange, WrapMul(5, static_cast<int32_t>(j)));
      if (p.TurnRange > 100) p.TurnRange = 100;
      catch_count = 0;
      drawing.ClearArena(host.TracksDisplayed());

      const int32_t trials = p.NofTrials;
      for (int32_t t = 1; t <= trials; ++t) {
        RunTrial(t, world, env.random);
        host.PumpEvents();
        if (host.StopRequested() == 1) {
          results.Close();
          return SweepEnding::kStopped;
        }
      }
      runs_left = WrapSub(runs_left, 1);
      host.ShowRunLabel(IntText(runs_left) + "/" + IntText(CombinationCount(p.Steps)));
      results.WriteLine(ResultLine(p, step.SwimCount, catch_count));
    }
  }
  results.Close();
  host.ShowRunLabel(" Finished ");
  host.ShowFileLabel(true);
  return SweepEnding::kFinished;
}

}  // namespace zelmora
