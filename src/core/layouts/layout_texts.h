#ifndef LUMORA_CORE_LAYOUTS_LAYOUT_TEXTS_H_
#define LUMORA_CORE_LAYOUTS_LAYOUT_TEXTS_H_

#include <string>
#include <string_view>
#include <vector>

#include "core/base/unit_and_orn.h"
#include "core/engine2d/engine_records.h"
#include "core/layouts/dia_settings.h"

// What the layout drawing writes on its elements, as texts; where they go is the drawing's
// business.
namespace lumora {

// Lines of text to try in turn: each arrangement is one way of breaking the same texts into
// lines, the preferred first.
using TextArrangements = std::vector<std::vector<std::string>>;

// A length measured on the layout (mm) in the display unit: its general text at three decimals
// in millimetres, as an inch text in sixteenths in inches.
std::string MeasuredLengthText(float mm, Unit unit);

// A length as ordered (a sheet's or glass size's L1 or L2): the mm value shortened by TrimZeros
// in millimetres; in inches the inch text as entered, or made from the mm value when there is none.
std::string OrderedLengthText(float mm, std::string_view inch_text, Unit unit);

// The texts of a glass piece by the settings, in stages: the arrangements of the first stage
// hold every text asked for; the later ones leave the description out, for pieces too small to
// take it. Empty when the settings ask for no glass text. The dimensions are the glass size's
// ordered L1 and L2, each followed by "+" when the piece as placed (its extent less the kerf,
// along its orientation) differs, and with "Glass Actual Dimensions" by the placed size in
// brackets.
std::vector<TextArrangements> GlassTexts(const GlassRecord& glass, const LayoutElement& piece,
                                         float kerf, const DiaSettings& settings, Unit unit);

// A balance's size, the longer side first, kerf taken off: "L x S", or broken before the "x".
TextArrangements BalanceTexts(const LayoutElement& balance, float kerf, Unit unit);

// A margin strip's width (its smaller extent).
std::string MarginText(const LayoutElement& strip, Unit unit);

}  // namespace lumora

#endif  // LUMORA_CORE_LAYOUTS_LAYOUT_TEXTS_H_
