#include "core/library/material_library.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "core/base/file_routines.h"
#include "core/job/job_file.h"
#include "core/job/job_grids.h"
#include "core/job/job_sections.h"
#include "core/job/job_tables.h"
#include "core/job/job_test_support.h"
#include "core/library/balance_export.h"
#include "core/library/data_tables.h"
#include "core/library/stock_import.h"
#include "core/reports/layouts_load.h"
#include "core/reports/weights.h"
#include "core/tables/table_file.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

using testing::Quoted;
using testing::ScriptedPrompter;
using testing::TempFolder;
using testing::TestDataBytes;

class MaterialLibraryTest : public ::testing::Test {
 protected:
  Workspace workspace() const { return {folder_.path(), "7.5"}; }
  std::string Library() const { return folder_.Read("mlm.dat"); }

  // The window's grid over the given library.
  Grid WindowGrid(std::string_view library) {
    folder_.Write("mlm.dat", library);
    return LoadMaterialLibraryGrid(workspace());
  }

  TempFolder folder_;
};

TEST_F(MaterialLibraryTest, TheWindowShowsMlmDatAndStoresIntoItsWorkingCopy) {
  Grid grid = WindowGrid(Quoted("FLOAT,A,5,2440,1830,10,12"));
  EXPECT_EQ(grid.tag, folder_.File("7.5mlm.tlf"));
  EXPECT_EQ(DataHeaders(grid), MaterialLibraryHeaders());
  EXPECT_EQ(grid.ColWidth(2) + grid.ColWidth(3), 0);
  EXPECT_GT(grid.ColWidth(1), 0);
  EXPECT_EQ(grid.Text(1, 6), "10");
  grid.col = 1;
  ASSERT_FALSE(SortTable(grid, SortOrder::kDescending));
  EXPECT_EQ(Library(), Quoted("FLOAT,A,5,2440,1830,10,12"));
  EXPECT_FALSE(folder_.Read("7.5mlm.tlf").empty());
}

TEST_F(MaterialLibraryTest, SavingTurnsSortsAndMergesAfterYesOnly) {
  Grid grid = WindowGrid("");
  testing::Fill(grid, "FLOAT,A,5,2440,1830,10,12;FLOAT,A,5,1830,2440,4,12");
  ScriptedPrompter no({PromptAnswer::kNo});
  EXPECT_TRUE(CloseMaterialLibrary(grid, workspace(), no));
  EXPECT_EQ(Library(), "");
  EXPECT_EQ(no.Texts(), std::vector<std::string>{"Save Changes?"});
  EXPECT_EQ(no.prompts()[0].buttons, PromptButtons::kYesNo);

  ScriptedPrompter yes({PromptAnswer::kYes});
  EXPECT_TRUE(CloseMaterialLibrary(grid, workspace(), yes));
  EXPECT_EQ(Library(), Quoted("FLOAT,A,5,2440,1830,14,12"));
  EXPECT_EQ(grid.tag, folder_.File("mlm.dat"));

  // The records of an item stay together.
  grid =
      WindowGrid(Quoted("B,,,1000,900,1,1;A,,,1000,900,1,1;B,,,2000,900,1,1;10,,,2000,900,1,1;"
                        "A,,,3000,900,1,1"));
  ScriptedPrompter again({PromptAnswer::kYes});
  ASSERT_TRUE(CloseMaterialLibrary(grid, workspace(), again));
  EXPECT_EQ(Library(), Quoted("A,,,1000,900,1,1;A,,,3000,900,1,1;B,,,1000,900,1,1;"
                              "B,,,2000,900,1,1;10,,,2000,900,1,1"));
}

TEST_F(MaterialLibraryTest, MergeSumsQuantitiesOfDuplicatesIntoTheFirst) {
  const std::pair<const char*, const char*> cases[] = {
      // Sum 0: QTY empty; a negative sum stays; grade and item (as text) tell records apart;
      // no item: dropped.
      {"G,A,5,100,50,3,2;G,A,5.0,100,50,-3,2.00;G,A,5,90,50,2,2;G,A,5,90,50,-5,2;G,B,5,90,50,1,2;"
       "g,A,5,90,50,1,2;,A,5,90,50,1,2;G,A,5,100,50,7,2",
       "G,A,5,100,50,7,2;G,A,5,90,50,-3,2;G,B,5,90,50,1,2;g,A,5,90,50,1,2"},
      {"G,A,5,100,50,3,2;G,A,5,100,50,-3,2", "G,A,5,100,50,,2"},
      // Scrap never merges into stock of the same size.
      {"G,,4,400,200,1,SCRAP;G,,4,400,200,2,0;G,,4,400,200,3,SCRAP",
       "G,,4,400,200,4,SCRAP;G,,4,400,200,2,0"},
  };
  for (const auto& [library, merged] : cases)
    EXPECT_EQ(MergeLibraryBytes(Quoted(library)), Quoted(merged));

  // Auto merge sorts and merges without a question.
  folder_.Write("mlm.dat", Quoted("B,,,1000,900,5,1;A,,,1000,900,1,1;B,,,1000,900,-2,1"));
  ScriptedPrompter prompter;
  EXPECT_TRUE(AutoMergeLibrary(workspace(), prompter));
  EXPECT_TRUE(prompter.prompts().empty());
  EXPECT_EQ(Library(), Quoted("A,,,1000,900,1,1;B,,,1000,900,3,1"));
}

TEST_F(MaterialLibraryTest, AFailedWriteIsToldAndAMissingLibraryStaysMissing) {
  EXPECT_FALSE(MergeLibrary(folder_.File("mlm.dat")));
  EXPECT_FALSE(std::filesystem::exists(folder_.File("mlm.dat")));

  Workspace nowhere{folder_.File("missing/folder"), "1"};
  Grid grid = LoadMaterialLibraryGrid(nowhere);
  grid.SetText(1, 1, "FLOAT");
  ScriptedPrompter prompter({PromptAnswer::kYes});
  EXPECT_FALSE(CloseMaterialLibrary(grid, nowhere, prompter));
  ASSERT_EQ(prompter.prompts().size(), 2u);
  EXPECT_EQ(
      prompter.Texts()[1].rfind("Could not save " + nowhere.SettingsFile("mlm.dat") + ": ", 0), 0u);
}

// A data table's window edits its working copy; only Yes on closing stores it into the data file.
TEST_F(MaterialLibraryTest, ADataTableReachesItsDataFileOnYesOnly) {
  for (const auto& [answer, stored] : {std::pair{PromptAnswer::kNo, Quoted("FLOAT,2.5")},
                                       std::pair{PromptAnswer::kYes, Quoted("FLOAT,2.6")}}) {
    folder_.Write(std::string(kDensityFileName), Quoted("FLOAT,2.5"));
    Grid grid = LoadDataTableGrid(workspace(), DensityTable());
    EXPECT_EQ(grid.tag, folder_.File("7.5density.tlf"));
    grid.SetText(1, 2, "2.6");
    ScriptedPrompter prompter({answer});
    EXPECT_TRUE(CloseDataTable(grid, workspace(), DensityTable(), prompter));
    EXPECT_EQ(folder_.Read(std::string(kDensityFileName)), stored);
  }
}

// FLOAT grade A thickness 5 comes in two blocks; the second only follows a save.
const std::string kLibrary = Quoted(
    "FLOAT,A,5,2440,1830,10,12;FLOAT,B,5,2000,1000,3,11;FLOAT,A,6,2000,1000,3,11;"
    "FLOAT,A,5.0,1200,800,2,SCRAP;FLOAT,A,5,3210,2250,4,13.5;TINTED,A,5,3000,2000,1,9;"
    "FLOAT,A,5,1500,1000,6,12");

class StockImportTest : public ::testing::Test {
 protected:
  StockImportTest() {
    folder_.Write("mlm.dat", kLibrary);
    basic_.SetText(1, basic_col::kItem, "FLOAT");
    basic_.SetText(1, basic_col::kGrade, "A");
    basic_.SetText(1, basic_col::kThick, "5");
    sheet_.SetText(1, sheet_col::kL1, "999");
  }

  ImportResult Import(ScriptedPrompter& prompter) {
    return ImportStock(workspace_, basic_, sheet_, settings_, prompter, {});
  }

  TempFolder folder_;
  Workspace workspace_{folder_.path(), "3.25"};
  ProgramSettings settings_;
  Grid basic_ = MakeBasicGrid(workspace_);
  Grid sheet_ = MakeSheetGrid(workspace_, false);
};

TEST_F(StockImportTest, TakesTheFirstBlockOfTheItemWithoutScrapOrOtherGradesAndThicknesses) {
  ScriptedPrompter prompter;
  const ImportResult result = Import(prompter);
  EXPECT_EQ(result.outcome, ImportOutcome::kImported);
  EXPECT_EQ(result.count, 2);
  EXPECT_TRUE(settings_.imported_stock);
  EXPECT_EQ(folder_.Read("3.25sheet.tlf"), Quoted("2440,1830,,,10,,,,,12;3210,2250,,,4,,,,,13.5"));
  ASSERT_EQ(sheet_.Rows(), 4);
  EXPECT_EQ(sheet_.Text(1, sheet_col::kL1Inch), "96 1/16");
  EXPECT_EQ(sheet_.Text(2, sheet_col::kL2Inch), "88 9/16");
  EXPECT_EQ(sheet_.Text(2, sheet_col::kCostPerSqFt), "13.5");
  EXPECT_EQ(sheet_.Text(3, sheet_col::kL1), "");
  EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"2 size(s) imported from MLM"});

  // A save restores the grouping, so the whole item imports.
  Grid library = LoadMaterialLibraryGrid(workspace_);
  ScriptedPrompter yes({PromptAnswer::kYes});
  ASSERT_TRUE(CloseMaterialLibrary(library, workspace_, yes));
  EXPECT_EQ(Import(prompter).count, 3);
  EXPECT_EQ(sheet_.Text(3, sheet_col::kL1), "1500");
}

TEST_F(StockImportTest, NothingFoundAsksToChooseAnItemAndLeavesTheSheetsAlone) {
  basic_.SetText(1, basic_col::kThick, "4");
  ScriptedPrompter prompter({PromptAnswer::kNo, PromptAnswer::kYes});
  EXPECT_EQ(Import(prompter).outcome, ImportOutcome::kNotFound);
  EXPECT_EQ(Import(prompter).outcome, ImportOutcome::kSelectItem);
  ASSERT_EQ(prompter.prompts().size(), 2u);
  EXPECT_EQ(prompter.Texts()[0],
            "Material specified was not found in stock. Do you want select item from the stock ?");
  EXPECT_EQ(sheet_.Text(1, sheet_col::kL1), "999");
  EXPECT_FALSE(settings_.imported_stock);
  // A missing library finds nothing either.
  ScriptedPrompter missing({PromptAnswer::kNo});
  EXPECT_EQ(
      ImportStock({folder_.File("none"), "1"}, basic_, sheet_, settings_, missing, {}).outcome,
      ImportOutcome::kNotFound);
}

TEST_F(StockImportTest, AfterAnOptimizationTheChangeMustBeConfirmedAndAFailedWriteIsTold) {
  folder_.Write("3.25dia.tlf", "1,-1,1\r\n");
  ScriptedPrompter no({PromptAnswer::kNo});
  EXPECT_EQ(Import(no).outcome, ImportOutcome::kDeclined);
  EXPECT_EQ(sheet_.Text(1, sheet_col::kL1), "999");
  EXPECT_EQ(folder_.Read("3.25dia.tlf"), "1,-1,1\r\n");

  const std::string tag = sheet_.tag;
  sheet_.tag = folder_.File("no/such/sheet.tlf");
  ScriptedPrompter failing({PromptAnswer::kYes});
  EXPECT_EQ(Import(failing).outcome, ImportOutcome::kFailed);
  ASSERT_EQ(failing.prompts().size(), 2u);
  EXPECT_EQ(failing.prompts()[1].text.rfind("Could not save " + sheet_.tag + ": ", 0), 0u);
  EXPECT_FALSE(settings_.imported_stock);
  EXPECT_EQ(sheet_.Text(1, sheet_col::kL1), "999");

  sheet_.tag = tag;
  ScriptedPrompter yes({PromptAnswer::kYes});
  EXPECT_EQ(Import(yes).outcome, ImportOutcome::kImported);
  EXPECT_EQ(folder_.Read("3.25dia.tlf"), "");
}

TEST_F(StockImportTest, TheItemChoiceListsEachItemOnceAndEmptiesTheSheets) {
  EXPECT_EQ(MaterialItems(std::string(kLibrary) + "\r\nbare item,\"x\"\r\n"),
            (std::vector<std::string>{"FLOAT", "TINTED", "bare item"}));
  ScriptedPrompter prompter;
  EXPECT_TRUE(PrepareItemChoice(workspace_, prompter));
  EXPECT_EQ(folder_.Read("products.lst"), "\"FLOAT\"\r\n\"TINTED\"\r\n");
  folder_.Write("mlm.dat", "\r\n");
  EXPECT_FALSE(PrepareItemChoice(workspace_, prompter));
  std::filesystem::remove(folder_.File("mlm.dat"));
  EXPECT_FALSE(PrepareItemChoice(workspace_, prompter));
  EXPECT_EQ(prompter.Texts(),
            (std::vector<std::string>{"Sheet Library is empty", "Sheet Library is empty"}));

  EXPECT_FALSE(EmptyStockTable(sheet_));
  EXPECT_EQ(sheet_.Rows(), 2);
  EXPECT_EQ(sheet_.Text(1, sheet_col::kL1), "");
  EXPECT_EQ(folder_.Read("3.25sheet.tlf"), "");
}

Grid OffcutGrid(std::string_view bytes) {
  Grid grid(2, 6);
  LoadTableFromBytes(grid, std::string(bytes));
  return grid;
}

class BalanceExportTest : public ::testing::Test {
 protected:
  BalanceExportTest() : job_(MakeJob(Workspace{folder_.path(), "8.5"}, {})) {
    job_.settings.unit = Unit::kMm;
    job_.settings.imported_stock = true;
    job_.basic.SetText(1, basic_col::kItem, "FLOAT");
    job_.basic.SetText(1, basic_col::kGrade, "A");
    job_.basic.SetText(1, basic_col::kThick, "5");
    folder_.Write("mlm.dat", Quoted("FLOAT,A,5,2440,1830,10,12;CLEAR,,4,2000,1000,1,9"));
    folder_.Write("8.5sheets.Adj", "\"2440\",     \"1830\",     \"3\",     \"12\"\r\n");
  }

  TempFolder folder_;
  Job job_;
  const Grid offcut_ = OffcutGrid(
      "1,\"1200\",\"800\",2,\"12\"\r\n1,\"300\",\"186\",1,\"SCRAP\"\r\n2,\"1200\",\"800\",1,"
      "\"12\"\r\n");
};

TEST_F(BalanceExportTest, AppendsBalancesScrapAndNegatedSheetsAndMergesThemAfterYes) {
  const std::string before = folder_.Read("mlm.dat");
  ScriptedPrompter no({PromptAnswer::kNo});
  EXPECT_EQ(ExportBalances(job_, offcut_, no), ExportOutcome::kDeclined);
  EXPECT_EQ(folder_.Read("mlm.dat"), before);
  EXPECT_TRUE(job_.settings.imported_stock);
  ScriptedPrompter prompter({PromptAnswer::kYes});
  EXPECT_EQ(ExportBalances(job_, offcut_, prompter), ExportOutcome::kExported);
  EXPECT_EQ(folder_.Read("mlm.dat"), Quoted("CLEAR,,4,2000,1000,1,9;FLOAT,A,5,2440,1830,7,12;"
                                            "FLOAT,A,5,1200,800,3,12;FLOAT,A,5,300,186,1,SCRAP"));
  EXPECT_FALSE(job_.settings.imported_stock);
  EXPECT_EQ(prompter.Texts(),
            (std::vector<std::string>{"Update Material Library?", "Material Library Updated!"}));
  EXPECT_EQ(prompter.prompts()[0].default_answer, PromptAnswer::kNo);
}

TEST_F(BalanceExportTest, AppendedRecordsAreMergedBeforeTheLibraryIsCalledUpdated) {
  folder_.Write("mlm.dat", "\"FLOAT\",\"A\",\"5\",\"2440\",\"1830\",\"10\",\"12\"");  // no CRLF
  std::string seen;
  ScriptedPrompter prompter({PromptAnswer::kYes});
  const auto merge = [&] {
    seen = folder_.Read("mlm.dat");
    return false;
  };
  EXPECT_EQ(ExportBalances(job_, offcut_, prompter, merge), ExportOutcome::kFailed);
  EXPECT_EQ(seen, Quoted("FLOAT,A,5,2440,1830,10,12;FLOAT,A,5,1200,800,2,12;"
                         "FLOAT,A,5,300,186,1,SCRAP;FLOAT,A,5,1200,800,1,12;"
                         "FLOAT,A,5,2440,1830,-3,12"));
  // The records are in: a second export would count them twice.
  EXPECT_FALSE(job_.settings.imported_stock);
  EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"Update Material Library?"});
}

TEST_F(BalanceExportTest, InInchesTheLibraryStillGetsMillimetresAndBlankRowsGo) {
  ScriptedPrompter prompter;
  ASSERT_TRUE(
      OpenJob(job_, std::string(LUMORA_TEST_DATA_DIR) + "/reports/sheet_job.opt", prompter));
  job_.settings.unit = Unit::kIn;
  folder_.Write("scrap.dat", "\"500\",\"300\"\r\n");
  ASSERT_EQ(LoadLayouts(job_, WorkingReportPaths(job_.workspace)).error, "");
  const Grid offcut_in = OffcutGrid(folder_.Read("8.5offcut.tlf"));
  ASSERT_NE(offcut_in.Text(1, 2).find('/'), std::string::npos);
  folder_.Write("mlm.dat", "");

  prompter.Plan(PromptAnswer::kYes);
  EXPECT_EQ(ExportBalances(job_, offcut_in, prompter), ExportOutcome::kExported);
  const Grid offcut_mm = OffcutGrid(TestDataBytes("reports/sheet_mm/offcut.tlf"));
  const std::string expected = MergeLibraryBytes(
      ExportRecords("FLOAT CLEAR", "CLR", "6", BalanceRowsOfGrid(offcut_mm, false),
                    TestDataBytes("reports/sheet_mm/sheets.Adj")));
  EXPECT_EQ(folder_.Read("mlm.dat"), expected);
  EXPECT_NE(expected.find("\"-3\",\"1.45\""), std::string::npos);
  const auto rows =
      BalanceRowsOfGrid(OffcutGrid("1,\"48\",\"24 1/2\",1,\"2\"\r\n,\"\",\"\",,\"\"\r\n"), true);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(testing::Join({rows[0].l1, rows[0].l2, rows[0].qty, rows[0].tag}), "1219.2|622.3|1|2");
}

TEST_F(BalanceExportTest, AnUnwritableLibraryStaysAsItWasAndIsNamed) {
  // A data folder so deep that mlm.dat is within the longest path a file may have but the
  // temporary file beside it is not: the library is there and cannot be replaced, even as root.
  TempFolder root;
  std::string folder = root.path();
  while (folder.size() < 4080) {
    folder += "/" + std::string(std::min<size_t>(200, 4084 - folder.size() - 1), 'd');
  }
  std::filesystem::create_directories(folder);
  const std::string library_path = folder + "/mlm.dat";
  const std::string library = "\"FLOAT\",\"A\",\"5\",\"2440\",\"1830\",\"10\",\"12\"\r\n";
  std::ofstream(library_path, std::ios::binary) << library;
  ASSERT_EQ(ReadFileBytes(library_path, kJobFileLimit), library);

  job_.workspace = Workspace{folder, "8.5"};
  ScriptedPrompter prompter({PromptAnswer::kYes});
  EXPECT_EQ(ExportBalances(job_, OffcutGrid("1,\"1200\",\"800\",2,\"12\"\r\n"), prompter),
            ExportOutcome::kFailed);
  EXPECT_EQ(ReadFileBytes(library_path, kJobFileLimit), library);
  EXPECT_TRUE(job_.settings.imported_stock);
  ASSERT_EQ(prompter.prompts().size(), 2u);
  EXPECT_EQ(prompter.prompts()[1].text, "Could not save " + library_path + ": File name too long");
}

}  // namespace
}  // namespace lumora
