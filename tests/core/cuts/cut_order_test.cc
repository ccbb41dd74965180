#include "core/cuts/cut_order.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/cuts/cut_list.h"
#include "core/layouts/loaded_result.h"
#include "core/reports/result_fixtures.h"

namespace lumora {
namespace {

using testing::OpenReportJob;
using testing::TempFolder;

constexpr CutAxis X = CutAxis::kX;
constexpr CutAxis Y = CutAxis::kY;

struct Rect {
  int kind;
  float x1, y1, x2, y2;
};

ElementList Layout(const std::vector<Rect>& rects) {
  ElementList elements;
  for (const Rect& r : rects) elements.Append({1, r.kind, 1, r.x1, r.y1, r.x2, r.y2, 1, 0});
  return elements;
}

TEST(CutOrderTest, StagesRunFromTheOriginOutwardsAndBlockedPiecesAreNamed) {
  struct Case {
    std::string name;
    std::vector<Rect> rects;
    std::vector<Cut> cuts;
    std::vector<int> blocking;
  };
  const std::vector<Case> cases = {
      // +-----+----+---------+
      // | A   | C  |         |
      // |     +--+-+  waste  |
      // +-----+D |E|         |
      // | B   |  | |         |
      // +-----+--+-+---------+
      {"three stages, wider than high",
       {{-1, 0, 0, 1000, 600},
        {1, 0, 0, 400, 300},
        {1, 0, 300, 400, 600},
        {2, 400, 0, 700, 200},
        {3, 400, 200, 550, 600},
        {3, 550, 200, 700, 600}},
       {{1, 1, X, 400, 0, 600},
        {2, 1, X, 700, 0, 600},
        {3, 2, Y, 300, 0, 400},
        {4, 2, Y, 200, 400, 300},
        {5, 3, X, 550, 200, 400}},
       {}},
      {"the full-length cut sets the first stage; margins are trimmed",
       {{-1, 0, 0, 1000, 600}, {-2, 0, 0, 10, 600}, {1, 10, 10, 990, 590}, {-6, 0, 590, 1000, 590}},
       {{1, 1, Y, 10, 0, 1000},
        {2, 1, Y, 590, 0, 1000},
        {3, 2, X, 10, 10, 580},
        {4, 2, X, 990, 10, 580}},
       {}},
      // A pinwheel round a middle piece beside a plain piece: only the sheet parts.
      {"not guillotine",
       {{-1, 0, 0, 600, 300},
        {1, 0, 0, 200, 100},
        {1, 200, 0, 300, 200},
        {1, 100, 200, 300, 300},
        {1, 0, 100, 100, 300},
        {1, 100, 100, 200, 200},
        {1, 300, 0, 600, 300}},
       {{1, 1, X, 300, 0, 300}},
       {1, 2, 3, 4, 5}},
      {"overlapping pieces cannot be parted",
       {{-1, 0, 0, 500, 500}, {1, 0, 0, 300, 300}, {1, 200, 200, 500, 500}},
       {},
       {1, 2}},
  };
  for (const Case& c : cases) {
    const ElementList elements = Layout(c.rects);
    const LayoutCuts result = CutOrder(elements, 1, elements.Count());
    EXPECT_EQ(result.cuts, c.cuts) << c.name;
    EXPECT_EQ(result.blocking_pieces, c.blocking) << c.name;
    double length = 0;
    for (const Cut& cut : c.cuts) length += cut.length;
    EXPECT_EQ(result.total_length, length) << c.name;
  }
}

TEST(CutOrderTest, ThePinnedSheetJobCountsEveryCutOncePerSheet) {
  TempFolder folder;
  const ResultLoad load = LoadResult(OpenReportJob(folder, "sheet_job.opt", "MM"));
  ASSERT_EQ(load.error, "");
  const ResultCuts all = CutOrderOfResult(load.result);
  // Layout 2: the full cut, the six columns of the block row, then the four short pieces off
  // their waste.
  const std::vector<std::pair<size_t, double>> per_layout = {{6, 9244}, {11, 10454}, {4, 8516}};
  ASSERT_EQ(all.layouts.size(), per_layout.size());
  for (size_t n = 0; n < per_layout.size(); ++n) {
    EXPECT_EQ(all.layouts[n].cuts.size(), per_layout[n].first) << "layout " << n + 1;
    EXPECT_EQ(all.layouts[n].total_length, per_layout[n].second) << "layout " << n + 1;
  }
  EXPECT_EQ(all.layouts[1].cuts[0], (Cut{1, 1, Y, 904, 0, 3214}));
  EXPECT_EQ(all.layouts[1].cuts[7], (Cut{8, 3, Y, 304, 1208, 454}));
  // Cut 2, 1 and 3 times.
  EXPECT_EQ(all.cut_count, 35);
  EXPECT_EQ(all.total_length, 2 * 9244 + 10454 + 3 * 8516);
}

}  // namespace
}  // namespace lumora
