// Extended-precision real arithmetic with the program's faults.
//
// Every real expression of the model is evaluated in `Real` (the x87 80-bit format, 64-bit
// significand, rounding to nearest with ties to even) and rounded to single precision only where
// a value is stored as a single. Faults are explicit checks at the operations that can cause
// them; the hardware traps are never enabled, so the floating-point state is always the default.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

#include "support/failure.h"

namespace zelmora {

using Real = long double;
static_assert(std::numeric_limits<Real>::digits == 64, "the numerics need the x87 80-bit format");
static_assert(std::numeric_limits<float>::is_iec559, "singles must be IEEE 754 binary32");

// The extended values nearest to the constants the model names.
inline constexpr Real kPi = 3.14159265358979323846264338327950288L;
inline constexpr Real kTwoPi = 2 * kPi;  // doubling is exact, so this is nearest to 2π too
inline constexpr Real kOneThird = 1.0L / 3;
inline constexpr Real kTwoThirds = 2.0L / 3;
inline constexpr Real kOne180th = 1.0L / 180;

// Puts the floating-point unit into the state the model's numerics rely on: the x87 unit at
// extended precision (64-bit significand), rounding to nearest with ties to even, every
// exception masked (the faults are explicit checks), and the SSE unit rounding to nearest. The
// program calls it at start-up, since a library loaded into the process may have changed it.
void SetModelFloatingPointEnvironment();

// Rounds v to single precision, to nearest. Raises the overflow fault when the rounded value
// lies beyond the single range. A NaN passes through unchanged.
inline float ToSingle(Real v) {
  const float f = static_cast<float>(v);
  if (std::isinf(f) && !std::isinf(v)) [[unlikely]]
    RaiseOverflow();
  return f;
}

// a / b. Raises the invalid-operation fault for 0 / 0 (or a NaN operand), the division-by-zero
// fault for a non-zero a over zero, and the overflow fault for a quotient beyond the extended
// range.
Real Divide(Real a, Real b);

namespace real_detail {

// x rounded to the nearest 64-bit integer, ties to even, by the x87 fistp in the rounding mode
// the program keeps (to nearest). The C++ conversions truncate, which on the x87 means switching
// the control word to truncation and back around the store, and frndint is microcoded: both
// cost more than the rest of ToViewPixel, which converts two coordinates for every leg drawn.
// x must lie within ±2^63.
inline int64_t NearestInt64(Real x) {
  int64_t n;
  asm("fistpll %0" : "=m"(n) : "t"(x) : "st");
  return n;
}

}  // namespace real_detail

// The integer part of x toward zero. Raises the invalid-operation fault when it lies outside the
// 32-bit signed range or x is a NaN.
inline int32_t TruncToInt(Real x) {
  if (!(x > -2147483649.0L && x < 2147483648.0L)) [[unlikely]]
    RaiseInvalidOperation();
  int64_t n = real_detail::NearestInt64(x);
  if (x >= 0 ? n > x : n < x) n += x >= 0 ? -1 : 1;  // rounded away from zero: step back
  return static_cast<int32_t>(n);
}

// The nearest integer to x, ties to even (2.5 gives 2, 3.5 gives 4, -2.5 gives -2). Raises the
// invalid-operation fault when it lies outside the 32-bit signed range or x is a NaN.
inline int32_t RoundToInt(Real x) {
  // -2^31 - 0.5 rounds to the even -2^31; 2^31 - 0.5 rounds to the even 2^31, out of range.
  if (!(x >= -2147483648.5L && x < 2147483647.5L)) [[unlikely]]
    RaiseInvalidOperation();
  return static_cast<int32_t>(real_detail::NearestInt64(x));
}

// x minus its integer part toward zero, with the sign of x (-1.25 gives -0.25).
inline Real FracPart(Real x) {
  return x - std::trunc(x);
}

struct SineCosine {
  Real sine;
  Real cosine;
};

// Sine and cosine of x (radians) in extended precision, by the x87 fsincos instruction: one
// instruction for both, several times faster than two library calls, and the trial loop is
// dominated by it. An argument of magnitude 2^63 or more, beyond the instruction's range,
// gives 0 for both.
inline SineCosine SinCos(Real x) {
  constexpr Real kLimit = 9223372036854775808.0L;  // 2^63
  if (!(std::fabs(x) < kLimit)) [[unlikely]]
    return {0, 0};
  Real sine, cosine;
  asm("fsincos" : "=t"(cosine), "=u"(sine) : "0"(x));
  return {sine, cosine};
}

}  // namespace zelmora
