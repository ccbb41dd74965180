#ifndef LUMORA_CORE_ENGINE2D_CANDIDATE_H_
#define LUMORA_CORE_ENGINE2D_CANDIDATE_H_

#include "core/engine2d/block_placement.h"
#include "core/engine2d/engine_records.h"
#include "core/engine2d/random.h"

namespace lumora {

// Empties the list and writes the six elements every layout starts with: the stock frame, the
// margin strips of M(L), M(T), M(R), M(B), and the usable area as element 6, a free rectangle.
// An index outside the list leaves the list empty.
void StartLayout(const StockList& stocks, int stock_index, ElementList& elements);

// Builds one candidate layout on a stock with a pattern: the working glass quantities start as
// a copy of the pass's, the layout starts afresh, and free rectangles are filled until none is
// left. With random_phase, every block after the first is first sought among random glass
// sizes (one draw per glass size), then in list order. Returns false, with the layout started
// but empty, when the usable area is wider (patterns 1, 2, 5, 6) or longer (3, 4, 7, 8) than
// the blade allows, or the pattern or stock index is out of range. Reuses the storage of both
// outputs.
bool BuildCandidate(const PlacementSetup& setup, const QuantityList& pass_glass, int stock_index,
                    int pattern, bool random_phase, RandomState& random,
                    QuantityList& working_glass, ElementList& elements);

// Removes every Spent element, keeping the order of the others.
void CompactLayout(ElementList& elements);

}  // namespace lumora

#endif  // LUMORA_CORE_ENGINE2D_CANDIDATE_H_
