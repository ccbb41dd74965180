#include "core/job/job_check.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/job/job_tables.h"
#include "core/tables/file_routines.h"
#include "job_test_support.h"
#include "support/scripted_prompter.h"

namespace lumora {
namespace {

using ::testing::ElementsAre;
using testing::FillRows;
using testing::ScriptedPrompter;
using ::testing::StartsWith;
using testing::TempFolder;

constexpr PromptAnswer kYes = PromptAnswer::kYes;
constexpr PromptAnswer kNo = PromptAnswer::kNo;

class CheckJobTest : public ::testing::Test {
 protected:
  CheckJobTest() : job_(testing::MakeTestJob(folder_)) {
    FillRows(job_.basic, {{"FLOAT", "", "", "", "", "0", "", "2"}});
    job_.basic.SetRows(2);
    job_.settings.trim_allowance = TrimAllowance(job_.basic);
  }

  TempFolder folder_;
  Job job_;
};

TEST(TrimAllowance, AddsInDoubleAndRoundsOnce) {
  Grid basic(2, 12);
  basic.SetText(1, basic_col::kTolerance, "1.1");
  EXPECT_EQ(TrimAllowance(basic), 1.10099995f);
  EXPECT_NE(TrimAllowance(basic), 1.1f + 0.001f);
  basic.SetText(1, basic_col::kTolerance, "IN");
  EXPECT_EQ(TrimAllowance(basic), 0.001f);
}

TEST(BladeText, SumsInFloat) {
  EXPECT_EQ(BladeText(2.001f, 3660.0f), "3665.002");
  EXPECT_EQ(BladeText(0.001f, 0.0f), "1.002");
}

TEST_F(CheckJobTest, AnEmptyTableStartsWithoutAQuestion) {
  FillRows(job_.sheet, {{"0", "0", "", "", "0"}});
  ScriptedPrompter prompter;
  const CheckResult result = CheckJob(job_, prompter);
  EXPECT_TRUE(result.start);
  EXPECT_TRUE(prompter.prompts().empty());
  EXPECT_EQ(job_.basic.Text(1, basic_col::kBlade), "");
}

TEST_F(CheckJobTest, MissingValuesAskInRowAndFieldOrder) {
  FillRows(job_.sheet, {{"3000", "2000", "", "", "5"}, {"0", "1000", "", "", "-1"}});
  FillRows(job_.glass, {{"0", "500", "", "", "0"}});
  ScriptedPrompter prompter({kYes, kYes, kYes});
  const CheckResult result = CheckJob(job_, prompter);
  // A negative quantity is not missing; the glass row asks twice.
  EXPECT_THAT(prompter.Texts(),
              ElementsAre("L1 missing in sheet number (2), Proceed?",
                          "L1 missing in glass size (1), Proceed?",
                          "QTY missing in glass size (1), Proceed?", "Start OPTIMIZATION?"));
  const Prompt& missing = prompter.prompts()[0];
  EXPECT_EQ(missing.title, "Lumora");
  EXPECT_EQ(missing.icon, PromptIcon::kQuestion);
  EXPECT_EQ(missing.buttons, PromptButtons::kYesNo);
  EXPECT_EQ(missing.default_answer, kNo);
  const Prompt& start = prompter.prompts()[3];
  EXPECT_EQ(start.title, "Lumora");
  EXPECT_EQ(start.buttons, PromptButtons::kYesNo);
  EXPECT_EQ(start.icon, PromptIcon::kQuestion);
  EXPECT_TRUE(result.start);
  EXPECT_EQ(result.focus, JobGridId::kBasic);
}

TEST_F(CheckJobTest, NoToAMissingValueStopsOnItsRow) {
  FillRows(job_.sheet, {{"3000", "2000", "", "", "5"}});
  FillRows(job_.glass, {{"100", "100", "", "", "1"}, {"0", "500", "", "", "0"}});
  ScriptedPrompter prompter({kNo});
  const CheckResult result = CheckJob(job_, prompter);
  EXPECT_THAT(prompter.Texts(), ElementsAre("L1 missing in glass size (2), Proceed?"));
  EXPECT_FALSE(result.start);
  EXPECT_EQ(result.focus, JobGridId::kGlass);
  EXPECT_EQ(job_.glass.row, 2);
  // The largest stock side is known before the glass questions, but BLADE comes after them.
  EXPECT_EQ(job_.basic.Text(1, basic_col::kBlade), "");
}

TEST_F(CheckJobTest, FitTestAllowsTheTrimAllowanceAndReportsTheFirstRowOnly) {
  // t = 2.001: a side of 3000 + t fits, anything longer does not.
  FillRows(job_.sheet, {{"3000", "2000", "", "", "100"}});
  FillRows(job_.glass, {{"3002.001", "100", "", "", "1"},
                        {"100", "3002.002", "", "", "1"},
                        {"3100", "100", "", "", "1"}});
  ScriptedPrompter prompter;
  const CheckResult result = CheckJob(job_, prompter);
  EXPECT_THAT(prompter.Texts(),
              ElementsAre("Glass size (2) is bigger then the largest sheet dimension!"));
  EXPECT_EQ(prompter.prompts()[0].icon, PromptIcon::kExclamation);
  EXPECT_EQ(prompter.prompts()[0].buttons, PromptButtons::kOk);
  EXPECT_FALSE(result.start);
  EXPECT_EQ(result.focus, JobGridId::kGlass);
  EXPECT_EQ(job_.glass.row, 2);
  EXPECT_EQ(job_.basic.Text(1, basic_col::kBlade), "3005.002");
}

TEST_F(CheckJobTest, AnOrnOtherThan1Or2OrAGlassThatFitsNoSheetIsRefused) {
  // Sheet 1000 (L1, down) x 300 (L2, across), no kerf, t = 2.001; ORN 1 lays L2 across.
  struct Case {
    std::vector<std::string> sheet;  // L1, L2, QTY, margin left
    std::vector<std::string> glass;  // L1, L2, QTY, ORN
    std::string refusal;             // empty: the start question follows
  };
  const std::vector<Case> cases = {
      {{"1000", "300", "1", ""}, {"900", "200", "1", ""}, ""},
      {{"1000", "300", "1", ""}, {"200", "900", "1", "2.0"}, ""},
      {{"1000", "300", "1", ""}, {"200", "900", "1", "0"}, ""},
      {{"1000", "300", "1", ""}, {"200", "900", "1", "1"}, "fits no sheet"},
      {{"1000", "300", "1", "10"}, {"1000", "300", "1", ""}, "fits no sheet"},
      {{"1000", "300", "1", ""}, {"900", "200", "1", "3"}, "ORN"},
      {{"1000", "300", "1", ""}, {"900", "200", "1", "-1"}, "ORN"},
      {{"1000", "300", "1", ""}, {"900", "200", "1", "1e20"}, "ORN"},
      {{"1000", "300", "1", ""}, {"900", "200", "1", "1.5"}, "ORN"},
  };
  const std::map<std::string, std::string> texts = {
      {"ORN", "ORN of glass size (2) is not 1 or 2!"},
      {"fits no sheet",
       "Glass size (2) fits no sheet once margins and trim allowance are taken off!"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.glass[3] + " " + c.sheet[2] + " " + c.sheet[3]);
    const auto& s = c.sheet;
    FillRows(job_.sheet, {{s[0], s[1], "", "", s[2], s[3]}});
    FillRows(job_.glass,
             {{"10", "10", "", "", "1"}, {c.glass[0], c.glass[1], "", "", c.glass[2], c.glass[3]}});
    ScriptedPrompter prompter({kYes, kNo});
    const CheckResult result = CheckJob(job_, prompter);
    const std::string expected = c.refusal.empty() ? "Start OPTIMIZATION?" : texts.at(c.refusal);
    EXPECT_EQ(prompter.Texts().back(), expected);
    EXPECT_EQ(result.focus, c.refusal.empty() ? JobGridId::kBasic : JobGridId::kGlass);
  }
}

TEST_F(CheckJobTest, EqualAreasPassAndMoreGlassRefuses) {
  // With t = 0.5 the glass area less the trim allowance is exactly the stock area.
  job_.settings.trim_allowance = 0.5f;
  FillRows(job_.sheet, {{"1000", "500", "", "", "1"}});
  FillRows(job_.glass, {{"1000.5", "500.5", "", "", "1"}});
  ScriptedPrompter equal({kNo});
  EXPECT_FALSE(CheckJob(job_, equal).start);
  EXPECT_THAT(equal.Texts(), ElementsAre("Start OPTIMIZATION?"));

  FillRows(job_.glass, {{"1000.5", "500.5", "", "", "1"}, {"1.5", "1.5", "", "", "1"}});
  ScriptedPrompter more;
  const CheckResult result = CheckJob(job_, more);
  EXPECT_THAT(more.Texts(), ElementsAre("Total Glass Size Area is MORE then Total Sheet Area!"));
  EXPECT_EQ(more.prompts()[0].icon, PromptIcon::kExclamation);
  EXPECT_FALSE(result.start);
  EXPECT_EQ(result.focus, JobGridId::kNone);
}

TEST_F(CheckJobTest, CoilRowsGetUnlimitedQuantityEvenWhenRefused) {
  job_.settings.coil_mode = true;
  FillRows(job_.sheet, {{"1000", "500", "", "", ""}, {"800", "0", "", "", "3"}});
  FillRows(job_.glass, {{"5000", "100", "", "", "1"}});
  ScriptedPrompter prompter({kYes});
  EXPECT_FALSE(CheckJob(job_, prompter).start);
  EXPECT_THAT(prompter.Texts(),
              ElementsAre("L2 missing in sheet number (2), Proceed?",
                          "Glass size (1) is bigger then the largest sheet dimension!"));
  EXPECT_EQ(job_.sheet.Text(1, sheet_col::kQty), "99999");
  EXPECT_EQ(job_.sheet.Text(2, sheet_col::kQty), "99999");
  EXPECT_EQ(job_.sheet.Text(3, sheet_col::kQty), "");
}

TEST_F(CheckJobTest, StartOptimizationSavesTmpAndMarksTheJobChanged) {
  FillRows(job_.sheet, {{"3000", "2000", "", "", "5"}});
  FillRows(job_.glass, {{"1000", "500", "", "", "2"}});
  job_.basic.SetText(1, basic_col::kTolerance, "1.1");
  ScriptedPrompter prompter({kYes});
  EXPECT_TRUE(StartOptimization(job_, prompter).start);
  EXPECT_EQ(job_.settings.trim_allowance, 1.10099995f);
  EXPECT_TRUE(job_.settings.job_changed);
  EXPECT_EQ(job_.basic.Text(1, basic_col::kBlade), "3003.202");
  // tmp.tlf is written before the checks, so it still has the earlier BLADE.
  const std::string tmp = folder_.Read("100.5tmp.tlf");
  EXPECT_THAT(tmp, StartsWith("[BASIC.TLF]\r\n\"FLOAT\",\"\",\"\",\"\",\"\",\"0\",\"\",\"1.1\","
                              "\"\",\"\",\"\"\r\n[END]"));

  ScriptedPrompter no({kNo});
  job_.settings.job_changed = false;
  EXPECT_FALSE(StartOptimization(job_, no).start);
  EXPECT_FALSE(job_.settings.job_changed);
}

}  // namespace
}  // namespace lumora
