// A material library of any bytes: merged in memory and through the data folder the way the
// Material Library Manager saves it, and searched for stock to import. Merging what was merged
// changes nothing, so a saved library never drifts from one save to the next.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/base/file_routines.h"
#include "core/library/library_files.h"
#include "core/library/material_library.h"
#include "core/library/stock_import.h"
#include "core/tables/table_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lumora;
  const std::string_view bytes = fuzz::BytesOf(data, size);
  const std::string merged = MergeLibraryBytes(bytes);
  fuzz::Require(MergeLibraryBytes(merged) == merged);

  const std::vector<std::string> items = MaterialItems(bytes);
  const auto records = ReadRecords(bytes, mlm_col::kCount);
  if (!records.empty()) {
    const auto& first = records.front();
    ImportableStock(bytes, first[mlm_col::kItem - 1], first[mlm_col::kGrade - 1],
                    first[mlm_col::kThick - 1]);
  }

  const Workspace workspace{fuzz::ScratchDataFolder(), "5.5"};
  const std::string library = workspace.SettingsFile(kMaterialLibraryFile);
  fuzz::Require(!WriteFileAtomically(library, std::string(bytes)).has_value());
  fuzz::AgreeingPrompter prompter;
  fuzz::Require(AutoMergeLibrary(workspace, prompter));
  const std::string saved = ReadFileBytes(library, kTableFileLimit).value_or("");
  fuzz::Require(AutoMergeLibrary(workspace, prompter));
  fuzz::Require(ReadFileBytes(library, kTableFileLimit).value_or("") == saved);
  return 0;
}
