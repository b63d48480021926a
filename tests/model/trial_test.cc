#include "model/trial.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "common/expect_failure.h"
#include "model/fakes.h"

namespace zelmora {
namespace {

using testing::FakeHost;
using testing::RecordingCanvas;
using testing::ScriptedRandom;

// A 1000 m net at travel 1000 in a 3000 × 2000 m arena, 10 m legs, no checkpoints unless a test
// sets them. ViewScale 0.2 pixels per metre.
class TrialTest : public ::testing::Test {
 protected:
  TrialTest() : host(params), drawing(canvas, params, step) {
    params.Travel = 1000;
    params.Length = 1000;
    params.TurnRange = 30;
    params.Risk = 4;
    params.Safe = 1;
    step.SwimCount = 3;
    step.StepLen = 10;
    step.ArenaWidth = 3000;
    step.ViewScale = 0.2f;
  }

  bool Run(ScriptedRandom& random, int32_t trial_number = 1) {
    TrialWorld world{params, step, host, drawing, catch_count};
    return RunTrial(trial_number, world, random);
  }

  // Start point and heading draws, then for the biased algorithms a zero turn with sign -1 per
  // interval: the animal swims straight down from (x, y).
  static std::vector<int32_t> StraightDownFrom(int32_t x, int32_t y) { return {x, y, 0}; }

  SimParams params;
  SoakStepValues step;
  FakeHost host;
  RecordingCanvas canvas;
  ArenaDrawing drawing;
  int32_t catch_count = 0;
};

TEST_F(TrialTest, DrawsInTheFixedOrderForEachAlgorithm) {
  const struct {
    int32_t algorithm;
    std::vector<int32_t> bounds;
  } cases[] = {
      {TurnAheadBias, {3000, 2000, 6283, 30, 2, 30, 2, 30, 2}},
      {TurnDirectionalBias, {3000, 2000, 6283, 30, 2, 30, 2, 30, 2}},
      {TurnRandom, {3000, 2000, 6283, 6283, 6283, 6283}},
      {-1, {3000, 2000, 6283}},  // no item chosen: no turn draws
  };
  for (const auto& c : cases) {
    host.algorithm = c.algorithm;
    ScriptedRandom random(StraightDownFrom(0, 0));
    EXPECT_FALSE(Run(random));
    EXPECT_EQ(random.bounds, c.bounds) << "algorithm " << c.algorithm;
  }
}

TEST_F(TrialTest, MakesEveryDrawWhateverItsBound) {
  params.TurnRange = 0;
  ScriptedRandom zero_range(StraightDownFrom(0, 0));
  Run(zero_range);
  EXPECT_EQ(zero_range.bounds, (std::vector<int32_t>{3000, 2000, 6283, 0, 2, 0, 2, 0, 2}));

  params.TurnRange = -5;  // passed on unchanged
  ScriptedRandom negative_range(StraightDownFrom(0, 0));
  Run(negative_range);
  EXPECT_EQ(negative_range.bounds[3], -5);

  step.SwimCount = 0;  // no legs, but the start point is drawn
  ScriptedRandom no_legs(StraightDownFrom(1500, 995));
  EXPECT_FALSE(Run(no_legs));
  EXPECT_EQ(no_legs.bounds, (std::vector<int32_t>{3000, 2000, 6283}));
}

TEST_F(TrialTest, FollowsTheDiveCycleAtEachCrossing) {
  // Straight down from y = 960: legs end at 970, 980, 990, 1000 (interval 4 ends on the net
  // line), then 1010 (interval 5 starts on it). Both legs 4 and 5 cross.
  step.SwimCount = 10;
  const struct {
    int32_t risk, safe;
    bool caught;
    size_t draws;  // 3 for the start, 2 per interval swum
  } cases[] = {
      {4, 1, true, 3 + 2 * 5},    // interval 4 is safe (4 mod 5 = 4), interval 5 at risk
      {4, 0, true, 3 + 2 * 4},    // no safe intervals: the first crossing catches
      {1, 3, true, 3 + 2 * 4},    // 4 mod 4 = 0 is at risk
      {0, 3, false, 3 + 2 * 10},  // never at risk
      {-2, 5, false, 3 + 2 * 10},
  };
  for (const auto& c : cases) {
    params.Risk = c.risk;
    params.Safe = c.safe;
    catch_count = 0;
    ScriptedRandom random(StraightDownFrom(1500, 960));
    EXPECT_EQ(Run(random), c.caught) << c.risk << "/" << c.safe;
    EXPECT_EQ(catch_count, c.caught ? 1 : 0);
    EXPECT_EQ(random.bounds.size(), c.draws) << c.risk << "/" << c.safe;
  }
}

TEST_F(TrialTest, ACatchCountsShowsAndEndsTheTrial) {
  step.SwimCount = 10;
  catch_count = 6;
  ScriptedRandom random(StraightDownFrom(1500, 995));
  EXPECT_TRUE(Run(random));
  EXPECT_EQ(catch_count, 7);
  EXPECT_EQ(host.catch_texts, std::vector<std::string>{"7  "});
  EXPECT_EQ(random.bounds.size(), 3u + 2u);  // caught in interval 1
}

TEST_F(TrialTest, RaisesDivisionByZeroOnlyWhenALegCrossesWithAnEmptyDiveCycle) {
  params.Risk = 0;
  params.Safe = 0;
  ScriptedRandom far(StraightDownFrom(0, 0));
  EXPECT_FALSE(Run(far));
  ScriptedRandom crossing(StraightDownFrom(1500, 995));
  EXPECT_FAILURE(Run(crossing), "Division by zero");
}

TEST_F(TrialTest, RaisesInvalidOperationForAnArenaBeyondThirtyTwoBits) {
  step.ArenaWidth = 3e9f;
  ScriptedRandom random;
  EXPECT_FAILURE(Run(random), "Invalid floating point operation");
  EXPECT_TRUE(random.bounds.empty());
}

TEST_F(TrialTest, EndsOutOfReachAtTheCheckpoints) {
  step.SwimCount = 9;
  step.OneThirdMark = 3;
  step.TwoThirdsMark = 6;
  // From the arena's corner: out of reach at the one-third mark.
  ScriptedRandom corner(StraightDownFrom(0, 0));
  EXPECT_FALSE(Run(corner));
  EXPECT_EQ(corner.bounds.size(), 3u + 2u * 3u);
  // Heading 1.571 (nearly +x) from (400, 500): within the one-third box at x ≈ 430, outside
  // the two-thirds box (x < 666.7) at x ≈ 460.
  ScriptedRandom sideways({400, 500, 1571});
  EXPECT_FALSE(Run(sideways));
  EXPECT_EQ(sideways.bounds.size(), 3u + 2u * 6u);
}

TEST_F(TrialTest, TurnAlgorithmsSetTheHeadingTheirWay) {
  host.displayed = true;
  step.SwimCount = 1;
  // TurnRandom replaces the start heading at once: heading 3.142 swims up, not down.
  host.algorithm = TurnRandom;
  ScriptedRandom random({1501, 500, 0, 3142});
  Run(random);
  EXPECT_EQ(canvas.calls.back(), "line 300,98");

  // TurnDirectionalBias heads along the bias direction (+x here) from the first leg.
  host.algorithm = TurnDirectionalBias;
  step.BiasHeading = ToSingle(90 * kPi * kOne180th);
  step.SwimCount = 5;
  ScriptedRandom directional({1500, 500, 0});
  Run(directional);
  EXPECT_EQ(canvas.calls.back(), "line 310,100");
}

TEST_F(TrialTest, DrawsTheNetTheStartAndEveryLegInTheTrialColour) {
  host.displayed = true;
  step.SwimCount = 2;
  ScriptedRandom random(StraightDownFrom(1500, 0));
  Run(random, 2);
  const std::vector<std::string> expected = {
      "pen 0,0,0",   "move 200,200", "line 400,200",  // the net
      "move 300,0",                                   // the start point
      "pen 0,128,0", "line 300,2",   "pen 0,128,0",  "line 300,4",
  };
  EXPECT_EQ(canvas.calls, expected);
}

// The legs drawn: the canvas's line calls after the net's.
size_t LegsDrawn(const std::vector<std::string>& calls) {
  size_t lines = 0;
  for (const std::string& call : calls) lines += call.rfind("line ", 0) == 0;
  return lines - 1;
}

TEST_F(TrialTest, DrawsEveryLegSwumAlsoWhenTheTrialEndsEarly) {
  host.displayed = true;
  step.SwimCount = 150;  // more legs than are drawn in one batch
  ScriptedRandom far(StraightDownFrom(0, 0));
  Run(far);
  EXPECT_EQ(LegsDrawn(canvas.calls), 150u);

  // A catch in interval 5: the catching leg is drawn, then marked in its colour.
  canvas.calls.clear();
  ScriptedRandom caught(StraightDownFrom(1500, 960));
  params.Risk = 4;
  params.Safe = 1;
  EXPECT_TRUE(Run(caught, 9));
  EXPECT_EQ(LegsDrawn(canvas.calls), 5u);
  const std::vector<std::string> tail(canvas.calls.end() - 4, canvas.calls.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"pen 255,0,0", "line 300,202", "brush 255,0,0",
                                            "fill 300,200 300,202"}));

  // A failure at the first crossing (interval 4) leaves the four legs swum drawn.
  canvas.calls.clear();
  params.Risk = 0;
  params.Safe = 0;
  ScriptedRandom failing(StraightDownFrom(1500, 960));
  EXPECT_FAILURE(Run(failing), "Division by zero");
  EXPECT_EQ(LegsDrawn(canvas.calls), 4u);
}

TEST(AheadBiasHeading, WrapsOnceAboveTwoPiAndNeverBelowZero) {
  EXPECT_NEAR(AheadBiasHeading(6.282f, 0.1L * kPi), 6.282 + 0.1 * M_PI - 2 * M_PI, 1e-6);
  EXPECT_NEAR(AheadBiasHeading(0.1f, -0.5L), -0.4, 1e-6);  // below 0 stays below 0
  const float just_above = 6.28318548f;                    // the single nearest 2π lies above it
  EXPECT_NEAR(AheadBiasHeading(just_above, 0), just_above - 2 * M_PI, 1e-12);
  const float just_below = std::nextafter(just_above, 0.0f);
  EXPECT_EQ(AheadBiasHeading(just_below, 0), just_below);
  EXPECT_GT(AheadBiasHeading(12.0f, 1.0L), 6.0f);  // brought back once only
}

}  // namespace
}  // namespace zelmora

namespace zelmora {
namespace {

TEST(TurnSizes, GivesTheSizeOfEveryDrawAfterTheRangeChanges) {
  TurnSizes sizes;
  const struct {
    int32_t range, draw;
  } cases[] = {{30, 7},      {30, 29},   {50, 40}, {100, 99}, {0, 0},
               {-5, 123456}, {200, 150}, {30, 31}};  // a draw the range cannot give is still
                                                     // computed, never read past
  for (const auto& c : cases) {
    sizes.Prepare(c.range);
    EXPECT_EQ(sizes[c.draw], c.draw * 0.01L * kPi) << c.range << " " << c.draw;
  }
}

}  // namespace
}  // namespace zelmora
