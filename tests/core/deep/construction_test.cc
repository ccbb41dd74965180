#include "core/deep/construction.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

#include "core/deep/sequential_value_correction.h"
#include "support/full_width_plans.h"

namespace lumora::deep {
namespace {

// A stock of 10 units wide and `height` high, one unit a millimetre.
StockSize TenWide(int index, int height, bool leftover = false) {
  StockSize stock{index, 10, height, 99, 10.0 * height, 10, 0};
  stock.leftover = leftover;
  if (leftover) stock.cost_share = kLeftoverCostShare;
  return stock;
}

// Pieces of 7, 7 and 6 fill a sheet 20 high exactly and one 10 high only to 70%. A step takes the
// stock that gives the most value per cost, wherever it stands in the list; under "Use leftovers
// first" a leftover comes first, the smallest first, however much better a larger one is filled.
TEST(Construction, TakesTheStockOfMostValuePerCost) {
  struct Case {
    std::vector<StockSize> stocks;
    bool leftovers_first;
    int first_stock;  // of the plan's first layout
  };
  const Case cases[] = {
      {{TenWide(0, 10), TenWide(1, 20)}, false, 1},
      {{TenWide(0, 20), TenWide(1, 10)}, false, 0},
      {{TenWide(0, 20), TenWide(1, 20, true), TenWide(2, 10, true)}, true, 2},
  };
  const std::atomic<bool> stop = false;
  for (const Case& c : cases) {
    DeepProblem problem = FullWidthPieces({7, 7, 6});
    problem.stocks = c.stocks;
    problem.charge_unused_leftovers = c.leftovers_first;
    Construction construction(problem, PatternLimits{});
    std::vector<double> values;
    for (const PieceSize& piece : problem.pieces) values.push_back(piece.area);
    const Plan plan = construction.Build(values, stop);
    ASSERT_TRUE(plan.complete);
    EXPECT_EQ(plan.layouts.front().pattern.stock, c.first_stock) << &c - cases;
  }
}

// The 9 on a sheet of 10 costs 10/9 of its area, the 5 alone on one twice its area, which counts
// as the most, one and a half; a correction moves each value that share of the way.
TEST(SequentialValueCorrection, MovesValuesTowardsTheStockTheyCost) {
  struct Case {
    double rate;
    std::vector<double> values;
  };
  const DeepProblem problem = FullWidthPieces({9, 5});
  Plan plan;
  plan.layouts = {FullWidthSheet(problem, {0}), FullWidthSheet(problem, {1})};
  Construction construction(problem, PatternLimits{});
  for (const Case& c : {Case{1, {100, 75}}, Case{0.5, {95, 62.5}}}) {
    SequentialValueCorrection correction(problem, c.rate, 0);
    correction.Correct(construction, plan);
    ASSERT_EQ(correction.values().size(), c.values.size());
    for (size_t p = 0; p < c.values.size(); ++p) {
      EXPECT_DOUBLE_EQ(correction.values()[p], c.values[p]) << c.rate << " " << p;
    }
  }
}

}  // namespace
}  // namespace lumora::deep
