#ifndef LUMORA_CORE_ENGINE2D_BLOCK_PLACEMENT_H_
#define LUMORA_CORE_ENGINE2D_BLOCK_PLACEMENT_H_

#include "core/engine2d/engine_records.h"
#include "core/engine2d/random.h"

namespace lumora {

// What stays fixed while the candidate layouts of one pass are built. The glass list supplies
// sizes (kerf added) and ORN only: the quantities still wanted come from a QuantityList.
struct PlacementSetup {
  const StockList& stocks;
  const GlassList& glasses;
  float trim_allowance = 0;  // T (MM) + 0.001: how much smaller than its piece a cell may be
  float blade = 0;           // BLADE with the kerf added: no block stacks rows beyond it
  int pass = 1;
  int total_passes = 1;
};

// The columns and rows of a block; a block was placed exactly when both are at least 1.
struct BlockSize {
  int nx = 0;
  int ny = 0;
  bool Placed() const { return nx >= 1 && ny >= 1; }
};

// The four choices a placement pattern (1 to 8) makes.
struct PlacementPattern {
  bool top_most_first;    // next free rectangle by Y1 then X1, else by X1 then Y1
  int first_orientation;  // tried first in passes 1 to 16
  bool rows_first;        // the quantity trim lowers ny before nx
  enum class Splitter { kAcrossAtLeftMargin, kDownAtTopMargin, kAcross, kDown } splitter;
};
// The pattern's choices, or nullptr outside 1 to 8.
const PlacementPattern* FindPattern(int pattern);

// The free rectangle to fill next under the pattern (the smallest key pair, earlier on ties),
// or 0 when there is none.
int NextFreeRect(const ElementList& elements, int pattern);

// Places the largest block of one glass size that fits the free rectangle, trimmed to the
// quantity still wanted and, for the first block of a candidate after pass 1, thinned at
// random. On success the rectangle is spent, the pieces and two remainders (and a full-length
// cut where the rectangle spans the usable stock) are appended and the quantity falls; on
// failure nothing changes. A block that would take the list past kMaxListCount elements is
// made smaller to fit; when not one more piece fits, nothing is placed.
BlockSize PlaceBlock(const PlacementSetup& setup, QuantityList& glass_qty, int glass_index,
                     ElementList& elements, int rect_index, int pattern, bool first_block,
                     RandomState& random);

// The two splitters: write an nx x ny block into the free rectangle at its top left corner and
// split the rest by a first cut across (below the block) or down (right of the block).
void CutAcrossFirst(const PlacementSetup& setup, int nx, int ny, int glass_index, int orientation,
                    QuantityList& glass_qty, int rect_index, ElementList& elements);
void CutDownFirst(const PlacementSetup& setup, int nx, int ny, int glass_index, int orientation,
                  QuantityList& glass_qty, int rect_index, ElementList& elements);

// Marks the element Spent unless its width and height are both positive.
void DiscardIfEmpty(ElementList& elements, int index);
// Turns every NoFit mark back into a free rectangle.
void ResetNoFit(ElementList& elements);

}  // namespace lumora

#endif  // LUMORA_CORE_ENGINE2D_BLOCK_PLACEMENT_H_
