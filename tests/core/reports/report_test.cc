#include "core/reports/report.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "core/engine2d/result_files.h"
#include "core/job/job_test_support.h"
#include "core/layouts/layouts_load.h"
#include "core/reports/column_writer.h"
#include "core/reports/number_text.h"
#include "core/reports/report_section.h"
#include "core/tables/file_routines.h"
#include "result_fixtures.h"

namespace lumora {
namespace {

using testing::HandMadeJob;
using ::testing::HasSubstr;
using testing::LoadHandMade;
using ::testing::Not;
using testing::OpenReportJob;
using testing::TempFolder;
using testing::TestDataBytes;

const ScrapLimits kScrap{500, 300};
const std::string kDashes(79, '-');
const std::string kStars(79, '*');
const std::string kTotal = "TOTAL" + std::string(17, ' ');

// The lines of layout n's section, up to its closing star rule.
std::string Section(const Report& report, int n) {
  const size_t start = static_cast<size_t>(report.section_positions[n] - 1);
  return report.report.substr(start, report.report.find(kStars, start) - start);
}

struct PinnedCase {
  std::string job;
  std::string unit;
  std::string expected;  // folder under tests/data/reports
};

class PinnedReportTest : public ::testing::TestWithParam<PinnedCase> {};

TEST_P(PinnedReportTest, WritesTheBalanceTableTheReportAndTheSheetsUsed) {
  TempFolder folder;
  const Job job = OpenReportJob(folder, GetParam().job, GetParam().unit);
  const LayoutsLoad load = LoadLayouts(job, ReportPathsIn(folder.path()));
  ASSERT_EQ(load.error, "");
  const std::string expected = "reports/" + GetParam().expected + "/";
  EXPECT_EQ(folder.Read("report.tlf"), TestDataBytes(expected + "report.tlf"));
  EXPECT_EQ(folder.Read("offcut.tlf"), TestDataBytes(expected + "offcut.tlf"));
  EXPECT_EQ(folder.Read("sheets.Adj"), TestDataBytes(expected + "sheets.Adj"));

  const std::string report = folder.Read("report.tlf");
  ASSERT_EQ(load.view.section_positions.Count(), 3);
  for (int n = 1; n <= 3; ++n) {
    EXPECT_EQ(report.substr(static_cast<size_t>(load.view.section_positions[n] - 1), 16),
              "Layout No. " + GeneralText(n) + "/3\r\n");
  }
}

INSTANTIATE_TEST_SUITE_P(Jobs, PinnedReportTest,
                         ::testing::Values(PinnedCase{"sheet_job.opt", "MM", "sheet_mm"},
                                           PinnedCase{"sheet_job.opt", "IN", "sheet_in"},
                                           PinnedCase{"coil_job.sdr", "MM", "coil_mm"},
                                           PinnedCase{"coil_job.sdr", "IN", "coil_in"}));

TEST(ReportLoadTest, TheLayoutsWindowWritesWorkingFilesAndGivesTheStatusTexts) {
  TempFolder folder;
  const Job job = OpenReportJob(folder, "sheet_job.opt", "MM");
  const LayoutsLoad load = LoadLayouts(job, WorkingReportPaths(job.workspace));
  ASSERT_EQ(load.error, "");
  EXPECT_EQ(ReadFileBytes(job.workspace.WorkingFile("report.tlf")),
            TestDataBytes("reports/sheet_mm/report.tlf"));
  EXPECT_EQ(load.view.status.yield, "Overall Yield (%) = 59.39");
  EXPECT_EQ(load.view.status.layouts, "Total Layouts = 3");
  EXPECT_EQ(load.view.status.profit, "Profit = 898");

  const ResultStatus status = ResultStatusTexts(job);
  EXPECT_EQ(status.error, "");
  EXPECT_EQ(status.status.profit, "Profit = 898");
}

TEST(ReportLoadTest, OnePieceTakenOutByHandMarksItsSizeAndAddsTheNoteOnce) {
  TempFolder folder;
  const Job job = OpenReportJob(folder, "sheet_job.opt", "MM");
  const std::string dia = job.workspace.WorkingFile(kLayoutFileName);
  std::string bytes = *ReadFileBytes(dia);
  const std::string removed = "2,4,1,2570,0,3024,304,1,2\r\n";
  ASSERT_NE(bytes.find(removed), std::string::npos);
  bytes.erase(bytes.find(removed), removed.size());
  ASSERT_EQ(WriteFileAtomically(dia, bytes), std::nullopt);

  const LayoutsLoad load = LoadLayouts(job, ReportPathsIn(folder.path()));
  ASSERT_EQ(load.error, "");
  const std::string report = folder.Read("report.tlf");
  const std::string note =
      "* indicates shortfall in the Glass Sizes due to manual adjustment of layout(s)\r\n";
  EXPECT_THAT(report, HasSubstr(FmtDimMM("450") + "    x " + FmtDimMM("300") + "    " +
                                FmtQty("3") + "* " + FmtDimMM("457.2")));
  EXPECT_THAT(report, HasSubstr(kTotal + FmtQty("16") + "*"));
  EXPECT_THAT(report, HasSubstr(note + "\r\n" + kStars));
  EXPECT_EQ(report.find(note), report.rfind(note));
  EXPECT_THAT(report, Not(HasSubstr(FmtQty("4") + "*")));
}

// One 1000 x 1000 sheet (kerf 2) with two glass sizes; the layouts below are drawn on it.
HandMadeJob SmallJob() {
  return HandMadeJob{2,
                     {{"1000", "1000", "39 3/8", "39 3/8", "5", "", "", "", "", "2"}},
                     {{"400", "300", "", "", "4", "", "", "", "A", "3", "7"},
                      {"1000", "1000", "", "", "2", "", "", "", "B", "3", "8"}}};
}

const std::string kBalanceHeading =
    "Balance\r\n\xA0\xA0\xA0L1(MM) x    L2(MM)       L1(MM) x    L2(MM)       L1(MM) x    "
    "L2(MM)\r\n"
    "---------------------    ---------------------    ---------------------\r\n";

// Layouts drawn by hand on SmallJob, and a part of the report they give: the end of layout 1's
// section, or else a text anywhere in the report.
TEST(ReportTest, HandDrawnLayoutsGiveTheirLines) {
  const auto dim = [](const char* mm) { return FmtDimMM(mm); };
  struct Case {
    const char* layouts;  // dia.tlf lines, ";" between them
    std::string text;
    bool section_end;
    bool shortfall;
  };
  const Case cases[] = {
      // Glass size 1 is 1000 x 1000 after sorting; two of them are wanted and three are cut.
      {"1,-1,1,0,0,1002,1002,3,0;1,1,1,0,0,1002,1002,3,1", FmtQty("3") + "*", false, true},
      {"1,-1,1,0,0,1002,1002,3,0;1,1,1,0,0,1002,1002,3,1", "* indicates shortfall", false, true},
      // Two whole-sheet pieces on one sheet, as a careless edit can leave them: the yield stops
      // at 100.
      {"1,-1,1,0,0,1002,1002,1,0;1,1,1,0,0,1002,1002,1,1;1,1,1,0,0,1002,1002,1,1",
       "Yield(%)   : 100.00\r\n", false, false},
      // Balances go three to a line. Kerf 2, scrap criteria 500 and 300: a piece with a 600 x 302
      // balance beside it, 1002 x 350 below, then 502 x 350 and 500 x 350 (exactly at the larger
      // criterion: scrap), and a margin strip of 1002 x 321.5 over the top, listed too.
      {"1,-1,1,0,0,1002,1002,1,0;1,2,1,0,0,402,302,1,2;1,-4,1,402,0,1002,302,1,0;"
       "1,-4,1,0,302,1002,652,1,0;1,-4,1,0,652,502,1002,1,0;1,-4,1,502,652,1002,1002,1,0;"
       "1,-2,1,0,0,1002,321.5,1,0",
       kBalanceHeading + dim("598") + "    x " + dim("300") + "       " + dim("1000") + "    x " +
           dim("348") + "       " + dim("500") + "    x " + dim("348") + "\r\n" + dim("1000") +
           "    x " + dim("319.5") + "\r\n\r\n",
       true, true},
      // Without balances the headings stay, with two empty lines.
      {"1,-1,1,0,0,1002,1002,2,0;1,1,1,0,0,1002,1002,2,1",
       kDashes + "\r\n" + kTotal + FmtQty("1") + "\r\n\r\n" + kBalanceHeading + "\r\n\r\n", true,
       false},
      // Without sheet area the percentages show nothing.
      {"1,-1,1,0,0,1002,1002,0,0",
       "Sheet      " + FmtArea("0") + " " + FmtAmount("0") + "        " + FmtPercent("0") + "\r\n",
       false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.layouts);
    std::string layouts;
    for (const std::string& line : testing::Split(c.layouts, ';')) layouts += line + "\r\n";
    const ResultLoad load = LoadHandMade(SmallJob(), layouts);
    ASSERT_EQ(load.error, "");
    const Report report = GenerateReport(load.result, Unit::kMm, kScrap);
    if (c.section_end) {
      EXPECT_TRUE(Section(report, 1).ends_with(c.text)) << Section(report, 1);
    } else {
      EXPECT_THAT(report.report, HasSubstr(c.text));
    }
    EXPECT_EQ(report.figures.shortfall, c.shortfall);
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

TEST(ReportTest, WithoutSheetAreaThePercentagesShowNothing) {
  const ResultLoad load = LoadHandMade(SmallJob(), "1,-1,1,0,0,1002,1002,0,0\r\n");
  ASSERT_EQ(load.error, "");
  const std::string report = GenerateReport(load.result, Unit::kMm, kScrap).report;
  EXPECT_THAT(report, HasSubstr("Sheet      " + FmtArea("0") + " " + FmtAmount("0") + "        " +
                                FmtPercent("0") + "\r\n"));
}

TEST(ReportSectionTest, CopiesTheLayoutsLinesWithTheChosenParts) {
  const std::string report = TestDataBytes("reports/sheet_mm/report.tlf");
  const int32_t layout2 = static_cast<int32_t>(report.find("Layout No. 2/3") + 1);
  const std::string full = ReportSectionBytes(report, layout2, {true, true}, "FLOAT", Unit::kMm);
  EXPECT_TRUE(
      full.starts_with("Layout No. 2/3\r\n\r\nItem: FLOAT     Unit: MM\r\n\r\n"
                       "Yield(%)   : 22.43\r\nSheet Size : 3210 x 2250 - 1 Pcs\r\n"));
  EXPECT_TRUE(full.ends_with(FmtDimMM("3210") + "    x " + FmtDimMM("1346") + "\r\n\r\n"));

  const std::string short_section = ReportSectionBytes(report, layout2, {}, "FLOAT", Unit::kMm);
  EXPECT_TRUE(short_section.starts_with("Layout No. 2/3\r\n\r\nYield(%)"));
  EXPECT_TRUE(short_section.ends_with(kTotal + FmtQty("6") + "\r\n\r\n"));
  EXPECT_NE(full.find(short_section.substr(16)), std::string::npos);

  EXPECT_EQ(ReportSectionBytes(report, 0, {true, true}, "", Unit::kMm), "");
  EXPECT_EQ(ReportSectionBytes(report, static_cast<int32_t>(report.size()) + 1, {}, "", Unit::kMm), "");
}

TEST(ColumnWriterTest, PlacesAtTheColumnOrOnANewLineWhenPastIt) {
  ColumnWriter out;
  out.Place(3, "ab");  // pads to column 3
  out.Place(5, "c");   // exactly at column 5
  out.Place(5, "d");   // past it: a new line filled up to column 5
  out.Place(0, "e");   // columns below 1 count as 1
  out.EndLine();
  out.Line("f");
  EXPECT_EQ(out.Take(), "  abc\r\n    d\r\ne\r\nf\r\n");
}

}  // namespace
}  // namespace lumora
