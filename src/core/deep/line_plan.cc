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
struct Spec {
  int32_t x = 0;
  int32_t y = 0;
  int32_t w = 0;
  int32_t h = 0;
  CutNodeType type = CutNodeType::kBranch;
  int32_t piece = -1;
  std::vector<Spec> children;
};

Spec Leaf(int32_t x, int32_t y, int32_t w, int32_t h, CutNodeType type, int32_t piece = -1) {
  return {x, y, w, h, type, piece, {}};
}

Spec RowSpec(const PlanRow& row, int32_t left, int32_t right) {
  Spec spec{left, row.bottom, right - left, row.top - row.bottom, CutNodeType::kBranch, -1, {}};
  const int32_t height = row.top - row.bottom;
  int32_t end = left;
  for (const RowPart& part : row.parts) {
    end = part.x + part.w;
    if (part.top < 0) {
      spec.children.push_back(Leaf(part.x, row.bottom, part.w, height, CutNodeType::kWaste));
      continue;
    }
    if (part.low == row.bottom && part.top == row.top) {
      spec.children.push_back(
          Leaf(part.x, row.bottom, part.w, height, CutNodeType::kPiece, part.piece));
      continue;
    }
    Spec trimmed{part.x, row.bottom, part.w, height, CutNodeType::kBranch, -1, {}};
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
    spec.children.push_back(std::move(trimmed));
  }
  if (end < right) {
    spec.children.push_back(Leaf(end, row.bottom, right - end, height, CutNodeType::kWaste));
  }
  return spec;
}

Spec SheetSpec(const LineGeometry& geometry, const PlanSheet& plan, bool last) {
  const int32_t width = geometry.Width(plan.sheet);
  const int32_t height = geometry.Height(plan.sheet);
  Spec spec{0, 0, width, height, CutNodeType::kBranch, -1, {}};
  int32_t right = 0;
  for (const PlanStrip& strip : plan.strips) {
    Spec strip_spec{strip.left, 0, strip.right - strip.left, height, CutNodeType::kBranch, -1, {}};
    int32_t top = 0;
    for (const PlanRow& row : strip.rows) {
      strip_spec.children.push_back(RowSpec(row, strip.left, strip.right));
      top = row.top;
    }
    if (top < height) {
      strip_spec.children.push_back(
          Leaf(strip.left, top, strip.right - strip.left, height - top, CutNodeType::kWaste));
    }
    spec.children.push_back(std::move(strip_spec));
    right = strip.right;
  }
  if (last) {
    if (right < width) {
      spec.children.push_back(Leaf(right, 0, width - right, height, CutNodeType::kLeftover));
    }
    return spec;
  }
  std::vector<int32_t> edges = plan.waste_cuts;
  edges.push_back(width);
  for (int32_t edge : edges) {
    if (edge > right)
      spec.children.push_back(Leaf(right, 0, edge - right, height, CutNodeType::kWaste));
    right = edge;
  }
  return spec;
}

// A part cut off as one piece of its parent's whole size needs no cut: the parent is the part.
void Emit(const Spec& spec, int32_t sheet, int32_t depth, int32_t parent, CuttingTree& tree) {
  const Spec* own = &spec;
  if (depth > 0 && spec.children.size() == 1 && spec.children[0].type != CutNodeType::kBranch) {
    own = &spec.children[0];
  }
  const int32_t index = static_cast<int32_t>(tree.nodes.size());
  CutNode node;
  node.sheet = sheet;
  node.x = spec.x;
  node.y = spec.y;
  node.w = spec.w;
  node.h = spec.h;
  node.type = own->type;
  node.piece = own->piece;
  node.depth = depth;
  node.parent = parent;
  tree.nodes.push_back(node);
  if (parent >= 0) tree.nodes[parent].children.push_back(index);
  for (const Spec& child : own->children) Emit(child, sheet, depth + 1, index, tree);
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
  const std::optional<LineStripEnd> end = fronts.Finish(state);
  if (!end) return std::nullopt;
  close(end->top, &*end);
  CuttingTree tree;
  for (size_t i = 0; i < sheets.size(); ++i) {
    Emit(SheetSpec(geometry, sheets[i], i + 1 == sheets.size()), sheets[i].sheet, 0, -1, tree);
  }
  return tree;
}

}  // namespace lumora
