#ifndef LUMORA_CORE_ENGINE2D_CUTTING_LINE_H_
#define LUMORA_CORE_ENGINE2D_CUTTING_LINE_H_

#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

#include "core/job/line_settings.h"

// What a glass cutting line needs to know beyond the sizes: how its table cuts (stages, the
// first cut's direction, the strips and rows its bridges can break), the flaws each sheet
// carries, and the order in which pieces must leave the table for their racks. Lengths are
// whole units of one grid (millimetres for a challenge instance).
namespace lumora {

struct CuttingLineRules {
  LineStages stages = LineStages::kThreeWithTrim;
  FirstCut first_cut = FirstCut::kVertical;
  int32_t min_strip_width = 0;
  int32_t max_strip_width = std::numeric_limits<int32_t>::max();
  int32_t min_row_height = 0;
  // The narrowest glass the table can break off: every waste part is at least this wide and
  // high, and so is a leftover.
  int32_t min_waste = 0;
  bool cuts_through_flaws = false;
  // Sheet k+1 is cut only once sheet k is; the leftover right of the last first cut of the last
  // sheet goes back to stock.
  bool sheets_in_order = true;
};

// Whether the glass right of the last first cut of a plan's last sheet goes back to stock as a
// leftover. Only with sheets cut in order is a sheet known to be the last; otherwise that glass
// is cut off as waste like any sheet's.
inline bool KeepsLastLeftover(const CuttingLineRules& rules) { return rules.sheets_in_order; }

// A flaw is the closed rectangle [x, x + w] x [y, y + h] from the sheet's lower-left corner: a
// piece touching it holds it, and a cut touching it passes through it.
struct LineFlaw {
  int32_t x = 0;
  int32_t y = 0;
  int32_t w = 0;
  int32_t h = 0;
};

// Whether the flaw touches the closed rectangle [x, x + w] x [y, y + h]; a cut is a rectangle of
// no width or no height.
inline bool Touches(const LineFlaw& flaw, int32_t x, int32_t y, int32_t w, int32_t h) {
  return flaw.x <= x + w && x <= flaw.x + flaw.w && flaw.y <= y + h && y <= flaw.y + flaw.h;
}

struct LineSheet {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<LineFlaw> flaws;
};

inline constexpr int32_t kNoStack = -1;

// The most sheets and pieces one plan of the line takes.
inline constexpr size_t kMostLineSheets = 100000;
inline constexpr size_t kMostLinePieces = 100000;

struct LinePiece {
  int32_t id = 0;  // the name the outside world knows the piece by
  int32_t width = 0;
  int32_t height = 0;
  bool may_turn = true;
  // Pieces of one stack leave the table by increasing sequence.
  int32_t stack = kNoStack;
  int32_t sequence = 0;
};

// A batch for the line: the sheets in their listed order, and the pieces.
struct LineProblem {
  CuttingLineRules rules;
  std::vector<LineSheet> sheets;
  std::vector<LinePiece> pieces;
};

// The same problem with X and Y exchanged everywhere, the first cut turned with them: a search
// written for vertical first cuts serves both directions through it.
LineProblem Transposed(const LineProblem& problem);

}  // namespace lumora

#endif  // LUMORA_CORE_ENGINE2D_CUTTING_LINE_H_
