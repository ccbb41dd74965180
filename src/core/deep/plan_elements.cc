#include "core/deep/plan_elements.h"

#include <algorithm>

#include "core/engine2d/element_append.h"

namespace lumora::deep {
namespace {

bool SameLayout(const SheetPattern& a, const SheetPattern& b) {
  const auto same_rect = [](const UnitRect& r, const UnitRect& s) {
    return r.x == s.x && r.y == s.y && r.width == s.width && r.height == s.height;
  };
  if (a.stock != b.stock || a.pieces.size() != b.pieces.size() ||
      a.free_rects.size() != b.free_rects.size() || a.cuts_across != b.cuts_across ||
      a.stage_cuts != b.stage_cuts) {
    return false;
  }
  for (size_t i = 0; i < a.pieces.size(); ++i) {
    if (a.pieces[i].piece != b.pieces[i].piece ||
        a.pieces[i].orientation != b.pieces[i].orientation ||
        !same_rect(a.pieces[i].rect, b.pieces[i].rect)) {
      return false;
    }
  }
  for (size_t i = 0; i < a.free_rects.size(); ++i) {
    if (!same_rect(a.free_rects[i], b.free_rects[i])) return false;
  }
  return true;
}

void AppendLayoutElements(const SheetPattern& pattern, const DeepProblem& problem,
                          const StockList& stocks, const GlassList& glasses, int layout_no,
                          int repeat, ElementList& result) {
  const int s = problem.stocks[static_cast<size_t>(pattern.stock)].stock_index;
  const StockRecord& stock = stocks[s];
  const double unit = problem.unit_mm;
  const double right = static_cast<double>(stock.l2) - stock.m_r;
  const double bottom = static_cast<double>(stock.l1) - stock.m_b;
  const auto x_at = [&](int units) {
    return static_cast<float>(std::min(stock.m_l + units * unit, right));
  };
  const auto y_at = [&](int units) {
    return static_cast<float>(std::min(stock.m_t + units * unit, bottom));
  };
  const int first = result.Count() + 1;
  AppendFrameAndMargins(result, s, stock);
  const StockSize& size = problem.stocks[static_cast<size_t>(pattern.stock)];
  for (const PlacedPiece& placed : pattern.pieces) {
    const int g = problem.pieces[static_cast<size_t>(placed.piece)].glass_index;
    const GlassRecord& glass = glasses[g];
    const float along_x = placed.orientation == 1 ? glass.l2 : glass.l1;
    const float along_y = placed.orientation == 1 ? glass.l1 : glass.l2;
    const float x1 = x_at(placed.rect.x);
    const float y1 = y_at(placed.rect.y);
    AppendElement(result, g, s, x1, y1, x1 + along_x, y1 + along_y);
    result.Back().orientation = placed.orientation;
  }
  for (const UnitRect& rect : pattern.free_rects) {
    // A space reaching the grid's last unit reaches the real edge: the grid rounds it down.
    const float x2 =
        rect.x + rect.width >= size.width ? static_cast<float>(right) : x_at(rect.x + rect.width);
    const float y2 = rect.y + rect.height >= size.height ? static_cast<float>(bottom)
                                                         : y_at(rect.y + rect.height);
    AppendElement(result, kFreeRect, s, x_at(rect.x), y_at(rect.y), x2, y2);
  }
  for (int cut : pattern.stage_cuts) {
    if (pattern.cuts_across) {
      AppendElement(result, kFullCut, s, 0, y_at(cut), stock.l2, y_at(cut));
    } else {
      AppendElement(result, kFullCut, s, x_at(cut), 0, x_at(cut), stock.l1);
    }
  }
  for (int i = first; i <= result.Count(); ++i) {
    result[i].layout_no = layout_no;
    result[i].repeat = static_cast<float>(repeat);
  }
}

}  // namespace

ElementList PlanElements(const Plan& plan, const DeepProblem& problem, const StockList& stocks,
                         const GlassList& glasses) {
  std::vector<PlannedLayout> merged;
  for (const PlannedLayout& layout : plan.layouts) {
    if (layout.repeat <= 0) continue;
    const auto same = std::find_if(merged.begin(), merged.end(), [&](const PlannedLayout& m) {
      return SameLayout(m.pattern, layout.pattern);
    });
    if (same != merged.end()) {
      same->repeat += layout.repeat;
    } else {
      merged.push_back(layout);
    }
  }
  ElementList result;
  int layout_no = 0;
  for (const PlannedLayout& layout : merged) {
    AppendLayoutElements(layout.pattern, problem, stocks, glasses, ++layout_no, layout.repeat,
                         result);
  }
  return result;
}

}  // namespace lumora::deep
