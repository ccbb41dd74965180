#ifndef LUMORA_CORE_DEEP_CHAIN_RANDOM_H_
#define LUMORA_CORE_DEEP_CHAIN_RANDOM_H_

#include <cstdint>

// The random draws of one line of search (SplitMix64): they depend on its seed only, so that a
// budgeted run repeats exactly whatever the threads do.
namespace lumora::deep {

class ChainRandom {
 public:
  explicit ChainRandom(uint64_t seed) : state_(seed) {}

  // Uniform in [0, 1).
  double Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * 0x1.0p-53;
  }

 private:
  uint64_t state_;
};

}  // namespace lumora::deep

#endif  // LUMORA_CORE_DEEP_CHAIN_RANDOM_H_
