#ifndef LUMORA_CORE_DEEP_DEEP_PROBLEM_H_
#define LUMORA_CORE_DEEP_DEEP_PROBLEM_H_

#include <array>
#include <cstdint>
#include <vector>

#include "core/engine2d/engine_records.h"

// The prepared job as the deep optimizer sees it: every length a whole number of grid units,
// so that its packing is exact arithmetic on integers. The grid is as fine as the job's own
// lengths need: whole millimetres (or tenths or hundredths where the job has them), divided by
// their greatest common divisor.
namespace lumora::deep {

struct StockSize {
  int stock_index = 0;  // into the prepared StockList
  int width = 0;        // usable L2 (engine x), in units
  int height = 0;       // usable L1 (engine y), in units
  float quantity = 0;
  double frame_area = 0;   // L1 * L2 of the whole stock in mm², margins included
  double frame_width = 0;  // L2 in mm: a coil's cost is its width times the length it takes
  double margin_top = 0;   // mm before a coil's usable length starts
  bool leftover = false;   // stock that came back from the material library's leftovers
  // The share of its frame area a sheet of it costs: 1, a leftover's less under "Use leftovers
  // first".
  double cost_share = 1;
};

struct PieceSize {
  int glass_index = 0;  // into the prepared GlassList
  // Along x and y per orientation (index 1 and 2), in units; 0 where ORN forbids it.
  std::array<int, 3> x{};
  std::array<int, 3> y{};
  int demand = 0;
  double area = 0;  // in square units
};

struct DeepProblem {
  double unit_mm = 1;  // millimetres per unit
  std::vector<StockSize> stocks;
  std::vector<PieceSize> pieces;
  bool coil_mode = false;
  // Under "Use leftovers first" every leftover left unused counts at its whole area, so that a
  // plan gains by each leftover it takes rather than by its cheap area alone.
  bool charge_unused_leftovers = false;
};

// The share of a new sheet's cost a leftover's area costs under "Use leftovers first": low
// enough that a leftover holding any piece is worth more than any sheet to the construction.
inline constexpr double kLeftoverCostShare = 0.001;

// Whether the piece fits the stock's usable area in an orientation its ORN allows.
bool PieceFitsStock(const PieceSize& piece, const StockSize& stock);

// Whether the sizes average fewer than two pieces. A plan then places each size once or twice:
// what one plan shows of a size is mostly chance, and a strip of it can seldom be cut twice.
bool FewPiecesPerSize(const DeepProblem& problem);

// A stock size by its sides as typed, L1 and L2 in millimetres.
using StockSizeMm = std::array<float, 2>;
// Whether the sizes hold one with these sides, whichever way round.
bool HoldsStockSize(const std::vector<StockSizeMm>& sizes, float l1, float l2);

// How the stock is valued. Leftovers are the stock sizes that came back from the material
// library's leftovers.
struct StockValuation {
  bool leftovers_first = false;
  std::vector<StockSizeMm> leftover_sizes;
};

// Builds the unit grid from the prepared lists (kerf added, sorted). Piece sizes are rounded up
// and usable sizes down, so a packing in units always fits the real lengths. Glass records of
// quantity 0 (merged duplicates) are left out.
DeepProblem MakeDeepProblem(const StockList& stocks, const GlassList& glasses, bool coil_mode,
                            const StockValuation& valuation = {});

}  // namespace lumora::deep

#endif  // LUMORA_CORE_DEEP_DEEP_PROBLEM_H_
