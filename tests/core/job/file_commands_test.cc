#include "core/job/file_commands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/job/job_file.h"
#include "core/job/job_tables.h"
#include "core/tables/file_routines.h"
#include "job_test_support.h"
#include "support/scripted_dialog.h"
#include "support/scripted_prompter.h"

namespace lumora {
namespace {

using ::testing::ElementsAre;
using testing::FillRows;
using ::testing::IsEmpty;
using testing::ScriptedDialog;
using testing::ScriptedPrompter;
using testing::TempFolder;

constexpr PromptAnswer kYes = PromptAnswer::kYes;
constexpr PromptAnswer kNo = PromptAnswer::kNo;
constexpr PromptAnswer kCancel = PromptAnswer::kCancel;

class FileCommandsTest : public ::testing::Test {
 protected:
  FileCommandsTest() : job_(testing::MakeTestJob(folder_)) {
    FillRows(job_.sheet, {{"3000", "2000", "", "", "5"}});
    FillRows(job_.glass, {{"1000", "500", "", "", "2"}});
  }

  TempFolder folder_;
  Job job_;
  ScriptedDialog dialog_;
};

TEST_F(FileCommandsTest, YesToSaveChangesGoesOnEvenWhenTheDialogIsCancelled) {
  folder_.Write("Defaults", "[BASIC.TLF]\r\n\"DEFAULT ITEM\"\r\n[END]\r\n");
  job_.settings.job_changed = true;
  job_.settings.imported_stock = true;
  job_.settings.resume_pass = 7;
  job_.file_name = "/jobs/Old.opt";
  ScriptedPrompter prompter({kYes});
  EXPECT_TRUE(FileNew(job_, prompter, dialog_.Callback()));

  EXPECT_THAT(prompter.Texts(), ElementsAre("Save changes in current file?"));
  EXPECT_EQ(prompter.prompts()[0].buttons, PromptButtons::kYesNoCancel);
  ASSERT_EQ(dialog_.requests.size(), 1u);
  EXPECT_EQ(dialog_.requests[0].kind, FileDialogKind::kSave);
  EXPECT_EQ(dialog_.requests[0].title, "Save File...");
  EXPECT_EQ(dialog_.requests[0].file_name, "/jobs/Old.opt");

  EXPECT_EQ(job_.basic.Text(1, basic_col::kItem), "DEFAULT ITEM");
  EXPECT_EQ(job_.sheet.Rows(), 2);
  EXPECT_EQ(job_.file_name, "");
  EXPECT_FALSE(job_.settings.job_changed);
  EXPECT_FALSE(job_.settings.imported_stock);
  EXPECT_EQ(job_.settings.resume_pass, 0);
  EXPECT_EQ(JobCaption(job_), "Base Module");
}

TEST_F(FileCommandsTest, CancelKeepsTheJobAndNewWithoutDefaultsKeepsTheRows) {
  ScriptedPrompter unchanged;  // an unchanged job is not asked about
  EXPECT_EQ(AskSaveChanges(job_, unchanged, dialog_.Callback()), kNo);
  EXPECT_THAT(unchanged.prompts(), IsEmpty());
  EXPECT_THAT(dialog_.requests, IsEmpty());
  job_.settings.job_changed = true;
  job_.file_name = "a.opt";
  ScriptedPrompter cancel({kCancel, kCancel});
  EXPECT_FALSE(FileNew(job_, cancel, dialog_.Callback()));
  EXPECT_FALSE(FileOpen(job_, cancel, dialog_.Callback()));
  EXPECT_EQ(job_.file_name, "a.opt");
  EXPECT_TRUE(job_.settings.job_changed);

  ScriptedPrompter no({kNo});
  EXPECT_TRUE(FileNew(job_, no, dialog_.Callback()));
  EXPECT_EQ(job_.sheet.Text(1, sheet_col::kL1), "3000");
  EXPECT_EQ(job_.file_name, "");
}

TEST_F(FileCommandsTest, OpenShowsTheCoilFilterAndCancellingOnlyClearsTheChangeFlag) {
  job_.settings.coil_mode = true;
  job_.settings.job_changed = true;
  job_.file_name = "C:\\Jobs\\Coil.SDR";
  EXPECT_EQ(JobCaption(job_), "Strandor - c:\\jobs\\coil.sdr");
  ScriptedPrompter prompter({kNo});
  EXPECT_FALSE(FileOpen(job_, prompter, dialog_.Callback()));
  ASSERT_EQ(dialog_.requests.size(), 1u);
  EXPECT_EQ(dialog_.requests[0].kind, FileDialogKind::kOpen);
  EXPECT_EQ(dialog_.requests[0].title, "open File...");
  EXPECT_EQ(dialog_.requests[0].file_name, "");
  EXPECT_EQ(dialog_.requests[0].filter, "SDR (*.sdr)|*.sdr|OPT (*.opt)|*.opt");
  EXPECT_EQ(job_.file_name, "C:\\Jobs\\Coil.SDR");
  EXPECT_FALSE(job_.settings.job_changed);
}

TEST_F(FileCommandsTest, SaveAsksForANameOnceAndOpenReadsItBack) {
  job_.settings.job_changed = true;
  job_.settings.resume_pass = 3;
  dialog_.answers = {folder_.File("Job.opt")};
  ScriptedPrompter prompter;
  EXPECT_TRUE(FileSave(job_, prompter, dialog_.Callback()));
  EXPECT_TRUE(FileSave(job_, prompter, dialog_.Callback()));
  EXPECT_EQ(dialog_.requests.size(), 1u);
  EXPECT_EQ(dialog_.requests[0].filter, "*.opt|*.opt");
  EXPECT_FALSE(job_.settings.job_changed);
  EXPECT_THAT(prompter.prompts(), IsEmpty());

  Job reopened = testing::MakeTestJob(folder_);
  reopened.settings.imported_stock = true;
  dialog_.answers = {folder_.File("Job.opt")};
  EXPECT_TRUE(FileOpen(reopened, prompter, dialog_.Callback()));
  EXPECT_EQ(reopened.file_name, folder_.File("Job.opt"));
  EXPECT_EQ(reopened.sheet.Text(1, sheet_col::kL2), "2000");
  EXPECT_EQ(reopened.glass.Text(1, glass_col::kQty), "2");
  EXPECT_FALSE(reopened.settings.imported_stock);
}

TEST_F(FileCommandsTest, AFailedSaveAsKeepsTheNameAndTheChangeFlag) {
  job_.file_name = folder_.File("kept.opt");
  job_.settings.job_changed = true;
  dialog_.answers = {folder_.File("no-such-folder/new.opt")};
  ScriptedPrompter prompter;
  EXPECT_FALSE(FileSaveAs(job_, prompter, dialog_.Callback()));
  EXPECT_EQ(job_.file_name, folder_.File("kept.opt"));
  EXPECT_TRUE(job_.settings.job_changed);
  EXPECT_THAT(prompter.Texts(),
              ElementsAre("Could not save " + folder_.File("no-such-folder/new.opt") +
                          ": No such file or directory"));
}

TEST_F(FileCommandsTest, SaveAsDefaultsCarriesNoStockAndNoGlass) {
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
  EXPECT_EQ(
      folder_.Read("Defaults"),
      "[BASIC.TLF]\r\n\"FLOAT\",\"\",\"\",\"\",\"\",\"3\",\"\",\"\",\"\",\"\",\"\"\r\n[END]\r\n"
      "[OPTIONS.TLF]\r\n0,-1\r\n[END]\r\n[SHEET.TLF]\r\n[END]\r\n[CUT.TLF]\r\n[END]\r\n"
      "[DIA.TLF]\r\n1,-1,1,0,0,3000,2000,1,0\r\n[END]\r\n");
  EXPECT_TRUE(IsFileEmpty(folder_.File("100.5sheet.tlf")));
  EXPECT_EQ(job_.sheet.Text(1, sheet_col::kL1), "3000");
  EXPECT_TRUE(job_.settings.job_changed);
}

TEST_F(FileCommandsTest, TheMainWindowOpensTheCommandLineJobOrStartsNew) {
  folder_.Write("Defaults", "[BASIC.TLF]\r\n\"DEFAULT ITEM\"\r\n[END]\r\n");
  const std::string job_file =
      folder_.Write("Named.opt", "[BASIC.TLF]\r\n\"NAMED\"\r\n[END]\r\n[OPTIONS.TLF]\r\n0,-1\r\n");
  job_.settings.job_changed = true;
  ScriptedPrompter prompter;
  EXPECT_TRUE(OpenMainWindowJob(job_, prompter, dialog_.Callback(), job_file));
  EXPECT_EQ(job_.basic.Text(1, basic_col::kItem), "NAMED");
  EXPECT_EQ(job_.file_name, job_file);
  EXPECT_TRUE(job_.minimum_layouts);

  EXPECT_FALSE(OpenMainWindowJob(job_, prompter, dialog_.Callback(), folder_.File("gone.opt")));
  EXPECT_EQ(job_.basic.Text(1, basic_col::kItem), "DEFAULT ITEM");
  EXPECT_EQ(job_.file_name, "");
  EXPECT_THAT(prompter.prompts(), IsEmpty());
  EXPECT_THAT(dialog_.requests, IsEmpty());
}

}  // namespace
}  // namespace lumora
