// The conversions between numbers and text that the parameter fields, the displays and the
// results file use. None of them depends on the process locale: the decimal separator that
// RealText writes is passed in, and ParseRealText always reads ".".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "support/real.h"

namespace zelmora {

template <class T>
struct Parsed {
  T value;
  // 0 when the whole text is correct; otherwise the 1-based position of the first character
  // that does not fit (one past the end when the text stops too early).
  int error_position;
};

// A 32-bit integer from text. An empty text gives 0. Leading blanks (character 32) are skipped;
// then an optional "+" or "-" and decimal digits, or "$" and hexadecimal digits (the value is
// the 32-bit two's-complement pattern). The digits must run to the end of the text. A decimal
// value outside the 32-bit range, or a hexadecimal one beyond 32 bits, is faulty at the digit
// that carries it out of range. A faulty text gives the value of the digits read before the
// first character that does not fit, without the sign: "-12a" gives 12, "abc" gives 0.
Parsed<int32_t> ParseIntText(std::string_view text);

// An extended real from text. An empty text gives 0. Leading blanks are skipped; then an
// optional sign, decimal digits, optionally "." and more digits (either side may be empty),
// then optionally "E" or "e", an optional sign and at least one digit; nothing may follow.
// A correct text gives the nearest extended value. A faulty one gives the number formed by the
// mantissa digits read so far, run together, without sign, point or exponent: "2.5x" gives 25.
// Raises the overflow fault when the value lies beyond the extended range.
Parsed<Real> ParseRealText(std::string_view text);

// The decimal digits of n, "-" in front of a negative one.
std::string IntText(int32_t n);

// The general decimal form of x with at most 15 significant digits: the exact value rounded to
// 18 digits (ties to even), then cut to 15, rounding up when the 16th digit is 5 or more;
// trailing zeros dropped. Fixed form while the decimal exponent E (0.d… × 10^E) is in
// -3 … 15, else the exponent form ("9E-5", "1E15"). Zero gives "0"; the separator is written
// where the decimal point falls.
std::string RealText(Real x, std::string_view decimal_separator);

}  // namespace zelmora
