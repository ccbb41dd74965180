#ifndef LUMORA_CORE_JOB_FLAW_IMPORT_H_
#define LUMORA_CORE_JOB_FLAW_IMPORT_H_

#include <utility>
#include <vector>

#include "core/base/unit_and_orn.h"
#include "core/job/job_line.h"
#include "core/job/list_import.h"
#include "core/tables/grid.h"

// Flaw lists, as a float-line scanner or a hand count gives them, put onto the sheets of the
// stock list.
namespace lumora {

struct FlawPlacement {
  std::vector<std::pair<RowId, SheetFlaw>> flaws;  // by the stock row they belong to
  std::vector<ImportIssue> issues;
};

// The flaws of a flaw list's rows (cells of FlawListHeaders, lengths in `unit`) on the rows of
// the Sheet grid. A flaw lies on sheet SHEET (1 when not given) of stock row ROW; without a
// ROW, the sheets are counted through the stock list, row by row and 1..QTY within a row. A
// flaw without X and Y, on a sheet the list does not have, or reaching beyond its sheet is left
// out and told with its line; a flaw without a width or height is a point or a scratch.
FlawPlacement PlaceFlaws(const ImportRows& rows, const Grid& sheet, Unit unit);

}  // namespace lumora

#endif  // LUMORA_CORE_JOB_FLAW_IMPORT_H_
