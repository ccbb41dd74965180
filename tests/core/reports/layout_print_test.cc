#include "core/reports/layout_print.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/layouts/layout_hit.h"
#include "core/layouts/layout_scale.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::FloatNear;
using ::testing::Not;

constexpr float kA4Width = 190;
constexpr float kA4Height = 277;

// A square sheet has the same margin on every side of the square view; a long narrow one fills
// four fifths of its width, or with stretch its height plus a fifth of the square. A view of
// another shape shows more to the right or below, the sheet as large as its margins allow.
TEST(LayoutScaleTest, TheSheetSitsInTheViewWithItsMargins) {
  struct Case {
    float w, h;
    bool stretch;
    float aspect;
    UserScale expected;
  };
  const Case cases[] = {
      {2000, 2000, false, 1, {-250, -250, 2500, 2500}},
      {6000, 1000, false, 1, {-750, -750, 7500, 7500}},
      {6000, 1000, true, 1, {-750, -250, 7500, 2500}},
      {3210, 2250, false, 2, {-401.25f, -401.25f, 6105, 3052.5f}},
      {3210, 2250, false, 0.5f, {-401.25f, -401.25f, 4012.5f, 8025}},
      {3210, 2250, true, 2, {-401.25f, -305.25f, 6105, 3052.5f}},
      {1000, 6000, false, 1.5f, {-750, -750, 11250, 7500}},
  };
  for (const Case& c : cases) {
    const UserScale scale = ScreenScale(c.w, c.h, c.stretch, c.aspect);
    SCOPED_TRACE(::testing::Message() << c.w << " x " << c.h << " " << c.aspect);
    EXPECT_FLOAT_EQ(scale.left, c.expected.left);
    EXPECT_FLOAT_EQ(scale.top, c.expected.top);
    EXPECT_FLOAT_EQ(scale.width, c.expected.width);
    EXPECT_FLOAT_EQ(scale.height, c.expected.height);
  }
}

// A zoomed view pans within the whole view; a view larger than it does not move.
TEST(LayoutScaleTest, PanningStopsAtTheEdgesOfTheWholeView) {
  const UserScale base{0, 0, 1000, 500};
  const UserScale zoomed{100, 100, 500, 250};
  const struct {
    UserScale view;
    float dx, dy, left, top;
  } cases[] = {{zoomed, 50, 50, 150, 150},
               {zoomed, -1000, 0, 0, 100},
               {zoomed, 1000, 1000, 500, 250},
               {{-100, -50, 2000, 1000}, 50, 50, -100, -50}};
  for (const auto& c : cases) {
    const UserScale moved = PanWithin(c.view, base, c.dx, c.dy);
    EXPECT_FLOAT_EQ(moved.left, c.left);
    EXPECT_FLOAT_EQ(moved.top, c.top);
    EXPECT_FLOAT_EQ(moved.width, c.view.width);
  }
}

// The pointer stays on the same millimetre, so the hit test finds the piece it was on; the zoom
// stops at its bounds.
TEST(LayoutScaleTest, ThePointUnderThePointerStaysAndTheZoomStopsAtItsBounds) {
  ElementList elements;
  elements.Append({1, kStockFrame, 1, 0, 0, 2000, 1000, 1, 0});
  elements.Append({1, 1, 1, 0, 0, 600, 400, 1, 1});
  elements.Append({1, 2, 1, 600, 0, 1000, 400, 1, 1});
  const UserScale base = ScreenScale(2000, 1000, false);
  struct Case {
    std::vector<float> factors;
    float fx, fy;  // the pointer, as a share of the view's width and height
    float zoom;    // base width over the zoomed width
  };
  const Case cases[] = {{{2}, 0.3f, 0.2f, 2},
                        {{1.25f, 1.25f, 1 / 1.25f}, 0.5f, 0.25f, 1.25f},
                        {{100}, 0.45f, 0.2f, kMaxZoom},
                        {{0.1f}, 0.45f, 0.2f, kMinZoom}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fx);
    UserScale view = base;
    const float x = view.left + c.fx * view.width, y = view.top + c.fy * view.height;
    const int hit = HitTest(elements, LayoutRange{1, 3}, x, y);
    for (const float factor : c.factors) view = ZoomAbout(view, base, factor, x, y);
    EXPECT_FLOAT_EQ(base.width / view.width, c.zoom);
    EXPECT_FLOAT_EQ(view.width / view.height, base.width / base.height);
    const float after_x = view.left + c.fx * view.width, after_y = view.top + c.fy * view.height;
    EXPECT_NEAR(after_x, x, 0.01f);
    EXPECT_NEAR(after_y, y, 0.01f);
    EXPECT_EQ(HitTest(elements, LayoutRange{1, 3}, after_x, after_y), hit);
  }
}

TEST(LayoutPrintTest, PageSetUpOfASquareSheet) {
  const UserScale scale = PrintScale(2000, 2000, kA4Width, kA4Height, false);
  EXPECT_FLOAT_EQ(scale.width, 3000);
  EXPECT_FLOAT_EQ(scale.height, 3000 * kA4Height / kA4Width);
  EXPECT_FLOAT_EQ(scale.top, -0.05f * scale.height);
  EXPECT_FLOAT_EQ(scale.left, -0.125f * scale.height);
  // Millimetres are square on paper, and the sheet lies inside the page.
  EXPECT_FLOAT_EQ(kA4Width / scale.width, kA4Height / scale.height);
  EXPECT_LT(2000, scale.Right());
  const std::vector<std::string> lines(20, std::string(79, '-'));
  const SectionPlacement section =
      PlaceSection(scale, Box{0, 0, 2000, 2000}, kA4Width, kA4Height, lines, {0.42f, 0.21f});
  // At the sheet's left edge, below it by the depth of the top margin.
  EXPECT_THAT(section.x, FloatNear(-scale.left * kA4Width / scale.width, 0.01f));
  EXPECT_THAT(section.y, FloatNear((2000 - 2 * scale.top) * kA4Height / scale.height, 0.01f));
  EXPECT_EQ(section.font_pt, kSectionFontPt);
  EXPECT_EQ(section.lines_under_drawing, 20);
}

TEST(LayoutPrintTest, PageSetUpOfALongNarrowSheetAndASectionTooLongForThePage) {
  const UserScale scale = PrintScale(6000, 1000, kA4Width, kA4Height, false);
  EXPECT_FLOAT_EQ(scale.width, 9000);
  EXPECT_FLOAT_EQ(scale.left, -0.125f * 9000 * kA4Height / kA4Width);
  const Box sheet{0, 0, 6000, 1000};
  const std::vector<std::string> few(30, "x");
  const SectionPlacement roomy =
      PlaceSection(scale, sheet, kA4Width, kA4Height, few, {0.42f, 0.21f});
  EXPECT_LT(roomy.y, kA4Height / 4);
  EXPECT_EQ(roomy.font_pt, kSectionFontPt);
  // In stretch mode the sheet takes most of the page: the section shrinks to 7 points and goes
  // on over further pages.
  const UserScale stretched = PrintScale(2000, 2000, kA4Width, kA4Height, true);
  const std::vector<std::string> many(80, "x");
  const SectionPlacement tight =
      PlaceSection(stretched, Box{0, 0, 2000, 2000}, kA4Width, kA4Height, many, {0.42f, 0.21f});
  EXPECT_EQ(tight.font_pt, 7);
  EXPECT_LT(tight.lines_under_drawing, 80);
  EXPECT_GT(tight.lines_per_further_page, 80 - tight.lines_under_drawing);
  EXPECT_LE(tight.y + tight.lines_under_drawing * 0.42f * 7, kA4Height);
  // A line too wide for the page takes a smaller font still.
  const SectionPlacement wide =
      PlaceSection(scale, sheet, kA4Width, kA4Height, {std::string(200, '-')}, {0.42f, 0.21f});
  EXPECT_LT(wide.font_pt, 7);
}

TEST(LayoutPrintTest, FileTitleAndDayFirstDate) {
  EXPECT_EQ(DayFirstDate("03/25/2024"), "25/03/2024");
  EXPECT_EQ(DayFirstDate("03/2"), "203/");
  EXPECT_EQ(DayFirstDate(""), "");
  for (const char* path : {"C:\\jobs\\north.opt", "/home/shop/jobs/north.opt", "north.opt"}) {
    EXPECT_EQ(FileTitle(path), "north.opt");
  }
  EXPECT_EQ(TodayMonthFirst().size(), 10u);
  EXPECT_EQ(TodayMonthFirst()[2], '/');
}

TEST(LayoutPrintTest, TheSectionUnderTheDrawing) {
  const std::string report = testing::TestDataBytes("reports/sheet_mm/report.tlf");
  const auto layout2 = static_cast<int32_t>(report.find("Layout No. 2/3") + 1);
  const std::vector<std::string> full = PrintedSectionLines(
      report, layout2, {true, true}, "FLOAT", Unit::kMm, "/jobs/north.opt", "03/25/2024");
  ASSERT_GT(full.size(), 6u);
  EXPECT_EQ(full[0], "File: north.opt     Date: 25/03/2024");
  EXPECT_EQ(full[2], "Layout No. 2/3");
  EXPECT_EQ(full[4], "Item: FLOAT     Unit: MM");
  EXPECT_THAT(full, Contains("Balance"));
  // Without "Balance List" the section ends before the "Balance" heading.
  const std::vector<std::string> cut =
      PrintedSectionLines(report, layout2, {false, false}, "FLOAT", Unit::kMm, "", "03/25/2024");
  EXPECT_EQ(cut[0], "Date: 25/03/2024");
  EXPECT_EQ(cut[2], "Layout No. 2/3");
  EXPECT_THAT(cut, Not(Contains("Balance")));
  EXPECT_THAT(cut, Not(Contains("Item: FLOAT     Unit: MM")));
  EXPECT_TRUE(cut.back().starts_with("TOTAL"));
  EXPECT_THAT(PrintedSectionLines(report, 0, {}, "", Unit::kMm, "", "03/25/2024"),
              ElementsAre("Date: 25/03/2024"));
}

}  // namespace
}  // namespace lumora
