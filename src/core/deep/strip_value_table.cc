#include "core/deep/strip_value_table.h"

#include <algorithm>
#include <numeric>

#include "core/deep/knapsack.h"

namespace lumora::deep {

void StripValueTable::Fill(const std::vector<StripItem>& items, int width) {
  heights_.clear();
  values_.clear();
  ZeroOneKnapsack knapsack;
  knapsack.StartValuesOnly(static_cast<size_t>(width));
  for (size_t i = 0; i < items.size(); ++i) {
    knapsack.Add(static_cast<size_t>(items[i].width), items[i].value);
    if (i + 1 < items.size() && items[i + 1].height == items[i].height) continue;
    if (knapsack.Best() > (values_.empty() ? 0.0 : values_.back()) + kValueEpsilon) {
      heights_.push_back(items[i].height);
      values_.push_back(knapsack.Best());
    }
  }
}

size_t StripValueTable::IndexOf(int height) const {
  return static_cast<size_t>(std::lower_bound(heights_.begin(), heights_.end(), height) -
                             heights_.begin());
}

double StripValueTable::Value(int height) const { return values_[IndexOf(height)]; }

void StripValueTable::Correct(int height, double value) { values_[IndexOf(height)] = value; }

std::vector<int> StripValueTable::DensestHeights(int room, size_t most) const {
  const auto within = static_cast<size_t>(std::upper_bound(heights_.begin(), heights_.end(), room) -
                                          heights_.begin());
  std::vector<size_t> order(within);
  std::iota(order.begin(), order.end(), size_t{0});
  if (within > most) {
    // Among equal densities the lower height first, so that the choice never depends on the
    // order the selection happens to leave.
    const auto denser = [&](size_t a, size_t b) {
      const double da = values_[a] * heights_[b];
      const double db = values_[b] * heights_[a];
      return da != db ? da > db : a < b;
    };
    std::nth_element(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(most), order.end(),
                     denser);
    order.resize(most);
    std::sort(order.begin(), order.end());
  }
  std::vector<int> heights;
  for (size_t i : order) heights.push_back(heights_[i]);
  return heights;
}

}  // namespace lumora::deep
