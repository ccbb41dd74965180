#include "core/exports/layouts_dxf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "core/cuts/cut_order.h"
#include "core/reports/number_text.h"
#include "core/reports/result_fixtures.h"
#include "support/run_process.h"

namespace lumora {
namespace {

using testing::OpenReportJob;
using testing::RunProcess;
using testing::TempFolder;

// Lists what a CAD reader finds in each layout's block: the rectangles by layer and the cut
// lines.
constexpr const char* kReader = R"(
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
print('units', doc.header.get('$INSUNITS'), 'inserts', len(doc.modelspace().query('INSERT')))
for block in doc.blocks:
    if not block.name.startswith('LAYOUT '):
        continue
    for e in block:
        if e.dxftype() == 'LWPOLYLINE':
            xs = [p[0] for p in e.get_points('xy')]
            ys = [p[1] for p in e.get_points('xy')]
            print(block.name, e.dxf.layer, '%g %g %g %g' % (min(xs), min(ys), max(xs), max(ys)))
        elif e.dxftype() == 'LINE':
            print(block.name, e.dxf.layer, 'line')
)";

TEST(LayoutsDxfTest, ACadReaderFindsEveryRectangleOnItsLayerAndEveryCut) {
  TempFolder folder;
  const ResultLoad load = LoadResult(OpenReportJob(folder, "sheet_job.opt", "MM"));
  ASSERT_EQ(load.error, "");
  const LoadedResult& result = load.result;
  const ScrapLimits scrap{500, 300};
  const DxfExport dxf = LayoutsDxf(result, scrap);
  ASSERT_EQ(dxf.error, "");

  std::vector<std::string> expected;
  for (int n = 1; n <= result.LayoutCount(); ++n) {
    const std::string block = DxfLayoutBlockName(n) + " ";
    const int first = result.FirstOfLayout(n);
    const float height = result.shown[first].y2;
    for (int i = first; i <= result.LastOfLayout(n); ++i) {
      const LayoutElement& e = result.shown[i];
      std::string_view layer = e.kind > 0 ? kDxfPieceLayer : "";
      if (e.kind == kStockFrame) layer = kDxfSheetLayer;
      if (e.kind == kMarginStrip) layer = kDxfMarginLayer;
      if (e.kind == kFreeRect) {
        layer = IsScrap(e.x1, e.y1, e.x2, e.y2, scrap) ? kDxfScrapLayer : kDxfBalanceLayer;
      }
      if (layer.empty() || e.x2 <= e.x1 || e.y2 <= e.y1) continue;
      expected.push_back(block + std::string(layer) + " " + GeneralText(e.x1) + " " +
                         GeneralText(height - e.y2) + " " + GeneralText(e.x2) + " " +
                         GeneralText(height - e.y1));
    }
    const size_t cuts = CutOrder(result.shown, first, result.LastOfLayout(n)).cuts.size();
    expected.insert(expected.end(), cuts, block + std::string(kDxfCutLayer) + " line");
  }
  std::sort(expected.begin(), expected.end());

  const std::string file = folder.Write("plan.dxf", dxf.bytes);
  const auto read = RunProcess("/usr/bin/python3", {"-c", kReader, file});
  ASSERT_EQ(read.exit_code, 0) << read.err;
  std::istringstream lines(read.out);
  std::string units;
  std::getline(lines, units);
  EXPECT_EQ(units, "units 4 inserts 3");
  std::vector<std::string> found;
  for (std::string line; std::getline(lines, line);) found.push_back(line);
  std::sort(found.begin(), found.end());
  EXPECT_EQ(found, expected);
}

}  // namespace
}  // namespace lumora
