#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/run_process.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

using ::testing::HasSubstr;
using testing::RunProcess;
using testing::TempFolder;
using testing::TestDataBytes;

class ExchangeCommandsTest : public ::testing::Test {
 protected:
  testing::ProcessResult Run(std::vector<std::string> args) {
    args.insert(args.end(), {"--data-dir", folder_.File("data")});
    return RunProcess(LUMORA_CLI_PATH, args);
  }

  TempFolder folder_;
};

const char* const kOrder =
    "Pos;Width;Height;Qty;Customer\r\n1;1000;500,5;2;\"M\xC3\xBCller; Hans\"\r\n"
    "2;900;400;1x;Smith\r\n\r\n3;1200;800;4;Jones\r\n";

TEST_F(ExchangeCommandsTest, ImportAddsOrReplacesRowsAndRefusesWhatDoesNotFit) {
  const struct {
    const char* name;
    const char* job;  // under tests/data
    std::vector<std::string> args;
    int exit_code;
    const char* says;     // on stdout, or on stderr for a failure
    const char* summary;  // of the job file afterwards
  } cases[] = {
      {"added, line 3 left out",
       "reports/sheet_job.opt",
       {"--glass", "order.csv"},
       0,
       "Line 3: QTY \"1x\" is not a whole number - line left out",
       "Glass sizes: 6 (23 pieces)"},
      {"optimized job asks first",
       "reports/sheet_job.opt",
       {"--glass", "order.csv"},
       0,
       "question: You are trying to change data.",
       "Optimized: no"},
      {"replaced",
       "reports/sheet_job.opt",
       {"--glass", "order.csv", "--replace"},
       0,
       "2 rows imported",
       "Glass sizes: 2 (6 pieces)"},
      {"strict refuses",
       "reports/sheet_job.opt",
       {"--glass", "order.csv", "--strict"},
       2,
       "Import the other rows? -> No",
       "Glass sizes: 4 (17 pieces)"},
      {"columns by hand",
       "reports/sheet_job.opt",
       {"--glass", "order.csv", "--map", "L1=Height,L2=2,QTY=", "--replace"},
       0,
       "L1 <- Height, L2 <- Width, CUSTOMER <- Customer, SR.NO <- Pos",
       "Glass sizes: 3 (0 pieces)"},
      {"no lengths",
       "reports/sheet_job.opt",
       {"--glass", "order.csv", "--map", "L1="},
       1,
       "name them with --map",
       "Glass sizes: 4 (17 pieces)"},
      {"stock list",
       "reports/sheet_job.opt",
       {"--stock", "order.csv", "--unit", "IN"},
       0,
       "(lengths in IN)",
       "Stock sizes: 4"},
  };
  folder_.Write("order.csv", kOrder);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string job = folder_.Write("job.opt", TestDataBytes(c.job));
    std::vector<std::string> args = {"import", job};
    for (const std::string& arg : c.args) {
      args.push_back(arg == "order.csv" ? folder_.File("order.csv") : arg);
    }
    const auto result = Run(args);
    EXPECT_EQ(result.exit_code, c.exit_code) << result.err;
    EXPECT_THAT(c.exit_code == 1 ? result.err : result.out, HasSubstr(c.says));
    EXPECT_THAT(Run({"summary", job}).out, HasSubstr(c.summary));
  }
}

// The workbook read back: each sheet's name, its rows, and the type and value of cell B2.
std::string ReadWorkbook(const std::string& path) {
  const std::string script =
      "import sys, openpyxl\n"
      "book = openpyxl.load_workbook(sys.argv[1])\n"
      "for s in book.worksheets:\n"
      "    b2 = s.cell(2, 2).value\n"
      "    print(s.title, s.max_row, type(b2).__name__, b2, s.cell(1, 7).value)\n";
  return RunProcess("/usr/bin/python3", {"-c", script, path}).out;
}

TEST_F(ExchangeCommandsTest, ExportWritesNumbersAsNumbersInAWorkbookOrCsv) {
  const std::string job = std::string(LUMORA_TEST_DATA_DIR) + "/reports/sheet_job.opt";
  const struct {
    std::vector<std::string> args;
    const char* file;
    int exit_code;
    std::string expected;  // the workbook's sheets, the CSV's start, or the message
  } cases[] = {
      {{},
       "all.xlsx",
       0,
       "Glass Size Specifications 5 int 1810 ChL1 (IN)\n"
       "Sheet Specifications 3 int 2250 None\n"
       "Layouts 4 int 3210 Sheet Area(m\xC2\xB2)\n"
       "Glass Sizes 5 int 1810 Area(m\xC2\xB2)\n"
       "Balances 16 int 802 None\n"},
      {{"--what", "report", "--unit", "IN"},
       "report.xlsx",
       0,
       "Layouts 4 str 126 3/8 Sheet Area(ft\xC2\xB2)\nGlass Sizes 5 str 71 1/4 Area(ft\xC2\xB2)\n"},
      {{"--what", "cuts"}, "cuts.xlsx", 0, "Cuts 22 int 1 Length(MM)\n"},
      {{"--what", "balances"}, "balances.csv", 0, "\xEF\xBB\xBFLAYOUT,L1,L2,QTY,TAG\r\n1,"},
      {{"--what", "cuts,labels"}, "x.csv", 1, "--what takes glass, stock, report, balances, cuts"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    std::vector<std::string> args = {"export", job, "-o", folder_.File(c.file)};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const auto result = Run(args);
    ASSERT_EQ(result.exit_code, c.exit_code) << result.err;
    if (c.exit_code != 0) {
      EXPECT_THAT(result.err, HasSubstr(c.expected));
    } else if (std::string(c.file).ends_with(".xlsx")) {
      EXPECT_EQ(ReadWorkbook(folder_.File(c.file)), c.expected);
    } else {
      EXPECT_EQ(folder_.Read(c.file).substr(0, c.expected.size()), c.expected);
    }
  }
}

}  // namespace
}  // namespace lumora
