#ifndef LUMORA_CORE_DEEP_CONSTRUCTION_H_
#define LUMORA_CORE_DEEP_CONSTRUCTION_H_

#include <atomic>
#include <vector>

#include "core/deep/deep_problem.h"
#include "core/deep/pattern_generator.h"
#include "core/deep/sheet_pattern.h"

// The sequential heuristic of sequential value correction (sequential_value_correction.h): one
// whole plan built pattern by pattern, each step taking, over every stock size still available,
// the pattern with the most value per stock area, cut as often as the pieces still wanted and
// the stock allow.
namespace lumora::deep {

struct PlannedLayout {
  SheetPattern pattern;
  int repeat = 0;
};

struct Plan {
  std::vector<PlannedLayout> layouts;
  bool complete = false;      // every piece placed
  std::vector<int> unplaced;  // pieces of each type left when it is not
};

class Construction {
 public:
  Construction(const DeepProblem& problem, const PatternLimits& limits);

  // A plan under the values; stops early (incomplete) when `stop` is set.
  Plan Build(const std::vector<double>& values, const std::atomic<bool>& stop);
  // The same for only some pieces (counts by type) on what is left of the stock (sheets by
  // stock size).
  Plan BuildFor(const std::vector<double>& values, std::vector<int> remaining,
                std::vector<double> stock_left, const std::atomic<bool>& stop);

  // The stock area a layout takes in mm²: the whole sheet, or for a coil its width times the
  // length up to the last piece.
  double AreaOf(const SheetPattern& pattern) const;
  // What the layout costs: its area at its stock's cost share (a leftover's less under "Use
  // leftovers first").
  double CostOf(const SheetPattern& pattern) const;
  // The stock the plan's layouts from `first` on take, in the units of CostOf; a whole plan
  // under "Use leftovers first" is charged for the leftovers it leaves unused as well.
  double PlanCost(const Plan& plan, size_t first = 0) const;

  // The construction's pattern generator, for searches that re-cut its sheets.
  PatternGenerator& generator() { return generator_; }

 private:
  // Whether a step takes pattern a before b: the more value per stock cost, and under "Use
  // leftovers first" any leftover before a new sheet, the smallest leftover first, so that
  // the pieces a small one can hold go there rather than on a larger one.
  bool Precedes(const SheetPattern& a, double a_score, const SheetPattern& b, double b_score) const;

  const DeepProblem& problem_;
  PatternGenerator generator_;
};

}  // namespace lumora::deep

#endif  // LUMORA_CORE_DEEP_CONSTRUCTION_H_
