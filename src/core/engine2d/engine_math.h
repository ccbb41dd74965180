#ifndef LUMORA_CORE_ENGINE2D_ENGINE_MATH_H_
#define LUMORA_CORE_ENGINE2D_ENGINE_MATH_H_

#include <cmath>
#include <cstdint>

// The small numeric rules every engine step shares, so that results agree to the bit.
namespace lumora {

// a when a <= b, else b.
inline float MinSingle(float a, float b) { return a <= b ? a : b; }

// A float as an int: clamped to [lo, hi] first, then truncated toward zero; NaN gives 0
// clamped, so no conversion is ever undefined.
inline int32_t ClampToInt(float value, int32_t lo, int32_t hi) {
  if (std::isnan(value)) value = 0.0f;
  if (value >= static_cast<float>(hi)) return hi;
  if (value <= static_cast<float>(lo)) return lo;
  return static_cast<int32_t>(value);
}

// numerator / denominator (denominator > 0) rounded to the nearest integer, a half going to
// the even neighbour, in exact integer arithmetic.
inline int64_t RoundHalfEvenQuotient(int64_t numerator, int64_t denominator) {
  int64_t quotient = numerator / denominator;
  int64_t remainder = numerator % denominator;
  if (remainder < 0) {
    remainder += denominator;
    --quotient;
  }
  if (2 * remainder > denominator) return quotient + 1;
  if (2 * remainder == denominator && quotient % 2 != 0) return quotient + 1;
  return quotient;
}

}  // namespace lumora

#endif  // LUMORA_CORE_ENGINE2D_ENGINE_MATH_H_
