#ifndef LUMORA_CORE_JOB_FILE_FILTER_H_
#define LUMORA_CORE_JOB_FILE_FILTER_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/job/file_commands.h"

// The filters of the file dialogs and the names a save dialog suggests and gives back. A filter
// is "description|pattern" pairs joined by "|" ("*.opt|*.opt", "Excel Workbook (*.xlsx)|*.xlsx|
// CSV (Comma delimited) (*.csv)|*.csv"); a pattern holds one or more globs separated by blanks
// ("*.csv *.tsv *.txt").
namespace lumora {

struct FileFilterEntry {
  std::string description;
  std::vector<std::string> patterns;
};

// The entries of a filter; a description without a pattern of its own is its own pattern
// ("*.opt" alone), and an entry with neither is left out.
std::vector<FileFilterEntry> ParseFileFilter(std::string_view filter);

// The extension a glob names ("csv" of "*.csv"); empty for one that names none ("*", "*.*").
std::string GlobExtension(std::string_view glob);

// The first extension the entry of the filter names ("xlsx" of the spreadsheet filter's first);
// empty when it names none or there is no such entry.
std::string FilterExtension(std::string_view filter, size_t entry = 0);

// A name chosen in a save dialog, with the extension the user did not type: kept when its file
// name ends in an extension the filter names (in any case), else the first extension of the
// chosen entry is added ("walk" and the DXF filter give "walk.dxf"; "walk.csv" stays with the
// Excel and CSV filter; trailing dots go). Unchanged when the entry names no extension.
std::string SaveNameWithExtension(std::string_view name, std::string_view filter,
                                  size_t chosen_entry = 0);

// What a save dialog with the filter suggests for a job: its file's name with the filter's first
// extension in place of its own ("/jobs/walk.opt" gives "/jobs/walk.dxf"); empty for a job that
// has no file yet.
std::string SuggestedSaveName(std::string_view job_file, std::string_view filter);

// The dialog with the extension rule on every save it answers.
FileDialog WithSaveExtensions(FileDialog dialog);

}  // namespace lumora

#endif  // LUMORA_CORE_JOB_FILE_FILTER_H_
