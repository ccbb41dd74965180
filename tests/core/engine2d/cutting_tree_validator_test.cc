#include "core/engine2d/cutting_tree_validator.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace lumora {
namespace {

LineProblem SmallProblem() {
  LineProblem problem;
  problem.rules.min_strip_width = 100;
  problem.rules.max_strip_width = 600;
  problem.rules.min_row_height = 50;
  problem.rules.min_waste = 20;
  problem.sheets = {{1000, 500, {{900, 400, 5, 5}}}, {1000, 500, {}}};
  problem.pieces = {{7, 300, 200, true, 1, 1}, {8, 150, 300, true, 1, 2}, {9, 200, 100, false}};
  return problem;
}

// One strip of two rows and a waste row on the first sheet, the rest a leftover:
// pieces 7 and 9 (trimmed) in the first row, 8 turned in the second.
CuttingTree SmallTree() {
  CuttingTree tree;
  const auto add = [&](int parent, int x, int y, int w, int h, CutNodeType type, int piece = -1) {
    CutNode node{0,      x, y, w, h, type, piece, parent < 0 ? 0 : tree.nodes[parent].depth + 1,
                 parent, {}};
    tree.nodes.push_back(node);
    const int index = static_cast<int>(tree.nodes.size()) - 1;
    if (parent >= 0) tree.nodes[parent].children.push_back(index);
    return index;
  };
  const int sheet = add(-1, 0, 0, 1000, 500, CutNodeType::kBranch);
  const int strip = add(sheet, 0, 0, 500, 500, CutNodeType::kBranch);
  const int first_row = add(strip, 0, 0, 500, 200, CutNodeType::kBranch);
  add(first_row, 0, 0, 300, 200, CutNodeType::kPiece, 0);
  const int trimmed = add(first_row, 300, 0, 200, 200, CutNodeType::kBranch);
  add(trimmed, 300, 0, 200, 100, CutNodeType::kPiece, 2);
  add(trimmed, 300, 100, 200, 100, CutNodeType::kWaste);
  const int second_row = add(strip, 0, 200, 500, 150, CutNodeType::kBranch);
  add(second_row, 0, 200, 300, 150, CutNodeType::kPiece, 1);
  add(second_row, 300, 200, 200, 150, CutNodeType::kWaste);
  add(strip, 0, 350, 500, 150, CutNodeType::kWaste);
  add(sheet, 500, 0, 500, 500, CutNodeType::kLeftover);
  return tree;
}

TEST(CuttingTreeValidator, CatchesEachRuleBrokenOnceAndNamesTheCulprit) {
  struct RuleCase {
    const char* broken;
    std::function<void(LineProblem&, CuttingTree&)> breaks;
    LineRule rule;
    const char* named;
  };
  const RuleCase cases[] = {
      {"a part not tiling its row", [](LineProblem&, CuttingTree& t) { t.nodes[3].w = 290; },
       LineRule::kTreeShape, "X 300 Y 0"},
      {"a sheet not cut whole",
       [](LineProblem&, CuttingTree& t) {
         t.nodes[0].w = 900;
         t.nodes.back().w = 400;
       },
       LineRule::kTreeShape, "(900 x 500) is not the whole sheet"},
      {"a trim on a three-stage line",
       [](LineProblem& p, CuttingTree&) { p.rules.stages = LineStages::kThree; }, LineRule::kStages,
       "X 300 Y 0"},
      {"a strip too wide", [](LineProblem& p, CuttingTree&) { p.rules.max_strip_width = 400; },
       LineRule::kStripWidth, "500 wide"},
      {"a row too low", [](LineProblem& p, CuttingTree&) { p.rules.min_row_height = 160; },
       LineRule::kRowHeight, "150 high"},
      {"waste too narrow", [](LineProblem& p, CuttingTree&) { p.rules.min_waste = 120; },
       LineRule::kWasteSize, "X 300 Y 100"},
      {"a flaw in a piece",
       [](LineProblem& p, CuttingTree&) {
         p.sheets[0].flaws.push_back({10, 10, 2, 2});
       },
       LineRule::kFlawInPiece, "Piece 7"},
      {"a flaw under a first cut",
       [](LineProblem& p, CuttingTree&) {
         p.sheets[0].flaws.push_back({499, 450, 2, 2});
       },
       LineRule::kFlawUnderCut, "at X 500"},
      {"a stack out of order", [](LineProblem& p, CuttingTree&) { p.pieces[0].sequence = 3; },
       LineRule::kStackOrder, "Piece 7"},
      {"the second sheet cut first",
       [](LineProblem&, CuttingTree& t) {
         for (CutNode& node : t.nodes) node.sheet = 1;
       },
       LineRule::kSheetOrder, "sheet 2"},
      {"a piece never cut",
       [](LineProblem& p, CuttingTree&) {
         p.pieces.push_back({10, 50, 50});
       },
       LineRule::kPieceCount, "Piece 10"},
      {"a piece cut turned that may not turn",
       [](LineProblem& p, CuttingTree&) { p.pieces[2].width = 100, p.pieces[2].height = 200; },
       LineRule::kPieceCount, "Piece 9"},
      {"a leftover with sheets in any order",
       [](LineProblem& p, CuttingTree&) { p.rules.sheets_in_order = false; }, LineRule::kLeftover,
       "X 500 Y 0"},
  };
  EXPECT_THAT(ValidateCuttingTree(SmallProblem(), SmallTree()), ::testing::IsEmpty());
  for (const RuleCase& c : cases) {
    SCOPED_TRACE(c.broken);
    LineProblem problem = SmallProblem();
    CuttingTree tree = SmallTree();
    c.breaks(problem, tree);
    bool caught = false;
    for (const LineFinding& finding : ValidateCuttingTree(problem, tree)) {
      caught =
          caught || (finding.rule == c.rule && finding.text.find(c.named) != std::string::npos);
    }
    EXPECT_TRUE(caught);
  }
}

}  // namespace
}  // namespace lumora
