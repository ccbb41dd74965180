#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "support/run_process.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

using ::testing::HasSubstr;
using testing::RunProcess;
using testing::TempFolder;

class CheckCommandTest : public ::testing::Test {
 protected:
  testing::ProcessResult Check(const std::string& job, std::vector<std::string> options = {}) {
    std::vector<std::string> args = {"check", std::string(LUMORA_TEST_DATA_DIR) + "/jobs/" + job,
                                     "--data-dir", folder_.File("data")};
    args.insert(args.end(), options.begin(), options.end());
    return RunProcess(LUMORA_CLI_PATH, args);
  }

  // The data folder holds the seeded settings files and nothing of the run.
  void ExpectNoWorkingFilesLeft() {
    for (const auto& entry : std::filesystem::directory_iterator(folder_.File("data"))) {
      EXPECT_THAT(entry.path().extension().string(), ::testing::Not(".tlf")) << entry.path();
    }
  }

  TempFolder folder_;
};

TEST_F(CheckCommandTest, PrintsEveryQuestionWithItsAnswerInOrder) {
  const auto result = Check("needs_answers.opt");
  EXPECT_EQ(result.exit_code, 2) << result.err;
  EXPECT_EQ(result.out,
            "question: QTY missing in sheet number (1), Proceed? -> Yes\n"
            "question: L1 missing in glass size (2), Proceed? -> Yes\n"
            "question: QTY missing in glass size (2), Proceed? -> Yes\n"
            "refusal: Total Glass Size Area is MORE then Total Sheet Area! -> OK\n"
            "The run would not start.\n");
  ExpectNoWorkingFilesLeft();
}

TEST_F(CheckCommandTest, StrictAnswersNoAndStopsThere) {
  const auto result = Check("needs_answers.opt", {"--strict"});
  EXPECT_EQ(result.exit_code, 2);
  EXPECT_EQ(result.out,
            "question: QTY missing in sheet number (1), Proceed? -> No\n"
            "The run would not start.\n");
}

TEST_F(CheckCommandTest, CoilRowsAreUnlimitedAndTheRunWouldStart) {
  const auto result = Check("needs_answers.opt", {"--coil"});
  EXPECT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(result.out,
            "question: L1 missing in glass size (2), Proceed? -> Yes\n"
            "question: QTY missing in glass size (2), Proceed? -> Yes\n"
            "question: Start OPTIMIZATION? -> Yes\n"
            "Trim allowance: 1.501  BLADE: 3004.002\n"
            "The run would start.\n");
  ExpectNoWorkingFilesLeft();
}

TEST_F(CheckCommandTest, AnEarlierVersionFileIsAnnounced) {
  const auto result = Check("earlier_version.opt");
  EXPECT_EQ(result.exit_code, 0) << result.err;
  EXPECT_THAT(result.out,
              HasSubstr("notice: Earlier version data file detected. Set the required tolerance "
                        "and optimize. -> OK\nquestion: Start OPTIMIZATION? -> Yes\n"));
}

TEST_F(CheckCommandTest, UsageAndFileErrorsExitWithOne) {
  EXPECT_EQ(RunProcess(LUMORA_CLI_PATH, {"check"}).exit_code, 1);
  EXPECT_EQ(Check("needs_answers.opt", {"--yes"}).exit_code, 1);
  const auto missing = Check("no_such_job.opt");
  EXPECT_EQ(missing.exit_code, 1);
  EXPECT_THAT(missing.err, HasSubstr("cannot read the job file"));
}

}  // namespace
}  // namespace lumora
