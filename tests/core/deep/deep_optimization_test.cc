#include "core/deep/deep_optimization.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <set>
#include <string>
#include <tuple>
#include <utility>

#include "core/base/file_routines.h"
#include "core/deep/deep_settings_file.h"
#include "core/engine2d/engine_jobs.h"
#include "core/engine2d/job_run.h"
#include "core/engine2d/layout_evaluation.h"
#include "core/engine2d/pass_runner.h"
#include "core/engine2d/result_files.h"
#include "core/engine2d/result_validator.h"
#include "core/job/job_sections.h"
#include "core/job/job_test_support.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

using testing::StartedExample;

// A deep run with a budget whose result passes the validator, and none of whose results the
// validator refused.
DeepResult RunDeep(const EngineJob& job, float trim_allowance, int64_t budget, int threads,
                   const DeepCallbacks& callbacks = {}) {
  DeepSettings settings;
  settings.budget = budget;
  settings.threads = threads;
  settings.trim_allowance = trim_allowance;
  DeepResult run = RunDeepOptimization(job, settings, callbacks);
  if (!run.result.best.Empty()) {
    EXPECT_THAT(ValidateResult(job, trim_allowance, run.result.best), ::testing::IsEmpty());
  }
  EXPECT_EQ(run.figures.rejected, 0);
  return run;
}

OptimizationResult RunDeep(const StartedExample& example, int64_t budget, int threads,
                           const DeepCallbacks& callbacks = {}) {
  return RunDeep(example.Engine(), example.trim_allowance(), budget, threads, callbacks).result;
}

// The stock a result takes: sheet area, or coil length.
float Cost(ElementList result, bool coil) {
  TransposeElements(result);
  return coil ? TotalCoilLength(result) : StockAreaSum(result);
}

// A deep result is valid, takes no more stock than the standard engine's at EFF 10 (less where
// that one leaves room), and with a budget is the same whatever the number of threads.
TEST(DeepOptimization, ExampleResultsAreValidNeverWorseAndRepeatable) {
  struct ExampleCase {
    const char* job;
    bool coil;
    Objective objective;
    bool improves;  // on the standard engine's stock
  };
  for (const ExampleCase& c : {ExampleCase{"small.opt", false, Objective::kMaximumYield, false},
                               {"medium.opt", false, Objective::kMinimumLayouts, false},
                               {"coil.sdr", true, Objective::kMaximumYield, true}}) {
    SCOPED_TRACE(c.job);
    const StartedExample example(c.job, c.coil, c.objective);
    const OptimizationResult one = RunDeep(example, 12, 1);
    EXPECT_EQ(std::tuple(one.end, one.message, one.resume_pass),
              std::tuple(OptimizationEnd::kDone, "Optimization done.", 0));
    if (c.objective == Objective::kMaximumYield) {
      const float standard = Cost(example.Run(10, 2).best, c.coil);
      EXPECT_TRUE(c.improves ? Cost(one.best, c.coil) < standard
                             : Cost(one.best, c.coil) <= standard);
    }
    EXPECT_EQ(LayoutFileBytes(one.best), LayoutFileBytes(RunDeep(example, 12, 2).best));
  }
}

TEST(DeepOptimization, StopKeepsAValidResult) {
  const StartedExample example("medium.opt", false, Objective::kMaximumYield);
  DeepCallbacks stop_at_once;
  stop_at_once.stop_requested = [] { return true; };
  const OptimizationResult result = RunDeep(example, 1000000, 2, stop_at_once);
  EXPECT_EQ(std::pair(result.end, result.message),
            std::pair(OptimizationEnd::kStopped, std::string(kDeepStoppedMessage)));
}

// A job no stock can serve ends before the search makes a step, with the reason.
TEST(DeepOptimization, AJobNoStockCanServeEndsAtOnceWithTheReason) {
  struct Case {
    testing::HandJob job;
    std::string message;
  };
  const Case cases[] = {
      {{"99999", "0", {{"1000", "2000", "5"}}, {{"500", "500", "3"}, {"1500", "2500", "1"}}},
       "Optimization done.\nNo complete result: glass sizes never placed: 1500 x 2500; the glass "
       "left fits no sheet left once margins and trim allowance are taken off."},
      {{"99999", "0", {{"1000", "2000", "5"}}, {{"500", "500", "3"}}, "3000"},
       "Optimization done.\nNo complete result: no glass piece could be placed; no layout for the "
       "glass left keeps every balance side at least B (MM) 3000."},
  };
  for (const Case& c : cases) {
    const DeepResult run = RunDeep(c.job.Engine(), 0.001f, 100000, 2);
    SCOPED_TRACE(c.message);
    EXPECT_EQ(std::tuple(run.result.best.Empty(), run.result.message, run.figures.steps),
              std::tuple(true, c.message, 0));
  }
}

// On the glass line, a piece that stands wider than the widest strip the table cuts whichever
// way it turns is named by its size as typed, and there is no plan.
TEST(DeepOptimization, ALineJobNamesTheSizesNoStripHolds) {
  testing::TempFolder folder;
  Job job = testing::MakeTestJob(folder);
  testing::Fill(job.basic, ",,,99999,,0,,0,0,,");
  testing::Fill(job.sheet, "1000,600,,,1");
  testing::Fill(job.glass, "400,300,,,1;600,550,,,1");
  CuttingLineSettings line;
  line.max_strip_width = 500;
  job.line.SetSettings(line);
  const DeepResult run = RunDeep(EngineJobOf(job), 0.001f, 1000, 1);
  EXPECT_EQ(
      std::tuple(run.result.best.Empty(), run.result.message),
      std::tuple(true, "Optimization done.\nThese glass sizes could not be placed: 600 x 550"));
}

// Pieces cut from N sheets of 3000 x 2000 by random guillotine cuts in two or three stages
// (strips across, pieces along them, and in three stages some of those halved across again):
// the search must take N sheets again.
TEST(DeepOptimization, FindsTheSheetCountOfPiecesThatTileItExactly) {
  struct Case {
    int sheets;
    int stages;
    uint64_t seed;
  };
  for (const Case& c : {Case{2, 2, 1}, Case{3, 2, 2}, Case{2, 3, 1}}) {
    uint64_t state = c.seed;
    const auto draw = [&](int below) {
      state = state * 6364136223846793005ULL + 1442695040888963407ULL;
      return static_cast<int>((state >> 33) % static_cast<uint64_t>(below));
    };
    // `parts` lengths of at least 200, multiples of 10, adding up to `length`.
    const auto split = [&](int length, int parts) {
      std::vector<int> at{0, length};
      for (int p = 1; p < parts; ++p) at.push_back(200 + 10 * draw((length - 400) / 10 + 1));
      std::sort(at.begin(), at.end());
      at.erase(std::unique(at.begin(), at.end()), at.end());
      std::vector<int> lengths;
      for (size_t i = 1; i < at.size(); ++i) lengths.push_back(at[i] - at[i - 1]);
      return lengths;
    };
    testing::Rows glass;
    for (int sheet = 0; sheet < c.sheets; ++sheet) {
      for (int height : split(2000, 3)) {
        for (int width : split(3000, 2 + draw(3))) {
          const bool halved = c.stages == 3 && height >= 400 && draw(2) == 1;
          for (int piece : halved ? split(height, 2) : std::vector<int>{height}) {
            glass.push_back({std::to_string(piece), std::to_string(width), "1"});
          }
        }
      }
    }
    SCOPED_TRACE(std::to_string(glass.size()) + " pieces on " + std::to_string(c.sheets));
    const testing::HandJob job("99999", "0", {{"2000", "3000", "99"}}, glass);
    const DeepResult run = RunDeep(job.Engine(), 0.001f, 24, 2);
    float sheets = 0;
    for (const LayoutElement& element : run.result.best) {
      if (element.kind == kStockFrame) sheets += element.repeat;
    }
    EXPECT_EQ(sheets, c.sheets);
    // The progress shows the steps and what each kind took of them.
    EXPECT_EQ(run.figures.steps,
              run.figures.constructions + run.figures.tail_replans + run.figures.sheet_fewer);
  }
}

// `count` distinct glass sizes of 200-2000 x 150-1500 mm, one of each, from a fixed seed.
testing::Rows ManySizes(int count) {
  uint64_t state = 7;
  const auto draw = [&](int lo, int hi) {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    return lo + static_cast<int>((state >> 33) % static_cast<uint64_t>(hi - lo + 1));
  };
  std::set<std::pair<int, int>> sizes;
  while (static_cast<int>(sizes.size()) < count) sizes.insert({draw(200, 2000), draw(150, 1500)});
  testing::Rows rows;
  for (const auto& [l1, l2] : sizes) rows.push_back({std::to_string(l1), std::to_string(l2), "1"});
  return rows;
}

// On a job of thousands of sizes a run of one second ends in time: the standard start (some
// fifteen seconds on its own) keeps to the limit, and the search to its limit or, on a machine
// too slow to finish a first plan within it (a busy one, a sanitizer build), to that plan. A
// run that waited for the standard engine would end long after both.
TEST(DeepOptimization, AJobOfManySizesEndsWithinATinyTimeLimitWithASoundResult) {
  const testing::HandJob job("99999", "0", {{"3210", "2250", "9999"}}, ManySizes(3000));
  DeepSettings settings;
  settings.time_limit_seconds = 1;
  settings.trim_allowance = 0.001f;
  const auto begin = std::chrono::steady_clock::now();
  const DeepResult run = RunDeepOptimization(job.Engine(), settings);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
  const double first_plan = std::max(run.figures.first_result_seconds, 0.0);
  EXPECT_LT(seconds, std::max(settings.time_limit_seconds, first_plan) + 5) << first_plan;
  EXPECT_FALSE(run.result.best.Empty());
  EXPECT_THAT(ValidateResult(job.Engine(), 0.001f, run.result.best), ::testing::IsEmpty());
}

// A budget gives the same result on one thread and on two on a job of many sizes too, whose
// first plans are quick ones.
TEST(DeepOptimization, ABudgetRepeatsOnAJobOfManySizes) {
  const testing::HandJob job("99999", "0", {{"3210", "2250", "9999"}}, ManySizes(400));
  EXPECT_EQ(LayoutFileBytes(RunDeep(job.Engine(), 0.001f, 16, 1).result.best),
            LayoutFileBytes(RunDeep(job.Engine(), 0.001f, 16, 2).result.best));
}

// One new sheet holds every piece more densely than a leftover holds any, so the search alone
// leaves the leftovers in the rack. "Use leftovers first" puts pieces on each leftover one fits,
// the smallest leftover first, before it cuts a new sheet; a leftover no piece fits stays.
TEST(DeepOptimization, UseLeftoversFirstFillsEveryLeftoverAPieceFits) {
  struct Case {
    bool leftovers_first;
    std::vector<std::string> used;  // the sheets the result takes, L2xL1, sorted
  };
  const Case cases[] = {
      {false, {"2000x1000"}},
      {true, {"1000x1000", "2000x1000", "700x500"}},
  };
  const testing::HandJob job(
      "99999", "0",
      {{"1000", "2000", "9"}, {"1000", "1000", "1"}, {"500", "700", "1"}, {"150", "150", "1"}},
      {{"900", "800", "1"}, {"900", "700", "1"}, {"350", "550", "1"}});
  for (const Case& c : cases) {
    DeepSettings settings;
    settings.budget = 8;
    settings.trim_allowance = 0.001f;
    settings.valuation = {c.leftovers_first, {{1000, 1000}, {500, 700}, {150, 150}}};
    const DeepResult run = RunDeepOptimization(job.Engine(), settings);
    std::vector<std::string> used;
    for (const LayoutElement& e : run.result.best) {
      if (e.kind != kStockFrame) continue;
      used.push_back(std::to_string(static_cast<int>(e.y2 - e.y1)) + "x" +
                     std::to_string(static_cast<int>(e.x2 - e.x1)));
    }
    std::sort(used.begin(), used.end());
    EXPECT_EQ(used, c.used) << c.leftovers_first;
  }
}

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
    EXPECT_EQ(ReadFileBytes(workspace.SettingsFile("deep.set"), kJobFileLimit), "\"120\"\r\n");
    EXPECT_EQ(ReadDeepSeconds(workspace), 120);
  }
}

}  // namespace
}  // namespace lumora
