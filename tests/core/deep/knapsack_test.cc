#include "core/deep/knapsack.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace lumora::deep {
namespace {

// The best value within every capacity up to `capacity`, of the items the mask keeps.
std::vector<double> BestValues(const std::vector<size_t>& weights,
                               const std::vector<double>& values, const std::vector<bool>& left_out,
                               size_t capacity) {
  std::vector<double> best;
  for (size_t c = 0; c <= capacity; ++c) {
    ZeroOneKnapsack knapsack;
    knapsack.Start(c, weights.size());
    for (size_t i = 0; i < weights.size(); ++i) {
      if (!left_out[i]) knapsack.Add(weights[i], values[i]);
    }
    best.push_back(knapsack.Best());
  }
  return best;
}

// Leaving out the dominated items never lowers the best value within the capacity, at any
// capacity up to it; the table counts what is left out.
TEST(Dominated, LeavesOutOnlyItemsABestChoiceDoesWithout) {
  struct Case {
    std::vector<size_t> weights;
    std::vector<double> values;
    size_t capacity;
    int left_out;
  };
  const Case cases[] = {
      {{3, 3, 3, 4}, {5, 5, 5, 4}, 7, 2},        // two of three equals fit: the third and the 4
      {{2, 3, 4, 5}, {6, 5, 4, 3}, 9, 1},        // the last, lighter ones worth more
      {{5, 5}, {7, 7}, 10, 0},                   // both equals fit together
      {{4, 5, 6}, {4, 5, 6}, 15, 0},             // value by weight: nothing dominated
      {{2, 2, 2, 2, 9}, {3, 3, 3, 3, 2}, 9, 1},  // the heavy cheap one; the light ones all fit
      {{1, 1, 3}, {1, 1, 1}, 3, 1},
  };
  for (const Case& c : cases) {
    const std::vector<bool> dominated = Dominated(c.weights, c.values, c.capacity);
    int left_out = 0;
    for (bool d : dominated) left_out += d;
    EXPECT_EQ(left_out, c.left_out);
    EXPECT_EQ(BestValues(c.weights, c.values, dominated, c.capacity),
              BestValues(c.weights, c.values, std::vector<bool>(c.weights.size()), c.capacity));
  }
}

// Against every subset of the items: the best value at each capacity, and a chosen set that
// fits and is worth it. The weights run below and above the four capacities the table fills at
// a time, and the capacities are no multiple of four, so each pass ends on a part block.
TEST(ZeroOneKnapsack, FindsTheBestSetAtEveryCapacity) {
  struct Case {
    std::vector<size_t> weights;
    std::vector<double> values;
  };
  const Case cases[] = {
      {{1, 2, 3, 5, 7}, {1.5, 2, 4, 6, 7.5}},
      {{4, 4, 6, 9, 13, 17}, {3, 3.5, 7, 9, 14, 15}},
      {{11, 3, 8, 1}, {10, 2.5, 9, 0.5}},
  };
  for (const Case& c : cases) {
    const size_t n = c.weights.size();
    for (size_t capacity = 0; capacity <= 23; ++capacity) {
      double best = 0;
      for (size_t mask = 0; mask < (size_t{1} << n); ++mask) {
        size_t weight = 0;
        double value = 0;
        for (size_t i = 0; i < n; ++i) {
          if (mask >> i & 1) {
            weight += c.weights[i];
            value += c.values[i];
          }
        }
        if (weight <= capacity) best = std::max(best, value);
      }
      ZeroOneKnapsack knapsack;
      knapsack.Start(capacity, n);
      for (size_t i = 0; i < n; ++i) knapsack.Add(c.weights[i], c.values[i]);
      size_t weight = 0;
      double value = 0;
      for (size_t i : knapsack.Chosen(n)) {
        weight += c.weights[i];
        value += c.values[i];
      }
      SCOPED_TRACE(capacity);
      EXPECT_EQ(knapsack.Best(), best);
      EXPECT_LE(weight, capacity);
      EXPECT_EQ(value, best);
    }
  }
}

}  // namespace
}  // namespace lumora::deep
