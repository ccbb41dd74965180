#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "support/pdf_info.h"
#include "support/run_process.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

using ::testing::HasSubstr;
using testing::PdfPages;
using testing::RunProcess;
using testing::TempFolder;

uint32_t BigEndian(const std::string& bytes, size_t at) {
  uint32_t value = 0;
  for (size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

class RenderCommandTest : public ::testing::Test {
 protected:
  testing::ProcessResult Run(std::vector<std::string> args) {
    args.insert(args.end(), {"--data-dir", folder_.File("data")});
    return RunProcess(LUMORA_CLI_PATH, args);
  }

  // Copies an example job into the folder, optimizes it once and answers its layout count.
  int Optimized(const std::string& name) {
    std::filesystem::copy_file(std::string(LUMORA_SOURCE_DATA_DIR) + "/examples/" + name,
                               folder_.File(name));
    const auto result = Run({"optimize", folder_.File(name), "--eff", "1", "--quiet"});
    EXPECT_EQ(result.exit_code, 0) << result.err;
    std::smatch match;
    const std::regex count("Total Layouts = ([0-9]+)");
    return std::regex_search(result.out, match, count) ? std::stoi(match[1]) : 0;
  }

  TempFolder folder_;
};

// Every example job renders as a PNG of the view, an SVG, and a PDF with one page per layout.
TEST_F(RenderCommandTest, RendersTheExampleJobs) {
  // A PNG has the shape of its layout with a border of an eighth of the larger side: small's
  // last layout, a 2440 x 1830 sheet, is 1600 x 1280; the coil's last, a short length of the
  // 1520 coil, is taller than wide.
  const std::map<std::string, uint32_t> heights = {
      {"small.opt", 1280}, {"medium.opt", 1280}, {"large.opt", 1126}, {"coil.sdr", 1283}};
  for (const auto& [name, height] : heights) {
    SCOPED_TRACE(name);
    const int layouts = Optimized(name);
    ASSERT_GT(layouts, 0);
    const std::string job = folder_.File(name);

    const auto png = Run(
        {"render", job, "--layout", std::to_string(layouts), "-o", folder_.File(name + ".png")});
    ASSERT_EQ(png.exit_code, 0) << png.err;
    EXPECT_EQ(png.err, "");
    const std::string image = folder_.Read(name + ".png");
    ASSERT_GT(image.size(), 24u);
    EXPECT_EQ(image.substr(0, 8), "\x89PNG\r\n\x1a\n");
    EXPECT_EQ(image.substr(12, 4), "IHDR");
    EXPECT_EQ(BigEndian(image, 16), 1600u);
    EXPECT_EQ(BigEndian(image, 20), height);

    const auto pdf =
        Run({"render", job, "--all", "--unit", "IN", "-o", folder_.File(name + ".pdf")});
    ASSERT_EQ(pdf.exit_code, 0) << pdf.err;
    const std::string document = folder_.Read(name + ".pdf");
    EXPECT_TRUE(document.starts_with("%PDF-"));
    EXPECT_EQ(PdfPages(folder_.File(name + ".pdf")), layouts);
  }
  const auto one =
      Run({"render", folder_.File("small.opt"), "--layout", "2", "-o", folder_.File("one.pdf")});
  ASSERT_EQ(one.exit_code, 0) << one.err;
  EXPECT_EQ(PdfPages(folder_.File("one.pdf")), 1);

  const auto svg =
      Run({"render", folder_.File("coil.sdr"), "--width", "400", "-o", folder_.File("coil.svg")});
  ASSERT_EQ(svg.exit_code, 0) << svg.err;
  EXPECT_THAT(folder_.Read("coil.svg"), HasSubstr("<svg"));
  EXPECT_THAT(folder_.Read("coil.svg"), HasSubstr("width=\"400\""));

  const auto dxf =
      Run({"render", folder_.File("small.opt"), "--all", "-o", folder_.File("small.dxf")});
  ASSERT_EQ(dxf.exit_code, 0) << dxf.err;
  EXPECT_THAT(folder_.Read("small.dxf"), HasSubstr("\nLAYOUT 1\n"));
}

TEST_F(RenderCommandTest, RefusesWhatItCannotDraw) {
  const std::string job = std::string(LUMORA_TEST_DATA_DIR) + "/reports/sheet_job.opt";
  const auto no_layout = Run({"render", job, "--layout", "4", "-o", folder_.File("x.png")});
  EXPECT_EQ(no_layout.exit_code, 1);
  EXPECT_EQ(no_layout.err, "lumora-cli: there is no layout 4: the result has 3\n");
  const auto all_png = Run({"render", job, "--all", "-o", folder_.File("x.png")});
  EXPECT_EQ(all_png.exit_code, 1);
  EXPECT_THAT(all_png.err, HasSubstr("needs a .pdf file"));
  const auto one_dxf = Run({"render", job, "--layout", "2", "-o", folder_.File("x.dxf")});
  EXPECT_EQ(one_dxf.err, "lumora-cli: a .dxf file holds every layout: use --all\n");
  EXPECT_EQ(Run({"render", job, "-o", folder_.File("x.bmp")}).exit_code, 1);
  EXPECT_EQ(Run({"render", job}).exit_code, 1);
  const auto not_optimized =
      Run({"render", std::string(LUMORA_SOURCE_DATA_DIR) + "/examples/small.opt", "-o",
           folder_.File("x.png")});
  EXPECT_EQ(not_optimized.err, "lumora-cli: This file was not optimized.\n");
  EXPECT_FALSE(std::filesystem::exists(folder_.File("x.png")));
}

}  // namespace
}  // namespace lumora
