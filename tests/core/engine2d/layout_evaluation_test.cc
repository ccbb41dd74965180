#include "core/engine2d/layout_evaluation.h"

#include <gtest/gtest.h>

#include "core/engine2d/engine_builders.h"

namespace lumora {
namespace {

using testing::Element;
using testing::ListOf;

// Candidates on a 10 x 10 sheet, each with half of it in pieces:
//   best         wider free       fewer cuts       tie
//   +----+----+  +---------+      +----+----+      like best
//   |    |free|  | piece   |      |    |free|
//   | pc |----|  |---------|      | pc |----|
//   |    |    |  | free    |      |    |    |
//   +----+----+  +---------+      +----+----+
//   free 20, 1 cut   free 50      free 20, no cut
ElementList Candidate(float free_y2, float free_x1, bool with_cut, float piece_x2 = 5) {
  ElementList list = ListOf<LayoutElement>(
      {Element(kStockFrame, 0, 0, 10, 10), Element(1, 0, 0, piece_x2, 10, 0, 0, 1, 1),
       Element(kFreeRect, free_x1, 0, 10, free_y2), Element(kSpent, 0, 0, 10, 10)});
  if (with_cut) list.Append(Element(kFullCut, 5, 0, 5, 10));
  return list;
}

TEST(CandidateIsBetter, SheetsByYieldLargestFreeRectFewerCutsCoilsByUsedLength) {
  const CandidateStatistics best = CandidateStats(Candidate(4, 5, true));
  struct Case {
    const char* name;
    ElementList current;
    bool wins;
  };
  const Case cases[] = {
      {"higher yield, less free", Candidate(1, 6, true, 6), true},
      {"lower yield, more free", Candidate(10, 4, false, 4), false},
      {"larger free rectangle", Candidate(10, 5, true), true},
      {"smaller free rectangle, no cut", Candidate(2, 5, false), false},
      {"fewer full cuts", Candidate(4, 5, false), true},
      {"complete tie", Candidate(4, 5, true), false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SheetCandidateIsBetter(CandidateStats(c.current), best), c.wins) << c.name;
  }

  const CandidateStatistics longer = CandidateStats(ListOf<LayoutElement>(
      {Element(kStockFrame, 0, 0, 10, 100), Element(1, 0, 0, 10, 40, 0, 0, 1, 1)}));
  const CandidateStatistics shorter_thinner = CandidateStats(ListOf<LayoutElement>(
      {Element(kStockFrame, 0, 0, 10, 100), Element(1, 0, 0, 5, 30, 0, 0, 1, 1)}));
  EXPECT_EQ(shorter_thinner.used_length, 30.0f);
  EXPECT_TRUE(CoilCandidateIsBetter(shorter_thinner, longer));
  EXPECT_FALSE(CoilCandidateIsBetter(longer, shorter_thinner));
}

// 3 pieces of a size of which 10 are wanted: three copies at most, fewer when stock is short.
TEST(RepeatCount, FewestWholeCopiesCappedByStock) {
  const QuantityList pass_glass = ListOf<float>({10, 4});
  const QuantityList best_glass = ListOf<float>({7, 4});
  EXPECT_EQ(RepeatCount(5, pass_glass, best_glass), 3.0f);
  EXPECT_EQ(RepeatCount(2, pass_glass, best_glass), 2.0f);
  EXPECT_EQ(RepeatCount(5, ListOf<float>({10, 5}), ListOf<float>({7, 3})), 2.0f);
  EXPECT_EQ(RepeatCount(5, pass_glass, pass_glass), 0.0f);
}

TEST(CommitLayout, TakesTheCopiesAndStampsTheLayout) {
  QuantityList stock = ListOf<float>({1, 5});
  QuantityList pass_glass = ListOf<float>({10, 5, 3});
  const QuantityList best_glass = ListOf<float>({7, 3, 3});
  ElementList layout = ListOf<LayoutElement>(
      {Element(kStockFrame, 0, 0, 10, 10, 0, 0, 2), Element(1, 0, 0, 5, 5, 0, 0, 2, 1)});
  CommitLayout(2, 2, stock, pass_glass, best_glass, layout, 4);
  EXPECT_EQ(stock, ListOf<float>({1, 3}));
  EXPECT_EQ(pass_glass, ListOf<float>({4, 1, 3}));
  for (const LayoutElement& e : layout)
    EXPECT_EQ(std::pair(e.layout_no, e.repeat), std::pair(4, 2.0f));
  ElementList result = ListOf<LayoutElement>({Element(kStockFrame, 0, 0, 1, 1, 3)});
  AppendLayout(layout, result);
  ASSERT_EQ(result.Count(), 3);
  EXPECT_EQ(result[3], layout[2]);
  EXPECT_TRUE(AllGlassPlaced(ListOf<float>({0, -1})));
  EXPECT_FALSE(AllStockUsed(stock));
  EXPECT_FALSE(StockAvailable(stock, 3));
}

// One layout per entry: frame 1000 x frame_y cut `repeat` times, one piece 1000 x piece_y.
ElementList Result(std::initializer_list<std::array<float, 3>> layouts) {
  ElementList result;
  int layout_no = 0;
  for (const auto& [frame_y, piece_y, repeat] : layouts) {
    ++layout_no;
    result.Append(Element(kStockFrame, 0, 0, 1000, frame_y, layout_no, repeat));
    result.Append(Element(kFreeRect, 0, piece_y, 1000, frame_y, layout_no, repeat));
    result.Append(Element(1, 0, 0, 1000, piece_y, layout_no, repeat, 1, 1));
  }
  return result;
}

TEST(PassStats, YieldRoundedToSixDecimalsAndTheLastLayoutNumber) {
  const PassStatistics stats = PassStats(Result({{1000, 123.4564f, 1}, {500, 0, 2}}));
  EXPECT_EQ(stats.yield, 0.061728f);
  EXPECT_EQ(stats.layout_count, 2);
  EXPECT_EQ(PassStats(ElementList()).layout_count, 0);
  EXPECT_EQ(LastLayoutPieceArea(Result({{1000, 100, 1}, {1000, 200, 1}})), 200000.0f);
  EXPECT_EQ(LastLayoutPieceArea(ElementList()), 0.0f);
}

TEST(KeepBetterSheetResult, ObjectivesAndTieBreaks) {
  // Yields 0.1234561 and 0.1234564 agree to six decimals: the one layout fewer decides.
  const ElementList one_layout = Result({{1000, 123.4561f, 1}});
  const ElementList two_layouts = Result({{500, 123.4564f, 1}, {500, 0, 1}});
  ASSERT_EQ(PassStats(one_layout).yield, PassStats(two_layouts).yield);
  const ElementList higher_yield = Result({{500, 200, 1}, {500, 200, 1}});
  // Same yield and count: the result whose last layout holds less glass.
  const ElementList less_in_last = Result({{500, 200, 1}, {500, 100, 1}, {500, 0, 1}});
  const ElementList more_in_last = Result({{500, 100, 1}, {500, 0, 1}, {500, 200, 1}});

  struct Case {
    const char* name;
    const ElementList& current;
    const ElementList& best;
    Objective objective;
    bool accepted;
  };
  const Case cases[] = {
      {"yield: equal after rounding, fewer layouts", one_layout, two_layouts,
       Objective::kMaximumYield, true},
      {"yield: more layouts", two_layouts, one_layout, Objective::kMaximumYield, false},
      {"yield: higher yield, more layouts", higher_yield, one_layout, Objective::kMaximumYield,
       true},
      {"yield: less in the last layout", less_in_last, more_in_last, Objective::kMaximumYield,
       true},
      {"yield: more in the last layout", more_in_last, less_in_last, Objective::kMaximumYield,
       false},
      {"layouts: fewer at lower yield", one_layout, higher_yield, Objective::kMinimumLayouts, true},
      {"layouts: same count, higher yield", higher_yield, two_layouts, Objective::kMinimumLayouts,
       true},
      {"layouts: less in the last layout", less_in_last, more_in_last, Objective::kMinimumLayouts,
       true},
      {"no objective", higher_yield, two_layouts, Objective::kNone, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ElementList best = c.best;
    int improvements = 4;
    KeepBetterSheetResult(c.current, best, c.objective, improvements);
    EXPECT_EQ(best == c.current, c.accepted);
    EXPECT_EQ(improvements, c.accepted ? 5 : 4);
  }
  ElementList empty;
  int improvements = 0;
  KeepBetterSheetResult(two_layouts, empty, Objective::kNone, improvements);
  EXPECT_EQ(empty, two_layouts);
  EXPECT_EQ(improvements, 1);
}

// Used length 1000 cut twice and 500 once: 2500 of coil, which beats 2600.
TEST(CoilResultIsBetter, ShorterTotalCoilLengthUnderMaximumYield) {
  const ElementList shorter = Result({{5000, 1000, 2}, {5000, 500, 1}});
  const ElementList longer = Result({{5000, 1300, 2}});
  EXPECT_EQ(TotalCoilLength(shorter), 2500.0f);
  EXPECT_EQ(TotalCoilLength(longer), 2600.0f);
  EXPECT_EQ(TotalCoilLength(ElementList()), 0.0f);

  const auto better = [](const ElementList& current, const ElementList& best, Objective objective) {
    return CoilResultIsBetter(ResultStats(current), ResultStats(best), objective);
  };
  EXPECT_TRUE(better(shorter, longer, Objective::kMaximumYield));
  EXPECT_FALSE(better(longer, shorter, Objective::kMaximumYield));
  // Minimum layouts ranks coil results as sheet results: one layout beats two.
  EXPECT_TRUE(better(longer, shorter, Objective::kMinimumLayouts));
}

}  // namespace
}  // namespace lumora
