#include "support/random.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>

namespace zelmora {
namespace {

TEST(RandomBelow, ScalesTheNextStateAsAFractionOfTwoToThe32) {
  RandomGenerator generator(0);
  const int32_t first = generator.RandomBelow(1000);
  const uint32_t state = generator.State();
  EXPECT_EQ(first, static_cast<int32_t>((uint64_t{state} * 1000) >> 32));
  EXPECT_NE(state, 0u);  // the call advanced the generator
}

TEST(RandomBelow, AdvancesForEveryBoundAndStaysBelowIt) {
  RandomGenerator a(12345), b(12345);
  EXPECT_EQ(a.RandomBelow(0), 0);
  EXPECT_EQ(a.RandomBelow(1), 0);
  b.RandomBelow(77);
  b.RandomBelow(5);
  EXPECT_EQ(a.State(), b.State());
  for (int k = 0; k < 10000; ++k) {
    const int32_t v = a.RandomBelow(6283);
    ASSERT_GE(v, 0);
    ASSERT_LT(v, 6283);
  }
}

TEST(RandomBelow, TakesANegativeBoundAsUnsigned) {
  RandomGenerator generator(1);
  bool saw_negative = false;
  for (int k = 0; k < 1000; ++k) saw_negative |= generator.RandomBelow(-1) < 0;
  EXPECT_TRUE(saw_negative);  // a bound of 2^32 - 1 reaches every 32-bit value
}

TEST(RandomGenerator, HasTheFullPeriodOfTwoToThe32) {
  // Hull–Dobell: the state returns to its start after exactly 2^32 steps and not before any of
  // the divisors 2^31, 2^30 … of it.
  RandomGenerator generator(7);
  uint64_t steps = 0;
  do {
    generator.RandomBelow(0);
    ++steps;
    if ((steps & (steps - 1)) == 0 && steps < (uint64_t{1} << 32)) {
      ASSERT_NE(generator.State(), 7u) << "returned after " << steps;
    }
  } while (generator.State() != 7u && steps <= (uint64_t{1} << 32));
  EXPECT_EQ(steps, uint64_t{1} << 32);
}

TEST(RandomGenerator, MixedNeighbouringSeedsGiveUnrelatedStates) {
  std::set<uint32_t> states;
  RandomGenerator generator;
  for (uint64_t seed = 0; seed < 1000; ++seed) {
    generator.SeedMixed(seed);
    states.insert(generator.State());
  }
  EXPECT_EQ(states.size(), 1000u);
  RandomGenerator one, two;
  one.SeedMixed(1);
  two.SeedMixed(2);
  // Neighbouring seeds differ in about half their bits, not in the lowest one.
  EXPECT_GT(__builtin_popcount(one.State() ^ two.State()), 8);
}

TEST(SeedFromClock, UsesMillisecondsSinceMidnight) {
  RandomGenerator generator;
  const uint32_t before = MillisecondsSinceMidnightUtc();
  generator.SeedFromClock();
  const uint32_t after = MillisecondsSinceMidnightUtc();
  EXPECT_LT(generator.State(), 86400000u);
  if (before <= after) {  // not across midnight
    EXPECT_GE(generator.State(), before);
    EXPECT_LE(generator.State(), after);
  }
}

}  // namespace
}  // namespace zelmora
