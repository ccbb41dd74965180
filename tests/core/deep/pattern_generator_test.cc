#include "core/deep/pattern_generator.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "support/full_width_plans.h"

namespace lumora::deep {
namespace {

bool Overlap(const UnitRect& a, const UnitRect& b) {
  return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

// Every piece lies on the sheet in a size its type allows, and no two overlap.
void ExpectPiecesFit(const SheetPattern& pattern, const DeepProblem& problem) {
  const StockSize& sheet = problem.stocks[0];
  for (size_t i = 0; i < pattern.pieces.size(); ++i) {
    const PlacedPiece& placed = pattern.pieces[i];
    const PieceSize& size = problem.pieces[size_t(placed.piece)];
    const auto o = size_t(placed.orientation);
    EXPECT_EQ((std::array{placed.rect.width, placed.rect.height}),
              (std::array{size.x[o], size.y[o]}));
    EXPECT_TRUE(placed.rect.x >= 0 && placed.rect.y >= 0 &&
                placed.rect.x + placed.rect.width <= sheet.width &&
                placed.rect.y + placed.rect.height <= sheet.height);
    for (size_t j = 0; j < i; ++j) EXPECT_FALSE(Overlap(placed.rect, pattern.pieces[j].rect));
  }
}

// A pattern's pieces by type and the direction of its first-stage cuts; "none" when empty.
TEST(PatternGenerator, KeepsTheBoundsTheBladesReachAndACoilsDirection) {
  struct Case {
    const char* what;
    std::array<int, 2> sheet;                // width, height
    std::vector<std::array<int, 3>> pieces;  // width, height, 1 when it may turn
    std::vector<int> bounds;
    PatternLimits limits;
    bool coil;
    std::string pattern;
  };
  const Case cases[] = {
      {"a bound below what fits", {10, 10}, {{2, 2, 1}}, {3}, {}, false, "3 across"},
      {"both orientations past the bound", {10, 9}, {{3, 2, 1}}, {5}, {}, false, "5 across"},
      {"two types, each held", {10, 10}, {{5, 5, 0}, {2, 10, 1}}, {1, 2}, {}, false, "1 2 across"},
      {"strips across beyond the blade",
       {10, 6},
       {{10, 3, 0}},
       {2},
       {6, 0, false},
       false,
       "2 down"},
      {"a coil is never cut down", {10, 6}, {{10, 3, 0}}, {2}, {6, 0, false}, true, "none"},
      {"no cut within the blade", {10, 6}, {{2, 2, 1}}, {9}, {5, 0, false}, false, "none"},
      {"a leftover below B", {10, 10}, {{10, 7, 0}}, {1}, {0, 4, false}, false, "none"},
      {"a leftover of B", {10, 10}, {{10, 6, 0}}, {1}, {0, 4, false}, false, "1 across"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    DeepProblem problem;
    problem.coil_mode = c.coil;
    problem.stocks.push_back({0, c.sheet[0], c.sheet[1], 9, 1, 1, 0});
    std::vector<double> values;
    for (const auto& [w, h, turns] : c.pieces) {
      problem.pieces.push_back({0, {0, w, turns ? h : 0}, {0, h, turns ? w : 0}, 9, 1.0 * w * h});
      values.push_back(1.0 * w * h);
    }
    PatternGenerator generator(problem, c.limits);
    const SheetPattern pattern = generator.Generate(0, values, c.bounds);
    ExpectPiecesFit(pattern, problem);
    std::string text;
    for (int count : PieceCounts(pattern, static_cast<int>(c.pieces.size()))) {
      text += std::to_string(count) + " ";
    }
    text += pattern.cuts_across ? "across" : "down";
    EXPECT_EQ(pattern.Empty() ? "none" : text, c.pattern);
  }
}

// Strips of 3, 3 and 4 fill the sheet as well as 6 and 4 do, but the 3 is wanted once: the
// plan must not count on cutting its strip twice.
TEST(PatternGenerator, PlansAStripOfPiecesWantedOnceAtMostOnce) {
  const DeepProblem problem = FullWidthPieces({6, 8, 3, 4});
  PatternGenerator generator(problem, PatternLimits{});
  const SheetPattern pattern = generator.Generate(0, {60, 80, 30, 40}, {1, 0, 1, 1});
  ExpectPiecesFit(pattern, problem);
  EXPECT_EQ(PieceCounts(pattern, 4), (std::vector<int>{1, 0, 0, 1}));
}

}  // namespace
}  // namespace lumora::deep
