#ifndef LUMORA_CLI_TABLE_OUTPUT_H_
#define LUMORA_CLI_TABLE_OUTPUT_H_

#include <vector>

#include "cli/arguments.h"
#include "cli/options.h"
#include "core/exports/export_tables.h"

namespace lumora::cli {

// The options of a command that prints tables: "--csv", and "-o FILE" (a workbook or CSV).
inline constexpr Option kCsvOption{"--csv", "", "Prints CSV (UTF-8) instead of aligned text."};
inline constexpr Option kTableFileOption{
    "-o", "FILE",
    "Writes the tables to FILE instead: .xlsx a workbook with a sheet each, else CSV."};

// Prints the tables as aligned text or CSV, or with -o writes them to the file and prints what
// it wrote. Answers the exit code.
int OutputTables(const Arguments& parsed, const std::vector<ExportTable>& tables);

}  // namespace lumora::cli

#endif  // LUMORA_CLI_TABLE_OUTPUT_H_
