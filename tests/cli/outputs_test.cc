#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/cli_fixture.h"
#include "support/pdf_info.h"

namespace lumora {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using testing::PdfPages;
using testing::PdfText;
using testing::RunProcess;
using testing::TestDataBytes;

// Three layouts each; the ten pieces of the coil job have their labels in
// tests/data/reports/coil_mm.
const std::string kSheetJob = "=reports/sheet_job.opt";
const std::string kCoilJob = "=reports/coil_job.sdr";

uint32_t BigEndian(const std::string& bytes, size_t at) {
  uint32_t value = 0;
  for (size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

class OutputsTest : public testing::CliTest {
 protected:
  // An import: the arguments after "import", the exit code, what it says (on stdout, or on
  // stderr for a failure) and what the summary of the job it wrote says, when it wrote one.
  struct ImportCase {
    std::vector<std::string> args;
    int exit_code;
    std::string says;
    std::string summary;
  };

  void ExpectImport(const ImportCase& c) {
    SCOPED_TRACE(c.says);
    std::vector<std::string> args = {"import"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const auto result = Run(args);
    EXPECT_EQ(result.exit_code, c.exit_code) << result.err;
    EXPECT_THAT(c.exit_code == 1 ? result.err : result.out, HasSubstr(c.says));
    if (!c.summary.empty()) {
      // The job's name without the mark that says where it lies.
      const std::string job = std::filesystem::path(args[1].substr(1)).filename().string();
      const auto summary = Run({"summary", "%" + job});
      EXPECT_THAT(summary.out, HasSubstr(c.summary)) << summary.err;
    }
  }
};

TEST_F(OutputsTest, RenderDrawsALayoutAsAnImageAndPrintsOrExportsThemAll) {
  // A PNG has the shape of its layout with a border of an eighth of the larger side: the sheet
  // of 3210 x 2250, the one of 2440 x 1830 with its margins, and a short length of the coil.
  const struct {
    std::string job;
    std::string layout;
    uint32_t height;
  } pngs[] = {{kSheetJob, "1", 1218}, {kSheetJob, "3", 1281}, {kCoilJob, "3", 3539}};
  for (const auto& png : pngs) {
    SCOPED_TRACE(png.job + " " + png.layout);
    const auto result = Run({"render", png.job, "--layout", png.layout, "-o", "%x.png"});
    ASSERT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(result.err, "");
    const std::string image = folder_.Read("x.png");
    ASSERT_GT(image.size(), 24u);
    EXPECT_EQ(image.substr(0, 8), "\x89PNG\r\n\x1a\n");
    EXPECT_EQ(image.substr(12, 4), "IHDR");
    EXPECT_EQ(BigEndian(image, 16), 1600u);
    EXPECT_EQ(BigEndian(image, 20), png.height);
  }
  ASSERT_EQ(Run({"render", kSheetJob, "--all", "--unit", "IN", "-o", "%all.pdf"}).exit_code, 0);
  EXPECT_EQ(PdfPages(folder_.File("all.pdf")), 3);
  ASSERT_EQ(Run({"render", kSheetJob, "--layout", "2", "-o", "%one.pdf"}).exit_code, 0);
  EXPECT_EQ(PdfPages(folder_.File("one.pdf")), 1);
  ASSERT_EQ(Run({"render", kCoilJob, "--width", "400", "-o", "%coil.svg"}).exit_code, 0);
  EXPECT_THAT(folder_.Read("coil.svg"), HasSubstr("<svg"));
  EXPECT_THAT(folder_.Read("coil.svg"), HasSubstr("width=\"400\""));
  ASSERT_EQ(Run({"render", kSheetJob, "--all", "-o", "%all.dxf"}).exit_code, 0);
  EXPECT_THAT(folder_.Read("all.dxf"), HasSubstr("\nLAYOUT 3\n"));
}

// The data folder's lbl.def lays the labels out on the pages; a page longer than the paper goes
// on on the next sheet.
TEST_F(OutputsTest, LabelsArePrintedToAPdfPageByPage) {
  const struct {
    std::string definition;
    int pages;
  } cases[] = {
      // Rows of 3, 3 | 3, 1 labels: the page breaks before the third row.
      {"\"2\",\"3\",\"1\",\"30\",\"2\",\"1\"\r\n", 2},
      // One row of ten labels, one under the other: 110 lines, more than A4 holds in 8 points.
      {"\"1\",\"1\",\"1\",\"40\",\"0\",\"0\"\r\n", 10},
      {"\"10\",\"1\",\"1\",\"40\",\"0\",\"0\"\r\n", 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.definition);
    folder_.Write("data/lbl.def", c.definition);
    const auto result = Run({"labels", kCoilJob, "--pdf", "%labels.pdf"});
    ASSERT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(PdfPages(folder_.File("labels.pdf")), c.pages);
  }
  const std::string text = PdfText(folder_.File("labels.pdf"));
  EXPECT_THAT(text, HasSubstr("CUSTOMER :ACME GLAZING"));
  EXPECT_THAT(text.substr(0, text.find('\f')), Not(HasSubstr("/10")));
}

// With lblcode.set the printed labels carry their layout and position and a code that scans
// back to the job, layout, size, customer and SR.NO; the label file stays as it was.
TEST_F(OutputsTest, CodesOnThePrintedLabelsScanBack) {
  const struct {
    std::string codes;  // lblcode.set
    std::string dpi;    // enough for the code's narrowest bar
    bool position;
  } cases[] = {{"0\r\n2\r\n", "150", false}, {"1\r\n1\r\n", "600", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.codes);
    folder_.Write("data/lblcode.set", c.codes);
    const auto result = Run({"labels", kSheetJob, "--pdf", "%coded.pdf", "-o", "%lbl.tlf"});
    ASSERT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(folder_.Read("lbl.tlf"), TestDataBytes("reports/sheet_mm/lbl.tlf"));
    // pdftotext closes up the two blanks before "POS".
    const std::string pdf = folder_.File("coded.pdf");
    EXPECT_EQ(PdfText(pdf).find("LAYOUT   :1 POS :1") != std::string::npos, c.position);
    // The top left label, as a scanner sees it.
    const auto scan = RunProcess(
        "/bin/sh", {"-c",
                    "pdftoppm -r $1 -f 1 -l 1 -W $(($1 * 4)) -H $(($1 * 4)) -png -singlefile "
                    "\"$0\" \"$0\" && zbarimg -q --raw \"$0.png\" 2>/dev/null | head -n 1",
                    pdf, c.dpi});
    EXPECT_EQ(scan.out, "sheet_job.opt;1;1200x800;ACME GLAZING;2\n");
  }
}

TEST_F(OutputsTest, ImportAddsOrReplacesRowsAndRefusesWhatDoesNotFit) {
  folder_.Write("order.csv",
                "Pos;Width;Height;Qty;Customer\r\n1;1000;500,5;2;\"M\xC3\xBCller; Hans\"\r\n"
                "2;900;400;1x;Smith\r\n\r\n3;1200;800;4;Jones\r\n");
  // Each on a fresh copy of the job.
  const ImportCase cases[] = {
      // clang-format off
      {{kSheetJob, "--glass", "%order.csv"}, 0,
       "Line 3: QTY \"1x\" is not a whole number - line left out", "Glass sizes: 6 (23 pieces)"},
      {{kSheetJob, "--glass", "%order.csv"}, 0, "question: You are trying to change data.",
       "Optimized: no"},
      {{kSheetJob, "--glass", "%order.csv", "--replace"}, 0, "2 rows imported",
       "Glass sizes: 2 (6 pieces)"},
      {{kSheetJob, "--glass", "%order.csv", "--strict"}, 2, "Import the other rows? -> No",
       "Glass sizes: 4 (17 pieces)"},
      {{kSheetJob, "--glass", "%order.csv", "--map", "L1=Height,L2=2,QTY=", "--replace"}, 0,
       "L1 <- Height, L2 <- Width, CUSTOMER <- Customer, SR.NO <- Pos",
       "Glass sizes: 3 (0 pieces)"},
      {{kSheetJob, "--glass", "%order.csv", "--map", "L1="}, 1, "name them with --map",
       "Glass sizes: 4 (17 pieces)"},
      {{kSheetJob, "--stock", "%order.csv", "--unit", "IN"}, 0, "(lengths in IN)",
       "Stock sizes: 4"},
      // clang-format on
  };
  for (const ImportCase& c : cases) ExpectImport(c);
}

// Flaws onto a job's sheets, and a new job of a challenge instance with everything it gives.
TEST_F(OutputsTest, ImportPutsFlawsOnSheetsAndMakesJobsOfChallengeInstances) {
  folder_.Write("flaws.csv", "Plate;X;Y;W;H\r\n3;10;20;2;2\r\n9;1;1;1;1\r\n");
  folder_.Write("global_param.csv",
                "NAME;VALUE\nnPlates;3\nwidthPlates;6000\nheightPlates;3210\nmin1Cut;100\n"
                "max1Cut;3500\nmin2Cut;100\nminWaste;20\n");
  folder_.Write("T_batch.csv",
                "ITEM_ID;LENGTH_ITEM;WIDTH_ITEM;STACK;SEQUENCE\n0;500;400;0;2\n"
                "1;300;200;0;1\n2;100;100;1;1\n");
  folder_.Write("T_defects.csv", "DEFECT_ID;PLATE_ID;X;Y;WIDTH;HEIGHT\n0;2;10.5;20;3;4\n");
  const ImportCase cases[] = {
      // clang-format off
      {{"=jobs/line_job.opt", "--flaws", "%flaws.csv"}, 0,
       "Line 3: the stock list has no sheet 9 - line left out",
       "sheets in order; 3 flaws, 2 glass rows in 1 stacks"},
      {{"%new.opt", "--challenge", "%T"}, 0,
       "3 sheets with 1 flaws, 3 pieces and the rules of the cutting line imported",
       "Cutting line: stages 3 TRIM, first cut VERTICAL, strips 100-3500, rows from 100, waste "
       "from 20, sheets in order; 1 flaws, 3 glass rows in 2 stacks"},
      {{"%new.opt", "--challenge", "%T"}, 1, "new.opt exists; --replace writes over it", ""},
      {{"%other.opt", "--challenge", "%U"}, 1, "Could not read", ""},
      {{"%new.opt", "--challenge", "%T", "--glass", "%flaws.csv"}, 1, "usage: import", ""},
      // clang-format on
  };
  for (const ImportCase& c : cases) ExpectImport(c);
  // The flaw of plate 2 widened to whole millimetres; piece 0 second in stack 0.
  EXPECT_THAT(Section("new.opt", kLineTable),
              ::testing::StartsWith("\"CUTTING LINE\",\"3 TRIM\",\"VERTICAL\",\"100\",\"3500\","
                                    "\"100\",\"20\",\"0\",\"-1\"\r\n\"FLAW\",\"1\",\"3\",\"10\","
                                    "\"20\",\"4\",\"4\"\r\n\"STACK\",\"1\",\"0\",\"2\"\r\n"));

  // Only the line's search plans the new job; its result is written as a cutting tree.
  const auto standard = Run({"optimize", "%new.opt"});
  EXPECT_NE(standard.exit_code, 0);
  EXPECT_THAT(standard.out, HasSubstr("it needs Deep Optimization (Shift+F5)"));
  const auto deep = Run({"optimize", "%new.opt", "--engine", "deep", "--budget", "1000"});
  EXPECT_EQ(deep.exit_code, 0) << deep.out << deep.err;
  const auto tree = Run({"export", "%new.opt", "-o", "%tree.csv", "--what", "cutting-tree"});
  EXPECT_EQ(tree.exit_code, 0) << tree.err;
  EXPECT_THAT(folder_.Read("tree.csv"),
              ::testing::StartsWith("PLATE_ID;NODE_ID;X;Y;WIDTH;HEIGHT;TYPE;CUT;PARENT"));
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

TEST_F(OutputsTest, ExportWritesNumbersAsNumbersInAWorkbookOrCsv) {
  const struct {
    std::vector<std::string> args;
    std::string file;
    int exit_code;
    std::string expected;  // the workbook's sheets, the CSV's start, or the message
  } cases[] = {
      // clang-format off
      {{}, "all.xlsx", 0,
       "Glass Size Specifications 5 int 1810 ChL1 (IN)\nSheet Specifications 3 int 2250 None\n"
       "Layouts 4 int 3210 Sheet Area(m\xC2\xB2)\nGlass Sizes 5 int 1810 Area(m\xC2\xB2)\n"
       "Weights 4 int 2 None\nBalances 16 int 802 None\n"},
      {{"--what", "report", "--unit", "IN"}, "report.xlsx", 0,
       "Layouts 4 str 126 3/8 Sheet Area(ft\xC2\xB2)\nGlass Sizes 5 str 71 1/4 Area(ft\xC2\xB2)\n"},
      {{"--what", "cuts"}, "cuts.xlsx", 0, "Cuts 22 int 1 Length(MM)\n"},
      {{"--what", "balances"}, "balances.csv", 0, "\xEF\xBB\xBFLAYOUT,L1,L2,QTY,TAG\r\n1,"},
      {{"--what", "cuts,labels"}, "x.csv", 1, "--what takes glass, stock, report, balances, cuts"},
      // clang-format on
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    std::vector<std::string> args = {"export", kSheetJob, "-o", "%" + c.file};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const auto result = Run(args);
    ASSERT_EQ(result.exit_code, c.exit_code) << result.err;
    if (c.exit_code != 0) {
      EXPECT_THAT(result.err, HasSubstr(c.expected));
    } else if (c.file.ends_with(".xlsx")) {
      EXPECT_EQ(ReadWorkbook(folder_.File(c.file)), c.expected);
    } else {
      EXPECT_EQ(folder_.Read(c.file).substr(0, c.expected.size()), c.expected);
    }
  }
}

}  // namespace
}  // namespace lumora
