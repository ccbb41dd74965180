#ifndef LUMORA_CORE_DEEP_KNAPSACK_H_
#define LUMORA_CORE_DEEP_KNAPSACK_H_

#include <cstddef>
#include <cstdint>
#include <vector>

// The 0/1 knapsack by dynamic programming over the capacity, keeping a byte of choice per item
// and capacity so that the best set can be read back (Martello & Toth, "Knapsack Problems:
// Algorithms and Computer Implementations", Wiley 1990, chapter 2). A bounded count enters it
// split into powers of two, so that the 0/1 choices can add up to any count within the bound
// (ibid., section 3.2).
namespace lumora::deep {

// Values closer than this are equal: sums of doubles in another order must not change a choice.
inline constexpr double kValueEpsilon = 1e-9;
// The most bytes a knapsack's table of choices (a byte per item and capacity) may take.
inline constexpr size_t kMaxTableBytes = size_t{16} << 20;

// 1, 2, 4, ... and what is left of `count`: every count from 0 to `count` is a sum of some.
std::vector<int> PowerOfTwoParts(int count);

// Which items a best choice within `capacity` does without: an item whose dominators (items at
// most as heavy and at least as valuable, the earlier first among equals) cannot all be chosen
// beside it, for then one of them not chosen can always take its place.
std::vector<bool> Dominated(const std::vector<size_t>& weights, const std::vector<double>& values,
                            size_t capacity);

class ZeroOneKnapsack {
 public:
  // Whether the table of `items` over `capacity` stays within kMaxTableBytes.
  static bool Fits(size_t items, size_t capacity) {
    return items * (capacity + 1) <= kMaxTableBytes;
  }

  // Empties the table for about `items` items within `capacity`.
  void Start(size_t capacity, size_t items);
  // Empties the table for best values only, without the choices: no table of `Fits`'s bound, and
  // Chosen answers nothing.
  void StartValuesOnly(size_t capacity);
  // The next item: it is taken where it adds more than kValueEpsilon to the best so far.
  void Add(size_t weight, double value);
  // The best value within the whole capacity of the items added so far.
  double Best() const { return best_[capacity_]; }
  // The best set within the whole capacity among the first `items` added, as their indices, the
  // last added first.
  std::vector<size_t> Chosen(size_t items) const;

 private:
  size_t capacity_ = 0;
  size_t items_ = 0;
  bool keeps_choices_ = true;
  std::vector<double> best_;
  std::vector<uint8_t> taken_;
  std::vector<size_t> weights_;
};

}  // namespace lumora::deep

#endif  // LUMORA_CORE_DEEP_KNAPSACK_H_
