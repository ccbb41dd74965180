#ifndef LUMORA_CORE_LIBRARY_BALANCE_EXPORT_H_
#define LUMORA_CORE_LIBRARY_BALANCE_EXPORT_H_

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/prompter.h"
#include "core/job/job.h"
#include "core/tables/grid.h"

// The export of the balance and scrap table into the material library: the leftovers of a run
// go into stock and the sheets it used come out of it.
namespace lumora {

// One row of the balance and scrap table as the library takes it: the sides in millimetres,
// the quantity, and the CP/SFT of a balance or "SCRAP".
struct BalanceRow {
  std::string l1;
  std::string l2;
  std::string qty;
  std::string tag;
};

// The rows of a grid with the columns of offcut.tlf (LAYOUT, L1, L2, QTY, TAG); inch sides are
// turned into millimetres. Blank rows are left out.
std::vector<BalanceRow> BalanceRowsOfGrid(const Grid& offcut, bool sides_in_inches);

// The balance rows of the job's result in millimetres, as the table shows them once the unit is
// switched to millimetres; empty when the result does not load.
std::vector<BalanceRow> MillimetreBalanceRows(const Job& job);

// The library records an export appends for an item, grade and thickness: one per balance or
// scrap row, then one per record of sheets.Adj with its used quantity negated.
std::string ExportRecords(std::string_view item, std::string_view grade, std::string_view thick,
                          const std::vector<BalanceRow>& rows, std::string_view sheets_used);

enum class ExportOutcome { kDeclined, kExported, kFailed };

// "Update Material Library?" (No is the default); on Yes appends the rows of the balance and
// scrap table (offcut holds them in the job's display unit; in inches they are taken from the
// result in millimetres) and the negated sheets of the working sheets.Adj to mlm.dat for the
// Basic Details item, grade and thickness, registers the balances' sizes as leftovers
// (leftovers.dat), lets merge_library sort and merge mlm.dat, tells
// "Material Library Updated!" and clears the imported-stock flag. merge_library answers whether
// it wrote mlm.dat. Once the records are appended the flag is cleared even if the merge failed,
// so they are never appended twice; a failed write is told and answers kFailed.
ExportOutcome ExportBalances(Job& job, const Grid& offcut, Prompter& prompter,
                             const std::function<bool()>& merge_library);

// ExportBalances that merges with AutoMergeLibrary.
ExportOutcome ExportBalances(Job& job, const Grid& offcut, Prompter& prompter);

}  // namespace lumora

#endif  // LUMORA_CORE_LIBRARY_BALANCE_EXPORT_H_
