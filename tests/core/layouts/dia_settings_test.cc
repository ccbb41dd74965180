#include "core/layouts/dia_settings.h"

#include <gtest/gtest.h>

#include <string>

#include "core/base/field_reader.h"
#include "core/base/file_routines.h"
#include "core/job/job_sections.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

using testing::TempFolder;

TEST(DiaSettingsTest, TheDefaultFileReadsAndWritesBackByteForByte) {
  const std::string bytes =
      ReadFileBytes(std::string(LUMORA_SOURCE_DATA_DIR) + "/defaults/dia.set", kJobFileLimit)
          .value_or("");
  ASSERT_FALSE(bytes.empty());
  const DiaSettings settings = ReadDiaSettings(bytes);
  EXPECT_TRUE(settings.On(DiaFlag::kBasicDetailsList));
  EXPECT_FALSE(settings.On(DiaFlag::kMarginDimensions));
  EXPECT_TRUE(settings.On(DiaFlag::kBalanceList));
  EXPECT_EQ(settings.line_width, 1);
  EXPECT_EQ(DiaSettingsBytes(settings), bytes);
}

TEST(DiaSettingsTest, WritesTwelveLinesInIndexOrder) {
  for (int index = 0; index < kDiaFlagCount; ++index) {
    DiaSettings settings;
    settings.Set(static_cast<DiaFlag>(index), true);
    settings.line_width = 4;
    const std::string bytes = DiaSettingsBytes(settings);
    EXPECT_EQ(CountLines(bytes), 12);
    std::string expected;
    for (int line = 0; line < kDiaFlagCount; ++line) expected += line == index ? "1\r\n" : "0\r\n";
    EXPECT_EQ(bytes, expected + "4\r\n");
    EXPECT_EQ(ReadDiaSettings(bytes), settings);
  }
}

TEST(DiaSettingsTest, DamagedFilesReadWithinBounds) {
  EXPECT_EQ(ReadDiaSettings(""), DiaSettings{});
  EXPECT_EQ(ReadDiaSettings("1\r\n1\r\n").line_width, 1);
  EXPECT_TRUE(ReadDiaSettings("-1\r\n").On(DiaFlag::kBasicDetailsList));
  EXPECT_FALSE(ReadDiaSettings("x\r\n").On(DiaFlag::kBasicDetailsList));
  std::string eleven;
  for (int line = 0; line < kDiaFlagCount; ++line) eleven += "0\r\n";
  for (const auto& [last, width] : {std::pair{"9", 5}, {"-3", 1}, {"\"3\",junk", 3}}) {
    EXPECT_EQ(ReadDiaSettings(eleven + last + "\r\n").line_width, width) << last;
  }
}

TEST(DiaSettingsTest, WithoutTheFileThePreviousSettingsStay) {
  const TempFolder folder;
  const Workspace workspace{folder.path(), "1.5"};
  DiaSettings previous;
  previous.Set(DiaFlag::kGlassColor, true);
  EXPECT_FALSE(HasDiaSettings(workspace));
  EXPECT_EQ(LoadDiaSettings(workspace, previous), previous);
  DiaSettings saved;
  saved.Set(DiaFlag::kSheetDimensions, true);
  saved.line_width = 2;
  ASSERT_EQ(SaveDiaSettings(workspace, saved), std::nullopt);
  EXPECT_TRUE(HasDiaSettings(workspace));
  EXPECT_EQ(LoadDiaSettings(workspace, previous), saved);
  EXPECT_EQ(folder.Read("dia.set"), DiaSettingsBytes(saved));
}

}  // namespace
}  // namespace lumora
