#include <iostream>

#include "cli/arguments.h"
#include "cli/cli.h"
#include "cli/commands/commands.h"
#include "core/base/field_reader.h"
#include "core/base/file_routines.h"
#include "core/base/number_text.h"
#include "core/job/job_sections.h"
#include "core/job/job_tables.h"
#include "core/shell/data_folder.h"
#include "core/tables/column_dictionary.h"
#include "core/tables/table_file.h"

namespace lumora::cli {
namespace {

Grid LoadJobGrid(const std::vector<std::string>& headers, const std::string& bytes) {
  Grid grid;
  ApplyFormatString(grid, BuildFormatString(headers));
  LoadTableFromBytes(grid, bytes);
  return grid;
}

// Counts the records of a grid and sums one of its columns.
struct Tally {
  int records = 0;
  float quantity = 0.0f;
};

Tally TallyRows(const Grid& grid, int quantity_col) {
  Tally tally;
  for (int r = 1; r < grid.Rows(); ++r) {
    bool any = false;
    for (int c = 1; c < grid.Cols(); ++c) any = any || !TrimBlanks(grid.Text(r, c)).empty();
    if (!any) continue;
    ++tally.records;
    tally.quantity += ReadFloat(grid.Text(r, quantity_col));
  }
  return tally;
}

}  // namespace

namespace {

constexpr Option kOptions[] = {kDataDirOption};

}  // namespace

const OptionTable kSummaryOptions = kOptions;

int RunSummary(const Arguments& parsed) {
  if (parsed.positional.size() != 1) return Fail(kExitUsage, parsed.usage);
  if (const auto error = SeedDataFolder(ResolveDataFolder(parsed.Value("--data-dir")))) {
    return Fail(kExitUsage, *error);
  }
  const std::string& job = parsed.positional[0];
  const FileRead read = ReadFile(job, kJobFileLimit);
  if (!read.bytes) return Fail(kExitUsage, "cannot read the job file " + job + ": " + read.reason);

  const JobTables tables = SplitJobFile(*read.bytes);
  const Grid basic = LoadJobGrid(BasicDetailsHeaders(), tables[kBasicTable]);
  const Tally stock = TallyRows(LoadJobGrid(SheetHeaders(), tables[kSheetTable]), sheet_col::kQty);
  const Tally glass = TallyRows(LoadJobGrid(GlassHeaders(), tables[kCutTable]), glass_col::kQty);
  const int layout_lines = tables[kDiaTable].empty() ? 0 : CountLines(tables[kDiaTable]);

  std::cout << "Job: " << job << "\n"
            << "Item: " << StdoutText(basic.Text(1, basic_col::kItem)) << "\n"
            << "Kerf: " << GeneralText(ReadFloat(basic.Text(1, basic_col::kKerf)))
            << "  Tolerance: " << GeneralText(ReadFloat(basic.Text(1, basic_col::kTolerance)))
            << "\n"
            << "Stock sizes: " << stock.records << " (" << GeneralText(stock.quantity)
            << " pieces)\n"
            << "Glass sizes: " << glass.records << " (" << GeneralText(glass.quantity)
            << " pieces)\n"
            << "Optimized: " << (layout_lines > 0 ? "yes" : "no") << "\n";
  return kExitOk;
}

}  // namespace lumora::cli
