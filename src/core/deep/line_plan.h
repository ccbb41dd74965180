#ifndef LUMORA_CORE_DEEP_LINE_PLAN_H_
#define LUMORA_CORE_DEEP_LINE_PLAN_H_

#include <optional>
#include <vector>

#include "core/deep/line_front.h"
#include "core/engine2d/cutting_tree.h"

// Turns the moves a glass-line search chose into the cutting tree they stand for.
namespace lumora {

// Replays the moves from an empty plan and ends it; nullopt when a move or the end cannot be
// made. The tree is in the search's orientation, first cuts vertical.
std::optional<CuttingTree> BuildCuttingTree(const LineGeometry& geometry, const LineFronts& fronts,
                                            const std::vector<LineMove>& moves);

}  // namespace lumora

#endif  // LUMORA_CORE_DEEP_LINE_PLAN_H_
