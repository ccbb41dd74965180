#include "core/job/job_check.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "core/engine2d/job_run.h"
#include "core/job/job_file.h"
#include "core/job/job_tables.h"
#include "core/reports/layouts_load.h"
#include "core/shell/data_folder.h"
#include "core/tables/column_dictionary.h"
#include "core/tables/table_file.h"
#include "job_test_support.h"
#include "support/scripted_prompter.h"

namespace lumora {
namespace {

using ::testing::HasSubstr;
using testing::ScriptedPrompter;
using ::testing::StartsWith;
using testing::TempFolder;
using Rows = std::vector<std::vector<std::string>>;
using Texts = std::vector<std::string>;

constexpr PromptAnswer kYes = PromptAnswer::kYes;
constexpr PromptAnswer kNo = PromptAnswer::kNo;

class CheckJobTest : public ::testing::Test {
 protected:
  CheckJobTest() : job_(testing::MakeTestJob(folder_)) { SetBasic("2", "0"); }

  // Basic Details with a tolerance (T (MM)) and a kerf, and the trim allowance of a start.
  void SetBasic(const std::string& tolerance, const std::string& kerf) {
    testing::FillRows(job_.basic, {{"FLOAT", "", "", "", "", kerf, "", tolerance}});
    job_.basic.SetRows(2);
    job_.settings.trim_allowance = TrimAllowance(job_.basic);
  }

  TempFolder folder_;
  Job job_;
};

// The checks before a run, in the order they ask: each refusal names its row and puts the
// cursor there. T (MM) 2 gives a trim allowance t of 2.001.
TEST_F(CheckJobTest, RefusesOrAsksInRowAndFieldOrder) {
  using enum JobGridId;
  // Kerf; sheet rows as "L1,L2,L1 (IN),L2 (IN),QTY,margin;..."; glass rows as "L1,L2,L1 (IN),
  // L2 (IN),QTY,ORN;..."; answers; the prompts, "|" between them; whether it starts; the grid
  // focused and its row (0: not checked); BLADE after.
  using Case = std::tuple<const char*, const char*, const char*, const char*, const char*, bool,
                          JobGridId, int, const char*>;
  const std::string big = "Glass size (2) is bigger then the largest sheet dimension!";
  const std::string orn = "ORN of glass size (2) is not 1 or 2!";
  const std::string fits =
      "Glass size (2) fits no sheet once margins and trim allowance are taken off!";
  const std::string ask = "Start OPTIMIZATION?";
  const char* narrow = "1000,300,,,1";  // ORN 1 lays L2 across
  const Case cases[] = {
      {"0", "0,0,,,0", "", "", "", true, kNone, 0, ""},
      // A negative quantity is not missing; the glass row asks twice.
      {"0", "3000,2000,,,5;0,1000,,,-1", "0,500,,,0", "YYY",
       "L1 missing in sheet number (2), Proceed?|L1 missing in glass size (1), Proceed?|"
       "QTY missing in glass size (1), Proceed?|Start OPTIMIZATION?",
       true, kBasic, 0, "3005.002"},
      // No stops on the row; BLADE comes after the glass questions.
      {"0", "3000,2000,,,5", "100,100,,,1;0,500,,,0", "N", "L1 missing in glass size (2), Proceed?",
       false, kGlass, 2, ""},
      // A side of 3000 + t fits, anything longer does not; only the first row is told.
      {"0", "3000,2000,,,100", "3002.001,100,,,1;100,3002.002,,,1;3100,100,,,1", "", big.c_str(),
       false, kGlass, 2, "3005.002"},
      {"0", narrow, "10,10,,,1;900,200,,,1", "Y", ask.c_str(), true, kBasic, 0, "1005.002"},
      {"0", narrow, "10,10,,,1;200,900,,,1,2.0", "Y", ask.c_str(), true, kBasic, 0, "1005.002"},
      {"0", narrow, "10,10,,,1;200,900,,,1,0", "Y", ask.c_str(), true, kBasic, 0, "1005.002"},
      {"0", narrow, "10,10,,,1;200,900,,,1,1", "", fits.c_str(), false, kGlass, 2, "1005.002"},
      {"0", "1000,300,,,1,10", "10,10,,,1;1000,300,,,1", "", fits.c_str(), false, kGlass, 2,
       "1005.002"},
      {"0", narrow, "10,10,,,1;900,200,,,1,3", "", orn.c_str(), false, kGlass, 2, "1005.002"},
      {"0", narrow, "10,10,,,1;900,200,,,1,-1", "", orn.c_str(), false, kGlass, 2, "1005.002"},
      {"0", narrow, "10,10,,,1;900,200,,,1,1e20", "", orn.c_str(), false, kGlass, 2, "1005.002"},
      {"0", narrow, "10,10,,,1;900,200,,,1,1.5", "", orn.c_str(), false, kGlass, 2, "1005.002"},
      // Row 2 is never read by the engine (its quantity is negative).
      {"0", "3660,2440,,,10", "500,400,,,2;1,1,,,-3;300,2,,,4;1,1,,,5", "",
       "Glass size (3) is smaller than the trim allowance!", false, kGlass, 3, "3665.002"},
      // 2 + kerf 1 - 2.001 leaves a cell of 0.999: the piece can be cut.
      {"1", "3660,2440,,,10", "2,2,,,4", "Y", ask.c_str(), true, kBasic, 0, "3665.002"},
      {"1", "3660,2440,,,10", "1,1,,,4;5000,10,,,1", "", big.c_str(), false, kGlass, 2, "3665.002"},
      {"0", "3660,2440,,,99999;2440,1830,,,100000", "500,400,,,99999", "",
       "QTY of sheet number (2) is more than 99999!", false, kSheet, 2, "3665.002"},
      {"0", "3660,2440,,,99999", "500,400,,,99999;300,200,,,123456789", "",
       "QTY of glass size (2) is more than 99999!", false, kGlass, 2, "3665.002"},
  };
  for (const auto& [kerf, sheet, glass, answers, texts, start, focus, row, blade] : cases) {
    SCOPED_TRACE(std::string(sheet) + " / " + glass);
    SetBasic("2", kerf);
    testing::Fill(job_.sheet, sheet);
    testing::Fill(job_.glass, glass);
    ScriptedPrompter prompter(testing::Answers(answers));
    const CheckResult result = CheckJob(job_, prompter);
    EXPECT_EQ(testing::Join(prompter.Texts()), texts);
    EXPECT_EQ(result.start, start);
    EXPECT_EQ(result.focus, focus);
    if (row > 0) {
      EXPECT_EQ((focus == kSheet ? job_.sheet : job_.glass).row, row);
    }
    EXPECT_EQ(job_.basic.Text(1, basic_col::kBlade), blade);
  }
}

TEST_F(CheckJobTest, AreasAndCoils) {
  // With t = 0.5 the glass area less the trim allowance is exactly the stock area.
  job_.settings.trim_allowance = 0.5f;
  testing::FillRows(job_.sheet, {{"1000", "500", "", "", "1"}});
  testing::FillRows(job_.glass, {{"1000.5", "500.5", "", "", "1"}});
  ScriptedPrompter equal({kNo});
  EXPECT_FALSE(CheckJob(job_, equal).start);
  EXPECT_EQ(equal.Texts(), Texts{"Start OPTIMIZATION?"});
  testing::FillRows(job_.glass, {{"1000.5", "500.5", "", "", "1"}, {"1.5", "1.5", "", "", "1"}});
  ScriptedPrompter more;
  const CheckResult result = CheckJob(job_, more);
  EXPECT_EQ(more.Texts(), Texts{"Total Glass Size Area is MORE then Total Sheet Area!"});
  EXPECT_EQ(more.prompts()[0].icon, PromptIcon::kExclamation);
  EXPECT_FALSE(result.start);
  EXPECT_EQ(result.focus, JobGridId::kNone);
  // Coil rows get an unlimited quantity whatever was typed, even when the job is refused.
  SetBasic("2", "0");
  job_.settings.coil_mode = true;
  testing::FillRows(job_.sheet, {{"1000", "500", "", "", ""}, {"800", "0", "", "", "250000"}});
  testing::FillRows(job_.glass, {{"5000", "100", "", "", "1"}});
  ScriptedPrompter coil({kYes});
  EXPECT_FALSE(CheckJob(job_, coil).start);
  EXPECT_EQ(coil.Texts(), (Texts{"L2 missing in sheet number (2), Proceed?",
                                 "Glass size (1) is bigger then the largest sheet dimension!"}));
  EXPECT_EQ(job_.sheet.Text(1, sheet_col::kQty), "99999");
  EXPECT_EQ(job_.sheet.Text(2, sheet_col::kQty), "99999");
  EXPECT_EQ(job_.sheet.Text(3, sheet_col::kQty), "");
  testing::FillRows(job_.sheet, {{"3660", "2440", "", "", "250000"}});
  testing::FillRows(job_.glass, {{"500", "400", "", "", "99999"}});
  ScriptedPrompter big({kYes});
  EXPECT_TRUE(CheckJob(job_, big).start);
}

// A B (MM) above the smaller usable side (margins off, kerf on) of every usable sheet leaves no
// layout possible; coils know no B (MM).
TEST_F(CheckJobTest, RefusesABNoSheetCanLeave) {
  const std::string refusal =
      "B (MM) is bigger than the smaller side of every sheet once margins are taken off!";
  const struct {
    const char* b;
    const char* kerf;
    bool coil;
    const char* sheet;
    bool refused;
  } cases[] = {
      {"3000", "0", false, "3210,2250,,,5;3660,2440,,,5", true},
      {"2440", "0", false, "3660,2440,,,5", false},
      {"2441", "0", false, "3660,2440,,,5", true},
      {"2441", "1", false, "3660,2440,,,5", false},
      {"2400", "0", false, "3660,2440,,,5,50", true},
      {"3000", "0", false, "1000,500,,,-1;3660,3100,,,1", false},
      {"3000", "0", false, "3660,3100,,,0;3210,2250,,,5", true},
      {"3000", "0", true, "30000,2250,,,1", false},
      {"0", "0", false, "3210,2250,,,5", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.b) + " " + c.sheet);
    SetBasic("2", c.kerf);
    job_.basic.SetText(1, basic_col::kB, c.b);
    job_.settings.coil_mode = c.coil;
    testing::Fill(job_.sheet, c.sheet);
    testing::Fill(job_.glass, "500,400,,,1");
    ScriptedPrompter prompter({kYes});
    const CheckResult result = CheckJob(job_, prompter);
    EXPECT_EQ(prompter.Texts().back(), c.refused ? refusal : "Start OPTIMIZATION?");
    EXPECT_EQ(result.start, !c.refused);
    if (c.refused) {
      EXPECT_EQ(prompter.prompts().back().icon, PromptIcon::kExclamation);
      EXPECT_EQ(result.focus, JobGridId::kBasic);
      EXPECT_EQ(job_.basic.col, basic_col::kB);
    }
  }
}

// The trim allowance adds 0.001 in double and rounds once; BLADE sums in float.
TEST_F(CheckJobTest, StartOptimizationSavesTmpAndMarksTheJobChanged) {
  job_.basic.SetText(1, basic_col::kTolerance, "IN");
  EXPECT_EQ(TrimAllowance(job_.basic), 0.001f);
  EXPECT_EQ(BladeText(0.001f, 0.0f), "1.002");
  testing::FillRows(job_.sheet, {{"3000", "2000", "", "", "5"}});
  testing::FillRows(job_.glass, {{"1000", "500", "", "", "2"}});
  job_.basic.SetText(1, basic_col::kTolerance, "1.1");
  ScriptedPrompter prompter({kYes});
  EXPECT_TRUE(StartOptimization(job_, prompter).start);
  EXPECT_EQ(job_.settings.trim_allowance, 1.10099995f);
  EXPECT_TRUE(job_.settings.job_changed);
  EXPECT_EQ(job_.basic.Text(1, basic_col::kBlade), "3003.202");
  // tmp.tlf is written before the checks, so it still has the earlier BLADE.
  EXPECT_THAT(folder_.Read("100.5tmp.tlf"),
              StartsWith("[BASIC.TLF]\r\n\"FLOAT\",\"\",\"\",\"\",\"\",\"0\",\"\",\"1.1\","
                         "\"\",\"\",\"\"\r\n[END]"));
  ScriptedPrompter no({kNo});
  job_.settings.job_changed = false;
  EXPECT_FALSE(StartOptimization(job_, no).start);
  EXPECT_FALSE(job_.settings.job_changed);
}

// Fills row 1 of a grid with texts of the longest length each column takes, or the number given.
void FillLongest(Grid& grid, const Texts& headers, const Texts& numbers) {
  grid.SetRows(3);
  ClearTable(grid);
  for (size_t c = 0; c < headers.size(); ++c) {
    const int length = DescribeColumn(headers[c])->max_length;
    std::string text = numbers[c];
    for (int i = 0; numbers[c].empty() && i < length; ++i) text += i % 2 == 0 ? '\xDC' : 'W';
    ASSERT_EQ(static_cast<int>(text.size()), length) << headers[c];
    grid.SetText(1, static_cast<int>(c) + 1, text);
  }
}

TEST_F(CheckJobTest, TextsOfTheLongestLengthInEveryColumnRunSaveAndReport) {
  ASSERT_FALSE(SeedDataFolder(folder_.path()).has_value());
  job_ = MakeJob(Workspace{folder_.path(), "100.5"}, ProgramSettings{});
  ASSERT_NO_FATAL_FAILURE(FillLongest(job_.basic, BasicDetailsHeaders(),
                                      {"", "", "12.345", "", "99.999", "3.0000", "", "2.0000",
                                       "00.000", "123456789", "987654321"}));
  ASSERT_NO_FATAL_FAILURE(FillLongest(job_.sheet, SheetHeaders(),
                                      {"3660.0000", "2440.0000", "144.09449", "96.062992", "99999",
                                       "10.000", "10.000", "10.000", "10.000", "99999.9"}));
  ASSERT_NO_FATAL_FAILURE(
      FillLongest(job_.glass, GlassHeaders(),
                  {"500.00000", "400.00000", "19.685039", "15.748031", "99999", "1", "20.937500",
                   "16.937500", "", "99999.9", "", "", "", "", "", ""}));
  ScriptedPrompter prompter({kYes});
  ASSERT_TRUE(StartOptimization(job_, prompter).start);
  OptimizationSettings settings = JobRunSettings(job_);
  settings.efficiency = 1;
  const OptimizationResult result = RunOptimization(EngineJobOf(job_), settings);
  ASSERT_EQ(result.end, OptimizationEnd::kDone);
  ASSERT_FALSE(StoreRunResult(job_, result).has_value());
  const std::string saved = folder_.path() + "/longest.opt";
  ASSERT_TRUE(SaveJob(job_, saved, prompter));
  Job reopened = MakeJob(Workspace{folder_.path(), "200.5"}, ProgramSettings{});
  ASSERT_TRUE(OpenJob(reopened, saved, prompter));
  for (int c = 1; c < job_.glass.Cols(); ++c) {
    EXPECT_EQ(reopened.glass.Text(1, c), job_.glass.Text(1, c)) << "glass column " << c;
  }
  ASSERT_EQ(LoadLayouts(reopened, ReportPathsIn(folder_.path())).error, "");
  const std::string report = folder_.Read("report.tlf");
  EXPECT_THAT(report, HasSubstr(job_.glass.Text(1, glass_col::kCustomer)));
  EXPECT_THAT(report, HasSubstr(job_.basic.Text(1, basic_col::kItem)));
}

}  // namespace
}  // namespace lumora
