#include "core/library/balance_export.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "core/job/job_file.h"
#include "core/job/job_tables.h"
#include "core/job/job_test_support.h"
#include "core/layouts/layouts_load.h"
#include "core/library/material_library.h"
#include "core/tables/file_routines.h"
#include "core/tables/table_file.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

using testing::Quoted;
using testing::ScriptedPrompter;
using testing::TempFolder;
using testing::TestDataBytes;

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

TEST_F(BalanceExportTest, InInchesTheLibraryStillGetsMillimetres) {
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
}

TEST(BalanceExportFailure, AnUnwritableLibraryStaysAsItWasAndIsNamed) {
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
  ASSERT_EQ(ReadFileBytes(library_path), library);

  Job job = MakeJob(Workspace{folder, "8.5"}, {});
  job.settings.unit = Unit::kMm;
  job.settings.imported_stock = true;
  job.basic.SetText(1, basic_col::kItem, "FLOAT");
  ScriptedPrompter prompter({PromptAnswer::kYes});
  EXPECT_EQ(ExportBalances(job, OffcutGrid("1,\"1200\",\"800\",2,\"12\"\r\n"), prompter),
            ExportOutcome::kFailed);
  EXPECT_EQ(ReadFileBytes(library_path), library);
  EXPECT_TRUE(job.settings.imported_stock);
  ASSERT_EQ(prompter.prompts().size(), 2u);
  EXPECT_EQ(prompter.prompts()[1].text, "Could not save " + library_path + ": File name too long");
}

TEST(BalanceRowsOfGrid, InchSidesBecomeMillimetresAndBlankRowsGo) {
  const Grid grid = OffcutGrid("1,\"48\",\"24 1/2\",1,\"2\"\r\n,\"\",\"\",,\"\"\r\n");
  const std::vector<BalanceRow> rows = BalanceRowsOfGrid(grid, true);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].l1, "1219.2");
  EXPECT_EQ(rows[0].l2, "622.3");
  EXPECT_EQ(rows[0].qty, "1");
  EXPECT_EQ(rows[0].tag, "2");
}

}  // namespace
}  // namespace lumora
