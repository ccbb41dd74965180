#include "core/engine2d/optimization.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "core/engine2d/engine_builders.h"
#include "core/engine2d/pass_pipeline.h"
#include "core/engine2d/pass_runner.h"
#include "core/engine2d/progress.h"
#include "core/engine2d/result_files.h"
#include "core/job/job_tables.h"

namespace lumora {
namespace {

using testing::Element;
using testing::JobGrid;
using testing::ListOf;

// A job typed into the three grids: BLADE, KERF and B (MM) in Basic Details, stock rows
// (L1, L2, QTY) and glass rows (L1, L2, QTY, ORN).
struct HandJob {
  Grid basic;
  Grid sheet;
  Grid glass;
  bool coil_mode = false;
  Objective objective = Objective::kMaximumYield;

  HandJob(const std::string& blade, const std::string& kerf,
          const std::vector<std::vector<std::string>>& stock,
          const std::vector<std::vector<std::string>>& glass_rows)
      : basic(JobGrid(11, {{"FLOAT", "CLR", "4", blade, "", kerf, "", "0", "0", "", ""}})),
        sheet(JobGrid(10, {})),
        glass(JobGrid(16, {})) {
    std::vector<std::vector<std::string>> sheet_rows;
    for (const auto& row : stock) sheet_rows.push_back({row[0], row[1], "", "", row[2]});
    sheet = JobGrid(10, sheet_rows);
    std::vector<std::vector<std::string>> rows;
    for (const auto& row : glass_rows) rows.push_back({row[0], row[1], "", "", row[2], row[3]});
    glass = JobGrid(16, rows);
  }

  EngineJob Engine() const {
    return {.basic = basic,
            .sheet = sheet,
            .glass = glass,
            .coil_mode = coil_mode,
            .maximum_yield_checked = objective == Objective::kMaximumYield,
            .minimum_layouts_checked = objective == Objective::kMinimumLayouts};
  }

  OptimizationResult Run(int16_t efficiency, const OptimizationCallbacks& callbacks = {},
                         int threads = 1) const {
    OptimizationSettings settings;
    settings.efficiency = efficiency;
    settings.trim_allowance = 0.001f;
    settings.threads = threads;
    return RunOptimization(Engine(), settings, callbacks);
  }
};

TEST(RunOptimization, ARunWithoutResultSaysWhyUnderItsEndMessage) {
  struct Case {
    HandJob job;
    std::string b_mm;
    std::string why;
  };
  const std::vector<Case> cases = {
      {HandJob("1001", "0", {{"1000", "1000", "5"}}, {{"800", "800", "1", "0"}}), "300",
       "no glass piece could be placed; no layout for the glass left keeps every balance side "
       "at least B (MM) 300"},
      {HandJob("1001", "0", {{"1000", "1000", "5"}},
               {{"500", "500", "1", "0"}, {"900", "1200", "1", "0"}, {"1200", "900", "1", "1"}}),
       "0",
       "glass sizes never placed: 1200 x 900, 900 x 1200; the glass left fits no sheet left "
       "once margins and trim allowance are taken off"},
      {HandJob("1001", "0", {{"1000", "1000", "5"}}, {{"400", "400", "3", "0"}}), "100", ""},
  };
  for (Case c : cases) {
    SCOPED_TRACE(c.why);
    c.job.basic.SetText(1, basic_col::kB, c.b_mm);
    const OptimizationResult result = c.job.Run(2);
    EXPECT_EQ(result.best.Empty(), !c.why.empty());
    EXPECT_EQ(result.message, c.why.empty()
                                  ? "Optimization done."
                                  : "Optimization done.\nNo complete result: " + c.why + ".");
  }
}

// A sheet that takes one 700 piece and a remainder no 400 piece fits, so the two 700s make
// layout 1 (cut twice) and the 400 layout 2:
//   +-------+---+
//   |  700  |   |   1000 x 1000, 10 sheets
//   |       |   |
//   +-------+---+
//   |           |
//   +-----------+
HandJob TwoLayoutJob() {
  return HandJob("1001", "0", {{"1000", "1000", "10"}},
                 {{"700", "700", "2", "0"}, {"400", "400", "1", "0"}});
}

TEST(LeftoversAtLeastB, RefusesAFreeRectangleWithASideBelowTheMinimum) {
  // Only free rectangles with area count; pieces, margins and slivers of zero width do not.
  const auto layout = [](float free_width, float free_height) {
    return ListOf<LayoutElement>(
        {Element(kStockFrame, 0, 0, 1000, 1000), Element(kMarginStrip, 0, 0, 10, 1000),
         Element(1, 0, 0, 20, 20), Element(kFreeRect, 0, 0, 0, 30),
         Element(kFreeRect, 100, 100, 100 + free_width, 100 + free_height)});
  };
  EXPECT_FALSE(LeftoversAtLeastB(layout(50, 400), 100));
  EXPECT_FALSE(LeftoversAtLeastB(layout(400, 99.5f), 100));
  EXPECT_TRUE(LeftoversAtLeastB(layout(100, 400), 100));
  EXPECT_TRUE(LeftoversAtLeastB(layout(0, 400), 100));
  EXPECT_TRUE(LeftoversAtLeastB(layout(50, 400), 0));
}

TEST(IsWorseThanBest, ComparesStockAreaTimesRepeatStrictly) {
  const auto result = [](std::vector<float> repeats) {
    ElementList list;
    int layout_no = 0;
    for (const float repeat : repeats) {
      list.Append(Element(kStockFrame, 0, 0, 10, 20, ++layout_no, repeat));
      list.Append(Element(1, 0, 0, 10, 20, layout_no, repeat, 1, 1));
    }
    return list;
  };
  EXPECT_TRUE(IsWorseThanBest(result({2, 2}), result({3})));
  EXPECT_FALSE(IsWorseThanBest(result({1, 2}), result({3})));
  EXPECT_FALSE(IsWorseThanBest(result({1}), result({3})));
  EXPECT_FALSE(IsWorseThanBest(result({9}), ElementList()));
  EXPECT_FLOAT_EQ(StockAreaSum(result({2, 5})), 1400.0f);
}

TEST(DriverChecks, RefuseBeforeAnyPassAndKeepTheResumePoint) {
  struct Case {
    const char* name;
    HandJob job;
    bool coil;
    const char* message;
  };
  const std::vector<std::vector<std::string>> stock = {{"1000", "1000", "1"}};
  const std::vector<std::vector<std::string>> glass = {{"400", "400", "1", "0"}};
  const Case cases[] = {
      {"BLADE 0, KERF 0", HandJob("0", "0", stock, glass), false, "Wrong BLADE specfied."},
      {"BLADE 0, no stock", HandJob("0", "0", {}, glass), false, "Wrong BLADE specfied."},
      // With a kerf BLADE passes, but no stock is narrower than a BLADE of 0.
      {"BLADE 0, KERF 3", HandJob("0", "3", stock, glass), false, "No valid SHEETS specified."},
      {"no sheets", HandJob("1001", "0", {}, glass), false, "No valid SHEETS specified."},
      {"no coils", HandJob("1001", "0", {}, glass), true, "No valid COILS specified."},
      {"stock too wide for BLADE", HandJob("999", "0", stock, glass), false,
       "No valid SHEETS specified."},
      {"no glass", HandJob("1001", "0", stock, {{"400", "400", "0", "0"}}), false,
       "No valid GLASS SIZES."},
  };
  for (Case c : cases) {
    SCOPED_TRACE(c.name);
    c.job.coil_mode = c.coil;
    bool started = false;
    OptimizationCallbacks callbacks;
    callbacks.start = [&](const ProgressStart&) { started = true; };
    OptimizationSettings settings;
    settings.efficiency = 10;
    settings.resume_pass = 7;
    const OptimizationResult result = RunOptimization(c.job.Engine(), settings, callbacks);
    EXPECT_EQ(result.end, OptimizationEnd::kRefused);
    EXPECT_EQ(result.message, c.message);
    EXPECT_EQ(result.resume_pass, 7);
    EXPECT_TRUE(result.best.Empty());
    EXPECT_FALSE(started);
  }
}

TEST(RunOptimization, GlassThatCannotAllBePlacedGivesAnEmptyResult) {
  const HandJob job("1001", "0", {{"1000", "1000", "1"}}, {{"600", "600", "2", "0"}});
  int progress_calls = 0;
  OptimizationCallbacks callbacks;
  callbacks.progress = [&](const ProgressFigures& figures) {
    ++progress_calls;
    EXPECT_EQ(figures.yield, "0.00");
    EXPECT_EQ(figures.layouts, "0");
  };
  const OptimizationResult result = job.Run(3, callbacks);
  EXPECT_EQ(result.end, OptimizationEnd::kDone);
  EXPECT_EQ(result.message, "Optimization done.\nNo complete result: the sheets ran out.");
  EXPECT_TRUE(result.best.Empty());
  EXPECT_EQ(LayoutFileBytes(result.best), "");
  EXPECT_EQ(result.resume_pass, 3);
  EXPECT_EQ(progress_calls, 3);
}

TEST(RunOptimization, NoPassRunsWhenTheEfficiencyGivesNoPasses) {
  const HandJob job = TwoLayoutJob();
  for (const int16_t efficiency : {0, -4}) {
    int progress_calls = 0;
    OptimizationCallbacks callbacks;
    callbacks.progress = [&](const ProgressFigures&) { ++progress_calls; };
    const OptimizationResult result = job.Run(efficiency, callbacks);
    EXPECT_EQ(result.end, OptimizationEnd::kDone);
    EXPECT_TRUE(result.best.Empty());
    EXPECT_EQ(result.resume_pass, 1);
    EXPECT_EQ(result.message, "Optimization done.\nNo complete result: EFF " +
                                  std::to_string(efficiency) + " runs no pass.");
    EXPECT_EQ(progress_calls, 0);
  }
}

TEST(RunOptimization, AStopFlagGivesUpThePassRunningOnTheCallingThread) {
  std::atomic<bool> stop{true};
  int progress_calls = 0;
  OptimizationCallbacks callbacks;
  callbacks.progress = [&](const ProgressFigures&) { ++progress_calls; };
  callbacks.stop_flag = &stop;
  const OptimizationResult result = TwoLayoutJob().Run(3, callbacks, 1);
  EXPECT_EQ(result.end, OptimizationEnd::kStopped);
  EXPECT_EQ(result.message, kStoppedMessage);
  EXPECT_EQ(result.resume_pass, 1);  // continuing runs pass 1 again
  EXPECT_TRUE(result.best.Empty());
  EXPECT_EQ(progress_calls, 0);
}

TEST(RunOptimization, WithoutAnObjectiveTheFirstCompletePassIsKept) {
  HandJob job("2001", "0", {{"2000", "1000", "5"}},
              {{"700", "450", "7", "0"}, {"300", "250", "9", "0"}, {"1100", "400", "3", "0"}});
  job.objective = Objective::kNone;
  const OptimizationResult first_pass_only = job.Run(1);
  ASSERT_FALSE(first_pass_only.best.Empty());
  const OptimizationResult many = job.Run(20, {}, 2);
  EXPECT_EQ(many.improvements, 1);
  EXPECT_EQ(many.best, first_pass_only.best);
}

TEST(RunOptimization, CoilCandidatesWithoutPiecesAreNotKept) {
  // The 1370 piece must lie across, and only the wider coil takes it. Once the narrow coil
  // can hold nothing, its empty candidate would win on its used length of 0 and the run would
  // end without a result.
  HandJob job("5001", "0", {{"5000", "1520", "1"}, {"5000", "1220", "1"}},
              {{"1370", "505", "2", "2"}, {"500", "400", "3", "0"}});
  job.coil_mode = true;
  const OptimizationResult result = job.Run(2);
  ASSERT_FALSE(result.best.Empty());
  float pieces = 0;
  for (const LayoutElement& element : result.best) {
    if (element.kind > 0) pieces += element.repeat;
  }
  EXPECT_EQ(pieces, 5.0f);
}

TEST(Progress, FiguresAndTextsAfterAPass) {
  EXPECT_EQ(DurationText(3900), "01h 05m");
  EXPECT_EQ(DurationText(0), "00h 00m");
  EXPECT_EQ(DurationText(3599.9), "00h 59m");
  EXPECT_EQ(DurationText(360000), "100h 00m");

  const ProgressFigures figures = UpdateProgress({0.8125f, 7}, 43, 100, 3, 120, false);
  EXPECT_EQ(figures.passes_to_go, "57/3");
  EXPECT_EQ(figures.percent, "[43.00%]");
  EXPECT_EQ(figures.elapsed, "00h 02m");
  EXPECT_DOUBLE_EQ(figures.estimated_total_seconds, 120.0 / 43 * 100);
  EXPECT_EQ(figures.estimated_total, "00h 04m");
  EXPECT_EQ(figures.remaining, "00h 02m");
  EXPECT_EQ(figures.yield, "81.25");
  EXPECT_EQ(figures.layouts, "7");
  EXPECT_EQ(UpdateProgress({0.8125f, 7}, 1, 3, 0, 0, false).percent, "[33.33%]");
  EXPECT_EQ(UpdateProgress({0.8125f, 7}, 2, 3, 0, 0, false).percent, "[66.67%]");
  EXPECT_EQ(UpdateProgress({0.8125f, 7}, 2, 3, 0, 0, true).yield, "NA");

  const ProgressStart start = StartProgress(30, Objective::kMinimumLayouts);
  EXPECT_EQ(start.total, 30);
  EXPECT_EQ(start.objective, Objective::kMinimumLayouts);
  EXPECT_EQ(start.message, "Optimizing...");
}

TEST(Progress, TheRunReportsEveryPassInOrderAndTimesFromTheFirst) {
  const HandJob job = TwoLayoutJob();
  int64_t now = 5000;
  std::vector<ProgressFigures> seen;
  std::vector<ProgressStart> starts;
  OptimizationCallbacks callbacks;
  callbacks.start = [&](const ProgressStart& start) { starts.push_back(start); };
  callbacks.progress = [&](const ProgressFigures& figures) { seen.push_back(figures); };
  callbacks.clock_seconds = [&] { return now += 60; };
  const OptimizationResult result = job.Run(4, callbacks, 3);

  ASSERT_EQ(starts.size(), 1u);
  EXPECT_EQ(starts[0].total, 4);
  EXPECT_EQ(starts[0].objective, Objective::kMaximumYield);
  ASSERT_EQ(seen.size(), 4u);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(seen[i].pass, i + 1);
    EXPECT_EQ(seen[i].total, 4);
    EXPECT_EQ(seen[i].elapsed_seconds, 60 * i);
  }
  EXPECT_EQ(seen[0].passes_to_go, "3/1");
  EXPECT_EQ(seen[0].estimated_total, "00h 00m");
  EXPECT_EQ(seen[3].percent, "[100.00%]");
  EXPECT_EQ(seen[3].estimated_total, "00h 03m");
  EXPECT_EQ(seen[3].remaining, "00h 00m");
  const PassStatistics best = PassStats(result.best);
  EXPECT_EQ(seen[3].layouts, "2");
  EXPECT_EQ(best.layout_count, 2);
  EXPECT_EQ(seen[3].passes_to_go, "0/" + std::to_string(result.improvements));
}

// The prepared lists of a hand job, as a run prepares them.
struct PreparedJob {
  explicit PreparedJob(const HandJob& job) : input(PrepareEngineInput(job.Engine())) {
    AddKerf(input.stocks, input.glasses, input.basic.kerf);
    SortByArea(input.stocks, input.glasses);
  }
  RunSetup Setup(int32_t total) const {
    return MakeRunSetup(input.stocks, input.glasses, 0.001f, input.basic.blade, 0, false, total);
  }
  EngineInput input;
};

TEST(RunPass, IsCutShortRightAfterTheLayoutThatPassesTheBestStockArea) {
  const PreparedJob prepared(TwoLayoutJob());
  const RunSetup setup = prepared.Setup(4);
  PassBuffers buffers;
  PassOutcome whole;
  RunPass(setup, 1, 0, buffers, whole);
  ASSERT_TRUE(whole.complete);
  ASSERT_EQ(whole.result.Back().layout_no, 2);
  EXPECT_EQ(whole.area_sum, 3e6f);
  EXPECT_EQ(whole.area_sum, StockAreaSum(whole.result));

  PassOutcome cut;
  RunPass(setup, 1, 1.5e6f, buffers, cut);
  EXPECT_TRUE(cut.cut_short);
  EXPECT_FALSE(cut.complete);
  EXPECT_EQ(cut.largest_area_sum, 2e6f);
  EXPECT_EQ(cut.result.Back().layout_no, 1);

  PassOutcome equal;
  RunPass(setup, 1, 3e6f, buffers, equal);
  EXPECT_FALSE(equal.cut_short);
  EXPECT_EQ(equal.result, whole.result);
}

TEST(PassPipeline, HandsOutPassesInOrderExactForTheBestOfTheMoment) {
  const PreparedJob prepared(TwoLayoutJob());
  const RunSetup setup = prepared.Setup(8);
  // The workers begin against a tiny best area and so cut their passes short; a pass the
  // current best would not abandon must come out whole all the same.
  PassPipeline pipeline(setup, 3, 8, 3, 1.0f);
  const float best_sums[] = {0, 1e6f, 0, 2.5e6f, 0, 1e6f};
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    const PassOutcome& outcome = pipeline.Next(best_sums[i]);
    EXPECT_EQ(outcome.pass, 3 + i);
    if (outcome.cut_short) {
      EXPECT_TRUE(AreaSumIsWorse(outcome.largest_area_sum, best_sums[i]));
    } else {
      EXPECT_TRUE(outcome.complete);
    }
    if (best_sums[i] == 0) {
      EXPECT_FALSE(outcome.cut_short);
    }
  }
}

TEST(PassPipeline, GivesUpPassesNotYetAskedForWhenItGoes) {
  const PreparedJob prepared(TwoLayoutJob());
  const RunSetup setup = prepared.Setup(1000000);
  PassPipeline pipeline(setup, 1, 1000000, 4, 0);
  EXPECT_EQ(pipeline.Next(0).pass, 1);
}

}  // namespace
}  // namespace lumora
