#ifndef LUMORA_CORE_DEEP_STRIP_VALUE_TABLE_H_
#define LUMORA_CORE_DEEP_STRIP_VALUE_TABLE_H_

#include <cstddef>
#include <vector>

// What the strips of every height are worth on a sheet of many piece sizes, for the knapsack
// over the sheet's length to choose among. The best strip of each height, one piece high, comes
// out of a single 0/1 knapsack over the strip's width whose items enter by rising height: after
// the items no taller than h the table holds the best strip of height h, so every height costs
// one pass over the items instead of one knapsack each (P. C. Gilmore and R. E. Gomory,
// "Multistage cutting stock problems of two and more dimensions", Operations Research 13(1),
// 1965, solve each stage's knapsacks for all lengths at once the same way). A height whose best
// strip is worth nothing, or no more than a lower one's, is dominated and left out.
//
// The values are a guide, not a promise: as pieces are used, a strip's pieces may be gone, and
// the strips actually cut are solved on their own. What they turn out to be worth is written
// back (Correct), so that the table learns where it guessed too high.
namespace lumora::deep {

struct StripItem {
  int height = 0;  // of the piece, along the strip's height
  int width = 0;   // of the columns, along the strip
  double value = 0;
};

class StripValueTable {
 public:
  // The best strip of every height within `width`, of the items (sorted by rising height).
  void Fill(const std::vector<StripItem>& items, int width);
  bool Empty() const { return heights_.empty(); }

  // The value of the strip of a height the table holds.
  double Value(int height) const;
  void Correct(int height, double value);

  // Of the heights within `room`, the `most` worth the most per height, in rising order.
  std::vector<int> DensestHeights(int room, size_t most) const;

 private:
  size_t IndexOf(int height) const;

  std::vector<int> heights_;  // rising
  std::vector<double> values_;
};

}  // namespace lumora::deep

#endif  // LUMORA_CORE_DEEP_STRIP_VALUE_TABLE_H_
