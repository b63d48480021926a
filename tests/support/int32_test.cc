#include "support/int32.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "common/expect_failure.h"

namespace zelmora {
namespace {

TEST(Int32, WrapsWithoutAFault) {
  EXPECT_EQ(WrapAdd(INT32_MAX, 1), INT32_MIN);
  EXPECT_EQ(WrapSub(INT32_MIN, 1), INT32_MAX);
  EXPECT_EQ(WrapMul(65536, 65536), 0);
  EXPECT_EQ(WrapMul(46341, 46341), -2147479015);
}

TEST(Remainder, TruncatesTowardZeroAndRaisesOnZero) {
  EXPECT_EQ(Remainder(9, 5), 4);
  EXPECT_EQ(Remainder(-9, 5), -4);
  EXPECT_EQ(Remainder(9, -5), 4);
  EXPECT_EQ(Remainder(INT32_MIN, -1), 0);
  EXPECT_FAILURE(Remainder(3, 0), "Division by zero");
}

}  // namespace
}  // namespace zelmora
