#include "core/deep/strip_value_table.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/deep/knapsack.h"

namespace lumora::deep {
namespace {

// The best strip of `height` by a knapsack of its own over the items no taller.
double BestStrip(const std::vector<StripItem>& items, int width, int height) {
  ZeroOneKnapsack knapsack;
  knapsack.Start(static_cast<size_t>(width), items.size());
  for (const StripItem& item : items) {
    if (item.height <= height) knapsack.Add(static_cast<size_t>(item.width), item.value);
  }
  return knapsack.Best();
}

// One pass over the items by rising height holds the best strip of every height it keeps, as a
// knapsack per height would, and keeps just the heights worth more than every lower one.
TEST(StripValueTable, HoldsTheBestStripOfEveryHeightItKeeps) {
  struct Case {
    std::vector<StripItem> items;  // by rising height
    int width;
    std::vector<int> kept;
  };
  const Case cases[] = {
      {{{2, 3, 3}, {4, 5, 4}, {6, 2, 1}}, 5, {2, 4}},  // the 6 adds nothing to 3 + 4
      {{{2, 6, 9}, {3, 3, 2}}, 5, {3}},                // the 2's piece is wider than the strip
      {{{1, 2, 1}, {1, 2, 1}, {5, 4, 9}}, 4, {1, 5}},  // equal heights enter together
      {{{3, 4, 2}, {3, 1, 1}, {4, 1, 0.5}}, 5, {3}},   // the 4 is worth nothing more
      {{}, 10, {}},
  };
  for (const Case& c : cases) {
    StripValueTable table;
    table.Fill(c.items, c.width);
    EXPECT_EQ(table.DensestHeights(c.width * 10, c.items.size()), c.kept);
    for (int height : c.kept)
      EXPECT_DOUBLE_EQ(table.Value(height), BestStrip(c.items, c.width, height));
  }
}

// Of the heights within the room, the most valuable per height are chosen, the lower one of
// equals first, and the answer rises.
TEST(StripValueTable, PicksTheDensestHeightsWithinTheRoom) {
  StripValueTable table;
  table.Fill({{2, 1, 2}, {4, 1, 4}, {5, 1, 7}, {8, 1, 8}}, 1);
  struct Case {
    int room;
    size_t most;
    std::vector<int> heights;
  };
  const Case cases[] = {
      {8, 1, {5}},           // 7/5 leads the others' 1
      {8, 2, {2, 5}},        // 2, 4 and 8 are worth 1 each: the lowest
      {4, 1, {2}},           // the 5 is out of the room
      {1, 3, {}},            // no height within it
      {8, 9, {2, 4, 5, 8}},  // all, when no more are asked for
  };
  for (const Case& c : cases) EXPECT_EQ(table.DensestHeights(c.room, c.most), c.heights);
}

}  // namespace
}  // namespace lumora::deep
