#ifndef LUMORA_CORE_DEEP_PLAN_ELEMENTS_H_
#define LUMORA_CORE_DEEP_PLAN_ELEMENTS_H_

#include "core/deep/construction.h"
#include "core/engine2d/engine_records.h"

namespace lumora::deep {

// The plan as a result's layout elements in engine coordinates, the way the standard engine
// commits its layouts: per layout the stock frame and the four margin strips, then the pieces
// with their orientations, the free rectangles and the full cuts, every element stamped with
// the layout number and its Repeat. Layouts that come out identical become one layout whose
// Repeat is their sum.
ElementList PlanElements(const Plan& plan, const DeepProblem& problem, const StockList& stocks,
                         const GlassList& glasses);

}  // namespace lumora::deep

#endif  // LUMORA_CORE_DEEP_PLAN_ELEMENTS_H_
