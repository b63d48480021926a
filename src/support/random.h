// The program's random generator: one 32-bit state that is also the output.
#pragma once

#include <cstdint>

namespace zelmora {

class RandomGenerator {
 public:
  explicit RandomGenerator(uint32_t state = 0) : state_(state) {}

  // Advances the generator and scales the new state to 0 … n - 1: the state read as an unsigned
  // fraction of 2^32, times n, rounded down. n = 0 gives 0. A negative n counts as the unsigned
  // n + 2^32, so the result, read as signed, can then be any 32-bit value. Every call advances
  // the generator, whatever n is.
  int32_t RandomBelow(int32_t n) {
    // A linear congruential recurrence modulo 2^32 with an odd increment and a multiplier one
    // above a multiple of four: by the Hull–Dobell theorem every state is visited once per 2^32
    // steps. Scaling by multiplication uses the well-mixed high bits, not the weak low ones.
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<int32_t>((uint64_t{state_} * static_cast<uint32_t>(n)) >> 32);
  }

  // The state exactly as given.
  void Seed(uint32_t state) { state_ = state; }

  // The state becomes the time of day in milliseconds since midnight, UTC.
  void SeedFromClock();

  // A state derived from a user's seed through a SplitMix64 finaliser, so that neighbouring
  // seeds (replicate runs 1, 2, 3 …) start streams that are not visibly correlated.
  void SeedMixed(uint64_t seed);

  uint32_t State() const { return state_; }

 private:
  uint32_t state_;
};

// ((hour × 60 + minute) × 60 + second) × 1000 + millisecond of the current time, UTC.
uint32_t MillisecondsSinceMidnightUtc();

}  // namespace zelmora
