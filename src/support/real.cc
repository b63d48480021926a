#include "support/real.h"

#include <fenv.h>
#include <fpu_control.h>

namespace zelmora {

namespace {

// Exclusive bounds of the integral values that fit the 32-bit signed range.
constexpr Real kBelowInt32 = -2147483649.0L;
constexpr Real kAboveInt32 = 2147483648.0L;

int32_t CheckedInt32(Real integral) {
  if (!(integral > kBelowInt32 && integral < kAboveInt32)) RaiseInvalidOperation();
  return static_cast<int32_t>(integral);
}

}  // namespace

void SetModelFloatingPointEnvironment() {
  fesetround(FE_TONEAREST);
  fpu_control_t control = _FPU_EXTENDED | _FPU_RC_NEAREST | _FPU_MASK_IM | _FPU_MASK_DM |
                          _FPU_MASK_ZM | _FPU_MASK_OM | _FPU_MASK_UM | _FPU_MASK_PM;
  _FPU_SETCW(control);
  feclearexcept(FE_ALL_EXCEPT);
}

Real Divide(Real a, Real b) {
  if (std::isnan(a) || std::isnan(b)) RaiseInvalidOperation();
  if (b == 0) {
    if (a == 0) RaiseInvalidOperation();
    RaiseDivisionByZero();
  }
  const Real q = a / b;
  if (std::isinf(q) && !std::isinf(a)) RaiseOverflow();
  return q;
}

int32_t TruncToInt(Real x) {
  return CheckedInt32(std::trunc(x));
}

// nearbyint rounds in the current mode, which the program never changes from to-nearest-even.
int32_t RoundToInt(Real x) {
  return CheckedInt32(std::nearbyint(x));
}

}  // namespace zelmora
