#include "core/cuts/cut_settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace lumora {
namespace {

using testing::TempFolder;

TEST(CutSettingsTest, AnythingButANonZeroNumberIsOffAndSavedSettingsLoadBack) {
  const std::vector<std::pair<std::string, bool>> cases = {
      {"", false},  {"0\r\n", false}, {"1\r\n", true},
      {"-1", true}, {"x\r\n", false}, {"\"1\",junk\r\n", true}};
  for (const auto& [bytes, on] : cases) {
    EXPECT_EQ(ReadCutSettings(bytes).cut_order, on) << bytes;
    EXPECT_EQ(ReadCutSettings(CutSettingsBytes(ReadCutSettings(bytes))).cut_order, on) << bytes;
  }
  const TempFolder folder;
  const Workspace workspace{folder.path(), "1.5"};
  EXPECT_EQ(LoadCutSettings(workspace), CutSettings{});
  ASSERT_EQ(SaveCutSettings(workspace, CutSettings{true}), std::nullopt);
  EXPECT_TRUE(LoadCutSettings(workspace).cut_order);
}

}  // namespace
}  // namespace lumora
