#ifndef LUMORA_CORE_EXPORTS_SPREADSHEET_FILES_H_
#define LUMORA_CORE_EXPORTS_SPREADSHEET_FILES_H_

#include <optional>
#include <string>
#include <vector>

#include "core/exports/export_tables.h"

// Export tables written as files a spreadsheet opens.
namespace lumora {

// One table as CSV: UTF-8, comma separated, a field in double quotes when it holds a comma, a quote
// or a line end, numbers with a decimal point, lines ended by CR LF.
std::string CsvBytes(const ExportTable& table);

// One table as text to read on a terminal: its name, then the header and the rows in columns two
// spaces apart, numbers right-aligned; Latin-1, lines ended by LF.
std::string AlignedText(const ExportTable& table);

// Writes the tables into one XLSX workbook, a sheet each with its headers in bold and numbers
// stored as numbers, and replaces the file atomically. Returns SaveFailureText on failure.
std::optional<std::string> WriteWorkbook(const std::vector<ExportTable>& tables,
                                         const std::string& path);

}  // namespace lumora

#endif  // LUMORA_CORE_EXPORTS_SPREADSHEET_FILES_H_
