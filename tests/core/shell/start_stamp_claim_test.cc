#include "core/shell/start_stamp_claim.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "core/shell/crashed_runs.h"
#include "core/shell/workspace.h"
#include "core/tables/file_routines.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

using testing::TempFolder;

TEST(StartStampClaim, TheMomentsStampUnlessTheFolderAlreadyCarriesIt) {
  TempFolder folder;
  folder.Write("misc.set", "x");
  folder.Write("Defaults", "x");
  EXPECT_EQ(ClaimStartStamp(folder.path(), 4512345), "45123.45");
  EXPECT_TRUE(FileExists(folder.File("45123.45run.lst")));
  EXPECT_EQ(folder.Read("45123.45run.lst"), ClaimRecord());
  // A second process in the same centisecond passes on to the next one.
  EXPECT_EQ(ClaimStartStamp(folder.path(), 4512345), "45123.46");

  // A crashed run's working files keep their stamp taken, claim or no claim; stamps that merely
  // begin like one in use are free.
  folder.Write("4512.3sheet.tlf", "crashed");
  folder.Write("4512.31dia.tlf", "crashed");
  folder.Write("4513.5dia.tlf", "other");
  EXPECT_EQ(ClaimStartStamp(folder.path(), 451230), "4512.32");
  EXPECT_EQ(ClaimStartStamp(folder.path(), 451300), "4513");
  EXPECT_EQ(folder.Read("4512.3sheet.tlf"), "crashed");

  // Exit removes the claim with the other working files.
  folder.Write("4513cut.tlf", "mine");
  Workspace{folder.path(), "4513"}.RemoveWorkingFiles();
  EXPECT_FALSE(FileExists(folder.File("4513run.lst")));
  EXPECT_FALSE(FileExists(folder.File("4513cut.tlf")));
  EXPECT_TRUE(FileExists(folder.File("4513.5dia.tlf")));
}

TEST(StartStampClaim, AStartRemovesTheWorkingFilesOfRunsWhoseClaimerIsGone) {
  const pid_t child = fork();
  if (child == 0) _exit(0);
  ASSERT_GT(child, 0);
  waitpid(child, nullptr, 0);
  std::istringstream mine(ClaimRecord());
  std::string pid, ticks, host;
  mine >> pid >> ticks >> host;
  const std::string dead = std::to_string(child);
  const struct {
    std::string record;
    bool removed;
  } cases[] = {
      {ClaimRecord(), false},
      {dead + " 0 " + host + "\n", true},
      {pid + " 1" + ticks + " " + host, true},  // the id runs again, started later
      {dead + " 0 another-host\n", false},
      {"", false},
      {"\xff 12 \"\n", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.record);
    TempFolder folder;
    folder.Write("100run.lst", c.record);
    folder.Write("100dia.tlf", "left");
    folder.Write("100.5dia.tlf", "another run");
    ClaimStartStamp(folder.path(), 20000);
    EXPECT_EQ(FileExists(folder.File("100dia.tlf")), !c.removed);
    EXPECT_EQ(FileExists(folder.File("100run.lst")), !c.removed);
    EXPECT_TRUE(FileExists(folder.File("100.5dia.tlf")));
  }
}

TEST(StartStampClaim, WrapsAtMidnightAndEveryCentisecondHasItsOwnStamp) {
  TempFolder folder;
  folder.Write("86399.99dia.tlf", "x");
  EXPECT_EQ(ClaimStartStamp(folder.path(), 8639999), "0");
  // A leap second's moment counts from midnight again.
  EXPECT_EQ(ClaimStartStamp(folder.path(), 8640005), "0.05");

  // Single precision still tells the last centiseconds of the day apart.
  std::set<std::string> stamps;
  for (int moment = 8630000; moment < 8640000; ++moment) stamps.insert(StartStampAt(moment));
  EXPECT_EQ(stamps.size(), size_t{10000});
  EXPECT_EQ(StartStampAt(8639999), "86399.99");
}

TEST(StartStampClaim, RunsStartingTogetherNeverShareAStamp) {
  TempFolder folder;
  constexpr int kRuns = 16;
  std::vector<std::string> claimed(kRuns);
  {
    std::vector<std::jthread> runs;
    for (int i = 0; i < kRuns; ++i) {
      runs.emplace_back(
          [&folder, &claimed, i] { claimed[i] = ClaimStartStamp(folder.path(), 100); });
    }
  }
  const std::set<std::string> distinct(claimed.begin(), claimed.end());
  EXPECT_EQ(distinct.size(), size_t{kRuns});
  for (const std::string& stamp : claimed) {
    EXPECT_TRUE(FileExists(folder.File(stamp + "run.lst"))) << stamp;
  }
}

TEST(StartStampClaim, AFolderThatTakesNoFileGivesTheMomentsStamp) {
  TempFolder folder;
  EXPECT_EQ(ClaimStartStamp(folder.File("missing"), 4512345), "45123.45");
  EXPECT_FALSE(FileExists(folder.File("missing")));
}

}  // namespace
}  // namespace lumora
