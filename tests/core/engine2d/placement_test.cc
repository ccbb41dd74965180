#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/engine2d/block_placement.h"
#include "core/engine2d/candidate.h"
#include "core/engine2d/engine_builders.h"
#include "core/engine2d/engine_input.h"
#include "core/engine2d/layout_evaluation.h"
#include "core/engine2d/result_files.h"
#include "core/engine2d/result_validator.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

using testing::Element;
using testing::Glass;
using testing::ListOf;
using testing::Stock;

// One stock and one glass size, a fresh layout on the stock (free rectangle 6).
struct Bench {
  Bench(StockRecord stock, GlassRecord glass, float trim_allowance = 0.001f)
      : stocks(ListOf<StockRecord>({stock})), glasses(ListOf<GlassRecord>({glass})) {
    trim = trim_allowance;
    qty = GlassQuantities(glasses);
    StartLayout(stocks, 1, elements);
  }
  BlockSize Place(int pattern, int pass = 1, bool first_block = false, int total = 100) {
    const PlacementSetup setup{stocks, glasses, trim, blade, pass, total};
    return PlaceBlock(setup, qty, 1, elements, 6, pattern, first_block, random);
  }
  StockList stocks;
  GlassList glasses;
  float trim;
  float blade = 1e6f;
  QuantityList qty;
  ElementList elements;
  RandomState random;
};

// Patterns 1 and 2 cut across only from the left margin, 3 and 4 down only from the top margin.
// A 100 x 100 piece goes into a rectangle off one margin (x1 = 50 or y1 = 50); its right
// remainder is as high as the block when the first cut ran across.
TEST(PlaceBlock, MarginRuleOfPatternsOneToFour) {
  const bool across_off_left[] = {false, false, false, false, true, true, false, false};
  const bool across_off_top[] = {true, true, true, true, true, true, false, false};
  for (int pattern = 1; pattern <= 8; ++pattern) {
    SCOPED_TRACE(pattern);
    Bench off_left(Stock(700, 1000), Glass(100, 100, 1));
    off_left.elements[6].x1 = 50;
    ASSERT_TRUE(off_left.Place(pattern).Placed());
    EXPECT_EQ(off_left.elements[8].y2 == 100, across_off_left[pattern - 1]);
    Bench off_top(Stock(700, 1000), Glass(100, 100, 1));
    off_top.elements[6].y1 = 50;
    ASSERT_TRUE(off_top.Place(pattern).Placed());
    EXPECT_EQ(off_top.elements[8].y2 == 150, across_off_top[pattern - 1]);
  }
}

// Each case in patterns 1 to 8, as the first block of its pass: the block made in patterns 1 to
// 4 and again in 5 to 8 ("-" for none), what is left wanted, the first piece's right edge and
// orientation when they matter.
TEST(PlaceBlock, WhatFits) {
  const float trim = static_cast<float>(2.0 + 0.001);  // T (MM) = 2
  const std::string none = "- - - -", all_1x1 = "1x1 1x1 1x1 1x1";
  const GlassRecord three = Glass(600, 500, 3, 1);
  Bench capped(Stock(1000, 1000), Glass(100, 100, 100, 1));
  capped.blade = 250;
  struct Case {
    const char* name;
    Bench bench;
    int pass;
    std::string blocks;
    float qty_left;
    float x2_of_first = 0;
    int orientation = 0;
  };
  // Room for 3 x 3 (900 x 600, glass 300 x 200 laid one way only): rows first (patterns 1, 2)
  // lowers ny, columns first nx. A rectangle exactly 3 x (500 - 2) wide takes three 500 pieces
  // squeezed to 498. Glass L1 300 x L2 600 fits the sheet 400 wide only with its L1 across; ORN
  // 3 is neither 0, 1 nor 2: never placed, and no draw is made.
  // clang-format off
  const Case cases[] = {
      {"5 wanted", Bench(Stock(600, 900), Glass(200, 300, 5, 1)), 1, "3x1 3x1 1x3 1x3", 2},
      {"7 wanted", Bench(Stock(600, 900), Glass(200, 300, 7, 1)), 1, "3x2 3x2 2x3 2x3", 1},
      {"a fraction", Bench(Stock(600, 900), Glass(200, 300, 0.5f, 1)), 1, all_1x1, -0.5f},
      {"exact fit", Bench(Stock(600, 1494), three, trim), 1, "3x1 3x1 3x1 3x1", 0, 498},
      {"a hair short", Bench(Stock(600, 1493.99f), three, trim), 1, "2x1 2x1 2x1 2x1", 1},
      {"the blade caps the rows", capped, 1, "10x2 10x2 10x2 10x2", 80},
      {"ORN 1", Bench(Stock(700, 400), Glass(300, 600, 1, 1)), 1, none, 1},
      {"ORN 1, late pass", Bench(Stock(700, 400), Glass(300, 600, 1, 1)), 40, none, 1},
      {"ORN 2", Bench(Stock(700, 400), Glass(300, 600, 1, 2)), 2, all_1x1, 0, 300, 2},
      {"ORN 2, late pass", Bench(Stock(700, 400), Glass(300, 600, 1, 2)), 17, all_1x1, 0, 300, 2},
      {"ORN 3", Bench(Stock(700, 400), Glass(300, 600, 1, 3)), 20, none, 1}};
  // clang-format on
  for (const Case& c : cases) {
    std::string blocks;
    for (int pattern = 1; pattern <= 8; ++pattern) {
      SCOPED_TRACE(::testing::Message() << c.name << ", pattern " << pattern);
      Bench bench = c.bench;
      ResetRandom(bench.random, 5);
      const RandomState before = bench.random;
      const BlockSize block = bench.Place(pattern, c.pass, c.pass > 1);
      blocks += block.Placed() ? std::to_string(block.nx) + "x" + std::to_string(block.ny) : "-";
      blocks += pattern < 8 ? " " : "";
      EXPECT_EQ(bench.qty[1], c.qty_left);
      if (!block.Placed()) {
        EXPECT_EQ(bench.elements.Count(), 6);
        EXPECT_EQ(bench.random.state, before.state);
      }
      EXPECT_EQ(c.x2_of_first > 0 ? bench.elements[7].x2 : 0, c.x2_of_first);
      EXPECT_EQ(c.orientation > 0 ? bench.elements[7].orientation : 0, c.orientation);
    }
    EXPECT_EQ(blocks, c.blocks + " " + c.blocks) << c.name;
  }
}

// From pass 17 an ORN 0 glass tries only the orientation drawn; the other is not tried.
TEST(PlaceBlock, LatePassesTryOnlyTheDrawnOrientation) {
  int placed = 0;
  for (int seed = 1; seed <= 20; ++seed) {
    Bench bench(Stock(700, 400), Glass(300, 600, 1));
    ResetRandom(bench.random, seed);
    RandomState probe = bench.random;
    const int drawn = RandomInt(probe, 1, 2);
    EXPECT_EQ(bench.Place(1, 17).Placed(), drawn == 2) << seed;
    EXPECT_EQ(bench.random.state, probe.state) << seed;  // exactly that draw, no more
    placed += drawn == 2 ? 1 : 0;
  }
  EXPECT_GT(placed, 0);
  EXPECT_LT(placed, 20);
}

// The first block of a candidate after pass 1 is thinned: passes 2 to 16 draw ny, then nx;
// later passes draw one count, which one depends on the pattern and on the pass against
// P = total * 0.55 (rounded half to even: 16 of 30, 28 of 50). Pass 1 and later blocks are
// never thinned.
TEST(PlaceBlock, ThinsTheFirstBlockAfterPassOne) {
  struct ThinCase {
    int pass, total, pattern;
    bool first, draws_nx, draws_ny;
  };
  // clang-format off
  for (const ThinCase c : {ThinCase{2, 30, 1, true, true, true}, {16, 30, 3, true, true, true},
           {17, 30, 1, true, true, false}, {17, 30, 3, true, false, true},
           {17, 50, 1, true, false, true}, {28, 50, 7, true, true, false},
           {29, 50, 7, true, false, true}, {1, 30, 1, true, false, false},
           {5, 30, 1, false, false, false}}) {
    // clang-format on
    SCOPED_TRACE(::testing::Message() << "pass " << c.pass << " of " << c.total);
    Bench bench(Stock(1000, 1000), Glass(100, 100, 1000, 1));
    ResetRandom(bench.random, 99);
    RandomState probe = bench.random;
    const int ny = c.draws_ny ? RandomInt(probe, 1, 10) : 10;
    const int nx = c.draws_nx ? RandomInt(probe, 1, 10) : 10;
    const BlockSize block = bench.Place(c.pattern, c.pass, c.first, c.total);
    EXPECT_EQ(block.nx, nx);
    EXPECT_EQ(block.ny, ny);
    EXPECT_EQ(bench.random.state, probe.state);
  }
}

TEST(FreeRects, NextIsTopMostOrLeftMostAndOnlyPositiveSizesStayFree) {
  // 2 is not free, 5 has the same corner as 3.
  ElementList elements =
      ListOf<LayoutElement>({Element(kFreeRect, 50, 10, 60, 20), Element(kNoFit, 0, 0, 10, 10),
                             Element(kFreeRect, 20, 10, 30, 20), Element(kFreeRect, 10, 30, 20, 40),
                             Element(kFreeRect, 20, 10, 40, 20)});
  for (const int pattern : {1, 2, 5, 6}) EXPECT_EQ(NextFreeRect(elements, pattern), 3);
  for (const int pattern : {3, 4, 7, 8}) EXPECT_EQ(NextFreeRect(elements, pattern), 4);
  EXPECT_EQ(NextFreeRect(elements, 0), 0);
  EXPECT_EQ(NextFreeRect(elements, 9), 0);
  ResetNoFit(elements);
  EXPECT_EQ(NextFreeRect(elements, 1), 2);
  EXPECT_EQ(NextFreeRect(ElementList(), 1), 0);
  EXPECT_EQ(NextFreeRect(ListOf<LayoutElement>({Element(kFreeRect, 0, 0, 1, 1)}), 1), 1);
  elements = ListOf<LayoutElement>({Element(kFreeRect, 0, 0, 1, 1), Element(kFreeRect, 5, 0, 5, 1),
                                    Element(kFreeRect, 0, 3, 1, 2)});
  for (int i = 1; i <= 3; ++i) DiscardIfEmpty(elements, i);
  EXPECT_EQ((std::vector{elements[1].kind, elements[2].kind, elements[3].kind}),
            (std::vector<int>{kFreeRect, kSpent, kSpent}));
}

// The inverse of the generator's output mixing, to reach any output on purpose.
uint64_t UnmixOutput(uint64_t z) {
  const auto unshift = [](uint64_t y, int s) {
    uint64_t x = y;
    for (int k = s; k < 64; k += s) x ^= y >> k;
    return x;
  };
  const auto inverse = [](uint64_t c) {
    uint64_t x = c;
    for (int i = 0; i < 6; ++i) x *= 2 - c * x;
    return x;
  };
  z = unshift(z, 31) * inverse(0x94D049BB133111EBull);
  z = unshift(z, 27) * inverse(0xBF58476D1CE4E5B9ull);
  return unshift(z, 30);
}

TEST(RandomInt, SplitMixDrawsAndNeverPassesHi) {
  RandomState random;
  ResetRandom(random, 0);
  EXPECT_EQ(NextRandom(random), static_cast<float>(0xE220A8) * 0x1p-24f);
  EXPECT_EQ(NextRandom(random), static_cast<float>(0x6E789E) * 0x1p-24f);
  // The largest r, 1 - 2^-24: 2 * r + 1 rounds to 3 in float, one past hi.
  random.state = UnmixOutput(0xFFFFFF0000000000ull) - 0x9E3779B97F4A7C15ull;
  RandomState probe = random;
  ASSERT_EQ(NextRandom(probe), 1.0f - 0x1p-24f);
  EXPECT_EQ(RandomInt(random, 1, 2), 2);
  ResetRandom(random, 17);
  for (int i = 0; i < 1000; ++i) {
    const int value = RandomInt(random, 3, 7);
    ASSERT_TRUE(value >= 3 && value <= 7) << value;
  }
}

// A jumbo sheet 3210 x 2250 with 10 mm margins, kerf 3, tolerance 2, and six glass sizes as a
// shop would order them, prepared the way a run prepares them. Each candidate is written as the
// run writes it: spent elements gone, committed once as layout 1, in file coordinates.
class BuildCandidateTest : public ::testing::Test {
 protected:
  BuildCandidateTest() {
    using testing::JobGrid;
    const Grid basic = JobGrid(11, {{"FLOAT", "CLR", "5", "3215.002", "", "3", "", "2", "0"}});
    const Grid sheet =
        JobGrid(10, {{"3210", "2250", "126 3/8", "88 5/8", "4", "10", "10", "10", "10", "1.45"}});
    // clang-format off
    const Grid glass = JobGrid(16, {{"1200", "800", "", "", "4", "0"},
        {"900", "600", "", "", "6", "0"}, {"1500", "1000", "", "", "2", "1"},
        {"600", "450", "", "", "10", "0"}, {"750", "500", "", "", "5", "2"},
        {"2000", "700", "", "", "2", "0"}});
    // clang-format on
    input = PrepareEngineInput({.basic = basic, .sheet = sheet, .glass = glass});
    AddKerf(input.stocks, input.glasses, input.basic.kerf);
    SortByArea(input.stocks, input.glasses);
  }
  PlacementSetup Setup(int pass) const {
    return {input.stocks, input.glasses, trim, input.basic.blade + input.basic.kerf, pass, 40};
  }
  // Checked sound as well: within the stock, pieces of their size and ORN, cut edge to edge.
  std::string CandidateLines(int pattern, int pass) const {
    RandomState random;
    ResetRandom(random, pass);
    const QuantityList pass_glass = GlassQuantities(input.glasses);
    QuantityList working_glass;
    ElementList layout;
    EXPECT_TRUE(BuildCandidate(Setup(pass), pass_glass, 1, pattern, pass >= 17, random,
                               working_glass, layout));
    CompactLayout(layout);
    QuantityList pass_stock = StockQuantities(input.stocks);
    QuantityList committed_glass = pass_glass;
    CommitLayout(1, 1, pass_stock, committed_glass, working_glass, layout, 1);
    for (const std::string& problem : ValidateEngineResult(input, trim, false, layout)) {
      EXPECT_THAT(problem, ::testing::HasSubstr("wanted"));
    }
    TransposeElements(layout);
    return LayoutFileBytes(layout);
  }
  const float trim = static_cast<float>(2.0 + 0.001);
  EngineInput input;
};

TEST_F(BuildCandidateTest, WholeLayoutOfEachPatternOnAJumboSheet) {
  ASSERT_EQ(input.glasses.Count(), 6);
  for (int pattern = 1; pattern <= 8; ++pattern) {
    SCOPED_TRACE(pattern);
    EXPECT_EQ(CandidateLines(pattern, 1), testing::TestDataBytes("engine2d/candidate_pattern" +
                                                                 std::to_string(pattern) + ".tlf"));
  }
}

// Pass 20 of 40 varies the first block, draws orientations and offers glass at random.
TEST_F(BuildCandidateTest, RandomisedPassRepeatsExactly) {
  const std::string lines = CandidateLines(3, 20);
  EXPECT_EQ(lines, testing::TestDataBytes("engine2d/candidate_pass20_pattern3.tlf"));
  EXPECT_EQ(CandidateLines(3, 20), lines);
  EXPECT_NE(CandidateLines(3, 21), lines);
}

TEST_F(BuildCandidateTest, BladeGateSkipsTooWideOrTooLongAreas) {
  PlacementSetup setup = Setup(1);
  setup.blade = 3000;  // the usable width 2233 passes, the usable length 3193 does not
  const QuantityList pass_glass = GlassQuantities(input.glasses);
  QuantityList working_glass;
  ElementList layout;
  RandomState random;
  EXPECT_TRUE(BuildCandidate(setup, pass_glass, 1, 5, false, random, working_glass, layout));
  EXPECT_FALSE(BuildCandidate(setup, pass_glass, 1, 7, false, random, working_glass, layout));
  EXPECT_EQ(layout.Count(), 6);
  EXPECT_EQ(working_glass, pass_glass);
}

}  // namespace
}  // namespace lumora
