#include <gtest/gtest.h>

#include <map>
#include <string>

#include "core/job/data_change.h"
#include "core/job/file_commands.h"
#include "core/job/job_file.h"
#include "core/job/job_tables.h"
#include "job_test_support.h"
#include "support/faulty_folder.h"
#include "support/scripted_dialog.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

using testing::FaultyFolderTest;
using testing::FillRows;
using testing::ScriptedDialog;
using testing::ScriptedPrompter;
using testing::TempFolder;
using testing::WriteFault;

constexpr std::string_view kEarlierJob =
    "[BASIC.TLF]\r\n\"OLD\"\r\n[END]\r\n[OPTIONS.TLF]\r\n-1,0\r\n[END]\r\n[SHEET.TLF]\r\n[END]\r\n"
    "[CUT.TLF]\r\n[END]\r\n[DIA.TLF]\r\n[END]\r\n";

// A changed job whose data folder is the faulty folder, with working tables and job files
// from earlier saves in it. Every grid holds rows, so that every table it writes has bytes.
class JobSaveFaultTest : public FaultyFolderTest {
 protected:
  void SetUp() override {
    FaultyFolderTest::SetUp();
    if (IsSkipped()) return;
    job_ = MakeJob(Workspace{path(), "100.5"}, {});
    FillRows(job_.basic, {{"FLOAT", "A", "6"}});
    FillRows(job_.sheet, {{"3000", "2000", "", "", "5"}});
    FillRows(job_.glass, {{"1000", "500", "", "", "2"}});
    job_.settings.job_changed = true;
    for (const char* table : {"basic.tlf", "options.tlf", "sheet.tlf", "cut.tlf", "dia.tlf"}) {
      Write(std::string("100.5") + table, std::string("\"earlier ") + table + "\"\r\n");
    }
    Write("job.opt", kEarlierJob);
    Write("Defaults", kEarlierJob);
  }

  // Breaks the folder and remembers what it held.
  void BreakFolder() {
    Break();
    before_ = Contents();
  }

  // The unsaved job is still the one in memory, under its earlier name, still changed.
  void ExpectJobKept(const std::string& file_name) {
    EXPECT_EQ(job_.file_name, file_name);
    EXPECT_TRUE(job_.settings.job_changed);
    EXPECT_EQ(job_.glass.Text(1, glass_col::kL1), "1000");
  }

  Job job_;
  std::map<std::string, std::string> before_;
  ScriptedDialog dialog_;
};

TEST_P(JobSaveFaultTest, SaveAndSaveAsLeaveEveryFileAsItWasAndSayWhichFileFailed) {
  job_.file_name = File("job.opt");
  BreakFolder();

  ScriptedPrompter save;
  EXPECT_FALSE(FileSave(job_, save, dialog_.Callback()));
  EXPECT_EQ(Contents(), before_);
  ASSERT_EQ(save.Texts().size(), 1u);
  EXPECT_EQ(save.Texts()[0], "Could not save " + File("job.opt") + ": " + Reason());
  EXPECT_EQ(save.prompts()[0].icon, PromptIcon::kExclamation);
  ExpectJobKept(File("job.opt"));

  // A new name in the same folder: nothing appears, and the job keeps its earlier name.
  dialog_.answers = {File("new.opt")};
  ScriptedPrompter save_as;
  EXPECT_FALSE(FileSaveAs(job_, save_as, dialog_.Callback()));
  EXPECT_EQ(Contents(), before_);
  EXPECT_EQ(save_as.Texts(),
            std::vector<std::string>{"Could not save " + File("new.opt") + ": " + Reason()});
  ExpectJobKept(File("job.opt"));
}

TEST_P(JobSaveFaultTest, SaveAsDefaultsKeepsTheEarlierDefaults) {
  // "Defaults" empties the working stock and glass tables; were they not empty already, that
  // would free the space the save needs.
  Write("100.5sheet.tlf", "");
  Write("100.5cut.tlf", "");
  BreakFolder();
  ScriptedPrompter prompter({PromptAnswer::kYes});
  EXPECT_FALSE(FileSaveAsDefaults(job_, prompter));
  EXPECT_EQ(Contents(), before_);
  ASSERT_EQ(prompter.Texts().size(), 2u);
  EXPECT_EQ(prompter.Texts()[1], "Could not save " + File("Defaults") + ": " + Reason());
}

TEST_P(JobSaveFaultTest, AJobFileWrittenElsewhereStillTellsOfTheWorkingTablesItCouldNotStore) {
  TempFolder elsewhere;
  BreakFolder();
  dialog_.answers = {elsewhere.File("away.opt")};
  ScriptedPrompter prompter;
  EXPECT_TRUE(FileSaveAs(job_, prompter, dialog_.Callback()));
  EXPECT_EQ(Contents(), before_);
  ASSERT_EQ(prompter.Texts().size(), 1u);
  EXPECT_EQ(prompter.Texts()[0], "Could not save " + File("100.5basic.tlf") + ": " + Reason());

  // The job file holds the grids, whatever became of the working tables.
  Job reopened = testing::MakeTestJob(elsewhere);
  ASSERT_TRUE(OpenJob(reopened, elsewhere.File("away.opt"), prompter));
  EXPECT_EQ(reopened.basic.Text(1, basic_col::kItem), "FLOAT");
  EXPECT_EQ(reopened.glass.Text(1, glass_col::kQty), "2");
  EXPECT_EQ(reopened.sheet.Text(1, 1), "3000");
}

TEST_P(JobSaveFaultTest, NewAndOpenStopWhenTheJobTheyWouldDropCouldNotBeSaved) {
  job_.file_name = File("job.opt");
  BreakFolder();
  dialog_.answers = {File("job.opt"), File("job.opt")};
  ScriptedPrompter prompter({PromptAnswer::kYes, PromptAnswer::kOk, PromptAnswer::kYes});
  EXPECT_FALSE(FileNew(job_, prompter, dialog_.Callback()));
  EXPECT_FALSE(FileOpen(job_, prompter, dialog_.Callback()));
  EXPECT_EQ(Contents(), before_);
  EXPECT_EQ(
      prompter.Texts(),
      (std::vector<std::string>{
          "Save changes in current file?", "Could not save " + File("job.opt") + ": " + Reason(),
          "Save changes in current file?", "Could not save " + File("job.opt") + ": " + Reason()}));
  // Only the two save dialogs were shown: Open never got to its own.
  EXPECT_EQ(dialog_.requests.size(), 2u);
  ExpectJobKept(File("job.opt"));
}

TEST_P(JobSaveFaultTest, AJobThatCannotBeOpenedIntoTheWorkingTablesLeavesTheCurrentJob) {
  TempFolder elsewhere;
  const std::string other = elsewhere.Write(
      "other.opt",
      "[BASIC.TLF]\r\n\"OTHER\"\r\n[END]\r\n[OPTIONS.TLF]\r\n0,-1\r\n[END]\r\n[SHEET.TLF]\r\n"
      "\"100\",\"100\"\r\n[END]\r\n[CUT.TLF]\r\n\"50\",\"50\"\r\n[END]\r\n[DIA.TLF]\r\n"
      "\"other layouts\"\r\n[END]\r\n");
  job_.file_name = File("job.opt");
  BreakFolder();
  dialog_.answers = {other};
  ScriptedPrompter prompter({PromptAnswer::kNo});
  EXPECT_FALSE(FileOpen(job_, prompter, dialog_.Callback()));
  // Neither the other job's layouts beside this job's grids nor its grids beside these layouts.
  EXPECT_EQ(Contents(), before_);
  EXPECT_EQ(job_.basic.Text(1, basic_col::kItem), "FLOAT");
  EXPECT_EQ(job_.glass.Text(1, glass_col::kL1), "1000");
  EXPECT_EQ(job_.file_name, File("job.opt"));
  EXPECT_EQ(prompter.Texts(), (std::vector<std::string>{
                                  "Save changes in current file?",
                                  "Could not save " + File("100.5basic.tlf") + ": " + Reason()}));
}

TEST_P(JobSaveFaultTest, DataChangesAfterAnOptimizationOnlyWhenItsLayoutsCanBeDropped) {
  BreakFolder();
  bool forgotten = false;
  ScriptedPrompter prompter({PromptAnswer::kYes});
  const bool may_change = ConfirmDataChange(
      File("100.5dia.tlf"), prompter,
      {.close_result_views = {}, .forget_result = [&forgotten] { forgotten = true; }});
  // Emptying a file needs no room, so only a read-only folder keeps the layouts.
  const bool read_only = GetParam() == WriteFault::kReadOnly;
  EXPECT_EQ(may_change, !read_only);
  EXPECT_EQ(forgotten, !read_only);
  EXPECT_EQ(Read("100.5dia.tlf"), read_only ? before_["100.5dia.tlf"] : "");
  ASSERT_EQ(prompter.Texts().size(), read_only ? 2u : 1u);
  if (read_only) {
    EXPECT_EQ(prompter.Texts()[1], "Could not save " + File("100.5dia.tlf") + ": " + Reason());
  }
}

INSTANTIATE_TEST_SUITE_P(Faults, JobSaveFaultTest,
                         ::testing::Values(WriteFault::kFull, WriteFault::kReadOnly),
                         testing::WriteFaultName);

}  // namespace
}  // namespace lumora
