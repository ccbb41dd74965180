#ifndef LUMORA_CORE_LIBRARY_MATERIAL_LIBRARY_H_
#define LUMORA_CORE_LIBRARY_MATERIAL_LIBRARY_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/prompter.h"
#include "core/base/workspace.h"
#include "core/tables/grid.h"

// The material library mlm.dat: the stock on hand by item, grade and thickness, kept sorted by
// item and free of duplicates, because the import stops at the end of an item's block.
namespace lumora {

// 1-based columns of mlm.dat and of the Material Library Manager grid.
namespace mlm_col {
inline constexpr int kItem = 1, kGrade = 2, kThick = 3, kL1 = 4, kL2 = 5, kQty = 6,
                     kCostPerSqFt = 7;
inline constexpr int kCount = 7;
}  // namespace mlm_col

// The value of CP/SFT that marks a record the import never takes.
inline constexpr std::string_view kScrapTag = "SCRAP";

const std::vector<std::string>& MaterialLibraryHeaders();

// The Material Library Manager's grid: mlm.dat loaded, then pointed at the working mlm.tlf so
// that sorting and other intermediate stores leave mlm.dat alone. GRADE and THICK are hidden.
Grid LoadMaterialLibraryGrid(const Workspace& workspace);

// The bytes of mlm.dat after merging duplicates, records of one stock size: ITEM and GRADE
// equal as text, THICK, L1, L2 and CP/SFT equal as numbers, and a "SCRAP" record only ever
// with another "SCRAP" record, so that waste never turns into stock the import would take.
// The first record of every set keeps its place and the sum of their quantities (empty when
// the sum is 0; a negative sum stays), the other duplicates and every record without ITEM go.
std::string MergeLibraryBytes(std::string_view bytes);

// Rewrites the library file at path with MergeLibraryBytes. A missing file stays missing.
// Returns the reason when the file could not be written.
std::optional<std::string> MergeLibrary(const std::string& path);

// The store of the Material Library Manager after "Save Changes?" was answered Yes: the grid
// goes back to mlm.dat, every row gets its longer side in L1, the rows are sorted on ITEM
// (numeric value, then text, stable, which keeps an item's records together), stored and
// merged. A failed write is told; answers whether mlm.dat was written.
bool SaveMaterialLibrary(Grid& grid, const Workspace& workspace, Prompter& prompter);

// Closing the Material Library Manager: asks "Save Changes?" and on Yes saves. Answers false
// only when the save failed (and was told).
bool CloseMaterialLibrary(Grid& grid, const Workspace& workspace, Prompter& prompter);

// What the window does in AUTOMERGE mode: mlm.dat sorted on ITEM and merged, without a
// question. A failed write is told; answers whether mlm.dat was written.
bool AutoMergeLibrary(const Workspace& workspace, Prompter& prompter);

}  // namespace lumora

#endif  // LUMORA_CORE_LIBRARY_MATERIAL_LIBRARY_H_
