#include "core/reports/report.h"

#include <gtest/gtest.h>

#include <string>

#include "core/base/file_routines.h"
#include "core/base/number_text.h"
#include "core/engine2d/result_files.h"
#include "core/job/job_sections.h"
#include "core/job/job_test_support.h"
#include "core/layouts/scrap.h"
#include "core/reports/balance_table.h"
#include "core/reports/column_writer.h"
#include "core/reports/layouts_load.h"
#include "core/reports/report_rows.h"
#include "core/reports/report_section.h"
#include "result_fixtures.h"

namespace lumora {
namespace {

using testing::HandMadeJob;
using testing::LoadHandMade;
using testing::OpenReportJob;
using testing::SmallJob;
using testing::TempFolder;
using testing::TestDataBytes;

const ScrapLimits kScrap{500, 300};

TEST(PinnedReportTest, WritesTheBalanceTableTheReportAndTheSheetsUsed) {
  // Job, unit and the folder of the expected files under tests/data/reports.
  const char* const cases[][3] = {{"sheet_job.opt", "MM", "sheet_mm"},
                                  {"sheet_job.opt", "IN", "sheet_in"},
                                  {"coil_job.sdr", "MM", "coil_mm"},
                                  {"coil_job.sdr", "IN", "coil_in"}};
  for (const auto& c : cases) {
    TempFolder folder;
    const LayoutsLoad load =
        LoadLayouts(OpenReportJob(folder, c[0], c[1]), ReportPathsIn(folder.path()));
    ASSERT_EQ(load.error, "") << c[2];
    for (const char* file : {"report.tlf", "offcut.tlf", "sheets.Adj"}) {
      EXPECT_EQ(folder.Read(file), TestDataBytes("reports/" + std::string(c[2]) + "/" + file));
    }
    const std::string report = folder.Read("report.tlf");
    ASSERT_EQ(load.view.section_positions.Count(), 3);
    for (int n = 1; n <= 3; ++n) {
      EXPECT_EQ(report.substr(static_cast<size_t>(load.view.section_positions[n] - 1), 16),
                "Layout No. " + GeneralText(n) + "/3\r\n");
    }
  }
}

// The Layouts window writes its working files and status texts; with one piece taken out by hand
// its size is marked and the note comes once.
TEST(ReportLoadTest, TheLayoutsWindowGivesTheStatusTextsAndMarksAPieceTakenOut) {
  TempFolder folder;
  const Job job = OpenReportJob(folder, "sheet_job.opt", "MM");
  const LayoutsLoad load = LoadLayouts(job, WorkingReportPaths(job.workspace));
  ASSERT_EQ(load.error, "");
  EXPECT_EQ(ReadFileBytes(job.workspace.WorkingFile("report.tlf"), kJobFileLimit),
            TestDataBytes("reports/sheet_mm/report.tlf"));
  EXPECT_EQ(load.view.status.yield, "Overall Yield (%) = 59.39");
  EXPECT_EQ(load.view.status.layouts, "Total Layouts = 3");
  EXPECT_EQ(load.view.status.profit, "Profit = 898");
  EXPECT_EQ(ResultStatusTexts(job).status.profit, "Profit = 898");

  const std::string dia = job.workspace.WorkingFile(kLayoutFileName);
  std::string bytes = *ReadFileBytes(dia, kJobFileLimit);
  const size_t removed = bytes.find("2,4,1,2570,0,3024,304,1,2\r\n");
  ASSERT_NE(removed, std::string::npos);
  ASSERT_EQ(WriteFileAtomically(dia, bytes.erase(removed, 27)), std::nullopt);
  ASSERT_EQ(LoadLayouts(job, ReportPathsIn(folder.path())).error, "");
  EXPECT_EQ(folder.Read("report.tlf"),
            TestDataBytes("reports/sheet_mm/report_piece_taken_out.tlf"));
}

// Layouts drawn by hand on SmallJob, each with its report in tests/data/reports/hand_drawn.
TEST(ReportTest, HandDrawnLayoutsGiveTheirReports) {
  const struct {
    const char* layouts;  // dia.tlf lines, ";" between them
    const char* report;
    bool shortfall;
  } cases[] = {
      // Glass size 1 is 1000 x 1000 after sorting; two of them are wanted and three are cut.
      {"1,-1,1,0,0,1002,1002,3,0;1,1,1,0,0,1002,1002,3,1", "shortfall", true},
      // Two whole-sheet pieces on one sheet, as a careless edit leaves them: the yield stops at
      // 100.
      {"1,-1,1,0,0,1002,1002,1,0;1,1,1,0,0,1002,1002,1,1;1,1,1,0,0,1002,1002,1,1", "overfull",
       false},
      // Balances go three to a line. Kerf 2, scrap criteria 500 and 300: a piece with a 600 x 302
      // balance beside it, 1002 x 350 below, then 502 x 350 and 500 x 350 (exactly at the larger
      // criterion: scrap), and a margin strip of 1002 x 321.5 over the top, listed too.
      {"1,-1,1,0,0,1002,1002,1,0;1,2,1,0,0,402,302,1,2;1,-4,1,402,0,1002,302,1,0;"
       "1,-4,1,0,302,1002,652,1,0;1,-4,1,0,652,502,1002,1,0;1,-4,1,502,652,1002,1002,1,0;"
       "1,-2,1,0,0,1002,321.5,1,0",
       "balances", true},
      // Without balances the headings stay, with two empty lines.
      {"1,-1,1,0,0,1002,1002,2,0;1,1,1,0,0,1002,1002,2,1", "no_balances", false},
      // Without sheet area the percentages show nothing.
      {"1,-1,1,0,0,1002,1002,0,0", "no_sheet_area", false},
  };
  for (const auto& c : cases) {
    std::string layouts;
    for (const std::string& line : testing::Split(c.layouts, ';')) layouts += line + "\r\n";
    const ResultLoad load = LoadHandMade(SmallJob(), layouts);
    ASSERT_EQ(load.error, "") << c.report;
    const Report report = GenerateReport(load.result, Unit::kMm, kScrap);
    EXPECT_EQ(report.report, TestDataBytes("reports/hand_drawn/" + std::string(c.report) + ".tlf"));
    EXPECT_EQ(report.figures.shortfall, c.shortfall) << c.report;
  }
}

TEST(ReportTest, SheetsUsedQuotesLandAtTheirColumnsUnlessTheLineIsPastThem) {
  const HandMadeJob job{0,
                        {{"123456.125", "1000.125", "", "", "1", "", "", "", "", "0.5"},
                         {"12345.25", "1000.125", "", "", "1", "", "", "", "", "0.5"}},
                        {{"100", "100", "", "", "2"}}};
  const ResultLoad load = LoadHandMade(job,
                                       "1,-1,1,0,0,123456.125,1000.125,1,0\r\n"
                                       "1,1,1,0,0,100,100,1,1\r\n"
                                       "2,-1,2,0,0,12345.25,1000.125,1,0\r\n"
                                       "2,1,2,0,0,100,100,1,1\r\n");
  ASSERT_EQ(load.error, "");
  EXPECT_EQ(GenerateReport(load.result, Unit::kMm, kScrap).sheets_adj,
            "\"123456.125\",\"1000.125\",\"1\",     \"0.5\"\r\n"
            "\"12345.25\", \"1000.125\", \"1\",     \"0.5\"\r\n");
}

TEST(ReportSectionTest, CopiesTheLayoutsLinesWithTheChosenPartsAndPlacesTextsAtColumns) {
  const std::string report = TestDataBytes("reports/sheet_mm/report.tlf");
  const int32_t layout2 = static_cast<int32_t>(report.find("Layout No. 2/3") + 1);
  EXPECT_EQ(ReportSectionBytes(report, layout2, {true, true}, "FLOAT", Unit::kMm),
            TestDataBytes("reports/sheet_mm/layout2_section.tlf"));
  EXPECT_EQ(ReportSectionBytes(report, layout2, {}, "FLOAT", Unit::kMm),
            TestDataBytes("reports/sheet_mm/layout2_section_short.tlf"));
  EXPECT_EQ(ReportSectionBytes(report, 0, {true, true}, "", Unit::kMm), "");
  EXPECT_EQ(ReportSectionBytes(report, static_cast<int32_t>(report.size()) + 1, {}, "", Unit::kMm),
            "");

  ColumnWriter out;
  out.Place(3, "ab");  // pads to column 3
  out.Place(5, "c");   // exactly at column 5
  out.Place(5, "d");   // past it: a new line filled up to column 5
  out.Place(0, "e");   // columns below 1 count as 1
  out.EndLine();
  out.Line("f");
  EXPECT_EQ(out.Take(), "  abc\r\n    d\r\ne\r\nf\r\n");
}

TEST(ScrapTest, ABalanceExceedsBothCriteriaStrictlyWhicheverWayItLies) {
  EXPECT_EQ(GetScrapCriteria({300, 500}).larger, 500);
  EXPECT_EQ(GetScrapCriteria({300, 500}).smaller, 300);
  EXPECT_EQ(GetScrapCriteria({500, 300}).larger, 500);
  // Turned (longer along Y), each side exactly at its criterion, square, no width, negative
  // height.
  const struct {
    float x1, y1, x2, y2;
    bool scrap;
  } cases[] = {{0, 0, 501, 301, false}, {10, 10, 311, 511, false}, {0, 0, 500, 400, true},
               {0, 0, 800, 300, true},  {0, 0, 450, 450, true},    {5, 0, 5, 900, true},
               {0, 9, 900, 1, true}};
  for (const auto& c : cases) EXPECT_EQ(IsScrap(c.x1, c.y1, c.x2, c.y2, kScrap), c.scrap) << c.x2;
  EXPECT_TRUE(IsScrap(0, 0, 1000, 1000, {2000, 0}));
}

// Two sheets (the second one, priced 2.25, is the smaller) and one glass size; kerf 4. Sides
// show to three decimals in seven characters.
TEST(BalanceTableTest, ListsLeftoversAndMarginStripsWithoutTheKerf) {
  const HandMadeJob job{4,
                        {{"2000", "1500", "", "", "5", "", "", "", "", "1.5"},
                         {"1200", "1000", "", "", "5", "", "", "", "", "2.25"}},
                        {{"500", "500", "", "", "2"}}};
  const ResultLoad load = LoadHandMade(job,
                                       "1,-1,1,0,0,2004,1504,1,0\r\n"
                                       "1,1,1,0,0,504,504,1,1\r\n"
                                       "1,-4,1,504,0,2004,504,1,0\r\n"    // 1496 x 500
                                       "1,-4,1,0,504,808,808,1,0\r\n"     // 804 x 304: 300 left
                                       "1,-4,1,808,504,812,2004,1,0\r\n"  // as thin as the kerf
                                       "1,-2,1,0,1400,2004,1504,1,0\r\n"  // margin strip
                                       "2,-1,2,0,0,1204,1004,3,0\r\n"
                                       "2,1,2,0,0,504,504,3,1\r\n"
                                       "2,-2,1,0,504,1204,1004,3,0\r\n"  // stock index as stored
                                       "2,-4,2,504,0,1204,504,3,0\r\n");
  ASSERT_EQ(load.error, "");
  EXPECT_EQ(BalanceTableBytes(load.result, Unit::kMm, kScrap),
            TestDataBytes("reports/balance_two_sheets_mm.tlf"));
  EXPECT_EQ(BalanceTableBytes(load.result, Unit::kIn, kScrap),
            TestDataBytes("reports/balance_two_sheets_in.tlf"));
  const ResultLoad odd = LoadHandMade(job,
                                      "1,-1,1,0,0,2004,1504,1,0\r\n"
                                      "1,-4,1,0,0,1004.12345,604.0004,1,0\r\n");
  ASSERT_EQ(odd.error, "");
  EXPECT_EQ(BalanceTableBytes(odd.result, Unit::kMm, kScrap),
            "1,\"1000.12\",\"600\",1,\"1.5\"\r\n");
}

TEST(ReportRowsTest, HeadingsShadedAndTheProfitBoldAndRedForALoss) {
  // A row and its look: s(haded), b(old), l(oss).
  const std::pair<const char*, const char*> cases[] = {{"Layout No. 2/3", "s"},
                                                       {"Glass Size(s) Summary", "s"},
                                                       {"Summary of it", ""},
                                                       {" Layout No. 2/3", ""},
                                                       {"Profit\xA0\xA0\xA0\xA0\xA0 1234", "b"},
                                                       {"Profit          -56", "bl"},
                                                       {"Sheet - 3", ""}};
  for (const auto& [row, expected] : cases) {
    const ReportRowLook look = LookOfReportRow(row);
    EXPECT_EQ(std::string(look.shaded ? "s" : "") + (look.bold ? "b" : "") + (look.loss ? "l" : ""),
              expected)
        << row;
  }
}

}  // namespace
}  // namespace lumora
