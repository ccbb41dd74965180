#ifndef LUMORA_CORE_DEEP_LINE_GEOMETRY_H_
#define LUMORA_CORE_DEEP_LINE_GEOMETRY_H_

#include <cstdint>
#include <optional>
#include <vector>

#include "core/engine2d/cutting_line.h"

// The sheets and rules of a line problem as the glass-line search asks about them, first cuts
// vertical. Sizes below which the search never goes are the rules' own where a part may be
// waste: a strip or row is never narrower than the least waste width either.
namespace lumora {

class LineGeometry {
 public:
  explicit LineGeometry(const LineProblem& problem);

  const CuttingLineRules& rules() const { return rules_; }
  int32_t SheetCount() const { return static_cast<int32_t>(sheets_.size()); }
  int32_t Width(int32_t sheet) const { return sheets_[sheet].width; }
  int32_t Height(int32_t sheet) const { return sheets_[sheet].height; }
  // The area of the sheets before this one.
  int64_t AreaBefore(int32_t sheet) const { return area_before_[sheet]; }

  int32_t least_strip() const { return least_strip_; }
  int32_t least_row() const { return least_row_; }
  int32_t least_waste() const { return rules_.min_waste; }
  int32_t most_strip() const { return rules_.max_strip_width; }

  // A flaw of the sheet touching the closed rectangle, or nullptr.
  const LineFlaw* FlawIn(int32_t sheet, int32_t x, int32_t y, int32_t w, int32_t h) const;
  // A flaw the cut along the rectangle of no width or no height would pass through, or nullptr;
  // always nullptr when the line may cut through flaws.
  const LineFlaw* FlawUnderCut(int32_t sheet, int32_t x, int32_t y, int32_t w, int32_t h) const;
  bool CutClear(int32_t sheet, int32_t x, int32_t y, int32_t w, int32_t h) const {
    return FlawUnderCut(sheet, x, y, w, h) == nullptr;
  }

  // The first cuts that part [from, to] of the sheet into waste strips the line can make, or
  // nullopt when there are none.
  std::optional<std::vector<int32_t>> WasteStripCuts(int32_t sheet, int32_t from, int32_t to) const;

 private:
  CuttingLineRules rules_;
  std::vector<LineSheet> sheets_;
  std::vector<int64_t> area_before_;
  int32_t least_strip_ = 0;
  int32_t least_row_ = 0;
};

}  // namespace lumora

#endif  // LUMORA_CORE_DEEP_LINE_GEOMETRY_H_
