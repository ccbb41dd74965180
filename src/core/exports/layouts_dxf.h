#ifndef LUMORA_CORE_EXPORTS_LAYOUTS_DXF_H_
#define LUMORA_CORE_EXPORTS_LAYOUTS_DXF_H_

#include <optional>
#include <string>
#include <string_view>

#include "core/layouts/loaded_result.h"
#include "core/layouts/scrap.h"

// The layouts of a result as one DXF drawing for CAD programs and cutting machines.
namespace lumora {

// The layers, one per kind of thing drawn.
inline constexpr std::string_view kDxfSheetLayer = "SHEET";
inline constexpr std::string_view kDxfMarginLayer = "MARGINS";
inline constexpr std::string_view kDxfPieceLayer = "PIECES";
inline constexpr std::string_view kDxfBalanceLayer = "BALANCES";
inline constexpr std::string_view kDxfScrapLayer = "SCRAP";
inline constexpr std::string_view kDxfCutLayer = "CUTS";
inline constexpr std::string_view kDxfTextLayer = "TEXTS";
// Only in the drawing of a result whose sheets have flaws.
inline constexpr std::string_view kDxfFlawLayer = "FLAWS";

// The block that holds layout n.
std::string DxfLayoutBlockName(int layout_no);

// The DXF bytes: millimetres, layout n in its own block "LAYOUT n" in the layout's coordinates
// with Y turned upwards (the sheet's origin corner stays at (0, height)), and the blocks placed
// side by side in the model space. Sheets, margin strips, pieces and leftovers (balances and
// scrap by the criteria) are closed rectangles, the cut order's cuts are lines, the pieces'
// sizes and the cut numbers are texts. Answers the reason when the bytes cannot be made.
struct DxfExport {
  std::string bytes;
  std::string error;
};
DxfExport LayoutsDxf(const LoadedResult& result, const ScrapLimits& scrap);

}  // namespace lumora

#endif  // LUMORA_CORE_EXPORTS_LAYOUTS_DXF_H_
