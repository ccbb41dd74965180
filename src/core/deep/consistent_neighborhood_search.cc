#include "core/deep/consistent_neighborhood_search.h"

#include <algorithm>
#include <vector>

#include "core/deep/free_rect_packing.h"
#include "core/deep/plan_edits.h"

namespace lumora::deep {
namespace {

// How far a move's piece values stray from the pieces' areas, so that tries on the same sheets
// find different cuts.
constexpr double kValueNoise = 0.1;
// How much more a homeless piece is worth than its area.
constexpr double kHomelessBonus = 0.2;
// The share of moves that cut two sheets again together rather than one: they can trade pieces
// between the two, but each takes longer.
constexpr double kTwoSheetShare = 0.25;

double CountsArea(const std::vector<int>& counts, const DeepProblem& problem) {
  double area = 0;
  for (size_t p = 0; p < counts.size(); ++p) area += counts[p] * problem.pieces[p].area;
  return area;
}

double ValueOf(const SheetPattern& pattern, const std::vector<double>& values) {
  double value = 0;
  for (const PlacedPiece& placed : pattern.pieces) {
    value += values[static_cast<size_t>(placed.piece)];
  }
  return value;
}

// The layouts of one sheet: only they are cut again, so that no repeated layout breaks up.
std::vector<size_t> SingleSheets(const Plan& plan) {
  std::vector<size_t> singles;
  for (size_t i = 0; i < plan.layouts.size(); ++i) {
    if (plan.layouts[i].repeat == 1) singles.push_back(i);
  }
  return singles;
}

size_t Pick(ChainRandom& random, const std::vector<size_t>& from) {
  return from[std::min(from.size() - 1,
                       static_cast<size_t>(random.Next() * static_cast<double>(from.size())))];
}

// The better of the two ways to cut a sheet from the pool under the values.
SheetPattern CutSheet(int stock, const std::vector<double>& values, const std::vector<int>& pool,
                      const DeepProblem& problem, PatternGenerator& generator) {
  SheetPattern cut = generator.Generate(stock, values, pool);
  std::vector<int> order;
  for (size_t p = 0; p < pool.size(); ++p) order.insert(order.end(), pool[p], static_cast<int>(p));
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    return values[static_cast<size_t>(a)] > values[static_cast<size_t>(b)];
  });
  SheetPattern packed = PackInOrder(problem, stock, order);
  packed.value = ValueOf(packed, values);
  return generator.Allows(packed) && packed.value > cut.value + kValueEpsilon ? packed : cut;
}

}  // namespace

bool ConsistentNeighborhoodSearch::Start(const Plan& plan, const DeepProblem& problem,
                                         const Construction& construction, int tries) {
  tries_left_ = 0;
  if (problem.coil_mode) return false;
  const std::vector<size_t> singles = SingleSheets(plan);
  int sheets = 0;
  for (const PlannedLayout& layout : plan.layouts) sheets += layout.repeat;
  if (singles.size() < 2 || static_cast<int>(singles.size()) * 2 < sheets) return false;
  const auto fill = [&](size_t layout) {
    return FillOf(plan.layouts[layout].pattern, problem, construction);
  };
  const size_t emptiest = *std::min_element(singles.begin(), singles.end(),
                                            [&](size_t a, size_t b) { return fill(a) < fill(b); });
  trial_ = plan;
  homeless_ =
      PieceCounts(trial_.layouts[emptiest].pattern, static_cast<int>(problem.pieces.size()));
  homeless_area_ = CountsArea(homeless_, problem);
  TakeOneSheet(trial_, emptiest);
  tries_left_ = tries;
  return true;
}

bool ConsistentNeighborhoodSearch::Continue(int tries, const DeepProblem& problem,
                                            PatternGenerator& generator, ChainRandom& random,
                                            const std::atomic<bool>& stop) {
  if (tries_left_ <= 0) return false;
  const int types = static_cast<int>(problem.pieces.size());
  for (int t = 0; t < tries && tries_left_ > 0 && !stop.load(std::memory_order_relaxed); ++t) {
    --tries_left_;
    const std::vector<size_t> singles = SingleSheets(trial_);
    if (singles.empty()) {
      tries_left_ = 0;
      break;
    }
    std::vector<size_t> chosen{Pick(random, singles)};
    if (singles.size() > 1 && random.Next() < kTwoSheetShare) {
      size_t other = chosen.front();
      while (other == chosen.front()) other = Pick(random, singles);
      chosen.push_back(other);
    }
    std::vector<int> pool = homeless_;
    for (size_t c : chosen) pool = AddCounts(pool, PieceCounts(trial_.layouts[c].pattern, types));
    std::vector<double> values;
    for (int p = 0; p < types; ++p) {
      const double bonus = homeless_[static_cast<size_t>(p)] > 0 ? 1 + kHomelessBonus : 1;
      values.push_back(problem.pieces[static_cast<size_t>(p)].area * bonus *
                       (1 + kValueNoise * (2 * random.Next() - 1)));
    }
    generator.ForgetStrips();
    std::vector<SheetPattern> cuts;
    for (size_t c : chosen) {
      cuts.push_back(CutSheet(trial_.layouts[c].pattern.stock, values, pool, problem, generator));
      pool = AddCounts(pool, PieceCounts(cuts.back(), types), -1);
    }
    const double pool_area = CountsArea(pool, problem);
    if (pool_area > homeless_area_ * (1 + 1e-12)) continue;
    homeless_ = std::move(pool);
    homeless_area_ = pool_area;
    std::sort(chosen.rbegin(), chosen.rend());
    for (size_t c : chosen) TakeOneSheet(trial_, c);
    for (SheetPattern& cut : cuts) {
      if (!cut.Empty()) trial_.layouts.push_back({std::move(cut), 1});
    }
    if (AllZero(homeless_)) break;
  }
  generator.ForgetStrips();
  if (!AllZero(homeless_)) return false;
  tries_left_ = 0;
  return true;
}

}  // namespace lumora::deep
