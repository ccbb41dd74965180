#include "core/deep/line_geometry.h"

#include <algorithm>

namespace lumora {

LineGeometry::LineGeometry(const LineProblem& problem)
    : rules_(problem.rules), sheets_(problem.sheets) {
  int64_t area = 0;
  for (const LineSheet& sheet : sheets_) {
    area_before_.push_back(area);
    area += static_cast<int64_t>(sheet.width) * sheet.height;
  }
  area_before_.push_back(area);
  least_strip_ = std::max({rules_.min_strip_width, rules_.min_waste, 1});
  least_row_ = std::max({rules_.min_row_height, rules_.min_waste, 1});
}

const LineFlaw* LineGeometry::FlawIn(int32_t sheet, int32_t x, int32_t y, int32_t w,
                                     int32_t h) const {
  for (const LineFlaw& flaw : sheets_[sheet].flaws) {
    if (Touches(flaw, x, y, w, h)) return &flaw;
  }
  return nullptr;
}

const LineFlaw* LineGeometry::FlawUnderCut(int32_t sheet, int32_t x, int32_t y, int32_t w,
                                           int32_t h) const {
  return rules_.cuts_through_flaws ? nullptr : FlawIn(sheet, x, y, w, h);
}

std::optional<std::vector<int32_t>> LineGeometry::WasteStripCuts(int32_t sheet, int32_t from,
                                                                 int32_t to) const {
  const int32_t height = Height(sheet);
  std::vector<int32_t> cuts;
  int32_t left = from;
  if (to - left < least_strip_) return std::nullopt;
  while (to - left > rules_.max_strip_width) {
    // The widest strip that leaves enough for the rest, moved left off any flaw.
    int32_t cut = std::min(left + rules_.max_strip_width, to - least_strip_);
    while (cut >= left + least_strip_) {
      const LineFlaw* flaw = FlawUnderCut(sheet, cut, 0, 0, height);
      if (flaw == nullptr) break;
      cut = flaw->x - 1;
    }
    if (cut < left + least_strip_) return std::nullopt;
    cuts.push_back(cut);
    left = cut;
  }
  return cuts;
}

}  // namespace lumora
