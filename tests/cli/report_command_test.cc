#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "support/run_process.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

using ::testing::HasSubstr;
using testing::RunProcess;
using testing::TempFolder;
using testing::TestDataBytes;

std::string ReportJob(const std::string& name) {
  return std::string(LUMORA_TEST_DATA_DIR) + "/reports/" + name;
}

class ReportCommandTest : public ::testing::Test {
 protected:
  testing::ProcessResult Run(std::vector<std::string> args) {
    args.insert(args.end(), {"--data-dir", folder_.File("data")});
    return RunProcess(LUMORA_CLI_PATH, args);
  }

  TempFolder folder_;
};

TEST_F(ReportCommandTest, WritesTheThreeFilesAndPrintsTheReportAndTheStatusTexts) {
  const auto result =
      Run({"report", ReportJob("sheet_job.opt"), "--unit", "IN", "--out-dir", folder_.path()});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  const std::string report = TestDataBytes("reports/sheet_in/report.tlf");
  EXPECT_EQ(folder_.Read("report.tlf"), report);
  EXPECT_EQ(folder_.Read("offcut.tlf"), TestDataBytes("reports/sheet_in/offcut.tlf"));
  EXPECT_EQ(folder_.Read("sheets.Adj"), TestDataBytes("reports/sheet_in/sheets.Adj"));
  // Latin-1 on file, UTF-8 on the terminal: the no-break space and the U with diaeresis.
  EXPECT_EQ(result.out.size(),
            report.size() + static_cast<size_t>(std::count_if(report.begin(), report.end(),
                                                              [](char c) { return c < 0; })));
  EXPECT_THAT(result.out, HasSubstr("\xC2\xA0\xC2\xA0\xC2\xA0L1(IN)"));
  EXPECT_THAT(result.out, HasSubstr("M\xC3\x9CLLER GLAS"));
  EXPECT_EQ(result.err, "Overall Yield (%) = 59.39\nTotal Layouts = 3\nProfit = 898\n");
}

TEST_F(ReportCommandTest, CoilJobsAndTheDefaultUnitOfMiscSetIntoANewFolder) {
  // A missing --out-dir is made, with its parents.
  const auto result =
      Run({"report", ReportJob("coil_job.sdr"), "--out-dir", folder_.File("coil/reports")});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(folder_.Read("coil/reports/report.tlf"), TestDataBytes("reports/coil_mm/report.tlf"));
  EXPECT_EQ(folder_.Read("coil/reports/sheets.Adj"), TestDataBytes("reports/coil_mm/sheets.Adj"));
}

TEST_F(ReportCommandTest, ADamagedResultIsToldAndNothingIsWritten) {
  std::string job = TestDataBytes("reports/sheet_job.opt");
  job.replace(job.find("3,1,2,10,10"), 3, "3,7");
  const std::string path = folder_.Write("damaged.opt", job);
  const auto result = Run({"report", path, "--out-dir", folder_.File("out")});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(result.err,
            "lumora-cli: The layout file is damaged: element 39: glass index 7 is not in the "
            "glass list\n");
  EXPECT_EQ(result.out, "");
  EXPECT_FALSE(std::filesystem::exists(folder_.File("out")));
}

TEST_F(ReportCommandTest, AJobWithoutLayoutsWasNotOptimized) {
  const auto result = Run({"report", std::string(LUMORA_SOURCE_DATA_DIR) + "/examples/small.opt",
                           "--out-dir", folder_.path()});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(result.err, "lumora-cli: This file was not optimized.\n");
}

TEST_F(ReportCommandTest, LabelsFollowTheDataFoldersLabelDefinition) {
  const std::string out = folder_.File("labels.tlf");
  const auto result = Run({"labels", ReportJob("coil_job.sdr"), "--unit", "IN", "-o", out});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(folder_.Read("labels.tlf"), TestDataBytes("reports/coil_in/lbl.tlf"));

  folder_.Write("data/lbl.def", "\"1\",\"1\",\"1\",\"40\",\"0\",\"0\"\r\n");
  ASSERT_EQ(Run({"labels", ReportJob("coil_job.sdr"), "-o", out}).exit_code, 0);
  const std::string one_per_page = folder_.Read("labels.tlf");
  EXPECT_TRUE(one_per_page.starts_with("FROM     :\r\n"));
  EXPECT_EQ(std::count(one_per_page.begin(), one_per_page.end(), '*'), 9);  // ten labels
}

TEST_F(ReportCommandTest, UsageErrorsExitWithOne) {
  EXPECT_EQ(Run({"report"}).exit_code, 1);
  EXPECT_EQ(Run({"report", ReportJob("sheet_job.opt"), "--unit", "CM"}).exit_code, 1);
  EXPECT_EQ(Run({"labels", ReportJob("sheet_job.opt"), "--out-dir", "x"}).exit_code, 1);
  const auto missing = Run({"labels", ReportJob("no_such_job.opt")});
  EXPECT_EQ(missing.exit_code, 1);
  EXPECT_THAT(missing.err, HasSubstr("cannot read the job file"));
}

}  // namespace
}  // namespace lumora
