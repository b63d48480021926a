#include "support/random.h"

#include <chrono>

namespace zelmora {

uint32_t MillisecondsSinceMidnightUtc() {
  using namespace std::chrono;
  const auto now = time_point_cast<milliseconds>(system_clock::now());
  const auto since_midnight = now - floor<days>(now);
  return static_cast<uint32_t>(since_midnight.count());
}

void RandomGenerator::SeedFromClock() {
  state_ = MillisecondsSinceMidnightUtc();
}

void RandomGenerator::SeedMixed(uint64_t seed) {
  uint64_t z = seed + 0x9E3779B97F4A7C15u;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
  z ^= z >> 31;
  state_ = static_cast<uint32_t>(z >> 32);
}

}  // namespace zelmora
