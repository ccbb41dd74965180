#ifndef LUMORA_CORE_JOB_JOB_SECTIONS_H_
#define LUMORA_CORE_JOB_JOB_SECTIONS_H_

#include <array>
#include <string>
#include <string_view>

#include "core/tables/table_file.h"

namespace lumora {

// The working tables a job file is made of, in the order of its sections. The first five are the
// sections every job file has; recut.tlf (the pieces cut again after breakage) and line.tlf (the
// job's cutting line data, see line_table.h) follow, each only when it holds anything, so that a
// job without them is the five sections every earlier version wrote and reads.
inline constexpr std::array<std::string_view, 7> kJobTables = {
    "basic.tlf", "options.tlf", "sheet.tlf", "cut.tlf", "dia.tlf", "recut.tlf", "line.tlf"};
enum JobTable {
  kBasicTable = 0,
  kOptionsTable,
  kSheetTable,
  kCutTable,
  kDiaTable,
  kRecutTable,
  kLineTable
};
inline constexpr size_t kFirstOptionalTable = kRecutTable;

// A job file is its tables one after another, each within the limit of a table file.
inline constexpr size_t kJobFileLimit = kJobTables.size() * kTableFileLimit;

// The bytes of each working table of a job, indexed by JobTable.
using JobTables = std::array<std::string, kJobTables.size()>;

// Cuts a job file into its tables by position: per section one header line is dropped and the
// lines up to a line equal to "[END]" are kept, each ended by CR LF. A file that ends early
// leaves the remaining tables empty. After the five tables, only a section headed "[LINE.TLF]"
// is read: what else an older file may hold there stays unread, as it always did.
JobTables SplitJobFile(std::string_view bytes);

// Joins tables into a job file: "[" + upper-case name + "]", the table's lines, "[END]"; an
// empty optional table is left out.
std::string JoinJobFile(const JobTables& tables);

}  // namespace lumora

#endif  // LUMORA_CORE_JOB_JOB_SECTIONS_H_
