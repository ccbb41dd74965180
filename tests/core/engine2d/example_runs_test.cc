#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "core/engine2d/engine_input.h"
#include "core/engine2d/optimization.h"
#include "core/engine2d/result_files.h"
#include "core/engine2d/result_validator.h"
#include "started_example.h"

namespace lumora {
namespace {

using testing::StartedExample;
using testing::TestDataBytes;

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
  const std::string pinned = TestDataBytes(std::string("engine2d/runs/") + run.pinned);
  ASSERT_FALSE(pinned.empty());
  for (const int threads : run.threads) {
    SCOPED_TRACE("threads " + std::to_string(threads));
    const OptimizationResult result = example.Run(run.efficiency, threads);
    EXPECT_EQ(result.end, OptimizationEnd::kDone);
    EXPECT_EQ(result.message, "Optimization done.");
    EXPECT_EQ(LayoutFileBytes(result.best), pinned);
    EXPECT_THAT(
        ValidateResult(example.Engine(), example.Settings(1, 1).trim_allowance, result.best),
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

// Stopping after pass 5 of 30 and continuing from the dia.tlf written then gives the very
// result of a run that was never stopped, on one thread or many.
TEST(StopAndResume, ContinuingAfterPassFiveOfThirtyGivesTheUninterruptedResult) {
  const StartedExample example("medium.opt", false, Objective::kMaximumYield);
  const OptimizationResult whole = example.Run(10, 1);
  ASSERT_EQ(whole.resume_pass, 30);

  for (const int threads : {1, 4}) {
    SCOPED_TRACE("threads " + std::to_string(threads));
    int32_t last_pass = 0;
    OptimizationCallbacks stop_after_five;
    stop_after_five.progress = [&](const ProgressFigures& figures) { last_pass = figures.pass; };
    stop_after_five.stop_requested = [&] { return last_pass == 5; };
    const OptimizationResult stopped = example.Run(10, threads, stop_after_five);
    EXPECT_EQ(stopped.end, OptimizationEnd::kStopped);
    EXPECT_EQ(stopped.message,
              "Optimization Stopped. After viewing the results, you can continue optimization "
              "from this point onwards till this file remains open.");
    EXPECT_EQ(stopped.resume_pass, 5);

    OptimizationSettings settings = example.Settings(10, threads);
    settings.resume_pass = stopped.resume_pass;
    settings.saved_result = ReadLayoutBytes(LayoutFileBytes(stopped.best)).elements;
    std::vector<ProgressFigures> progress;
    OptimizationCallbacks record;
    record.progress = [&](const ProgressFigures& figures) { progress.push_back(figures); };
    const OptimizationResult resumed = RunOptimization(example.Engine(), settings, record);
    ASSERT_EQ(progress.size(), 26u);
    EXPECT_EQ(progress.front().pass, 5);
    EXPECT_EQ(progress.front().passes_to_go, "25/0");
    EXPECT_EQ(resumed.end, OptimizationEnd::kDone);
    EXPECT_EQ(resumed.resume_pass, 30);
    EXPECT_EQ(LayoutFileBytes(resumed.best), LayoutFileBytes(whole.best));
  }
}

}  // namespace
}  // namespace lumora
