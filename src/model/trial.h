// One trial: one simulated animal swum through one soak of the net.
#pragma once

#include <concepts>
#include <cstdint>
#include <span>
#include <type_traits>

#include "model/arena_drawing.h"
#include "model/net_tests.h"
#include "model/sim_params.h"
#include "model/sweep_host.h"
#include "support/int32.h"
#include "support/number_text.h"
#include "support/real.h"

namespace zelmora {

// What a generator must offer a trial: the program's RandomGenerator, or a scripted one.
template <class R>
concept RandomSource = requires(R r, int32_t n) {
  { r.RandomBelow(n) } -> std::same_as<int32_t>;
};

// The turn sizes n × 0.01 × π of a turn range's draws n = 0 … range - 1, kept from one trial to
// the next while the range stays the same: exactly the values a leg would compute, without two
// extended multiplications per leg. A range beyond 0 … 100 (a negative one draws from all 2^32
// values) is computed per draw.
class TurnSizes {
 public:
  // Makes the table fit range; O(1) when it already does.
  void Prepare(int32_t range) {
    if (range == range_) return;
    range_ = range;
    tabled_ = range > 0 && range <= kMostTabled;
    for (int32_t n = 0; tabled_ && n < range; ++n) sizes_[n] = Size(n);
  }
  // The size of draw n of the prepared range (any n: one outside the table is computed).
  Real operator[](int32_t n) const {
    return tabled_ && static_cast<uint32_t>(n) < static_cast<uint32_t>(range_) ? sizes_[n]
                                                                               : Size(n);
  }

 private:
  static constexpr int32_t kMostTabled = 100;
  static Real Size(int32_t n) { return n * 0.01L * kPi; }

  int32_t range_ = 0;
  bool tabled_ = false;
  Real sizes_[kMostTabled];
};

// The legs of a track swum but not drawn yet. A call out of the leg loop makes the compiler
// save the loop's whole x87 register stack around it, which would cost more than the drawing
// itself; collecting the ends and drawing them in batches keeps that out of the loop. Nothing
// else reaches the canvas between the legs of a trial, so it receives the same calls in the
// same order as when every leg is drawn at once.
class PendingLegs {
 public:
  PendingLegs(ArenaDrawing& drawing, int32_t trial_number)
      : drawing_(drawing), trial_number_(trial_number) {}
  // Draws what is pending also when a failure ends the trial: what was swum before it stays
  // drawn.
  ~PendingLegs() {
    try {
      Draw();
    } catch (...) {
      // the failure that ends the trial is the one reported
    }
  }
  PendingLegs(const PendingLegs&) = delete;
  PendingLegs& operator=(const PendingLegs&) = delete;

  void Add(float xe, float ye) {
    ends_[count_++] = {xe, ye};
    if (count_ == kBatch) Draw();
  }
  // Draws every pending leg; the next drawing operation follows them.
  void Draw() {
    drawing_.DrawLegs(true, trial_number_, std::span<const LegEnd>(ends_, count_));
    count_ = 0;
  }

 private:
  static constexpr size_t kBatch = 64;
  ArenaDrawing& drawing_;
  const int32_t trial_number_;
  size_t count_ = 0;
  LegEnd ends_[kBatch];
};

// The legs of a track whose tracks are not displayed: nothing to keep.
struct UndrawnLegs {
  UndrawnLegs(ArenaDrawing&, int32_t) {}
  void Add(float, float) {}
  void Draw() {}
};

// What one trial reads and touches, all owned by the sweep that runs it.
struct TrialWorld {
  const SimParams& params;
  const SoakStepValues& step;
  SweepHost& host;
  ArenaDrawing& drawing;
  int32_t& catch_count;  // animals caught in the current combination
  TurnSizes turn_sizes = {};
};

// The heading after a turn under TurnAheadBias: single(signed_turn + heading), brought back by
// 2π once when it lies above 2π. A heading that has gone below 0 is not brought back.
inline float AheadBiasHeading(float heading, Real signed_turn) {
  const float turned = ToSingle(signed_turn + heading);
  return kTwoPi < turned ? ToSingle(turned - kTwoPi) : turned;
}

namespace trial_detail {

// Where a track starts and what turns it: drawn and read by RunTrial.
struct TrackStart {
  float x;
  float y;
  float heading;
  int32_t algorithm;
};

// The leg loop of RunTrial, compiled once with drawing and once without, so that a sweep that
// does not display its tracks runs a loop with no trace of drawing in it.
template <bool kDisplayed, RandomSource Random>
bool SwimTrack(int32_t trial_number, TrialWorld& world, Random& random, TrackStart start) {
  // No event is delivered during a trial, so nothing it reads can change before it ends:
  // reading the parameters once gives what reading them at every leg would, and the local
  // copies let the leg loop keep them in registers.
  const SimParams p = world.params;
  const SoakStepValues step = world.step;
  float x = start.x, y = start.y, heading = start.heading;
  std::conditional_t<kDisplayed, PendingLegs, UndrawnLegs> legs(world.drawing, trial_number);

  world.turn_sizes.Prepare(p.TurnRange);
  const TurnSizes& turn_sizes = world.turn_sizes;
  const auto draw_turn = [&random, &p, &turn_sizes] {
    const Real turn = turn_sizes[random.RandomBelow(p.TurnRange)];
    return random.RandomBelow(2) == 0 ? -turn : turn;
  };

  for (int32_t i = 1; i <= step.SwimCount; ++i) {
    switch (start.algorithm) {
      case TurnRandom:
        heading = ToSingle(random.RandomBelow(6283) * 0.001L);
        break;
      case TurnAheadBias:
        heading = AheadBiasHeading(heading, draw_turn());
        break;
      case TurnDirectionalBias:
        heading = ToSingle(draw_turn() + step.BiasHeading);
        break;
      default:
        break;
    }
    const SineCosine direction = SinCos(heading);
    const float xe = ToSingle(direction.sine * step.StepLen + x);
    const float ye = ToSingle(direction.cosine * step.StepLen + y);
    legs.Add(xe, ye);

    if (i == step.OneThirdMark && OutOfReachAtOneThird(xe, ye, p.Travel, step.ArenaWidth))
      return false;
    if (i == step.TwoThirdsMark && OutOfReachAtTwoThirds(xe, ye, p.Travel, step.ArenaWidth))
      return false;
    if (CrossesNet(p.Length, x, xe, y, ye, p.Travel) &&
        Remainder(i, WrapAdd(p.Risk, p.Safe)) < p.Risk) {
      world.catch_count = WrapAdd(world.catch_count, 1);
      world.host.ShowCatchText(IntText(world.catch_count) + "  ");
      legs.Draw();  // the catching leg first: the mark takes its colour
      world.drawing.MarkCatch(kDisplayed, x, y, xe, ye);
      return true;
    }
    x = xe;
    y = ye;
  }
  return false;
}

}  // namespace trial_detail

// Swims one animal from a random start: SwimCount legs of StepLen metres, its heading turned
// at every interval by the selected turn algorithm, with the reach checks at the one-third and
// two-thirds marks. A leg that crosses the net in an at-risk interval of the dive cycle catches
// the animal: the catch count grows, the catch field shows it and the catch is marked. Returns
// whether the animal was caught. trial_number (from 1) only selects the track's colour.
//
// The random draws are, in order: start x, start y, start heading; then per interval the new
// heading (TurnRandom) or the turn size and its sign (the two biased algorithms), every draw
// made even when its bound is 0 or 1.
//
// Raises the integer division fault when a leg crosses the net and Risk + Safe is 0, the
// invalid-operation fault when the arena's width or height rounds beyond 32 bits, and the
// overflow fault when a position leaves the single range.
template <RandomSource Random>
bool RunTrial(int32_t trial_number, TrialWorld& world, Random& random) {
  // The box and the algorithm choice cannot change during a trial (no event is delivered):
  // reading them once gives what reading them at every leg would.
  const bool displayed = world.host.TracksDisplayed();
  const int32_t algorithm = world.host.SelectedTurnAlgorithm();

  world.drawing.DrawNet(displayed);
  const float x = static_cast<float>(random.RandomBelow(RoundToInt(world.step.ArenaWidth)));
  const float y = static_cast<float>(random.RandomBelow(RoundToInt(world.params.Travel * 2.0L)));
  const float heading = ToSingle(random.RandomBelow(6283) * 0.001L);
  world.drawing.StartTrack(x, y);

  const trial_detail::TrackStart start{x, y, heading, algorithm};
  return displayed ? trial_detail::SwimTrack<true>(trial_number, world, random, start)
                   : trial_detail::SwimTrack<false>(trial_number, world, random, start);
}

}  // namespace zelmora
