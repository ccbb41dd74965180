#ifndef LUMORA_CORE_DEEP_FREE_RECT_PACKING_H_
#define LUMORA_CORE_DEEP_FREE_RECT_PACKING_H_

#include <vector>

#include "core/deep/deep_problem.h"
#include "core/deep/sheet_pattern.h"

// A second way to cut one sheet, for pieces of many different sizes: the pieces in a given order,
// each into the free rectangle it fits most tightly, the rectangle then split in two by one
// guillotine cut. Pieces that fit nowhere are left out.
namespace lumora::deep {

// `order` lists piece types, a type as often as pieces of it are offered.
SheetPattern PackInOrder(const DeepProblem& problem, int stock, const std::vector<int>& order);

}  // namespace lumora::deep

#endif  // LUMORA_CORE_DEEP_FREE_RECT_PACKING_H_
