// 32-bit two's-complement integer arithmetic that wraps without a fault, as the model's integer
// fields do. Computed through uint32_t, since signed overflow is undefined in C++.
#pragma once

#include <cstdint>

namespace zelmora {

constexpr int32_t WrapAdd(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

constexpr int32_t WrapSub(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}

constexpr int32_t WrapMul(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}

// The remainder of a / b truncated toward zero (its sign is a's). Raises the integer division
// fault when b is 0. INT32_MIN mod -1 gives 0.
int32_t Remainder(int32_t a, int32_t b);

}  // namespace zelmora
