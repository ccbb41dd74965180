#include "core/deep/deep_candidate.h"

#include <algorithm>
#include <map>

#include "core/deep/leftover_charge.h"
#include "core/engine2d/layout_evaluation.h"

namespace lumora::deep {

ResultKey KeyOf(const ElementList& elements, const DeepProblem& problem) {
  ResultKey key;
  StockUse use(problem);
  std::map<int, const StockSize*> stock_of_layout;
  for (const LayoutElement& element : elements) {
    const double area = static_cast<double>(element.x2 - element.x1) * (element.y2 - element.y1);
    if (element.kind == kStockFrame && !problem.coil_mode) {
      const auto stock = std::find_if(
          problem.stocks.begin(), problem.stocks.end(),
          [&element](const StockSize& s) { return s.stock_index == element.stock_index; });
      if (stock == problem.stocks.end()) {
        key.cost += area * element.repeat;
      } else {
        key.cost += area * stock->cost_share * element.repeat;
        use.sheets_taken[static_cast<size_t>(stock - problem.stocks.begin())] += element.repeat;
        stock_of_layout[element.layout_no] = &*stock;
      }
    }
    if (element.kind == kFreeRect) key.largest_balance = std::max(key.largest_balance, area);
    key.layouts = std::max(key.layouts, element.layout_no);
  }
  if (problem.coil_mode) key.cost = TotalCoilLength(elements);
  if (!problem.charge_unused_leftovers) return key;
  std::map<int, size_t> piece_of_glass;
  for (size_t p = 0; p < problem.pieces.size(); ++p) {
    piece_of_glass[problem.pieces[p].glass_index] = p;
  }
  for (const LayoutElement& element : elements) {
    const auto piece = piece_of_glass.find(element.kind);
    const auto stock = stock_of_layout.find(element.layout_no);
    if (element.kind > 0 && piece != piece_of_glass.end() &&
        (stock == stock_of_layout.end() || !stock->second->leftover)) {
      use.on_new_sheet[piece->second] = true;
    }
  }
  const LeftoverCharge charge = ChargeOf(problem, use);
  key.cost += charge.unused_area;
  key.idle_leftovers = charge.idle;
  return key;
}

bool CostBetter(const ResultKey& a, const ResultKey& b) {
  constexpr double kSame = 1e-9;
  if (a.idle_leftovers != b.idle_leftovers) return a.idle_leftovers < b.idle_leftovers;
  if (a.cost < b.cost * (1 - kSame)) return true;
  if (a.cost > b.cost * (1 + kSame)) return false;
  if (a.layouts != b.layouts) return a.layouts < b.layouts;
  return a.largest_balance > b.largest_balance;
}

bool LayoutsBetter(const ResultKey& a, const ResultKey& b, double least_cost) {
  if (a.idle_leftovers != b.idle_leftovers) return a.idle_leftovers < b.idle_leftovers;
  const bool a_near = a.cost <= least_cost * 1.01;
  const bool b_near = b.cost <= least_cost * 1.01;
  if (a_near != b_near) return a_near;
  if (a_near && a.layouts != b.layouts) return a.layouts < b.layouts;
  return CostBetter(a, b);
}

ChosenResult ChooseResult(const std::vector<const Candidate*>& candidates, Objective objective,
                          const std::function<bool(const Candidate&)>& passes) {
  ChosenResult result;
  std::vector<const Candidate*> kept;
  for (const Candidate* candidate : candidates) {
    if (!candidate->valid) continue;
    if (passes(*candidate)) {
      kept.push_back(candidate);
    } else {
      ++result.rejected;
    }
  }
  double least_cost = 0;
  for (const Candidate* candidate : kept) {
    if (!result.chosen || candidate->key.cost < least_cost) least_cost = candidate->key.cost;
    if (!result.chosen) result.chosen = candidate;
  }
  for (const Candidate* candidate : kept) {
    const bool better = objective == Objective::kMinimumLayouts
                            ? LayoutsBetter(candidate->key, result.chosen->key, least_cost)
                            : CostBetter(candidate->key, result.chosen->key);
    if (better) result.chosen = candidate;
  }
  return result;
}

}  // namespace lumora::deep
