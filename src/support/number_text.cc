#include "support/number_text.h"

#include <locale.h>
#include <stdlib.h>

#include <charconv>
#include <cstdlib>

namespace zelmora {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

size_t SkipBlanks(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  return i;
}

int Position(size_t index) {
  return static_cast<int>(index) + 1;
}

Parsed<int32_t> ParseHex(std::string_view text, size_t i) {
  uint32_t value = 0;
  const size_t first_digit = i;
  for (; i < text.size(); ++i) {
    const int digit = HexValue(text[i]);
    if (digit < 0 || value > 0x0FFFFFFFu) return {static_cast<int32_t>(value), Position(i)};
    value = value * 16 + static_cast<uint32_t>(digit);
  }
  if (i == first_digit) return {0, Position(i)};
  return {static_cast<int32_t>(value), 0};
}

// Parses a decimal text with the C locale's rules, whatever locale the process runs in.
Real CLocaleStrtold(const std::string& text) {
  static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", locale_t{});
  const Real value = strtold_l(text.c_str(), nullptr, c_locale);
  if (std::isinf(value)) RaiseOverflow();
  return value;
}

}  // namespace

Parsed<int32_t> ParseIntText(std::string_view text) {
  size_t i = SkipBlanks(text);
  if (text.empty()) return {0, 0};
  if (i < text.size() && text[i] == '$') return ParseHex(text, i + 1);

  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  const uint64_t limit = negative ? 2147483648u : 2147483647u;
  uint64_t value = 0;
  const size_t first_digit = i;
  for (; i < text.size(); ++i) {
    const uint64_t next = value * 10 + static_cast<uint64_t>(text[i] - '0');
    if (!IsDigit(text[i]) || next > limit) return {static_cast<int32_t>(value), Position(i)};
    value = next;
  }
  if (i == first_digit) return {0, Position(i)};
  const auto magnitude = static_cast<uint32_t>(value);
  return {static_cast<int32_t>(negative ? 0u - magnitude : magnitude), 0};
}

Parsed<Real> ParseRealText(std::string_view text) {
  if (text.empty()) return {0, 0};
  size_t i = SkipBlanks(text);
  const size_t start = i;
  std::string mantissa_digits;
  auto faulty_at = [&](size_t index) -> Parsed<Real> {
    const Real digits = mantissa_digits.empty() ? 0 : CLocaleStrtold(mantissa_digits);
    return {digits, Position(index)};
  };

  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  for (; i < text.size() && IsDigit(text[i]); ++i) mantissa_digits += text[i];
  if (i < text.size() && text[i] == '.') {
    for (++i; i < text.size() && IsDigit(text[i]); ++i) mantissa_digits += text[i];
  }
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const size_t first_exponent_digit = i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    if (i == first_exponent_digit) return faulty_at(i);
  }
  if (i < text.size()) return faulty_at(i);
  // A correct text without mantissa digits ("", ".", "-.", "e5") stands for zero.
  if (mantissa_digits.empty()) return {0, 0};
  return {CLocaleStrtold(std::string(text.substr(start))), 0};
}

std::string IntText(int32_t n) {
  return std::to_string(n);
}

std::string RealText(Real x, std::string_view decimal_separator) {
  if (std::isnan(x)) return "NAN";
  if (std::isinf(x)) return x < 0 ? "-INF" : "INF";
  if (x == 0) return "0";

  // The exact value rounded to 18 significant digits: "d.ddddddddddddddddde±x".
  char scientific[64];
  const auto written = std::to_chars(scientific, scientific + sizeof scientific, std::fabs(x),
                                     std::chars_format::scientific, 17);
  const std::string_view form(scientific, static_cast<size_t>(written.ptr - scientific));
  const size_t e_at = form.find('e');
  std::string digits;
  digits += form[0];
  digits.append(form.substr(2, 14));  // 15 significant digits in all
  int exponent = 0;                   // E of 0.d… × 10^E
  std::from_chars(form.data() + e_at + (form[e_at + 1] == '+' ? 2 : 1), form.data() + form.size(),
                  exponent);
  exponent += 1;

  if (form[16] >= '5') {  // the 16th digit rounds the 15th half up
    int k = 14;
    while (k >= 0 && digits[static_cast<size_t>(k)] == '9') digits[static_cast<size_t>(k--)] = '0';
    if (k < 0) {
      digits.insert(digits.begin(), '1');
      ++exponent;
    } else {
      ++digits[static_cast<size_t>(k)];
    }
  }
  digits.erase(digits.find_last_not_of('0') + 1);

  std::string out = x < 0 ? "-" : "";
  const auto length = static_cast<int>(digits.size());
  if (exponent >= -3 && exponent <= 15) {
    if (exponent <= 0) {
      out += '0';
      out += decimal_separator;
      out.append(static_cast<size_t>(-exponent), '0');
      out += digits;
    } else if (length <= exponent) {
      out += digits;
      out.append(static_cast<size_t>(exponent - length), '0');
    } else {
      out.append(digits, 0, static_cast<size_t>(exponent));
      out += decimal_separator;
      out.append(digits, static_cast<size_t>(exponent));
    }
  } else {
    out += digits[0];
    if (length > 1) {
      out += decimal_separator;
      out.append(digits, 1);
    }
    out += 'E';
    out += std::to_string(exponent - 1);  // carries its own "-"
  }
  return out;
}

}  // namespace zelmora
