#ifndef LUMORA_CORE_DEEP_SHEET_EMPTYING_H_
#define LUMORA_CORE_DEEP_SHEET_EMPTYING_H_

#include "core/deep/construction.h"
#include "core/deep/deep_problem.h"
#include "core/deep/pattern_generator.h"

// A local search on a complete plan: the pieces of its emptiest sheet are moved, a few at a
// time, into other sheets re-cut to hold more, until the sheet is empty and dropped or no
// other sheet takes more; what stays is re-cut on the cheapest stock that holds it all.
namespace lumora::deep {

// Answers whether the plan now takes less stock. `generator` forgets its strips.
bool EmptyWorstSheet(Plan& plan, const DeepProblem& problem, const Construction& construction,
                     PatternGenerator& generator);

}  // namespace lumora::deep

#endif  // LUMORA_CORE_DEEP_SHEET_EMPTYING_H_
