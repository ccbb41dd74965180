#include "core/deep/line_plan.h"

#include <utility>

namespace lumora {
namespace {

struct PlanRow {
  int32_t bottom = 0;
  int32_t top = 0;
  std::vector<RowPart> parts;
};

struct PlanStrip {
  int32_t left = 0;
  int32_t right = 0;
  std::vector<PlanRow> rows;
};

struct PlanSheet {
  int32_t sheet = 0;
  std::vector<PlanStrip> strips;
  std::vector<int32_t> waste_cuts;
};

// A node before it has an index: a rectangle and its parts.
struct NodeShape {
  int32_t x = 0;
  int32_t y = 0;
  int32_t w = 0;
  int32_t h = 0;
  CutNodeType type = CutNodeType::kBranch;
  int32_t piece = -1;
  std::vector<NodeShape> children;
};

NodeShape Leaf(int32_t x, int32_t y, int32_t w, int32_t h, CutNodeType type, int32_t piece = -1) {
  return {x, y, w, h, type, piece, {}};
}

NodeShape RowShape(const PlanRow& row, int32_t left, int32_t right) {
  NodeShape shape{left, row.bottom, right - left, row.top - row.bottom, CutNodeType::kBranch,
                  -1,   {}};
  const int32_t height = row.top - row.bottom;
  int32_t end = left;
  for (const RowPart& part : row.parts) {
    end = part.x + part.w;
    if (part.top < 0) {
      shape.children.push_back(Leaf(part.x, row.bottom, part.w, height, CutNodeType::kWaste));
      continue;
    }
    if (part.low == row.bottom && part.top == row.top) {
      shape.children.push_back(
          Leaf(part.x, row.bottom, part.w, height, CutNodeType::kPiece, part.piece));
      continue;
    }
    NodeShape trimmed{part.x, row.bottom, part.w, height, CutNodeType::kBranch, -1, {}};
    if (part.low > row.bottom) {
      trimmed.children.push_back(
          Leaf(part.x, row.bottom, part.w, part.low - row.bottom, CutNodeType::kWaste));
    }
    trimmed.children.push_back(
        Leaf(part.x, part.low, part.w, part.top - part.low, CutNodeType::kPiece, part.piece));
    if (part.top < row.top) {
      trimmed.children.push_back(
          Leaf(part.x, part.top, part.w, row.top - part.top, CutNodeType::kWaste));
    }
    shape.children.push_back(std::move(trimmed));
  }
  if (end < right) {
    shape.children.push_back(Leaf(end, row.bottom, right - end, height, CutNodeType::kWaste));
  }
  return shape;
}

// With `leftover`, the glass right of the last strip goes back to stock whole.
NodeShape SheetShape(const LineGeometry& geometry, const PlanSheet& plan, bool leftover) {
  const int32_t width = geometry.Width(plan.sheet);
  const int32_t height = geometry.Height(plan.sheet);
  NodeShape shape{0, 0, width, height, CutNodeType::kBranch, -1, {}};
  int32_t right = 0;
  for (const PlanStrip& strip : plan.strips) {
    NodeShape strip_shape{strip.left, 0, strip.right - strip.left, height, CutNodeType::kBranch,
                          -1,         {}};
    int32_t top = 0;
    for (const PlanRow& row : strip.rows) {
      strip_shape.children.push_back(RowShape(row, strip.left, strip.right));
      top = row.top;
    }
    if (top < height) {
      strip_shape.children.push_back(
          Leaf(strip.left, top, strip.right - strip.left, height - top, CutNodeType::kWaste));
    }
    shape.children.push_back(std::move(strip_shape));
    right = strip.right;
  }
  if (leftover) {
    if (right < width) {
      shape.children.push_back(Leaf(right, 0, width - right, height, CutNodeType::kLeftover));
    }
    return shape;
  }
  std::vector<int32_t> edges = plan.waste_cuts;
  edges.push_back(width);
  for (int32_t edge : edges) {
    if (edge > right)
      shape.children.push_back(Leaf(right, 0, edge - right, height, CutNodeType::kWaste));
    right = edge;
  }
  return shape;
}

// A part cut off as one piece of its parent's whole size needs no cut: the parent is the part.
void Emit(const NodeShape& shape, int32_t sheet, int32_t depth, int32_t parent, CuttingTree& tree) {
  const NodeShape* own = &shape;
  if (depth > 0 && shape.children.size() == 1 && shape.children[0].type != CutNodeType::kBranch) {
    own = &shape.children[0];
  }
  const int32_t index = static_cast<int32_t>(tree.nodes.size());
  CutNode node;
  node.sheet = sheet;
  node.x = shape.x;
  node.y = shape.y;
  node.w = shape.w;
  node.h = shape.h;
  node.type = own->type;
  node.piece = own->piece;
  node.depth = depth;
  node.parent = parent;
  tree.nodes.push_back(node);
  if (parent >= 0) tree.nodes[parent].children.push_back(index);
  for (const NodeShape& child : own->children) Emit(child, sheet, depth + 1, index, tree);
}

}  // namespace

std::optional<CuttingTree> BuildCuttingTree(const LineGeometry& geometry, const LineFronts& fronts,
                                            const std::vector<LineMove>& moves) {
  std::vector<PlanSheet> sheets;
  LineState state;
  const auto close = [&](int32_t row_top, const LineStripEnd* strip) {
    sheets.back().strips.back().rows.push_back({state.front.y2_prev, row_top, state.parts});
    if (strip != nullptr) sheets.back().strips.back().right = strip->right;
  };
  for (const LineMove& move : moves) {
    const LineClosings closings = fronts.Closings(state, move.level == InsertLevel::kNewSheet);
    LineState child;
    if (!fronts.Apply(state, closings, move, &child)) return std::nullopt;
    if (move.level == InsertLevel::kNewRow) close(child.front.y2_prev, nullptr);
    if (move.level == InsertLevel::kNewStrip) close(closings.strip->top, &*closings.strip);
    if (move.level == InsertLevel::kNewSheet && state.front.sheet >= 0) {
      close(closings.sheet->top, &*closings.sheet);
      sheets.back().waste_cuts = closings.waste_cuts;
    }
    if (move.level == InsertLevel::kNewSheet) sheets.push_back({child.front.sheet, {}, {}});
    if (move.level == InsertLevel::kNewSheet || move.level == InsertLevel::kNewStrip) {
      sheets.back().strips.push_back({child.front.x1_prev, child.front.x1_curr, {}});
    }
    state = std::move(child);
  }
  if (sheets.empty()) return CuttingTree{};
  const std::optional<LineStripEnd> end = fronts.Finish(state, &sheets.back().waste_cuts);
  if (!end) return std::nullopt;
  close(end->top, &*end);
  CuttingTree tree;
  for (size_t i = 0; i < sheets.size(); ++i) {
    const bool leftover = i + 1 == sheets.size() && KeepsLastLeftover(geometry.rules());
    Emit(SheetShape(geometry, sheets[i], leftover), sheets[i].sheet, 0, -1, tree);
  }
  return tree;
}

}  // namespace lumora
