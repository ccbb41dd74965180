#ifndef LUMORA_CORE_JOB_MIRROR_CONVERSION_H_
#define LUMORA_CORE_JOB_MIRROR_CONVERSION_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/unit_and_orn.h"
#include "core/base/workspace.h"
#include "core/tables/grid.h"

// The millimetre and inch columns of the Sheet and Glass grids kept in step, and the chargeable
// lengths of the Glass grid.
namespace lumora {

// One record of charge.dat: a side longer than lower and not longer than upper (both in
// millimetres from their inch texts) is charged as the chargeable inch text.
struct ChargeRange {
  double lower_mm = 0.0;
  double upper_mm = 0.0;
  std::string chargeable;
};

// The chargeable size definition; nullopt when charge.dat does not exist.
using ChargeTable = std::optional<std::vector<ChargeRange>>;

// Reads charge.dat of the data folder, three fields per record in file order.
ChargeTable LoadChargeTable(const Workspace& workspace);
// ChargeTable from the bytes of a charge.dat; nullopt stands for a missing file.
ChargeTable ChargeTableFromBytes(const std::optional<std::string>& bytes);

// The chargeable text of an inch length: the third field of the first range with
// lower < x <= upper, unchanged; empty without charge.dat or without a matching range.
std::string ChargeableLength(std::string_view inch_text, const ChargeTable& charges);

// Whether the unit setting locks a column of the Sheet or Glass grid: inches lock the
// millimetre columns 1 and 2, millimetres the inch columns 3 and 4.
bool IsColumnLockedByUnit(Unit unit, int col);

// After an accepted key in column col of the Sheet or Glass grid: the millimetre column 1 or 2
// fills its inch twin 3 or 4 and the other way round; a result that reads as a number not
// greater than 0 leaves the twin empty. Other columns change nothing.
void ApplyMirrorConversion(Grid& grid, int row, int col);

// After ApplyMirrorConversion in the Glass grid: a key in column 1 or 3 sets "ChL1 (IN)" from
// "L1 (IN)", a key in column 2 or 4 sets "ChL2 (IN)" from "L2 (IN)"; a chargeable length not
// greater than 0 leaves the cell empty. Other columns change nothing.
void UpdateChargeableLengths(Grid& glass, int row, int col, const ChargeTable& charges);

}  // namespace lumora

#endif  // LUMORA_CORE_JOB_MIRROR_CONVERSION_H_
