#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "core/job/job_sections.h"
#include "support/run_process.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

using ::testing::HasSubstr;
using testing::RunProcess;
using testing::TempFolder;

constexpr std::string_view kJob =
    "[BASIC.TLF]\r\n\"FLOAT\",\"\",\"5\",\"3000\",\"\",\"4\",\"\",\"1\",\"0\",\"\",\"\"\r\n[END]"
    "\r\n"
    "[OPTIONS.TLF]\r\n-1,0\r\n[END]\r\n[SHEET.TLF]\r\n\"1\",\"1\",\"\",\"\",\"1\",\"\",\"\",\"\","
    "\"\","
    "\"\"\r\n[END]\r\n[CUT.TLF]\r\n[END]\r\n[DIA.TLF]\r\n[END]\r\n";

class LibraryCommandTest : public ::testing::Test {
 protected:
  testing::ProcessResult Run(std::vector<std::string> args) {
    args.insert(args.end(), {"--data-dir", folder_.File("data")});
    return RunProcess(LUMORA_CLI_PATH, args);
  }
  std::string Data(std::string_view name) const {
    return folder_.Read("data/" + std::string(name));
  }
  void WriteData(std::string_view name, std::string_view bytes) {
    std::filesystem::create_directories(folder_.File("data"));
    folder_.Write("data/" + std::string(name), bytes);
  }

  TempFolder folder_;
};

TEST_F(LibraryCommandTest, MergeRemovesDuplicates) {
  WriteData("mlm.dat",
            "\"FLOAT\",\"\",\"5\",\"2440\",\"1830\",\"10\",\"12\"\r\n"
            "\"FLOAT\",\"\",\"5\",\"2440\",\"1830\",\"-4\",\"12\"\r\n");
  const auto result = Run({"library", "merge"});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(Data("mlm.dat"), "\"FLOAT\",\"\",\"5\",\"2440\",\"1830\",\"6\",\"12\"\r\n");
  EXPECT_THAT(result.out, HasSubstr("2 record(s), 1 after merging"));
}

TEST_F(LibraryCommandTest, ImportFillsTheJobsSheetsFromTheLibrary) {
  WriteData("mlm.dat",
            "\"FLOAT\",\"\",\"5\",\"2440\",\"1830\",\"10\",\"12\"\r\n"
            "\"FLOAT\",\"\",\"5\",\"600\",\"400\",\"1\",\"SCRAP\"\r\n");
  const std::string job = folder_.Write("job.opt", kJob);
  const auto result = Run({"library", "import", job});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(result.out, "notice: 1 size(s) imported from MLM -> OK\n");
  EXPECT_EQ(SplitJobFile(folder_.Read("job.opt"))[kSheetTable],
            "\"2440\",\"1830\",\"96 1/16\",\"72 1/16\",\"10\",\"\",\"\",\"\",\"\",\"12\"\r\n");

  WriteData("mlm.dat", "\"TINTED\",\"\",\"5\",\"2440\",\"1830\",\"10\",\"12\"\r\n");
  const auto missing = Run({"library", "import", job});
  EXPECT_EQ(missing.exit_code, 2);
  EXPECT_THAT(missing.err, HasSubstr("no stock of item 'FLOAT'"));
  EXPECT_THAT(missing.out, HasSubstr("Material specified was not found in stock."));
  EXPECT_THAT(folder_.Read("job.opt"), HasSubstr("\"2440\",\"1830\",\"96 1/16\""));
}

TEST_F(LibraryCommandTest, ProductsLoadWritesOneJobPerMaterial) {
  WriteData("plm.dat",
            "\"TOP\",\"\",\"FLOAT\",\"\",\"6\",\"1200\",\"800\",\"1\"\r\n"
            "\"DOOR\",\"\",\"FLOAT\",\"\",\"6\",\"2000\",\"700\",\"2\"\r\n"
            "\"DOOR\",\"\",\"TINT\",\"\",\"4\",\"600\",\"500\",\"1\"\r\n");
  const std::string orders =
      folder_.Write("orders.tlf", "\"TOP\",\"2\",\"ACME\"\r\n\"DOOR\",\"1\",\"\"\r\n");
  const std::string base = folder_.File("ORD");
  const auto result = Run({"products", "load", orders, "--base", base});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(result.out, "notice: 2 '" + base + "' file(s) starting from " + base +
                            "[MAT=FLOAT,GRADE=,THICK=6].OPT generated. -> OK\n" + base +
                            "[MAT=FLOAT,GRADE=,THICK=6].OPT\n" + base +
                            "[MAT=TINT,GRADE=,THICK=4].OPT\n");
  const JobTables tables = SplitJobFile(folder_.Read("ORD[MAT=FLOAT,GRADE=,THICK=6].OPT"));
  EXPECT_EQ(tables[kBasicTable].substr(0, 18), "\"FLOAT\",\"\",\"6\",\"\",");
  EXPECT_THAT(tables[kCutTable], HasSubstr("\"1200\",\"800\",\"\",\"\",\"2\""));
  EXPECT_THAT(tables[kCutTable], HasSubstr("\"2000\",\"700\",\"\",\"\",\"2\""));

  const auto nothing = RunProcess(LUMORA_CLI_PATH, {"products", "load", orders, "--base", base,
                                                    "--data-dir", folder_.File("empty")});
  EXPECT_EQ(nothing.exit_code, 2);
  EXPECT_THAT(nothing.out, HasSubstr("Could not generate '" + base + "' files."));
  EXPECT_EQ(Run({"products", "load", orders}).exit_code, 1);
}

}  // namespace
}  // namespace lumora
