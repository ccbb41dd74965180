#include "core/deep/search_chain.h"

#include <algorithm>
#include <utility>

#include "core/deep/plan_elements.h"
#include "core/deep/sheet_emptying.h"
#include "core/deep/tail_search.h"

namespace lumora::deep {
namespace {

constexpr int kEmptyingRounds = 8;
constexpr int kTailRounds = 4;
// A search for a plan of a sheet fewer makes this many moves from each start, so many a step.
constexpr int kSheetFewerMoves = 20000;
constexpr int kSheetFewerMovesPerStep = 1000;
constexpr size_t kMostSizesForSheetFewer = 256;
// Plans whose cost is within this share of each other take the same stock.
constexpr double kSameCost = 1e-9;

// Every other chain packs strips with mixed columns too: jobs of few pieces of a kind need them,
// jobs of many of each do better with the faster identical columns.
PatternLimits LimitsOfChain(PatternLimits limits, int chain) {
  limits.mixed_strips = chain % 2 == 1;
  return limits;
}

// Half the chains move their values further at each correction; the jitter grows with the
// index in steps of four. Where the sizes have few pieces each, the values move a fifth as far,
// so that they learn from many plans rather than follow the last one.
double CorrectionRateOfChain(int chain, const DeepProblem& problem) {
  constexpr double kFewPiecesDamping = 0.2;
  const double rate = chain < kChains / 2 ? 0.5 : 0.3;
  return FewPiecesPerSize(problem) ? rate * kFewPiecesDamping : rate;
}
double JitterOfChain(int chain) { return 0.04 * (chain % 4); }

}  // namespace

SearchChain::SearchChain(const DeepProblem& problem, const PatternLimits& limits,
                         const StockList& stocks, const GlassList& glasses, uint64_t seed,
                         int index, double least_cost, std::chrono::steady_clock::time_point start)
    : problem_(problem),
      stocks_(stocks),
      glasses_(glasses),
      construction_(problem, LimitsOfChain(limits, index)),
      random_(seed * 0x100000001B3ULL + static_cast<uint64_t>(index) + 1),
      correction_(problem, CorrectionRateOfChain(index, problem), JitterOfChain(index)),
      least_cost_(least_cost),
      start_(start) {}

bool SearchChain::Step(const std::atomic<bool>& stop) {
  ++steps_;
  if (sheet_fewer_.HasMovesLeft()) {
    ++counts_.sheet_fewer;
    return SearchSheetFewer(stop);
  }
  return FindPlan(stop);
}

// One construction, or every other step once there is a best plan, a few replans of its tail;
// answers whether the chain's best changed.
bool SearchChain::FindPlan(const std::atomic<bool>& stop) {
  Plan plan;
  if (!best_plan_.layouts.empty() && steps_ % 2 == 0) {
    ++counts_.tail_replans;
    plan = best_plan_;
    bool replanned = false;
    for (int round = 0; round < kTailRounds && !stop.load(); ++round) {
      const size_t most = std::max<size_t>(2, plan.layouts.size() / 3);
      const auto tail = 2 + static_cast<size_t>(random_.Next() * static_cast<double>(most - 1));
      replanned |=
          ReplanTail(plan, tail, problem_, construction_, correction_.Jittered(random_), stop);
    }
    if (!replanned) return false;
  } else {
    // The first plan comes quickly, so that there is a result early on a job of any size.
    construction_.generator().SetQuick(counts_.constructions == 0);
    ++counts_.constructions;
    plan = construction_.Build(correction_.Jittered(random_), stop);
    construction_.generator().SetQuick(false);
    if (!plan.complete) {
      if (!stop.load()) unplaced_ = plan.unplaced;
      return false;
    }
    correction_.Correct(construction_, plan);
  }
  // Only a plan that is as good as the best so far is worth the local search.
  if (best_plan_.layouts.empty() ||
      construction_.PlanCost(plan) <= best_plan_rank_.cost * (1 + kSameCost)) {
    for (int round = 0; round < kEmptyingRounds && !stop.load(); ++round) {
      if (!EmptyWorstSheet(plan, problem_, construction_, construction_.generator())) break;
    }
    // Every plan as good as the best is a new start for the search for a sheet fewer.
    StartSheetFewer(plan);
  }
  return Offer(std::move(plan));
}

// Goes on with the search for a plan of a sheet fewer; once found, it is offered and the
// search starts again from it, for the next emptiest sheet.
bool SearchChain::SearchSheetFewer(const std::atomic<bool>& stop) {
  if (!sheet_fewer_.Continue(kSheetFewerMovesPerStep, problem_, construction_.generator(), random_,
                             stop)) {
    return false;
  }
  Plan fewer = sheet_fewer_.Result();
  StartSheetFewer(fewer);
  return Offer(std::move(fewer));
}

// A plan at the least possible stock has no sheet to spare. A job of many sizes is not searched
// so: its plans hold hundreds of sheets, a move re-cuts one or two of them, and a start's moves
// took longer than a whole run of ten seconds without sparing a sheet, where more plans under
// corrected values do.
void SearchChain::StartSheetFewer(const Plan& plan) {
  if (problem_.pieces.size() <= kMostSizesForSheetFewer &&
      construction_.PlanCost(plan) > least_cost_ * (1 + kSameCost)) {
    sheet_fewer_.Start(plan, problem_, construction_, kSheetFewerMoves);
  }
}

bool SearchChain::Offer(Plan plan) {
  Candidate candidate;
  candidate.elements = PlanElements(plan, problem_, stocks_, glasses_);
  if (candidate.elements.Count() > kMaxListCount) {
    ++counts_.oversized;
    return false;
  }
  candidate.key = KeyOf(candidate.elements, problem_);
  candidate.valid = true;
  candidate.found_at_seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  if (first_found_seconds_ < 0) first_found_seconds_ = candidate.found_at_seconds;
  bool changed = false;
  if (!by_cost.valid || CostBetter(candidate.key, by_cost.key)) {
    by_cost = candidate;
    changed = true;
  }
  if (!by_layouts.valid || LayoutsBetter(candidate.key, by_layouts.key, by_cost.key.cost)) {
    by_layouts = std::move(candidate);
  }
  const PlanRank rank = RankOf(plan, problem_, construction_);
  if (best_plan_.layouts.empty() || RanksBefore(rank, best_plan_rank_)) {
    best_plan_rank_ = rank;
    best_plan_ = std::move(plan);
  }
  return changed;
}

}  // namespace lumora::deep
