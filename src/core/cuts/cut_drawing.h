#ifndef LUMORA_CORE_CUTS_CUT_DRAWING_H_
#define LUMORA_CORE_CUTS_CUT_DRAWING_H_

#include "core/cuts/cut_settings.h"
#include "core/layouts/layout_canvas.h"
#include "core/layouts/layout_drawing.h"
#include "core/layouts/loaded_result.h"

// A layout's drawing with what the cut settings add to it.
namespace lumora {

// Draws layout n as DrawLayout does, then with "Cut order" every cut as a red line with its
// number in a white box at its middle (or further along, where it covers no other text; none on a
// cut shorter than the number), and with "All dimensions" the position of every cut from the
// sheet's origin: X positions above the sheet, Y positions left of it, spread along the edge with
// a leader to their cut (PlaceEdgeTexts), as large as they fit, the X ones read upwards when that
// is what makes them fit; at the smallest size the most crowded are left out. With
// breakout_numbers every piece shows its number in the breakout order at its top left corner.
void DrawLayoutAndCuts(const LoadedResult& result, int layout_no, const DrawOptions& options,
                       const CutSettings& cut_settings, LayoutCanvas& canvas,
                       bool breakout_numbers = false);

}  // namespace lumora

#endif  // LUMORA_CORE_CUTS_CUT_DRAWING_H_
