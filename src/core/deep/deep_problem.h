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
};

// Builds the unit grid from the prepared lists (kerf added, sorted). Piece sizes are rounded up
// and usable sizes down, so a packing in units always fits the real lengths. Glass records of
// quantity 0 (merged duplicates) are left out.
DeepProblem MakeDeepProblem(const StockList& stocks, const GlassList& glasses, bool coil_mode);

}  // namespace lumora::deep

#endif  // LUMORA_CORE_DEEP_DEEP_PROBLEM_H_
