#ifndef LUMORA_CORE_DEEP_SHEET_PATTERN_H_
#define LUMORA_CORE_DEEP_SHEET_PATTERN_H_

#include <vector>

// One sheet's guillotine pattern in units, measured from the corner of its usable area.
namespace lumora::deep {

struct UnitRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

struct PlacedPiece {
  int piece = 0;  // index into DeepProblem::pieces
  int orientation = 1;
  UnitRect rect;
};

struct SheetPattern {
  int stock = -1;  // index into DeepProblem::stocks; -1 for no pattern
  std::vector<PlacedPiece> pieces;
  std::vector<UnitRect> free_rects;
  // First-stage cuts: across (constant y) when strips run along x, else down (constant x).
  bool cuts_across = true;
  std::vector<int> stage_cuts;
  double value = 0;     // sum of the pieces' values when it was made
  int used_length = 0;  // largest piece bottom edge: the length a coil pattern takes

  bool Empty() const { return pieces.empty(); }
};

// How many pieces of each type the pattern holds, by DeepProblem::pieces index.
std::vector<int> PieceCounts(const SheetPattern& pattern, int piece_types);
// Whether no count is above its bound.
bool WithinBounds(const std::vector<int>& counts, const std::vector<int>& bounds);

}  // namespace lumora::deep

#endif  // LUMORA_CORE_DEEP_SHEET_PATTERN_H_
