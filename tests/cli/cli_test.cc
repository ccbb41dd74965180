#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/run_process.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

using ::testing::HasSubstr;
using testing::RunProcess;
using testing::TempFolder;

testing::ProcessResult RunCli(const std::vector<std::string>& args) {
  return RunProcess(LUMORA_CLI_PATH, args);
}

TEST(Cli, HelpListsTheCommandsAndVersionPrintsIt) {
  const auto help = RunCli({"--help"});
  EXPECT_EQ(help.exit_code, 0);
  EXPECT_THAT(help.out, HasSubstr("summary JOB"));
  const auto version = RunCli({"--version"});
  EXPECT_EQ(version.exit_code, 0);
  EXPECT_THAT(version.out, HasSubstr("lumora-cli 0."));
}

TEST(Cli, UsageErrorsExitWithOneAndSaySo) {
  EXPECT_EQ(RunCli({}).exit_code, 1);
  const auto unknown = RunCli({"frobnicate"});
  EXPECT_EQ(unknown.exit_code, 1);
  EXPECT_THAT(unknown.err, HasSubstr("unknown command 'frobnicate'"));
  const auto option = RunCli({"summary", "--bogus"});
  EXPECT_EQ(option.exit_code, 1);
  EXPECT_THAT(option.err, HasSubstr("unknown option --bogus"));
  TempFolder folder;
  const auto missing = RunCli({"summary", folder.File("nothing.opt"), "--data-dir", folder.path()});
  EXPECT_EQ(missing.exit_code, 1);
  EXPECT_THAT(missing.err, HasSubstr("cannot read the job file"));
}

TEST(Cli, SummaryOfTheExampleJobSeedsTheDataFolder) {
  TempFolder folder;
  const std::string data = folder.File("data");
  const auto result = RunCli(
      {"summary", std::string(LUMORA_SOURCE_DATA_DIR) + "/examples/small.opt", "--data-dir", data});
  EXPECT_EQ(result.exit_code, 0) << result.err;
  EXPECT_THAT(result.out, HasSubstr("Item: FLOAT CLEAR"));
  EXPECT_THAT(result.out, HasSubstr("Stock sizes: 2 (50 pieces)"));
  EXPECT_THAT(result.out, HasSubstr("Glass sizes: 10 (151 pieces)"));
  EXPECT_EQ(folder.Read("data/misc.set"), "\"MM\",\"10\",\"FULL\"\r\n");
}

}  // namespace
}  // namespace lumora
