#ifndef LUMORA_CORE_DEEP_LEFTOVER_CHARGE_H_
#define LUMORA_CORE_DEEP_LEFTOVER_CHARGE_H_

#include <vector>

#include "core/deep/deep_problem.h"

// What "Use leftovers first" holds against a result for the leftovers it leaves in the rack:
// each one at its whole area, so that a result gains by every leftover it takes, and apart from
// that the idle ones - leftovers left unused while a piece that would fit one is cut from a new
// sheet. A result with fewer idle leftovers is the better one whatever its stock.
namespace lumora::deep {

// How a result uses the stock: sheets taken of each problem stock, and which problem pieces are
// (some of them) cut from a stock that is not a leftover.
struct StockUse {
  explicit StockUse(const DeepProblem& problem)
      : sheets_taken(problem.stocks.size(), 0.0), on_new_sheet(problem.pieces.size(), false) {}
  std::vector<double> sheets_taken;
  std::vector<bool> on_new_sheet;
};

struct LeftoverCharge {
  double unused_area = 0;  // mm² of the leftovers left unused
  int idle = 0;            // leftover sheets left unused that a piece on a new sheet fits
};

// Nothing unless the problem charges unused leftovers.
LeftoverCharge ChargeOf(const DeepProblem& problem, const StockUse& use);

}  // namespace lumora::deep

#endif  // LUMORA_CORE_DEEP_LEFTOVER_CHARGE_H_
