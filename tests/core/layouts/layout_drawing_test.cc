#include "core/layouts/layout_drawing.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "core/engine2d/engine_builders.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

using ::testing::Contains;
using testing::Element;
using testing::Glass;
using ::testing::Not;
using testing::Stock;

struct DrawnText {
  Box box;
  std::string text;
  TextStyle style;
};

// Logs what the drawing paints, a line per call. Texts measure as a fixed-pitch font whose
// characters are 0.6 of the size wide and 1.2 of it deep, at `mm_per_pt` millimetres of the
// layout per point.
class RecordingCanvas : public LayoutCanvas {
 public:
  explicit RecordingCanvas(float mm_per_pt) : mm_per_pt_(mm_per_pt) {}
  void FillRect(const Box& box, Rgb colour) override { Log("fill", box, colour) << "\n"; }
  void OutlineRect(const Box& box, Rgb colour, float width_pt) override {
    Log("outline", box, colour) << " " << width_pt << "\n";
  }
  void Line(Point a, Point b, Rgb colour, float width_pt) override {
    Log("line", Box{a.x, a.y, b.x, b.y}, colour) << " " << width_pt << "\n";
  }
  void Hatch(const Box& box, Rgb colour, float spacing, float width_pt) override {
    Log("hatch", box, colour) << " " << spacing << " " << width_pt << "\n";
  }
  void Text(const Box& box, std::string_view text, const TextStyle& style, Rgb colour) override {
    Log("text", box, colour) << " " << style.size_pt << (style.bold ? " bold" : "")
                             << (style.vertical ? " vertical" : "") << " \"" << text << "\"\n";
    texts.push_back({box, std::string(text), style});
  }
  TextExtent MeasureText(std::string_view text, const TextStyle& style) const override {
    return TextExtent{0.6f * style.size_pt * mm_per_pt_ * static_cast<float>(text.size()),
                      1.2f * style.size_pt * mm_per_pt_};
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> all;
    for (const DrawnText& t : texts) all.push_back(t.text);
    return all;
  }
  std::ostringstream log;
  std::vector<DrawnText> texts;

 private:
  std::ostream& Log(const char* op, const Box& b, Rgb c) {
    return log << op << " " << b.x1 << " " << b.y1 << " " << b.x2 << " " << b.y2 << " rgb(" << c.r
               << "," << c.g << "," << c.b << ")";
  }
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

// Every setting on but those named.
DiaSettings AllOn(std::initializer_list<DiaFlag> off = {}) {
  DiaSettings settings;
  settings.flags.fill(true);
  for (const DiaFlag flag : off) settings.Set(flag, false);
  return settings;
}

const ScrapLimits kScrap{500, 300};

// The layout as a view 600 points wide shows it, on screen or on paper.
RecordingCanvas Draw(const LoadedResult& result, const DiaSettings& settings, bool paper = false) {
  const UserScale scale = ScreenScale(2444, 1834, false);
  RecordingCanvas canvas(scale.width / 600);
  DrawLayout(result, 1,
             paper ? PaperDrawOptions(settings, Unit::kMm, kScrap, scale, 600)
                   : ScreenDrawOptions(settings, Unit::kMm, kScrap, scale, 600),
             canvas);
  return canvas;
}

// The colours, outlines, cut lines with their marks and every text, pinned for each setting
// that changes them. Checked by hand: white sheet, light grey hatching (dark blue and white
// glass on paper), the 10 mm margin yellow and the empty one left out, sizes 1 and 23 in one
// colour (light cyan without "Glass Color"), the scrap dark grey and the balance outlined only
// with "Balance Boundries", cut positions beyond the right and bottom edges, "1200+ (1205) x
// 800" for a piece placed 5 mm longer, no text in the 10 mm margin but "200" in a wide one.
TEST(LayoutDrawingTest, DrawsAsPinnedForEachSetting) {
  struct Case {
    const char* name;
    DiaSettings settings;
    bool paper = false;
    float margin_x2 = 10, longer = 0;
  };
  using enum DiaFlag;
  const Case cases[] = {
      {"all on", AllOn()},
      {"all off", DiaSettings{}},
      {"paper", AllOn(), true},
      {"one colour, no balance boundaries", AllOn({kGlassColor, kBalanceBoundries})},
      {"every piece, wide margin", AllOn({kOnlyFirstInBlock}), false, 200},
      {"placed longer", AllOn(), false, 10, 5},
      {"placed longer, plain", AllOn({kGlassActualDimensions, kGlassDescription}), false, 10, 5},
  };
  std::string drawn;
  for (const Case& c : cases) {
    LoadedResult result = SmallResult();
    result.shown[2].x2 = c.margin_x2;
    result.shown[4].x2 += c.longer;
    drawn += std::string("== ") + c.name + "\n" + Draw(result, c.settings, c.paper).log.str();
  }
  EXPECT_EQ(drawn, testing::TestDataBytes("layouts/small_drawing.txt"));
}

// A number outside the result's layouts gives no frame and no drawing, never a read past its
// elements.
TEST(LayoutDrawingTest, OnlyALayoutOfTheResultHasAFrameAndADrawing) {
  const LoadedResult result = SmallResult();
  struct Case {
    int layout_no;
    float frame_x2, frame_y2;
  };
  for (const Case c : {Case{1, 2444, 1834}, Case{0, 0, 0}, Case{2, 0, 0}, Case{-1, 0, 0}}) {
    const Box frame = FrameBox(result, c.layout_no);
    EXPECT_EQ(frame.x2, c.frame_x2) << c.layout_no;
    EXPECT_EQ(frame.y2, c.frame_y2) << c.layout_no;
    RecordingCanvas canvas(1);
    DrawLayout(result, c.layout_no, ScreenDrawOptions(AllOn(), Unit::kMm, kScrap, {}, 600), canvas);
    EXPECT_EQ(canvas.log.str().empty(), c.frame_x2 == 0) << c.layout_no;
  }
}

// Every text lies inside its element (glass, balance, margin) or, for the sheet's size and the
// cut positions, inside the view outside the sheet, and is as large as its box says; at small
// scales texts are left out rather than squeezed below the smallest size. The last view, zoomed
// in, ends 6 mm below the cut at Y 804, too close for its position; only the sheet's sizes
// (bold), which follow its edges, may run out of it.
TEST(LayoutDrawingTest, EveryTextStaysInsideItsElementAtAnyScale) {
  LoadedResult result = SmallResult();
  std::vector<Box> holders;
  for (const LayoutElement& e : result.shown) {
    if (e.kind > 0 || e.kind == kFreeRect || e.kind == kMarginStrip) {
      holders.push_back(Box{e.x1, e.y1, e.x2, e.y2});
    }
  }
  const Box sheet{0, 0, 2444, 1834};
  const UserScale scales[] = {ScreenScale(2444, 1834, false), ScreenScale(2444, 1834, true),
                              UserScale{-300, -300, 3000, 1110}};
  for (const float view_pt : {60.0f, 150.0f, 300.0f, 600.0f, 1200.0f, 4000.0f}) {
    for (const UserScale& scale : scales) {
      const DrawOptions options = ScreenDrawOptions(AllOn(), Unit::kIn, kScrap, scale, view_pt);
      RecordingCanvas canvas(scale.width / view_pt);
      DrawLayout(result, 1, options, canvas);
      const Box view{scale.left, scale.top, scale.Right(), scale.Bottom()};
      for (const DrawnText& text : canvas.texts) {
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
          EXPECT_TRUE(view.Contains(text.box) || (&scale == &scales[2] && text.style.bold));
        }
      }
      if (view_pt <= 60 || view_pt >= 600) {
        EXPECT_EQ(std::ranges::count(canvas.Texts(), "47 1/4 x 31 1/2"), view_pt >= 600 ? 1 : 0);
      }
    }
  }
}

}  // namespace
}  // namespace lumora
