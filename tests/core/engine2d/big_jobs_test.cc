#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/engine2d/engine_builders.h"
#include "core/engine2d/engine_input.h"
#include "core/engine2d/optimization.h"

// Jobs at the edges of the data model: thousands of rows, extreme sheets and quantities, and
// results that would pass the bound of 32767 layouts or elements.
namespace lumora {
namespace {

using Row = std::vector<std::string>;

// A job grid of `count` data rows made by `make_row` (cells from column 1) and the entry row.
Grid ManyRows(int data_cols, int count, const std::function<Row(int)>& make_row) {
  std::vector<Row> rows;
  rows.reserve(static_cast<size_t>(count));
  for (int i = 1; i <= count; ++i) rows.push_back(make_row(i));
  return testing::JobGrid(data_cols, rows);
}

Row SheetRow(const std::string& l1, const std::string& l2, const std::string& qty) {
  return {l1, l2, "", "", qty};
}

Row GlassRow(const std::string& l1, const std::string& l2, const std::string& qty,
             const std::string& customer = "") {
  return {l1, l2, "", "", qty, "", "", "", customer};
}

struct BigJob {
  Grid basic = testing::JobGrid(11, {{"FLOAT", "CLR", "4", "", "", "0", "", "0", "0", "", ""}});
  Grid sheet;
  Grid glass;
  bool coil_mode = false;

  // BLADE as the start of a run writes it: above every stock side.
  void SetBlade(const std::string& blade) { basic.SetText(1, 4, blade); }

  EngineJob Engine() const {
    return {.basic = basic,
            .sheet = sheet,
            .glass = glass,
            .coil_mode = coil_mode,
            .maximum_yield_checked = true};
  }

  // One pass at a time on one thread; stop_after > 0 asks for the stop after that pass.
  OptimizationResult Run(int16_t efficiency, int32_t stop_after = 0) const {
    OptimizationSettings settings;
    settings.efficiency = efficiency;
    settings.trim_allowance = 0.001f;
    settings.threads = 1;
    int32_t last_pass = 0;
    OptimizationCallbacks callbacks;
    callbacks.progress = [&](const ProgressFigures& figures) { last_pass = figures.pass; };
    callbacks.stop_requested = [&] { return stop_after > 0 && last_pass >= stop_after; };
    return RunOptimization(Engine(), settings, callbacks);
  }

  // The lists as the run prepares them, so that kinds and stock indices can be resolved.
  EngineInput Prepared() const {
    EngineInput input = PrepareEngineInput(Engine());
    AddKerf(input.stocks, input.glasses, input.basic.kerf);
    SortByArea(input.stocks, input.glasses);
    return input;
  }
};

// Checks a complete result against the prepared lists: every glass index got exactly its
// quantity of pieces (pieces times the layout's repeat), no stock was cut more often than it is
// there, every piece lies on its stock, and the lists stay within the data model's bound.
void ExpectEveryPieceCounted(const BigJob& job, const ElementList& best) {
  ASSERT_FALSE(best.Empty());
  EXPECT_LE(best.Count(), kMaxListCount);
  const EngineInput input = job.Prepared();
  std::map<int, double> pieces;
  std::map<int, double> stock_used;
  LayoutElement frame;
  for (const LayoutElement& element : best) {
    ASSERT_TRUE(input.stocks.Contains(element.stock_index)) << element.stock_index;
    ASSERT_GE(element.layout_no, 1);
    ASSERT_LE(element.layout_no, kMaxListCount);
    if (element.kind == kStockFrame) {
      frame = element;
      stock_used[element.stock_index] += element.repeat;
    } else if (element.kind > 0) {
      ASSERT_TRUE(input.glasses.Contains(element.kind)) << element.kind;
      pieces[element.kind] += element.repeat;
      EXPECT_GE(element.x1, frame.x1);
      EXPECT_GE(element.y1, frame.y1);
      EXPECT_LE(element.x2, frame.x2);
      EXPECT_LE(element.y2, frame.y2);
    }
  }
  for (int g = 1; g <= input.glasses.Count(); ++g) {
    EXPECT_EQ(pieces[g], input.glasses[g].qty) << "glass index " << g;
  }
  for (const auto& [stock, used] : stock_used) {
    EXPECT_LE(used, input.stocks[stock].qty) << "stock index " << stock;
  }
}

TEST(BigJobs, FiveThousandGlassRowsArePlacedWithTheirMergedQuantities) {
  // Groups of 500 rows that differ only in quantity merge onto the last row of each group, so
  // glass indices run up to 5000 while most records are left with nothing to place.
  BigJob job;
  job.SetBlade("3661");
  job.sheet = testing::JobGrid(10, {SheetRow("3660", "2440", "500")});
  job.glass = ManyRows(16, 5000, [](int i) {
    const int group = (i - 1) / 500;
    return GlassRow(std::to_string(300 + 40 * group), std::to_string(200 + 30 * group),
                    std::to_string(1 + i % 3), "SHOP" + std::to_string(group));
  });
  const OptimizationResult result = job.Run(1);
  ASSERT_EQ(result.end, OptimizationEnd::kDone);
  EXPECT_EQ(result.message, kDoneMessage);
  ExpectEveryPieceCounted(job, result.best);
}

TEST(BigJobs, FiveHundredStockRowsStopAfterTheFirstPassWithAResult) {
  // 500 sizes times EFF 10 make 5000 passes; a stop after the first leaves its result and the
  // pass to continue from.
  BigJob job;
  job.SetBlade("3000");
  job.sheet = ManyRows(10, 500, [](int i) {
    return SheetRow(std::to_string(1500 + i), std::to_string(1000 + i % 300), "3");
  });
  job.glass = ManyRows(16, 8, [](int i) {
    return GlassRow(std::to_string(200 + 90 * i), std::to_string(150 + 70 * i), "4");
  });
  int32_t total = 0;
  OptimizationSettings settings;
  settings.efficiency = 10;
  settings.trim_allowance = 0.001f;
  settings.threads = 1;
  OptimizationCallbacks callbacks;
  callbacks.start = [&](const ProgressStart& start) { total = start.total; };
  callbacks.stop_requested = [] { return true; };
  const OptimizationResult result = RunOptimization(job.Engine(), settings, callbacks);
  EXPECT_EQ(total, 5000);
  ASSERT_EQ(result.end, OptimizationEnd::kStopped);
  EXPECT_EQ(result.resume_pass, 1);
  ExpectEveryPieceCounted(job, result.best);
}

TEST(BigJobs, ASheetOfOneByOneHundredThousandTakesItsStrips) {
  BigJob job;
  job.SetBlade("100001");
  job.sheet = testing::JobGrid(10, {SheetRow("1", "100000", "10")});
  job.glass = testing::JobGrid(16, {GlassRow("1", "1000", "50"), GlassRow("1", "300", "7")});
  const OptimizationResult result = job.Run(1);
  ASSERT_EQ(result.end, OptimizationEnd::kDone);
  ExpectEveryPieceCounted(job, result.best);
}

TEST(BigJobs, ABlockLargerThanTheElementListTakesWhatTheListHolds) {
  // A 1 x 100000 strip holds 100000 pieces of 1 x 1; one layout can only take 32758 of them
  // beside its frame, margins and remainders, so 65516 pieces are that layout cut twice.
  BigJob job;
  job.SetBlade("100001");
  job.sheet = testing::JobGrid(10, {SheetRow("1", "100000", "10")});
  job.glass = testing::JobGrid(16, {GlassRow("1", "1", "65516")});
  const OptimizationResult result = job.Run(1);
  ASSERT_EQ(result.end, OptimizationEnd::kDone);
  EXPECT_EQ(result.message, kDoneMessage);
  ExpectEveryPieceCounted(job, result.best);
  EXPECT_EQ(result.best[1].repeat, 2);
}

TEST(BigJobs, AResultPastTheElementBoundIsToldInsteadOfEndingQuietly) {
  // 40000 pieces need a second layout the result has no room for: no pass completes.
  BigJob job;
  job.SetBlade("100001");
  job.sheet = testing::JobGrid(10, {SheetRow("1", "100000", "10")});
  job.glass = testing::JobGrid(16, {GlassRow("1", "1", "40000")});
  const OptimizationResult result = job.Run(1);
  EXPECT_EQ(result.end, OptimizationEnd::kDone);
  EXPECT_TRUE(result.best.Empty());
  EXPECT_EQ(result.message, std::string(kDoneMessage) + "\n" + std::string(kLimitMessage));

}

TEST(BigJobs, QuantitiesOf99999AreAllPlaced) {
  BigJob job;
  job.SetBlade("3661");
  job.sheet = testing::JobGrid(10, {SheetRow("3660", "2440", "99999")});
  job.glass =
      testing::JobGrid(16, {GlassRow("100", "100", "99999"), GlassRow("300", "200", "99999")});
  const OptimizationResult result = job.Run(1);
  ASSERT_EQ(result.end, OptimizationEnd::kDone);
  ExpectEveryPieceCounted(job, result.best);

  job.coil_mode = true;
  job.sheet = testing::JobGrid(10, {SheetRow("2000", "1200", "0")});
  const OptimizationResult coil = job.Run(1);
  ASSERT_EQ(coil.end, OptimizationEnd::kDone);
  ExpectEveryPieceCounted(job, coil.best);
}

TEST(BigJobs, MoreRowsThanTheDataModelHoldsAreRefusedBeforeAnyPass) {
  BigJob job;
  job.SetBlade("3661");
  job.sheet = testing::JobGrid(10, {SheetRow("3660", "2440", "5")});
  // Only the first of 32767 rows is usable: the bound itself is accepted.
  const auto one_usable = [](int i) { return i == 1 ? GlassRow("500", "400", "2") : Row{}; };
  job.glass = ManyRows(16, kMaxListCount, one_usable);
  EXPECT_EQ(job.Run(1).end, OptimizationEnd::kDone);

  job.glass = ManyRows(16, kMaxListCount + 1, one_usable);
  OptimizationResult refused = job.Run(1);
  EXPECT_EQ(refused.end, OptimizationEnd::kRefused);
  EXPECT_EQ(refused.message, kTooManyGlassMessage);

  job.glass = testing::JobGrid(16, {GlassRow("500", "400", "2")});
  const auto one_sheet = [](int i) { return i == 1 ? SheetRow("3660", "2440", "5") : Row{}; };
  job.sheet = ManyRows(10, kMaxListCount + 1, one_sheet);
  refused = job.Run(1);
  EXPECT_EQ(refused.end, OptimizationEnd::kRefused);
  EXPECT_EQ(refused.message, kTooManySheetsMessage);
  job.coil_mode = true;
  EXPECT_EQ(job.Run(1).message, kTooManyCoilsMessage);
}

}  // namespace
}  // namespace lumora
