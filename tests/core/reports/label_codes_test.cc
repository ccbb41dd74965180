#include "core/reports/label_codes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumora {
namespace {

TEST(LabelCodesTest, SettingsReadWithinBoundsAndWriteBack) {
  struct Case {
    std::string bytes;
    LabelCodeSettings settings;
  };
  const std::vector<Case> cases = {
      {"", {false, LabelCode::kNone}},
      {"1\r\n2\r\n", {true, LabelCode::kQr}},
      {"0\r\n1\r\n", {false, LabelCode::kCode128}},
      {"-1\r\n3\r\n", {true, LabelCode::kNone}},
      {"x\r\n1.5\r\n", {false, LabelCode::kNone}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReadLabelCodeSettings(c.bytes), c.settings) << c.bytes;
    EXPECT_EQ(ReadLabelCodeSettings(LabelCodeSettingsBytes(c.settings)), c.settings) << c.bytes;
  }
}

}  // namespace
}  // namespace lumora
