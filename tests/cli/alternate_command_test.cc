#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/run_process.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

using testing::RunProcess;
using testing::TempFolder;
using testing::TestDataBytes;

// The DIA section of a job file and everything around it.
struct JobParts {
  std::string before;
  std::string dia;
};
JobParts SplitAtDia(const std::string& job) {
  const size_t start = job.find("[DIA.TLF]\r\n");
  const size_t end = job.find("[END]", start);
  if (start == std::string::npos || end == std::string::npos) return {job, ""};
  return {job.substr(0, start), job.substr(start + 11, end - start - 11)};
}

class AlternateCommandTest : public ::testing::Test {
 protected:
  testing::ProcessResult Run(std::vector<std::string> args) {
    args.insert(args.begin(), "alternate");
    args.insert(args.end(), {"--data-dir", folder_.File("data")});
    return RunProcess(LUMORA_CLI_PATH, args);
  }

  TempFolder folder_;
  const std::string job_ = TestDataBytes("reports/sheet_job.opt");
};

TEST_F(AlternateCommandTest, TriesThenKeepsAndWritesTheSplicedResult) {
  const std::string in = folder_.Write("in.opt", job_);
  const auto result = Run({in, "--layout", "1", "--tries", "2", "-o", folder_.File("out.opt")});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(result.out,
            "Alternate Arrangement - 1: Try Next Arrangement\n"
            "Alternate Arrangement - 2: Try Next Arrangement\n"
            "Alternate Arrangement - 3: Keep This Arrangement\n"
            "Overall Yield (%) = 59.39  Total Layouts = 3  Profit = 898\n");
  EXPECT_EQ(folder_.Read("in.opt"), job_);

  const JobParts old_parts = SplitAtDia(job_);
  const JobParts new_parts = SplitAtDia(folder_.Read("out.opt"));
  EXPECT_EQ(new_parts.before, old_parts.before);
  // Layouts 2 and 3 stay as they were; layout 1 is cut twice as before.
  const size_t old_rest = old_parts.dia.find("2,-1,");
  const size_t new_rest = new_parts.dia.find("2,-1,");
  ASSERT_NE(new_rest, std::string::npos);
  EXPECT_EQ(new_parts.dia.substr(new_rest), old_parts.dia.substr(old_rest));
  EXPECT_NE(new_parts.dia.substr(0, new_rest), old_parts.dia.substr(0, old_rest));
  EXPECT_EQ(new_parts.dia.substr(0, 25), "1,-1,1,0,0,3214,2254,2,0\r");
}

TEST_F(AlternateCommandTest, WithoutOutTheJobIsWrittenBack) {
  const std::string in = folder_.Write("in.opt", job_);
  const auto result = Run({in, "--layout", "3"});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(result.out.substr(0, 26), "Alternate Arrangement - 1:");
  EXPECT_EQ(SplitAtDia(folder_.Read("in.opt")).before, SplitAtDia(job_).before);
}

TEST_F(AlternateCommandTest, ALayoutThatFitsNoSheetIsToldAndNothingIsWritten) {
  // The one piece of layout 3 put there twice by hand.
  std::string job = job_;
  const std::string piece = "3,1,2,10,10,2434,1824,3,2\r\n";
  job.insert(job.find(piece), piece);
  const std::string in = folder_.Write("in.opt", job);
  const auto result = Run({in, "--layout", "3", "--tries", "4", "-o", folder_.File("out.opt")});
  EXPECT_EQ(result.exit_code, 2);
  EXPECT_EQ(result.out, "notice: Alternate Arrangment for this layout is not possible -> OK\n");
  EXPECT_FALSE(std::filesystem::exists(folder_.File("out.opt")));
}

TEST_F(AlternateCommandTest, RefusesWhatItCannotDo) {
  const std::string in = folder_.Write("in.opt", job_);
  struct Case {
    std::vector<std::string> args;
    std::string err;
  };
  const std::vector<Case> cases = {
      {{in},
       "lumora-cli: usage: alternate JOB --layout L [--tries N] [--coil] [-o OUT] "
       "[--data-dir DIR]\n"},
      {{in, "--layout", "4"}, "lumora-cli: --layout 4: the result has 3 layouts\n"},
      {{in, "--layout", "1", "--tries", "-1"},
       "lumora-cli: --tries needs a whole number from 0 to 32767, not '-1'\n"},
      {{std::string(LUMORA_SOURCE_DATA_DIR) + "/examples/small.opt", "--layout", "1"},
       "lumora-cli: This file was not optimized.\n"},
  };
  for (const Case& c : cases) {
    const auto result = Run(c.args);
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_EQ(result.err, c.err);
  }
  EXPECT_EQ(folder_.Read("in.opt"), job_);
}

}  // namespace
}  // namespace lumora
