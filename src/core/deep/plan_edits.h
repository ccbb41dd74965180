#ifndef LUMORA_CORE_DEEP_PLAN_EDITS_H_
#define LUMORA_CORE_DEEP_PLAN_EDITS_H_

#include <cstddef>
#include <vector>

#include "core/deep/construction.h"
#include "core/deep/deep_problem.h"
#include "core/deep/sheet_pattern.h"

// What the local searches on a complete plan share: piece counts by type and sheets taken out.
namespace lumora::deep {

// The pieces' area of a pattern, in square units.
double PieceArea(const SheetPattern& pattern, const DeepProblem& problem);

// How full a sheet is, to order sheets by: its pieces' area per stock it takes.
double FillOf(const SheetPattern& pattern, const DeepProblem& problem,
              const Construction& construction);

// a + sign * b, count by count.
std::vector<int> AddCounts(const std::vector<int>& a, const std::vector<int>& b, int sign = 1);

bool AllZero(const std::vector<int>& counts);

// Takes one sheet of the layout out of the plan; its other sheets stay.
void TakeOneSheet(Plan& plan, size_t layout);

}  // namespace lumora::deep

#endif  // LUMORA_CORE_DEEP_PLAN_EDITS_H_
