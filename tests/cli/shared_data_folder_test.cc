#include <filesystem>
#include <string>
#include <vector>

#include "cli/cli_fixture.h"
#include "core/base/file_routines.h"
#include "core/base/workspace.h"
#include "core/shell/data_folder.h"
#include "support/folder_snapshot.h"

namespace lumora {
namespace {

using testing::FolderChanges;
using ::testing::IsEmpty;
using testing::SnapshotFolder;
using testing::TestDataBytes;

constexpr int kCentisecondsPerDay = 24 * 3600 * 100;

class SharedDataFolderTest : public testing::CliTest {};

// A desktop holds a full set of working files under the stamp of this very moment, and every
// stamp of the next half minute is held by some other run, so each command starts on a stamp that
// is already in use: none of them may write, read or remove a file of another stamp. What they
// make there (the optimized job, its report and its labels) is what they make in a clean folder.
TEST_F(SharedDataFolderTest, CommandsBesideALiveDesktopLeaveItsWorkingFilesAlone) {
  const int now = CentisecondsSinceMidnightNow();
  for (const char* data : {"data", "clean"}) ASSERT_FALSE(SeedDataFolder(folder_.File(data)));
  const Workspace desktop{folder_.File("data"), StartStampAt(now)};
  for (const char* name :
       {"basic.tlf", "options.tlf", "sheet.tlf", "cut.tlf", "dia.tlf", "tmp.tlf", "s.tlf", "c.tlf",
        "report.tlf", "offcut.tlf", "sheets.Adj", "lbl.tlf", "edit.tmp", "addnew.lst", "run.lst"}) {
    ASSERT_FALSE(WriteFileAtomically(desktop.WorkingFile(name), std::string("desktop ") + name));
  }
  for (int moment = now + 1; moment <= now + 3000; ++moment) {
    folder_.Write("data/" + StartStampAt(moment % kCentisecondsPerDay) + "dia.tlf",
                  "\"-1\",\"damaged");
  }
  const auto before = SnapshotFolder(folder_.File("data"));
  for (const std::string name : {"data", "clean"}) {
    const std::string out = "%" + name + ".opt";
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"optimize", "=examples/small.opt", "-o", out},
                                               {"report", out, "--out-dir", "%" + name + ".report"},
                                               {"labels", out, "-o", "%" + name + ".lbl"}}) {
      const auto result = Run(args, name);
      EXPECT_EQ(result.exit_code, 0) << args[0] << ": " << result.err;
    }
  }
  EXPECT_THAT(FolderChanges(before, SnapshotFolder(folder_.File("data"))), IsEmpty());
  for (const std::string suffix :
       {".opt", ".report/report.tlf", ".report/offcut.tlf", ".report/sheets.Adj", ".lbl"}) {
    EXPECT_EQ(folder_.Read("data" + suffix), folder_.Read("clean" + suffix)) << suffix;
  }
  EXPECT_EQ(SplitJobFile(folder_.Read("data.opt"))[kDiaTable],
            TestDataBytes("engine2d/runs/small_yield.tlf"));
}

}  // namespace
}  // namespace lumora
