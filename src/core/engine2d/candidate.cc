#include "core/engine2d/candidate.h"

#include "core/engine2d/element_append.h"

namespace lumora {
namespace {

// Offers glass sizes to the rectangle, first at random when asked, then in list order.
bool FillRect(const PlacementSetup& setup, int rect, int pattern, bool random_phase,
              RandomState& random, QuantityList& glass_qty, ElementList& elements,
              bool& first_block) {
  const int glass_count = glass_qty.Count();
  if (random_phase && !first_block) {
    for (int repetition = 1; repetition <= glass_count; ++repetition) {
      const int glass = RandomInt(random, 1, glass_count);
      if (!(glass_qty[glass] > 0)) continue;
      if (PlaceBlock(setup, glass_qty, glass, elements, rect, pattern, first_block, random)
              .Placed()) {
        return true;
      }
    }
  }
  for (int glass = 1; glass <= glass_count; ++glass) {
    if (!(glass_qty[glass] > 0)) continue;
    if (PlaceBlock(setup, glass_qty, glass, elements, rect, pattern, first_block, random)
            .Placed()) {
      first_block = false;
      return true;
    }
  }
  return false;
}

}  // namespace

void StartLayout(const StockList& stocks, int stock_index, ElementList& elements) {
  elements.Clear();
  if (!stocks.Contains(stock_index)) return;
  const StockRecord& s = stocks[stock_index];
  AppendFrameAndMargins(elements, stock_index, s);
  AppendElement(elements, kFreeRect, stock_index, s.m_l, s.m_t, s.l2 - s.m_r, s.l1 - s.m_b);
}

bool BuildCandidate(const PlacementSetup& setup, const QuantityList& pass_glass, int stock_index,
                    int pattern, bool random_phase, RandomState& random,
                    QuantityList& working_glass, ElementList& elements) {
  working_glass = pass_glass;
  StartLayout(setup.stocks, stock_index, elements);
  const PlacementPattern* choices = FindPattern(pattern);
  if (choices == nullptr || elements.Empty()) return false;
  const LayoutElement& usable = elements[6];
  const float extent = choices->top_most_first ? usable.x2 - usable.x1 : usable.y2 - usable.y1;
  if (extent > setup.blade) return false;

  bool first_block = true;
  for (int rect = NextFreeRect(elements, pattern); rect != 0;
       rect = NextFreeRect(elements, pattern)) {
    if (!FillRect(setup, rect, pattern, random_phase, random, working_glass, elements,
                  first_block)) {
      elements[rect].kind = kNoFit;
    }
  }
  ResetNoFit(elements);
  return true;
}

void CompactLayout(ElementList& elements) {
  elements.EraseIf([](const LayoutElement& element) { return element.kind == kSpent; });
}

}  // namespace lumora
