#ifndef LUMORA_CORE_CUTS_CUT_DRAWING_H_
#define LUMORA_CORE_CUTS_CUT_DRAWING_H_

#include "core/cuts/cut_order.h"
#include "core/layouts/layout_canvas.h"
#include "core/layouts/layout_drawing.h"

// The cut order drawn over a layout's drawing.
namespace lumora {

// Draws the cuts over the drawing of their layout: each a red line from end to end with its
// number in a white box at its middle.
void DrawCutNumbers(const LayoutCuts& cuts, const DrawOptions& options, LayoutCanvas& canvas);

}  // namespace lumora

#endif  // LUMORA_CORE_CUTS_CUT_DRAWING_H_
