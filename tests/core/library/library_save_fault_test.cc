#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "core/job/job.h"
#include "core/job/job_messages.h"
#include "core/job/job_tables.h"
#include "core/library/balance_export.h"
#include "core/library/material_library.h"
#include "core/library/product_library.h"
#include "core/library/product_loading.h"
#include "core/tables/table_file.h"
#include "support/faulty_folder.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

using testing::FaultyFolderTest;
using testing::ScriptedPrompter;
using testing::WriteFault;

// Two records of one stock size out of ITEM order, so that a save would both sort and merge.
constexpr std::string_view kMaterials =
    "\"FLOAT\",\"A\",\"5\",\"2440\",\"1830\",\"10\",\"12\"\r\n"
    "\"CLEAR\",\"\",\"4\",\"2000\",\"1000\",\"1\",\"9\"\r\n"
    "\"FLOAT\",\"A\",\"5\",\"2440\",\"1830\",\"2\",\"12\"\r\n";
constexpr std::string_view kProducts =
    "\"TABLE\",\"\",\"FLOAT\",\"A\",\"6\",\"1200\",\"800\",\"1\"\r\n"
    "\"DOOR\",\"\",\"TINT\",\"\",\"4\",\"600\",\"500\",\"1\"\r\n";
constexpr std::string_view kDefaults =
    "[BASIC.TLF]\r\n\"ITEM\",\"G\",\"1\"\r\n[END]\r\n[OPTIONS.TLF]\r\n0,-1\r\n[END]\r\n"
    "[SHEET.TLF]\r\n[END]\r\n[CUT.TLF]\r\n[END]\r\n[DIA.TLF]\r\n[END]\r\n";

// The data folder is the faulty folder, holding the libraries, their lists and the files of an
// earlier product generation.
class LibrarySaveFaultTest : public FaultyFolderTest {
 protected:
  void SetUp() override {
    FaultyFolderTest::SetUp();
    if (IsSkipped()) return;
    Write("mlm.dat", kMaterials);
    Write("plm.dat", kProducts);
    Write("products.lst", "\"TABLE\"\r\n");
    Write("Defaults", kDefaults);
    Write("7.5sheets.Adj", "\"2440\",     \"1830\",     \"3\",     \"12\"\r\n");
    Write("ORD[MAT=FLOAT,GRADE=A,THICK=6].OPT", "earlier float job");
    Write("ORD[MAT=OLD,GRADE=,THICK=1].OPT", "earlier old job");
    Write("ORD1.OPT", "a job of the user's");
  }

  Workspace workspace() const { return {path(), "7.5"}; }

  void BreakFolder() {
    Break();
    before_ = Contents();
  }

  std::string Told(std::string_view name) const {
    return "Could not save " + File(name) + ": " + Reason();
  }

  std::map<std::string, std::string> before_;
};

TEST_P(LibrarySaveFaultTest, MaterialLibrarySaveAndAutoMergeKeepTheEarlierLibrary) {
  Grid grid = LoadMaterialLibraryGrid(workspace());
  grid.SetText(2, mlm_col::kQty, "99");
  BreakFolder();

  ScriptedPrompter close({PromptAnswer::kYes});
  EXPECT_FALSE(CloseMaterialLibrary(grid, workspace(), close));
  EXPECT_EQ(Contents(), before_);
  EXPECT_EQ(close.Texts(), (std::vector<std::string>{"Save Changes?", Told("mlm.dat")}));
  // The edits are still in the grid for another try, sorted on ITEM.
  EXPECT_EQ(grid.Text(1, mlm_col::kItem), "CLEAR");
  EXPECT_EQ(grid.Text(1, mlm_col::kQty), "99");

  ScriptedPrompter merge;
  EXPECT_FALSE(AutoMergeLibrary(workspace(), merge));
  EXPECT_EQ(Contents(), before_);
  EXPECT_EQ(merge.Texts(), std::vector<std::string>{Told("mlm.dat")});
}

TEST_P(LibrarySaveFaultTest, ProductLibraryCloseKeepsTheLibraryAndItsList) {
  Grid grid = LoadProductLibraryGrid(workspace());
  grid.SetText(1, plm_col::kProduct, "CHAIR");
  BreakFolder();
  ScriptedPrompter prompter({PromptAnswer::kYes});
  EXPECT_FALSE(CloseProductLibrary(grid, workspace(), prompter));
  EXPECT_EQ(Contents(), before_);
  EXPECT_EQ(prompter.Texts(), (std::vector<std::string>{"Save Changes?", Told("plm.dat")}));

  // The list alone: plm.dat is read, products.lst cannot be replaced.
  const auto reason = BuildProductList(workspace());
  ASSERT_TRUE(reason.has_value());
  EXPECT_EQ(*reason, Reason());
  EXPECT_EQ(Contents(), before_);
}

TEST_P(LibrarySaveFaultTest, BalanceExportKeepsTheLibraryAndTheImportedStockFlag) {
  Job job = MakeJob(workspace(), {});
  job.settings.unit = Unit::kMm;
  job.settings.imported_stock = true;
  job.basic.SetText(1, basic_col::kItem, "FLOAT");
  job.basic.SetText(1, basic_col::kGrade, "A");
  job.basic.SetText(1, basic_col::kThick, "5");
  Grid offcut(2, 6);
  LoadTableFromBytes(offcut, std::string("1,\"1200\",\"800\",2,\"12\"\r\n"));
  BreakFolder();

  ScriptedPrompter prompter({PromptAnswer::kYes});
  EXPECT_EQ(ExportBalances(job, offcut, prompter), ExportOutcome::kFailed);
  EXPECT_EQ(Contents(), before_);
  EXPECT_EQ(prompter.Texts(),
            (std::vector<std::string>{"Update Material Library?", Told("mlm.dat")}));
  // Nothing was appended, so a later export must still take the sheets out of stock.
  EXPECT_TRUE(job.settings.imported_stock);
}

TEST_P(LibrarySaveFaultTest, ProductGenerationWritesNothingAndDeletesNothing) {
  Grid orders = OpenOrderGrid(workspace());
  orders.SetRows(4);
  orders.SetText(1, 1, "TABLE");
  orders.SetText(1, 2, "1");
  orders.SetText(2, 1, "DOOR");
  orders.SetText(2, 2, "1");
  BreakFolder();

  // Load stores the order grid into the data folder first; that failure is told as well.
  ScriptedPrompter store;
  EXPECT_FALSE(StoreGrid(orders, store));
  EXPECT_EQ(store.Texts(), std::vector<std::string>{Told("loadprod.tlf")});

  ScriptedPrompter prompter;
  const GeneratedJobs generated = GenerateJobs(workspace(), orders, {path(), "ORD"}, prompter);
  EXPECT_EQ(generated.planned, 2);
  EXPECT_TRUE(generated.files.empty());
  EXPECT_EQ(Contents(), before_);
  EXPECT_EQ(prompter.Texts(), std::vector<std::string>{Told("ORD[MAT=FLOAT,GRADE=A,THICK=6].OPT")});
}

// The product list is the second file of the close; its failure is told although plm.dat was
// saved, and the earlier list stays.
TEST(ProductListFaultTest, AListThatCannotBeReplacedIsToldAfterTheLibraryWasSaved) {
  testing::TempFolder folder;
  folder.Write("plm.dat", kProducts);
  std::filesystem::create_directory(folder.File("products.lst"));
  const Workspace workspace{folder.path(), "7.5"};
  Grid grid = LoadProductLibraryGrid(workspace);
  ScriptedPrompter prompter({PromptAnswer::kYes});
  EXPECT_FALSE(CloseProductLibrary(grid, workspace, prompter));
  EXPECT_EQ(prompter.Texts(), (std::vector<std::string>{
                                  "Save Changes?", "Could not save " + folder.File("products.lst") +
                                                       ": Is a directory"}));
  EXPECT_EQ(folder.Read("plm.dat").rfind("\"DOOR\"", 0), 0u);
  EXPECT_TRUE(std::filesystem::is_empty(folder.File("products.lst")));
}

INSTANTIATE_TEST_SUITE_P(Faults, LibrarySaveFaultTest,
                         ::testing::Values(WriteFault::kFull, WriteFault::kReadOnly),
                         testing::WriteFaultName);

}  // namespace
}  // namespace lumora
