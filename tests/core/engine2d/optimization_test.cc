#include "core/engine2d/optimization.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/engine2d/engine_jobs.h"
#include "core/engine2d/pass_pipeline.h"
#include "core/engine2d/pass_runner.h"
#include "core/engine2d/progress.h"
#include "core/engine2d/result_files.h"

namespace lumora {
namespace {

using testing::Element;
using testing::HandJob;
using testing::ListOf;

// A sheet takes one 700 piece and a remainder no 400 piece fits, so the two 700s make layout 1
// (cut twice) and the 400 layout 2.
HandJob TwoLayoutJob() {
  return HandJob("1001", "0", {{"1000", "1000", "10"}}, {{"700", "700", "2"}, {"400", "400", "1"}});
}

TEST(RunOptimization, HowARunEnds) {
  const testing::Rows stock = {{"1000", "1000", "5"}};
  const testing::Rows glass = {{"400", "400", "1"}};
  const std::string no_result = "Optimization done.\nNo complete result: ";
  struct Case {
    const char* name;
    HandJob job;
    int16_t efficiency;
    OptimizationEnd end;
    int32_t resume_pass;  // after the run; refused runs start with 7 and keep it
    int progress_calls;
    std::string message;
    bool coil = false;
    bool stop_flag = false;
  };
  const OptimizationEnd refused = OptimizationEnd::kRefused, done = OptimizationEnd::kDone;
  const std::string blade = "Wrong BLADE specfied.", sheets = "No valid SHEETS specified.";
  const std::string ok = "Optimization done.", stopped(kStoppedMessage);
  const Case cases[] = {
      // clang-format off
      {"BLADE 0, KERF 0", HandJob("0", "0", stock, glass), 10, refused, 7, 0, blade},
      {"BLADE 0, no stock", HandJob("0", "0", {}, glass), 10, refused, 7, 0, blade},
      // With a kerf BLADE passes, but no stock is narrower than a BLADE of 0.
      {"BLADE 0, KERF 3", HandJob("0", "3", stock, glass), 10, refused, 7, 0, sheets},
      {"no sheets", HandJob("1001", "0", {}, glass), 10, refused, 7, 0, sheets},
      {"no coils", HandJob("1001", "0", {}, glass), 10, refused, 7, 0, "No valid COILS specified.",
       true},
      {"stock too wide for BLADE", HandJob("999", "0", stock, glass), 10, refused, 7, 0, sheets},
      {"no glass", HandJob("1001", "0", stock, {{"400", "400", "0"}}), 10, refused, 7, 0,
       "No valid GLASS SIZES."},
      {"B too large", HandJob("1001", "0", stock, {{"800", "800", "1"}}, "300"), 2, done, 2, 2,
       no_result + "no glass piece could be placed; no layout for the glass left keeps every "
                   "balance side at least B (MM) 300."},
      {"sizes too large", HandJob("1001", "0", stock, {{"500", "500", "1"}, {"900", "1200", "1"},
                                                      {"1200", "900", "1", "1"}}), 2, done, 2, 2,
       no_result + "glass sizes never placed: 1200 x 900, 900 x 1200; the glass left fits no "
                   "sheet left once margins and trim allowance are taken off."},
      {"B kept", HandJob("1001", "0", stock, {{"400", "400", "3"}}, "100"), 2, done, 2, 2, ok},
      {"sheets run out", HandJob("1001", "0", {{"1000", "1000", "1"}}, {{"600", "600", "2"}}), 3,
       done, 3, 3, no_result + "the sheets ran out."},
      {"EFF 0", TwoLayoutJob(), 0, done, 1, 0, no_result + "EFF 0 runs no pass."},
      {"EFF -4", TwoLayoutJob(), -4, done, 1, 0, no_result + "EFF -4 runs no pass."},
      // A set stop flag gives up the pass on the calling thread: continuing runs pass 1 again.
      {"stop flag", TwoLayoutJob(), 3, OptimizationEnd::kStopped, 1, 0, stopped, false, true},
      // clang-format on
  };
  for (Case c : cases) {
    SCOPED_TRACE(c.name);
    c.job.coil_mode = c.coil;
    bool started = false;
    int progress_calls = 0;
    const std::atomic<bool> stop{true};
    OptimizationCallbacks callbacks;
    callbacks.start = [&](const ProgressStart&) { started = true; };
    callbacks.progress = [&](const ProgressFigures& figures) {
      ++progress_calls;
      EXPECT_TRUE(c.message == kDoneMessage || figures.yield + figures.layouts == "0.000");
    };
    if (c.stop_flag) callbacks.stop_flag = &stop;
    const OptimizationResult result =
        c.job.Run(c.efficiency, callbacks, 1, c.end == refused ? 7 : 0);
    EXPECT_EQ(result.end, c.end);
    EXPECT_EQ(result.message, c.message);
    EXPECT_EQ(result.resume_pass, c.resume_pass);
    EXPECT_EQ(result.best.Empty(), c.message != kDoneMessage);
    EXPECT_EQ(started, c.end != refused);
    EXPECT_EQ(progress_calls, c.progress_calls);
  }
}

TEST(RunOptimization, WithoutAnObjectiveTheFirstCompletePassIsKept) {
  HandJob job("2001", "0", {{"2000", "1000", "5"}},
              {{"700", "450", "7"}, {"300", "250", "9"}, {"1100", "400", "3"}});
  job.objective = Objective::kNone;
  const OptimizationResult first_pass_only = job.Run(1);
  ASSERT_FALSE(first_pass_only.best.Empty());
  const OptimizationResult many = job.Run(20, {}, 2);
  EXPECT_EQ(std::pair(many.improvements, many.best), std::pair(1, first_pass_only.best));
}

TEST(RunOptimization, CoilCandidatesWithoutPiecesAreNotKept) {
  // The 1370 piece must lie across, and only the wider coil takes it. Once the narrow coil
  // can hold nothing, its empty candidate would win on its used length of 0.
  HandJob job("5001", "0", {{"5000", "1520", "1"}, {"5000", "1220", "1"}},
              {{"1370", "505", "2", "2"}, {"500", "400", "3"}});
  job.coil_mode = true;
  const OptimizationResult result = job.Run(2);
  float pieces = 0;
  for (const LayoutElement& element : result.best) pieces += element.kind > 0 ? element.repeat : 0;
  EXPECT_EQ(pieces, 5.0f);
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

TEST(AreaSumIsWorse, ComparesStockAreaTimesRepeatStrictly) {
  const auto result = [](std::vector<float> repeats) {
    ElementList list;
    int layout_no = 0;
    for (const float repeat : repeats) {
      list.Append(Element(kStockFrame, 0, 0, 10, 20, ++layout_no, repeat));
      list.Append(Element(1, 0, 0, 10, 20, layout_no, repeat, 1, 1));
    }
    return list;
  };
  const auto worse = [](const ElementList& pass, const ElementList& best) {
    return AreaSumIsWorse(StockAreaSum(pass), StockAreaSum(best));
  };
  EXPECT_TRUE(worse(result({2, 2}), result({3})));
  EXPECT_FALSE(worse(result({1, 2}), result({3})));
  EXPECT_FALSE(worse(result({1}), result({3})));
  EXPECT_FALSE(worse(result({9}), ElementList()));
  EXPECT_FLOAT_EQ(StockAreaSum(result({2, 5})), 1400.0f);
}

TEST(Progress, FiguresAndTexts) {
  for (const auto& [seconds, text] : std::vector<std::pair<double, std::string>>{
           {3900, "01h 05m"}, {0, "00h 00m"}, {3599.9, "00h 59m"}, {360000, "100h 00m"}}) {
    EXPECT_EQ(DurationText(seconds), text);
  }
  const ProgressFigures figures = UpdateProgress({0.8125f, 7}, 43, 100, 3, 120, false);
  EXPECT_EQ(figures.passes_to_go + figures.percent + figures.elapsed + figures.estimated_total +
                figures.remaining + figures.yield + figures.layouts,
            "57/3[43.00%]00h 02m00h 04m00h 02m81.257");
  EXPECT_DOUBLE_EQ(figures.estimated_total_seconds, 120.0 / 43 * 100);
  EXPECT_EQ(UpdateProgress({0.8125f, 7}, 1, 3, 0, 0, false).percent +
                UpdateProgress({0.8125f, 7}, 2, 3, 0, 0, false).percent +
                UpdateProgress({0.8125f, 7}, 2, 3, 0, 0, true).yield,
            "[33.33%][66.67%]NA");
  const ProgressStart start = StartProgress(30, Objective::kMinimumLayouts);
  EXPECT_EQ(std::tuple(start.total, start.objective, start.message),
            std::tuple(30, Objective::kMinimumLayouts, "Optimizing..."));
}

// The end of a deep run says whether it beat the standard result, by the objective's figure
// first, and by how much.
TEST(Progress, ADeepResultIsComparedWithTheStandardOne) {
  using enum Objective;
  const struct {
    PassStatistics standard, result;
    Objective objective;
    bool coil;
    const char* text;
  } cases[] = {
      {{0.8945f, 8},
       {0.912f, 7},
       kMaximumYield,
       false,
       "Beats the standard result: yield 89.45% -> 91.20% (+1.75), layouts 8 -> 7 (-1)."},
      {{0.8945f, 8},
       {0.8945f, 8},
       kMaximumYield,
       false,
       "No better than the standard result: yield 89.45%, 8 layouts."},
      {{0.8945f, 8},
       {0.89451f, 8},
       kNone,
       false,
       "No better than the standard result: yield 89.45%, 8 layouts."},
      {{0.8945f, 8},
       {0.88f, 7},
       kMaximumYield,
       false,
       "No better than the standard result: yield 89.45% -> 88.00% (-1.45), layouts 8 -> 7 (-1)."},
      {{0.8945f, 8},
       {0.88f, 7},
       kMinimumLayouts,
       false,
       "Beats the standard result: yield 89.45% -> 88.00% (-1.45), layouts 8 -> 7 (-1)."},
      {{0.8945f, 8},
       {0.8945f, 7},
       kNone,
       false,
       "Beats the standard result: yield 89.45% -> 89.45% (0.00), layouts 8 -> 7 (-1)."},
      {{0.2f, 4},
       {0.3f, 3},
       kMaximumYield,
       true,
       "Beats the standard result: layouts 4 -> 3 (-1)."},
      {{0.2f, 4}, {0.3f, 4}, kMaximumYield, true, "No better than the standard result: 4 layouts."},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ComparedWithStandard(c.standard, c.result, c.objective, c.coil), c.text);
  }
}

TEST(Progress, TheRunReportsEveryPassInOrderAndTimesFromTheFirst) {
  int64_t now = 5000;
  std::vector<ProgressFigures> seen;
  std::vector<ProgressStart> starts;
  OptimizationCallbacks callbacks;
  callbacks.start = [&](const ProgressStart& start) { starts.push_back(start); };
  callbacks.progress = [&](const ProgressFigures& figures) { seen.push_back(figures); };
  callbacks.clock_seconds = [&] { return now += 60; };
  const OptimizationResult result = TwoLayoutJob().Run(4, callbacks, 3);
  ASSERT_EQ(starts.size(), 1u);
  EXPECT_EQ(std::pair(starts[0].total, starts[0].objective),
            std::pair(4, Objective::kMaximumYield));
  ASSERT_EQ(seen.size(), 4u);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(std::tuple(seen[i].pass, seen[i].total, seen[i].elapsed_seconds),
              std::tuple(i + 1, 4, 60 * i));
  }
  EXPECT_EQ(seen[0].passes_to_go + seen[0].estimated_total, "3/100h 00m");
  EXPECT_EQ(seen[3].percent + seen[3].estimated_total + seen[3].remaining + seen[3].layouts,
            "[100.00%]00h 03m00h 00m2");
  EXPECT_EQ(PassStats(result.best).layout_count, 2);
  EXPECT_EQ(seen[3].passes_to_go, "0/" + std::to_string(result.improvements));
}

RunSetup TwoLayoutSetup(const EngineInput& input, int32_t total) {
  return MakeRunSetup(input.stocks, input.glasses, 0.001f, input.basic.blade, 0, false, total);
}

TEST(RunPass, IsCutShortRightAfterTheLayoutThatPassesTheBestStockArea) {
  const EngineInput input = TwoLayoutJob().Prepared();
  const RunSetup setup = TwoLayoutSetup(input, 4);
  PassBuffers buffers;
  PassOutcome whole;
  RunPass(setup, 1, 0, buffers, whole);
  ASSERT_TRUE(whole.complete);
  ASSERT_EQ(whole.result.Back().layout_no, 2);
  EXPECT_EQ(std::pair(whole.area_sum, StockAreaSum(whole.result)), std::pair(3e6f, 3e6f));
  PassOutcome cut;
  RunPass(setup, 1, 1.5e6f, buffers, cut);
  EXPECT_EQ(
      std::tuple(cut.cut_short, cut.complete, cut.largest_area_sum, cut.result.Back().layout_no),
      std::tuple(true, false, 2e6f, 1));
  PassOutcome equal;
  RunPass(setup, 1, 3e6f, buffers, equal);
  EXPECT_FALSE(equal.cut_short);
  EXPECT_EQ(equal.result, whole.result);
}

TEST(PassPipeline, HandsOutPassesInOrderExactForTheBestOfTheMoment) {
  const EngineInput input = TwoLayoutJob().Prepared();
  // The workers begin against a tiny best area and so cut their passes short; a pass the
  // current best would not abandon must come out whole all the same.
  const RunSetup setup = TwoLayoutSetup(input, 8);
  PassPipeline pipeline(setup, 3, 8, 3, 1.0f);
  const float best_sums[] = {0, 1e6f, 0, 2.5e6f, 0, 1e6f};
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    const PassOutcome& outcome = pipeline.Next(best_sums[i]);
    EXPECT_EQ(outcome.pass, 3 + i);
    EXPECT_TRUE(outcome.cut_short ? AreaSumIsWorse(outcome.largest_area_sum, best_sums[i])
                                  : outcome.complete);
    EXPECT_FALSE(best_sums[i] == 0 && outcome.cut_short);
  }
  // Passes not yet asked for are given up when the pipeline goes.
  const RunSetup long_setup = TwoLayoutSetup(input, 1000000);
  PassPipeline long_one(long_setup, 1, 1000000, 4, 0);
  EXPECT_EQ(long_one.Next(0).pass, 1);
}

}  // namespace
}  // namespace lumora
