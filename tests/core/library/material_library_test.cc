#include "core/library/material_library.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "core/job/job_test_support.h"
#include "core/tables/table_file.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

using testing::Quoted;
using testing::ScriptedPrompter;
using testing::TempFolder;

class MaterialLibraryTest : public ::testing::Test {
 protected:
  Workspace workspace() const { return {folder_.path(), "7.5"}; }
  std::string Library() const { return folder_.Read("mlm.dat"); }

  // The window's grid over the given library, with rows typed on top of it.
  Grid WindowGrid(std::string_view library, std::vector<std::string> typed = {}) {
    folder_.Write("mlm.dat", library);
    Grid grid = LoadMaterialLibraryGrid(workspace());
    for (const std::string& cells : typed) {
      const int row = grid.Rows() - 1;
      const std::vector<std::string> split = testing::Split(cells, ',');
      for (size_t c = 0; c < split.size(); ++c)
        grid.SetText(row, static_cast<int>(c) + 1, split[c]);
      EnsureBlankRow(grid);
    }
    return grid;
  }

  TempFolder folder_;
};

TEST_F(MaterialLibraryTest, TheWindowShowsMlmDatAndStoresIntoItsWorkingCopy) {
  Grid grid = WindowGrid(Quoted("FLOAT,A,5,2440,1830,10,12"));
  EXPECT_EQ(grid.tag, folder_.File("7.5mlm.tlf"));
  EXPECT_EQ(DataHeaders(grid), MaterialLibraryHeaders());
  EXPECT_EQ(grid.ColWidth(2), 0);
  EXPECT_EQ(grid.ColWidth(3), 0);
  EXPECT_GT(grid.ColWidth(1), 0);
  EXPECT_EQ(grid.Text(1, 6), "10");
  grid.col = 1;
  ASSERT_FALSE(SortTable(grid, SortOrder::kDescending));
  EXPECT_EQ(Library(), Quoted("FLOAT,A,5,2440,1830,10,12"));
  EXPECT_FALSE(folder_.Read("7.5mlm.tlf").empty());
}

TEST_F(MaterialLibraryTest, SavingTurnsSortsAndMergesAfterYesOnly) {
  Grid grid = WindowGrid("", {"FLOAT,A,5,2440,1830,10,12", "FLOAT,A,5,1830,2440,4,12"});
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
  struct Case {
    const char* library;
    const char* merged;
  };
  const Case cases[] = {
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
  for (const Case& c : cases) EXPECT_EQ(MergeLibraryBytes(Quoted(c.library)), Quoted(c.merged));

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
