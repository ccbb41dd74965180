#include "core/layouts/alternate_arrangement.h"

#include <gtest/gtest.h>

#include <string>

#include "core/engine2d/engine_builders.h"
#include "core/engine2d/result_files.h"
#include "core/job/job_sections.h"
#include "core/layouts/edit_fixtures.h"
#include "support/scripted_prompter.h"

namespace lumora {
namespace {

using testing::DiaBytes;
using testing::Element;
using testing::HandMadeJob;
using testing::ListOf;
using testing::LoadOrFail;
using testing::MakeEditJob;
using testing::ScriptedPrompter;
using testing::TempFolder;

TEST(PatternCounterTest, CountsOneToEightAndOverAgain) {
  for (const auto& [from, to] : {std::pair{0, 1}, {1, 2}, {7, 8}, {8, 1}}) {
    EXPECT_EQ(NextPattern(static_cast<int16_t>(from)), to);
  }
  EXPECT_EQ(AlternateCaption(3), "Alternate Arrangement - 3");
}

TEST(SpliceTest, TheArrangementTakesTheLayoutsPlaceNumberRepeatAndStock) {
  const ElementList elements = ListOf<LayoutElement>(
      {Element(kStockFrame, 0, 0, 100, 100, 1, 2, 1), Element(1, 0, 0, 50, 50, 1, 2, 1, 1),
       Element(kStockFrame, 0, 0, 200, 100, 2, 5, 3), Element(1, 0, 0, 50, 50, 2, 5, 3, 1),
       Element(kStockFrame, 0, 0, 100, 100, 3, 1, 1)});
  const ElementList arrangement = ListOf<LayoutElement>(
      {Element(kStockFrame, 0, 0, 200, 100, 1, 1, 7), Element(kFreeRect, 50, 0, 200, 100, 1, 1, 7),
       Element(1, 0, 0, 50, 50, 1, 1, 7, 2)});
  const ElementList spliced = SpliceArrangement(elements, LayoutRange{3, 4}, arrangement);
  ASSERT_EQ(spliced.Count(), 6);
  EXPECT_EQ(spliced[2], elements[2]);
  EXPECT_EQ(spliced[3], Element(kStockFrame, 0, 0, 200, 100, 2, 5, 3));
  EXPECT_EQ(spliced[5], Element(1, 0, 0, 50, 50, 2, 5, 3, 2));
  EXPECT_EQ(spliced[6], elements[5]);
  StockList stocks = ListOf<StockRecord>(
      {testing::Stock(1, 1, 9), testing::Stock(1, 1, 9), testing::Stock(1, 1, 9)});
  GlassList glasses = ListOf<GlassRecord>({testing::Glass(1, 1, 9), testing::Glass(1, 1, 9)});
  SetAlternateQuantities(spliced, LayoutRange{3, 5}, stocks, glasses);
  EXPECT_EQ(stocks[1].qty, 0);
  EXPECT_EQ(stocks[3].qty, 1);
  EXPECT_EQ(glasses[1].qty, 1);
  EXPECT_EQ(glasses[2].qty, 0);
}

// One 1000 x 1000 layout of four 500 x 500 pieces, cut five times (kerf 0).
const HandMadeJob kRepeatedJob{0, {{"1000", "1000", "", "", "5"}}, {{"500", "500", "", "", "20"}}};
constexpr std::string_view kRepeatedLayout =
    "1,-1,1,0,0,1000,1000,5,0\r\n1,1,1,0,0,500,500,5,1\r\n1,1,1,500,0,1000,500,5,1\r\n"
    "1,1,1,0,500,500,1000,5,1\r\n1,1,1,500,500,1000,1000,5,1\r\n";

TEST(AlternateArrangementTest, AKeptArrangementKeepsTheLayoutsRepeatAndCanBeUndone) {
  TempFolder folder;
  const Job job = MakeEditJob(folder, kRepeatedJob, kRepeatedLayout);
  LoadedResult result = LoadOrFail(job);
  ASSERT_EQ(BeginAlternateArrangement(job.workspace, result.elements), std::nullopt);
  int16_t pattern = 8;
  ScriptedPrompter prompter;
  const AlternateSearch search = SearchAlternateArrangement(job, result, 1, pattern, prompter);
  ASSERT_TRUE(search.found);
  EXPECT_EQ(search.error, "");
  EXPECT_EQ(pattern, 1);  // pattern 8 is followed by 1
  EXPECT_TRUE(prompter.prompts().empty());
  LayoutHistory history;
  EXPECT_TRUE(KeepAlternateArrangement(job.workspace, 1, history));
  result = LoadOrFail(job);
  int pieces = 0;
  for (const LayoutElement& e : result.elements) {
    EXPECT_EQ(e.repeat, 5);
    EXPECT_EQ(e.layout_no, 1);
    pieces += e.kind > 0 ? 1 : 0;
  }
  EXPECT_EQ(pieces, 4);
  EXPECT_EQ(ReadFileBytes(job.workspace.WorkingFile(kStockInputFileName), kJobFileLimit),
            "1000,1000,\"\",\"\",1,0,0,0,0,0\r\n");
  EXPECT_EQ(history.Undo(job.workspace.WorkingFile(kLayoutFileName)).layout_no, 1);
  EXPECT_EQ(DiaBytes(job), kRepeatedLayout);
}

TEST(AlternateArrangementTest, TriesThenOriginalGiveBackTheExactLayoutFile) {
  TempFolder folder;
  const Job job = testing::OpenReportJob(folder, "sheet_job.opt", "MM");
  const std::string original = DiaBytes(job);
  LoadedResult result = LoadOrFail(job);
  ASSERT_EQ(BeginAlternateArrangement(job.workspace, result.elements), std::nullopt);
  int16_t pattern = 0;
  ScriptedPrompter prompter;
  bool changed = false;
  for (int round = 1; round <= 4; ++round) {  // the first attempt and three "Try Next"
    ASSERT_TRUE(SearchAlternateArrangement(job, result, 1, pattern, prompter).found);
    result = LoadOrFail(job);
    EXPECT_EQ(result.LayoutCount(), 3);
    changed = changed || DiaBytes(job) != original;
  }
  EXPECT_TRUE(changed);
  ASSERT_EQ(RestoreOriginalArrangement(job.workspace), std::nullopt);
  EXPECT_EQ(DiaBytes(job), original);
}

TEST(AlternateArrangementTest, ALayoutThatFitsNoSheetIsToldAndLeftAsItWas) {
  // Two whole-sheet pieces put on one sheet by hand: no pattern gets them onto one sheet.
  const HandMadeJob job_data{0, {{"1000", "1000", "", "", "2"}}, {{"1000", "1000", "", "", "2"}}};
  constexpr std::string_view kOverfull =
      "1,-1,1,0,0,1000,1000,1,0\r\n1,1,1,0,0,1000,1000,1,1\r\n1,1,1,0,0,1000,1000,1,1\r\n";
  TempFolder folder;
  const Job job = MakeEditJob(folder, job_data, kOverfull);
  const LoadedResult result = LoadOrFail(job);
  int16_t pattern = 0;
  ScriptedPrompter prompter;
  EXPECT_FALSE(SearchAlternateArrangement(job, result, 1, pattern, prompter).found);
  EXPECT_EQ(prompter.Texts(),
            std::vector<std::string>{"Alternate Arrangment for this layout is not possible"});
  EXPECT_EQ(pattern, 8);  // every pattern was tried
  EXPECT_EQ(DiaBytes(job), kOverfull);
}

}  // namespace
}  // namespace lumora
