#include "core/deep/construction.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

#include "support/full_width_plans.h"

namespace lumora::deep {
namespace {

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
      {{FullWidthStock(0, 10), FullWidthStock(1, 20)}, false, 1},
      {{FullWidthStock(0, 20), FullWidthStock(1, 10)}, false, 0},
      {{FullWidthStock(0, 20), FullWidthStock(1, 20, true), FullWidthStock(2, 10, true)}, true, 2},
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

// Under "Use leftovers first" a plan pays for the leftovers it leaves unused, and for each that a
// piece on a new sheet would fit, as much again as the largest sheet: the search puts it to use.
TEST(Construction, APlanPaysForTheLeftoversItLeavesIdle) {
  DeepProblem problem = FullWidthPieces({7, 3});
  StockSize leftover = FullWidthStock(1, 5, true);
  leftover.quantity = 1;
  problem.stocks.push_back(leftover);
  problem.charge_unused_leftovers = true;
  const Construction construction(problem, PatternLimits{});
  Plan on_one_sheet;
  on_one_sheet.layouts = {FullWidthSheet(problem, {0, 1})};
  Plan on_the_leftover;
  on_the_leftover.layouts = {FullWidthSheet(problem, {0}), FullWidthSheet(problem, {1})};
  on_the_leftover.layouts[1].pattern.stock = 1;
  EXPECT_DOUBLE_EQ(construction.PlanCost(on_one_sheet), 100 + 50 + 100);
  EXPECT_DOUBLE_EQ(construction.PlanCost(on_the_leftover), 100 + 50 * kLeftoverCostShare);
}

}  // namespace
}  // namespace lumora::deep
