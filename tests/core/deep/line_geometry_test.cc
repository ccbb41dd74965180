#include "core/deep/line_geometry.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace lumora {
namespace {

// Waste 2,500 wide on a table that cuts strips of 50 to 1,000: each cut as far right as it may
// go, moved left off a flaw, and no cuts at all where a flaw leaves room only for a strip
// narrower than the table cuts.
TEST(LineGeometry, PartsWideWasteIntoStripsClearOfFlaws) {
  struct Case {
    std::vector<LineFlaw> flaws;
    std::optional<std::vector<int32_t>> cuts;
  };
  const Case cases[] = {
      {{}, std::vector<int32_t>{1000, 2000}},
      {{{998, 10, 5, 5}}, std::vector<int32_t>{997, 1997}},
      {{{40, 10, 970, 5}}, std::nullopt},
  };
  for (const Case& c : cases) {
    LineProblem problem;
    problem.rules.min_strip_width = 50;
    problem.rules.max_strip_width = 1000;
    problem.rules.min_waste = 20;
    problem.sheets = {LineSheet{2500, 100, c.flaws}};
    EXPECT_EQ(LineGeometry(problem).WasteStripCuts(0, 0, 2500), c.cuts) << &c - cases;
  }
}

}  // namespace
}  // namespace lumora
