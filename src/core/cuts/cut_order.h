#ifndef LUMORA_CORE_CUTS_CUT_ORDER_H_
#define LUMORA_CORE_CUTS_CUT_ORDER_H_

#include <vector>

#include "core/engine2d/engine_records.h"

// The order in which a cutter scores a layout: guillotine cuts from edge to edge of the piece of
// glass in hand, all first-stage cuts of the sheet, then the cuts of each strip, and so on.
namespace lumora {

// The axis a cut's position is measured on: a kX cut is the line X = position, running along Y.
enum class CutAxis { kX, kY };

struct Cut {
  int number = 0;  // 1 for the first cut of the layout
  int stage = 0;   // 1 for the cuts across the whole sheet
  CutAxis axis = CutAxis::kX;
  float position = 0;
  // Where the cut starts on the other axis, and how far it runs.
  float start = 0;
  float length = 0;

  bool operator==(const Cut&) const = default;
};

struct LayoutCuts {
  std::vector<Cut> cuts;
  double total_length = 0;
  // The pieces no straight cut can part, by their number on the layout (its pieces counted in
  // element order from 1); empty for a guillotine layout.
  std::vector<int> blocking_pieces;
  // The pieces by their number on the layout in the order the cuts set them free: a piece is
  // free once a cut has made it a piece of glass of its own. Blocking pieces and pieces without
  // area are not among them.
  std::vector<int> freed_pieces;

  bool Guillotine() const { return blocking_pieces.empty(); }
};

// Stage by stage, every strip of the sheet is parted before any strip is cut further; as a
// glass line's table cuts, each part is cut down to its pieces before the next part is parted
// off, so that the pieces leave the table in the order they were planned in.
enum class CutSequence { kStageByStage, kPartByPart };

// The cuts of the layout whose elements are elements[first..last], first its StockFrame, in file
// coordinates, in the sequence asked for. Pieces are cut out with their kerf, so neighbours part
// on their shared edge; leftovers are not cut up. The first stage runs like the layout's
// full-length cuts, or across the sheet's shorter side when it has none; every later stage turns
// across the one before. A layout on a coil has its frame end at the length it uses; when the
// coil goes on beyond that, to `roll_end`, the first cut parts the used length from the roll
// across the whole width, and the stages of the piece in hand follow it.
LayoutCuts CutOrder(const ElementList& elements, int first, int last, float roll_end = 0,
                    CutSequence sequence = CutSequence::kStageByStage);

}  // namespace lumora

#endif  // LUMORA_CORE_CUTS_CUT_ORDER_H_
