#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/engine2d/job_run.h"
#include "core/engine2d/optimization.h"
#include "core/job/job_check.h"
#include "core/job/job_file.h"
#include "core/layouts/layouts_load.h"
#include "core/layouts/loaded_result.h"
#include "core/reports/label_pages.h"
#include "core/shell/data_folder.h"
#include "core/shell/start_stamp_claim.h"
#include "core/shell/workspace.h"
#include "core/tables/file_routines.h"
#include "support/folder_snapshot.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

using testing::FolderChanges;
using ::testing::IsEmpty;
using testing::SnapshotFolder;
using testing::TempFolder;

// Every working file a run of the desktop may leave behind when it crashes.
const std::vector<std::string> kWorkingNames = {
    "basic.tlf",  "options.tlf", "sheet.tlf", "cut.tlf",  "dia.tlf",    "diaalt.tlf",
    "tmp.tlf",    "s.tlf",       "c.tlf",     "mlm.tlf",  "report.tlf", "offcut.tlf",
    "sheets.Adj", "lbl.tlf",     "edit.tlf",  "edit.tmp", "addnew.lst", "run.lst"};

// What a run's commands produced, for comparison with the same run in a clean folder.
struct RunOutputs {
  std::string saved_job, report, offcut, sheets_adj, labels, status;
  bool operator==(const RunOutputs&) const = default;
};

// The desktop's commands on the example job in the workspace: open it, start and run the
// optimization, open the result as the Layouts window does (balance table and report), compose
// its labels and save the job.
RunOutputs RunJobCommands(const Workspace& workspace, const std::string& job_file,
                          const std::string& saved_file) {
  RunOutputs outputs;
  testing::ScriptedPrompter prompter;
  Job job = MakeJob(workspace, ProgramSettings{});
  EXPECT_TRUE(OpenJob(job, job_file, prompter));
  prompter.Plan(PromptAnswer::kYes);
  EXPECT_TRUE(StartOptimization(job, prompter).start);
  const OptimizationResult result = RunOptimization(EngineJobOf(job), JobRunSettings(job));
  EXPECT_EQ(result.end, OptimizationEnd::kDone) << result.message;
  EXPECT_FALSE(StoreRunResult(job, result).has_value());

  const ReportPaths paths = WorkingReportPaths(workspace);
  const LayoutsLoad layouts = LoadLayouts(job, paths);
  EXPECT_EQ(layouts.error, "");
  outputs.status = layouts.view.status.yield + " " + layouts.view.status.layouts;
  outputs.report = ReadFileBytes(paths.report).value_or("");
  outputs.offcut = ReadFileBytes(paths.balance_table).value_or("");
  outputs.sheets_adj = ReadFileBytes(paths.sheets_used).value_or("");
  const ResultLoad loaded = LoadResult(job);
  EXPECT_EQ(loaded.error, "");
  outputs.labels = ComposeWorkspaceLabels(loaded.result, workspace, ReportUnit(job)).bytes;

  EXPECT_TRUE(SaveJob(job, saved_file, prompter));
  outputs.saved_job = ReadFileBytes(saved_file).value_or("");
  return outputs;
}

class StaleWorkingFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(SeedDataFolder(folder_.File("data")).has_value());
    ASSERT_FALSE(SeedDataFolder(folder_.File("clean")).has_value());
    const auto example = ReadFileBytes(std::string(LUMORA_SOURCE_DATA_DIR) + "/examples/small.opt");
    ASSERT_TRUE(example.has_value());
    job_file_ = folder_.Write("small.opt", *example);
  }

  // Leaves a crashed run's working files under each stamp, each of them damaged differently.
  void SeedCrashedRuns(const std::vector<std::string>& stamps) {
    for (const std::string& stamp : stamps) {
      for (const std::string& name : kWorkingNames) {
        folder_.Write("data/" + stamp + name, "\"-1\",\"" + stamp + name + "\r\n\"9,,\"");
      }
    }
  }

  // Runs the commands at the moment under the stamp the data folder gives it, checks that they
  // give what they give in a clean folder and that exit leaves the folder as it was before the
  // run; answers the stamp.
  std::string RunBesideTheCrashedRuns(int moment) {
    const auto before = SnapshotFolder(folder_.File("data"));
    const Workspace current{folder_.File("data"), ClaimStartStamp(folder_.File("data"), moment)};
    const RunOutputs run = RunJobCommands(current, job_file_, folder_.File("run.opt"));
    const RunOutputs clean =
        RunJobCommands(Workspace{folder_.File("clean"), "1"}, job_file_, folder_.File("clean.opt"));
    EXPECT_FALSE(clean.report.empty());
    EXPECT_FALSE(clean.labels.empty());
    EXPECT_TRUE(run == clean);
    current.RemoveWorkingFiles();
    EXPECT_THAT(FolderChanges(before, SnapshotFolder(folder_.File("data"))), IsEmpty());
    return current.stamp;
  }

  TempFolder folder_;
  std::string job_file_;
};

// Stamps that begin like the current one, or that it begins like, name other runs' files; a run
// that crashed a day earlier at the same moment left files under the very stamp of now, so the
// current run takes the next free one.
TEST_F(StaleWorkingFilesTest, OtherStampsAreNeitherReadNorWrittenNorRemoved) {
  SeedCrashedRuns({"4512", "4512.01", "4512.025", "4512.5", "45120", "451", "4511.99"});
  EXPECT_EQ(RunBesideTheCrashedRuns(451200), "4512.02");
}

}  // namespace
}  // namespace lumora
