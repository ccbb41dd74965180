#include "core/layouts/layout_texts.h"

#include <algorithm>
#include <cmath>

#include "core/base/ascii_case.h"
#include "core/base/number_text.h"

namespace lumora {
namespace {

// One ordered dimension with its marks: "+" when the placed size differs, then the placed size
// in brackets when the actual sizes are asked for.
std::string MarkedDimension(float ordered, std::string_view inch_text, float placed, bool actual,
                            Unit unit) {
  std::string text = OrderedLengthText(ordered, inch_text, unit);
  if (To3Decimals(placed) != To3Decimals(ordered)) {
    text += "+";
    if (actual) text += " (" + MeasuredLengthText(placed, unit) + ")";
  }
  return text;
}

std::string Description(const GlassRecord& glass) {
  const std::string_view customer = TrimBlanks(glass.customer);
  const std::string_view sr_no = TrimBlanks(glass.sr_no);
  std::string text(customer);
  if (!customer.empty() && !sr_no.empty()) text += " ";
  text += sr_no;
  return AsciiLower(text);
}

}  // namespace

std::string MeasuredLengthText(float mm, Unit unit) {
  return ToUnitText(GeneralText(To3Decimals(mm)), unit);
}

std::string OrderedLengthText(float mm, std::string_view inch_text, Unit unit) {
  if (unit != Unit::kIn) return TrimZeros(mm);
  const std::string_view entered = TrimBlanks(inch_text);
  return entered.empty() ? MMToInchText(GeneralText(mm)) : std::string(entered);
}

std::vector<TextArrangements> GlassTexts(const GlassRecord& glass, const LayoutElement& piece,
                                         float kerf, const DiaSettings& settings, Unit unit) {
  const bool dimensions = settings.On(DiaFlag::kGlassDimensions);
  const std::string description =
      settings.On(DiaFlag::kGlassDescription) ? Description(glass) : std::string();
  if (!dimensions && description.empty()) return {};

  // Orientation 2 lays the size's L1 along X, any other along Y.
  const float along_x = std::abs(piece.x2 - piece.x1) - kerf;
  const float along_y = std::abs(piece.y2 - piece.y1) - kerf;
  const bool l1_along_x = piece.orientation == 2;
  const bool actual = settings.On(DiaFlag::kGlassActualDimensions);
  const std::string l1 =
      MarkedDimension(glass.l1, glass.l1_in, l1_along_x ? along_x : along_y, actual, unit);
  const std::string l2 =
      MarkedDimension(glass.l2, glass.l2_in, l1_along_x ? along_y : along_x, actual, unit);

  TextArrangements dimension_lines;
  if (dimensions) dimension_lines = {{l1 + " x " + l2}, {l1, "x " + l2}};
  if (description.empty()) return {dimension_lines};
  if (!dimensions) return {{{description}}};
  TextArrangements with_description = dimension_lines;
  for (std::vector<std::string>& lines : with_description) lines.push_back(description);
  return {with_description, dimension_lines};
}

TextArrangements BalanceTexts(const LayoutElement& balance, float kerf, Unit unit) {
  float longer = std::abs(balance.y2 - balance.y1) - kerf;
  float shorter = std::abs(balance.x2 - balance.x1) - kerf;
  if (longer < shorter) std::swap(longer, shorter);
  const std::string l = MeasuredLengthText(longer, unit);
  const std::string s = MeasuredLengthText(shorter, unit);
  return {{l + " x " + s}, {l, "x " + s}};
}

std::string MarginText(const LayoutElement& strip, Unit unit) {
  return MeasuredLengthText(std::min(std::abs(strip.x2 - strip.x1), std::abs(strip.y2 - strip.y1)),
                            unit);
}

}  // namespace lumora
