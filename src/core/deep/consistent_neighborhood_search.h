#ifndef LUMORA_CORE_DEEP_CONSISTENT_NEIGHBORHOOD_SEARCH_H_
#define LUMORA_CORE_DEEP_CONSISTENT_NEIGHBORHOOD_SEARCH_H_

#include <atomic>
#include <vector>

#include "core/deep/chain_random.h"
#include "core/deep/construction.h"
#include "core/deep/deep_problem.h"
#include "core/deep/pattern_generator.h"

// The sheet-ejection search for a plan with one sheet fewer, after the consistent neighbourhood
// search of M. Buljubašić and M. Vasquez ("Consistent neighborhood search for one-dimensional
// bin packing and two-dimensional vector packing", Computers & Operations Research 76, 2016):
// the emptiest sheet is taken out and its pieces are homeless, a partial plan of a sheet fewer.
// A move cuts sheets chosen at random again from their own pieces and the homeless ones, the
// homeless valued a little higher; a sheet so cut takes some and may give up others, which are
// then homeless. A move stays when the homeless area does not grow, so the search wanders
// among equal states until every piece has a sheet again. Only sheets of their own layout take
// part, so that no repeated layout breaks up; a plan of mostly repeated layouts is left alone,
// and so is a coil plan, whose cost is the length a sheet cut again may change.
namespace lumora::deep {

class ConsistentNeighborhoodSearch {
 public:
  // Starts from the plan with `tries` moves to make; false when it has no sheet to take out.
  bool Start(const Plan& plan, const DeepProblem& problem, const Construction& construction,
             int tries);
  // Makes at most `tries` more moves; true once every piece has a sheet again, Result() then
  // being the plan with a sheet fewer.
  bool Continue(int tries, const DeepProblem& problem, PatternGenerator& generator,
                ChainRandom& random, const std::atomic<bool>& stop);
  // Whether it has moves left to make.
  bool HasMovesLeft() const { return tries_left_ > 0; }
  const Plan& Result() const { return trial_; }

 private:
  int tries_left_ = 0;
  Plan trial_;
  std::vector<int> homeless_;
  double homeless_area_ = 0;
};

}  // namespace lumora::deep

#endif  // LUMORA_CORE_DEEP_CONSISTENT_NEIGHBORHOOD_SEARCH_H_
