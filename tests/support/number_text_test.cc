#include "support/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <limits>

#include "common/expect_failure.h"

namespace zelmora {
namespace {

struct IntCase {
  const char* text;
  int32_t value;
  bool correct;
};

TEST(ParseIntText, GivesValuesOfCorrectAndFaultyTexts) {
  const IntCase cases[] = {
      {"", 0, true},
      {"0", 0, true},
      {"42", 42, true},
      {"   42", 42, true},  // leading blanks skipped
      {"+5", 5, true},
      {"-90", -90, true},
      {"007", 7, true},
      {"2147483647", 2147483647, true},
      {"-2147483648", INT32_MIN, true},
      {"$FF", 255, true},
      {"$ff", 255, true},
      {"$FFFFFFFF", -1, true},  // the 32-bit pattern
      {"$80000000", INT32_MIN, true},
      {"-12a", 12, false},  // digits before the fault, without the sign
      {"12 ", 12, false},
      {"abc", 0, false},
      {"-", 0, false},
      {"+", 0, false},
      {"   ", 0, false},
      {"\t5", 0, false},  // only character 32 counts as a blank
      {"1.5", 1, false},
      {"$", 0, false},
      {"$1G", 1, false},
      {"-$10", 0, false},
      {"2147483648", 214748364, false},  // the digit that leaves the range is the fault
      {"-2147483649", 214748364, false},
      {"$100000000", 0x10000000, false},
  };
  for (const IntCase& c : cases) {
    const Parsed<int32_t> parsed = ParseIntText(c.text);
    EXPECT_EQ(parsed.value, c.value) << '"' << c.text << '"';
    EXPECT_EQ(parsed.error_position == 0, c.correct) << '"' << c.text << '"';
  }
}

TEST(ParseIntText, ReportsThePositionOfTheFirstMisfit) {
  EXPECT_EQ(ParseIntText("-12a").error_position, 4);
  EXPECT_EQ(ParseIntText("  x").error_position, 3);
  EXPECT_EQ(ParseIntText("-").error_position, 2);  // one past the end: digits missing
}

struct RealCase {
  const char* text;
  long double value;
  bool correct;
};

TEST(ParseRealText, GivesValuesOfCorrectAndFaultyTexts) {
  const RealCase cases[] = {
      {"", 0, true},         {".", 0, true},        {"1", 1, true},       {"  2.5", 2.5L, true},
      {"-3", -3, true},      {"+.5", 0.5L, true},   {"5.", 5, true},      {"1e3", 1000, true},
      {"1E-2", 0.01L, true}, {"9e99", 9e99L, true}, {"0.1", 0.1L, true},  // the nearest extended
                                                                          // value, not a double's
      {"2.5x", 25, false},  // mantissa digits run together, nothing else applied
      {"0.5 ", 5, false},    {"-1,5", 1, false},    {"1e", 1, false},     {"1e5x", 1, false},
      {"12e+", 12, false},   {"abc", 0, false},     {"1.2.3", 12, false},
  };
  for (const RealCase& c : cases) {
    const Parsed<long double> parsed = ParseRealText(c.text);
    EXPECT_EQ(parsed.value, c.value) << '"' << c.text << '"';
    EXPECT_EQ(parsed.error_position == 0, c.correct) << '"' << c.text << '"';
  }
}

TEST(ParseRealText, IgnoresTheProcessLocale) {
  const char* old = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = old ? old : "C";
  if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) GTEST_SKIP() << "no comma locale installed";
  EXPECT_EQ(ParseRealText("2.5").value, 2.5L);
  EXPECT_EQ(RealText(2.5L, "."), "2.5");
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(ParseRealText, RaisesOverflowBeyondTheExtendedRange) {
  EXPECT_FAILURE(ParseRealText("1e5000"), "Floating point overflow");
  EXPECT_EQ(ParseRealText("1e-5000").value, 0);  // underflow is no fault
}

TEST(IntText, WritesPlainDigits) {
  EXPECT_EQ(IntText(0), "0");
  EXPECT_EQ(IntText(1234567), "1234567");
  EXPECT_EQ(IntText(-45), "-45");
  EXPECT_EQ(IntText(INT32_MIN), "-2147483648");
}

struct RealTextCase {
  long double value;
  const char* text;
};

TEST(RealText, WritesFifteenDigitsInFixedOrExponentForm) {
  const RealTextCase cases[] = {
      {0, "0"},
      {-0.0L, "0"},
      {1, "1"},
      {-2.5L, "-2.5"},
      {123.4L, "123.4"},
      {0.5L, "0.5"},
      {0.05L, "0.05"},
      {0.0001L, "0.0001"},                      // E = -3: still fixed
      {0.00009L, "9E-5"},                       // E = -4: exponent form
      {1e15L, "1E15"},                          // E = 16
      {999999999999999.0L, "999999999999999"},  // E = 15: fixed
      {1e14L, "100000000000000"},
      {1.5e20L, "1.5E20"},
      {-1.25e-7L, "-1.25E-7"},
      {0.1f, "0.100000001490116"},  // a single widened exactly
      {7.3751536547206342e-5f, "7.37515365472063E-5"},
      {1.0L / 3, "0.333333333333333"},
      {2.0L / 3, "0.666666666666667"},
      {57600, "57600"},
      {std::numeric_limits<float>::max(), "3.40282346638529E38"},
  };
  for (const RealTextCase& c : cases) EXPECT_EQ(RealText(c.value, "."), c.text) << c.text;
}

TEST(RealText, RoundsTheSixteenthDigitHalfUpAfterTiesToEvenAtEighteen) {
  // 0.1234567890123455 holds its 16th digit 5 exactly at 18 digits: half up to ...346.
  EXPECT_EQ(RealText(0.1234567890123455L, "."), "0.123456789012346");
  // A carry through every digit moves the decimal point.
  EXPECT_EQ(RealText(9.9999999999999995L, "."), "10");
  EXPECT_EQ(RealText(999999999999999.5L, "."), "1E15");
  // The two steps differ from one rounding of the exact value: 1000000000000004995 is an exact
  // extended value; at 18 digits its tie goes to the even ...500, whose 16th digit 5 then rounds
  // the 15th up. Rounded once at the 16th digit it would give 1E18.
  EXPECT_EQ(RealText(1000000000000004995.0L, "."), "1.00000000000001E18");
  EXPECT_EQ(RealText(1.000000000000004999L, "."), "1.00000000000001");
}

TEST(RealText, WritesTheGivenSeparator) {
  EXPECT_EQ(RealText(2.5L, ","), "2,5");
  EXPECT_EQ(RealText(0.05L, ","), "0,05");
  EXPECT_EQ(RealText(7.3751536547206342e-5f, ","), "7,37515365472063E-5");
  EXPECT_EQ(RealText(1000, ","), "1000");
}

}  // namespace
}  // namespace zelmora
