#include "core/library/product_loading.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/job/job_sections.h"
#include "core/job/job_test_support.h"
#include "core/library/product_library.h"
#include "core/tables/table_file.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

using testing::Quoted;
using testing::ScriptedPrompter;
using testing::TempFolder;

// TABLE is one float 6 piece; DOOR is two pieces of float 6 and one of tinted 4, the tinted
// one made differently for ACME.
const std::string kProducts = Quoted(
    "TABLE,,FLOAT,A,6,1200,800,1;DOOR,,FLOAT,A,6.0,2000,700,2;DOOR,,TINT/G,,4,600,500,1;"
    "DOOR,ACME,TINT/G,,4,650,500,1");

constexpr std::string_view kDefaults =
    "[BASIC.TLF]\r\n\"ITEM\",\"G\",\"1\",\"3000\",\"\",\"4\",\"note\",\"1\",\"0\",\"\",\"\"\r\n"
    "[END]\r\n[OPTIONS.TLF]\r\n0,-1\r\n[END]\r\n[SHEET.TLF]\r\n[END]\r\n[CUT.TLF]\r\n[END]\r\n"
    "[DIA.TLF]\r\n1,-1,1\r\n[END]\r\n";

// Order rows written as "product,qty,customer;...".
Grid Orders(std::string_view rows) {
  Grid grid;
  ApplyFormatString(grid, "<Sr No|<PRODUCTS    |<QTY  |<CUSTOMER    ");
  testing::Fill(grid, rows);
  return grid;
}

class ProductLoadingTest : public ::testing::Test {
 protected:
  ProductLoadingTest() { folder_.Write("plm.dat", kProducts); }
  Workspace workspace() const { return {folder_.path(), "2.5"}; }
  JobFileNaming Naming(std::string base) const { return {folder_.path(), std::move(base)}; }

  TempFolder folder_;
};

TEST_F(ProductLoadingTest, ProductsOfOneMaterialShareAJobAndAProductOfTwoGivesTwo) {
  const auto jobs = PlanJobs(kProducts, Orders("TABLE,3,BOB;DOOR,2,BOB"), std::string(kDefaults));
  ASSERT_EQ(jobs.size(), 2u);
  EXPECT_EQ(jobs[0].group, "[MAT=FLOAT,GRADE=A,THICK=6]");
  EXPECT_EQ(jobs[1].group, "[MAT=TINT/G,GRADE=,THICK=4]");
  const JobTables first = SplitJobFile(jobs[0].bytes);
  EXPECT_EQ(first[kBasicTable], Quoted("FLOAT,A,6,3000,,4,note,1,0,,"));
  EXPECT_EQ(first[kOptionsTable], "0,-1\r\n");
  EXPECT_EQ(first[kCutTable],
            Quoted("1200,800,,,3,,,,BOB,,,TABLE,,,,;2000,700,,,4,,,,BOB,,,DOOR,,,,"));
  // The template's layouts belong to other glass.
  EXPECT_EQ(first[kDiaTable], "");
  // BOB is not ACME: only the piece for every customer.
  EXPECT_EQ(SplitJobFile(jobs[1].bytes)[kCutTable], Quoted("600,500,,,2,,,,BOB,,,DOOR,,,,"));
}

TEST_F(ProductLoadingTest, TheOrdersCustomerSelectsItsOwnPiecesAndEmptyOrdersAreSkipped) {
  const auto jobs = PlanJobs(kProducts, Orders("DOOR,1,ACME;TABLE,,X;,4,;NONE,1"), std::nullopt);
  ASSERT_EQ(jobs.size(), 2u);
  const JobTables tinted = SplitJobFile(jobs[1].bytes);
  EXPECT_EQ(tinted[kCutTable],
            Quoted("600,500,,,1,,,,ACME,,,DOOR,,,,;650,500,,,1,,,,ACME,,,DOOR,ACME,,,"));
  // Without "Defaults": MAT, GRADE, THICK and empty fields, a fresh objective.
  EXPECT_EQ(tinted[kBasicTable], Quoted("TINT/G,,4,,,,,,,,"));
  EXPECT_EQ(tinted[kOptionsTable], "-1,0\r\n");
  EXPECT_TRUE(PlanJobs(kProducts, Orders("TABLE,0;TABLE,-1"), std::nullopt).empty());
}

TEST_F(ProductLoadingTest, GeneratesFilesNamedByGroupAndTellsHowMany) {
  // File names keep brackets and equals but not what file systems refuse.
  EXPECT_EQ(FileNameSafe("[MAT=A/B\\C:D*E?F\"G<H>I|J\tK,GRADE=,THICK=5]"),
            "[MAT=A_B_C_D_E_F_G_H_I_J_K,GRADE=,THICK=5]");
  EXPECT_EQ(MaterialGroupName("M", "G", "05.50"), "[MAT=M,GRADE=G,THICK=5.5]");
  folder_.Write("Defaults", kDefaults);
  folder_.Write("ORD[MAT=OLD,GRADE=,THICK=1].OPT", "stale");
  folder_.Write("ORD1.opt", "a job of the user's");
  ScriptedPrompter prompter;
  const GeneratedJobs generated =
      GenerateJobs(workspace(), Orders("DOOR,1,BOB;TABLE,2,BOB"), Naming("ORD"), prompter);
  ASSERT_EQ(generated.planned, 2);
  ASSERT_EQ(generated.files.size(), 2u);
  EXPECT_EQ(generated.files[0], folder_.File("ORD[MAT=FLOAT,GRADE=A,THICK=6].OPT"));
  EXPECT_EQ(generated.files[1], folder_.File("ORD[MAT=TINT_G,GRADE=,THICK=4].OPT"));
  EXPECT_FALSE(std::filesystem::exists(folder_.File("ORD[MAT=OLD,GRADE=,THICK=1].OPT")));
  EXPECT_EQ(folder_.Read("ORD1.opt"), "a job of the user's");
  EXPECT_EQ(prompter.Texts(),
            std::vector<std::string>{
                "2 'ORD' file(s) starting from ORD[MAT=FLOAT,GRADE=A,THICK=6].OPT generated."});

  // What is written is the planned job, with the Defaults file as its template.
  EXPECT_EQ(folder_.Read("ORD[MAT=FLOAT,GRADE=A,THICK=6].OPT"),
            PlanJobs(kProducts, Orders("DOOR,1,BOB;TABLE,2,BOB"), std::string(kDefaults))[0].bytes);
}

TEST_F(ProductLoadingTest, NothingToGenerateOrAFailedWriteIsTold) {
  ScriptedPrompter prompter;
  EXPECT_EQ(GenerateJobs(workspace(), Orders("NONE,1"), Naming("X"), prompter).planned, 0);
  EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"Could not generate 'X' files."});

  ScriptedPrompter failing;
  const GeneratedJobs generated =
      GenerateJobs(workspace(), Orders("TABLE,1"), {folder_.File("gone"), "X"}, failing);
  EXPECT_EQ(generated.planned, 1);
  EXPECT_TRUE(generated.files.empty());
  ASSERT_EQ(failing.prompts().size(), 1u);
  EXPECT_EQ(
      failing.prompts()[0].text.rfind(
          "Could not save " + folder_.File("gone/X[MAT=FLOAT,GRADE=A,THICK=6].OPT") + ": ", 0),
      0u);
}

TEST_F(ProductLoadingTest, TheOrderGridStartsEmptyAndItsFileGoesWhenClosed) {
  folder_.Write("loadprod.tlf", "\"TABLE\",\"1\",\"\"\r\n");
  const Grid grid = OpenOrderGrid(workspace());
  EXPECT_EQ(grid.Rows(), 2);
  EXPECT_EQ(grid.Text(1, 1), "");
  EXPECT_EQ(DataHeaders(grid), (std::vector<std::string>{"PRODUCTS", "QTY", "CUSTOMER"}));
  EXPECT_FALSE(std::filesystem::exists(folder_.File("loadprod.tlf")));
  folder_.Write("loadprod.tlf", "x");
  CloseOrderGrid(workspace());
  EXPECT_FALSE(std::filesystem::exists(folder_.File("loadprod.tlf")));
}

TEST_F(ProductLoadingTest, SavingTheLibrarySortsItAndListsEachProductOnce) {
  Grid grid = LoadProductLibraryGrid(workspace());
  EXPECT_EQ(grid.tag, folder_.File("2.5plm.tlf"));
  EXPECT_EQ(DataHeaders(grid), ProductLibraryHeaders());
  ScriptedPrompter no({PromptAnswer::kNo});
  EXPECT_TRUE(CloseProductLibrary(grid, workspace(), no));
  EXPECT_EQ(folder_.Read("plm.dat"), kProducts);
  EXPECT_FALSE(std::filesystem::exists(folder_.File("products.lst")));

  ScriptedPrompter yes({PromptAnswer::kYes});
  EXPECT_TRUE(CloseProductLibrary(grid, workspace(), yes));
  EXPECT_EQ(folder_.Read("plm.dat").substr(0, 8), "\"DOOR\",\"");
  EXPECT_EQ(folder_.Read("products.lst"), "\"DOOR\"\r\n\"TABLE\"\r\n");
  EXPECT_EQ(yes.Texts(), std::vector<std::string>{"Save Changes?"});
}

}  // namespace
}  // namespace lumora
