#include "core/layouts/layout_drawing.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/engine2d/engine_builders.h"
#include "core/layouts/layout_colours.h"

namespace lumora {
namespace {

using ::testing::Contains;
using testing::Element;
using testing::Glass;
using ::testing::Not;
using testing::Stock;

bool operator==(const Box& a, const Box& b) {
  return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2;
}

enum class Op { kFill, kOutline, kLine, kHatch, kText };

struct Drawn {
  Op op;
  Box box;
  Rgb colour;
  std::string text;
  TextStyle style;
};

// Records what the drawing paints. Texts measure as a fixed-pitch font whose characters are
// 0.6 of the size wide and 1.2 of it deep, at `mm_per_pt` millimetres of the layout per point.
class RecordingCanvas : public LayoutCanvas {
 public:
  explicit RecordingCanvas(float mm_per_pt) : mm_per_pt_(mm_per_pt) {}

  void FillRect(const Box& box, Rgb colour) override {
    drawn.push_back({Op::kFill, box, colour, {}, {}});
  }
  void OutlineRect(const Box& box, Rgb colour, float) override {
    drawn.push_back({Op::kOutline, box, colour, {}, {}});
  }
  void Line(Point from, Point to, Rgb colour, float) override {
    drawn.push_back({Op::kLine, Box{from.x, from.y, to.x, to.y}, colour, {}, {}});
  }
  void Hatch(const Box& box, Rgb colour, float, float) override {
    drawn.push_back({Op::kHatch, box, colour, {}, {}});
  }
  void Text(const Box& box, std::string_view text, const TextStyle& style, Rgb colour) override {
    drawn.push_back({Op::kText, box, colour, std::string(text), style});
  }
  TextExtent MeasureText(std::string_view text, const TextStyle& style) const override {
    return TextExtent{0.6f * style.size_pt * mm_per_pt_ * static_cast<float>(text.size()),
                      1.2f * style.size_pt * mm_per_pt_};
  }

  std::vector<Drawn> Of(Op op) const {
    std::vector<Drawn> of;
    std::copy_if(drawn.begin(), drawn.end(), std::back_inserter(of),
                 [op](const Drawn& d) { return d.op == op; });
    return of;
  }
  int Count(Op op, Rgb colour) const {
    return static_cast<int>(std::count_if(drawn.begin(), drawn.end(), [&](const Drawn& d) {
      return d.op == op && d.colour == colour;
    }));
  }
  bool Has(Op op, Rgb colour, const Box& box) const {
    return std::any_of(drawn.begin(), drawn.end(), [&](const Drawn& d) {
      return d.op == op && d.colour == colour && d.box == box;
    });
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const Drawn& d : Of(Op::kText)) texts.push_back(d.text);
    return texts;
  }

  std::vector<Drawn> drawn;

 private:
  float mm_per_pt_;
};

// Sheet 2440 x 1830 (kerf 4) with a 10 mm left margin and a top margin of no depth:
//
//   +--+-----------+-----------+-+
//   |  |  glass 1  |  glass 1  |s|   s: scrap 26 x 804
//   |  +---+-------+-----------+-+   full cut along X at Y 804
//   |  |23 |       balance       |   full cut along Y at X 214
//   +--+---+---------------------+
//
// 23 glass sizes, so that sizes 1 and 23 share a colour.
LoadedResult SmallResult() {
  LoadedResult result;
  result.basic.kerf = 4;
  result.stocks.Append(Stock(2440, 1830));
  for (int i = 1; i <= 23; ++i) {
    GlassRecord glass = Glass(1200 - 40.0f * static_cast<float>(i - 1), 800, 2);
    glass.customer = "CITY Doors";
    glass.sr_no = "R" + std::to_string(i);
    result.glasses.Append(glass);
  }
  result.glasses[23].l1 = 300;
  result.glasses[23].l2 = 200;
  const std::vector<LayoutElement> elements = {
      Element(kStockFrame, 0, 0, 2444, 1834, 1, 1),   Element(kMarginStrip, 0, 0, 10, 1834, 1, 1),
      Element(kMarginStrip, 0, 0, 2444, 0, 1, 1),     Element(1, 10, 0, 1214, 804, 1, 1, 1, 2),
      Element(1, 1214, 0, 2418, 804, 1, 1, 1, 2),     Element(23, 10, 804, 214, 1108, 1, 1, 1, 1),
      Element(kFreeRect, 214, 804, 2444, 1834, 1, 1), Element(kFreeRect, 2418, 0, 2444, 804, 1, 1),
      Element(kFullCut, 10, 804, 2444, 804, 1, 1),    Element(kFullCut, 214, 804, 214, 1834, 1, 1),
  };
  for (const LayoutElement& e : elements) {
    result.elements.Append(e);
    result.shown.Append(e);
  }
  result.frames.Append(1);
  return result;
}

DiaSettings AllOn() {
  DiaSettings settings;
  settings.flags.fill(true);
  return settings;
}

const ScrapLimits kScrap{500, 300};

struct Drawing {
  RecordingCanvas canvas;
  DrawOptions options;
};

// The layout as a view `view_pt` points wide shows it.
Drawing Draw(const LoadedResult& result, const DiaSettings& settings, float view_pt = 600,
             bool paper = false) {
  const Box sheet = FrameBox(result, 1);
  const UserScale scale = ScreenScale(sheet.Width(), sheet.Height(), false);
  DrawOptions options = paper ? PaperDrawOptions(settings, "MM", kScrap, scale, view_pt)
                              : ScreenDrawOptions(settings, "MM", kScrap, scale, view_pt);
  Drawing drawing{RecordingCanvas(scale.width / view_pt), options};
  DrawLayout(result, 1, options, drawing.canvas);
  return drawing;
}

TEST(LayoutDrawingTest, FillsTheSheetMarginsGlassAndScrapByTheColourTable) {
  const LoadedResult result = SmallResult();
  const Drawing drawing = Draw(result, AllOn());
  const std::vector<Drawn> fills = drawing.canvas.Of(Op::kFill);
  ASSERT_GE(fills.size(), 5u);
  EXPECT_EQ(drawing.canvas.drawn[0].op, Op::kFill);
  EXPECT_TRUE(drawing.canvas.Has(Op::kFill, kWhite, Box{0, 0, 2444, 1834}));
  EXPECT_EQ(drawing.canvas.drawn[1].op, Op::kHatch);
  EXPECT_EQ(drawing.canvas.drawn[1].colour, kLightGrey);
  // The margin strip without depth is left out.
  EXPECT_EQ(drawing.canvas.Count(Op::kFill, kYellow), 1);
  EXPECT_TRUE(drawing.canvas.Has(Op::kFill, kYellow, Box{0, 0, 10, 1834}));
  EXPECT_EQ(fills[2].colour, kGlassColours[1]);
  EXPECT_EQ(fills[3].colour, kGlassColours[1]);
  EXPECT_EQ(fills[4].colour, kGlassColours[1]) << "size 23 shares the colour of size 1";
  EXPECT_NE(kGlassColours[2], kGlassColours[1]);
  DiaSettings one_colour = AllOn();
  one_colour.Set(DiaFlag::kGlassColor, false);
  EXPECT_EQ(Draw(result, one_colour).canvas.Of(Op::kFill)[4].colour, kLightCyan);
  // On paper the glass is white and the hatching dark blue.
  const Drawing paper = Draw(result, AllOn(), 600, true);
  EXPECT_EQ(paper.canvas.drawn[1].colour, kDarkBlue);
  EXPECT_EQ(paper.canvas.Of(Op::kFill)[2].colour, kWhite);
  EXPECT_GT(paper.options.line_width_pt, 0);

  // Scrap and balances show only with "Balance Boundries".
  const Box balance{214, 804, 2444, 1834};
  const Box scrap{2418, 0, 2444, 804};
  EXPECT_EQ(drawing.canvas.Count(Op::kFill, kDarkGrey), 1);
  EXPECT_TRUE(drawing.canvas.Has(Op::kFill, kDarkGrey, scrap));
  EXPECT_TRUE(drawing.canvas.Has(Op::kOutline, kBlack, balance));
  EXPECT_FALSE(drawing.canvas.Has(Op::kOutline, kBlack, scrap));
  DiaSettings off = AllOn();
  off.Set(DiaFlag::kBalanceBoundries, false);
  const Drawing without = Draw(result, off);
  EXPECT_EQ(without.canvas.Count(Op::kFill, kDarkGrey), 0);
  EXPECT_FALSE(without.canvas.Has(Op::kOutline, kBlack, balance));
  EXPECT_TRUE(without.canvas.Has(Op::kOutline, kBlack, Box{0, 0, 2444, 1834}));
  EXPECT_TRUE(without.canvas.Has(Op::kOutline, kBlack, Box{10, 0, 1214, 804}));
}

TEST(LayoutDrawingTest, FullCutsAreLinesWithAMarkAndTheirPositionBeyondTheEdge) {
  const Drawing drawing = Draw(SmallResult(), DiaSettings{});
  const std::vector<Drawn> lines = drawing.canvas.Of(Op::kLine);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_TRUE(lines[0].box == (Box{10, 804, 2444, 804}));
  EXPECT_EQ(lines[1].box.x1, 2444);
  EXPECT_GT(lines[1].box.x2, 2444);
  EXPECT_EQ(lines[1].box.y2, 804);
  EXPECT_TRUE(lines[2].box == (Box{214, 804, 214, 1834}));
  EXPECT_EQ(lines[3].box.y1, 1834);
  EXPECT_GT(lines[3].box.y2, 1834);
  // With every setting off only the cut positions are written.
  EXPECT_EQ(drawing.canvas.Texts(), (std::vector<std::string>{"804", "214"}));
  for (const Drawn& text : drawing.canvas.Of(Op::kText)) {
    EXPECT_TRUE(text.box.x1 >= 2444 || text.box.y1 >= 1834);
  }
}

TEST(LayoutDrawingTest, GlassTextsFollowTheSettings) {
  LoadedResult result = SmallResult();
  EXPECT_THAT(Draw(result, AllOn()).canvas.Texts(), Contains("1200 x 800").Times(1))
      << "only the first piece of the block";
  DiaSettings every_piece = AllOn();
  every_piece.Set(DiaFlag::kOnlyFirstInBlock, false);
  const std::vector<std::string> texts = Draw(result, every_piece).canvas.Texts();
  EXPECT_THAT(texts, Contains("1200 x 800").Times(2));
  EXPECT_THAT(texts, Contains("city doors r1").Times(2));
  EXPECT_THAT(texts, Contains("2226 x 1026")) << "the balance, kerf off, longer side first";
  EXPECT_THAT(texts, Not(Contains("10"))) << "a 10 mm margin has no room for a readable text";
  EXPECT_THAT(texts, Contains("2440"));
  EXPECT_THAT(texts, Contains("1830"));

  result.shown[2].x2 = 200;
  EXPECT_THAT(Draw(result, every_piece).canvas.Texts(), Contains("200")) << "a wide margin";

  // A piece placed 5 mm longer than ordered is marked, with its placed size when asked.
  result.shown[4].x2 += 5;
  EXPECT_THAT(Draw(result, AllOn()).canvas.Texts(), Contains("1200+ (1205) x 800"));
  DiaSettings no_actual = AllOn();
  no_actual.Set(DiaFlag::kGlassActualDimensions, false);
  no_actual.Set(DiaFlag::kGlassDescription, false);
  const std::vector<std::string> plain = Draw(result, no_actual).canvas.Texts();
  EXPECT_THAT(plain, Contains("1200+ x 800"));
  EXPECT_THAT(plain, Not(Contains("city doors r1")));
}

// Every text lies inside its element (glass, balance, margin) or, for the sheet's size and the
// cut positions, inside the view outside the sheet, and is as large as its box says; at small
// scales texts are left out rather than squeezed below the smallest size.
TEST(LayoutDrawingTest, EveryTextStaysInsideItsElementAtAnyScale) {
  LoadedResult result = SmallResult();
  std::vector<Box> holders;
  for (const LayoutElement& e : result.shown) {
    if (e.kind > 0 || e.kind == kFreeRect || e.kind == kMarginStrip) {
      holders.push_back(Box{e.x1, e.y1, e.x2, e.y2});
    }
  }
  const Box sheet{0, 0, 2444, 1834};
  for (const float view_pt : {60.0f, 150.0f, 300.0f, 600.0f, 1200.0f, 4000.0f}) {
    for (const bool stretch : {false, true}) {
      const UserScale scale = ScreenScale(sheet.Width(), sheet.Height(), stretch);
      const DrawOptions options = ScreenDrawOptions(AllOn(), "IN", kScrap, scale, view_pt);
      RecordingCanvas canvas(scale.width / view_pt);
      DrawLayout(result, 1, options, canvas);
      const Box view{scale.left, scale.top, scale.Right(), scale.Bottom()};
      for (const Drawn& text : canvas.Of(Op::kText)) {
        SCOPED_TRACE(text.text + " at " + std::to_string(view_pt) + " pt");
        EXPECT_GE(text.style.size_pt, options.text.min_pt);
        EXPECT_LE(text.style.size_pt, options.text.max_pt);
        const TextExtent extent = canvas.MeasureText(text.text, text.style);
        const float wide = text.style.vertical ? extent.across : extent.along;
        const float deep = text.style.vertical ? extent.along : extent.across;
        EXPECT_GE(text.box.Width(), wide * 0.999f);
        EXPECT_GE(text.box.Height(), deep * 0.999f);
        if (sheet.Overlaps(text.box)) {
          EXPECT_TRUE(std::any_of(holders.begin(), holders.end(),
                                  [&](const Box& holder) { return holder.Contains(text.box); }));
        } else {
          EXPECT_TRUE(view.Contains(text.box));
        }
      }
      if (view_pt <= 60) {
        EXPECT_THAT(canvas.Texts(), Not(Contains("47 1/4 x 31 1/2")));
      }
      if (view_pt >= 600) {
        EXPECT_THAT(canvas.Texts(), Contains("47 1/4 x 31 1/2"));
      }
    }
  }
}

}  // namespace
}  // namespace lumora
