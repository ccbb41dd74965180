#include "core/deep/sheet_emptying.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace lumora::deep {
namespace {

// Sheets tried as takers for each emptying: the emptiest first.
constexpr size_t kTakers = 24;

double PieceArea(const SheetPattern& pattern, const DeepProblem& problem) {
  double area = 0;
  for (const PlacedPiece& placed : pattern.pieces) {
    area += problem.pieces[static_cast<size_t>(placed.piece)].area;
  }
  return area;
}

// a + sign * b, count by count.
std::vector<int> Add(const std::vector<int>& a, const std::vector<int>& b, int sign = 1) {
  std::vector<int> sum(a.size());
  for (size_t i = 0; i < a.size(); ++i) sum[i] = a[i] + sign * b[i];
  return sum;
}

bool AllZero(const std::vector<int>& counts) {
  return std::all_of(counts.begin(), counts.end(), [](int c) { return c == 0; });
}

// Takes one sheet of the layout out of the plan; its other sheets stay.
void TakeOneSheet(Plan& plan, size_t layout) {
  if (--plan.layouts[layout].repeat == 0) {
    plan.layouts.erase(plan.layouts.begin() + static_cast<std::ptrdiff_t>(layout));
  }
}

}  // namespace

bool EmptyWorstSheet(Plan& plan, const DeepProblem& problem, const Construction& construction,
                     PatternGenerator& generator) {
  if (plan.layouts.empty()) return false;
  const int types = static_cast<int>(problem.pieces.size());
  std::vector<double> values;
  for (const PieceSize& piece : problem.pieces) values.push_back(piece.area);
  const auto fill = [&](const SheetPattern& pattern) {
    return PieceArea(pattern, problem) / construction.CostOf(pattern);
  };
  std::vector<size_t> order(plan.layouts.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    return fill(plan.layouts[a].pattern) < fill(plan.layouts[b].pattern);
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
    SheetPattern bigger = generator.Generate(taker.stock, values, Add(own, homeless));
    if (bigger.Empty() || PieceArea(bigger, problem) <= PieceArea(taker, problem)) continue;
    homeless = Add(Add(own, homeless), PieceCounts(bigger, types), -1);
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
    if (rest.Empty() || construction.CostOf(rest) >= construction.CostOf(emptied)) return false;
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
