#include "core/deep/sheet_emptying.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/deep/plan_edits.h"
#include "support/full_width_plans.h"

namespace lumora::deep {
namespace {

// The emptiest sheet gives its pieces to others that can take them; a sheet that keeps some of
// them still counts as a step when it holds less than before, since the plan is then nearer to
// sparing it.
TEST(SheetEmptying, MovesPiecesOutOfTheEmptiestSheet) {
  struct Case {
    std::vector<int> heights;
    std::vector<std::vector<int>> sheets;
    bool moved;
  };
  // The 3 and the 2 of the emptiest sheet fit beside the 7 and the 8; no sheet has room for the
  // other 6.
  for (const Case& c :
       {Case{{7, 8, 3, 2}, {{0}, {1}, {2, 3}}, true}, Case{{6, 6}, {{0}, {1}}, false}}) {
    const DeepProblem problem = FullWidthPieces(c.heights);
    Plan plan;
    for (const std::vector<int>& sheet : c.sheets) {
      plan.layouts.push_back(FullWidthSheet(problem, sheet));
    }
    Construction construction(problem, PatternLimits{});
    const PlanRank before = RankOf(plan, problem, construction);
    EXPECT_EQ(EmptyWorstSheet(plan, problem, construction, construction.generator()), c.moved);
    EXPECT_EQ(RanksBefore(RankOf(plan, problem, construction), before), c.moved);
    EXPECT_LE(plan.layouts.size(), c.sheets.size());
    std::vector<int> placed(c.heights.size(), 0);
    for (const PlannedLayout& layout : plan.layouts) {
      for (const PlacedPiece& piece : layout.pattern.pieces) ++placed[size_t(piece.piece)];
    }
    EXPECT_EQ(placed, std::vector<int>(c.heights.size(), 1));
  }
}

}  // namespace
}  // namespace lumora::deep
