#include "core/reports/text_charset.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

TEST(TextInCharset, ANoBreakSpaceTakesTheCharsetsOwnForm) {
  const struct {
    std::string charset;
    std::string expected;
  } cases[] = {
      {"UTF-8", "L1\xC2\xA0(IN) \xC2\xB0"},
      {"ISO-8859-1", "L1\xA0(IN) \xB0"},
      {"KOI8-R", "L1\x9A(IN) \x9C"},
      {"ANSI_X3.4-1968", "L1 (IN) ?"},
      {"NO-SUCH-SET", "L1\xC2\xA0(IN) \xC2\xB0"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TextInCharset("L1\xA0(IN) \xB0", c.charset), c.expected) << c.charset;
  }
}

}  // namespace
}  // namespace lumora
