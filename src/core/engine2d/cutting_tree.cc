#include "core/engine2d/cutting_tree.h"

#include <cstddef>
#include <utility>

namespace lumora {

CuttingTree Transposed(const CuttingTree& tree) {
  CuttingTree turned = tree;
  for (CutNode& node : turned.nodes) {
    std::swap(node.x, node.y);
    std::swap(node.w, node.h);
  }
  return turned;
}

std::vector<int32_t> TreeSheets(const CuttingTree& tree) {
  std::vector<int32_t> roots;
  for (size_t i = 0; i < tree.nodes.size(); ++i) {
    if (tree.nodes[i].parent < 0) roots.push_back(static_cast<int32_t>(i));
  }
  return roots;
}

std::vector<int32_t> NodesInCuttingOrder(const CuttingTree& tree) {
  std::vector<int32_t> order;
  std::vector<int32_t> pending;
  const std::vector<int32_t> roots = TreeSheets(tree);
  for (auto root = roots.rbegin(); root != roots.rend(); ++root) pending.push_back(*root);
  // A malformed tree may share or loop children; each node is visited once at most.
  std::vector<bool> seen(tree.nodes.size(), false);
  while (!pending.empty()) {
    const int32_t index = pending.back();
    pending.pop_back();
    if (index < 0 || index >= static_cast<int32_t>(tree.nodes.size()) || seen[index]) continue;
    seen[index] = true;
    order.push_back(index);
    const CutNode& node = tree.nodes[index];
    for (auto child = node.children.rbegin(); child != node.children.rend(); ++child) {
      pending.push_back(*child);
    }
  }
  return order;
}

std::vector<int32_t> CuttingOrder(const CuttingTree& tree) {
  std::vector<int32_t> order;
  for (const int32_t index : NodesInCuttingOrder(tree)) {
    const CutNode& node = tree.nodes[static_cast<size_t>(index)];
    if (node.type == CutNodeType::kPiece) order.push_back(node.piece);
  }
  return order;
}

bool SplitsAlongX(FirstCut first_cut, int32_t depth) {
  const bool even = depth % 2 == 0;
  return first_cut == FirstCut::kVertical ? even : !even;
}

int64_t TreeWaste(const LineProblem& problem, const CuttingTree& tree) {
  int64_t waste = 0;
  for (const CutNode& node : tree.nodes) {
    const int64_t area = static_cast<int64_t>(node.w) * node.h;
    if (node.depth == 0) waste += area;
    if (node.type == CutNodeType::kLeftover) waste -= area;
    if (node.type == CutNodeType::kPiece && node.piece >= 0 &&
        node.piece < static_cast<int32_t>(problem.pieces.size())) {
      waste -= area;
    }
  }
  return waste;
}

}  // namespace lumora
