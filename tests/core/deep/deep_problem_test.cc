#include "core/deep/deep_problem.h"

#include <gtest/gtest.h>

#include <vector>

namespace lumora::deep {
namespace {

// A piece is never smaller on the grid than its real size and a stock's usable area never
// larger, each by less than a unit; a glass as large as the usable area still fits on the grid,
// unless its lengths are finer than the finest grid.
TEST(MakeDeepProblem, RoundsPiecesUpAndSheetsDownWithoutLosingAFit) {
  struct Case {
    const char* what;
    float l1, l2, margin;                     // the stock, all four margins alike
    std::vector<std::vector<float>> glasses;  // L1, L2; then a glass of the usable size
    double unit;
    bool usable_fits;
  };
  const Case cases[] = {
      {"whole millimetres", 2250, 3210, 0, {{1000, 500}, {333, 777}}, 1, true},
      {"a common divisor", 2000, 3000, 0, {{1000, 500}, {250, 750}}, 250, true},
      {"halves", 2250, 3210, 10.5f, {{1000.5f, 500}}, 0.5, true},
      {"hundredths, made coarser while the usable size holds",
       2250,
       3210,
       0,
       {{1000.25f, 500.01f}},
       0.08,
       true},
      {"thousandths on a coarser grid", 2250, 3210, 0.004f, {{1000.125f, 500}}, 0.32, false},
      {"a long coil on a coarser grid", 30000, 1220, 0, {{2999, 1219}}, 2, true},
      {"a long coil whose width a coarser grid loses", 30000, 1220, 0.5f, {{2999, 1000}}, 1, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    StockList stocks;
    StockRecord stock;
    stock.l1 = c.l1;
    stock.l2 = c.l2;
    stock.qty = 5;
    stock.m_l = stock.m_t = stock.m_r = stock.m_b = c.margin;
    stocks.Append(stock);
    const float usable_l1 = c.l1 - 2 * c.margin;
    const float usable_l2 = c.l2 - 2 * c.margin;
    GlassList glasses;
    std::vector<std::vector<float>> sizes = c.glasses;
    sizes.push_back({usable_l1, usable_l2});
    for (const auto& size : sizes) {
      GlassRecord glass;
      glass.l1 = size[0];
      glass.l2 = size[1];
      glass.qty = 1;
      glasses.Append(glass);
    }
    const DeepProblem problem = MakeDeepProblem(stocks, glasses, false);
    EXPECT_DOUBLE_EQ(problem.unit_mm, c.unit);
    ASSERT_EQ(problem.stocks.size(), 1u);
    const StockSize& sheet = problem.stocks[0];
    const double u = problem.unit_mm;
    EXPECT_TRUE(sheet.width * u <= usable_l2 + 1e-3 && sheet.width * u > usable_l2 - u);
    EXPECT_TRUE(sheet.height * u <= usable_l1 + 1e-3 && sheet.height * u > usable_l1 - u);
    ASSERT_EQ(problem.pieces.size(), sizes.size());
    for (size_t p = 0; p < sizes.size(); ++p) {
      const PieceSize& piece = problem.pieces[p];
      EXPECT_TRUE(piece.y[1] * u >= sizes[p][0] - 1e-3 && piece.y[1] * u < sizes[p][0] + u);
      EXPECT_TRUE(piece.x[1] * u >= sizes[p][1] - 1e-3 && piece.x[1] * u < sizes[p][1] + u);
    }
    EXPECT_EQ(
        problem.pieces.back().x[1] <= sheet.width && problem.pieces.back().y[1] <= sheet.height,
        c.usable_fits);
  }
}

}  // namespace
}  // namespace lumora::deep
