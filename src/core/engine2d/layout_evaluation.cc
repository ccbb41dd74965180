#include "core/engine2d/layout_evaluation.h"

#include <algorithm>
#include <cmath>

#include "core/base/number_text.h"
#include "core/engine2d/engine_math.h"

namespace lumora {
namespace {

constexpr float kNoRepeatYet = 1e20f;

bool AnyAboveZero(const QuantityList& quantities) {
  return std::any_of(quantities.begin(), quantities.end(), [](float qty) { return qty > 0; });
}

bool IsPiece(const LayoutElement& element) { return element.kind > 0; }

// Pieces used in the layout: the pass's quantity less the candidate's.
float PiecesUsed(const QuantityList& pass_glass, const QuantityList& best_glass, int index) {
  return pass_glass[index] - best_glass[index];
}

int CommonCount(const QuantityList& a, const QuantityList& b) {
  return std::min(a.Count(), b.Count());
}

// The tie-breaks after yield or used length: the larger free rectangle, then fewer full cuts.
bool FreeAreaThenCutsBetter(const CandidateStatistics& current, const CandidateStatistics& best) {
  if (current.largest_free_area > best.largest_free_area) return true;
  if (current.largest_free_area < best.largest_free_area) return false;
  return current.full_cuts < best.full_cuts;
}

}  // namespace

void CopyStockList(const QuantityList& source, QuantityList& destination) { destination = source; }

void CopyGlassList(const QuantityList& source, QuantityList& destination) { destination = source; }

bool AllStockUsed(const QuantityList& stock_qty) { return !AnyAboveZero(stock_qty); }

bool AllGlassPlaced(const QuantityList& glass_qty) { return !AnyAboveZero(glass_qty); }

bool StockAvailable(const QuantityList& stock_qty, int index) {
  return stock_qty.Contains(index) && stock_qty[index] > 0;
}

float ElementArea(const LayoutElement& element) {
  return (element.y2 - element.y1) * (element.x2 - element.x1);
}

CandidateStatistics CandidateStats(const ElementList& elements) {
  CandidateStatistics stats;
  float piece_area = 0;
  float frame_area = 0;
  bool frame_seen = false;
  for (const LayoutElement& element : elements) {
    if (IsPiece(element)) {
      piece_area = piece_area + ElementArea(element);
      if (element.y2 > stats.used_length) stats.used_length = element.y2;
    } else if (element.kind == kStockFrame && !frame_seen) {
      frame_area = ElementArea(element);
      frame_seen = true;
    } else if (element.kind == kFreeRect) {
      const float area = ElementArea(element);
      if (area > stats.largest_free_area) stats.largest_free_area = area;
    } else if (element.kind == kFullCut) {
      ++stats.full_cuts;
    }
  }
  // A frame without area (possible only with negative margins) yields nothing, not NaN.
  if (frame_area != 0) stats.yield = piece_area / frame_area;
  return stats;
}

PassStatistics PassStats(const ElementList& result) {
  float piece_sum = 0;
  float frame_sum = 0;
  for (const LayoutElement& element : result) {
    if (IsPiece(element)) {
      piece_sum = piece_sum + ElementArea(element) * element.repeat;
    } else if (element.kind == kStockFrame) {
      frame_sum = frame_sum + ElementArea(element) * element.repeat;
    }
  }
  if (frame_sum == 0) return {};
  PassStatistics stats;
  stats.yield = ReadFloat(FormatNumber(piece_sum / frame_sum, ".000000"));
  stats.layout_count = result.Back().layout_no;
  return stats;
}

float TotalCoilLength(const ElementList& result) {
  float total = 0;
  float longest = 0;
  for (int i = 1; i <= result.Count(); ++i) {
    const LayoutElement& element = result[i];
    if (i > 1 && element.layout_no != result[i - 1].layout_no) {
      total = total + longest * result[i - 1].repeat;
      longest = 0;
    }
    if (IsPiece(element) && element.y2 > longest) longest = element.y2;
  }
  if (!result.Empty()) total = total + longest * result.Back().repeat;
  return total;
}

float LastLayoutPieceArea(const ElementList& result) {
  if (result.Empty()) return 0;
  int first = result.Count();
  while (first > 1 && result[first - 1].layout_no == result.Back().layout_no) --first;
  float area = 0;
  for (int i = first; i <= result.Count(); ++i) {
    if (IsPiece(result[i])) area = area + ElementArea(result[i]);
  }
  return area;
}

ResultStatistics ResultStats(const ElementList& result) {
  const PassStatistics pass = PassStats(result);
  ResultStatistics stats;
  stats.yield = pass.yield;
  stats.layout_count = pass.layout_count;
  stats.last_layout_piece_area = LastLayoutPieceArea(result);
  stats.total_coil_length = TotalCoilLength(result);
  return stats;
}

bool SheetCandidateIsBetter(const CandidateStatistics& current, const CandidateStatistics& best) {
  if (current.yield > best.yield) return true;
  if (current.yield < best.yield) return false;
  return FreeAreaThenCutsBetter(current, best);
}

bool CoilCandidateIsBetter(const CandidateStatistics& current, const CandidateStatistics& best) {
  if (current.used_length < best.used_length) return true;
  if (current.used_length > best.used_length) return false;
  return FreeAreaThenCutsBetter(current, best);
}

float RepeatCount(float stock_qty, const QuantityList& pass_glass, const QuantityList& best_glass) {
  float repeat = kNoRepeatYet;
  for (int i = 1; i <= CommonCount(pass_glass, best_glass); ++i) {
    const float used = PiecesUsed(pass_glass, best_glass, i);
    if (used > 0) repeat = MinSingle(repeat, std::trunc(pass_glass[i] / used));
  }
  if (repeat == kNoRepeatYet) return 0;
  return MinSingle(repeat, stock_qty);
}

void CommitLayout(float repeat, int stock_index, QuantityList& pass_stock, QuantityList& pass_glass,
                  const QuantityList& best_glass, ElementList& best_elements, int layout_no) {
  if (pass_stock.Contains(stock_index)) {
    pass_stock[stock_index] = pass_stock[stock_index] - repeat;
  }
  for (int i = 1; i <= CommonCount(pass_glass, best_glass); ++i) {
    const float used = PiecesUsed(pass_glass, best_glass, i);
    if (used > 0) pass_glass[i] = pass_glass[i] - used * repeat;
  }
  for (LayoutElement& element : best_elements) {
    element.repeat = repeat;
    element.layout_no = layout_no;
  }
}

void AppendLayout(const ElementList& layout, ElementList& pass_result) {
  for (const LayoutElement& element : layout) pass_result.Append(element);
}

bool SheetResultIsBetter(const ResultStatistics& current, const ResultStatistics& best,
                         Objective objective) {
  const bool fewer_layouts = current.layout_count < best.layout_count;
  const bool same_layouts = current.layout_count == best.layout_count;
  const bool less_in_last = best.last_layout_piece_area > current.last_layout_piece_area;
  switch (objective) {
    case Objective::kMaximumYield:
      if (current.yield > best.yield) return true;
      return current.yield == best.yield && ((same_layouts && less_in_last) || fewer_layouts);
    case Objective::kMinimumLayouts:
      if (fewer_layouts) return true;
      return same_layouts &&
             (current.yield > best.yield || (current.yield == best.yield && less_in_last));
    case Objective::kNone:
      return false;
  }
  return false;
}

bool CoilResultIsBetter(const ResultStatistics& current, const ResultStatistics& best,
                        Objective objective) {
  if (objective == Objective::kMaximumYield) {
    return current.total_coil_length < best.total_coil_length;
  }
  return SheetResultIsBetter(current, best, objective);
}

void KeepBetterSheetResult(const ElementList& current, ElementList& best, Objective objective,
                           int& improvements) {
  if (!best.Empty() && !SheetResultIsBetter(ResultStats(current), ResultStats(best), objective)) {
    return;
  }
  best = current;
  ++improvements;
}

}  // namespace lumora
