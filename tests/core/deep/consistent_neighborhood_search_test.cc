#include "core/deep/consistent_neighborhood_search.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

#include "support/full_width_plans.h"

namespace lumora::deep {
namespace {

TEST(ConsistentNeighborhoodSearch, FindsAPlanOfASheetFewerWherePiecesCanMove) {
  struct Case {
    std::vector<int> heights;
    std::vector<std::vector<int>> sheets;
    std::vector<int> repeats;
    bool started;
    bool found;
  };
  // The first needs a trade: the half-sheet piece goes in for the 4 that then joins the 6.
  for (const Case& c : {Case{{5, 5, 4, 6}, {{0, 2}, {1}, {3}}, {1, 1, 1}, true, true},
                        Case{{8, 7}, {{0}, {1}}, {1, 1}, true, false},
                        Case{{8, 7, 6}, {{0}, {1}, {2}}, {3, 1, 1}, false, false}}) {
    const DeepProblem problem = FullWidthPieces(c.heights);
    Plan plan;
    int sheets = 0;
    for (size_t s = 0; s < c.sheets.size(); ++s) {
      plan.layouts.push_back(FullWidthSheet(problem, c.sheets[s], c.repeats[s]));
      sheets += c.repeats[s];
    }
    Construction construction(problem, PatternLimits{});
    ChainRandom random(1);
    const std::atomic<bool> stop = false;
    ConsistentNeighborhoodSearch search;
    ASSERT_EQ(search.Start(plan, problem, construction, 200), c.started);
    EXPECT_EQ(search.Continue(1000, problem, construction.generator(), random, stop), c.found);
    EXPECT_FALSE(search.HasMovesLeft());
    if (!c.found) continue;
    std::vector<int> placed(c.heights.size(), 0);
    for (const PlannedLayout& layout : search.Result().layouts) {
      --sheets;
      for (const PlacedPiece& piece : layout.pattern.pieces) ++placed[size_t(piece.piece)];
    }
    EXPECT_EQ(sheets, 1);
    EXPECT_EQ(placed, std::vector<int>(c.heights.size(), 1));
  }
}

}  // namespace
}  // namespace lumora::deep
