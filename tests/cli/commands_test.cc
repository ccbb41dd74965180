#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cli/cli_fixture.h"
#include "core/base/file_routines.h"
#include "core/job/job_sections.h"

namespace lumora {
namespace {

using ::testing::HasSubstr;
using testing::TestDataBytes;

const std::string kSheetJob = "=reports/sheet_job.opt";
const std::string kCoilJob = "=reports/coil_job.sdr";
const std::string kNotOptimized = "=examples/small.opt";
const std::string kMlm = "\"FLOAT\",\"\",\"5\",\"2440\",\"1830\",\"10\",\"12\"\r\n";
const std::string kPlm =
    "\"TOP\",\"\",\"FLOAT\",\"\",\"6\",\"1200\",\"800\",\"1\"\r\n"
    "\"DOOR\",\"\",\"FLOAT\",\"\",\"6\",\"2000\",\"700\",\"2\"\r\n"
    "\"DOOR\",\"\",\"TINT\",\"\",\"4\",\"600\",\"500\",\"1\"\r\n";

using Files = std::map<std::string, std::optional<std::string>>;

struct Row {
  Row(std::vector<std::string> args, int exit_code, std::string out, std::string err,
      std::map<std::string, std::string> before = {}, Files after = {})
      : args(std::move(args)),
        exit_code(exit_code),
        out(std::move(out)),
        err(std::move(err)),
        before(std::move(before)),
        after(std::move(after)) {}

  std::vector<std::string> args;
  int exit_code;
  std::string out;                            // what stdout holds; "": stdout is empty
  std::string err;                            // the same for stderr
  std::map<std::string, std::string> before;  // files written first
  Files after;                                // their bytes afterwards; nullopt: not there
};

class CommandsTest : public testing::CliTest {};

// Every command on the command line: its --help, its usage errors, its exit codes and what it
// prints and writes. Each row runs in a folder of its own.
TEST_F(CommandsTest, EveryCommandAnswersWithItsExitCodeOutputAndFiles) {
  const std::string small =
      ReadFileBytes(LUMORA_SOURCE_DATA_DIR "/examples/small.opt", kJobFileLimit).value();
  // clang-format off
  const Row rows[] = {
      {{"--help"}, 0, "\n  2  refused  ", ""},
      {{"--version"}, 0, "lumora-cli 0.", ""},
      {{"frobnicate"}, 1, "", "lumora-cli: unknown command 'frobnicate'"},
      {{"summary", "%nothing.opt"}, 1, "", "cannot read the job file"},
      {{"summary", kNotOptimized}, 0,
       "Item: FLOAT CLEAR\nKerf: 0  Tolerance: 2\nStock sizes: 2 (50 pieces)\n"
       "Glass sizes: 10 (151 pieces)\nOptimized: no\n",
       "", {}, {{"data/misc.set", "\"MM\",\"10\",\"FULL\"\r\n"}}},

      {{"check", "=jobs/needs_answers.opt"}, 2, TestDataBytes("jobs/needs_answers.check.txt"), ""},
      {{"check", "=jobs/needs_answers.opt", "--strict"}, 2,
       "question: QTY missing in sheet number (1), Proceed? -> No\nThe run would not start.\n", ""},
      {{"check", "=jobs/needs_answers.opt", "--coil"}, 0,
       "question: Start OPTIMIZATION? -> Yes\nTrim allowance: 1.501  BLADE: 3004.002\n"
       "The run would start.\n", ""},
      {{"check", "=jobs/earlier_version.opt"}, 0,
       "notice: Earlier version data file detected. Set the required tolerance and optimize. -> "
       "OK\nquestion: Start OPTIMIZATION? -> Yes\n", ""},
      {{"check", "=jobs/tiny_glass.opt"}, 2,
       "refusal: Glass size (2) is smaller than the trim allowance! -> OK\n", ""},
      {{"check"}, 1, "", "lumora-cli: usage: check JOB"},
      {{"check", kSheetJob, "--result"}, 0, "3 layouts, 0 problems\n", ""},
      {{"check", "=jobs/damaged.opt", "--result"}, 1, "", "lumora-cli: The layout file is damaged"},

      {{"optimize"}, 1, "", "lumora-cli: usage: optimize JOB"},
      {{"optimize", kNotOptimized, "--objective", "cost"}, 1, "", "lumora-cli: "},
      {{"optimize", kNotOptimized, "--eff", "ten"}, 1, "", "lumora-cli: "},
      {{"optimize", kNotOptimized, "--eff", "40000"}, 1, "", "lumora-cli: "},
      {{"optimize", kNotOptimized, "--threads", "0"}, 1, "", "lumora-cli: "},
      {{"optimize", kNotOptimized, "--stop-after-pass", "1.5"}, 1, "", "lumora-cli: "},
      {{"optimize", kNotOptimized, "--resume", "-1"}, 1, "", "lumora-cli: "},
      {{"optimize", kNotOptimized, "--engine", "fast"}, 1, "", "lumora-cli: "},
      {{"optimize", kNotOptimized, "--time-limit", "0"}, 1, "", "lumora-cli: "},
      {{"optimize", kNotOptimized, "--budget", "x"}, 1, "", "lumora-cli: "},
      {{"optimize", kNotOptimized, "-o"}, 1, "", "lumora-cli: "},
      {{"optimize", kNotOptimized, "-o", "%no/such/folder/out.opt"}, 1, "Could not save", "", {},
       {{"small.opt", small}}},
      {{"optimize", "=jobs/needs_answers.opt", "--strict"}, 2,
       "question: QTY missing in sheet number (1), Proceed? -> No\nThe run did not start.\n", "",
       {}, {{"needs_answers.opt", TestDataBytes("jobs/needs_answers.opt")}}},
      {{"optimize", "=jobs/no_glass.opt"}, 3,
       "Trim allowance: 2.001  BLADE: 2005.002\nNo valid GLASS SIZES.\n", "", {},
       {{"no_glass.opt", TestDataBytes("jobs/no_glass.opt")}}},
      {{"optimize", "=jobs/no_sheets.opt"}, 3,
       "Trim allowance: 2.001  BLADE: 2005.002\nNo valid SHEETS specified.\n", "", {},
       {{"no_sheets.opt", TestDataBytes("jobs/no_sheets.opt")}}},

      {{"report", kSheetJob, "--unit", "CM"}, 1, "", "lumora-cli: usage: report JOB"},
      {{"report", kSheetJob, "--unit", "IN", "--out-dir", "%out"}, 0, "M\xC3\x9CLLER GLAS",
       "Overall Yield (%) = 59.39\nTotal Layouts = 3\nProfit = 898\n", {},
       {{"out/report.tlf", TestDataBytes("reports/sheet_in/report.tlf")}}},
      // A missing --out-dir is made with its parents, and misc.set gives the unit.
      {{"report", kCoilJob, "--out-dir", "%coil/reports"}, 0, "Layout No. 3/3",
       "Total Layouts = 3\n", {},
       {{"coil/reports/sheets.Adj", TestDataBytes("reports/coil_mm/sheets.Adj")}}},
      {{"report", "=jobs/damaged.opt", "--out-dir", "%out"}, 1, "",
       "lumora-cli: The layout file is damaged: element 39: glass index 7 is not in the glass "
       "list\n",
       {}, {{"out", std::nullopt}}},

      {{"labels", kSheetJob, "--out-dir", "x"}, 1, "", "lumora-cli: unknown option --out-dir\n"},
      {{"labels", kCoilJob, "--unit", "IN", "-o", "%labels.tlf"}, 0, "", "", {},
       {{"labels.tlf", TestDataBytes("reports/coil_in/lbl.tlf")}}},
      {{"labels", kCoilJob, "-o", "%one.tlf"}, 0, "", "",
       {{"data/lbl.def", "\"1\",\"1\",\"1\",\"40\",\"0\",\"0\"\r\n"}},
       {{"one.tlf", TestDataBytes("reports/coil_mm/lbl_one_per_page.tlf")}}},
      {{"labels", kNotOptimized, "--pdf", "%x.pdf"}, 1, "",
       "lumora-cli: This file was not optimized.\n", {}, {{"x.pdf", std::nullopt}}},

      {{"cuts", kSheetJob}, 0, TestDataBytes("reports/sheet_mm/cuts.txt"), ""},
      {{"cuts", kSheetJob, "--layout", "3", "--csv"}, 0,
       TestDataBytes("reports/sheet_mm/cuts_layout3.csv"), ""},
      {{"cuts", kSheetJob, "--layout", "4"}, 1, "",
       "lumora-cli: there is no layout 4: the result has 3\n"},
      {{"cuts", kNotOptimized}, 1, "", "lumora-cli: This file was not optimized.\n"},
      {{"cuts", kSheetJob, "--layout", "1.9"}, 1, "",
       "lumora-cli: --layout needs a whole number from 1 to 32767, not '1.9'\n"},

      {{"breakout", kSheetJob}, 0,
       "  1           1      1         1         1    1200     800  ACME GLAZING   2           "
       "14.40\n", ""},
      {{"breakout", kSheetJob, "--csv"}, 0, "1,1,1,1,1,1200,800,ACME GLAZING,2,14.40\r\n", ""},
      {{"breakout", kNotOptimized}, 1, "", "lumora-cli: This file was not optimized.\n"},
      {{"racks", kSheetJob}, 0, "\nNot Racked\n", "17 pieces: 17 in racks, 0 not racked\n"},
      {{"racks", kSheetJob}, 0, "Rack Plan\n", "racks.dat holds no rack.\n17 pieces: 0 in racks, 17 not racked",
       {{"data/racks.dat", ""}}},
      {{"recut", kSheetJob, "--pieces", "1:1,2:2"}, 0,
       "sheet_job-recut.opt: 2 piece(s) to cut again, 0 leftover stock row(s) from the library, "
       "2 stock row(s) of the job\n", ""},
      {{"recut", kSheetJob, "--pieces", "1:9"}, 1, "",
       "lumora-cli: The result has no piece 1:9 (LAYOUT:POS).\n", {},
       {{"sheet_job.opt", TestDataBytes("reports/sheet_job.opt")},
        {"sheet_job-recut.opt", std::nullopt}}},
      {{"library", "export", kSheetJob}, 0, "notice: Material Library Updated! -> OK\n", ""},
      {{"optimize", kSheetJob, "--engine", "deep", "--leftovers-first", "yes"}, 1, "",
       "lumora-cli: --leftovers-first is on or off, not 'yes'\n", {},
       {{"sheet_job.opt", TestDataBytes("reports/sheet_job.opt")}}},

      {{"render", kSheetJob, "--layout", "4", "-o", "%x.png"}, 1, "",
       "lumora-cli: there is no layout 4: the result has 3\n", {}, {{"x.png", std::nullopt}}},
      {{"render", kSheetJob, "--all", "-o", "%x.png"}, 1, "", "needs a .pdf file"},
      {{"render", kSheetJob, "--layout", "2", "-o", "%x.dxf"}, 1, "",
       "lumora-cli: a .dxf file holds every layout: use --all\n"},
      {{"render", kSheetJob, "-o", "%x.bmp"}, 1, "", "lumora-cli: usage: render JOB"},
      {{"render", kSheetJob}, 1, "", "lumora-cli: usage: render JOB"},
      {{"render", kNotOptimized, "-o", "%x.png"}, 1, "",
       "lumora-cli: This file was not optimized.\n", {}, {{"x.png", std::nullopt}}},

      {{"alternate", kSheetJob, "--layout", "1", "--tries", "2", "-o", "%out.opt"}, 0,
       TestDataBytes("reports/sheet_alternate.txt"), "", {},
       {{"out.opt", TestDataBytes("reports/sheet_alternate.opt")},
        {"sheet_job.opt", TestDataBytes("reports/sheet_job.opt")}}},
      {{"alternate", kSheetJob, "--layout", "1", "--tries", "2"}, 0,
       "Alternate Arrangement - 3: Keep This Arrangement\n", "", {},
       {{"sheet_job.opt", TestDataBytes("reports/sheet_alternate.opt")}}},
      // The one piece of layout 3 is there twice.
      {{"alternate", "=jobs/alternate_impossible.opt", "--layout", "3", "--tries", "4", "-o",
        "%out.opt"}, 2, "notice: Alternate Arrangment for this layout is not possible -> OK\n",
       "", {}, {{"out.opt", std::nullopt}}},
      {{"alternate", kSheetJob}, 1, "", "lumora-cli: usage: alternate JOB --layout L"},
      {{"alternate", kSheetJob, "--layout", "4"}, 1, "",
       "lumora-cli: --layout 4: the result has 3 layouts\n"},
      {{"alternate", kSheetJob, "--layout", "1", "--tries", "-1"}, 1, "",
       "lumora-cli: --tries needs a whole number from 0 to 32767, not '-1'\n"},
      {{"alternate", kNotOptimized, "--layout", "1"}, 1, "",
       "lumora-cli: This file was not optimized.\n"},

      // A piece deleted by hand is a plan short of a piece, which the result's check names.
      {{"edit", kSheetJob, "--layout", "1", "--at", "100,100", "--delete", "-o", "%out.opt"}, 0,
       "Total Layouts = 3", "", {}, {{"sheet_job.opt", TestDataBytes("reports/sheet_job.opt")}}},
      {{"edit", kSheetJob, "--layout", "1", "--at", "100,100", "--ys", "10", "--strict"}, 2,
       "Store it there? -> No\nThe edit was not stored.\n", "", {},
       {{"sheet_job.opt", TestDataBytes("reports/sheet_job.opt")}}},
      {{"edit", kSheetJob, "--layout", "1", "--at", "100,100", "--xs", "3000"}, 2,
       "refusal: 3210Out of sheet length  -> OK\n", ""},
      {{"edit", kSheetJob, "--layout", "1", "--at", "100,100", "--dim-x", "5"}, 1, "",
       "lumora-cli: --dim-x: the Edit dialog \"Delete / Move Existing Glass-Piece\" has no DIM-X\n"},
      {{"edit", kSheetJob, "--layout", "1", "--at", "100,100", "--orn", "3"}, 1, "",
       "lumora-cli: --orn: the Edit dialog does not take '3'\n"},
      {{"edit", kSheetJob, "--layout", "1", "--add", "0", "--delete"}, 1, "", "has no Delete"},
      {{"edit", kSheetJob, "--layout", "1", "--at", "9000,9000"}, 1, "",
       "lumora-cli: nothing of layout 1 lies at 9000,9000\n"},
      {{"edit", kSheetJob, "--layout", "1"}, 1, "", "lumora-cli: usage: edit JOB"},

      {{"library", "merge"}, 0, "2 record(s), 1 after merging", "",
       {{"data/mlm.dat", kMlm + "\"FLOAT\",\"\",\"5\",\"2440\",\"1830\",\"-4\",\"12\"\r\n"}},
       {{"data/mlm.dat", "\"FLOAT\",\"\",\"5\",\"2440\",\"1830\",\"6\",\"12\"\r\n"}}},
      {{"library", "import", "=jobs/library_job.opt"}, 0,
       "notice: 1 size(s) imported from MLM -> OK\n", "",
       {{"data/mlm.dat", kMlm + "\"FLOAT\",\"\",\"5\",\"600\",\"400\",\"1\",\"SCRAP\"\r\n"}},
       {{"library_job.opt", TestDataBytes("jobs/library_job_imported.opt")}}},
      {{"library", "import", "=jobs/library_job.opt"}, 2,
       "Material specified was not found in stock.", "no stock of item 'FLOAT'",
       {{"data/mlm.dat", "\"TINTED\",\"\",\"5\",\"2440\",\"1830\",\"10\",\"12\"\r\n"}},
       {{"library_job.opt", TestDataBytes("jobs/library_job.opt")}}},
      {{"library", "import"}, 1, "", "lumora-cli: usage: library"},

      {{"products", "load", "%orders.tlf", "--base", "%ORD"}, 0,
       "ORD[MAT=TINT,GRADE=,THICK=4].OPT\n", "",
       {{"orders.tlf", "\"TOP\",\"2\",\"ACME\"\r\n\"DOOR\",\"1\",\"\"\r\n"},
        {"data/plm.dat", kPlm}},
       {{"ORD[MAT=FLOAT,GRADE=,THICK=6].OPT", TestDataBytes("jobs/products_float.opt")}}},
      {{"products", "load", "%orders.tlf", "--base", "%ORD"}, 2, "Could not generate '", "",
       {{"orders.tlf", "\"TOP\",\"2\",\"ACME\"\r\n"}}},
      {{"products", "load", "%orders.tlf"}, 1, "", "lumora-cli: usage: products load"},
  };
  // clang-format on
  for (const auto& row : rows) {
    SCOPED_TRACE(::testing::PrintToString(row.args));
    std::filesystem::remove_all(folder_.path());
    std::filesystem::create_directories(folder_.File("data"));
    for (const auto& [name, bytes] : row.before) folder_.Write(name, bytes);
    const auto result = Run(row.args);
    EXPECT_EQ(result.exit_code, row.exit_code) << result.err;
    const auto expect = [](const std::string& stream, const std::string& part) {
      EXPECT_THAT(stream, part.empty() ? ::testing::Matcher<std::string>(::testing::IsEmpty())
                                       : HasSubstr(part));
    };
    expect(result.out, row.out);
    expect(result.err, row.err);
    for (const auto& [name, bytes] : row.after) {
      EXPECT_EQ(std::filesystem::exists(folder_.File(name)), bytes.has_value()) << name;
      EXPECT_EQ(folder_.Read(name), bytes.value_or("")) << name;
    }
    // The run's working files are gone.
    for (const auto& entry : std::filesystem::directory_iterator(folder_.File("data"))) {
      EXPECT_NE(entry.path().extension(), ".tlf") << entry.path();
    }
  }
  for (const std::string command :
       {"summary", "check", "optimize", "report", "labels", "render", "cuts", "breakout", "racks",
        "recut", "library", "products", "alternate", "edit", "import", "export"}) {
    const auto help = Run({command, "--help"});
    EXPECT_EQ(help.exit_code, 0) << command;
    EXPECT_THAT(help.out, HasSubstr("Usage: lumora-cli " + command + " ")) << command;
  }
}

}  // namespace
}  // namespace lumora
