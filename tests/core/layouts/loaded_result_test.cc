#include "core/layouts/loaded_result.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/base/file_routines.h"
#include "core/engine2d/result_files.h"
#include "core/reports/layouts_load.h"
#include "core/reports/result_fixtures.h"

namespace lumora {
namespace {

using testing::HandMadeJob;
using testing::LoadHandMade;
using testing::OpenReportJob;
using testing::TempFolder;

TEST(LoadedResultTest, IndicesReferToTheSortedListsAndSizesAreAsTyped) {
  // Typed smaller first; the run sorted the larger sizes to the front.
  HandMadeJob job{3,
                  {{"1000", "800", "", "", "2"}, {"2000", "1500", "", "", "2"}},
                  {{"100", "100", "", "", "1"}, {"700", "500", "", "", "1"}}};
  constexpr std::string_view kBytes =
      "1,-1,1,0,0,2003,1503,1,0\r\n1,1,1,0,0,703,503,1,2\r\n1,2,1,703,0,806,103,1,2\r\n";
  const ResultLoad load = LoadHandMade(job, kBytes);
  ASSERT_EQ(load.error, "");
  const LoadedResult& result = load.result;
  EXPECT_EQ(result.stocks[1].l1, 2000);
  EXPECT_EQ(result.stocks[2].l2, 800);
  EXPECT_EQ(result.glasses[1].l1, 700);
  EXPECT_EQ(result.glasses[2].l2, 100);
  EXPECT_EQ(result.basic.kerf, 3);
  EXPECT_EQ(result.LayoutCount(), 1);
  EXPECT_EQ(result.LastOfLayout(1), 3);
  EXPECT_EQ(result.shown, result.elements);
  // As a coil layout it ends at its last element's X2.
  job.coil_mode = true;
  EXPECT_EQ(LoadHandMade(job, kBytes).result.stocks[1].l1, 806);
}

TEST(LoadedResultTest, CoilLayoutsGetTheirOwnRecordAndEndAtTheirUsedLength) {
  TempFolder folder;
  const ResultLoad load = LoadResult(OpenReportJob(folder, "coil_job.sdr", "MM"));
  ASSERT_EQ(load.error, "");
  const LoadedResult& result = load.result;
  ASSERT_EQ(result.stocks.Count(), 3);
  EXPECT_EQ(result.stocks[1].l1, 2428);  // pieces up to 2408, then M(B) 20
  EXPECT_EQ(result.stocks[1].l2, 2250);
  EXPECT_EQ(result.stocks[1].l1_in, "95 9/16");
  EXPECT_EQ(result.stocks[1].l2_in, "88 9/16");
  EXPECT_EQ(result.stocks[3].l1, 474);
  EXPECT_EQ(result.stocks[3].cp_sft, 1.2f);
  EXPECT_EQ(&result.StockOf(result.elements[21]), &result.stocks[3]);
  // The frame and the coil left on the roll end at the used length; dia.tlf keeps its own.
  EXPECT_EQ(result.shown[1].x2, 2428);
  EXPECT_EQ(result.elements[1].x2, 30004);
  EXPECT_EQ(result.shown[11].x1, 2408);
  EXPECT_EQ(result.shown[11].x2, 2428);
  EXPECT_EQ(result.shown[5].x1, result.shown[5].x2);  // the M(B) strip beyond the end
  EXPECT_EQ(result.shown[6], result.elements[6]);
}

TEST(LoadedResultTest, ADamagedFileIsToldAndNothingIsLoaded) {
  const std::string frame = "1,-1,1,0,0,1000,1000,1,0\r\n";
  // clang-format off
  const std::pair<std::string, std::string> cases[] = {
      {"", "This file was not optimized."},
      {frame + "1,2,1,0,0,100,100,1,1\r\n", "element 2: glass index 2 is not in the glass list"},
      {"1,-1,2,0,0,1000,1000,1,0\r\n", "element 1: stock index 2 is not in the stock list"},
      {"1,1,1,0,0,100,100,1,1\r\n", "element 1: layout 1 does not start with its stock frame"},
      {frame + "2,1,1,0,0,100,100,1,1\r\n", "element 2: layout 2 does not start with its stock frame"},
      {"0,-1,1,0,0,1000,1000,1,0\r\n", "element 1: the first layout number is 0, not 1"},
      {frame + "3,-1,1,0,0,1000,1000,1,0\r\n", "element 2: layout number 3 follows layout 1"},
      {frame + frame, "element 2: layout 1 has a second stock frame"},
      {frame + "1,1,1,0,0,100", "record 2 ends after field 6"},
      {frame + "1,1,1,0,0,1O0,100,1,1\r\n", "record 2, field 6 \"1O0\" is not a number"},
      // A result of another job whose indices happen to resolve.
      {"1,-1,1,0,0,900,1000,1,0\r\n", "Layout 1: its stock frame is not the size of its stock."},
      {frame + "1,1,1,0,0,100,200,1,1\r\n",
       "Layout 1: piece 2 is not the size of its glass with the cut width."}};
  // clang-format on
  const HandMadeJob job{0, {{"1000", "1000", "", "", "2"}}, {{"100", "100", "", "", "2"}}};
  for (const auto& [bytes, error] : cases) {
    const ResultLoad load = LoadHandMade(job, bytes);
    EXPECT_EQ(load.error, bytes.empty() ? error : "The layout file is damaged: " + error);
    EXPECT_TRUE(load.result.elements.Empty()) << error;
  }
}

// Layouts of the job that a cutter could not cut are loaded and named; what a hand edit may
// change of the plan is not.
TEST(LoadedResultTest, StoredLayoutsThatCannotBeCutAreNamed) {
  const std::string frame = "1,-1,1,0,0,1000,1000,1,0\r\n";
  const std::pair<std::string, std::string> cases[] = {
      {"1,1,1,0,0,100,100,1,1\r\n1,1,1,100,0,200,100,1,1\r\n", ""},
      {"1,1,1,0,0,100,100,1,1\r\n", ""},
      {"1,1,1,0,0,100,100,1,1\r\n1,1,1,50,0,150,100,1,1\r\n",
       "The stored layouts break the layout rules:\nLayout 1: elements 2 and 3 overlap (the cut "
       "width between them is not kept).\nLayout 1: no edge-to-edge cut separates elements 2, 3."}};
  const HandMadeJob job{0, {{"1000", "1000", "", "", "2"}}, {{"100", "100", "", "", "2", "1"}}};
  for (const auto& [pieces, notice] : cases) {
    const ResultLoad load = LoadHandMade(job, frame + pieces);
    ASSERT_EQ(load.error, "") << pieces;
    EXPECT_EQ(StoredLayoutsNotice(load.result), notice) << pieces;
  }
}

TEST(LoadLayoutsTest, ADamagedFileWritesNothing) {
  TempFolder folder;
  const Job job = OpenReportJob(folder, "sheet_job.opt", "MM");
  ASSERT_EQ(WriteFileAtomically(job.workspace.WorkingFile(kLayoutFileName),
                                "1,-1,1,0,0,3214,2254,2,0\r\n1,9,1,0,0,1,1,2,1\r\n"),
            std::nullopt);
  const LayoutsLoad load = LoadLayouts(job, ReportPathsIn(folder.path()));
  EXPECT_EQ(load.error,
            "The layout file is damaged: element 2: glass index 9 is not in the glass list");
  for (const char* name : {"report.tlf", "offcut.tlf", "sheets.Adj"}) {
    EXPECT_FALSE(FileExists(folder.File(name))) << name;
  }
  EXPECT_EQ(ResultStatusTexts(job).error, load.error);
}

}  // namespace
}  // namespace lumora
