#ifndef LUMORA_CORE_LIBRARY_STOCK_IMPORT_H_
#define LUMORA_CORE_LIBRARY_STOCK_IMPORT_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/prompter.h"
#include "core/base/workspace.h"
#include "core/job/data_change.h"
#include "core/job/program_settings.h"
#include "core/tables/grid.h"

// Stock from the material library into a job: the sizes of the job's item ("Import" of the
// Sheet Specifications) and the list of items to choose from ("Select I&tem" of Basic Details).
namespace lumora {

enum class ImportOutcome {
  kDeclined,    // the change confirmation was answered No
  kImported,    // the Sheet grid holds the imported sizes
  kNotFound,    // nothing to import, and the user does not want to choose an item
  kSelectItem,  // nothing to import: the caller presses "Select I&tem" of Basic Details
  kFailed,      // the Sheet working table could not be written (told)
};

struct ImportResult {
  ImportOutcome outcome = ImportOutcome::kDeclined;
  int count = 0;
};

// The Sheet rows mlm.dat holds for an item, grade and thickness, as Sheet table-file bytes: L1,
// L2, the inch columns and margins empty, QTY and CP/SFT. Only the first contiguous block of
// the item's records is read; records of another grade or thickness (compared as floats) and
// "SCRAP" records are passed over.
struct StockRows {
  std::string bytes;
  int count = 0;
};
StockRows ImportableStock(std::string_view library_bytes, std::string_view item,
                          std::string_view grade, std::string_view thick);

// "Import": asks the change confirmation (dia_path is the working dia.tlf), then fills the Sheet
// grid and its working table with the stock of the Basic Details item, fills the inch columns,
// sets the imported-stock flag and tells how many sizes came. Without any, asks whether to
// choose an item from the stock; the grid stays as it was.
ImportResult ImportStock(const Workspace& workspace, const Grid& basic, Grid& sheet,
                         ProgramSettings& settings, Prompter& prompter,
                         const ResultViewActions& actions);

// The distinct first fields of the lines of mlm.dat, in first-seen order.
std::vector<std::string> MaterialItems(std::string_view library_bytes);

// Prepares the item choice of "Select I&tem": writes the items of mlm.dat to products.lst and
// answers true. Without any item, tells "Sheet Library is empty" and answers false; a failed
// write of products.lst is told and answers false.
bool PrepareItemChoice(const Workspace& workspace, Prompter& prompter);

// After an item was chosen, the Sheet grid is emptied and stored, so that stock for the new
// item is imported afresh. Returns the reason when the store failed.
std::optional<std::string> EmptyStockTable(Grid& sheet);

}  // namespace lumora

#endif  // LUMORA_CORE_LIBRARY_STOCK_IMPORT_H_
