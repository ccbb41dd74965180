#ifndef LUMORA_CORE_LAYOUTS_LAYOUT_DRAWING_H_
#define LUMORA_CORE_LAYOUTS_LAYOUT_DRAWING_H_

#include <string>

#include "core/base/unit_and_orn.h"
#include "core/layouts/dia_settings.h"
#include "core/layouts/layout_canvas.h"
#include "core/layouts/layout_scale.h"
#include "core/layouts/loaded_result.h"
#include "core/layouts/scrap.h"
#include "core/layouts/text_fit.h"

// The one drawing of a layout, for the screen, the printer and images alike.
namespace lumora {

// A hairline: one pixel of a screen at 96 dots per inch.
inline constexpr float kHairlinePt = 0.75f;

struct DrawOptions {
  DiaSettings settings;
  Unit unit = Unit::kMm;
  ScrapLimits scrap;
  // Paper: glass filled white and the sheet hatched dark blue.
  bool paper = false;
  // What the target shows of the layout's coordinates.
  UserScale scale;
  TextSizes text;
  // Outlines, cuts and their marks.
  float line_width_pt = kHairlinePt;
  float hatch_width_pt = kHairlinePt;
};

// The options of a view `view_width_pt` points wide: hairlines and texts from 6 points up to a
// size that grows with the view (8 points at least).
DrawOptions ScreenDrawOptions(const DiaSettings& settings, Unit unit, const ScrapLimits& scrap,
                              const UserScale& scale, float view_width_pt);
// The options of a page `page_width_pt` wide: lines 0.15 mm wide per step of the settings' line
// width, the hatching 0.1 mm, texts from 5 points up.
DrawOptions PaperDrawOptions(const DiaSettings& settings, Unit unit, const ScrapLimits& scrap,
                             const UserScale& scale, float page_width_pt);

// The sheet of layout n: its StockFrame's rectangle.
Box FrameBox(const LoadedResult& result, int layout_no);

// Draws layout n (1 .. LayoutCount()) in three passes: fills (the white sheet with its
// hatching, yellow margin strips, coloured glass), texts (margins, balances and glass by the
// settings, each inside its element or left out), outlines (the sheet with its size texts,
// margins, glass, full cuts with a mark and their position beyond the sheet edge, and with
// "Balance Boundries" scrap filled dark grey and balances outlined). Strips and leftovers
// without area are not drawn.
void DrawLayout(const LoadedResult& result, int layout_no, const DrawOptions& options,
                LayoutCanvas& canvas);

}  // namespace lumora

#endif  // LUMORA_CORE_LAYOUTS_LAYOUT_DRAWING_H_
