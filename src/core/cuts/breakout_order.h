#ifndef LUMORA_CORE_CUTS_BREAKOUT_ORDER_H_
#define LUMORA_CORE_CUTS_BREAKOUT_ORDER_H_

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/engine2d/engine_records.h"
#include "core/layouts/loaded_result.h"

// The breakout order: the order in which the pieces of a sheet leave the cutting table, which
// is the order the cut order sets them free. Breakout numbers, labels in breakout order and the
// rack plan all take it from here, so they follow the cut order wherever it goes.
namespace lumora {

// The element indices of the pieces of elements[first..last] (first its StockFrame) in the order
// they leave the table: as the cut order frees them, then the pieces no straight cut frees and
// those without area, in element order.
std::vector<int> PiecesInCuttingOrder(const ElementList& elements, int first, int last);

// One piece of one sheet cut.
struct SheetPiece {
  int layout_no = 0;
  int sheet = 0;    // 1 .. the layout's Repeat
  int element = 0;  // index in the result's shown elements
  int glass_index = 0;
  int position = 0;  // number among the layout's pieces in element order
  int breakout = 0;  // number among the layout's pieces in the order they leave the table
  // Over the job: the pieces of every sheet cut before this one, and then `breakout`.
  int64_t job_breakout = 0;
};

enum class PieceOrder { kElement, kBreakout };

// Lists of every piece cut stop at this many: far more than any shop cuts from one job, and a
// sheet count from a damaged layout file must not fill the memory.
inline constexpr int64_t kMostListedPieces = 1000000;
// "Too many pieces: more than 1000000."
std::string TooManyPiecesText();

// Calls `visit` for every piece of every sheet cut: layout by layout, each of its Repeat sheets
// in turn, a sheet's pieces in the order asked. Stops when `visit` answers false, and then
// answers false too.
bool ForEachSheetPiece(const LoadedResult& result, PieceOrder order,
                       const std::function<bool(const SheetPiece&)>& visit);

}  // namespace lumora

#endif  // LUMORA_CORE_CUTS_BREAKOUT_ORDER_H_
