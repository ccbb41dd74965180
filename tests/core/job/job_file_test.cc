#include "core/job/job_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/base/file_routines.h"
#include "core/job/data_change.h"
#include "core/job/file_commands.h"
#include "core/job/job_grids.h"
#include "core/job/job_sections.h"
#include "core/job/job_tables.h"
#include "core/job/program_settings.h"
#include "job_test_support.h"
#include "support/scripted_dialog.h"
#include "support/scripted_prompter.h"

namespace lumora {
namespace {

using ::testing::ElementsAre;
using testing::FillRows;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using testing::ScriptedDialog;
using testing::ScriptedPrompter;
using testing::TempFolder;
using testing::TestDataBytes;

constexpr PromptAnswer kYes = PromptAnswer::kYes;
constexpr PromptAnswer kNo = PromptAnswer::kNo;
constexpr PromptAnswer kCancel = PromptAnswer::kCancel;

class JobFileTest : public ::testing::Test {
 protected:
  JobFileTest() : job_(testing::MakeTestJob(folder_)) {
    FillRows(job_.sheet, {{"3000", "2000", "", "", "5"}});
    FillRows(job_.glass, {{"1000", "500", "", "", "2"}});
  }

  // Opens bytes written as a job file and saves the job again; answers the saved bytes.
  std::string RoundTrip(const std::string& bytes) {
    EXPECT_TRUE(OpenJob(job_, folder_.Write("source.opt", bytes), prompter_));
    EXPECT_TRUE(SaveJob(job_, folder_.File("saved.opt"), prompter_));
    return folder_.Read("saved.opt");
  }

  // The requests the dialog got, each as "kind,title,file name,filter".
  std::string Asked() const {
    std::vector<std::string> asked;
    for (const FileDialogRequest& r : dialog_.requests) {
      asked.push_back(std::string(r.kind == FileDialogKind::kSave ? "save," : "open,") + r.title +
                      "," + r.file_name + "," + r.filter);
    }
    return testing::Join(asked, ';');
  }

  TempFolder folder_;
  Job job_;
  ScriptedPrompter prompter_;
  ScriptedDialog dialog_;
};

TEST_F(JobFileTest, AJobWrittenByUsOpensUnchangedAndEmptySectionsStayEmpty) {
  std::string example =
      ReadFileBytes(std::string(LUMORA_SOURCE_DATA_DIR) + "/examples/small.opt", kJobFileLimit)
          .value();
  // Layout lines are copied as they are, also one that starts with "[".
  example.replace(example.find("[DIA.TLF]\r\n[END]"), 16,
                  "[DIA.TLF]\r\n[1,-1]\r\n1,-4,1,0,0,10.5,20,1,0\r\n[END]");
  EXPECT_EQ(RoundTrip(example), example);
  EXPECT_EQ(job_.sheet.Rows(), 4);
  EXPECT_EQ(job_.glass.Rows(), 12);
  EXPECT_EQ(folder_.Read("100.5dia.tlf"), "[1,-1]\r\n1,-4,1,0,0,10.5,20,1,0\r\n");
  const std::string empty = JoinJobFile({"", "0,-1\r\n", "", "", ""});
  EXPECT_EQ(RoundTrip(empty), empty);
  EXPECT_EQ(job_.basic.Rows(), 2);
  EXPECT_EQ(job_.glass.Rows(), 2);
  EXPECT_FALSE(job_.maximum_yield);
  EXPECT_TRUE(job_.minimum_layouts);
  EXPECT_TRUE(prompter_.prompts().empty());
}

TEST_F(JobFileTest, AFileCutShortLeavesTheRestEmpty) {
  folder_.Write("100.5dia.tlf", "stale layouts\r\n");
  const std::string path = folder_.Write("short.opt", TestDataBytes("jobs/cut_short.opt"));
  ASSERT_TRUE(OpenJob(job_, path, prompter_));
  EXPECT_EQ(job_.basic.Text(1, basic_col::kItem), "FLOAT CLEAR");
  EXPECT_EQ(job_.sheet.Rows(), 4);
  EXPECT_EQ(job_.sheet.Text(2, sheet_col::kL1Inch), "96 1/16");
  EXPECT_EQ(job_.sheet.Text(2, sheet_col::kQty), "");
  EXPECT_EQ(job_.glass.Rows(), 2);
  EXPECT_TRUE(IsFileEmpty(folder_.File("100.5dia.tlf")));
  EXPECT_FALSE(job_.maximum_yield);
  EXPECT_TRUE(job_.minimum_layouts);
}

TEST_F(JobFileTest, AnEarlierVersionFileIsRepaired) {
  const std::string path = folder_.Write("old.opt", TestDataBytes("jobs/earlier_version.opt"));
  ASSERT_TRUE(OpenJob(job_, path, prompter_));
  EXPECT_EQ(job_.basic.Text(1, basic_col::kTolerance), "0");
  EXPECT_TRUE(IsFileEmpty(folder_.File("100.5dia.tlf")));
  EXPECT_THAT(prompter_.Texts(),
              ElementsAre("Earlier version data file detected. Set the required tolerance and "
                          "optimize."));
  ASSERT_TRUE(SaveJob(job_, folder_.File("new.opt"), prompter_));
  const std::string saved = folder_.Read("new.opt");
  EXPECT_THAT(saved, HasSubstr("\"3700\",\"\",\"0\",\"\",\"0\",\"0\",\"\",\"\"\r\n[END]"));
  EXPECT_THAT(saved, HasSubstr("[DIA.TLF]\r\n[END]\r\n"));
}

TEST_F(JobFileTest, BasicDetailsKeepsOneRowAndMiscSetDecidesTheUnit) {
  ProgramSettings settings{.unit = Unit::kMm, .efficiency = 7};
  ReadMiscSettings(job_.workspace, settings);  // without misc.set nothing changes
  EXPECT_EQ(settings.unit, Unit::kMm);
  EXPECT_EQ(settings.efficiency, 7);
  EXPECT_EQ(ReadScrapCriteria(job_.workspace).first, 0.0f);
  folder_.Write("scrap.dat", "\"500\",\"300.5\"\r\n");
  const ScrapCriteria criteria = ReadScrapCriteria(job_.workspace);
  EXPECT_EQ(std::pair(criteria.first, criteria.second), std::pair(500.0f, 300.5f));
  folder_.Write("misc.set", "\"MM\",\"99999\",\"FULL\"");
  ReadMiscSettings(job_.workspace, settings);
  EXPECT_EQ(settings.efficiency, 32767);
  folder_.Write("misc.set", "\"IN\",\"12.5\",\"HALF\"\r\n");
  job_.settings.unit = Unit::kMm;
  const std::string two_rows =
      "[BASIC.TLF]\r\n\"A\",\"\",\"\",\"\",\"\",\"\",\"\",\"1\",\"\",\"\",\"\"\r\n"
      "\"B\",\"\",\"\",\"\",\"\",\"\",\"\",\"2\",\"\",\"\",\"\"\r\n[END]\r\n";
  const std::string saved = RoundTrip(two_rows);
  EXPECT_EQ(job_.basic.Rows(), 2);
  EXPECT_THAT(saved, HasSubstr("[BASIC.TLF]\r\n\"A\",\"\",\"\",\"\",\"\",\"\",\"\",\"1\",\"\",\"\","
                               "\"\"\r\n[END]\r\n[OPTIONS.TLF]\r\n-1,0\r\n[END]"));
  EXPECT_EQ(job_.settings.unit, Unit::kIn);
  EXPECT_EQ(job_.settings.efficiency, 12);
  EXPECT_EQ(job_.settings.move, MoveSetting::kHalf);
  EXPECT_EQ(job_.sheet.col, 3);
  EXPECT_EQ(job_.glass.col, 3);
  for (int c = basic_col::kGrade; c <= basic_col::kNote; ++c) EXPECT_EQ(job_.basic.ColWidth(c), 0);
}

TEST_F(JobFileTest, ChargeableSizesAreStoredOnYesOnly) {
  const std::string charges = "\"0\",\"24\",\"24\"\r\n";
  folder_.Write("charge.dat", charges);
  for (const PromptAnswer answer : {kNo, kYes}) {
    Grid grid = LoadChargeGrid(job_.workspace);
    FillRows(grid, {{"0", "24", "24"}, {"24", "48", "48"}});
    ScriptedPrompter prompter({answer});
    EXPECT_TRUE(CloseChargeGrid(grid, job_.workspace, prompter));
    EXPECT_THAT(prompter.Texts(), ElementsAre("Save Changes?"));
    EXPECT_EQ(folder_.Read("charge.dat"),
              answer == kNo ? charges : charges + "\"24\",\"48\",\"48\"\r\n");
  }
}

TEST(JobSections, SplitByPositionJoinUnderTheirNamesAndAShortFileLeavesTheRestEmpty) {
  const std::string job =
      "[BASIC.TLF]\r\n\"A\"\r\n[END]\r\n[X]\r\n-1,0\r\n[END]\r\n[SHEET.TLF]\r\n[END]\r\n"
      "[CUT.TLF]\r\n[NOT END]\r\n\"1\"\n[END]\r\n[DIA.TLF]\r\n[END]\r\n";
  const JobTables tables = SplitJobFile(job);
  EXPECT_EQ(tables, (JobTables{"\"A\"\r\n", "-1,0\r\n", "", "[NOT END]\r\n\"1\"\r\n", ""}));
  std::string expected = job;
  expected.replace(expected.find("[X]"), 3, "[OPTIONS.TLF]");
  expected.replace(expected.find("\"1\"\n"), 4, "\"1\"\r\n");
  EXPECT_EQ(JoinJobFile(tables), expected);
  EXPECT_EQ(SplitJobFile("[BASIC.TLF]\r\n\"A\"\r\n[END]\r\n[OPTIONS.TLF]\r\n-1,0"),
            (JobTables{"\"A\"\r\n", "-1,0\r\n", "", "", ""}));
}

TEST_F(JobFileTest, YesToSaveChangesGoesOnEvenWhenTheDialogIsCancelled) {
  folder_.Write("Defaults", "[BASIC.TLF]\r\n\"DEFAULT ITEM\"\r\n[END]\r\n");
  job_.settings.job_changed = job_.settings.imported_stock = true;
  job_.settings.resume_pass = 7;
  job_.file_name = "/jobs/Old.opt";
  ScriptedPrompter prompter({kYes});
  EXPECT_TRUE(FileNew(job_, prompter, dialog_.Callback()));
  EXPECT_THAT(prompter.Texts(), ElementsAre("Save changes in current file?"));
  EXPECT_EQ(prompter.prompts()[0].buttons, PromptButtons::kYesNoCancel);
  EXPECT_EQ(Asked(), "save,Save File...,/jobs/Old.opt,*.opt|*.opt");
  EXPECT_EQ(job_.basic.Text(1, basic_col::kItem), "DEFAULT ITEM");
  EXPECT_EQ(job_.sheet.Rows(), 2);
  EXPECT_EQ(job_.file_name, "");
  EXPECT_FALSE(job_.settings.job_changed || job_.settings.imported_stock);
  EXPECT_EQ(job_.settings.resume_pass, 0);
  EXPECT_EQ(JobCaption(job_), "Base Module");
}

TEST_F(JobFileTest, CancelKeepsTheJobAndNoGoesOnWithoutSaving) {
  ScriptedPrompter unchanged;  // an unchanged job is not asked about
  EXPECT_EQ(AskSaveChanges(job_, unchanged, dialog_.Callback()), kNo);
  EXPECT_THAT(unchanged.prompts(), IsEmpty());
  EXPECT_EQ(Asked(), "");
  job_.settings.coil_mode = job_.settings.job_changed = true;
  job_.file_name = "C:\\Jobs\\Coil.SDR";
  EXPECT_EQ(JobCaption(job_), "Strandor - c:\\jobs\\coil.sdr");
  ScriptedPrompter answers({kCancel, kCancel, kNo, kNo});
  EXPECT_FALSE(FileNew(job_, answers, dialog_.Callback()));
  EXPECT_FALSE(FileOpen(job_, answers, dialog_.Callback()));
  EXPECT_TRUE(job_.settings.job_changed);
  // No to "Save changes" clears only the change flag when the open dialog is cancelled.
  EXPECT_FALSE(FileOpen(job_, answers, dialog_.Callback()));
  EXPECT_EQ(Asked(), "open,open File...,,SDR (*.sdr)|*.sdr|OPT (*.opt)|*.opt");
  EXPECT_EQ(job_.file_name, "C:\\Jobs\\Coil.SDR");
  EXPECT_FALSE(job_.settings.job_changed);
  // A new job without Defaults keeps the rows.
  job_.settings.job_changed = true;
  EXPECT_TRUE(FileNew(job_, answers, dialog_.Callback()));
  EXPECT_EQ(answers.prompts().size(), 4u);
  EXPECT_EQ(job_.sheet.Text(1, sheet_col::kL1), "3000");
  EXPECT_EQ(job_.file_name, "");
}

TEST_F(JobFileTest, SaveAsksForANameOnceAndOpenReadsItBack) {
  job_.settings.job_changed = true;
  job_.settings.resume_pass = 3;
  dialog_.answers = {folder_.File("Job.opt")};
  EXPECT_TRUE(FileSave(job_, prompter_, dialog_.Callback()));
  EXPECT_TRUE(FileSave(job_, prompter_, dialog_.Callback()));
  EXPECT_EQ(Asked(), "save,Save File...,,*.opt|*.opt");
  EXPECT_FALSE(job_.settings.job_changed);
  EXPECT_THAT(prompter_.prompts(), IsEmpty());
  Job reopened = testing::MakeTestJob(folder_);
  reopened.settings.imported_stock = true;
  dialog_.answers = {folder_.File("Job.opt")};
  EXPECT_TRUE(FileOpen(reopened, prompter_, dialog_.Callback()));
  EXPECT_EQ(reopened.file_name, folder_.File("Job.opt"));
  EXPECT_EQ(reopened.sheet.Text(1, sheet_col::kL2), "2000");
  EXPECT_EQ(reopened.glass.Text(1, glass_col::kQty), "2");
  EXPECT_FALSE(reopened.settings.imported_stock);
}

// A name this long leaves no room for the temporary file next to it, so the save fails although
// the old file is there.
TEST_F(JobFileTest, AFailedSaveAsKeepsTheOldFileTheNameAndTheChangeFlag) {
  job_.file_name = folder_.File("kept.opt");
  job_.settings.job_changed = true;
  const std::string path = folder_.Write(std::string(250, 'j') + ".opt", "my only copy\r\n");
  dialog_.answers = {path};
  EXPECT_FALSE(FileSaveAs(job_, prompter_, dialog_.Callback()));
  EXPECT_EQ(ReadFileBytes(path, kJobFileLimit), "my only copy\r\n");
  EXPECT_EQ(job_.file_name, folder_.File("kept.opt"));
  EXPECT_TRUE(job_.settings.job_changed);
  EXPECT_THAT(prompter_.Texts(), ElementsAre("Could not save " + path + ": File name too long"));
}

TEST_F(JobFileTest, SaveAsDefaultsCarriesNoStockAndNoGlass) {
  job_.basic.SetRows(2);
  job_.basic.SetText(1, basic_col::kItem, "FLOAT");
  job_.basic.SetText(1, basic_col::kKerf, "3");
  FlipObjective(job_);
  folder_.Write("100.5dia.tlf", "1,-1,1,0,0,3000,2000,1,0\r\n");
  job_.settings.job_changed = true;
  ScriptedPrompter no({kNo});
  EXPECT_FALSE(FileSaveAsDefaults(job_, no));
  EXPECT_THAT(no.Texts(), ElementsAre("Current Data in Basic Details and Optimization Options "
                                      "will be saved as DEFAULTS. Do you want to continue?"));
  EXPECT_FALSE(FileExists(folder_.File("Defaults")));
  ScriptedPrompter yes({kYes});
  EXPECT_TRUE(FileSaveAsDefaults(job_, yes));
  EXPECT_EQ(folder_.Read("Defaults"), TestDataBytes("jobs/defaults_float.opt"));
  EXPECT_TRUE(IsFileEmpty(folder_.File("100.5sheet.tlf")));
  EXPECT_EQ(job_.sheet.Text(1, sheet_col::kL1), "3000");
  EXPECT_TRUE(job_.settings.job_changed);
}

TEST_F(JobFileTest, TheMainWindowOpensTheCommandLineJobOrStartsNew) {
  folder_.Write("Defaults", "[BASIC.TLF]\r\n\"DEFAULT ITEM\"\r\n[END]\r\n");
  const std::string job_file =
      folder_.Write("Named.opt", "[BASIC.TLF]\r\n\"NAMED\"\r\n[END]\r\n[OPTIONS.TLF]\r\n0,-1\r\n");
  job_.settings.job_changed = true;
  EXPECT_TRUE(OpenMainWindowJob(job_, prompter_, dialog_.Callback(), job_file));
  EXPECT_EQ(job_.basic.Text(1, basic_col::kItem), "NAMED");
  EXPECT_EQ(job_.file_name, job_file);
  EXPECT_TRUE(job_.minimum_layouts);
  EXPECT_FALSE(OpenMainWindowJob(job_, prompter_, dialog_.Callback(), folder_.File("gone.opt")));
  EXPECT_EQ(job_.basic.Text(1, basic_col::kItem), "DEFAULT ITEM");
  EXPECT_EQ(job_.file_name, "");
  EXPECT_THAT(prompter_.prompts(), IsEmpty());
  EXPECT_EQ(Asked(), "");
}

// Without layouts a change goes on unasked. With them, No keeps them; Yes closes the result
// windows while the layouts still exist and forgets the result once they are gone.
TEST(ConfirmDataChange, AsksOnlyWhenThereAreLayoutsAndYesDropsThem) {
  TempFolder folder;
  const std::string dia = folder.File("1dia.tlf");
  std::vector<std::string> calls;
  const auto record = [&](const char* what) {
    return [&, what] { calls.push_back(what + std::to_string(folder.Read("1dia.tlf").size())); };
  };
  const ResultViewActions actions{record("close:"), record("forget:")};
  ScriptedPrompter prompter({kNo, kYes});
  EXPECT_TRUE(ConfirmDataChange(dia, prompter, actions));
  folder.Write("1dia.tlf", "");
  EXPECT_TRUE(ConfirmDataChange(dia, prompter, actions));
  CloseResultViews(dia, actions);
  EXPECT_THAT(prompter.prompts(), IsEmpty());
  folder.Write("1dia.tlf", "1,-1,1\r\n");
  EXPECT_FALSE(ConfirmDataChange(dia, prompter, actions));
  EXPECT_EQ(folder.Read("1dia.tlf"), "1,-1,1\r\n");
  CloseResultViews(dia, actions);
  EXPECT_TRUE(ConfirmDataChange(dia, prompter, actions));
  EXPECT_EQ(testing::Join(calls), "close:8|close:8|forget:0");
  EXPECT_EQ(folder.Read("1dia.tlf"), "");
  EXPECT_TRUE(ConfirmDataChange(dia, prompter, actions));
  ASSERT_EQ(prompter.prompts().size(), 2u);
  EXPECT_EQ(prompter.prompts()[0].title, "Attention!");
  EXPECT_EQ(prompter.prompts()[0].text,
            "You are trying to change data. You need to optimize again. \n\nContinue?");
}

}  // namespace
}  // namespace lumora
