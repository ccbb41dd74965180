#ifndef LUMORA_CORE_ENGINE2D_CUTTING_TREE_H_
#define LUMORA_CORE_ENGINE2D_CUTTING_TREE_H_

#include <cstdint>
#include <vector>

#include "core/engine2d/cutting_line.h"

// A cutting plan as the table makes it: each sheet is parted by the first cuts into strips, each
// strip by the second cuts into rows, and so on, every node a rectangle of its sheet.
namespace lumora {

enum class CutNodeType {
  kPiece,
  kWaste,
  kBranch,    // cut further
  kLeftover,  // right of the last first cut of the last sheet, back to stock
};

struct CutNode {
  int32_t sheet = 0;  // index into LineProblem::sheets
  int32_t x = 0;
  int32_t y = 0;
  int32_t w = 0;
  int32_t h = 0;
  CutNodeType type = CutNodeType::kWaste;
  int32_t piece = -1;  // index into LineProblem::pieces for a piece
  int32_t depth = 0;   // 0 a sheet, 1 a strip, 2 a row, 3 a part of a row, 4 a trimmed part
  int32_t parent = -1;
  std::vector<int32_t> children;  // in cutting order
};

// The sheets are the nodes of depth 0, cut in the order they appear in `nodes`.
struct CuttingTree {
  std::vector<CutNode> nodes;
};

// The roots in cutting order.
std::vector<int32_t> TreeSheets(const CuttingTree& tree);

// The nodes as the table comes to them: sheet by sheet, each node before its children and
// they in order; a node a malformed tree reaches twice, or an index outside it, is left out.
std::vector<int32_t> NodesInCuttingOrder(const CuttingTree& tree);
// The piece indices as they leave the table: sheet by sheet, each node's children in order.
std::vector<int32_t> CuttingOrder(const CuttingTree& tree);

// Whether the children of a node of this depth lie side by side along X.
bool SplitsAlongX(FirstCut first_cut, int32_t depth);

// The used sheets' area less the leftover and the pieces, in square units.
int64_t TreeWaste(const LineProblem& problem, const CuttingTree& tree);

// The tree with X and Y exchanged in every node, for a tree planned on Transposed(problem).
CuttingTree Transposed(const CuttingTree& tree);

}  // namespace lumora

#endif  // LUMORA_CORE_ENGINE2D_CUTTING_TREE_H_
