// Random key sequences on the three job grids: bytes in pairs, an action and its key. The
// current cell may be put anywhere, also outside the grid, where no key may land.
#include <cstddef>
#include <cstdint>

#include "core/job/job.h"
#include "core/tables/grid_keys.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lumora;
  if (size < 1) return 0;
  Job job = MakeJob(Workspace{fuzz::ScratchDataFolder(), "4.5"}, ProgramSettings{});
  Grid* grids[] = {&job.basic, &job.sheet, &job.glass};
  Grid& grid = *grids[data[0] % 3];
  const EnterContext context{data[0] & 4 ? "SHEET" : "CUT", data[0] & 8 ? Unit::kIn : Unit::kMm,
                             data[0] & 16 ? MoveSetting::kHalf : MoveSetting::kFull};
  for (size_t i = 1; i + 1 < size; i += 2) {
    const uint8_t key = data[i + 1];
    switch (data[i] % 5) {
      case 0:
        GridKeyDown(grid, key);
        break;
      case 1:
        TypeKey(grid, static_cast<char>(key), data[i] & 8);
        break;
      case 2:
        GridKeyPress(grid, static_cast<char>(key));
        break;
      case 3: {
        const CellPosition next = EnterNavigation(grid, context);
        fuzz::Require(next.row >= 0 && next.col >= 0);
        grid.row = next.row;
        grid.col = next.col;
        break;
      }
      default:
        grid.row = static_cast<int8_t>(key >> 4);
        grid.col = static_cast<int8_t>(key & 15) - 2;
        break;
    }
    fuzz::Require(grid.Rows() >= 2 && grid.Rows() <= 2 + static_cast<int>(size));
  }
  return 0;
}
