#ifndef LUMORA_CORE_JOB_JOB_GRIDS_H_
#define LUMORA_CORE_JOB_JOB_GRIDS_H_

#include <array>
#include <string_view>

#include "core/base/prompter.h"
#include "core/base/workspace.h"
#include "core/tables/grid.h"

// The grids of the job windows and of the settings windows: their columns, hidden columns,
// table files and row limits.
namespace lumora {

// Empty job grids with their headers, widths and working table in Tag. Basic Details hides the
// number column and columns 2 to 7; the Sheet grid hides the four margins, and in coil mode the
// quantity as well.
Grid MakeBasicGrid(const Workspace& workspace);
Grid MakeSheetGrid(const Workspace& workspace, bool coil_mode);
Grid MakeGlassGrid(const Workspace& workspace);

// Cuts a grid that holds exactly one record back to the header and that record.
void KeepOneRow(Grid& grid);

// The settings grids, loaded from the data folder. misc.set and scrap.dat keep one row and hide
// the number column.
Grid LoadMiscGrid(const Workspace& workspace);
Grid LoadScrapGrid(const Workspace& workspace);
// lbl.def's one row: ROWS, COLS, HS, HP, VS, VP.
Grid LoadLabelsGrid(const Workspace& workspace);
// The chargeable size grid shows charge.dat but stores into the working charge.tlf, so that
// sorting and other intermediate stores never touch charge.dat.
inline constexpr std::string_view kChargeWorkingFileName = "charge.tlf";
Grid LoadChargeGrid(const Workspace& workspace);
// Closing the chargeable size window: asks "Save Changes?"; Yes moves to the first cell and
// stores the grid into charge.dat. Answers false only when that store failed (and was told).
bool CloseChargeGrid(Grid& grid, const Workspace& workspace, Prompter& prompter);

// What the Sheet window's four indicators show for a row: whether the left, top, right and
// bottom margins are greater than zero.
std::array<bool, 4> MarginIndicators(const Grid& sheet, int row);
// The orientation label to show for a Glass row: 1 or 2 when "ORN" reads as that, else 0.
int OrientationLabel(const Grid& glass, int row);
// The sum of the numeric "QTY" values of all Glass rows, for the quantity label.
float GlassQuantityTotal(const Grid& glass);

}  // namespace lumora

#endif  // LUMORA_CORE_JOB_JOB_GRIDS_H_
