#ifndef LUMORA_CORE_DEEP_DEEP_CANDIDATE_H_
#define LUMORA_CORE_DEEP_DEEP_CANDIDATE_H_

#include <functional>
#include <vector>

#include "core/deep/deep_problem.h"
#include "core/engine2d/engine_records.h"
#include "core/engine2d/optimization.h"

// A result the deep search offers, and how results are ranked: under "Use leftovers first" the
// leftovers they leave idle, then the stock they take, then their layouts, then their largest
// leftover; under "Minimum Layouts" the fewest layouts among results within 1% of the least
// stock.
namespace lumora::deep {

struct ResultKey {
  // Stock area in mm² at each stock's cost (with the leftovers left unused under "Use leftovers
  // first"), or coil length in mm.
  double cost = 0;
  int layouts = 0;
  double largest_balance = 0;
  // Under "Use leftovers first": leftovers left unused that a piece cut from a new sheet fits.
  // Fewer of them comes before less stock.
  int idle_leftovers = 0;
};

ResultKey KeyOf(const ElementList& elements, const DeepProblem& problem);
bool CostBetter(const ResultKey& a, const ResultKey& b);
bool LayoutsBetter(const ResultKey& a, const ResultKey& b, double least_cost);

struct Candidate {
  ElementList elements;  // engine coordinates
  ResultKey key;
  bool valid = false;           // holds a result
  double found_at_seconds = 0;  // since the run began
};

struct ChosenResult {
  const Candidate* chosen = nullptr;  // none when no candidate passed
  int64_t rejected = 0;               // candidates the check refused
};

// The best of the candidates, in their order so that a tie goes to the earlier one, among those
// `passes` accepts (it answers the problems it finds, none for a result to keep).
ChosenResult ChooseResult(const std::vector<const Candidate*>& candidates, Objective objective,
                          const std::function<bool(const Candidate&)>& passes);

}  // namespace lumora::deep

#endif  // LUMORA_CORE_DEEP_DEEP_CANDIDATE_H_
