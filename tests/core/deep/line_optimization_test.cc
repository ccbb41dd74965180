#include "core/deep/line_optimization.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/engine2d/challenge_solution.h"
#include "core/engine2d/cutting_tree_validator.h"

namespace lumora {
namespace {

LineProblem Problem(int32_t width, int32_t height, std::vector<LinePiece> pieces) {
  LineProblem problem;
  problem.rules.min_strip_width = 50;
  problem.rules.max_strip_width = 1000;
  problem.rules.min_row_height = 50;
  problem.rules.min_waste = 20;
  problem.sheets.assign(3, LineSheet{width, height, {}});
  problem.pieces = std::move(pieces);
  return problem;
}

// A fixed budget, so the plan is the same on every run.
LineResult Plan(const LineProblem& problem) {
  LineSettings settings;
  settings.budget = 20000;
  const LineResult result = OptimizeCuttingLine(problem, settings);
  EXPECT_TRUE(result.tree);
  if (result.tree) {
    EXPECT_THAT(ValidateCuttingTree(problem, *result.tree), ::testing::IsEmpty());
    EXPECT_EQ(TreeWaste(problem, *result.tree), result.waste);
  }
  EXPECT_THAT(result.refusals, ::testing::IsEmpty());
  return result;
}

// Strips 200 wide of three rows 100 high, of two rows 150 high and of one piece fill the first
// sheet exactly, and a piece that stands the height of the second sheet only turned leaves it as
// a leftover: nothing is wasted, whichever way the first cut runs, and a second run with the same
// budget plans the same tree.
TEST(LineOptimization, FindsAPlanWithoutWasteWhereOneExists) {
  std::vector<LinePiece> pieces;
  for (int i = 0; i < 3; ++i) pieces.push_back({i, 100, 200});
  for (int i = 3; i < 5; ++i) pieces.push_back({i, 200, 150});
  pieces.push_back({5, 300, 200});
  pieces.push_back({6, 300, 100});
  for (FirstCut first_cut : {FirstCut::kVertical, FirstCut::kHorizontal}) {
    LineProblem problem = Problem(600, 300, pieces);
    if (first_cut == FirstCut::kHorizontal) problem = Transposed(problem);
    ASSERT_EQ(problem.rules.first_cut, first_cut);
    const LineResult result = Plan(problem);
    EXPECT_EQ(result.waste, 0);
    ASSERT_TRUE(result.tree);
    EXPECT_EQ(WriteChallengeSolution(problem, *Plan(problem).tree),
              WriteChallengeSolution(problem, *result.tree));
  }
}

// A strip as wide as the widest the table cuts is cut. The glass beside it is a leftover when the
// sheets are cut in order; otherwise no sheet is known to be the last, and it is cut off as waste
// strips no wider than the table cuts.
TEST(LineOptimization, CutsAStripOfTheWidestWidth) {
  struct Case {
    int32_t sheet_width;
    bool in_order;
    int64_t waste;
  };
  for (const Case& c :
       {Case{1200, true, 0}, Case{1200, false, 200 * 100}, Case{2500, false, 1500 * 100}}) {
    LineProblem problem = Problem(c.sheet_width, 100, {{1, 1000, 100, false}});
    problem.rules.sheets_in_order = c.in_order;
    SCOPED_TRACE(c.sheet_width);
    EXPECT_EQ(Plan(problem).waste, c.waste);
  }
}

// The piece fills the sheet's height and may not turn: the only plans move it right of the flaw
// with waste at least 20 wide before it.
TEST(LineOptimization, KeepsPiecesAndCutsOffFlaws) {
  LineProblem problem = Problem(300, 100, {{1, 200, 100, false}});
  problem.sheets[0].flaws = {{50, 50, 2, 2}};
  const LineResult result = Plan(problem);
  EXPECT_EQ(result.waste, 53 * 100);
}

// Too long for any sheet unless turned, or wider than the widest strip the table cuts: there is
// no plan while one piece cannot be cut at all. A piece as wide as the sheet still fits.
TEST(LineOptimization, NamesPiecesNoSheetCanHold) {
  struct Case {
    int32_t sheet_width;
    std::vector<LinePiece> pieces;
    std::vector<int32_t> unplaceable;
  };
  const Case cases[] = {
      {300, {{5, 400, 50, false}, {6, 50, 150, true}, {9, 300, 50, false}}, {5}},
      {1200, {{7, 1000, 50, false}, {8, 1001, 50, false}}, {8}},
  };
  for (const Case& c : cases) {
    const LineResult result = OptimizeCuttingLine(Problem(c.sheet_width, 100, c.pieces), {});
    EXPECT_EQ(result.unplaceable, c.unplaceable);
    EXPECT_FALSE(result.tree);
  }
}

// Free, the pieces tile a strip 300 wide exactly; a stack that wants the tall piece between the
// two low ones cannot be cut so, and the plan pays for the order it keeps.
TEST(LineOptimization, KeepsAStacksOrderAtItsCost) {
  const std::vector<LinePiece> pieces = {
      {1, 100, 100, false}, {2, 200, 50, false}, {3, 200, 50, false}};
  EXPECT_EQ(Plan(Problem(1000, 100, pieces)).waste, 0);
  std::vector<LinePiece> stacked = pieces;
  stacked[1].stack = stacked[0].stack = stacked[2].stack = 0;
  stacked[1].sequence = 1;
  stacked[0].sequence = 2;
  stacked[2].sequence = 3;
  EXPECT_GT(Plan(Problem(1000, 100, stacked)).waste, 0);
}

}  // namespace
}  // namespace lumora
