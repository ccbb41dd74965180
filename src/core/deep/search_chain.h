#ifndef LUMORA_CORE_DEEP_SEARCH_CHAIN_H_
#define LUMORA_CORE_DEEP_SEARCH_CHAIN_H_

#include <atomic>
#include <chrono>
#include <cstdint>
#include <vector>

#include "core/deep/chain_random.h"
#include "core/deep/consistent_neighborhood_search.h"
#include "core/deep/construction.h"
#include "core/deep/deep_candidate.h"
#include "core/deep/deep_problem.h"
#include "core/deep/pattern_generator.h"
#include "core/deep/plan_edits.h"
#include "core/deep/sequential_value_correction.h"

// One line of the deep search, stepped by the chain runner: plans by sequential value
// correction, and from the best of them a few replans of the tail, a descent that empties the
// emptiest sheet, and a consistent neighbourhood search for a plan of a sheet fewer. Its random
// draws depend on its seed and index only, so a budgeted run repeats on any thread.
namespace lumora::deep {

// Searches that run side by side with their own values and random draws. Their number is
// fixed, whatever the number of threads, so that a budgeted run repeats exactly.
inline constexpr int kChains = 8;

// What a chain's steps went to.
struct StepCounts {
  int64_t constructions = 0;  // whole plans built under corrected values
  int64_t tail_replans = 0;   // steps that planned a best plan's last layouts again
  int64_t sheet_fewer = 0;    // steps of the search for a plan of a sheet fewer
  int64_t oversized = 0;      // plans with more layout elements than a result file holds
};

class SearchChain {
 public:
  // `least_cost` is the stock no plan can go below (0 when unknown); `start` is when the run
  // began, for the time a candidate is found.
  SearchChain(const DeepProblem& problem, const PatternLimits& limits, const StockList& stocks,
              const GlassList& glasses, uint64_t seed, int index, double least_cost,
              std::chrono::steady_clock::time_point start);

  // More of the search for a plan of a sheet fewer while it has moves left, else a new plan;
  // answers whether the chain's best changed.
  bool Step(const std::atomic<bool>& stop);

  int64_t Steps() const { return steps_; }
  const StepCounts& counts() const { return counts_; }
  // Seconds since the run began when the chain found its first plan; -1 before.
  double FirstFoundSeconds() const { return first_found_seconds_; }
  // The pieces of each type the last construction left unplaced, when it did.
  const std::vector<int>& Unplaced() const { return unplaced_; }

  Candidate by_cost;
  Candidate by_layouts;

 private:
  bool FindPlan(const std::atomic<bool>& stop);
  bool SearchSheetFewer(const std::atomic<bool>& stop);
  void StartSheetFewer(const Plan& plan);
  bool Offer(Plan plan);

  const DeepProblem& problem_;
  const StockList& stocks_;
  const GlassList& glasses_;
  Construction construction_;
  ChainRandom random_;
  SequentialValueCorrection correction_;
  std::vector<int> unplaced_;
  int64_t steps_ = 0;
  StepCounts counts_;
  double first_found_seconds_ = -1;
  // The plan the chain's searches start from: of its plans, the first by RanksBefore.
  Plan best_plan_;
  PlanRank best_plan_rank_;
  double least_cost_ = 0;
  std::chrono::steady_clock::time_point start_;
  ConsistentNeighborhoodSearch sheet_fewer_;
};

}  // namespace lumora::deep

#endif  // LUMORA_CORE_DEEP_SEARCH_CHAIN_H_
