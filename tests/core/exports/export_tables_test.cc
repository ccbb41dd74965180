#include "core/exports/export_tables.h"

#include <gtest/gtest.h>

#include "core/base/text_charset.h"
#include "core/cuts/cut_settings.h"
#include "core/exports/job_export.h"
#include "core/exports/spreadsheet_files.h"
#include "core/job/job_tables.h"
#include "core/reports/result_fixtures.h"
#include "core/tables/column_dictionary.h"
#include "support/run_process.h"

namespace lumora {
namespace {

using testing::OpenReportJob;
using testing::TempFolder;

// The summaries, balances and cuts of the pinned jobs, in m² for millimetres and ft² for inches
// (their totals agree with the reports' own figures).
TEST(ExportTables, ThePinnedJobsExportTheirResults) {
  const char* const cases[][3] = {{"sheet_job.opt", "MM", "sheet_mm"},
                                  {"sheet_job.opt", "IN", "sheet_in"},
                                  {"coil_job.sdr", "MM", "coil_mm"}};
  for (const auto& c : cases) {
    TempFolder folder;
    const Job job = OpenReportJob(folder, c[0], c[1]);
    const JobExport result =
        BuildJobExport(job, {ExportPart::kReport, ExportPart::kBalances, ExportPart::kCuts});
    ASSERT_EQ(result.error, "") << c[2];
    ASSERT_EQ(WriteExportFile(result.tables, folder.File("x.csv")), std::nullopt);
    EXPECT_EQ(folder.Read("x.csv"),
              testing::TestDataBytes("reports/" + std::string(c[2]) + "/export.csv"));
    // Exported with all the rest only when the layouts show the cut order.
    EXPECT_NE(AvailableExportParts(job).back(), ExportPart::kCuts);
    ASSERT_EQ(SaveCutSettings(job.workspace, {true, false}), std::nullopt);
    EXPECT_EQ(AvailableExportParts(job).back(), ExportPart::kCuts);
  }
}

// Two whole-sheet pieces of size 1 (1000 x 1000 after sorting) on one sheet, as a careless edit can
// leave them, and one piece of size 2: the yield stops at 100 and a size cut once is listed.
TEST(ExportTables, OverfullLayoutsStopAt100AndTheWorkbookHoldsTheFirstRow) {
  const ResultLoad load = testing::LoadHandMade(
      testing::SmallJob(),
      "1,-1,1,0,0,1002,1002,1,0\r\n1,1,1,0,0,1002,1002,1,1\r\n1,1,1,0,0,1002,1002,1,1\r\n"
      "1,2,1,0,0,402,302,1,2\r\n");
  ASSERT_EQ(load.error, "");
  const ExportTable layouts = LayoutSummaryTable(load.result, Unit::kMm);
  ASSERT_EQ(layouts.rows.size(), 1u);
  EXPECT_EQ(layouts.rows[0][5].number, 100);
  EXPECT_EQ(GlassSummaryTable(load.result, Unit::kMm).rows.size(), 2u);

  TempFolder folder;
  ASSERT_EQ(WriteWorkbook({layouts}, folder.File("plan.xlsx")), std::nullopt);
  const auto read = testing::RunProcess(
      "/usr/bin/python3",
      {"-c",
       "import re, sys, zipfile\n"
       "xml = zipfile.ZipFile(sys.argv[1]).read('xl/worksheets/sheet1.xml').decode()\n"
       "print(re.search(r'<c r=\"F2\"[^>]*><v>([^<]*)</v>', xml).group(1))",
       folder.File("plan.xlsx")});
  EXPECT_EQ(read.out, "100\n") << read.err;
}

TEST(ExportTables, GridCellsAreNumbersOnlyInNumberColumns) {
  Grid grid;
  ApplyFormatString(grid, BuildFormatString(GlassHeaders()));
  grid.SetRows(4);
  grid.SetText(1, glass_col::kL1, "1200.5");
  grid.SetText(1, glass_col::kL1Inch, "47 1/4");
  grid.SetText(1, glass_col::kQty, "2");
  grid.SetText(1, glass_col::kCustomer, "123");
  grid.SetText(1, glass_col::kRef, "A, \"B\"\xE9");
  grid.SetColWidth(glass_col::kSite, 0);
  const ExportTable table = GridExportTable(grid, "Glass");
  ASSERT_EQ(table.rows.size(), 1u);
  EXPECT_EQ(table.headers.size(), GlassHeaders().size() - 1);
  const auto& row = table.rows[0];
  EXPECT_EQ(std::vector({row[0].number, row[2].number, row[4].number, row[8].number}),
            (std::vector<std::optional<double>>{1200.5, {}, 2, {}}));

  const ExportTable small{"T", {"L1", "REF"}, {{{"1200.5", 1200.5}, {"A, \"B\"\xE9", {}}}}};
  EXPECT_EQ(CsvBytes(small), "L1,REF\r\n1200.5,\"A, \"\"B\"\"\xC3\xA9\"\r\n");
}

TEST(TextInCharset, ANoBreakSpaceTakesTheCharsetsOwnForm) {
  const std::pair<std::string, std::string> cases[] = {{"UTF-8", "L1\xC2\xA0(IN) \xC2\xB0"},
                                                       {"ISO-8859-1", "L1\xA0(IN) \xB0"},
                                                       {"KOI8-R", "L1\x9A(IN) \x9C"},
                                                       {"ANSI_X3.4-1968", "L1 (IN) ?"},
                                                       {"NO-SUCH-SET", "L1\xC2\xA0(IN) \xC2\xB0"}};
  for (const auto& [charset, expected] : cases) {
    EXPECT_EQ(TextInCharset("L1\xA0(IN) \xB0", charset), expected) << charset;
  }
}

}  // namespace
}  // namespace lumora
