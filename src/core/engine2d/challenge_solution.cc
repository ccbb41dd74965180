#include "core/engine2d/challenge_solution.h"

#include <limits>
#include <unordered_map>

#include "core/base/number_text.h"
#include "core/engine2d/challenge_csv.h"

namespace lumora {
namespace {

constexpr int32_t kWasteType = -1;
constexpr int32_t kBranchType = -2;
constexpr int32_t kLeftoverType = -3;

int32_t TypeOf(const LineProblem& problem, const CutNode& node) {
  switch (node.type) {
    case CutNodeType::kPiece:
      return node.piece >= 0 && node.piece < static_cast<int32_t>(problem.pieces.size())
                 ? problem.pieces[node.piece].id
                 : kWasteType;
    case CutNodeType::kWaste:
      return kWasteType;
    case CutNodeType::kBranch:
      return kBranchType;
    case CutNodeType::kLeftover:
      return kLeftoverType;
  }
  return kWasteType;
}

}  // namespace

std::string WriteChallengeSolution(const LineProblem& problem, const CuttingTree& tree) {
  std::string text = "PLATE_ID;NODE_ID;X;Y;WIDTH;HEIGHT;TYPE;CUT;PARENT\r\n";
  std::vector<int32_t> number(tree.nodes.size(), -1);
  int32_t next = 0;
  for (const int32_t index : NodesInCuttingOrder(tree)) {
    number[index] = next++;
    const CutNode& node = tree.nodes[index];
    const bool has_parent = node.parent >= 0 && node.parent < static_cast<int32_t>(number.size());
    const std::string parent = has_parent ? GeneralText(number[node.parent]) : "";
    for (const int value : {node.sheet, number[index], node.x, node.y, node.w, node.h,
                            TypeOf(problem, node), node.depth}) {
      text += GeneralText(value) + ";";
    }
    text += parent + "\r\n";
  }
  return text;
}

ChallengeSolutionRead ReadChallengeSolution(const LineProblem& problem, std::string_view name,
                                            std::string_view bytes) {
  ChallengeSolutionRead read;
  enum Column { kPlate, kNode, kX, kY, kWidth, kHeight, kType, kCut, kParent };
  const std::optional<ChallengeTable> table = ChallengeTable::Read(
      {std::string(name), bytes},
      {"PLATE_ID", "NODE_ID", "X", "Y", "WIDTH", "HEIGHT", "TYPE", "CUT", "PARENT"}, &read.error);
  if (!table) return read;
  if (table->Rows() > kMaxSolutionNodes) {
    read.error = std::string(name) + " has more than " +
                 GeneralText(static_cast<int>(kMaxSolutionNodes)) + " nodes.";
    return read;
  }
  std::unordered_map<int32_t, int32_t> piece_of_id;
  for (size_t i = 0; i < problem.pieces.size(); ++i) {
    piece_of_id[problem.pieces[i].id] = static_cast<int32_t>(i);
  }
  constexpr int32_t kMost = std::numeric_limits<int32_t>::max();
  constexpr int32_t kLeast = std::numeric_limits<int32_t>::min();
  CuttingTree tree;
  std::unordered_map<int32_t, int32_t> index_of_id;
  std::vector<std::optional<int32_t>> parent_ids;
  for (size_t row = 0; row < table->Rows(); ++row) {
    std::optional<int32_t> values[kParent];
    for (int column = kPlate; column < kParent; ++column) {
      const int32_t least = column == kType || column == kX || column == kY ? kLeast : 0;
      values[column] = table->Whole(row, column, least, kMost, &read.error);
      if (!values[column]) return read;
    }
    CutNode node;
    node.sheet = *values[kPlate];
    node.x = *values[kX];
    node.y = *values[kY];
    node.w = *values[kWidth];
    node.h = *values[kHeight];
    node.depth = *values[kCut];
    const int32_t type = *values[kType];
    if (type >= 0) {
      const auto piece = piece_of_id.find(type);
      if (piece == piece_of_id.end()) {
        read.error = table->Where(row) + "there is no piece " + GeneralText(type) + ".";
        return read;
      }
      node.type = CutNodeType::kPiece;
      node.piece = piece->second;
    } else if (type == kWasteType || type == kBranchType || type == kLeftoverType) {
      node.type = type == kWasteType    ? CutNodeType::kWaste
                  : type == kBranchType ? CutNodeType::kBranch
                                        : CutNodeType::kLeftover;
    } else {
      read.error = table->Where(row) + "TYPE " + GeneralText(type) + " is not a node type.";
      return read;
    }
    if (!index_of_id.emplace(*values[kNode], static_cast<int32_t>(tree.nodes.size())).second) {
      read.error =
          table->Where(row) + "NODE_ID " + GeneralText(*values[kNode]) + " is listed before.";
      return read;
    }
    parent_ids.push_back(std::nullopt);
    if (!table->Blank(row, kParent)) {
      parent_ids.back() = table->Whole(row, kParent, 0, kMost, &read.error);
      if (!parent_ids.back()) return read;
    }
    tree.nodes.push_back(node);
  }
  for (size_t i = 0; i < tree.nodes.size(); ++i) {
    if (!parent_ids[i]) continue;
    const auto parent = index_of_id.find(*parent_ids[i]);
    if (parent == index_of_id.end()) {
      read.error = table->Where(i) + "there is no node " + GeneralText(*parent_ids[i]) + ".";
      return read;
    }
    tree.nodes[i].parent = parent->second;
    tree.nodes[parent->second].children.push_back(static_cast<int32_t>(i));
  }
  read.tree = std::move(tree);
  return read;
}

}  // namespace lumora
