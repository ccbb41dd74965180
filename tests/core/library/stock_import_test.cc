#include "core/library/stock_import.h"

#include <gtest/gtest.h>

#include "core/job/job_grids.h"
#include "core/job/job_tables.h"
#include "core/job/job_test_support.h"
#include "core/library/material_library.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

using testing::ScriptedPrompter;
using testing::TempFolder;

// FLOAT grade A thickness 5 comes in two blocks; the second only follows a save.
const std::string kLibrary = testing::Quoted(
    "FLOAT,A,5,2440,1830,10,12;FLOAT,B,5,2000,1000,3,11;FLOAT,A,6,2000,1000,3,11;"
    "FLOAT,A,5.0,1200,800,2,SCRAP;FLOAT,A,5,3210,2250,4,13.5;TINTED,A,5,3000,2000,1,9;"
    "FLOAT,A,5,1500,1000,6,12");

class StockImportTest : public ::testing::Test {
 protected:
  StockImportTest()
      : workspace_{folder_.path(), "3.25"},
        basic_(MakeBasicGrid(workspace_)),
        sheet_(MakeSheetGrid(workspace_, false)) {
    basic_.SetText(1, basic_col::kItem, "FLOAT");
    basic_.SetText(1, basic_col::kGrade, "A");
    basic_.SetText(1, basic_col::kThick, "5");
    sheet_.SetText(1, sheet_col::kL1, "999");
  }

  ImportResult Import(ScriptedPrompter& prompter) {
    return ImportStock(workspace_, basic_, sheet_, settings_, prompter, {});
  }

  TempFolder folder_;
  Workspace workspace_;
  ProgramSettings settings_;
  Grid basic_;
  Grid sheet_;
};

TEST_F(StockImportTest, TakesTheFirstBlockOfTheItemWithoutScrapOrOtherGradesAndThicknesses) {
  folder_.Write("mlm.dat", kLibrary);
  ScriptedPrompter prompter;
  const ImportResult result = Import(prompter);
  EXPECT_EQ(result.outcome, ImportOutcome::kImported);
  EXPECT_EQ(result.count, 2);
  EXPECT_TRUE(settings_.imported_stock);
  EXPECT_EQ(folder_.Read("3.25sheet.tlf"),
            testing::Quoted("2440,1830,,,10,,,,,12;3210,2250,,,4,,,,,13.5"));
  ASSERT_EQ(sheet_.Rows(), 4);
  EXPECT_EQ(sheet_.Text(1, sheet_col::kL1Inch), "96 1/16");
  EXPECT_EQ(sheet_.Text(2, sheet_col::kL2Inch), "88 9/16");
  EXPECT_EQ(sheet_.Text(2, sheet_col::kCostPerSqFt), "13.5");
  EXPECT_EQ(sheet_.Text(3, sheet_col::kL1), "");
  EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"2 size(s) imported from MLM"});
}

TEST_F(StockImportTest, ASaveRestoresTheGroupingSoTheWholeItemImports) {
  folder_.Write("mlm.dat", kLibrary);
  Grid library = LoadMaterialLibraryGrid(workspace_);
  ScriptedPrompter yes({PromptAnswer::kYes});
  ASSERT_TRUE(CloseMaterialLibrary(library, workspace_, yes));
  ScriptedPrompter prompter;
  EXPECT_EQ(Import(prompter).count, 3);
  EXPECT_EQ(sheet_.Text(3, sheet_col::kL1), "1500");
}

TEST_F(StockImportTest, NothingFoundAsksToChooseAnItemAndLeavesTheSheetsAlone) {
  folder_.Write("mlm.dat", kLibrary);
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
      ImportStock(Workspace{folder_.File("none"), "1"}, basic_, sheet_, settings_, missing, {})
          .outcome,
      ImportOutcome::kNotFound);
}

TEST_F(StockImportTest, AfterAnOptimizationTheChangeMustBeConfirmed) {
  folder_.Write("mlm.dat", kLibrary);
  folder_.Write("3.25dia.tlf", "1,-1,1\r\n");
  ScriptedPrompter no({PromptAnswer::kNo});
  EXPECT_EQ(Import(no).outcome, ImportOutcome::kDeclined);
  EXPECT_EQ(sheet_.Text(1, sheet_col::kL1), "999");
  EXPECT_EQ(folder_.Read("3.25dia.tlf"), "1,-1,1\r\n");

  ScriptedPrompter yes({PromptAnswer::kYes});
  EXPECT_EQ(Import(yes).outcome, ImportOutcome::kImported);
  EXPECT_EQ(folder_.Read("3.25dia.tlf"), "");
}

TEST_F(StockImportTest, AFailedWriteOfTheSheetTableIsTold) {
  folder_.Write("mlm.dat", kLibrary);
  sheet_.tag = folder_.File("no/such/sheet.tlf");
  ScriptedPrompter prompter;
  EXPECT_EQ(Import(prompter).outcome, ImportOutcome::kFailed);
  ASSERT_EQ(prompter.prompts().size(), 1u);
  EXPECT_EQ(prompter.prompts()[0].text.rfind("Could not save " + sheet_.tag + ": ", 0), 0u);
  EXPECT_FALSE(settings_.imported_stock);
  EXPECT_EQ(sheet_.Text(1, sheet_col::kL1), "999");
}

TEST_F(StockImportTest, TheItemChoiceListsEachItemOnce) {
  EXPECT_EQ(MaterialItems(std::string(kLibrary) + "\r\nbare item,\"x\"\r\n"),
            (std::vector<std::string>{"FLOAT", "TINTED", "bare item"}));

  ScriptedPrompter prompter;
  EXPECT_FALSE(PrepareItemChoice(workspace_, prompter));
  folder_.Write("mlm.dat", "\r\n");
  EXPECT_FALSE(PrepareItemChoice(workspace_, prompter));
  EXPECT_EQ(prompter.Texts(),
            (std::vector<std::string>{"Sheet Library is empty", "Sheet Library is empty"}));

  folder_.Write("mlm.dat", kLibrary);
  EXPECT_TRUE(PrepareItemChoice(workspace_, prompter));
  EXPECT_EQ(folder_.Read("products.lst"), "\"FLOAT\"\r\n\"TINTED\"\r\n");
  EXPECT_EQ(prompter.prompts().size(), 2u);
}

TEST_F(StockImportTest, ChoosingAnItemEmptiesTheSheets) {
  EXPECT_FALSE(EmptyStockTable(sheet_));
  EXPECT_EQ(sheet_.Rows(), 2);
  EXPECT_EQ(sheet_.Text(1, sheet_col::kL1), "");
  EXPECT_EQ(folder_.Read("3.25sheet.tlf"), "");
}

}  // namespace
}  // namespace lumora
