#ifndef LUMORA_CORE_ENGINE2D_CUTTING_TREE_VALIDATOR_H_
#define LUMORA_CORE_ENGINE2D_CUTTING_TREE_VALIDATOR_H_

#include <string>
#include <vector>

#include "core/engine2d/cutting_line.h"
#include "core/engine2d/cutting_tree.h"

// Checks a cutting tree against its problem and the line's rules, whoever planned or edited it.
namespace lumora {

enum class LineRule {
  kTreeShape,     // nodes, parents and depths agree, children tile their parent in order
  kStages,        // no deeper than the line cuts; a trim makes one piece and one waste
  kStripWidth,    // first-stage strips between the least and the greatest width
  kRowHeight,     // second-stage rows at least the least height
  kWasteSize,     // waste and leftover at least the least waste width each way
  kFlawInPiece,   // no piece touches a flaw
  kFlawUnderCut,  // no cut touches a flaw, unless the line may cut through them
  kStackOrder,    // a stack's pieces leave the table by increasing sequence
  kSheetOrder,    // sheets used once each, in their listed order when the line asks for it
  kPieceCount,    // every piece cut exactly once, at its size or turned if it may turn
  kLeftover,      // a leftover only right of the last first cut of the last sheet
};

struct LineFinding {
  LineRule rule;
  std::string text;  // one sentence naming the piece or cut, sheets numbered from 1
};

// Every rule broken, empty for a valid tree. Any tree is taken, however malformed.
std::vector<LineFinding> ValidateCuttingTree(const LineProblem& problem, const CuttingTree& tree);

}  // namespace lumora

#endif  // LUMORA_CORE_ENGINE2D_CUTTING_TREE_VALIDATOR_H_
