#include "support/full_width_plans.h"

namespace lumora::deep {

DeepProblem FullWidthPieces(const std::vector<int>& heights) {
  DeepProblem problem;
  problem.stocks.push_back({0, 10, 10, 99, 100, 10, 0});
  for (int h : heights) problem.pieces.push_back({0, {0, 10, h}, {0, h, 10}, 1, 10.0 * h});
  return problem;
}

PlannedLayout FullWidthSheet(const DeepProblem& problem, const std::vector<int>& pieces,
                             int repeat) {
  PlannedLayout layout{{}, repeat};
  layout.pattern.stock = 0;
  int y = 0;
  for (int p : pieces) {
    const int h = problem.pieces[static_cast<size_t>(p)].y[1];
    layout.pattern.pieces.push_back({p, 1, {0, y, 10, h}});
    y += h;
  }
  return layout;
}

}  // namespace lumora::deep
