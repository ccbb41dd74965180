#ifndef LUMORA_CORE_LIBRARY_LIBRARY_FILES_H_
#define LUMORA_CORE_LIBRARY_LIBRARY_FILES_H_

#include <string>
#include <string_view>
#include <vector>

#include "core/base/prompter.h"
#include "core/tables/table_file.h"

// The files of the material and product libraries, the texts they show, and how their records
// are read and written.
namespace lumora {

// Library and scratch files of the data folder, by bare name.
inline constexpr std::string_view kMaterialLibraryFile = "mlm.dat";
inline constexpr std::string_view kProductLibraryFile = "plm.dat";
inline constexpr std::string_view kChoiceListFile = "products.lst";
inline constexpr std::string_view kOrderFile = "loadprod.tlf";
// Working copies the library windows store into until the user saves, named after the stamp.
inline constexpr std::string_view kMaterialWorkingFile = "mlm.tlf";
inline constexpr std::string_view kProductWorkingFile = "plm.tlf";

inline constexpr std::string_view kSaveLibraryChangesText = "Save Changes?";
inline constexpr std::string_view kStockNotFoundText =
    "Material specified was not found in stock. Do you want select item from the stock ?";
inline constexpr std::string_view kImportedText = " size(s) imported from MLM";
inline constexpr std::string_view kLibraryEmptyText = "Sheet Library is empty";
inline constexpr std::string_view kUpdateLibraryText = "Update Material Library?";
inline constexpr std::string_view kLibraryUpdatedText = "Material Library Updated!";
// The mode text of a Material Library Manager window that merges and closes by itself.
inline constexpr std::string_view kAutoMergeMode = "AUTOMERGE";

// Asks whether to save the changes made in a library window; true when the answer is Yes.
bool AskSaveLibraryChanges(Prompter& prompter);

// Sorts the grid on column col and stores it into path. Tells the user and returns false when
// the file cannot be written.
bool SortAndStoreLibrary(Grid& grid, const std::string& path, int col, SortOrder order,
                         Prompter& prompter);

// The entries of a pick list, one per line, each read with the field reader (quoted or plain);
// blank lines give no entry.
std::vector<std::string> ReadChoiceList(std::string_view bytes);
// One quoted entry per line.
std::string ChoiceListBytes(const std::vector<std::string>& entries);

}  // namespace lumora

#endif  // LUMORA_CORE_LIBRARY_LIBRARY_FILES_H_
