#ifndef LUMORA_CORE_JOB_JOB_SECTIONS_H_
#define LUMORA_CORE_JOB_JOB_SECTIONS_H_

#include <array>
#include <string>
#include <string_view>

#include "core/tables/table_file.h"

namespace lumora {

// The working tables a job file is made of, in the order of its sections. recut.tlf, the pieces
// cut again after breakage, is a section only when it holds any, so that every other job file
// keeps its five sections.
inline constexpr std::array<std::string_view, 6> kJobTables = {
    "basic.tlf", "options.tlf", "sheet.tlf", "cut.tlf", "dia.tlf", "recut.tlf"};
enum JobTable { kBasicTable = 0, kOptionsTable, kSheetTable, kCutTable, kDiaTable, kRecutTable };

// A job file is its tables one after another, each within the limit of a table file.
inline constexpr size_t kJobFileLimit = kJobTables.size() * kTableFileLimit;

// The bytes of each working table of a job, indexed by JobTable.
using JobTables = std::array<std::string, kJobTables.size()>;

// Cuts a job file into its tables by position: per section one header line is dropped and the
// lines up to a line equal to "[END]" are kept, each ended by CR LF. A file that ends early
// leaves the remaining tables empty.
JobTables SplitJobFile(std::string_view bytes);

// Joins tables into a job file: "[" + upper-case name + "]", the table's lines, "[END]"; an
// empty recut table is left out.
std::string JoinJobFile(const JobTables& tables);

}  // namespace lumora

#endif  // LUMORA_CORE_JOB_JOB_SECTIONS_H_
