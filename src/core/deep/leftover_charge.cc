#include "core/deep/leftover_charge.h"

#include <algorithm>

namespace lumora::deep {

LeftoverCharge ChargeOf(const DeepProblem& problem, const StockUse& use) {
  LeftoverCharge charge;
  if (!problem.charge_unused_leftovers) return charge;
  for (size_t s = 0; s < problem.stocks.size(); ++s) {
    const StockSize& stock = problem.stocks[s];
    const double unused = std::max(0.0, stock.quantity - use.sheets_taken[s]);
    if (!stock.leftover || unused <= 0) continue;
    charge.unused_area += unused * stock.frame_area;
    for (size_t p = 0; p < problem.pieces.size(); ++p) {
      if (use.on_new_sheet[p] && PieceFitsStock(problem.pieces[p], stock)) {
        charge.idle += static_cast<int>(unused);
        break;
      }
    }
  }
  return charge;
}

}  // namespace lumora::deep
