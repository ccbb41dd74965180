#include "core/deep/deep_candidate.h"

#include <gtest/gtest.h>

#include <vector>

namespace lumora::deep {
namespace {

// The best candidate the check passes, the earlier on a tie; a candidate the check refuses is
// counted, never chosen. Under "Minimum Layouts" the fewest layouts within 1% of the least stock.
TEST(ChooseResult, TakesTheBestThatPassesAndCountsTheRejected) {
  struct Offered {
    double cost;
    int layouts;
    bool passes;
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
  };
  for (const Case& c : cases) {
    std::vector<Candidate> candidates(c.offered.size());
    std::vector<const Candidate*> pointers;
    for (size_t i = 0; i < c.offered.size(); ++i) {
      candidates[i].key = {c.offered[i].cost, c.offered[i].layouts, 0};
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

}  // namespace
}  // namespace lumora::deep
