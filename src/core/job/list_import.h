#ifndef LUMORA_CORE_JOB_LIST_IMPORT_H_
#define LUMORA_CORE_JOB_LIST_IMPORT_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/delimited_text.h"
#include "core/base/unit_and_orn.h"
#include "core/job/job_line.h"
#include "core/job/mirror_conversion.h"
#include "core/tables/grid.h"

// Glass, stock and flaw lists read from spreadsheet text into the Glass and Sheet grids and the
// job's line data: which column of the file fills which column of the grid, and every value
// held to the key rules of a typed cell.
namespace lumora {

enum class ListKind { kGlass, kStock, kFlaw };

// The most a list file may hold: as many lines as a grid holds rows, at 500 bytes a line.
inline constexpr size_t kListFileLimit = 16 * 1024 * 1024;

// The columns a list takes from a file, in the grid's order: "L1" and "L2" (the lengths, in
// millimetres or inches), "QTY", and then the rest by their grid headers ("ORN", "CUSTOMER",
// ..., or the margins and "CP/SFT"), a glass list's "STACK" and "SEQUENCE" last. The chargeable
// sizes are never read; they follow L1 and L2. A flaw list takes "X", "Y", "WIDTH", "HEIGHT",
// "SHEET" and "ROW" into the columns of FlawListHeaders.
const std::vector<std::string>& ImportTargets(ListKind kind);

// Which column of the file (0-based; -1 none) fills each target, and the unit of the lengths.
struct ImportMapping {
  bool has_header = false;
  std::vector<int> columns;
  Unit unit = Unit::kMm;
};

// The mapping a file suggests. Its first record is a header when any field names a target, by
// its grid header or a common word ("Width", "Height", "Quantity", "Pcs", "Client" ...), or when
// none of its fields starts with a digit and the next record's do. Header fields fill the
// targets they name; "(MM)" or "(IN)" on the column of the first target gives the unit, else
// `unit`. A file without header fills the targets in order.
ImportMapping GuessMapping(const DelimitedText& text, ListKind kind, Unit unit);

// Applies a --map text such as "L1=Width,L2=Height,QTY=3": each target takes the file column of
// that header (as GuessMapping compares headers) or that 1-based number. Returns what is wrong.
std::optional<std::string> ApplyMapText(ImportMapping& mapping, const DelimitedText& text,
                                        ListKind kind, std::string_view map_text);

// The header of file column `column` when the file has one, else "Column N".
std::string SourceColumnName(const DelimitedText& text, const ImportMapping& mapping, int column);

// What is told about a line of the file, or about the lines line..last_line.
struct ImportIssue {
  int line = 0;
  std::string reason;
  int last_line = 0;
};

// One record of the file as the cells of a grid row.
struct ImportRow {
  int line = 0;
  std::vector<std::string> cells;
};

// The records of a file as rows of a grid with the given headers (cells of columns
// 1..headers.size(), and of the columns the job keeps beside the grid after them, each checked
// as its target's name is in the column dictionary), and what did not fit. A record with a value
// the key rules refuse is left out; a text too long for its column is cut; both are told with the
// file's line. Records stop at the most rows a grid holds: the first line not read is
// first_line_left (0 when all were).
struct ImportRows {
  std::vector<ImportRow> rows;
  std::vector<ImportIssue> issues;
  int first_line_left = 0;
  int last_line = 0;  // the last line of the file holding a record
};

ImportRows BuildImportRows(const DelimitedText& text, const ImportMapping& mapping, ListKind kind,
                           const std::vector<std::string>& headers);

// The data rows the grid holds up to its last non-empty row: the rows an import adds after.
int HeldRows(const Grid& grid);

// Leaves out the rows beyond what a grid holding `rows_held` rows can take; every line from the
// first such row on is told in one issue, put first ("the list holds at most 32765 rows").
void KeepRowsThatFit(ImportRows& rows, int rows_held);

// Writes the rows into the grid after its last non-empty row, or in place of every row, and
// fills the other unit's lengths and, in the Glass grid, the chargeable sizes as typing does. A
// glass row without a SR.NO gets the number of its grid row, as the number column shows it,
// and a glass row with a STACK goes into that stack of the line data, when there is one.
// Answers how many rows were stored: all of them when they fit (KeepRowsThatFit).
int AddImportedRows(Grid& grid, const ImportRows& rows, ListKind kind, Unit unit, bool replace,
                    const ChargeTable& charges, JobLine* line = nullptr);

}  // namespace lumora

#endif  // LUMORA_CORE_JOB_LIST_IMPORT_H_
