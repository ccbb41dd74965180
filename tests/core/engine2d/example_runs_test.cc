#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/engine2d/engine_jobs.h"
#include "core/engine2d/job_run.h"
#include "core/engine2d/result_files.h"
#include "core/engine2d/result_validator.h"

namespace lumora {
namespace {

using testing::StartedExample;

struct PinnedRun {
  const char* job;
  bool coil;
  Objective objective;
  int16_t efficiency;
  const char* pinned;
  std::vector<int> threads;  // each count must give the pinned bytes
};

class PinnedExampleRun : public ::testing::TestWithParam<PinnedRun> {};

TEST_P(PinnedExampleRun, WritesThePinnedResultWhateverTheThreadCount) {
  const PinnedRun& run = GetParam();
  const StartedExample example(run.job, run.coil, run.objective);
  const std::string pinned = testing::TestDataBytes(std::string("engine2d/runs/") + run.pinned);
  ASSERT_FALSE(pinned.empty());
  for (const int threads : run.threads) {
    SCOPED_TRACE("threads " + std::to_string(threads));
    const OptimizationResult result = example.Run(run.efficiency, threads);
    EXPECT_EQ(result.end, OptimizationEnd::kDone);
    EXPECT_EQ(result.message, "Optimization done.");
    EXPECT_EQ(LayoutFileBytes(result.best), pinned);
    EXPECT_THAT(ValidateResult(example.Engine(), example.trim_allowance(), result.best),
                ::testing::IsEmpty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, PinnedExampleRun,
    ::testing::Values(
        PinnedRun{"small.opt", false, Objective::kMaximumYield, 10, "small_yield.tlf", {1, 4}},
        PinnedRun{"small.opt", false, Objective::kMinimumLayouts, 10, "small_layouts.tlf", {1, 4}},
        PinnedRun{"medium.opt", false, Objective::kMaximumYield, 3, "medium_yield.tlf", {1, 4}},
        PinnedRun{"medium.opt", false, Objective::kMinimumLayouts, 3, "medium_layouts.tlf", {1, 4}},
        PinnedRun{"large.opt", false, Objective::kMaximumYield, 2, "large_yield.tlf", {1}},
        PinnedRun{"large.opt", false, Objective::kMinimumLayouts, 2, "large_layouts.tlf", {4}},
        PinnedRun{"coil.sdr", true, Objective::kMaximumYield, 3, "coil_yield.tlf", {1, 4}},
        PinnedRun{"coil.sdr", true, Objective::kMinimumLayouts, 3, "coil_layouts.tlf", {1, 4}}),
    [](const ::testing::TestParamInfo<PinnedRun>& info) {
      std::string name = info.param.pinned;
      return name.substr(0, name.find('.'));
    });

// The job's runs as the desktop and the command line make them: settings from the job, the
// result stored in its working dia.tlf. Stopping after pass 5 of 30 and continuing from what
// was stored gives the very result of a run that was never stopped, on one thread or many.
TEST(JobRun, AStoppedRunContinuesToTheResultOfAWholeRun) {
  StartedExample example("medium.opt", false, Objective::kMaximumYield);
  Job& job = example.job();
  const auto run = [&](int threads, int32_t stop_after, std::vector<ProgressFigures>* seen) {
    OptimizationSettings settings = JobRunSettings(job);
    EXPECT_EQ(settings.efficiency, kDefaultEfficiency);  // no misc.set
    settings.threads = threads;
    int32_t last_pass = 0;
    OptimizationCallbacks callbacks;
    callbacks.progress = [&](const ProgressFigures& figures) {
      last_pass = figures.pass;
      if (seen) seen->push_back(figures);
    };
    callbacks.stop_requested = [&] { return last_pass == stop_after; };
    const OptimizationResult result = RunOptimization(EngineJobOf(job), settings, callbacks);
    EXPECT_FALSE(StoreRunResult(job, result).has_value());
    return result;
  };
  const std::string dia = job.workspace.WorkingFile(kLayoutFileName);
  run(1, 0, nullptr);
  const std::string whole = example.folder().Read("1.5dia.tlf");
  ASSERT_FALSE(whole.empty());
  // A whole run leaves the last pass: the next run starts afresh.
  EXPECT_EQ(job.settings.resume_pass, 30);
  EXPECT_EQ(JobRunSettings(job).resume_pass, 30);
  for (const int threads : {1, 4}) {
    SCOPED_TRACE("threads " + std::to_string(threads));
    job.settings.resume_pass = 0;
    const OptimizationResult stopped = run(threads, 5, nullptr);
    EXPECT_EQ(stopped.end, OptimizationEnd::kStopped);
    EXPECT_EQ(stopped.message,
              "Optimization Stopped. After viewing the results, you can continue optimization "
              "from this point onwards till this file remains open.");
    EXPECT_EQ(job.settings.resume_pass, 5);
    EXPECT_EQ(example.folder().Read("1.5dia.tlf"), LayoutFileBytes(stopped.best));
    EXPECT_EQ(JobRunSettings(job).saved_result, ReadLayoutFile(dia).elements);
    std::vector<ProgressFigures> progress;
    const OptimizationResult resumed = run(threads, 0, &progress);
    ASSERT_EQ(progress.size(), 26u);
    EXPECT_EQ(progress.front().pass, 5);
    EXPECT_EQ(progress.front().passes_to_go, "25/0");
    EXPECT_EQ(resumed.end, OptimizationEnd::kDone);
    EXPECT_EQ(job.settings.resume_pass, 30);
    EXPECT_EQ(example.folder().Read("1.5dia.tlf"), whole);
  }
  // EFF comes from misc.set when there is one.
  job.settings.efficiency = 250;
  example.folder().Write("misc.set", "\"MM\",\"250\",\"FULL\"\r\n");
  EXPECT_EQ(JobRunSettings(job).efficiency, 250);
  EXPECT_EQ(JobRunSettings(job).trim_allowance, example.trim_allowance());
  // A refused run leaves the result and the resume point.
  OptimizationResult refused;
  refused.resume_pass = 4;
  EXPECT_FALSE(StoreRunResult(job, refused).has_value());
  EXPECT_EQ(example.folder().Read("1.5dia.tlf"), whole);
  EXPECT_EQ(job.settings.resume_pass, 30);
  // A result that cannot be written is told and not continued from: a folder where dia.tlf
  // belongs cannot be replaced by a file.
  std::filesystem::remove(dia);
  std::filesystem::create_directories(dia + "/x");
  OptimizationResult stopped;
  stopped.end = OptimizationEnd::kStopped;
  stopped.resume_pass = 2;
  const auto error = StoreRunResult(job, stopped);
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->rfind("Could not save " + dia + ": ", 0), 0u) << *error;
  EXPECT_EQ(job.settings.resume_pass, 0);
}

}  // namespace
}  // namespace lumora
