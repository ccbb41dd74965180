#include "core/deep/deep_settings_file.h"

#include <gtest/gtest.h>

#include "core/tables/file_routines.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

TEST(DeepSettingsFile, ReadsAUsableTimeLimitOrTheDefaultAndKeepsWhatWasWritten) {
  struct Case {
    const char* bytes;  // nullptr: no file
    double seconds;
  };
  for (const Case& c :
       {Case{nullptr, 30}, Case{"\"45\"\r\n", 45}, Case{"\"12.6\"\r\n", 13},
        Case{"\"abc\"\r\n", 30}, Case{"\"0\"\r\n", 30}, Case{"\"1e9\"\r\n", 30}, Case{"", 30}}) {
    SCOPED_TRACE(c.bytes ? c.bytes : "no file");
    testing::TempFolder folder;
    const Workspace workspace{folder.path(), "1.5"};
    if (c.bytes) {
      ASSERT_FALSE(WriteFileAtomically(workspace.SettingsFile("deep.set"), c.bytes));
    }
    EXPECT_EQ(ReadDeepSeconds(workspace), c.seconds);
    ASSERT_FALSE(WriteDeepSeconds(workspace, 120));
    EXPECT_EQ(ReadFileBytes(workspace.SettingsFile("deep.set")), "\"120\"\r\n");
    EXPECT_EQ(ReadDeepSeconds(workspace), 120);
  }
}

}  // namespace
}  // namespace lumora
