#include "core/deep/sequential_value_correction.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/full_width_plans.h"

namespace lumora::deep {
namespace {

// The 9 on a sheet of 10 costs 10/9 of its area, the 5 alone on one twice its area, which counts
// as the most, one and a half; a correction moves each value that share of the way.
TEST(SequentialValueCorrection, MovesValuesTowardsTheStockTheyCost) {
  struct Case {
    double rate;
    std::vector<double> values;
  };
  const DeepProblem problem = FullWidthPieces({9, 5});
  Plan plan;
  plan.layouts = {FullWidthSheet(problem, {0}), FullWidthSheet(problem, {1})};
  Construction construction(problem, PatternLimits{});
  for (const Case& c : {Case{1, {100, 75}}, Case{0.5, {95, 62.5}}}) {
    SequentialValueCorrection correction(problem, c.rate, 0);
    correction.Correct(construction, plan);
    ASSERT_EQ(correction.values().size(), c.values.size());
    for (size_t p = 0; p < c.values.size(); ++p) {
      EXPECT_DOUBLE_EQ(correction.values()[p], c.values[p]) << c.rate << " " << p;
    }
  }
}

}  // namespace
}  // namespace lumora::deep
