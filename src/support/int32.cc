#include "support/int32.h"

#include "support/failure.h"

namespace zelmora {

int32_t Remainder(int32_t a, int32_t b) {
  if (b == 0) RaiseIntegerDivisionByZero();
  if (b == -1) return 0;  // also keeps INT32_MIN % -1, which traps on x86, out of the division
  return a % b;
}

}  // namespace zelmora
