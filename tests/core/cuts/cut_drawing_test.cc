#include "core/cuts/cut_drawing.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/layouts/layout_colours.h"
#include "core/reports/result_fixtures.h"

namespace lumora {
namespace {

using testing::OpenReportJob;
using testing::TempFolder;

// Keeps the texts; measures as a fixed-pitch font, 0.6 of the size wide and 1.2 deep, at 10 mm
// of the layout per point.
class TextCanvas : public LayoutCanvas {
 public:
  struct Drawn {
    Box box;
    std::string text;
    Rgb colour;
  };
  void FillRect(const Box&, Rgb) override {}
  void OutlineRect(const Box&, Rgb, float) override {}
  void Line(Point, Point, Rgb, float) override {}
  void Hatch(const Box&, Rgb, float, float) override {}
  void Text(const Box& box, std::string_view text, const TextStyle&, Rgb colour) override {
    texts.push_back({box, std::string(text), colour});
  }
  TextExtent MeasureText(std::string_view text, const TextStyle& style) const override {
    return {6 * style.size_pt * static_cast<float>(text.size()), 12 * style.size_pt};
  }
  std::vector<Drawn> texts;
};

TEST(CutDrawingTest, CutsAreNumberedAndTheirDimensionsOverlapNoOtherText) {
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
  const std::vector<Case> cases = {
      {{false, false}, 0, {}},
      {{true, false}, 11, {}},
      {{false, true}, 8, {"604", "1208", "1662", "2116", "2570", "3024", "304", "904"}},
  };
  TextCanvas plain;
  DrawLayout(load.result, 2, options, plain);
  for (const Case& c : cases) {
    TextCanvas canvas;
    DrawLayoutAndCuts(load.result, 2, options, c.cuts, canvas);
    ASSERT_EQ(canvas.texts.size(), plain.texts.size() + c.added) << c.cuts.cut_order;
    std::set<std::string> dimensions;
    for (size_t i = plain.texts.size(); i < canvas.texts.size(); ++i) {
      const TextCanvas::Drawn& added = canvas.texts[i];
      if (c.cuts.all_dimensions) dimensions.insert(added.text);
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
