#ifndef LUMORA_TESTS_CORE_ENGINE2D_ENGINE_BUILDERS_H_
#define LUMORA_TESTS_CORE_ENGINE2D_ENGINE_BUILDERS_H_

#include <string>
#include <vector>

#include "core/engine2d/engine_records.h"
#include "core/tables/grid.h"

// Small builders for hand-made engine inputs.
namespace lumora::testing {

inline StockRecord Stock(float l1, float l2, float qty = 1, float m_l = 0, float m_t = 0,
                         float m_r = 0, float m_b = 0) {
  return {l1, l2, {}, {}, qty, m_l, m_t, m_r, m_b, 0, l1, l2};
}

inline GlassRecord Glass(float l1, float l2, float qty, float orn = 0) {
  GlassRecord g;
  g.l1 = g.l1_as_read = l1;
  g.l2 = g.l2_as_read = l2;
  g.qty = qty;
  g.orn = OrnOfNumber(orn);
  return g;
}

template <typename T>
OneBasedList<T> ListOf(const std::vector<T>& items) {
  OneBasedList<T> list;
  for (const T& item : items) list.Append(item);
  return list;
}

inline LayoutElement Element(int kind, float x1, float y1, float x2, float y2, int layout_no = 0,
                             float repeat = 0, int stock_index = 1, int orientation = 0) {
  return {layout_no, kind, stock_index, x1, y1, x2, y2, repeat, orientation};
}

// A job grid: the header row, the given data rows (cells from column 1), the blank entry row.
inline Grid JobGrid(int data_cols, const std::vector<std::vector<std::string>>& rows) {
  Grid grid(static_cast<int>(rows.size()) + 2, data_cols + 1);
  for (size_t r = 0; r < rows.size(); ++r) {
    for (size_t c = 0; c < rows[r].size(); ++c) {
      grid.SetText(static_cast<int>(r) + 1, static_cast<int>(c) + 1, rows[r][c]);
    }
  }
  return grid;
}

}  // namespace lumora::testing

#endif  // LUMORA_TESTS_CORE_ENGINE2D_ENGINE_BUILDERS_H_
