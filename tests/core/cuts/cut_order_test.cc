#include "core/cuts/cut_order.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/cuts/cut_drawing.h"
#include "core/cuts/cut_list.h"
#include "core/cuts/cut_settings.h"
#include "core/layouts/layout_colours.h"
#include "core/layouts/loaded_result.h"
#include "core/reports/result_fixtures.h"

namespace lumora {
namespace {

using testing::OpenReportJob;
using testing::TempFolder;

constexpr CutAxis X = CutAxis::kX;
constexpr CutAxis Y = CutAxis::kY;

struct Rect {
  int kind;
  float x1, y1, x2, y2;
};

ElementList Layout(const std::vector<Rect>& rects) {
  ElementList elements;
  for (const Rect& r : rects) elements.Append({1, r.kind, 1, r.x1, r.y1, r.x2, r.y2, 1, 0});
  return elements;
}

TEST(CutOrderTest, StagesRunFromTheOriginOutwardsAndBlockedPiecesAreNamed) {
  struct Case {
    std::string name;
    std::vector<Rect> rects;
    std::vector<Cut> cuts;
    std::vector<int> blocking;
    float roll_end = 0;
    CutSequence sequence = CutSequence::kStageByStage;
  };
  // clang-format off
  const std::vector<Case> cases = {
      // +-----+----+---------+
      // | A   | C  |         |
      // |     +--+-+  waste  |
      // +-----+D |E|         |
      // | B   |  | |         |
      // +-----+--+-+---------+
      {"three stages, wider than high",
       {{-1, 0, 0, 1000, 600}, {1, 0, 0, 400, 300}, {1, 0, 300, 400, 600}, {2, 400, 0, 700, 200},
        {3, 400, 200, 550, 600}, {3, 550, 200, 700, 600}},
       {{1, 1, X, 400, 0, 600}, {2, 1, X, 700, 0, 600}, {3, 2, Y, 300, 0, 400},
        {4, 2, Y, 200, 400, 300}, {5, 3, X, 550, 200, 400}},
       {}},
      {"as the line cuts, each strip down to its pieces before the next",
       {{-1, 0, 0, 1000, 600}, {1, 0, 0, 400, 300}, {1, 0, 300, 400, 600}, {2, 400, 0, 700, 200},
        {3, 400, 200, 550, 600}, {3, 550, 200, 700, 600}},
       {{1, 1, X, 400, 0, 600}, {2, 2, Y, 300, 0, 400}, {3, 1, X, 700, 0, 600},
        {4, 2, Y, 200, 400, 300}, {5, 3, X, 550, 200, 400}},
       {}, 0, CutSequence::kPartByPart},
      {"the full-length cut sets the first stage; margins are trimmed",
       {{-1, 0, 0, 1000, 600}, {-2, 0, 0, 10, 600}, {1, 10, 10, 990, 590}, {-6, 0, 590, 1000, 590}},
       {{1, 1, Y, 10, 0, 1000}, {2, 1, Y, 590, 0, 1000}, {3, 2, X, 10, 10, 580},
        {4, 2, X, 990, 10, 580}},
       {}},
      // A pinwheel round a middle piece beside a plain piece: only the sheet parts.
      {"not guillotine",
       {{-1, 0, 0, 600, 300}, {1, 0, 0, 200, 100}, {1, 200, 0, 300, 200}, {1, 100, 200, 300, 300},
        {1, 0, 100, 100, 300}, {1, 100, 100, 200, 200}, {1, 300, 0, 600, 300}},
       {{1, 1, X, 300, 0, 300}}, {1, 2, 3, 4, 5}},
      {"overlapping pieces cannot be parted",
       {{-1, 0, 0, 500, 500}, {1, 0, 0, 300, 300}, {1, 200, 200, 500, 500}}, {}, {1, 2}},
      // The used length of a coil is parted from the roll before its own stages.
      {"a coil's used length",
       {{-1, 0, 0, 700, 600}, {1, 0, 0, 400, 300}, {1, 0, 300, 400, 600}, {1, 400, 0, 700, 300}},
       {{1, 1, X, 700, 0, 600}, {2, 2, X, 400, 0, 600}, {3, 3, Y, 300, 0, 400},
        {4, 3, Y, 300, 400, 300}},
       {}, 30000},
      {"a coil used to its end", {{-1, 0, 0, 700, 600}, {1, 0, 0, 700, 600}}, {}, {}, 700},
  };
  // clang-format on
  for (const Case& c : cases) {
    const ElementList elements = Layout(c.rects);
    const LayoutCuts result = CutOrder(elements, 1, elements.Count(), c.roll_end, c.sequence);
    EXPECT_EQ(result.cuts, c.cuts) << c.name;
    EXPECT_EQ(result.blocking_pieces, c.blocking) << c.name;
    double length = 0;
    for (const Cut& cut : c.cuts) length += cut.length;
    EXPECT_EQ(result.total_length, length) << c.name;
  }
}

// Sheets count their cuts once per sheet; a coil's layouts say the length each uses, and the
// totals the coil used.
TEST(CutOrderTest, ThePinnedJobsCountEveryCutOncePerSheetOrPieceOfCoil) {
  for (const auto& [job, cuts] : {std::pair{"sheet_job.opt", "reports/sheet_mm/cuts.txt"},
                                  std::pair{"coil_job.sdr", "reports/coil_mm/cuts.txt"}}) {
    TempFolder folder;
    const ResultLoad load = LoadResult(OpenReportJob(folder, job, "MM"));
    ASSERT_EQ(load.error, "") << job;
    EXPECT_EQ(CutsText(CutOrderOfResult(load.result), 0, Unit::kMm), testing::TestDataBytes(cuts))
        << job;
  }
}

TEST(CutSettingsTest, AnythingButANonZeroNumberIsOffAndSavedSettingsLoadBack) {
  const std::vector<std::pair<std::string, bool>> cases = {
      {"", false},  {"0\r\n", false}, {"1\r\n", true},
      {"-1", true}, {"x\r\n", false}, {"\"1\",junk\r\n", true}};
  for (const auto& [bytes, on] : cases) {
    EXPECT_EQ(ReadCutSettings(bytes).cut_order, on) << bytes;
    EXPECT_EQ(ReadCutSettings(CutSettingsBytes(ReadCutSettings(bytes))).cut_order, on) << bytes;
  }
  const TempFolder folder;
  const Workspace workspace{folder.path(), "1.5"};
  EXPECT_EQ(LoadCutSettings(workspace), CutSettings{});
  ASSERT_EQ(SaveCutSettings(workspace, CutSettings{true}), std::nullopt);
  EXPECT_TRUE(LoadCutSettings(workspace).cut_order);
}

// Keeps the texts with the room each takes along its line; measures as a fixed-pitch font, 0.6 of
// the size wide and 1.2 deep, at 10 mm of the layout per point.
class TextCanvas : public LayoutCanvas {
 public:
  struct Drawn {
    Box box;
    std::string text;
    float along;
    bool vertical;
  };
  void FillRect(const Box&, Rgb) override {}
  void OutlineRect(const Box&, Rgb, float) override {}
  void Line(Point, Point, Rgb, float) override {}
  void Hatch(const Box&, Rgb, float, float) override {}
  void Text(const Box& box, std::string_view text, const TextStyle& style, Rgb) override {
    texts.push_back({box, std::string(text), MeasureText(text, style).along, style.vertical});
  }
  TextExtent MeasureText(std::string_view text, const TextStyle& style) const override {
    return {6 * style.size_pt * static_cast<float>(text.size()), 12 * style.size_pt};
  }
  std::vector<Drawn> texts;
};

TEST(CutDrawingTest, TextsFitTheirMeasureAndCutDimensionsStandOutsideTheSheetClearOfText) {
  TempFolder folder;
  const ResultLoad load = LoadResult(OpenReportJob(folder, "sheet_job.opt", "MM"));
  ASSERT_EQ(load.error, "");
  DiaSettings settings;
  settings.Set(DiaFlag::kSheetDimensions, true);
  settings.Set(DiaFlag::kGlassDimensions, true);
  const Box sheet = FrameBox(load.result, 2);
  const DrawOptions options = ScreenDrawOptions(settings, Unit::kMm, {500, 300},
                                                ScreenScale(sheet.x2, sheet.y2, false), 600);
  struct Case {
    CutSettings cuts;
    size_t added;  // texts beyond the plain drawing's
    std::set<std::string> dimensions;
  };
  // Layout 2: X cuts at 604 1208 1662 2116 2570 3024, Y cuts at 304 and 904; 11 cuts.
  const std::set<std::string> y_positions = {"304", "904"};
  const std::vector<Case> cases = {
      {{false, false}, 0, {}},
      {{true, false}, 11, {}},
      {{false, true}, 8, {"604", "1208", "1662", "2116", "2570", "3024", "304", "904"}}};
  TextCanvas plain;
  DrawLayout(load.result, 2, options, plain);
  for (const TextCanvas::Drawn& drawn : plain.texts) {
    EXPECT_LE(drawn.vertical ? drawn.box.Height() : drawn.box.Width(), drawn.along * 1.001f)
        << drawn.text;
  }
  for (const Case& c : cases) {
    TextCanvas canvas;
    DrawLayoutAndCuts(load.result, 2, options, c.cuts, canvas);
    ASSERT_EQ(canvas.texts.size(), plain.texts.size() + c.added) << c.cuts.cut_order;
    std::set<std::string> dimensions;
    for (size_t i = plain.texts.size(); i < canvas.texts.size(); ++i) {
      const TextCanvas::Drawn& added = canvas.texts[i];
      if (c.cuts.all_dimensions) {
        dimensions.insert(added.text);
        // Y positions stand left of the sheet, X positions above it.
        const bool y_cut = y_positions.contains(added.text);
        EXPECT_LE(y_cut ? added.box.x2 : added.box.y2, y_cut ? sheet.x1 : sheet.y1) << added.text;
      }
      for (size_t j = 0; j < i && c.cuts.all_dimensions; ++j) {
        EXPECT_FALSE(added.box.Overlaps(canvas.texts[j].box))
            << added.text << " on " << canvas.texts[j].text;
      }
    }
    EXPECT_EQ(dimensions, c.dimensions);
  }
}

}  // namespace
}  // namespace lumora
