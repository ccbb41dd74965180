#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <tuple>

#include "core/job/data_change.h"
#include "core/job/file_commands.h"
#include "core/job/job_file.h"
#include "core/job/job_messages.h"
#include "core/job/job_tables.h"
#include "core/library/balance_export.h"
#include "core/library/material_library.h"
#include "core/library/product_library.h"
#include "core/library/product_loading.h"
#include "job_test_support.h"
#include "support/faulty_folder.h"
#include "support/scripted_dialog.h"
#include "support/scripted_prompter.h"

// Every command that writes into the data folder, run in a full and in a read-only folder:
// each leaves every file as it was, keeps what the user typed and says which file failed.
namespace lumora {
namespace {

using testing::ScriptedDialog;
using testing::ScriptedPrompter;
using testing::TempFolder;
using testing::WriteFault;

// Two records of one stock size out of ITEM order, so that a save would both sort and merge.
constexpr std::string_view kMaterials =
    "\"FLOAT\",\"A\",\"5\",\"2440\",\"1830\",\"10\",\"12\"\r\n"
    "\"CLEAR\",\"\",\"4\",\"2000\",\"1000\",\"1\",\"9\"\r\n"
    "\"FLOAT\",\"A\",\"5\",\"2440\",\"1830\",\"2\",\"12\"\r\n";
constexpr std::string_view kProducts =
    "\"TABLE\",\"\",\"FLOAT\",\"A\",\"6\",\"1200\",\"800\",\"1\"\r\n"
    "\"DOOR\",\"\",\"TINT\",\"\",\"4\",\"600\",\"500\",\"1\"\r\n";

// A changed job whose data folder is the faulty folder, with the working tables and job files of
// earlier saves, the libraries, and the files of an earlier product generation in it. The
// working stock and glass tables are empty: emptying them would free the space a save needs.
class SaveFaultTest : public testing::FaultyFolderTest {
 protected:
  void SetUp() override {
    FaultyFolderTest::SetUp();
    if (IsSkipped()) return;
    job_ = MakeJob(Workspace{path(), "100.5"}, {});
    testing::Fill(job_.basic, "FLOAT,A,5");
    testing::Fill(job_.sheet, "3000,2000,,,5");
    testing::Fill(job_.glass, "1000,500,,,2");
    for (const char* table : {"basic.tlf", "options.tlf", "dia.tlf"}) {
      Write(std::string("100.5") + table, std::string("\"earlier ") + table + "\"\r\n");
    }
    for (const char* name : {"100.5sheet.tlf", "100.5cut.tlf"}) Write(name, "");
    Write("job.opt", testing::TestDataBytes("jobs/no_glass.opt"));
    Write("Defaults", testing::TestDataBytes("jobs/cut_short.opt"));
    Write("mlm.dat", kMaterials);
    Write("plm.dat", kProducts);
    Write("products.lst", "\"TABLE\"\r\n");
    Write("100.5sheets.Adj", "\"2440\",     \"1830\",     \"3\",     \"12\"\r\n");
    Write("ORD[MAT=FLOAT,GRADE=A,THICK=6].OPT", "earlier float job");
    Write("ORD[MAT=OLD,GRADE=,THICK=1].OPT", "earlier old job");
    Write("ORD1.OPT", "a job of the user's");
  }

  Workspace workspace() const { return job_.workspace; }
  std::string Told(std::string_view name) const {
    return "Could not save " + File(name) + ": " + Reason();
  }

  Job job_;
};

TEST_P(SaveFaultTest, EveryFileStaysAsItWasAndTheFailedFileIsNamed) {
  TempFolder elsewhere;
  const std::string other =
      elsewhere.Write("other.opt", testing::TestDataBytes("reports/sheet_job.opt"));
  Grid materials = LoadMaterialLibraryGrid(workspace());
  materials.SetText(2, mlm_col::kQty, "99");
  Grid products = LoadProductLibraryGrid(workspace());
  products.SetText(1, plm_col::kProduct, "CHAIR");
  Grid orders = OpenOrderGrid(workspace());
  testing::Fill(orders, "TABLE,1;DOOR,1");
  Grid offcut(2, 6);
  LoadTableFromBytes(offcut, std::string("1,\"1200\",\"800\",2,\"12\"\r\n"));
  job_.settings.imported_stock = true;
  Break();
  const std::map<std::string, std::string> before = Contents();

  using Run = std::function<bool(Prompter&, const FileDialog&)>;
  const std::map<std::string, Run> commands = {
      {"Save", [&](auto& p, auto& d) { return FileSave(job_, p, d); }},
      {"SaveAs", [&](auto& p, auto& d) { return FileSaveAs(job_, p, d); }},
      {"Defaults", [&](auto& p, auto&) { return FileSaveAsDefaults(job_, p); }},
      {"New", [&](auto& p, auto& d) { return FileNew(job_, p, d); }},
      {"Open", [&](auto& p, auto& d) { return FileOpen(job_, p, d); }},
      {"CloseMLM", [&](auto& p, auto&) { return CloseMaterialLibrary(materials, workspace(), p); }},
      {"Merge", [&](auto& p, auto&) { return AutoMergeLibrary(workspace(), p); }},
      {"ClosePLM", [&](auto& p, auto&) { return CloseProductLibrary(products, workspace(), p); }},
      {"Export",
       [&](auto& p, auto&) { return ExportBalances(job_, offcut, p) != ExportOutcome::kFailed; }},
      {"StoreOrders", [&](auto& p, auto&) { return StoreGrid(orders, p); }},
      {"Generate",
       [&](auto& p, auto&) {
         const GeneratedJobs generated = GenerateJobs(workspace(), orders, {path(), "ORD"}, p);
         EXPECT_EQ(generated.planned, 2);
         return !generated.files.empty();
       }},
  };
  // The command, the answers, the dialog's answers, whether it is done, how many prompts (the
  // last one tells of the failure), the file it names, how many dialogs.
  using Dialog = std::vector<std::optional<std::string>>;
  const std::tuple<const char*, const char*, Dialog, bool, size_t, const char*, size_t> cases[] = {
      {"Save", "", {}, false, 1, "job.opt", 0},
      {"SaveAs", "", {File("new.opt")}, false, 1, "new.opt", 1},
      {"Defaults", "Y", {}, false, 2, "Defaults", 0},
      // New and Open stop when the job they would drop could not be saved: Open never gets to
      // its own dialog.
      {"New", "Y", {File("job.opt")}, false, 2, "job.opt", 1},
      {"Open", "Y", {File("job.opt")}, false, 2, "job.opt", 1},
      // Neither the other job's layouts beside this job's grids nor its grids beside these.
      {"Open", "N", {other}, false, 2, "100.5basic.tlf", 1},
      {"CloseMLM", "Y", {}, false, 2, "mlm.dat", 0},
      {"Merge", "", {}, false, 1, "mlm.dat", 0},
      {"ClosePLM", "Y", {}, false, 2, "plm.dat", 0},
      {"Export", "Y", {}, false, 2, "mlm.dat", 0},
      // Load stores the order grid into the data folder first.
      {"StoreOrders", "", {}, false, 1, "loadprod.tlf", 0},
      {"Generate", "", {}, false, 1, "ORD[MAT=FLOAT,GRADE=A,THICK=6].OPT", 0},
      // A job file written elsewhere still tells of the working tables it could not store.
      {"SaveAs", "", {elsewhere.File("away.opt")}, true, 1, "100.5basic.tlf", 1},
  };
  for (const auto& [command, answers, dialogs, done, prompts, told, asked] : cases) {
    SCOPED_TRACE(std::string(command) + " " + told);
    job_.file_name = File("job.opt");
    job_.settings.job_changed = true;
    ScriptedPrompter prompter(testing::Answers(answers));
    ScriptedDialog dialog{{dialogs.begin(), dialogs.end()}, {}};
    EXPECT_EQ(commands.at(command)(prompter, dialog.Callback()), done);
    EXPECT_EQ(Contents(), before);
    ASSERT_EQ(prompter.prompts().size(), prompts);
    EXPECT_EQ(prompter.Texts().back(), Told(told));
    EXPECT_EQ(prompter.prompts().back().icon, PromptIcon::kExclamation);
    EXPECT_EQ(dialog.requests.size(), asked);
    // The unsaved job and the user's edits are still there for another try.
    EXPECT_EQ(job_.file_name == File("job.opt"), !done);
    // No to "Save changes" drops the change flag.
    EXPECT_EQ(job_.settings.job_changed, !done && std::string_view(answers) != "N");
    EXPECT_EQ(job_.basic.Text(1, basic_col::kItem), "FLOAT");
    EXPECT_EQ(job_.glass.Text(1, glass_col::kL1), "1000");
  }
  // Nothing was appended, so a later export must still take the sheets out of stock.
  EXPECT_TRUE(job_.settings.imported_stock);
  EXPECT_EQ(materials.Text(1, mlm_col::kItem), "CLEAR");
  EXPECT_EQ(materials.Text(1, mlm_col::kQty), "99");
  // The list alone: plm.dat is read, products.lst cannot be replaced.
  EXPECT_EQ(BuildProductList(workspace()), Reason());
  EXPECT_EQ(Contents(), before);
  // The job file holds the grids, whatever became of the working tables.
  ScriptedPrompter prompter;
  Job reopened = testing::MakeTestJob(elsewhere);
  ASSERT_TRUE(OpenJob(reopened, elsewhere.File("away.opt"), prompter));
  EXPECT_EQ(reopened.basic.Text(1, basic_col::kItem), "FLOAT");
  EXPECT_EQ(reopened.glass.Text(1, glass_col::kQty), "2");
  EXPECT_EQ(reopened.sheet.Text(1, 1), "3000");
}

TEST_P(SaveFaultTest, DataChangesAfterAnOptimizationOnlyWhenItsLayoutsCanBeDropped) {
  Break();
  const std::string layouts = Read("100.5dia.tlf");
  bool forgotten = false;
  ScriptedPrompter prompter({PromptAnswer::kYes});
  const bool may_change = ConfirmDataChange(
      File("100.5dia.tlf"), prompter,
      {.close_result_views = {}, .forget_result = [&forgotten] { forgotten = true; }});
  // Emptying a file needs no room, so only a read-only folder keeps the layouts.
  const bool read_only = GetParam() == WriteFault::kReadOnly;
  EXPECT_EQ(may_change, !read_only);
  EXPECT_EQ(forgotten, !read_only);
  EXPECT_EQ(Read("100.5dia.tlf"), read_only ? layouts : "");
  ASSERT_EQ(prompter.Texts().size(), read_only ? 2u : 1u);
  EXPECT_EQ(prompter.Texts().back() == Told("100.5dia.tlf"), read_only);
}

INSTANTIATE_TEST_SUITE_P(Faults, SaveFaultTest,
                         ::testing::Values(WriteFault::kFull, WriteFault::kReadOnly),
                         testing::WriteFaultName);

// The product list is the second file of the close; its failure is told although plm.dat was
// saved, and the earlier list stays.
TEST(ProductListFaultTest, AListThatCannotBeReplacedIsToldAfterTheLibraryWasSaved) {
  TempFolder folder;
  folder.Write("plm.dat", kProducts);
  std::filesystem::create_directory(folder.File("products.lst"));
  const Workspace workspace{folder.path(), "7.5"};
  Grid grid = LoadProductLibraryGrid(workspace);
  ScriptedPrompter prompter({PromptAnswer::kYes});
  EXPECT_FALSE(CloseProductLibrary(grid, workspace, prompter));
  EXPECT_EQ(prompter.Texts().back(),
            "Could not save " + folder.File("products.lst") + ": Is a directory");
  EXPECT_EQ(folder.Read("plm.dat").rfind("\"DOOR\"", 0), 0u);
  EXPECT_TRUE(std::filesystem::is_empty(folder.File("products.lst")));
}

}  // namespace
}  // namespace lumora
