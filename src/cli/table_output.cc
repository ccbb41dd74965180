#include "cli/table_output.h"

#include <iostream>

#include "cli/cli.h"
#include "core/exports/job_export.h"
#include "core/exports/spreadsheet_files.h"

namespace lumora::cli {

int OutputTables(const Arguments& parsed, const std::vector<ExportTable>& tables) {
  if (const auto out = parsed.Value("-o")) {
    if (const auto error = WriteExportFile(tables, *out)) return Fail(kExitUsage, *error);
    for (const ExportTable& table : tables) {
      std::cout << table.name << ": " << table.rows.size() << " rows\n";
    }
    return kExitOk;
  }
  for (size_t i = 0; i < tables.size(); ++i) {
    if (i > 0) std::cout << "\n";
    std::cout << (parsed.Has("--csv") ? CsvBytes(tables[i]) : StdoutText(AlignedText(tables[i])));
  }
  return kExitOk;
}

}  // namespace lumora::cli
