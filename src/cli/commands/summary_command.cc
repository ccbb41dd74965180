#include <iostream>
#include <set>
#include <string>

#include "cli/arguments.h"
#include "cli/cli.h"
#include "cli/commands/commands.h"
#include "core/base/field_reader.h"
#include "core/base/file_routines.h"
#include "core/base/number_text.h"
#include "core/job/job_sections.h"
#include "core/job/job_tables.h"
#include "core/job/line_table.h"
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
    if (RowIsBlank(grid, r)) continue;
    ++tally.records;
    tally.quantity += ReadFloat(grid.Text(r, quantity_col));
  }
  return tally;
}

// The job's cutting line in one line, for a job that knows it.
std::string LineSummary(const JobLine& line, const Grid& sheet, const Grid& glass) {
  std::string text = "Cutting line: ";
  if (const auto& settings = line.settings()) {
    text += "stages " + StagesWord(settings->stages) + ", first cut " +
            FirstCutWord(settings->first_cut) + ", strips " +
            GeneralText(settings->min_strip_width) + "-" +
            (settings->max_strip_width > 0 ? GeneralText(settings->max_strip_width) : "") +
            ", rows from " + GeneralText(settings->min_row_height) + ", waste from " +
            GeneralText(settings->min_waste) +
            (settings->cuts_through_flaws ? ", cuts through flaws" : "") +
            (settings->sheets_in_order ? ", sheets in order" : "") + "; ";
  }
  int flaws = 0;
  for (int r = 1; r < sheet.Rows(); ++r) {
    flaws += static_cast<int>(line.Flaws(sheet.RowIdOf(r)).size());
  }
  std::set<std::string> stacks;
  int stacked = 0;
  for (int r = 1; r < glass.Rows(); ++r) {
    if (const auto stack = line.Stack(glass.RowIdOf(r))) {
      stacks.insert(stack->name);
      ++stacked;
    }
  }
  return text + GeneralText(flaws) + " flaws, " + GeneralText(stacked) + " glass rows in " +
         GeneralText(static_cast<int>(stacks.size())) + " stacks";
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
  const Grid sheet = LoadJobGrid(SheetHeaders(), tables[kSheetTable]);
  const Grid glass_grid = LoadJobGrid(GlassHeaders(), tables[kCutTable]);
  const Tally stock = TallyRows(sheet, sheet_col::kQty);
  const Tally glass = TallyRows(glass_grid, glass_col::kQty);
  const LineTableRead line = ReadLineTable(tables[kLineTable], sheet, glass_grid);
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
  if (line.line.Any(sheet, glass_grid)) {
    std::cout << LineSummary(line.line, sheet, glass_grid) << "\n";
  }
  if (line.lines_left_out > 0) {
    std::cout << "Cutting line lines left out as unreadable: " << line.lines_left_out << "\n";
  }
  return kExitOk;
}

}  // namespace lumora::cli
