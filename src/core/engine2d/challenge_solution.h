#ifndef LUMORA_CORE_ENGINE2D_CHALLENGE_SOLUTION_H_
#define LUMORA_CORE_ENGINE2D_CHALLENGE_SOLUTION_H_

#include <optional>
#include <string>
#include <string_view>

#include "core/engine2d/cutting_line.h"
#include "core/engine2d/cutting_tree.h"

// A cutting tree in the solution format of the 2018 ROADEF/EURO challenge, one node a line:
// PLATE_ID;NODE_ID;X;Y;WIDTH;HEIGHT;TYPE;CUT;PARENT, where TYPE is the piece's ITEM_ID, -1 for
// waste, -2 for a node cut further and -3 for the leftover, CUT the node's depth, and PARENT
// empty for a sheet. Children follow their parent in cutting order.
namespace lumora {

inline constexpr size_t kMaxSolutionNodes = 2000000;

// Numbers the nodes in cutting order from 0.
std::string WriteChallengeSolution(const LineProblem& problem, const CuttingTree& tree);

struct ChallengeSolutionRead {
  std::optional<CuttingTree> tree;
  std::string error;  // when there is no tree: the line and what is wrong
};

// Any bytes: what the file says about the tree's shape is left to ValidateCuttingTree, only
// what cannot make a tree at all (a field that is not a number, an unknown parent or piece) is
// refused here.
ChallengeSolutionRead ReadChallengeSolution(const LineProblem& problem, std::string_view name,
                                            std::string_view bytes);

}  // namespace lumora

#endif  // LUMORA_CORE_ENGINE2D_CHALLENGE_SOLUTION_H_
