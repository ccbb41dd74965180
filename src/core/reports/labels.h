#ifndef LUMORA_CORE_REPORTS_LABELS_H_
#define LUMORA_CORE_REPORTS_LABELS_H_

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "core/base/unit_and_orn.h"
#include "core/cuts/breakout_order.h"
#include "core/layouts/loaded_result.h"

// The label text of a result: lbl.tlf, one label per cut piece, laid out by the page grid of
// lbl.def.
namespace lumora {

inline constexpr std::string_view kLabelFileName = "lbl.tlf";
inline constexpr std::string_view kLabelDefinitionFileName = "lbl.def";

// lbl.def: labels per page and per row, and where they stand in character columns and lines.
struct LabelGrid {
  int rows = 0;       // label rows per page
  int cols = 0;       // labels per row
  int first_col = 0;  // HS: column of a row's first label
  int pitch = 0;      // HP: columns from one label to the next
  int top_lines = 0;  // VS: empty lines at the top of a page
  int gap_lines = 0;  // VP: empty lines after a row of labels
};

// The six numbers of lbl.def, each the nearest 16-bit integer; missing ones are 0.
LabelGrid ReadLabelGrid(std::string_view bytes);

// The eleven texts of one label: SR.NO, ITEM, size in the display unit, size in the other
// unit, QTY (the piece's running number among its glass size / the size's quantity),
// CUSTOMER, A/C, SITE, REF, FROM, ADDRESS.
using LabelTexts = std::array<std::string, 11>;
// The slots in the order their lines stand on a label.
inline constexpr std::array<int, 11> kLabelSlotOrder = {9, 10, 5, 6, 7, 1, 0, 2, 3, 4, 8};
LabelTexts MakeLabel(const LoadedResult& result, int glass_index, int running_number, Unit unit);

// The bytes of lbl.tlf, or why there are none.
struct LabelFile {
  std::string bytes;
  std::string error;
};

// One piece to label: the piece of its sheet and its running number among the pieces of its
// glass size.
struct LabelPiece {
  SheetPiece piece;
  int running_number = 0;
};
// Calls `visit` for every piece of every sheet cut: layout by layout, each of its Repeat sheets in
// turn, a sheet's pieces in the order asked, numbered per glass size across all of them. Stops
// when `visit` answers false, and then answers false too.
bool ForEachLabelPiece(const LoadedResult& result, PieceOrder order,
                       const std::function<bool(const LabelPiece&)>& visit);

// A label file past this size is refused: far more than any printer run, and a sheet count
// from a damaged layout file must not fill the memory.
inline constexpr size_t kMaxLabelBytes = 16 * 1024 * 1024;

// Labels for every piece of every sheet cut in the order of ForEachLabelPiece. Rows of
// labels go in groups of COLS, a line "*" before every page after the first. A grid of fewer
// than one label per row counts as one; labels that would pass kMaxLabelBytes are refused.
LabelFile ComposeLabels(const LoadedResult& result, const LabelGrid& grid, Unit unit,
                        PieceOrder order = PieceOrder::kElement);

}  // namespace lumora

#endif  // LUMORA_CORE_REPORTS_LABELS_H_
