#include "support/full_width_plans.h"

namespace lumora::deep {

StockSize FullWidthStock(int index, int height, bool leftover) {
  StockSize stock{index, 10, height, 99, 10.0 * height, 10, 0};
  stock.leftover = leftover;
  if (leftover) stock.cost_share = kLeftoverCostShare;
  return stock;
}

DeepProblem FullWidthPieces(const std::vector<int>& heights) {
  DeepProblem problem;
  problem.stocks.push_back(FullWidthStock(0, 10));
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
