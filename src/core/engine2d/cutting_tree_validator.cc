#include "core/engine2d/cutting_tree_validator.h"

#include <limits>
#include <map>
#include <string_view>

#include "core/base/number_text.h"

namespace lumora {
namespace {

std::string SheetText(int32_t sheet) { return "sheet " + GeneralText(sheet + 1); }

std::string NodeText(const CutNode& node) {
  return SheetText(node.sheet) + ", the part at X " + GeneralText(node.x) + " Y " +
         GeneralText(node.y) + " (" + GeneralText(node.w) + " x " + GeneralText(node.h) + ")";
}

class TreeCheck {
 public:
  TreeCheck(const LineProblem& problem, const CuttingTree& tree)
      : problem_(problem), tree_(tree), rules_(problem.rules) {}

  std::vector<LineFinding> Run() {
    if (!CheckShape()) return std::move(findings_);
    for (const CutNode& node : tree_.nodes) {
      CheckStages(node);
      CheckSizes(node);
      CheckFlaws(node);
    }
    CheckSheets();
    CheckPieces();
    CheckStacks();
    return std::move(findings_);
  }

 private:
  void Add(LineRule rule, std::string text) { findings_.push_back({rule, std::move(text)}); }

  int32_t Count() const { return static_cast<int32_t>(tree_.nodes.size()); }

  // Links, depths, sheets and tiling; the other rules are only asked of a well-formed tree.
  bool CheckShape() {
    const size_t before = findings_.size();
    std::vector<int32_t> parent_of(tree_.nodes.size(), -1);
    for (int32_t i = 0; i < Count(); ++i) {
      for (int32_t child : tree_.nodes[i].children) {
        if (child < 0 || child >= Count() || child == i || parent_of[child] >= 0 ||
            tree_.nodes[child].parent != i) {
          Add(LineRule::kTreeShape, NodeText(tree_.nodes[i]) + " lists a child it does not own.");
          return false;
        }
        parent_of[child] = i;
      }
    }
    for (int32_t i = 0; i < Count(); ++i) {
      const CutNode& node = tree_.nodes[i];
      if (node.parent != parent_of[i]) {
        Add(LineRule::kTreeShape, NodeText(node) + " is not listed by its parent.");
        return false;
      }
      if (node.w <= 0 || node.h <= 0) {
        Add(LineRule::kTreeShape, NodeText(node) + " has no area.");
      }
      const bool leaf = node.type != CutNodeType::kBranch;
      if (leaf != node.children.empty()) {
        Add(LineRule::kTreeShape,
            NodeText(node) + (leaf ? " is not cut but has parts." : " is cut but has no parts."));
      }
      if (node.parent < 0) {
        CheckRoot(node);
      } else if (node.depth != tree_.nodes[node.parent].depth + 1 ||
                 node.sheet != tree_.nodes[node.parent].sheet) {
        Add(LineRule::kTreeShape, NodeText(node) + " is not one stage below its parent.");
      }
    }
    if (findings_.size() != before) return false;
    // Parents were checked to be unique, so every node reached from a root is reached once.
    int32_t reached = 0;
    std::vector<int32_t> pending = TreeSheets(tree_);
    while (!pending.empty()) {
      const int32_t index = pending.back();
      pending.pop_back();
      ++reached;
      for (int32_t child : tree_.nodes[index].children) pending.push_back(child);
    }
    if (reached != Count()) {
      Add(LineRule::kTreeShape, "Some parts are not reached from any sheet.");
      return false;
    }
    for (const CutNode& node : tree_.nodes) CheckTiling(node);
    return findings_.size() == before;
  }

  void CheckRoot(const CutNode& node) {
    if (node.depth != 0 || node.sheet < 0 ||
        node.sheet >= static_cast<int32_t>(problem_.sheets.size())) {
      Add(LineRule::kTreeShape, NodeText(node) + " is not a sheet of the problem.");
      return;
    }
    const LineSheet& sheet = problem_.sheets[node.sheet];
    if (node.x != 0 || node.y != 0 || node.w != sheet.width || node.h != sheet.height) {
      Add(LineRule::kTreeShape, NodeText(node) + " is not the whole sheet.");
    }
  }

  void CheckTiling(const CutNode& node) {
    const bool along_x = SplitsAlongX(rules_.first_cut, node.depth);
    int64_t edge = along_x ? node.x : node.y;
    for (int32_t index : node.children) {
      const CutNode& child = tree_.nodes[index];
      const bool fits = along_x ? child.x == edge && child.y == node.y && child.h == node.h
                                : child.y == edge && child.x == node.x && child.w == node.w;
      if (!fits) {
        Add(LineRule::kTreeShape,
            NodeText(child) + " does not follow its sibling across the whole parent.");
        return;
      }
      edge += along_x ? child.w : child.h;
    }
    if (!node.children.empty() && edge != (along_x ? node.x + node.w : node.y + node.h)) {
      Add(LineRule::kTreeShape, NodeText(node) + " is not covered by its parts.");
    }
  }

  void CheckStages(const CutNode& node) {
    int32_t deepest = std::numeric_limits<int32_t>::max();
    switch (rules_.stages) {
      case LineStages::kTwo:
        deepest = 2;
        break;
      case LineStages::kThree:
        deepest = 3;
        break;
      case LineStages::kThreeWithTrim:
        deepest = 4;
        break;
      case LineStages::kUnlimited:
        break;
    }
    if (node.depth > deepest) {
      Add(LineRule::kStages, NodeText(node) + " needs a cut of stage " + GeneralText(node.depth) +
                                 ", more than the line makes.");
      return;
    }
    if (rules_.stages != LineStages::kThreeWithTrim || node.depth != 3 ||
        node.type != CutNodeType::kBranch) {
      return;
    }
    int pieces = 0;
    int waste = 0;
    for (int32_t child : node.children) {
      pieces += tree_.nodes[child].type == CutNodeType::kPiece;
      waste += tree_.nodes[child].type == CutNodeType::kWaste;
    }
    if (node.children.size() != 2 || pieces != 1 || waste != 1) {
      Add(LineRule::kStages,
          NodeText(node) + " is trimmed into more than one piece and one waste.");
    }
  }

  void CheckSizes(const CutNode& node) {
    const bool strips_along_x = rules_.first_cut == FirstCut::kVertical;
    const int32_t across = strips_along_x ? node.w : node.h;
    const int32_t along = strips_along_x ? node.h : node.w;
    if (node.type == CutNodeType::kLeftover) {
      if (across < rules_.min_waste) {
        Add(LineRule::kWasteSize,
            NodeText(node) + ": the leftover is narrower than the least waste width.");
      }
      return;
    }
    if (node.depth == 1 && (across < rules_.min_strip_width || across > rules_.max_strip_width)) {
      Add(LineRule::kStripWidth, NodeText(node) + ": a strip " + GeneralText(across) +
                                     " wide is outside the strip widths of the line.");
    }
    if (node.depth == 2 && along < rules_.min_row_height) {
      Add(LineRule::kRowHeight, NodeText(node) + ": a row " + GeneralText(along) +
                                    " high is below the least row height.");
    }
    if (node.type == CutNodeType::kWaste &&
        (node.w < rules_.min_waste || node.h < rules_.min_waste)) {
      Add(LineRule::kWasteSize, NodeText(node) + ": waste narrower than the least waste width.");
    }
  }

  void CheckFlaws(const CutNode& node) {
    const std::vector<LineFlaw>& flaws = problem_.sheets[node.sheet].flaws;
    if (node.type == CutNodeType::kPiece) {
      for (const LineFlaw& flaw : flaws) {
        if (Touches(flaw, node.x, node.y, node.w, node.h)) {
          Add(LineRule::kFlawInPiece, PieceText(node.piece) + " on " + SheetText(node.sheet) +
                                          " holds the flaw at X " + GeneralText(flaw.x) + " Y " +
                                          GeneralText(flaw.y) + ".");
        }
      }
    }
    if (rules_.cuts_through_flaws || node.children.size() < 2) return;
    const bool along_x = SplitsAlongX(rules_.first_cut, node.depth);
    for (size_t i = 1; i < node.children.size(); ++i) {
      const CutNode& child = tree_.nodes[node.children[i]];
      for (const LineFlaw& flaw : flaws) {
        const bool touched = along_x ? Touches(flaw, child.x, node.y, 0, node.h)
                                     : Touches(flaw, node.x, child.y, node.w, 0);
        if (touched) {
          Add(LineRule::kFlawUnderCut,
              "The cut of stage " + GeneralText(node.depth + 1) + " at " + (along_x ? "X " : "Y ") +
                  GeneralText(along_x ? child.x : child.y) + " on " + SheetText(node.sheet) +
                  " passes through the flaw at X " + GeneralText(flaw.x) + " Y " +
                  GeneralText(flaw.y) + ".");
        }
      }
    }
  }

  std::string PieceText(int32_t piece) const {
    if (piece < 0 || piece >= static_cast<int32_t>(problem_.pieces.size())) {
      return "An unknown piece";
    }
    return "Piece " + GeneralText(problem_.pieces[piece].id);
  }

  void CheckSheets() {
    const std::vector<int32_t> roots = TreeSheets(tree_);
    std::vector<bool> used(problem_.sheets.size(), false);
    for (size_t k = 0; k < roots.size(); ++k) {
      const CutNode& root = tree_.nodes[roots[k]];
      if (used[root.sheet]) {
        Add(LineRule::kSheetOrder, SheetText(root.sheet) + " is cut twice.");
      } else if (rules_.sheets_in_order && root.sheet != static_cast<int32_t>(k)) {
        Add(LineRule::kSheetOrder,
            SheetText(root.sheet) + " is cut before " + SheetText(static_cast<int32_t>(k)) + ".");
      }
      used[root.sheet] = true;
      for (size_t c = 0; c < root.children.size(); ++c) {
        const CutNode& strip = tree_.nodes[root.children[c]];
        const bool last = k + 1 == roots.size() && c + 1 == root.children.size();
        if (strip.type == CutNodeType::kLeftover && (!last || !KeepsLastLeftover(rules_))) {
          Add(LineRule::kLeftover, NodeText(strip) +
                                       " is kept as a leftover but is not right of the last "
                                       "first cut of the last sheet.");
        }
      }
    }
    for (const CutNode& node : tree_.nodes) {
      if (node.type == CutNodeType::kLeftover && node.depth != 1) {
        Add(LineRule::kLeftover, NodeText(node) + " is kept as a leftover but is not a strip.");
      }
    }
  }

  void CheckPieces() {
    std::vector<int> cut(problem_.pieces.size(), 0);
    for (const CutNode& node : tree_.nodes) {
      if (node.type != CutNodeType::kPiece) continue;
      if (node.piece < 0 || node.piece >= static_cast<int32_t>(problem_.pieces.size())) {
        Add(LineRule::kPieceCount, NodeText(node) + " is a piece the problem does not have.");
        continue;
      }
      ++cut[node.piece];
      const LinePiece& piece = problem_.pieces[node.piece];
      const bool upright = node.w == piece.width && node.h == piece.height;
      const bool turned = piece.may_turn && node.w == piece.height && node.h == piece.width;
      if (!upright && !turned) {
        Add(LineRule::kPieceCount, PieceText(node.piece) + " is cut at " + GeneralText(node.w) +
                                       " x " + GeneralText(node.h) + ", not at its size.");
      }
    }
    for (size_t i = 0; i < cut.size(); ++i) {
      if (cut[i] != 1) {
        Add(LineRule::kPieceCount, PieceText(static_cast<int32_t>(i)) + " is cut " +
                                       GeneralText(cut[i]) + " times instead of once.");
      }
    }
  }

  void CheckStacks() {
    std::map<int32_t, int32_t> last_of_stack;  // stack to the piece that left the table last
    for (int32_t index : CuttingOrder(tree_)) {
      if (index < 0 || index >= static_cast<int32_t>(problem_.pieces.size())) continue;
      const LinePiece& piece = problem_.pieces[index];
      if (piece.stack == kNoStack) continue;
      const auto last = last_of_stack.find(piece.stack);
      if (last != last_of_stack.end() && problem_.pieces[last->second].sequence > piece.sequence) {
        Add(LineRule::kStackOrder, PieceText(index) + " leaves the table after " +
                                       PieceText(last->second) +
                                       " though it comes first in their stack.");
        continue;
      }
      last_of_stack[piece.stack] = index;
    }
  }

  const LineProblem& problem_;
  const CuttingTree& tree_;
  const CuttingLineRules& rules_;
  std::vector<LineFinding> findings_;
};

}  // namespace

std::vector<LineFinding> ValidateCuttingTree(const LineProblem& problem, const CuttingTree& tree) {
  return TreeCheck(problem, tree).Run();
}

}  // namespace lumora
