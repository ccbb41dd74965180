#include "core/job/job_sections.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

TEST(JobSections, SplitAndJoinByPosition) {
  const std::string job =
      "[BASIC.TLF]\r\n\"A\"\r\n[END]\r\n[X]\r\n-1,0\r\n[END]\r\n[SHEET.TLF]\r\n[END]\r\n"
      "[CUT.TLF]\r\n[NOT END]\r\n\"1\"\n[END]\r\n[DIA.TLF]\r\n[END]\r\n";
  const JobTables tables = SplitJobFile(job);
  EXPECT_EQ(tables[kBasicTable], "\"A\"\r\n");
  EXPECT_EQ(tables[kOptionsTable], "-1,0\r\n");
  EXPECT_EQ(tables[kSheetTable], "");
  EXPECT_EQ(tables[kCutTable], "[NOT END]\r\n\"1\"\r\n");
  EXPECT_EQ(tables[kDiaTable], "");
  std::string expected = job;
  expected.replace(expected.find("[X]"), 3, "[OPTIONS.TLF]");
  expected.replace(expected.find("\"1\"\n"), 4, "\"1\"\r\n");
  EXPECT_EQ(JoinJobFile(tables), expected);
}

TEST(JobSections, FileCutShortLeavesTheRestEmpty) {
  const JobTables tables = SplitJobFile("[BASIC.TLF]\r\n\"A\"\r\n[END]\r\n[OPTIONS.TLF]\r\n-1,0");
  EXPECT_EQ(tables[kBasicTable], "\"A\"\r\n");
  EXPECT_EQ(tables[kOptionsTable], "-1,0\r\n");
  EXPECT_EQ(tables[kSheetTable], "");
  EXPECT_EQ(tables[kDiaTable], "");
}

}  // namespace
}  // namespace lumora
