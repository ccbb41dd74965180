#include "core/cuts/breakout_order.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/reports/result_fixtures.h"

namespace lumora {
namespace {

using testing::HandMadeJob;
using testing::LoadHandMade;

// A 1000 x 600 sheet of pieces in three stages: A and B left, C over D and E in the middle.
//   +-----+----+------
//   | A   | C  |
//   |     +--+-+
//   +-----+D |E|
//   | B   |  | |
//   +-----+--+-+------
std::string Line(int layout, int kind, float x1, float y1, float x2, float y2, int repeat) {
  return GeneralText(layout) + "," + GeneralText(kind) + ",1," + GeneralText(x1) + "," +
         GeneralText(y1) + "," + GeneralText(x2) + "," + GeneralText(y2) + "," +
         GeneralText(repeat) + ",1\r\n";
}

// A piece and the glass row it is cut for (the rows are listed largest first, as runs sort them).
struct Rect {
  float x1, y1, x2, y2;
  int glass = 1;
};
constexpr Rect kA{0, 0, 400, 300, 1}, kB{0, 300, 400, 600, 1}, kC{400, 0, 700, 200, 3},
    kD{400, 200, 550, 600, 4}, kE{550, 200, 700, 600, 4};

std::string Layout(int layout, int repeat, const std::vector<Rect>& pieces) {
  std::string bytes = Line(layout, -1, 0, 0, 1000, 600, repeat);
  for (const Rect& r : pieces) bytes += Line(layout, r.glass, r.x1, r.y1, r.x2, r.y2, repeat);
  return bytes;
}

// The pieces leave the table as the cut order frees them, whatever their order in the file;
// every sheet of a layout is numbered on over the job, layout after layout. A coil layout is cut
// to its used length first.
TEST(BreakoutOrderTest, PiecesAreNumberedAsTheCutsFreeThemSheetBySheet) {
  struct Expected {
    int layout, sheet, position, breakout;
    int64_t job;
  };
  struct Case {
    std::string name;
    bool coil;
    std::string dia;
    PieceOrder order;
    std::vector<Expected> pieces;
  };
  const std::vector<Case> cases = {
      {"as placed",
       false,
       Layout(1, 1, {kA, kB, kC, kD, kE}),
       PieceOrder::kBreakout,
       {{1, 1, 1, 1, 1}, {1, 1, 2, 2, 2}, {1, 1, 3, 3, 3}, {1, 1, 4, 4, 4}, {1, 1, 5, 5, 5}}},
      // Hand edits put moved pieces last in the file.
      {"edited",
       false,
       Layout(1, 1, {kE, kC, kA, kD, kB}),
       PieceOrder::kBreakout,
       {{1, 1, 3, 1, 1}, {1, 1, 5, 2, 2}, {1, 1, 2, 3, 3}, {1, 1, 4, 4, 4}, {1, 1, 1, 5, 5}}},
      {"edited, element order",
       false,
       Layout(1, 1, {kE, kC, kA, kD, kB}),
       PieceOrder::kElement,
       {{1, 1, 1, 5, 5}, {1, 1, 2, 3, 3}, {1, 1, 3, 1, 1}, {1, 1, 4, 4, 4}, {1, 1, 5, 2, 2}}},
      {"two sheets, then a layout",
       false,
       Layout(1, 2, {kB, kA}) + Layout(2, 1, {kC}),
       PieceOrder::kBreakout,
       {{1, 1, 2, 1, 1}, {1, 1, 1, 2, 2}, {1, 2, 2, 1, 3}, {1, 2, 1, 2, 4}, {2, 1, 1, 1, 5}}},
      // Overlapping pieces no cut parts come last, in element order.
      {"blocked",
       false,
       Layout(1, 1, {{0, 0, 300, 300, 2}, {200, 200, 500, 500, 2}, kE}),
       PieceOrder::kBreakout,
       {{1, 1, 3, 1, 1}, {1, 1, 1, 2, 2}, {1, 1, 2, 3, 3}}},
      {"coil",
       true,
       Layout(1, 1, {kD, kA}),
       PieceOrder::kBreakout,
       {{1, 1, 2, 1, 1}, {1, 1, 1, 2, 2}}},
  };
  for (const Case& c : cases) {
    HandMadeJob job{0,
                    {{"1000", "600", "", "", "9", "", "", "", "", "1"}},
                    {{"400", "300", "", "", "99", "", "", "", "A"},
                     {"300", "300", "", "", "99", "", "", "", "A"},
                     {"300", "200", "", "", "99", "", "", "", "A"},
                     {"150", "400", "", "", "99", "", "", "", "A"}},
                    c.coil};
    const ResultLoad load = LoadHandMade(job, c.dia);
    ASSERT_EQ(load.error, "") << c.name;
    std::vector<Expected> seen;
    ForEachSheetPiece(load.result, c.order, [&](const SheetPiece& piece) {
      seen.push_back(
          {piece.layout_no, piece.sheet, piece.position, piece.breakout, piece.job_breakout});
      return true;
    });
    ASSERT_EQ(seen.size(), c.pieces.size()) << c.name;
    for (size_t i = 0; i < seen.size(); ++i) {
      EXPECT_EQ(seen[i].layout, c.pieces[i].layout) << c.name << " " << i;
      EXPECT_EQ(seen[i].sheet, c.pieces[i].sheet) << c.name << " " << i;
      EXPECT_EQ(seen[i].position, c.pieces[i].position) << c.name << " " << i;
      EXPECT_EQ(seen[i].breakout, c.pieces[i].breakout) << c.name << " " << i;
      EXPECT_EQ(seen[i].job, c.pieces[i].job) << c.name << " " << i;
    }
  }
}

}  // namespace
}  // namespace lumora
