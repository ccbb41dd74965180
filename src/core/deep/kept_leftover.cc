#include "core/deep/kept_leftover.h"

#include <algorithm>
#include <array>
#include <optional>

#include "core/engine2d/edge_span.h"
#include "core/engine2d/element_append.h"

namespace lumora {
namespace {

// An element's extent along axis 0 (x) or 1 (y).
Span Along(const LayoutElement& e, int axis) {
  return axis == 0 ? Span{e.x1, e.x2} : Span{e.y1, e.y2};
}

// Where the kept rectangle starts along the axis, or nothing when it cannot be kept there.
std::optional<float> KeptStart(const ElementList& elements, int first, Span usable, Span across,
                               int axis, float min_side) {
  float start = usable.lo;
  for (int i = first; i <= elements.Count(); ++i) {
    const LayoutElement& e = elements[i];
    if (e.kind > 0) start = std::max(start, Along(e, axis).hi);
    // The first-stage cuts must part the rectangle from the pieces, not cut across it.
    if (e.kind == kFullCut && Along(e, axis).lo == Along(e, axis).hi) continue;
    if (e.kind == kFullCut) return std::nullopt;
  }
  // A leftover cut short must stay at least min_side; else the rectangle starts beyond it.
  for (bool moved = true; moved;) {
    moved = false;
    for (int i = first; i <= elements.Count(); ++i) {
      const Span span = Along(elements[i], axis);
      if (elements[i].kind == kFreeRect && span.lo < start - kSameEdge &&
          span.hi > start + kSameEdge && start - span.lo < min_side) {
        start = span.hi;
        moved = true;
      }
    }
  }
  if (!(usable.hi - start > kSameEdge) || usable.hi - start < min_side ||
      across.hi - across.lo < min_side) {
    return std::nullopt;
  }
  return start;
}

}  // namespace

bool KeepOneLeftover(ElementList& elements, const StockList& stocks, float min_side) {
  int first = elements.Count();
  while (first >= 1 && elements[first].kind != kStockFrame) --first;
  if (first < 1 || !stocks.Contains(elements[first].stock_index)) return false;
  const LayoutElement frame = elements[first];
  const StockRecord& stock = stocks[frame.stock_index];
  const std::array<Span, 2> usable = {Span{stock.m_l, stock.l2 - stock.m_r},
                                      Span{stock.m_t, stock.l1 - stock.m_b}};
  int axis = -1;
  float start = 0;
  double best_area = 0;
  for (int a = 0; a < 2; ++a) {
    const Span across = usable[static_cast<size_t>(1 - a)];
    const std::optional<float> at =
        KeptStart(elements, first, usable[static_cast<size_t>(a)], across, a, min_side);
    if (!at) continue;
    const double area =
        static_cast<double>(usable[static_cast<size_t>(a)].hi - *at) * (across.hi - across.lo);
    if (area > best_area) {
      best_area = area;
      axis = a;
      start = *at;
    }
  }
  if (axis < 0) return false;

  ElementList kept;
  for (int i = 1; i < first; ++i) kept.Append(elements[i]);
  bool cut_there = false;
  for (int i = first; i <= elements.Count(); ++i) {
    LayoutElement e = elements[i];
    const Span span = Along(e, axis);
    if (e.kind == kFreeRect && span.lo >= start - kSameEdge) continue;
    if (e.kind == kFreeRect && span.hi > start + kSameEdge) (axis == 0 ? e.x2 : e.y2) = start;
    if (e.kind == kFullCut) {
      if (span.lo > start + kSameEdge) continue;
      cut_there = cut_there || span.lo >= start - kSameEdge;
    }
    kept.Append(e);
  }
  const Span across = usable[static_cast<size_t>(1 - axis)];
  const float end = usable[static_cast<size_t>(axis)].hi;
  if (axis == 0) {
    AppendElement(kept, kFreeRect, frame.stock_index, start, across.lo, end, across.hi);
    if (!cut_there) AppendElement(kept, kFullCut, frame.stock_index, start, 0, start, stock.l1);
  } else {
    AppendElement(kept, kFreeRect, frame.stock_index, across.lo, start, across.hi, end);
    if (!cut_there) AppendElement(kept, kFullCut, frame.stock_index, 0, start, stock.l2, start);
  }
  for (int i = first; i <= kept.Count(); ++i) {
    kept[i].layout_no = frame.layout_no;
    kept[i].repeat = frame.repeat;
  }
  elements = std::move(kept);
  return true;
}

}  // namespace lumora
