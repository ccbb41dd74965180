#include "core/engine2d/random.h"

#include <algorithm>

#include "core/engine2d/engine_math.h"

namespace lumora {
namespace {

uint64_t Next64(RandomState& random) {
  random.state += 0x9E3779B97F4A7C15ull;
  uint64_t z = random.state;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

}  // namespace

void ResetRandom(RandomState& random, int64_t seed) { random.state = static_cast<uint64_t>(seed); }

float NextRandom(RandomState& random) {
  return static_cast<float>(Next64(random) >> 40) * 0x1p-24f;
}

int RandomInt(RandomState& random, int lo, int hi) {
  const int64_t span = static_cast<int64_t>(hi) - lo + 1;
  const float scaled = static_cast<float>(span) * NextRandom(random);
  // Adding lo in float could round up to hi + 1; the integer sum with the cap cannot.
  const int64_t offset = ClampToInt(scaled, INT32_MIN, INT32_MAX);
  return static_cast<int>(std::min<int64_t>(lo + offset, hi));
}

}  // namespace lumora
