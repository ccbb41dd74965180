#include "core/shell/command_line.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

TEST(CommandLineJobFileTest, TakesTheNameAsGivenOrWithoutItsQuotes) {
  EXPECT_EQ(CommandLineJobFile({}), "");
  EXPECT_EQ(CommandLineJobFile({"/jobs/a.opt"}), "/jobs/a.opt");
  EXPECT_EQ(CommandLineJobFile({"\"/jobs/my job.opt\""}), "/jobs/my job.opt");
  // The shell split an unquoted name with a blank into two words.
  EXPECT_EQ(CommandLineJobFile({"/jobs/my", "job.opt"}), "/jobs/my job.opt");
  EXPECT_EQ(CommandLineJobFile({"\"/jobs/my", "job.opt\""}), "/jobs/my job.opt");
}

TEST(CommandLineJobFileTest, SurvivesStrayQuotes) {
  EXPECT_EQ(CommandLineJobFile({"\""}), "");
  EXPECT_EQ(CommandLineJobFile({"\"\""}), "");
  EXPECT_EQ(CommandLineJobFile({"\"/jobs/a.opt"}), "/jobs/a.opt");
  // A quote inside a name is part of it.
  EXPECT_EQ(CommandLineJobFile({"/jobs/a\"b.opt"}), "/jobs/a\"b.opt");
}

}  // namespace
}  // namespace lumora
