#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/engine2d/candidate.h"
#include "core/engine2d/engine_builders.h"
#include "core/engine2d/engine_input.h"
#include "core/engine2d/layout_evaluation.h"
#include "core/engine2d/result_files.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

using testing::JobGrid;
using testing::TestDataBytes;

// A jumbo sheet 3210 x 2250 with 10 mm margins, kerf 3, tolerance 2, and six glass sizes as a
// shop would order them, prepared the way a run prepares them.
struct ShopJob {
  ShopJob() {
    const Grid basic =
        JobGrid(11, {{"FLOAT CLEAR", "CLR", "5", "3215.002", "", "3", "", "2", "100", "", ""}});
    const Grid sheet =
        JobGrid(10, {{"3210", "2250", "126 3/8", "88 5/8", "4", "10", "10", "10", "10", "1.45"}});
    const Grid glass = JobGrid(16, {
                                       {"1200", "800", "", "", "4", "0", "", "", "ACME"},
                                       {"900", "600", "", "", "6", "0", "", "", "ACME"},
                                       {"1500", "1000", "", "", "2", "1", "", "", "NORTH"},
                                       {"600", "450", "", "", "10", "0", "", "", "NORTH"},
                                       {"750", "500", "", "", "5", "2", "", "", "CITY"},
                                       {"2000", "700", "", "", "2", "0", "", "", "CITY"},
                                   });
    input = PrepareEngineInput({.basic = basic, .sheet = sheet, .glass = glass});
    blade = input.basic.blade + input.basic.kerf;
    AddKerf(input.stocks, input.glasses, input.basic.kerf);
    SortByArea(input.stocks, input.glasses);
  }

  PlacementSetup Setup(int pass) const {
    return {.stocks = input.stocks,
            .glasses = input.glasses,
            .trim_allowance = static_cast<float>(2.0 + 0.001),
            .blade = blade,
            .pass = pass,
            .total_passes = 40};
  }

  EngineInput input;
  float blade = 0;
};

// Pieces and free rectangles tile the usable area without overlap, every piece is its glass
// size (kerf included) less at most the trim allowance, in an orientation its ORN allows, and
// no size is placed more often than wanted.
void ExpectSoundLayout(const ShopJob& job, const ElementList& layout) {
  const StockRecord& stock = job.input.stocks[1];
  const float trim = job.Setup(1).trim_allowance;
  double covered = 0;
  std::vector<int> placed(static_cast<size_t>(job.input.glasses.Count()) + 1, 0);
  std::vector<const LayoutElement*> tiles;
  for (const LayoutElement& e : layout) {
    if (e.kind != kFreeRect && e.kind <= 0) continue;
    EXPECT_GE(e.x1, stock.m_l);
    EXPECT_GE(e.y1, stock.m_t);
    EXPECT_LE(e.x2, stock.l2 - stock.m_r);
    EXPECT_LE(e.y2, stock.l1 - stock.m_b);
    covered += static_cast<double>(e.x2 - e.x1) * static_cast<double>(e.y2 - e.y1);
    tiles.push_back(&e);
    if (e.kind <= 0) continue;
    const GlassRecord& glass = job.input.glasses[e.kind];
    ++placed[static_cast<size_t>(e.kind)];
    EXPECT_TRUE(glass.orn == 0 || glass.orn == static_cast<float>(e.orientation));
    const float along_x = e.orientation == 1 ? glass.l2 : glass.l1;
    const float along_y = e.orientation == 1 ? glass.l1 : glass.l2;
    EXPECT_LE(e.x2 - e.x1, along_x);
    EXPECT_GE(e.x2 - e.x1, along_x - trim);
    EXPECT_LE(e.y2 - e.y1, along_y);
    EXPECT_GE(e.y2 - e.y1, along_y - trim);
  }
  const double usable = static_cast<double>(stock.l2 - stock.m_r - stock.m_l) *
                        static_cast<double>(stock.l1 - stock.m_b - stock.m_t);
  EXPECT_NEAR(covered, usable, usable * 1e-6);
  for (size_t i = 0; i < tiles.size(); ++i) {
    for (size_t j = i + 1; j < tiles.size(); ++j) {
      const float overlap_x =
          std::min(tiles[i]->x2, tiles[j]->x2) - std::max(tiles[i]->x1, tiles[j]->x1);
      const float overlap_y =
          std::min(tiles[i]->y2, tiles[j]->y2) - std::max(tiles[i]->y1, tiles[j]->y1);
      EXPECT_FALSE(overlap_x > 0.01f && overlap_y > 0.01f) << i << " overlaps " << j;
    }
  }
  for (int g = 1; g <= job.input.glasses.Count(); ++g) {
    EXPECT_LE(placed[static_cast<size_t>(g)], job.input.glasses[g].qty);
  }
}

// The candidate as the run writes it: spent elements gone, committed once as layout 1, in file
// coordinates.
std::string CandidateLines(const ShopJob& job, int pattern, int pass) {
  RandomState random;
  ResetRandom(random, pass);
  const QuantityList pass_glass = GlassQuantities(job.input.glasses);
  QuantityList working_glass;
  ElementList layout;
  EXPECT_TRUE(BuildCandidate(job.Setup(pass), pass_glass, 1, pattern, pass >= 17, random,
                             working_glass, layout));
  CompactLayout(layout);
  ExpectSoundLayout(job, layout);
  QuantityList pass_stock = StockQuantities(job.input.stocks);
  QuantityList committed_glass = pass_glass;
  CommitLayout(1, 1, pass_stock, committed_glass, working_glass, layout, 1);
  TransposeElements(layout);
  return LayoutFileBytes(layout);
}

TEST(BuildCandidate, WholeLayoutOfEachPatternOnAJumboSheet) {
  const ShopJob job;
  ASSERT_EQ(job.input.stocks.Count(), 1);
  ASSERT_EQ(job.input.glasses.Count(), 6);
  for (int pattern = 1; pattern <= 8; ++pattern) {
    SCOPED_TRACE(pattern);
    EXPECT_EQ(CandidateLines(job, pattern, 1),
              TestDataBytes("engine2d/candidate_pattern" + std::to_string(pattern) + ".tlf"));
  }
}

// Pass 20 of 40 varies the first block, draws orientations and offers glass at random.
TEST(BuildCandidate, RandomisedPassRepeatsExactly) {
  const ShopJob job;
  const std::string lines = CandidateLines(job, 3, 20);
  EXPECT_EQ(lines, TestDataBytes("engine2d/candidate_pass20_pattern3.tlf"));
  EXPECT_EQ(CandidateLines(job, 3, 20), lines);
  EXPECT_NE(CandidateLines(job, 3, 21), lines);
}

TEST(BuildCandidate, BladeGateSkipsTooWideOrTooLongAreas) {
  ShopJob job;
  job.blade = 3000;  // the usable width 2233 passes, the usable length 3193 does not
  const QuantityList pass_glass = GlassQuantities(job.input.glasses);
  QuantityList working_glass;
  ElementList layout;
  RandomState random;
  EXPECT_TRUE(BuildCandidate(job.Setup(1), pass_glass, 1, 5, false, random, working_glass, layout));
  EXPECT_FALSE(
      BuildCandidate(job.Setup(1), pass_glass, 1, 7, false, random, working_glass, layout));
  EXPECT_EQ(layout.Count(), 6);
  EXPECT_EQ(working_glass, pass_glass);
}

}  // namespace
}  // namespace lumora
