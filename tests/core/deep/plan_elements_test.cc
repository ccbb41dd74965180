#include "core/deep/plan_elements.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/engine2d/engine_builders.h"

namespace lumora::deep {
namespace {

// Layouts that come out identical merge into one whose Repeat is their sum; a layout on another
// stock or with a piece elsewhere stays apart, and one cut no times is left out. Written as
// "layout x repeat" per layout of the elements.
TEST(PlanElements, MergesIdenticalLayoutsAndSumsTheirRepeats) {
  struct Sheet {
    int stock;
    int piece_x;
    int repeat;
  };
  struct Case {
    std::vector<Sheet> sheets;
    std::string layouts;
  };
  const Case cases[] = {
      {{{0, 0, 2}, {0, 0, 1}}, "1x3"},
      {{{0, 0, 2}, {0, 5, 1}, {0, 0, 1}}, "1x3 2x1"},
      {{{0, 0, 1}, {1, 0, 1}}, "1x1 2x1"},
      {{{0, 0, 0}, {0, 5, 1}}, "1x1"},
  };
  const StockList stocks =
      testing::ListOf<StockRecord>({testing::Stock(10, 10, 9), testing::Stock(10, 11, 9)});
  const GlassList glasses = testing::ListOf<GlassRecord>({testing::Glass(5, 5, 9)});
  const DeepProblem problem = MakeDeepProblem(stocks, glasses, false);
  for (const Case& c : cases) {
    Plan plan;
    for (const Sheet& sheet : c.sheets) {
      SheetPattern pattern;
      pattern.stock = sheet.stock;
      pattern.pieces.push_back({0, 1, {sheet.piece_x, 0, 5, 5}});
      pattern.free_rects.push_back({0, 5, 10, 5});
      pattern.stage_cuts.push_back(5);
      plan.layouts.push_back({pattern, sheet.repeat});
    }
    std::string layouts;
    for (const LayoutElement& element : PlanElements(plan, problem, stocks, glasses)) {
      if (element.kind != kStockFrame) continue;
      if (!layouts.empty()) layouts += " ";
      layouts += std::to_string(element.layout_no) + "x" +
                 std::to_string(static_cast<int>(element.repeat));
    }
    EXPECT_EQ(layouts, c.layouts);
  }
}

// A sheet's elements in mm from its corner: the pieces and balances from its margins, a
// first-stage cut from edge to edge, across or down the sheet.
TEST(PlanElements, PlacesPiecesBalancesAndCutsFromTheMargins) {
  const StockList stocks = testing::ListOf<StockRecord>({testing::Stock(600, 1000, 9, 10, 5, 3)});
  const GlassList glasses = testing::ListOf<GlassRecord>({testing::Glass(300, 400, 9)});
  const DeepProblem problem = MakeDeepProblem(stocks, glasses, false);
  std::string text;
  for (bool across : {true, false}) {
    Plan plan;
    SheetPattern pattern;
    pattern.stock = 0;
    pattern.cuts_across = across;
    pattern.pieces.push_back({0, 1, {0, 0, 400, 300}});
    pattern.free_rects.push_back({400, 0, 587, 300});
    pattern.stage_cuts.push_back(across ? 300 : 400);
    plan.layouts.push_back({pattern, 1});
    for (const LayoutElement& e : PlanElements(plan, problem, stocks, glasses)) {
      if (e.kind == kStockFrame || e.kind == kMarginStrip) continue;
      text += std::to_string(e.kind) + ":" + std::to_string(static_cast<int>(e.x1)) + "," +
              std::to_string(static_cast<int>(e.y1)) + "," +
              std::to_string(static_cast<int>(e.x2)) + "," +
              std::to_string(static_cast<int>(e.y2)) + " ";
    }
    text += "| ";
  }
  EXPECT_EQ(text,
            "1:10,5,410,305 -4:410,5,997,305 -6:0,305,1000,305 | "
            "1:10,5,410,305 -4:410,5,997,305 -6:410,0,410,600 | ");
}

}  // namespace
}  // namespace lumora::deep
