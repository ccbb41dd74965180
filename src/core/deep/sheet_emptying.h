#ifndef LUMORA_CORE_DEEP_SHEET_EMPTYING_H_
#define LUMORA_CORE_DEEP_SHEET_EMPTYING_H_

#include "core/deep/construction.h"
#include "core/deep/deep_problem.h"
#include "core/deep/pattern_generator.h"

// A local search on a complete plan after the target-bin neighbourhood of A. Lodi, S. Martello
// and D. Vigo ("Heuristic and metaheuristic approaches for a class of two-dimensional bin
// packing problems", INFORMS Journal on Computing 11(4), 1999), as a descent without their tabu
// list: the pieces of the emptiest sheet are moved into other sheets re-cut to hold more, until
// the sheet is empty and dropped or no other sheet takes more; what stays is re-cut on the
// cheapest stock that holds it all.
namespace lumora::deep {

// Answers whether the plan now ranks before the old one (RanksBefore): less stock, or as much
// with fewer pieces on its emptiest sheet. `generator` forgets its strips.
bool EmptyWorstSheet(Plan& plan, const DeepProblem& problem, const Construction& construction,
                     PatternGenerator& generator);

}  // namespace lumora::deep

#endif  // LUMORA_CORE_DEEP_SHEET_EMPTYING_H_
