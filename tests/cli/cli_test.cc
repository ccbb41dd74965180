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

TEST(Cli, HelpListsTheCommandsAndExitCodesAndVersionPrintsIt) {
  const auto help = RunCli({"--help"});
  EXPECT_EQ(help.exit_code, 0);
  EXPECT_THAT(help.out, HasSubstr("summary JOB"));
  EXPECT_THAT(help.out, HasSubstr("\n  2  refused  "));
  const auto version = RunCli({"--version"});
  EXPECT_EQ(version.exit_code, 0);
  EXPECT_THAT(version.out, HasSubstr("lumora-cli 0."));
}

// Each command's --help shows its usage and lists every option it parses, one a line.
TEST(Cli, EveryCommandAnswersHelpWithItsOptions) {
  const struct {
    std::string command;
    std::vector<std::string> options;
  } cases[] = {
      {"summary", {"--data-dir DIR"}},
      {"check", {"--coil", "--data-dir DIR", "--strict"}},
      {"optimize",
       {"-o OUT", "--coil", "--eff N", "--objective yield|layouts", "--threads N",
        "--stop-after-pass K", "--resume K", "--data-dir DIR", "--strict", "--quiet"}},
      {"report", {"--unit MM|IN", "--coil", "--out-dir DIR", "--data-dir DIR"}},
      {"labels", {"--unit MM|IN", "-o FILE", "--pdf FILE", "--coil", "--data-dir DIR"}},
      {"render",
       {"--layout N", "--all", "--unit MM|IN", "--coil", "--data-dir DIR", "--width PX",
        "-o FILE"}},
      {"library", {"--data-dir DIR"}},
      {"products", {"--base NAME", "--data-dir DIR"}},
      {"alternate", {"--layout L", "--tries N", "--coil", "-o OUT", "--data-dir DIR"}},
      {"import",
       {"--glass FILE", "--stock FILE", "--map MAP", "--stock-map MAP", "--unit MM|IN", "--replace",
        "--strict", "--coil", "-o OUT", "--data-dir DIR"}},
      {"export", {"-o FILE", "--what PARTS", "--unit MM|IN", "--coil", "--data-dir DIR"}},
  };
  for (const auto& [command, options] : cases) {
    SCOPED_TRACE(command);
    const auto help = RunCli({command, "--help"});
    EXPECT_EQ(help.exit_code, 0) << help.err;
    EXPECT_THAT(help.out, HasSubstr("Usage: lumora-cli " + command + " "));
    for (const std::string& option : options)
      EXPECT_THAT(help.out, HasSubstr("\n  " + option + " "));
    EXPECT_THAT(help.out, HasSubstr("\n  --help "));
  }
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
