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

}  // namespace lumora

#endif  // LUMORA_CORE_ENGINE2D_ELEMENT_APPEND_H_
