#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/run_process.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

using testing::RunProcess;
using testing::TempFolder;

TEST(CutsCommandTest, PrintsTheCutOrderOrSaysWhyNot) {
  const TempFolder folder;
  const std::string job = std::string(LUMORA_TEST_DATA_DIR) + "/reports/sheet_job.opt";
  const std::string pinned = testing::TestDataBytes("reports/sheet_mm/cuts.txt");
  struct Case {
    std::vector<std::string> args;
    int exit_code;
    std::string out;
    std::string err;
  };
  const std::vector<Case> cases = {
      {{job}, 0, pinned, ""},
      {{job, "--layout", "3", "--csv"},
       0,
       "layout,cut,stage,axis,position,start,length\n3,1,1,X,10,0,1834\n3,2,1,X,2434,0,1834\n"
       "3,3,2,Y,10,10,2424\n3,4,2,Y,1824,10,2424\n",
       ""},
      {{job, "--layout", "4"}, 1, "", "lumora-cli: there is no layout 4: the result has 3\n"},
      {{std::string(LUMORA_SOURCE_DATA_DIR) + "/examples/small.opt"},
       1,
       "",
       "lumora-cli: This file was not optimized.\n"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"cuts"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    args.insert(args.end(), {"--data-dir", folder.File("data")});
    const testing::ProcessResult result = RunProcess(LUMORA_CLI_PATH, args);
    EXPECT_EQ(result.exit_code, c.exit_code) << c.args.back();
    EXPECT_EQ(result.out, c.out) << c.args.back();
    EXPECT_EQ(result.err, c.err) << c.args.back();
  }
}

}  // namespace
}  // namespace lumora
