#include "core/layouts/layout_hit.h"

#include "core/base/number_text.h"

namespace lumora {
namespace {

std::string SizeText(float mm, Unit unit) {
  const std::string text = GeneralText(mm);
  return unit == Unit::kIn ? MMToInchText(text) : text;
}

}  // namespace

LayoutRange RangeOfLayout(const LoadedResult& result, int layout_no) {
  if (layout_no < 1 || layout_no > result.LayoutCount()) return {};
  return {result.FirstOfLayout(layout_no), result.LastOfLayout(layout_no)};
}

int HitTest(const ElementList& elements, const LayoutRange& range, float x, float y) {
  int hit = 0;
  for (int i = range.first; i <= range.last; ++i) {
    if (!elements.Contains(i)) continue;
    const LayoutElement& e = elements[i];
    if (e.kind <= 0 && e.kind != kFreeRect) continue;
    if (e.x1 <= x && x <= e.x2 && e.y1 <= y && y <= e.y2) hit = i;
  }
  return hit;
}

std::string ElementToolTip(const LoadedResult& result, int element, Unit unit,
                           const ScrapLimits& scrap) {
  if (unit == Unit::kOther) return {};
  if (!result.shown.Contains(element)) return std::string(kAddToolTip);
  const LayoutElement& e = result.shown[element];
  const float kerf = result.basic.kerf;
  const std::string size =
      SizeText(e.y2 - e.y1 - kerf, unit) + " x " + SizeText(e.x2 - e.x1 - kerf, unit);
  if (e.kind > 0 && result.glasses.Contains(e.kind)) {
    const GlassRecord& glass = result.glasses[e.kind];
    return size + "  " + glass.customer + "  " + glass.sr_no;
  }
  if (e.kind == kFreeRect) {
    return (IsScrap(e.x1, e.y1, e.x2, e.y2, scrap) ? "Scrap " : "Balance ") + size;
  }
  return std::string(kAddToolTip);
}

}  // namespace lumora
