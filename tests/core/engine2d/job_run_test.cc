#include "core/engine2d/job_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/engine2d/result_files.h"
#include "core/job/job_check.h"
#include "core/job/job_file.h"
#include "core/shell/data_folder.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

using testing::ScriptedPrompter;
using testing::TempFolder;

class JobRunTest : public ::testing::Test {
 protected:
  // small.opt after the start sequence, in a data folder seeded with the default files.
  void OpenSmallExample() {
    ASSERT_FALSE(SeedDataFolder(folder_.path()).has_value());
    job_ = MakeJob(Workspace{folder_.path(), "3.5"}, ProgramSettings{});
    ScriptedPrompter prompter;
    ASSERT_TRUE(
        OpenJob(job_, std::string(LUMORA_SOURCE_DATA_DIR) + "/examples/small.opt", prompter));
    ASSERT_TRUE(StartOptimization(job_, prompter).start);
  }

  // One run of the job as the desktop makes it, stopped after `stop_after` passes when given.
  OptimizationResult Run(int32_t stop_after = 0) {
    OptimizationSettings settings = JobRunSettings(job_);
    settings.efficiency = 6;
    int32_t last_pass = 0;
    OptimizationCallbacks callbacks;
    callbacks.progress = [&](const ProgressFigures& figures) { last_pass = figures.pass; };
    callbacks.stop_requested = [&] { return stop_after > 0 && last_pass >= stop_after; };
    return RunOptimization(EngineJobOf(job_), settings, callbacks);
  }

  std::string LayoutFile() const { return job_.workspace.WorkingFile(kLayoutFileName); }

  TempFolder folder_;
  Job job_;
};

TEST_F(JobRunTest, EfficiencyComesFromMiscSetElseTen) {
  job_ = MakeJob(Workspace{folder_.path(), "3.5"}, ProgramSettings{});
  job_.settings.efficiency = 250;
  job_.settings.trim_allowance = 2.001f;
  EXPECT_EQ(JobRunSettings(job_).efficiency, kDefaultEfficiency);
  folder_.Write("misc.set", "\"MM\",\"250\",\"FULL\"\r\n");
  const OptimizationSettings settings = JobRunSettings(job_);
  EXPECT_EQ(settings.efficiency, 250);
  EXPECT_EQ(settings.trim_allowance, 2.001f);
  EXPECT_EQ(settings.resume_pass, 0);
}

TEST_F(JobRunTest, AStoppedRunContinuesToTheResultOfAWholeRun) {
  OpenSmallExample();
  const OptimizationResult whole = Run();
  ASSERT_EQ(whole.end, OptimizationEnd::kDone);
  ASSERT_FALSE(StoreRunResult(job_, whole).has_value());
  const std::string whole_bytes = folder_.Read("3.5dia.tlf");
  ASSERT_FALSE(whole_bytes.empty());
  // A whole run leaves the last pass: the next run starts afresh.
  EXPECT_EQ(job_.settings.resume_pass, 12);
  EXPECT_EQ(JobRunSettings(job_).resume_pass, 12);

  job_.settings.resume_pass = 0;
  const OptimizationResult stopped = Run(5);
  ASSERT_EQ(stopped.end, OptimizationEnd::kStopped);
  ASSERT_FALSE(StoreRunResult(job_, stopped).has_value());
  EXPECT_EQ(job_.settings.resume_pass, 5);
  EXPECT_EQ(folder_.Read("3.5dia.tlf"), LayoutFileBytes(stopped.best));

  const OptimizationSettings resumed = JobRunSettings(job_);
  EXPECT_EQ(resumed.resume_pass, 5);
  EXPECT_EQ(LayoutFileBytes(resumed.saved_result), LayoutFileBytes(stopped.best));
  const OptimizationResult continued = Run();
  ASSERT_FALSE(StoreRunResult(job_, continued).has_value());
  EXPECT_EQ(folder_.Read("3.5dia.tlf"), whole_bytes);
}

TEST_F(JobRunTest, ARefusedRunLeavesTheResultAndTheResumePoint) {
  OpenSmallExample();
  folder_.Write("3.5dia.tlf", "earlier");
  job_.settings.resume_pass = 4;
  OptimizationResult refused;
  refused.message = std::string(kNoGlassMessage);
  refused.resume_pass = 4;
  EXPECT_FALSE(StoreRunResult(job_, refused).has_value());
  EXPECT_EQ(folder_.Read("3.5dia.tlf"), "earlier");
  EXPECT_EQ(job_.settings.resume_pass, 4);
}

TEST_F(JobRunTest, AResultThatCannotBeWrittenIsToldAndNotContinuedFrom) {
  OpenSmallExample();
  const OptimizationResult stopped = Run(2);
  // A folder where dia.tlf belongs cannot be replaced by a file.
  std::filesystem::remove(LayoutFile());
  std::filesystem::create_directories(LayoutFile() + "/x");
  const auto error = StoreRunResult(job_, stopped);
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->rfind("Could not save " + LayoutFile() + ": ", 0), 0u) << *error;
  EXPECT_EQ(job_.settings.resume_pass, 0);
}

}  // namespace
}  // namespace lumora
