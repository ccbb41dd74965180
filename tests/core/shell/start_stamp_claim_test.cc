#include "core/shell/start_stamp_claim.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "core/base/file_routines.h"
#include "core/base/workspace.h"
#include "core/engine2d/job_run.h"
#include "core/engine2d/optimization.h"
#include "core/job/job_check.h"
#include "core/job/job_file.h"
#include "core/job/job_sections.h"
#include "core/layouts/loaded_result.h"
#include "core/reports/label_pages.h"
#include "core/reports/layouts_load.h"
#include "core/shell/crashed_runs.h"
#include "core/shell/data_folder.h"
#include "support/folder_snapshot.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

using testing::FolderChanges;
using ::testing::IsEmpty;
using testing::SnapshotFolder;
using testing::TempFolder;

TEST(StartStampClaim, TheMomentsStampUnlessTheFolderAlreadyCarriesIt) {
  TempFolder folder;
  // A folder that takes no file still gives the moment's stamp.
  EXPECT_EQ(ClaimStartStamp(folder.File("missing"), 4512345), "45123.45");
  EXPECT_FALSE(FileExists(folder.File("missing")));
  folder.Write("misc.set", "x");
  EXPECT_EQ(ClaimStartStamp(folder.path(), 4512345), "45123.45");
  EXPECT_EQ(folder.Read("45123.45run.lst"), ClaimRecord());
  // A second process in the same centisecond passes on to the next one.
  EXPECT_EQ(ClaimStartStamp(folder.path(), 4512345), "45123.46");
  // At midnight the stamp wraps; a leap second's moment counts from midnight again.
  folder.Write("86399.99dia.tlf", "x");
  EXPECT_EQ(ClaimStartStamp(folder.path(), 8639999), "0");
  EXPECT_EQ(ClaimStartStamp(folder.path(), 8640005), "0.05");
  // Single precision still tells the last centiseconds of the day apart.
  std::set<std::string> stamps;
  for (int moment = 8630000; moment < 8640000; ++moment) stamps.insert(StartStampAt(moment));
  EXPECT_EQ(stamps.size(), size_t{10000});
  EXPECT_EQ(StartStampAt(8639999), "86399.99");
  // A crashed run's working files keep their stamp taken, claim or no claim; stamps that merely
  // begin like one in use are free.
  folder.Write("4512.3sheet.tlf", "crashed");
  folder.Write("4512.31dia.tlf", "crashed");
  folder.Write("4513.5dia.tlf", "other");
  EXPECT_EQ(ClaimStartStamp(folder.path(), 451230), "4512.32");
  EXPECT_EQ(ClaimStartStamp(folder.path(), 451300), "4513");
  EXPECT_EQ(folder.Read("4512.3sheet.tlf"), "crashed");
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
  const std::pair<std::string, bool> cases[] = {
      // a claim record, whether its files go
      {ClaimRecord(), false},
      {dead + " 0 " + host + "\n", true},
      {pid + " 1" + ticks + " " + host, true},  // the id runs again, started later
      {dead + " 0 another-host\n", false},
      {"", false},
      {"\xff 12 \"\n", false}};
  for (const auto& [record, removed] : cases) {
    SCOPED_TRACE(record);
    TempFolder folder;
    folder.Write("100run.lst", record);
    folder.Write("100dia.tlf", "left");
    folder.Write("100.5dia.tlf", "another run");
    ClaimStartStamp(folder.path(), 20000);
    EXPECT_EQ(FileExists(folder.File("100dia.tlf")), !removed);
    EXPECT_EQ(FileExists(folder.File("100run.lst")), !removed);
    EXPECT_TRUE(FileExists(folder.File("100.5dia.tlf")));
  }
}

TEST(StartStampClaim, RunsStartingTogetherNeverShareAStamp) {
  TempFolder folder;
  constexpr int kRuns = 16;
  std::vector<std::string> claimed(kRuns);
  {
    std::vector<std::jthread> runs;
    for (int i = 0; i < kRuns; ++i) {
      runs.emplace_back([&, i] { claimed[i] = ClaimStartStamp(folder.path(), 100); });
    }
  }
  const std::set<std::string> distinct(claimed.begin(), claimed.end());
  EXPECT_EQ(distinct.size(), size_t{kRuns});
  for (const std::string& stamp : claimed) {
    EXPECT_TRUE(FileExists(folder.File(stamp + "run.lst"))) << stamp;
  }
}

// Every working file a run of the desktop may leave behind when it crashes.
const std::vector<std::string> kWorkingNames = {
    "basic.tlf",  "options.tlf", "sheet.tlf", "cut.tlf",  "dia.tlf",    "diaalt.tlf",
    "tmp.tlf",    "s.tlf",       "c.tlf",     "mlm.tlf",  "report.tlf", "offcut.tlf",
    "sheets.Adj", "lbl.tlf",     "edit.tlf",  "edit.tmp", "addnew.lst", "run.lst"};

// The desktop's commands on the example job in the workspace: open it, start and run the
// optimization, open the result as the Layouts window does (balance table and report), compose
// its labels and save the job; answers the status, the files they wrote and the labels.
std::vector<std::string> RunJobCommands(const Workspace& workspace, const std::string& job_file,
                                        const std::string& saved_file) {
  testing::ScriptedPrompter prompter({PromptAnswer::kYes});
  Job job = MakeJob(workspace, ProgramSettings{});
  EXPECT_TRUE(OpenJob(job, job_file, prompter));
  EXPECT_TRUE(StartOptimization(job, prompter).start);
  const OptimizationResult result = RunOptimization(EngineJobOf(job), JobRunSettings(job));
  EXPECT_EQ(result.end, OptimizationEnd::kDone) << result.message;
  EXPECT_FALSE(StoreRunResult(job, result).has_value());
  const ReportPaths paths = WorkingReportPaths(workspace);
  const LayoutsLoad layouts = LoadLayouts(job, paths);
  const ResultLoad loaded = LoadResult(job);
  EXPECT_EQ(layouts.error + loaded.error, "");
  EXPECT_TRUE(SaveJob(job, saved_file, prompter));
  std::vector<std::string> outputs = {
      layouts.view.status.yield + " " + layouts.view.status.layouts,
      ComposeWorkspaceLabels(loaded.result, workspace, ReportUnit(job)).bytes};
  for (const std::string& file :
       {paths.report, paths.balance_table, paths.sheets_used, saved_file}) {
    outputs.push_back(ReadFileBytes(file, kJobFileLimit).value_or(""));
  }
  return outputs;
}

// Stamps that begin like the current one, or that it begins like, name other runs' files; a run
// that crashed a day earlier at the same moment left files under the very stamp of now, so the
// current run takes the next free one. The run beside those crashed runs, each file of them
// damaged differently, gives what it gives in a clean folder, and exit leaves the folder as it
// was before the run.
TEST(StaleWorkingFilesTest, OtherStampsAreNeitherReadNorWrittenNorRemoved) {
  TempFolder folder;
  ASSERT_FALSE(SeedDataFolder(folder.File("data")).has_value());
  ASSERT_FALSE(SeedDataFolder(folder.File("clean")).has_value());
  const std::string job_file = folder.Write(
      "small.opt",
      ReadFileBytes(std::string(LUMORA_SOURCE_DATA_DIR) + "/examples/small.opt", kJobFileLimit)
          .value_or(""));
  for (const std::string stamp :
       {"4512", "4512.01", "4512.025", "4512.5", "45120", "451", "4511.99"}) {
    for (const std::string& name : kWorkingNames) {
      folder.Write("data/" + stamp + name, "\"-1\",\"" + stamp + name + "\r\n\"9,,\"");
    }
  }
  const auto before = SnapshotFolder(folder.File("data"));
  const Workspace current{folder.File("data"), ClaimStartStamp(folder.File("data"), 451200)};
  EXPECT_EQ(current.stamp, "4512.02");
  const auto clean =
      RunJobCommands(Workspace{folder.File("clean"), "1"}, job_file, folder.File("clean.opt"));
  EXPECT_FALSE(clean[1].empty() || clean[2].empty());  // labels and report
  EXPECT_EQ(RunJobCommands(current, job_file, folder.File("run.opt")), clean);
  current.RemoveWorkingFiles();
  EXPECT_THAT(FolderChanges(before, SnapshotFolder(folder.File("data"))), IsEmpty());
}

}  // namespace
}  // namespace lumora
