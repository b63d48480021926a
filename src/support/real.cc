#include "support/real.h"

#include <fenv.h>
#include <fpu_control.h>

namespace zelmora {

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

}  // namespace zelmora
