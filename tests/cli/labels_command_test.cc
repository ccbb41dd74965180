#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/pdf_info.h"
#include "support/run_process.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using testing::PdfPages;
using testing::PdfText;
using testing::RunProcess;
using testing::TempFolder;

// Ten pieces; their labels are in tests/data/reports/coil_mm/lbl.tlf.
const std::string kTenPieces = std::string(LUMORA_TEST_DATA_DIR) + "/reports/coil_job.sdr";

class LabelsCommandTest : public ::testing::Test {
 protected:
  testing::ProcessResult Run(std::vector<std::string> args) {
    args.insert(args.end(), {"--data-dir", folder_.File("data")});
    return RunProcess(LUMORA_CLI_PATH, args);
  }

  TempFolder folder_;
};

TEST_F(LabelsCommandTest, PrintsTheLabelsToAPdfPageByPage) {
  std::filesystem::create_directories(folder_.File("data"));
  folder_.Write("data/lbl.def", "\"2\",\"3\",\"1\",\"30\",\"2\",\"1\"\r\n");
  const std::string pdf = folder_.File("labels.pdf");
  const auto result = Run({"labels", kTenPieces, "--pdf", pdf, "-o", folder_.File("lbl.tlf")});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(result.err, "");
  EXPECT_TRUE(folder_.Read("labels.pdf").starts_with("%PDF-"));
  // Rows of 3, 3 | 3, 1 labels: the page breaks before the third row.
  EXPECT_EQ(PdfPages(pdf), 2);
  const std::string label_text = folder_.Read("lbl.tlf");
  EXPECT_EQ(std::count(label_text.begin(), label_text.end(), '*'), 1);
  const std::string text = PdfText(pdf);
  EXPECT_THAT(text, HasSubstr("CUSTOMER :ACME GLAZING"));
  const size_t second_page = text.find('\f');
  ASSERT_NE(second_page, std::string::npos);
  EXPECT_THAT(text.substr(0, second_page), Not(HasSubstr("/10")));
}

TEST_F(LabelsCommandTest, APageLongerThanThePaperGoesOnOnTheNextSheet) {
  std::filesystem::create_directories(folder_.File("data"));
  // One row of ten labels, one under the other: 110 lines, more than an A4 sheet holds in 8 points.
  folder_.Write("data/lbl.def", "\"1\",\"1\",\"1\",\"40\",\"0\",\"0\"\r\n");
  const std::string pdf = folder_.File("long.pdf");
  ASSERT_EQ(Run({"labels", kTenPieces, "--pdf", pdf}).exit_code, 0);
  EXPECT_EQ(PdfPages(pdf), 10);
  folder_.Write("data/lbl.def", "\"10\",\"1\",\"1\",\"40\",\"0\",\"0\"\r\n");
  ASSERT_EQ(Run({"labels", kTenPieces, "--pdf", pdf}).exit_code, 0);
  EXPECT_EQ(PdfPages(pdf), 2);
}

TEST_F(LabelsCommandTest, NoResultNoPdf) {
  const std::string pdf = folder_.File("x.pdf");
  const auto result =
      Run({"labels", std::string(LUMORA_SOURCE_DATA_DIR) + "/examples/small.opt", "--pdf", pdf});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(result.err, "lumora-cli: This file was not optimized.\n");
  EXPECT_FALSE(std::filesystem::exists(pdf));
  EXPECT_EQ(Run({"labels", kTenPieces, "--pdf"}).exit_code, 1);
}

// With lblcode.set the printed labels carry their layout and position and a code that scans
// back to the job, layout, size, customer and SR.NO; lbl.tlf stays as it was.
TEST_F(LabelsCommandTest, CodesOnThePrintedLabelsScanBack) {
  const std::string job = std::string(LUMORA_TEST_DATA_DIR) + "/reports/sheet_job.opt";
  struct Case {
    std::string codes;  // lblcode.set
    std::string dpi;    // enough for the code's narrowest bar
    bool position;
  };
  const std::vector<Case> cases = {{"0\r\n2\r\n", "150", false}, {"1\r\n1\r\n", "600", true}};
  std::filesystem::create_directories(folder_.File("data"));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.codes);
    folder_.Write("data/lblcode.set", c.codes);
    const std::string pdf = folder_.File("coded.pdf");
    const auto result = Run({"labels", job, "--pdf", pdf, "-o", folder_.File("lbl.tlf")});
    ASSERT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(folder_.Read("lbl.tlf"), testing::TestDataBytes("reports/sheet_mm/lbl.tlf"));
    // pdftotext closes up the two blanks before "POS".
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

}  // namespace
}  // namespace lumora
