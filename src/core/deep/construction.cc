#include "core/deep/construction.h"

#include <algorithm>
#include <cmath>

#include "core/deep/leftover_charge.h"

namespace lumora::deep {

Construction::Construction(const DeepProblem& problem, const PatternLimits& limits)
    : problem_(problem), generator_(problem, limits) {}

double Construction::AreaOf(const SheetPattern& pattern) const {
  const StockSize& stock = problem_.stocks[static_cast<size_t>(pattern.stock)];
  if (!problem_.coil_mode) return stock.frame_area;
  return stock.frame_width * (stock.margin_top + pattern.used_length * problem_.unit_mm);
}

double Construction::CostOf(const SheetPattern& pattern) const {
  return AreaOf(pattern) * problem_.stocks[static_cast<size_t>(pattern.stock)].cost_share;
}

double Construction::PlanCost(const Plan& plan, size_t first) const {
  double cost = 0;
  for (size_t i = first; i < plan.layouts.size(); ++i) {
    cost += CostOf(plan.layouts[i].pattern) * plan.layouts[i].repeat;
  }
  if (first > 0 || !problem_.charge_unused_leftovers) return cost;
  StockUse use(problem_);
  for (const PlannedLayout& layout : plan.layouts) {
    const auto stock = static_cast<size_t>(layout.pattern.stock);
    use.sheets_taken[stock] += layout.repeat;
    if (problem_.stocks[stock].leftover) continue;
    for (const PlacedPiece& piece : layout.pattern.pieces) {
      use.on_new_sheet[static_cast<size_t>(piece.piece)] = true;
    }
  }
  // An idle leftover weighs as much as the largest sheet, so that the search, like the ranking
  // of its results, puts it to use before it spares stock.
  double largest_sheet = 0;
  for (const StockSize& stock : problem_.stocks) {
    largest_sheet = std::max(largest_sheet, stock.frame_area);
  }
  const LeftoverCharge charge = ChargeOf(problem_, use);
  return cost + charge.unused_area + charge.idle * largest_sheet;
}

bool Construction::Precedes(const SheetPattern& a, double a_score, const SheetPattern& b,
                            double b_score) const {
  if (problem_.charge_unused_leftovers) {
    const StockSize& a_stock = problem_.stocks[static_cast<size_t>(a.stock)];
    const StockSize& b_stock = problem_.stocks[static_cast<size_t>(b.stock)];
    if (a_stock.leftover != b_stock.leftover) return a_stock.leftover;
    if (a_stock.leftover && a_stock.frame_area != b_stock.frame_area) {
      return a_stock.frame_area < b_stock.frame_area;
    }
  }
  return a_score > b_score * (1 + 1e-12);
}

Plan Construction::Build(const std::vector<double>& values, const std::atomic<bool>& stop) {
  std::vector<int> remaining;
  for (const PieceSize& piece : problem_.pieces) remaining.push_back(piece.demand);
  std::vector<double> stock_left;
  for (const StockSize& stock : problem_.stocks) stock_left.push_back(stock.quantity);
  return BuildFor(values, std::move(remaining), std::move(stock_left), stop);
}

Plan Construction::BuildFor(const std::vector<double>& values, std::vector<int> remaining,
                            std::vector<double> stock_left, const std::atomic<bool>& stop) {
  generator_.ForgetStrips();
  generator_.SetStop(&stop);
  const int types = static_cast<int>(problem_.pieces.size());

  // Each stock's last pattern; while the bounds still allow it, it is what the generator
  // would find again, since the values stay and the bounds only fall.
  std::vector<SheetPattern> patterns(problem_.stocks.size());
  Plan plan;
  while (std::any_of(remaining.begin(), remaining.end(), [](int r) { return r > 0; })) {
    if (stop.load(std::memory_order_relaxed)) return plan;
    SheetPattern best;
    double best_score = 0;
    for (int s = 0; s < static_cast<int>(problem_.stocks.size()); ++s) {
      if (stock_left[static_cast<size_t>(s)] < 1) continue;
      SheetPattern& pattern = patterns[static_cast<size_t>(s)];
      if (pattern.Empty() || !WithinBounds(PieceCounts(pattern, types), remaining)) {
        pattern = generator_.Generate(s, values, remaining);
      }
      if (pattern.Empty()) continue;
      const double score = pattern.value / CostOf(pattern);
      if (best.Empty() || Precedes(pattern, score, best, best_score)) {
        best_score = score;
        best = pattern;
      }
    }
    if (best.Empty()) {
      plan.unplaced = remaining;
      return plan;
    }
    const std::vector<int> counts = PieceCounts(best, types);
    double repeat = std::floor(stock_left[static_cast<size_t>(best.stock)]);
    for (int p = 0; p < types; ++p) {
      if (counts[static_cast<size_t>(p)] > 0) {
        repeat = std::min<double>(
            repeat, remaining[static_cast<size_t>(p)] / counts[static_cast<size_t>(p)]);
      }
    }
    const int times = static_cast<int>(repeat);
    for (int p = 0; p < types; ++p) {
      remaining[static_cast<size_t>(p)] -= counts[static_cast<size_t>(p)] * times;
    }
    stock_left[static_cast<size_t>(best.stock)] -= times;
    plan.layouts.push_back({std::move(best), times});
  }
  plan.complete = true;
  return plan;
}

}  // namespace lumora::deep
