#include "support/real.h"

#include <gtest/gtest.h>

#include <fpu_control.h>

#include <cmath>
#include <limits>

#include "common/expect_failure.h"

namespace zelmora {
namespace {

constexpr const char* kInvalid = "Invalid floating point operation";
const Real kNaN = std::numeric_limits<Real>::quiet_NaN();

TEST(Constants, AreTheNearestExtendedValues) {
  // 1/3 and 2/3 rounded up in their last bit, so just above; travel × 1/3 is still 19200
  // exactly for a travel of 57600.
  EXPECT_EQ(kOneThird, 0xA.AAAAAAAAAAAAAABp-5L);
  EXPECT_EQ(kTwoThirds, 0xA.AAAAAAAAAAAAAABp-4L);
  EXPECT_EQ(57600 * kOneThird, 19200);
  EXPECT_EQ(57600 * kTwoThirds, 38400);
  EXPECT_LT(0.01L, 0.01);  // the extended 0.01 is below the double 0.01
  EXPECT_LT(0.001L, ToSingle(0.001L));
  EXPECT_NEAR(kTwoPi, 6.283185307179586476925L, 1e-18L);
}

TEST(SetModelFloatingPointEnvironment, RestoresExtendedPrecisionAndRoundingToNearest) {
  fpu_control_t single_rounding_down = (_FPU_DEFAULT & ~_FPU_EXTENDED) | _FPU_SINGLE | _FPU_RC_DOWN;
  _FPU_SETCW(single_rounding_down);
  SetModelFloatingPointEnvironment();
  volatile Real one = 1, three = 3;
  EXPECT_EQ(one / three, kOneThird);
  EXPECT_EQ(RoundToInt(2.5L), 2);
  EXPECT_EQ(RoundToInt(3.5L), 4);
}

TEST(ToSingle, RoundsToNearestAndRaisesOverflowBeyondTheSingleRange) {
  EXPECT_EQ(ToSingle(0.1L), 0.1f);
  EXPECT_EQ(ToSingle(std::numeric_limits<float>::max()), std::numeric_limits<float>::max());
  EXPECT_FAILURE(ToSingle(1e39L), "Floating point overflow");
  EXPECT_FAILURE(ToSingle(-1e39L), "Floating point overflow");
  EXPECT_EQ(ToSingle(1e-50L), 0.0f);  // underflow is no fault
}

TEST(Divide, RaisesItsTwoFaults) {
  EXPECT_EQ(Divide(1, 4), 0.25L);
  EXPECT_FAILURE(Divide(0, 0), kInvalid);
  EXPECT_FAILURE(Divide(1, 0), "Floating point division by zero");
  EXPECT_FAILURE(Divide(-1, 0), "Floating point division by zero");
  EXPECT_FAILURE(Divide(1e4000L, 1e-4000L), "Floating point overflow");
}

TEST(TruncToInt, CutsTowardZeroWithinTheInt32Range) {
  const struct {
    Real x;
    int32_t n;
  } cases[] = {{2.9L, 2}, {-2.9L, -2}, {3.5L, 3},   {-3.5L, -3}, {2.5L, 2},
               {0.5L, 0}, {-0.7L, 0},  {-1.0L, -1}, {7, 7},      {1e-30L, 0}};
  for (const auto& c : cases) EXPECT_EQ(TruncToInt(c.x), c.n) << static_cast<double>(c.x);
  EXPECT_EQ(TruncToInt(2147483647.9L), 2147483647);
  EXPECT_EQ(TruncToInt(-2147483648.9L), INT32_MIN);
  EXPECT_FAILURE(TruncToInt(2147483648.0L), kInvalid);
  EXPECT_FAILURE(TruncToInt(-2147483649.0L), kInvalid);
  EXPECT_FAILURE(TruncToInt(kNaN), kInvalid);
}

TEST(RoundToInt, RoundsTiesToEven) {
  const struct {
    Real x;
    int32_t n;
  } cases[] = {{2.5L, 2},
               {3.5L, 4},
               {-2.5L, -2},
               {-3.5L, -4},
               {0.4L, 0},
               {57.6L, 58},
               {2147483647.4L, 2147483647},
               {-2147483648.5L, INT32_MIN}};
  for (const auto& c : cases) EXPECT_EQ(RoundToInt(c.x), c.n) << static_cast<double>(c.x);
  EXPECT_FAILURE(RoundToInt(2147483647.5L), kInvalid);
  EXPECT_FAILURE(RoundToInt(kNaN), kInvalid);
}

TEST(FracPart, KeepsTheSign) {
  EXPECT_EQ(FracPart(-1.25L), -0.25L);
  EXPECT_EQ(FracPart(2.75L), 0.75L);
  EXPECT_EQ(FracPart(3), 0);
}

TEST(SinCos, MatchesTheLibraryAndGivesZeroFromTwoToTheSixtyThree) {
  for (Real x : {0.0L, 0.001L, 1.0L, -2.5L, 6.282L, 100.0L}) {
    const SineCosine sc = SinCos(x);
    EXPECT_NEAR(sc.sine, std::sin(x), 1e-18L) << static_cast<double>(x);
    EXPECT_NEAR(sc.cosine, std::cos(x), 1e-18L) << static_cast<double>(x);
  }
  EXPECT_EQ(SinCos(0).sine, 0);
  EXPECT_EQ(SinCos(0).cosine, 1);
  const Real two_to_63 = 9223372036854775808.0L;
  EXPECT_EQ(SinCos(two_to_63).sine, 0);
  EXPECT_EQ(SinCos(-two_to_63).cosine, 0);
  EXPECT_NE(SinCos(std::nextafter(two_to_63, Real{0})).cosine, 0);
}

}  // namespace
}  // namespace zelmora
