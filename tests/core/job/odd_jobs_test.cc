#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/engine2d/job_run.h"
#include "core/job/job_check.h"
#include "core/job/job_file.h"
#include "core/job/job_tables.h"
#include "core/layouts/layouts_load.h"
#include "core/shell/data_folder.h"
#include "core/tables/column_dictionary.h"
#include "core/tables/table_file.h"
#include "job_test_support.h"
#include "support/scripted_prompter.h"

// Odd jobs from the start of a run to the report: glass smaller than the trim allowance, and
// texts of the longest length every column takes.
namespace lumora {
namespace {

using ::testing::ElementsAre;
using testing::FillRows;
using ::testing::HasSubstr;
using testing::ScriptedPrompter;
using testing::TempFolder;

class OddJobTest : public ::testing::Test {
 protected:
  OddJobTest() : job_(testing::MakeTestJob(folder_)) {}

  // Basic Details with a tolerance (T (MM)) and a kerf, and the trim allowance of a start.
  void SetBasic(const std::string& tolerance, const std::string& kerf) {
    FillRows(job_.basic, {{"FLOAT", "", "", "", "", kerf, "", tolerance}});
    job_.basic.SetRows(2);
    job_.settings.trim_allowance = TrimAllowance(job_.basic);
  }

  TempFolder folder_;
  Job job_;
};

TEST_F(OddJobTest, GlassNoBiggerThanTheTrimAllowanceIsRefusedOnItsRow) {
  // T (MM) 2 gives a trim allowance of 2.001: a 2 mm side leaves the piece a cell of no size.
  SetBasic("2", "0");
  FillRows(job_.sheet, {{"3660", "2440", "", "", "10"}});
  FillRows(job_.glass, {{"500", "400", "", "", "2"},
                        {"1", "1", "", "", "-3"},
                        {"300", "2", "", "", "4"},
                        {"1", "1", "", "", "5"}});
  ScriptedPrompter prompter;
  const CheckResult result = CheckJob(job_, prompter);
  // Row 2 is never read by the engine (its quantity is negative); only the first of the
  // others is told.
  EXPECT_THAT(prompter.Texts(), ElementsAre("Glass size (3) is smaller than the trim allowance!"));
  EXPECT_EQ(prompter.prompts()[0].icon, PromptIcon::kExclamation);
  EXPECT_EQ(prompter.prompts()[0].buttons, PromptButtons::kOk);
  EXPECT_FALSE(result.start);
  EXPECT_EQ(result.focus, JobGridId::kGlass);
  EXPECT_EQ(job_.glass.row, 3);
}

TEST_F(OddJobTest, TheKerfMakesASmallPieceBigEnoughAndTheFitTestComesFirst) {
  // 2 + kerf 1 - 2.001 leaves a cell of 0.999: the piece can be cut.
  SetBasic("2", "1");
  FillRows(job_.sheet, {{"3660", "2440", "", "", "10"}});
  FillRows(job_.glass, {{"2", "2", "", "", "4"}});
  ScriptedPrompter accepting({PromptAnswer::kYes});
  EXPECT_TRUE(CheckJob(job_, accepting).start);
  EXPECT_THAT(accepting.Texts(), ElementsAre("Start OPTIMIZATION?"));

  FillRows(job_.glass, {{"1", "1", "", "", "4"}, {"5000", "10", "", "", "1"}});
  ScriptedPrompter refusing;
  EXPECT_FALSE(CheckJob(job_, refusing).start);
  EXPECT_THAT(refusing.Texts(),
              ElementsAre("Glass size (2) is bigger then the largest sheet dimension!"));
}

TEST_F(OddJobTest, QuantitiesAboveFiveDigitsAreRefusedOnTheirRow) {
  SetBasic("2", "0");
  FillRows(job_.sheet, {{"3660", "2440", "", "", "99999"}, {"2440", "1830", "", "", "100000"}});
  FillRows(job_.glass, {{"500", "400", "", "", "99999"}, {"300", "200", "", "", "123456789"}});
  ScriptedPrompter sheet_refused;
  EXPECT_EQ(CheckJob(job_, sheet_refused).focus, JobGridId::kSheet);
  EXPECT_THAT(sheet_refused.Texts(), ElementsAre("QTY of sheet number (2) is more than 99999!"));
  EXPECT_EQ(job_.sheet.row, 2);

  FillRows(job_.sheet, {{"3660", "2440", "", "", "99999"}});
  ScriptedPrompter glass_refused;
  const CheckResult result = CheckJob(job_, glass_refused);
  EXPECT_FALSE(result.start);
  EXPECT_EQ(result.focus, JobGridId::kGlass);
  EXPECT_THAT(glass_refused.Texts(), ElementsAre("QTY of glass size (2) is more than 99999!"));

  // Coils count as 99999 whatever was typed.
  job_.settings.coil_mode = true;
  FillRows(job_.sheet, {{"3660", "2440", "", "", "250000"}});
  FillRows(job_.glass, {{"500", "400", "", "", "99999"}});
  ScriptedPrompter coil;
  EXPECT_TRUE(CheckJob(job_, coil).start);
  EXPECT_THAT(coil.Texts(), ElementsAre("Start OPTIMIZATION?"));
}

// A cell text of the longest length its column takes, numbers that still make a job.
std::string LongestText(const std::string& header, const std::string& number) {
  const int length = DescribeColumn(header)->max_length;
  if (!number.empty()) return number;
  std::string text;
  for (int i = 0; i < length; ++i) text += static_cast<char>(i % 2 == 0 ? '\xDC' : 'W');
  return text;
}

// Fills row 1 of a grid: texts of the longest length, the given numbers where not empty.
void FillLongest(Grid& grid, const std::vector<std::string>& headers,
                 const std::vector<std::string>& numbers) {
  grid.SetRows(3);
  ClearTable(grid);
  for (size_t c = 0; c < headers.size(); ++c) {
    const std::string text = LongestText(headers[c], numbers[c]);
    ASSERT_EQ(static_cast<int>(text.size()), DescribeColumn(headers[c])->max_length) << headers[c];
    grid.SetText(1, static_cast<int>(c) + 1, text);
  }
}

TEST_F(OddJobTest, TextsOfTheLongestLengthInEveryColumnRunSaveAndReport) {
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
  ScriptedPrompter prompter({PromptAnswer::kYes});
  ASSERT_TRUE(StartOptimization(job_, prompter).start);

  OptimizationSettings settings = JobRunSettings(job_);
  settings.efficiency = 1;
  const OptimizationResult result = RunOptimization(EngineJobOf(job_), settings);
  ASSERT_EQ(result.end, OptimizationEnd::kDone);
  ASSERT_FALSE(result.best.Empty());
  ASSERT_FALSE(StoreRunResult(job_, result).has_value());

  const std::string saved = folder_.path() + "/longest.opt";
  ASSERT_TRUE(SaveJob(job_, saved, prompter));
  Job reopened = MakeJob(Workspace{folder_.path(), "200.5"}, ProgramSettings{});
  ASSERT_TRUE(OpenJob(reopened, saved, prompter));
  for (int c = 1; c < job_.glass.Cols(); ++c) {
    EXPECT_EQ(reopened.glass.Text(1, c), job_.glass.Text(1, c)) << "glass column " << c;
  }

  const LayoutsLoad load = LoadLayouts(reopened, ReportPathsIn(folder_.path()));
  ASSERT_EQ(load.error, "");
  const std::string report = folder_.Read("report.tlf");
  EXPECT_THAT(report, HasSubstr(job_.glass.Text(1, glass_col::kCustomer)));
  EXPECT_THAT(report, HasSubstr(job_.basic.Text(1, basic_col::kItem)));
}

}  // namespace
}  // namespace lumora
