#include "core/deep/kept_leftover.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "core/engine2d/engine_builders.h"

namespace lumora {
namespace {

using testing::Element;

struct Rect {
  float x1, y1, x2, y2;
  bool operator==(const Rect&) const = default;
};

// The last of two 1000 x 600 sheets (x across L2, y across L1). The part beyond the farthest
// piece on the side that keeps the larger rectangle becomes one leftover, the balances beside the
// pieces stay; a side whose rectangle would be narrower than the least side is not taken.
TEST(KeepOneLeftoverTest, TheRestBeyondThePiecesBecomesOneRectangle) {
  struct Case {
    std::string name;
    std::vector<LayoutElement> layout;  // after the frame
    float min_side;
    bool kept;
    std::vector<Rect> leftovers;
  };
  const Case cases[] = {
      {"across a vertical first cut",
       {Element(1, 0, 0, 400, 300), Element(1, 0, 300, 300, 600),
        Element(kFreeRect, 300, 300, 400, 600), Element(kFreeRect, 400, 0, 1000, 300),
        Element(kFreeRect, 400, 300, 1000, 600), Element(kFullCut, 400, 0, 400, 600)},
       0,
       true,
       {{300, 300, 400, 600}, {400, 0, 1000, 600}}},
      {"below a horizontal first cut",
       {Element(1, 0, 0, 400, 300), Element(kFreeRect, 400, 0, 1000, 300),
        Element(kFreeRect, 0, 300, 600, 600), Element(kFreeRect, 600, 300, 1000, 600),
        Element(kFullCut, 0, 300, 1000, 300)},
       100,
       true,
       {{400, 0, 1000, 300}, {0, 300, 1000, 600}}},
      // A balance the rectangle would cut shorter than the least side goes with it whole.
      {"beyond a balance too short to cut",
       {Element(1, 0, 0, 900, 300), Element(kFreeRect, 900, 0, 1000, 250),
        Element(kFreeRect, 900, 250, 1000, 450), Element(kFreeRect, 0, 300, 900, 600)},
       100,
       true,
       {{900, 0, 1000, 250}, {900, 250, 1000, 450}, {0, 300, 900, 450}, {0, 450, 1000, 600}}},
      {"through a balance long enough to cut",
       {Element(1, 0, 0, 900, 300), Element(kFreeRect, 900, 0, 1000, 250),
        Element(kFreeRect, 900, 250, 1000, 450), Element(kFreeRect, 0, 300, 900, 600)},
       50,
       true,
       {{900, 0, 1000, 250}, {900, 250, 1000, 300}, {0, 300, 1000, 600}}},
      {"narrower than the least side",
       {Element(1, 0, 0, 400, 300), Element(kFreeRect, 400, 0, 1000, 300),
        Element(kFreeRect, 0, 300, 1000, 600), Element(kFullCut, 0, 300, 1000, 300)},
       400,
       false,
       {{400, 0, 1000, 300}, {0, 300, 1000, 600}}},
  };
  const StockList stocks = testing::ListOf<StockRecord>({testing::Stock(600, 1000)});
  // An earlier sheet, filled by one piece, stays as it was.
  const LayoutElement earlier[] = {Element(kStockFrame, 0, 0, 1000, 600, 1, 1),
                                   Element(1, 0, 0, 1000, 600, 1)};
  for (const Case& c : cases) {
    ElementList elements;
    for (const LayoutElement& e : earlier) elements.Append(e);
    elements.Append(Element(kStockFrame, 0, 0, 1000, 600, 2, 1));
    for (const LayoutElement& e : c.layout) elements.Append(e);
    EXPECT_EQ(KeepOneLeftover(elements, stocks, c.min_side), c.kept) << c.name;
    EXPECT_EQ(std::tuple(elements[1], elements[2]), std::tuple(earlier[0], earlier[1])) << c.name;
    std::vector<Rect> leftovers;
    for (int i = 3; i <= elements.Count(); ++i) {
      const LayoutElement& e = elements[i];
      if (e.kind == kFreeRect) leftovers.push_back({e.x1, e.y1, e.x2, e.y2});
      if (c.kept) {
        EXPECT_EQ(e.layout_no, 2) << c.name << " " << i;
      }
    }
    EXPECT_EQ(leftovers, c.leftovers) << c.name;
  }
}

}  // namespace
}  // namespace lumora
