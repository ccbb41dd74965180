#include "core/deep/deep_candidate.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/engine2d/engine_builders.h"

namespace lumora::deep {
namespace {

using testing::Element;
using testing::Glass;
using testing::ListOf;
using testing::Stock;

// The best candidate the check passes, the earlier on a tie; a candidate the check refuses is
// counted, never chosen. Under "Minimum Layouts" the fewest layouts within 1% of the least stock.
// Fewer idle leftovers come before either.
TEST(ChooseResult, TakesTheBestThatPassesAndCountsTheRejected) {
  struct Offered {
    double cost;
    int layouts;
    bool passes;
    int idle_leftovers = 0;
  };
  struct Case {
    std::vector<Offered> offered;
    Objective objective;
    int chosen;  // -1 for none
    int rejected;
  };
  const Case cases[] = {
      {{{100, 5, true}, {90, 6, true}, {90, 6, true}}, Objective::kMaximumYield, 1, 0},
      {{{100, 5, true}, {80, 4, false}}, Objective::kMaximumYield, 0, 1},
      {{{80, 4, false}, {90, 9, false}}, Objective::kMaximumYield, -1, 2},
      {{{100, 3, true}, {100.5, 2, true}, {90, 6, true}}, Objective::kMinimumLayouts, 2, 0},
      {{{90.5, 3, true}, {90, 6, true}}, Objective::kMinimumLayouts, 0, 0},
      {{{90, 3, true, 1}, {120, 6, true, 0}}, Objective::kMaximumYield, 1, 0},
      {{{90, 3, true, 2}, {120, 6, true, 1}}, Objective::kMinimumLayouts, 1, 0},
  };
  for (const Case& c : cases) {
    std::vector<Candidate> candidates(c.offered.size());
    std::vector<const Candidate*> pointers;
    for (size_t i = 0; i < c.offered.size(); ++i) {
      candidates[i].key = {c.offered[i].cost, c.offered[i].layouts, 0, c.offered[i].idle_leftovers};
      candidates[i].valid = true;
      pointers.push_back(&candidates[i]);
    }
    const ChosenResult result = ChooseResult(pointers, c.objective, [&](const Candidate& offered) {
      return c.offered[static_cast<size_t>(&offered - candidates.data())].passes;
    });
    EXPECT_EQ(result.chosen ? result.chosen - candidates.data() : -1, c.chosen);
    EXPECT_EQ(result.rejected, c.rejected);
  }
}

// A sheet of 2000 x 1000 and two leftovers of 1000 x 500. "Use leftovers first" makes a
// leftover's area cost a thousandth of a new sheet's and charges every leftover left in the rack
// at its whole area, so that each leftover a result takes makes it cheaper; a leftover left in
// the rack while its piece is cut from a new sheet is idle.
TEST(KeyOf, LeftoversFirstChargesTheLeftoversLeftUnused) {
  struct Case {
    bool leftovers_first;
    float sheets, leftovers;  // taken by the result
    double cost;
    int idle = 0;  // with the piece on the new sheet
  };
  const Case cases[] = {
      {false, 1, 0, 2e6},        {false, 1, 1, 2.5e6},  {false, 0, 2, 1e6}, {true, 1, 0, 3e6, 2},
      {true, 1, 1, 2.5005e6, 1}, {true, 1, 2, 2.001e6}, {true, 0, 2, 1e3},
  };
  const StockList stocks = ListOf<StockRecord>({Stock(1000, 2000, 5), Stock(500, 1000, 2)});
  const GlassList glasses = ListOf<GlassRecord>({Glass(100, 100, 1)});
  for (const Case& c : cases) {
    const DeepProblem problem =
        MakeDeepProblem(stocks, glasses, false, {c.leftovers_first, {{1000, 500}}});
    ElementList elements;
    if (c.sheets > 0) elements.Append(Element(kStockFrame, 0, 0, 2000, 1000, 1, c.sheets, 1));
    if (c.leftovers > 0) {
      elements.Append(Element(kStockFrame, 0, 0, 1000, 500, 2, c.leftovers, 2));
    }
    elements.Append(Element(1, 0, 0, 100, 100, c.sheets > 0 ? 1 : 2, 1));
    const ResultKey key = KeyOf(elements, problem);
    EXPECT_DOUBLE_EQ(key.cost, c.cost)
        << c.leftovers_first << " " << c.sheets << " " << c.leftovers;
    EXPECT_EQ(key.idle_leftovers, c.idle) << c.leftovers_first << " " << c.sheets;
    EXPECT_EQ(key.layouts, c.leftovers > 0 ? 2 : 1);
  }
}

}  // namespace
}  // namespace lumora::deep
