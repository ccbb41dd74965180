#include "core/exports/layouts_dxf.h"

#include <gtest/gtest.h>

#include <string>

#include "core/reports/result_fixtures.h"
#include "support/run_process.h"

namespace lumora {
namespace {

using testing::OpenReportJob;
using testing::RunProcess;
using testing::TempFolder;

// Lists, sorted, the layers with their colours and what a CAD reader finds in each layout's
// block: the rectangles by layer and the cut lines.
constexpr const char* kReader = R"(
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
print('units', doc.header.get('$INSUNITS'), 'inserts', len(doc.modelspace().query('INSERT')))
print('layers', *sorted('%s:%d' % (layer.dxf.name, layer.dxf.color) for layer in doc.layers))
found = []
for block in doc.blocks:
    if not block.name.startswith('LAYOUT '):
        continue
    for e in block:
        if e.dxftype() == 'LWPOLYLINE':
            xs, ys = zip(*e.get_points('xy'))
            box = '%g %g %g %g' % (min(xs), min(ys), max(xs), max(ys))
            found.append('%s %s %s' % (block.name, e.dxf.layer, box))
        elif e.dxftype() == 'LINE':
            found.append('%s %s line' % (block.name, e.dxf.layer))
print('\n'.join(sorted(found)))
)";

// The reader's findings are pinned: every rectangle of the sheet job on its layer (sheet, piece,
// balance, scrap, margin) with Y turned upwards, a line per cut, and each layer's colour.
TEST(LayoutsDxfTest, ACadReaderFindsEveryRectangleOnItsLayerAndEveryCut) {
  TempFolder folder;
  const ResultLoad load = LoadResult(OpenReportJob(folder, "sheet_job.opt", "MM"));
  ASSERT_EQ(load.error, "");
  const DxfExport dxf = LayoutsDxf(load.result, {500, 300});
  ASSERT_EQ(dxf.error, "");
  const auto read =
      RunProcess("/usr/bin/python3", {"-c", kReader, folder.Write("plan.dxf", dxf.bytes)});
  ASSERT_EQ(read.exit_code, 0) << read.err;
  EXPECT_EQ(read.out, testing::TestDataBytes("reports/sheet_mm/layouts_dxf.txt"));
}

}  // namespace
}  // namespace lumora
