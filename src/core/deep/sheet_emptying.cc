#include "core/deep/sheet_emptying.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include "core/deep/plan_edits.h"

namespace lumora::deep {
namespace {

// Sheets tried as takers for each emptying: the emptiest first.
constexpr size_t kTakers = 24;

}  // namespace

bool EmptyWorstSheet(Plan& plan, const DeepProblem& problem, const Construction& construction,
                     PatternGenerator& generator) {
  if (plan.layouts.empty()) return false;
  const int types = static_cast<int>(problem.pieces.size());
  std::vector<double> values;
  for (const PieceSize& piece : problem.pieces) values.push_back(piece.area);
  std::vector<size_t> order(plan.layouts.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    return FillOf(plan.layouts[a].pattern, problem, construction) <
           FillOf(plan.layouts[b].pattern, problem, construction);
  });
  const size_t worst = order.front();
  const SheetPattern emptied = plan.layouts[worst].pattern;
  std::vector<int> homeless = PieceCounts(emptied, types);

  // Sheets re-cut to take pieces: each replaces one sheet of its layout.
  std::vector<PlannedLayout> recut;
  std::vector<size_t> taken_from;
  for (size_t k = 1; k < order.size() && k <= kTakers && !AllZero(homeless); ++k) {
    const SheetPattern& taker = plan.layouts[order[k]].pattern;
    const std::vector<int> own = PieceCounts(taker, types);
    generator.ForgetStrips();
    SheetPattern bigger = generator.Generate(taker.stock, values, AddCounts(own, homeless));
    if (bigger.Empty() || PieceArea(bigger, problem) <= PieceArea(taker, problem)) continue;
    homeless = AddCounts(AddCounts(own, homeless), PieceCounts(bigger, types), -1);
    recut.push_back({std::move(bigger), 1});
    taken_from.push_back(order[k]);
  }

  // What is still homeless goes on the cheapest stock that holds all of it.
  std::vector<double> sheets_left;
  for (const StockSize& stock : problem.stocks) sheets_left.push_back(stock.quantity);
  for (const PlannedLayout& layout : plan.layouts) {
    sheets_left[static_cast<size_t>(layout.pattern.stock)] -= layout.repeat;
  }
  ++sheets_left[static_cast<size_t>(emptied.stock)];
  SheetPattern rest;
  if (!AllZero(homeless)) {
    for (int s = 0; s < static_cast<int>(problem.stocks.size()); ++s) {
      if (sheets_left[static_cast<size_t>(s)] < 1) continue;
      generator.ForgetStrips();
      SheetPattern candidate = generator.Generate(s, values, homeless);
      if (candidate.Empty() || PieceCounts(candidate, types) != homeless) continue;
      if (rest.Empty() || construction.CostOf(candidate) < construction.CostOf(rest)) {
        rest = std::move(candidate);
      }
    }
    // A rest on stock of the same cost is still a step when it holds fewer pieces.
    if (rest.Empty() || !RanksBefore({construction.CostOf(rest), PieceArea(rest, problem)},
                                     {construction.CostOf(emptied), PieceArea(emptied, problem)})) {
      return false;
    }
  }
  generator.ForgetStrips();

  // Stock counts: a re-cut sheet keeps its stock; the rest may use another one.
  std::vector<size_t> sheets_from(taken_from);
  sheets_from.push_back(worst);
  std::sort(sheets_from.rbegin(), sheets_from.rend());
  for (size_t layout : sheets_from) TakeOneSheet(plan, layout);
  for (PlannedLayout& layout : recut) plan.layouts.push_back(std::move(layout));
  if (!rest.Empty()) plan.layouts.push_back({std::move(rest), 1});
  return true;
}

}  // namespace lumora::deep
