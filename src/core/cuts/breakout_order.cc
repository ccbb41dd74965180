#include "core/cuts/breakout_order.h"

#include <algorithm>
#include <climits>

#include "core/base/number_text.h"
#include "core/cuts/cut_order.h"
#include "core/engine2d/engine_math.h"

namespace lumora {

std::vector<int> PiecesInCuttingOrder(const ElementList& elements, int first, int last) {
  std::vector<int> by_number;
  if (!elements.Contains(first) || !elements.Contains(last)) return by_number;
  for (int i = first; i <= last; ++i) {
    if (elements[i].kind > 0) by_number.push_back(i);
  }
  std::vector<int> order;
  std::vector<bool> taken(by_number.size(), false);
  for (const int number : CutOrder(elements, first, last).freed_pieces) {
    order.push_back(by_number[static_cast<size_t>(number - 1)]);
    taken[static_cast<size_t>(number - 1)] = true;
  }
  for (size_t p = 0; p < by_number.size(); ++p) {
    if (!taken[p]) order.push_back(by_number[p]);
  }
  return order;
}

std::string TooManyPiecesText() {
  return "Too many pieces: more than " + GeneralText(kMostListedPieces) + ".";
}

bool ForEachSheetPiece(const LoadedResult& result, PieceOrder order,
                       const std::function<bool(const SheetPiece&)>& visit) {
  int64_t cut_before = 0;
  for (int n = 1; n <= result.LayoutCount(); ++n) {
    const int first = result.FirstOfLayout(n);
    const std::vector<int> cutting =
        PiecesInCuttingOrder(result.shown, first, result.LastOfLayout(n));
    if (cutting.empty()) continue;
    // Element order and breakout number of every piece, by its place in element order.
    std::vector<int> elements = cutting;
    std::sort(elements.begin(), elements.end());
    std::vector<int> breakout(elements.size());
    for (size_t b = 0; b < cutting.size(); ++b) {
      const auto at = std::lower_bound(elements.begin(), elements.end(), cutting[b]);
      breakout[static_cast<size_t>(at - elements.begin())] = static_cast<int>(b) + 1;
    }
    const auto count = static_cast<int64_t>(elements.size());
    const int sheets = ClampToInt(result.shown[first].repeat, 0, INT32_MAX);
    for (int sheet = 1; sheet <= sheets; ++sheet) {
      for (size_t k = 0; k < elements.size(); ++k) {
        const size_t p = order == PieceOrder::kElement
                             ? k
                             : static_cast<size_t>(
                                   std::lower_bound(elements.begin(), elements.end(), cutting[k]) -
                                   elements.begin());
        const SheetPiece piece{n,
                               sheet,
                               elements[p],
                               result.shown[elements[p]].kind,
                               static_cast<int>(p) + 1,
                               breakout[p],
                               cut_before + (sheet - 1) * count + breakout[p]};
        if (!visit(piece)) return false;
      }
    }
    cut_before += sheets * count;
  }
  return true;
}

}  // namespace lumora
