#ifndef LUMORA_CORE_ENGINE2D_LAYOUT_EVALUATION_H_
#define LUMORA_CORE_ENGINE2D_LAYOUT_EVALUATION_H_

#include "core/engine2d/engine_records.h"

namespace lumora {

// Working copies. They reuse the destination's storage, so copying into a list that already
// had the size allocates nothing; stock and glass working lists hold quantities only.
void CopyStockList(const QuantityList& source, QuantityList& destination);
void CopyGlassList(const QuantityList& source, QuantityList& destination);

// True when no quantity is above 0 (also for an empty list).
bool AllStockUsed(const QuantityList& stock_qty);
bool AllGlassPlaced(const QuantityList& glass_qty);
// True when the index is in the list and its quantity is above 0.
bool StockAvailable(const QuantityList& stock_qty, int index);

// (Y2 - Y1) * (X2 - X1) in float.
float ElementArea(const LayoutElement& element);

// The figures by which candidate layouts compete.
struct CandidateStatistics {
  float yield = 0;              // piece area / frame area, unrounded
  float largest_free_area = 0;  // free rectangles only
  int full_cuts = 0;
  float used_length = 0;  // largest piece Y2: the coil length a coil layout takes
};
CandidateStatistics CandidateStats(const ElementList& elements);

// The figures by which pass results compete.
struct ResultStatistics {
  float yield = 0;  // rounded to six decimals; 0 with the layout count when no frame area
  int layout_count = 0;
  float last_layout_piece_area = 0;
  float total_coil_length = 0;
};
ResultStatistics ResultStats(const ElementList& result);

struct PassStatistics {
  float yield = 0;
  int layout_count = 0;
};
// Yield (weighted piece area / weighted frame area, rounded to six decimals) and the layout
// number of the last element.
PassStatistics PassStats(const ElementList& result);
// The sum over layouts of used length * Repeat.
float TotalCoilLength(const ElementList& result);
// The piece area of the last layout (the trailing elements with the last layout number).
float LastLayoutPieceArea(const ElementList& result);

// Whether the current candidate beats the best: sheet mode by yield, then the larger free
// rectangle, then fewer full cuts; coil mode by the shorter used length first. A complete tie
// keeps the best.
bool SheetCandidateIsBetter(const CandidateStatistics& current, const CandidateStatistics& best);
bool CoilCandidateIsBetter(const CandidateStatistics& current, const CandidateStatistics& best);

// How often the best candidate can be cut: the fewest whole copies any of its glass sizes
// still allows, capped by the stock quantity; 0 when the candidate holds no piece.
float RepeatCount(float stock_qty, const QuantityList& pass_glass, const QuantityList& best_glass);

// Takes `repeat` copies of the layout from the pass's quantities and stamps its elements with
// the repeat count and layout number.
void CommitLayout(float repeat, int stock_index, QuantityList& pass_stock, QuantityList& pass_glass,
                  const QuantityList& best_glass, ElementList& best_elements, int layout_no);

// Appends the layout's elements to the pass result.
void AppendLayout(const ElementList& layout, ElementList& pass_result);

// Whether the current pass result beats the best under the objective (kNone accepts nothing).
bool SheetResultIsBetter(const ResultStatistics& current, const ResultStatistics& best,
                         Objective objective);
bool CoilResultIsBetter(const ResultStatistics& current, const ResultStatistics& best,
                        Objective objective);

// Copies the current pass result over the best and counts an improvement when it is better or
// the best is empty.
void KeepBetterSheetResult(const ElementList& current, ElementList& best, Objective objective,
                           int& improvements);

}  // namespace lumora

#endif  // LUMORA_CORE_ENGINE2D_LAYOUT_EVALUATION_H_
