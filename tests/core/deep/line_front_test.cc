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

}  // namespace
}  // namespace lumora
