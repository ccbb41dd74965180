#ifndef LUMORA_CORE_ENGINE2D_RANDOM_H_
#define LUMORA_CORE_ENGINE2D_RANDOM_H_

#include <cstdint>

namespace lumora {

// The random sequence of one pass (SplitMix64). Every pass owns its own, so passes can run on
// different threads and still repeat exactly.
struct RandomState {
  uint64_t state = 0;
};

// Restarts the sequence for a seed: the same seed always gives the same draws.
void ResetRandom(RandomState& random, int64_t seed);
// The next value in [0, 1), a multiple of 2^-24.
float NextRandom(RandomState& random);
// A draw in [lo, hi]: the whole part of (hi - lo + 1) * r taken in float, added to lo in
// integers and capped at hi.
int RandomInt(RandomState& random, int lo, int hi);

}  // namespace lumora

#endif  // LUMORA_CORE_ENGINE2D_RANDOM_H_
