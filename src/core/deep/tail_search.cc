#include "core/deep/tail_search.h"

#include <algorithm>

#include "core/deep/plan_edits.h"

namespace lumora::deep {

bool ReplanTail(Plan& plan, size_t tail, const DeepProblem& problem, Construction& construction,
                const std::vector<double>& values, const std::atomic<bool>& stop) {
  tail = std::min(tail, plan.layouts.size());
  if (tail < 2) return false;
  const size_t first = plan.layouts.size() - tail;
  const int types = static_cast<int>(problem.pieces.size());
  std::vector<int> pieces(static_cast<size_t>(types), 0);
  std::vector<double> stock_left;
  for (const StockSize& stock : problem.stocks) stock_left.push_back(stock.quantity);
  for (size_t i = 0; i < plan.layouts.size(); ++i) {
    const PlannedLayout& layout = plan.layouts[i];
    if (i < first) {
      stock_left[static_cast<size_t>(layout.pattern.stock)] -= layout.repeat;
      continue;
    }
    const std::vector<int> counts = PieceCounts(layout.pattern, types);
    for (size_t p = 0; p < counts.size(); ++p) pieces[p] += counts[p] * layout.repeat;
  }
  Plan replanned = construction.BuildFor(values, pieces, stock_left, stop);
  if (!replanned.complete) return false;
  if (!RanksBefore(RankOf(replanned, problem, construction),
                   RankOf(plan, problem, construction, first))) {
    return false;
  }
  plan.layouts.resize(first);
  for (PlannedLayout& layout : replanned.layouts) plan.layouts.push_back(std::move(layout));
  return true;
}

}  // namespace lumora::deep
