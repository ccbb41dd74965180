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

// How the searches that edit a plan rank it: by the stock it takes, then by the pieces left on
// its emptiest sheet, since the fewer they are, the nearer the plan is to sparing that sheet.
// Without the second measure, plans of equal stock would all look alike and a search could not
// move pieces out of a sheet step by step.
struct PlanRank {
  double cost = 0;
  double emptiest_area = 0;  // square units on the sheet of least fill
};

// The rank of the plan's layouts from `first` on.
PlanRank RankOf(const Plan& plan, const DeepProblem& problem, const Construction& construction,
                size_t first = 0);
bool RanksBefore(const PlanRank& a, const PlanRank& b);

// a + sign * b, count by count.
std::vector<int> AddCounts(const std::vector<int>& a, const std::vector<int>& b, int sign = 1);

bool AllZero(const std::vector<int>& counts);

// Takes one sheet of the layout out of the plan; its other sheets stay.
void TakeOneSheet(Plan& plan, size_t layout);

}  // namespace lumora::deep

#endif  // LUMORA_CORE_DEEP_PLAN_EDITS_H_
