#include "core/deep/line_front.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

// A front dominates where it has used up no more glass, step by step: an earlier sheet, a strip
// closed before the other's opens, a row closed below the other's, or the same row no higher
// and no further along. Fronts whose open strips or rows overlap otherwise are not compared.
TEST(LineFront, DominatesOnlyWhereItUsedNoMoreOfTheSheets) {
  struct Case {
    const char* what;
    LineFront a;
    LineFront b;
    bool dominates;
  };
  // {sheet, x1_prev, x1_curr, y2_prev, y2_curr, x3_curr}
  const Case cases[] = {
      {"earlier sheet", {0, 500, 900, 0, 300, 900}, {1, 0, 100, 0, 50, 100}, true},
      {"later sheet", {1, 0, 100, 0, 50, 100}, {0, 500, 900, 0, 300, 900}, false},
      {"strip closed before the other's",
       {0, 0, 300, 0, 100, 200},
       {0, 300, 600, 0, 50, 400},
       true},
      {"strips overlap", {0, 100, 400, 0, 50, 200}, {0, 0, 500, 0, 50, 200}, false},
      {"wider strip", {0, 0, 400, 0, 50, 100}, {0, 0, 300, 0, 50, 100}, false},
      {"row closed below the other's", {0, 0, 300, 0, 100, 300}, {0, 0, 300, 200, 250, 50}, true},
      {"same row, lower, less far", {0, 0, 300, 100, 200, 150}, {0, 0, 300, 100, 250, 200}, true},
      {"same row, further along", {0, 0, 300, 100, 200, 250}, {0, 0, 300, 100, 250, 200}, false},
      {"same row, higher", {0, 0, 300, 100, 260, 150}, {0, 0, 300, 100, 250, 200}, false},
      {"rows overlap", {0, 0, 300, 100, 250, 100}, {0, 0, 300, 150, 300, 100}, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FrontDominates(c.a, c.b), c.dominates) << c.what;
  }
}

// The glass a front has used: the sheets before its own, its strips closed, the rows closed in
// its open strip and, in the open row, as far as its last part.
TEST(LineFront, ConsumesTheSheetsBeforeTheStripsAndRowsClosedAndTheOpenRowsParts) {
  LineProblem problem;
  problem.sheets.assign(2, LineSheet{1000, 600, {}});
  const LineGeometry geometry(problem);
  const LineFronts fronts(geometry, problem.pieces);
  EXPECT_EQ(fronts.Consumed(LineFront{}), 0);
  EXPECT_EQ(fronts.Consumed({1, 200, 500, 100, 300, 350}),
            1000 * 600 + 200 * 600 + 300 * 100 + 150 * 200);
}

}  // namespace
}  // namespace lumora
