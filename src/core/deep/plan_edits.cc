#include "core/deep/plan_edits.h"

#include <algorithm>

namespace lumora::deep {

double PieceArea(const SheetPattern& pattern, const DeepProblem& problem) {
  double area = 0;
  for (const PlacedPiece& placed : pattern.pieces) {
    area += problem.pieces[static_cast<size_t>(placed.piece)].area;
  }
  return area;
}

double FillOf(const SheetPattern& pattern, const DeepProblem& problem,
              const Construction& construction) {
  return PieceArea(pattern, problem) / construction.CostOf(pattern);
}

PlanRank RankOf(const Plan& plan, const DeepProblem& problem, const Construction& construction,
                size_t first) {
  PlanRank rank;
  rank.cost = construction.PlanCost(plan, first);
  double least_fill = 0;
  for (size_t i = first; i < plan.layouts.size(); ++i) {
    const SheetPattern& pattern = plan.layouts[i].pattern;
    const double fill = FillOf(pattern, problem, construction);
    if (i == first || fill < least_fill) {
      least_fill = fill;
      rank.emptiest_area = PieceArea(pattern, problem);
    }
  }
  return rank;
}

bool RanksBefore(const PlanRank& a, const PlanRank& b) {
  constexpr double kSame = 1e-9;
  if (a.cost < b.cost * (1 - kSame)) return true;
  if (a.cost > b.cost * (1 + kSame)) return false;
  return a.emptiest_area < b.emptiest_area * (1 - kSame);
}

std::vector<int> AddCounts(const std::vector<int>& a, const std::vector<int>& b, int sign) {
  std::vector<int> sum(a.size());
  for (size_t i = 0; i < a.size(); ++i) sum[i] = a[i] + sign * b[i];
  return sum;
}

bool AllZero(const std::vector<int>& counts) {
  return std::all_of(counts.begin(), counts.end(), [](int c) { return c == 0; });
}

void TakeOneSheet(Plan& plan, size_t layout) {
  if (--plan.layouts[layout].repeat == 0) {
    plan.layouts.erase(plan.layouts.begin() + static_cast<std::ptrdiff_t>(layout));
  }
}

}  // namespace lumora::deep
