#include "core/deep/deep_optimization.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "../engine2d/engine_builders.h"
#include "../engine2d/started_example.h"
#include "core/engine2d/layout_evaluation.h"
#include "core/engine2d/pass_runner.h"
#include "core/engine2d/result_files.h"
#include "core/engine2d/result_validator.h"

namespace lumora {
namespace {

using testing::StartedExample;

DeepSettings Budget(const StartedExample& example, int64_t budget, int threads) {
  DeepSettings settings;
  settings.budget = budget;
  settings.threads = threads;
  settings.trim_allowance = example.Settings(1, 1).trim_allowance;
  return settings;
}

// The stock a result takes: sheet area, or coil length.
float Cost(ElementList result, bool coil) {
  TransposeElements(result);
  return coil ? TotalCoilLength(result) : StockAreaSum(result);
}

struct ExampleCase {
  const char* job;
  bool coil;
  Objective objective;
};

// A deep result is valid, takes no more stock than the standard engine's at EFF 10, and
// with a budget is the same whatever the number of threads.
TEST(DeepOptimization, ExampleResultsAreValidNeverWorseAndRepeatable) {
  for (const ExampleCase& example_case :
       {ExampleCase{"small.opt", false, Objective::kMaximumYield},
        ExampleCase{"medium.opt", false, Objective::kMinimumLayouts},
        ExampleCase{"coil.sdr", true, Objective::kMaximumYield}}) {
    SCOPED_TRACE(example_case.job);
    const StartedExample example(example_case.job, example_case.coil, example_case.objective);
    const OptimizationResult standard = example.Run(10, 2);
    const OptimizationResult one = RunDeepOptimization(example.Engine(), Budget(example, 12, 1));
    const OptimizationResult two = RunDeepOptimization(example.Engine(), Budget(example, 12, 2));
    EXPECT_EQ(one.end, OptimizationEnd::kDone);
    EXPECT_EQ(one.message, "Optimization done.");
    EXPECT_EQ(one.resume_pass, 0);
    EXPECT_THAT(ValidateResult(example.Engine(), Budget(example, 0, 0).trim_allowance, one.best),
                ::testing::IsEmpty());
    if (example_case.objective == Objective::kMaximumYield) {
      EXPECT_LE(Cost(one.best, example_case.coil), Cost(standard.best, example_case.coil));
    }
    EXPECT_EQ(LayoutFileBytes(one.best), LayoutFileBytes(two.best));
  }
}

TEST(DeepOptimization, StopKeepsAValidResult) {
  const StartedExample example("medium.opt", false, Objective::kMaximumYield);
  DeepCallbacks stop_at_once;
  stop_at_once.stop_requested = [] { return true; };
  const OptimizationResult result =
      RunDeepOptimization(example.Engine(), Budget(example, 1000000, 2), stop_at_once);
  EXPECT_EQ(result.end, OptimizationEnd::kStopped);
  EXPECT_EQ(result.message, kDeepStoppedMessage);
  EXPECT_THAT(ValidateResult(example.Engine(), Budget(example, 0, 0).trim_allowance, result.best),
              ::testing::IsEmpty());
}

TEST(DeepOptimization, NamesTheGlassSizesNoStockHolds) {
  using testing::JobGrid;
  const Grid basic = JobGrid(11, {{"FLOAT", "A", "4", "99999", "0", "0", "", "0", "0"}});
  const Grid sheet = JobGrid(10, {{"1000", "2000", "", "", "5"}});
  const Grid glass = JobGrid(16, {{"500", "500", "", "", "3"}, {"1500", "2500", "", "", "1"}});
  const EngineJob job{basic, sheet, glass, false, true, false};
  DeepSettings settings;
  settings.budget = 4;
  const OptimizationResult result = RunDeepOptimization(job, settings);
  EXPECT_TRUE(result.best.Empty());
  EXPECT_EQ(result.message,
            "Optimization done.\nNo complete result: glass sizes never placed: 1500 x 2500; the "
            "glass left fits no sheet left once margins and trim allowance are taken off.");
}

}  // namespace
}  // namespace lumora
