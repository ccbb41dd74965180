#ifndef LUMORA_TESTS_SUPPORT_FULL_WIDTH_PLANS_H_
#define LUMORA_TESTS_SUPPORT_FULL_WIDTH_PLANS_H_

#include <vector>

#include "core/deep/construction.h"
#include "core/deep/deep_problem.h"

// Plans small enough to check by hand for the searches that edit a plan: one stock of 10 by 10
// units, and pieces as wide as the sheet, so that a sheet holds any pieces whose heights add up
// to at most 10.
namespace lumora::deep {

// A stock 10 units wide and `height` high, a unit a millimetre; a leftover costs a leftover's
// share.
StockSize FullWidthStock(int index, int height, bool leftover = false);

// Every piece 10 wide, as tall as given, wanted once, on the stock 10 high.
DeepProblem FullWidthPieces(const std::vector<int>& heights);

// A sheet of the pieces stacked from the top, cut `repeat` times.
PlannedLayout FullWidthSheet(const DeepProblem& problem, const std::vector<int>& pieces,
                             int repeat = 1);

}  // namespace lumora::deep

#endif  // LUMORA_TESTS_SUPPORT_FULL_WIDTH_PLANS_H_
