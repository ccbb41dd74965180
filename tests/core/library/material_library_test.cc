#include "core/library/material_library.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "core/tables/table_file.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

using testing::ScriptedPrompter;
using testing::TempFolder;

class MaterialLibraryTest : public ::testing::Test {
 protected:
  Workspace workspace() const { return {folder_.path(), "7.5"}; }
  std::string Library() const { return folder_.Read("mlm.dat"); }

  // The window's grid over the given library, with rows typed on top of it.
  Grid WindowGrid(std::string_view library, std::vector<std::vector<std::string>> typed = {}) {
    folder_.Write("mlm.dat", library);
    Grid grid = LoadMaterialLibraryGrid(workspace());
    for (const auto& cells : typed) {
      const int row = grid.Rows() - 1;
      for (size_t c = 0; c < cells.size(); ++c)
        grid.SetText(row, static_cast<int>(c) + 1, cells[c]);
      EnsureBlankRow(grid);
    }
    return grid;
  }

  TempFolder folder_;
};

TEST_F(MaterialLibraryTest, TheWindowShowsMlmDatAndStoresIntoItsWorkingCopy) {
  Grid grid = WindowGrid("\"FLOAT\",\"A\",\"5\",\"2440\",\"1830\",\"10\",\"12\"\r\n");
  EXPECT_EQ(grid.tag, folder_.File("7.5mlm.tlf"));
  EXPECT_EQ(DataHeaders(grid), MaterialLibraryHeaders());
  EXPECT_EQ(grid.ColWidth(2), 0);
  EXPECT_EQ(grid.ColWidth(3), 0);
  EXPECT_GT(grid.ColWidth(1), 0);
  EXPECT_EQ(grid.Text(1, 6), "10");
  grid.col = 1;
  ASSERT_FALSE(SortTable(grid, SortOrder::kDescending));
  EXPECT_EQ(Library(), "\"FLOAT\",\"A\",\"5\",\"2440\",\"1830\",\"10\",\"12\"\r\n");
  EXPECT_FALSE(folder_.Read("7.5mlm.tlf").empty());
}

TEST_F(MaterialLibraryTest, SavingTurnsSortsAndMergesAfterYesOnly) {
  Grid grid = WindowGrid("", {{"FLOAT", "A", "5", "2440", "1830", "10", "12"},
                              {"FLOAT", "A", "5", "1830", "2440", "4", "12"}});
  ScriptedPrompter no({PromptAnswer::kNo});
  EXPECT_TRUE(CloseMaterialLibrary(grid, workspace(), no));
  EXPECT_EQ(Library(), "");
  ASSERT_EQ(no.prompts().size(), 1u);
  EXPECT_EQ(no.prompts()[0].text, "Save Changes?");
  EXPECT_EQ(no.prompts()[0].title, "Attention!");
  EXPECT_EQ(no.prompts()[0].buttons, PromptButtons::kYesNo);

  ScriptedPrompter yes({PromptAnswer::kYes});
  EXPECT_TRUE(CloseMaterialLibrary(grid, workspace(), yes));
  EXPECT_EQ(Library(), "\"FLOAT\",\"A\",\"5\",\"2440\",\"1830\",\"14\",\"12\"\r\n");
  EXPECT_EQ(grid.tag, folder_.File("mlm.dat"));
}

TEST_F(MaterialLibraryTest, MergeSumsQuantitiesOfDuplicatesIntoTheFirst) {
  const std::string merged = MergeLibraryBytes(
      "\"G\",\"A\",\"5\",\"100\",\"50\",\"3\",\"2\"\r\n"
      "\"G\",\"A\",\"5.0\",\"100\",\"50\",\"-3\",\"2.00\"\r\n"  // sum 0: QTY empty
      "\"G\",\"A\",\"5\",\"90\",\"50\",\"2\",\"2\"\r\n"
      "\"G\",\"A\",\"5\",\"90\",\"50\",\"-5\",\"2\"\r\n"  // negative stays
      "\"G\",\"B\",\"5\",\"90\",\"50\",\"1\",\"2\"\r\n"   // other grade
      "\"g\",\"A\",\"5\",\"90\",\"50\",\"1\",\"2\"\r\n"   // item compared as text
      "\"\",\"A\",\"5\",\"90\",\"50\",\"1\",\"2\"\r\n"    // no item: dropped
      "\"G\",\"A\",\"5\",\"100\",\"50\",\"7\",\"2\"\r\n");
  EXPECT_EQ(merged,
            "\"G\",\"A\",\"5\",\"100\",\"50\",\"7\",\"2\"\r\n"
            "\"G\",\"A\",\"5\",\"90\",\"50\",\"-3\",\"2\"\r\n"
            "\"G\",\"B\",\"5\",\"90\",\"50\",\"1\",\"2\"\r\n"
            "\"g\",\"A\",\"5\",\"90\",\"50\",\"1\",\"2\"\r\n");
  EXPECT_EQ(MergeLibraryBytes("\"G\",\"A\",\"5\",\"100\",\"50\",\"3\",\"2\"\r\n"
                              "\"G\",\"A\",\"5\",\"100\",\"50\",\"-3\",\"2\"\r\n"),
            "\"G\",\"A\",\"5\",\"100\",\"50\",\"\",\"2\"\r\n");
}

TEST_F(MaterialLibraryTest, ScrapNeverMergesIntoStockOfTheSameSize) {
  EXPECT_EQ(MergeLibraryBytes("\"G\",\"\",\"4\",\"400\",\"200\",\"1\",\"SCRAP\"\r\n"
                              "\"G\",\"\",\"4\",\"400\",\"200\",\"2\",\"0\"\r\n"
                              "\"G\",\"\",\"4\",\"400\",\"200\",\"3\",\"SCRAP\"\r\n"),
            "\"G\",\"\",\"4\",\"400\",\"200\",\"4\",\"SCRAP\"\r\n"
            "\"G\",\"\",\"4\",\"400\",\"200\",\"2\",\"0\"\r\n");
}

TEST_F(MaterialLibraryTest, SavingKeepsTheRecordsOfAnItemTogether) {
  Grid grid = WindowGrid(
      "\"B\",\"\",\"\",\"1000\",\"900\",\"1\",\"1\"\r\n"
      "\"A\",\"\",\"\",\"1000\",\"900\",\"1\",\"1\"\r\n"
      "\"B\",\"\",\"\",\"2000\",\"900\",\"1\",\"1\"\r\n"
      "\"10\",\"\",\"\",\"2000\",\"900\",\"1\",\"1\"\r\n"
      "\"A\",\"\",\"\",\"3000\",\"900\",\"1\",\"1\"\r\n");
  ScriptedPrompter yes({PromptAnswer::kYes});
  ASSERT_TRUE(CloseMaterialLibrary(grid, workspace(), yes));
  EXPECT_EQ(Library(),
            "\"A\",\"\",\"\",\"1000\",\"900\",\"1\",\"1\"\r\n"
            "\"A\",\"\",\"\",\"3000\",\"900\",\"1\",\"1\"\r\n"
            "\"B\",\"\",\"\",\"1000\",\"900\",\"1\",\"1\"\r\n"
            "\"B\",\"\",\"\",\"2000\",\"900\",\"1\",\"1\"\r\n"
            "\"10\",\"\",\"\",\"2000\",\"900\",\"1\",\"1\"\r\n");
}

TEST_F(MaterialLibraryTest, AutoMergeSortsAndMergesWithoutAQuestion) {
  folder_.Write("mlm.dat",
                "\"B\",\"\",\"\",\"1000\",\"900\",\"5\",\"1\"\r\n"
                "\"A\",\"\",\"\",\"1000\",\"900\",\"1\",\"1\"\r\n"
                "\"B\",\"\",\"\",\"1000\",\"900\",\"-2\",\"1\"\r\n");
  ScriptedPrompter prompter;
  EXPECT_TRUE(AutoMergeLibrary(workspace(), prompter));
  EXPECT_TRUE(prompter.prompts().empty());
  EXPECT_EQ(Library(),
            "\"A\",\"\",\"\",\"1000\",\"900\",\"1\",\"1\"\r\n"
            "\"B\",\"\",\"\",\"1000\",\"900\",\"3\",\"1\"\r\n");
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
  EXPECT_EQ(prompter.prompts()[1].text.rfind(
                "Could not save " + nowhere.SettingsFile("mlm.dat") + ": ", 0),
            0u);
}

TEST_F(MaterialLibraryTest, AnyBytesMergeWithoutHarm) {
  std::mt19937 random(11);
  const std::string alphabet = "\"\",,\r\n 0123456789.-SCRAPab";
  for (int round = 0; round < 300; ++round) {
    std::string bytes(random() % 200, ' ');
    for (char& c : bytes) c = alphabet[random() % alphabet.size()];
    const std::string merged = MergeLibraryBytes(bytes);
    EXPECT_TRUE(merged.empty() || merged.ends_with("\r\n"));
    MergeLibraryBytes(merged);
  }
}

}  // namespace
}  // namespace lumora
