#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/job/job_sections.h"
#include "core/tables/table_file.h"
#include "support/run_process.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

using ::testing::HasSubstr;
using testing::RunProcess;
using testing::TempFolder;

// A sheet job file: Basic Details with the tolerance T (MM), the objective "Maximum Yield", the
// stock and glass rows (cells from column 1, the rest of the columns empty).
std::string JobBytes(const std::vector<std::vector<std::string>>& sheets,
                     const std::vector<std::vector<std::string>>& glasses,
                     const std::string& tolerance = "2") {
  JobTables tables;
  tables[kBasicTable] = QuotedLine({"FLOAT", "CLR", "5", "", "", "0", "", tolerance, "0", "", ""});
  tables[kOptionsTable] = "-1,0\r\n";
  for (std::vector<std::string> row : sheets) {
    row.resize(10);
    tables[kSheetTable] += QuotedLine(row);
  }
  for (std::vector<std::string> row : glasses) {
    row.resize(16);
    tables[kCutTable] += QuotedLine(row);
  }
  return JoinJobFile(tables);
}

class BigJobsCommandTest : public ::testing::Test {
 protected:
  testing::ProcessResult Run(const std::string& command, const std::string& job,
                             std::vector<std::string> options = {}) {
    std::vector<std::string> args = {command, job, "--data-dir", folder_.File("data")};
    args.insert(args.end(), options.begin(), options.end());
    return RunProcess(LUMORA_CLI_PATH, args);
  }

  TempFolder folder_;
};

TEST_F(BigJobsCommandTest, AJobOfFiveThousandGlassRowsIsOptimizedAndSaved) {
  // Ten sizes of 500 rows each, every row of a size for the same customer.
  std::vector<std::vector<std::string>> glasses;
  for (int i = 0; i < 5000; ++i) {
    const int size = i / 500;
    glasses.push_back({std::to_string(300 + 40 * size), std::to_string(200 + 30 * size), "", "",
                       std::to_string(1 + i % 3), "", "", "", "SHOP" + std::to_string(size)});
  }
  const std::string job =
      folder_.Write("big.opt", JobBytes({{"3660", "2440", "", "", "500"}}, glasses));
  const auto result = Run("optimize", job, {"--eff", "2"});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  EXPECT_THAT(result.out, HasSubstr("Optimization done.\nOverall Yield (%) = "));
  const JobTables saved = SplitJobFile(folder_.Read("big.opt"));
  EXPECT_FALSE(saved[kDiaTable].empty());
  // The glass rows come back as they were.
  EXPECT_EQ(saved[kCutTable], SplitJobFile(JobBytes({}, glasses))[kCutTable]);
}

TEST_F(BigJobsCommandTest, OddJobsEndWithAMessageThatSaysWhy) {
  const std::string tiny =
      folder_.Write("tiny.opt", JobBytes({{"3660", "2440", "", "", "10"}},
                                         {{"500", "400", "", "", "2"}, {"1", "1", "", "", "5"}}));
  const auto refused = Run("check", tiny);
  EXPECT_EQ(refused.exit_code, 2);
  EXPECT_THAT(refused.out, HasSubstr("Glass size (2) is smaller than the trim allowance!"));

  // 40000 pieces of 1 x 1 on a 1 x 100000 strip need more layout elements than a result holds.
  const std::string strip = folder_.Write(
      "strip.opt", JobBytes({{"1", "100000", "", "", "10"}}, {{"1", "1", "", "", "40000"}}, "0"));
  const auto unplaced = Run("optimize", strip, {"--eff", "1"});
  EXPECT_EQ(unplaced.exit_code, 4) << unplaced.err;
  EXPECT_THAT(unplaced.out,
              HasSubstr("Optimization done.\nNo complete result: a result holds at most 32767 "
                        "layouts and 32767 layout elements.\n"));
}

}  // namespace
}  // namespace lumora
