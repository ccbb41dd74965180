#ifndef LUMORA_CORE_ENGINE2D_ELEMENT_APPEND_H_
#define LUMORA_CORE_ENGINE2D_ELEMENT_APPEND_H_

#include "core/engine2d/engine_records.h"

namespace lumora {

// Appends an element of the kind on the stock with the given corners; the other fields are 0.
inline void AppendElement(ElementList& elements, int kind, int stock_index, float x1, float y1,
                          float x2, float y2) {
  LayoutElement element;
  element.kind = kind;
  element.stock_index = stock_index;
  element.x1 = x1;
  element.y1 = y1;
  element.x2 = x2;
  element.y2 = y2;
  elements.Append(element);
}

// Appends the stock frame of a layout and its four margin strips, in the order the layouts keep
// them: the strip of M(L), of M(T), of M(R), of M(B). Engine coordinates.
inline void AppendFrameAndMargins(ElementList& elements, int stock_index, const StockRecord& s) {
  AppendElement(elements, kStockFrame, stock_index, 0, 0, s.l2, s.l1);
  AppendElement(elements, kMarginStrip, stock_index, 0, 0, s.m_l, s.l1);
  AppendElement(elements, kMarginStrip, stock_index, s.m_l, 0, s.l2, s.m_t);
  AppendElement(elements, kMarginStrip, stock_index, s.l2 - s.m_r, s.m_t, s.l2, s.l1);
  AppendElement(elements, kMarginStrip, stock_index, s.m_l, s.l1 - s.m_b, s.l2 - s.m_r, s.l1);
}

}  // namespace lumora

#endif  // LUMORA_CORE_ENGINE2D_ELEMENT_APPEND_H_
