#ifndef LUMORA_CORE_LAYOUTS_LAYOUT_HIT_H_
#define LUMORA_CORE_LAYOUTS_LAYOUT_HIT_H_

#include <string>
#include <string_view>

#include "core/base/unit_and_orn.h"
#include "core/engine2d/engine_records.h"
#include "core/layouts/loaded_result.h"
#include "core/layouts/scrap.h"

// What lies under a point of the drawn layout, and what the drawing's tool tip says of it.
namespace lumora {

inline constexpr std::string_view kAddToolTip = "ADD Balance / Glass-Piece";

// The elements first .. last of a layout, as indices into the element list.
struct LayoutRange {
  int first = 0;
  int last = -1;
};
// The range of layout n of a loaded result; empty when there is no such layout.
LayoutRange RangeOfLayout(const LoadedResult& result, int layout_no);

// The piece or leftover under (x, y) among the elements of the range, in file coordinates; the
// later one in the list where several overlap, 0 when there is none. Edges count as inside.
int HitTest(const ElementList& elements, const LayoutRange& range, float x, float y);

// The tool tip for a hit element of the result's shown elements (0: nothing under the
// pointer): the piece's size across and along with its customer and serial number, or the
// leftover's kind and size, the sizes without the kerf. Sizes are general numbers in millimetres
// and inch texts in inches; Unit::kOther gives an empty tip.
std::string ElementToolTip(const LoadedResult& result, int element, Unit unit,
                           const ScrapLimits& scrap);

}  // namespace lumora

#endif  // LUMORA_CORE_LAYOUTS_LAYOUT_HIT_H_
