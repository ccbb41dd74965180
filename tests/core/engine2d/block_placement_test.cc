#include "core/engine2d/block_placement.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "core/engine2d/candidate.h"
#include "core/engine2d/engine_builders.h"

namespace lumora {
namespace {

using testing::Element;
using testing::Glass;
using testing::ListOf;
using testing::Stock;

// One stock and one glass size, a fresh layout on the stock, pass 1 unless a test says so.
struct Bench {
  Bench(StockRecord stock, GlassRecord glass, float trim_allowance = 0.001f)
      : stocks(ListOf<StockRecord>({stock})), glasses(ListOf<GlassRecord>({glass})) {
    setup_trim = trim_allowance;
    qty = GlassQuantities(glasses);
    StartLayout(stocks, 1, elements);
  }
  PlacementSetup Setup(int pass = 1, int total = 100) const {
    return {.stocks = stocks,
            .glasses = glasses,
            .trim_allowance = setup_trim,
            .blade = 1e6f,
            .pass = pass,
            .total_passes = total};
  }
  BlockSize Place(int pattern, int pass = 1, bool first_block = false, int total = 100) {
    return PlaceBlock(Setup(pass, total), qty, 1, elements, 6, pattern, first_block, random);
  }
  int CountKind(int kind) const {
    int count = 0;
    for (const LayoutElement& e : elements) count += e.kind == kind ? 1 : 0;
    return count;
  }

  StockList stocks;
  GlassList glasses;
  float setup_trim;
  QuantityList qty;
  ElementList elements;
  RandomState random;
};

// Sheet 1000 wide (L2, along X) by 700 long (L1, along Y), glass L1 200 x L2 300:
//
//   orientation 1 (300 across)     orientation 2 (200 across)
//   +-----+-----+-----+---+        +----+----+----+----+----+
//   |     |     |     |   |        |    |    |    |    |    |
//   +-----+-----+-----+   |        |    |    |    |    |    |
//   |     |     |     |   |        +----+----+----+----+----+
//   +-----+-----+-----+   |        |    |    |    |    |    |
//   |     |     |     |   |        |    |    |    |    |    |
//   +-----+-----+-----+---+        +----+----+----+----+----+
//   |                     |        |                        |
//   +---------------------+        +------------------------+
//   3 x 3, remainders 100 wide     5 x 2, right remainder of width 0
//   and 100 long                   (spent), lower one 100 long
struct PatternCase {
  int pattern;
  int orientation;
  int nx;
  int ny;
  bool across;
};

TEST(PlaceBlock, TheEightPatternsOnOneFreeRectangle) {
  for (const PatternCase c : {PatternCase{1, 1, 3, 3, true}, PatternCase{2, 2, 5, 2, true},
                              PatternCase{3, 1, 3, 3, false}, PatternCase{4, 2, 5, 2, false},
                              PatternCase{5, 1, 3, 3, true}, PatternCase{6, 2, 5, 2, true},
                              PatternCase{7, 1, 3, 3, false}, PatternCase{8, 2, 5, 2, false}}) {
    SCOPED_TRACE(c.pattern);
    Bench bench(Stock(700, 1000), Glass(200, 300, 100));
    const BlockSize block = bench.Place(c.pattern);
    ASSERT_EQ(block.nx, c.nx);
    ASSERT_EQ(block.ny, c.ny);
    EXPECT_EQ(bench.qty[1], 100.0f - static_cast<float>(c.nx * c.ny));
    EXPECT_EQ(bench.elements[6].kind, kSpent);
    const float block_x = c.orientation == 1 ? 900 : 1000;
    const float block_y = 600;
    // Pieces row by row, left to right.
    const float piece_x = c.orientation == 1 ? 300 : 200;
    const float piece_y = c.orientation == 1 ? 200 : 300;
    const LayoutElement& last = bench.elements[6 + c.nx * c.ny];
    EXPECT_EQ(last, Element(1, block_x - piece_x, block_y - piece_y, block_x, block_y, 0, 0, 1,
                            c.orientation));
    EXPECT_EQ(bench.elements[8].x1, piece_x);
    EXPECT_EQ(bench.elements[8].y1, 0.0f);

    const int right = 6 + c.nx * c.ny + 1;
    const int right_kind = block_x < 1000 ? kFreeRect : kSpent;
    const LayoutElement expected_right = c.across ? Element(right_kind, block_x, 0, 1000, block_y)
                                                  : Element(right_kind, block_x, 0, 1000, 700);
    const LayoutElement expected_lower = c.across ? Element(kFreeRect, 0, block_y, 1000, 700)
                                                  : Element(kFreeRect, 0, block_y, block_x, 700);
    const LayoutElement expected_cut = c.across ? Element(kFullCut, 0, block_y, 1000, block_y)
                                                : Element(kFullCut, block_x, 0, block_x, 700);
    EXPECT_EQ(bench.elements[right], expected_right);
    EXPECT_EQ(bench.elements[right + 1], expected_lower);
    EXPECT_EQ(bench.elements[right + 2], expected_cut);
    EXPECT_EQ(bench.elements.Count(), right + 2);
  }
}

// Patterns 1 and 2 cut across only from the left margin, 3 and 4 down only from the top margin.
// A 100 x 100 piece goes into a rectangle off one margin; its right remainder is as high as the
// block when the first cut ran across:
//   off the left margin (x1 = 50)     off the top margin (y1 = 50)
//   +--+----+---------+               +-------------------+
//   |  |    | right   |               +----+--------------+
//   |  +----+         |               |    | right        |
//   |  |              |               +----+              |
//   +--+--------------+               +----+--------------+
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

// Room for 3 x 3 (900 x 600, glass 300 x 200 laid one way only):
//   5 wanted: rows first 3 x 1, columns first 1 x 3; 7 wanted: rows first 3 x 2.
TEST(PlaceBlock, TrimsTheBlockToTheQuantityWanted) {
  for (const int pattern : {1, 2, 3, 4, 5, 6, 7, 8}) {
    SCOPED_TRACE(pattern);
    const bool rows_first = pattern == 1 || pattern == 2 || pattern == 5 || pattern == 6;
    Bench five(Stock(600, 900), Glass(200, 300, 5, 1));
    const BlockSize five_block = five.Place(pattern);
    EXPECT_EQ(five_block.nx, rows_first ? 3 : 1);
    EXPECT_EQ(five_block.ny, rows_first ? 1 : 3);
    EXPECT_EQ(five.qty[1], 2.0f);

    Bench seven(Stock(600, 900), Glass(200, 300, 7, 1));
    const BlockSize seven_block = seven.Place(pattern);
    EXPECT_EQ(seven_block.nx * seven_block.ny, 6);
    EXPECT_EQ(seven_block.nx, rows_first ? 3 : 2);
  }
  // A fractional quantity still gets one piece.
  Bench half(Stock(600, 900), Glass(200, 300, 0.5f, 1));
  EXPECT_EQ(half.Place(1).nx, 1);
  EXPECT_EQ(half.qty[1], -0.5f);
}

// T (MM) = 2 gives the trim allowance 2.001: a rectangle exactly 3 x (500 - 2) wide takes three
// 500 pieces squeezed to 498, a hair less takes two.
TEST(PlaceBlock, ExactFitAllowance) {
  const float trim = static_cast<float>(2.0 + 0.001);
  Bench exact(Stock(600, 1494), Glass(600, 500, 3, 1), trim);
  const BlockSize block = exact.Place(5);
  EXPECT_EQ(block.nx, 3);
  EXPECT_EQ(exact.elements[7].x2, 498.0f);
  EXPECT_EQ(exact.elements[9].x2, 1494.0f);

  Bench short_by_a_hair(Stock(600, 1493.99f), Glass(600, 500, 3, 1), trim);
  EXPECT_EQ(short_by_a_hair.Place(5).nx, 2);
}

// The blade length caps the rows of a block, not its columns.
TEST(PlaceBlock, BladeCapsTheRows) {
  Bench bench(Stock(1000, 1000), Glass(100, 100, 100, 1));
  PlacementSetup setup = bench.Setup();
  setup.blade = 250;
  const BlockSize block =
      PlaceBlock(setup, bench.qty, 1, bench.elements, 6, 1, false, bench.random);
  EXPECT_EQ(block.nx, 10);
  EXPECT_EQ(block.ny, 2);
}

// Glass L1 300 x L2 600 fits the sheet 400 wide (L2) only with its L1 across: orientation 2.
TEST(PlaceBlock, OrnRestrictsTheOrientation) {
  for (const int pass : {1, 2, 17, 40}) {
    for (const int pattern : {1, 2, 3, 4, 5, 6, 7, 8}) {
      SCOPED_TRACE(::testing::Message() << "pass " << pass << " pattern " << pattern);
      Bench only_one(Stock(700, 400), Glass(300, 600, 1, 1));
      EXPECT_FALSE(only_one.Place(pattern, pass).Placed());
      EXPECT_EQ(only_one.elements.Count(), 6);
      EXPECT_EQ(only_one.qty[1], 1.0f);

      Bench only_two(Stock(700, 400), Glass(300, 600, 1, 2));
      EXPECT_TRUE(only_two.Place(pattern, pass).Placed());
      EXPECT_EQ(only_two.elements[7].orientation, 2);
    }
  }
  // Neither 0, 1 nor 2: never placed, and no draw is made.
  Bench odd(Stock(700, 400), Glass(300, 600, 1, 3));
  ResetRandom(odd.random, 5);
  const RandomState before = odd.random;
  EXPECT_FALSE(odd.Place(1, 20, true).Placed());
  EXPECT_EQ(odd.random.state, before.state);
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
// P = total * 0.55 (rounded half to even: 16 of 30, 28 of 50).
TEST(PlaceBlock, ThinsTheFirstBlockAfterPassOne) {
  struct ThinCase {
    int pass;
    int total;
    int pattern;
    bool draws_nx;
    bool draws_ny;
  };
  for (const ThinCase c : {ThinCase{2, 30, 1, true, true}, ThinCase{16, 30, 3, true, true},
                           ThinCase{17, 30, 1, true, false}, ThinCase{17, 30, 3, false, true},
                           ThinCase{17, 50, 1, false, true}, ThinCase{28, 50, 7, true, false},
                           ThinCase{29, 50, 7, false, true}}) {
    SCOPED_TRACE(::testing::Message() << "pass " << c.pass << " of " << c.total);
    Bench bench(Stock(1000, 1000), Glass(100, 100, 1000, 1));
    ResetRandom(bench.random, 99);
    RandomState probe = bench.random;
    const int ny = c.draws_ny ? RandomInt(probe, 1, 10) : 10;
    const int nx = c.draws_nx ? RandomInt(probe, 1, 10) : 10;
    const BlockSize block = bench.Place(c.pattern, c.pass, true, c.total);
    EXPECT_EQ(block.nx, nx);
    EXPECT_EQ(block.ny, ny);
    EXPECT_EQ(bench.random.state, probe.state);
  }
  // Pass 1 and later blocks are never thinned.
  Bench pass_one(Stock(1000, 1000), Glass(100, 100, 1000, 1));
  EXPECT_EQ(pass_one.Place(1, 1, true).ny, 10);
  Bench later(Stock(1000, 1000), Glass(100, 100, 1000, 1));
  EXPECT_EQ(later.Place(1, 5, false).ny, 10);
  EXPECT_EQ(later.random.state, 0u);
}

// A 100-margin sheet 1000 x 800 and 200 x 200 glass. The first block spans the usable width,
// so across-first cuts the whole sheet, margins included; a block in the right remainder adds
// no cut, one in the lower remainder (again the whole usable width) does:
//   +-------------------------+
//   |  +----+----+----+----+  |
//   |  |    |    |    |rght|  |
// ==|==+----+----+----+====|==|==  y = 300
//   |  |      lower        |  |
//   |  +-------------------+  |
//   +-------------------------+
TEST(PlaceBlock, FullCutsOnlyAcrossTheWholeUsableStock) {
  Bench bench(Stock(800, 1000, 1, 100, 100, 100, 100), Glass(200, 200, 3, 1));
  EXPECT_EQ(bench.Place(5).nx, 3);
  ASSERT_EQ(bench.CountKind(kFullCut), 1);
  EXPECT_EQ(bench.elements.Back(), Element(kFullCut, 0, 300, 1000, 300));
  const int right = 10;
  const int lower = 11;
  EXPECT_EQ(bench.elements[right], Element(kFreeRect, 700, 100, 900, 300));
  EXPECT_EQ(bench.elements[lower], Element(kFreeRect, 100, 300, 900, 700));

  bench.qty[1] = 5;
  PlaceBlock(bench.Setup(), bench.qty, 1, bench.elements, right, 5, false, bench.random);
  EXPECT_EQ(bench.CountKind(kFullCut), 1);
  PlaceBlock(bench.Setup(), bench.qty, 1, bench.elements, lower, 5, false, bench.random);
  EXPECT_EQ(bench.CountKind(kFullCut), 2);
  EXPECT_EQ(bench.elements.Back(), Element(kFullCut, 0, 500, 1000, 500));

  Bench down(Stock(800, 1000, 1, 100, 100, 100, 100), Glass(200, 300, 1, 1));
  EXPECT_TRUE(down.Place(7).Placed());
  EXPECT_EQ(down.elements.Back(), Element(kFullCut, 400, 0, 400, 800));
}

TEST(NextFreeRect, TopMostOrLeftMostFirstAndEarlierOnTies) {
  ElementList elements = ListOf<LayoutElement>({
      Element(kFreeRect, 50, 10, 60, 20),  // 1
      Element(kNoFit, 0, 0, 10, 10),       // 2: not free
      Element(kFreeRect, 20, 10, 30, 20),  // 3
      Element(kFreeRect, 10, 30, 20, 40),  // 4
      Element(kFreeRect, 20, 10, 40, 20),  // 5: same corner as 3
  });
  for (const int pattern : {1, 2, 5, 6}) EXPECT_EQ(NextFreeRect(elements, pattern), 3);
  for (const int pattern : {3, 4, 7, 8}) EXPECT_EQ(NextFreeRect(elements, pattern), 4);
  EXPECT_EQ(NextFreeRect(elements, 0), 0);
  EXPECT_EQ(NextFreeRect(elements, 9), 0);
  ResetNoFit(elements);
  EXPECT_EQ(NextFreeRect(elements, 1), 2);
  EXPECT_EQ(NextFreeRect(ElementList(), 1), 0);
}

TEST(DiscardIfEmpty, OnlyPositiveWidthAndHeightStayFree) {
  ElementList elements =
      ListOf<LayoutElement>({Element(kFreeRect, 0, 0, 1, 1), Element(kFreeRect, 5, 0, 5, 1),
                             Element(kFreeRect, 0, 3, 1, 2)});
  for (int i = 1; i <= 3; ++i) DiscardIfEmpty(elements, i);
  EXPECT_EQ(elements[1].kind, kFreeRect);
  EXPECT_EQ(elements[2].kind, kSpent);
  EXPECT_EQ(elements[3].kind, kSpent);
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
  z = unshift(z, 31);
  z *= inverse(0x94D049BB133111EBull);
  z = unshift(z, 27);
  z *= inverse(0xBF58476D1CE4E5B9ull);
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
  const float r = NextRandom(probe);
  ASSERT_EQ(r, 1.0f - 0x1p-24f);
  ASSERT_EQ(static_cast<int>(2.0f * r + 1.0f), 3);
  EXPECT_EQ(RandomInt(random, 1, 2), 2);

  ResetRandom(random, 17);
  for (int i = 0; i < 1000; ++i) {
    const int value = RandomInt(random, 3, 7);
    ASSERT_GE(value, 3);
    ASSERT_LE(value, 7);
  }
}

}  // namespace
}  // namespace lumora
