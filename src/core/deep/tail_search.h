#ifndef LUMORA_CORE_DEEP_TAIL_SEARCH_H_
#define LUMORA_CORE_DEEP_TAIL_SEARCH_H_

#include <atomic>
#include <vector>

#include "core/deep/construction.h"
#include "core/deep/deep_problem.h"

// A plan's last layouts are its poorest: the constructions fill them with what the earlier,
// denser layouts left. Planning their pieces again on their own, under other values, often
// finds a tail that takes less stock: a ruin and recreate move (G. Schrimpf, J. Schneider,
// H. Stamm-Wilbrandt, G. Dueck, "Record breaking optimization results using the ruin and
// recreate principle", Journal of Computational Physics 159(2), 2000) that ruins the tail.
namespace lumora::deep {

// Plans the pieces of the last `tail` layouts again under the values; the new tail replaces
// the old one when it takes less stock. Answers whether it did.
bool ReplanTail(Plan& plan, size_t tail, const DeepProblem& problem, Construction& construction,
                const std::vector<double>& values, const std::atomic<bool>& stop);

}  // namespace lumora::deep

#endif  // LUMORA_CORE_DEEP_TAIL_SEARCH_H_
