// Fuzzes the number conversions with arbitrary texts and arbitrary extended values: nothing
// crashes or trips a sanitizer, correct integer texts survive a round trip through IntText, and
// RealText's 15-digit form reads back to a value with the same 15-digit form.
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "support/failure.h"
#include "support/number_text.h"

namespace {

using zelmora::Failure;
using zelmora::Real;

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckRealTextReadsBack(Real x) {
  if (!std::isfinite(x) || (x != 0 && std::fabs(x) < LDBL_MIN)) return;  // denormals lose digits
  const std::string text = zelmora::RealText(x, ".");
  try {
    const auto parsed = zelmora::ParseRealText(text);
    Check(parsed.error_position == 0);
    Check(zelmora::RealText(parsed.value, ".") == text);
  } catch (const Failure&) {
    Check(std::fabs(x) > 1e4931L);  // rounded up past the extended range
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  const auto integer = zelmora::ParseIntText(text);
  if (integer.error_position == 0) {
    const auto again = zelmora::ParseIntText(zelmora::IntText(integer.value));
    Check(again.error_position == 0 && again.value == integer.value);
  } else {
    Check(integer.error_position >= 1 && static_cast<size_t>(integer.error_position) <= size + 1);
  }

  try {
    CheckRealTextReadsBack(zelmora::ParseRealText(text).value);
  } catch (const Failure&) {
    // an overflow beyond the extended range is a proper answer
  }

  if (size >= sizeof(Real)) {
    Real raw = 0;
    std::memcpy(&raw, data, 10);  // the 80 bits of an x87 value
    CheckRealTextReadsBack(raw);
    (void)zelmora::RealText(raw, ",");
  }
  return 0;
}
