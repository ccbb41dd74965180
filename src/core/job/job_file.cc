#include "core/job/job_file.h"

#include <filesystem>
#include <optional>
#include <utility>
#include <vector>

#include "core/base/field_reader.h"
#include "core/base/file_routines.h"
#include "core/base/number_text.h"
#include "core/base/version.h"
#include "core/job/job_grids.h"
#include "core/job/job_messages.h"
#include "core/job/job_sections.h"
#include "core/job/job_tables.h"
#include "core/job/line_table.h"
#include "core/tables/table_file.h"

namespace lumora {
namespace {

std::string WorkingTable(const Job& job, JobTable table) {
  return job.workspace.WorkingFile(kJobTables[table]);
}

void LoadFresh(Grid& grid, const std::string& bytes) {
  LoadTableFromBytes(grid, bytes);
  grid.row = grid.row_sel = 1;
  grid.col = grid.col_sel = 1;
}

// Writes a working table, keeping the first failure for the caller to tell.
void WriteWorkingTable(const std::string& path, std::string_view bytes,
                       std::optional<SaveFailure>& failure) {
  const auto reason = WriteFileAtomically(path, bytes);
  if (reason && !failure) failure = SaveFailure{path, *reason};
}

void ReadObjective(Job& job, const std::string& options) {
  if (options.empty()) return;
  FieldReader reader(options);
  job.maximum_yield = ReadDouble(reader.Next()) != 0.0;
  job.minimum_layouts = ReadDouble(reader.Next()) != 0.0;
}

}  // namespace

bool IsEarlierVersionTolerance(const std::string& tolerance_cell) {
  return tolerance_cell == "MM" || tolerance_cell == "IN" || tolerance_cell == "CM";
}

bool IsDefaultsFile(const Job& job, const std::string& file_name) {
  namespace fs = std::filesystem;
  return fs::path(file_name).lexically_normal() ==
         fs::path(job.workspace.SettingsFile("Defaults")).lexically_normal();
}

bool OpenJob(Job& job, const std::string& file_name, Prompter& prompter) {
  const FileRead read = ReadFile(file_name, kJobFileLimit);
  if (!read.bytes) {
    prompter.Ask({.title = kApplicationTitle,
                  .text = "Could not open " + file_name + ": " + read.reason,
                  .icon = PromptIcon::kExclamation,
                  .buttons = PromptButtons::kOk,
                  .default_answer = PromptAnswer::kOk});
    return false;
  }
  JobTables tables = SplitJobFile(*read.bytes);

  Grid basic = job.basic;
  LoadFresh(basic, tables[kBasicTable]);
  KeepOneRow(basic);
  const bool earlier_version = IsEarlierVersionTolerance(basic.Text(1, basic_col::kTolerance));
  if (earlier_version) {
    basic.SetText(1, basic_col::kTolerance, "0");
    tables[kDiaTable].clear();
  }

  // The working tables are replaced all together or not at all: a job whose grids came from
  // one file and whose layouts stayed from another would be saved with the wrong layouts.
  std::vector<FileBytes> working;
  for (size_t i = 0; i < tables.size(); ++i) {
    working.push_back({WorkingTable(job, static_cast<JobTable>(i)), tables[i]});
  }
  if (const auto failure = WriteFilesAtomically(working)) {
    TellSaveFailure(prompter, *failure);
    return false;
  }
  LoadFresh(job.glass, tables[kCutTable]);
  LoadFresh(job.sheet, tables[kSheetTable]);
  job.basic = std::move(basic);
  LineTableRead line = ReadLineTable(tables[kLineTable], job.sheet, job.glass);
  job.line = std::move(line.line);

  if (earlier_version) {
    prompter.Ask({.title = kApplicationTitle,
                  .text = std::string(kEarlierVersionText),
                  .icon = PromptIcon::kInformation,
                  .buttons = PromptButtons::kOk,
                  .default_answer = PromptAnswer::kOk});
  }

  if (line.lines_left_out > 0) {
    prompter.Ask({.title = kApplicationTitle,
                  .text = "Lines of the cutting line data of " + file_name +
                          " left out as unreadable: " + GeneralText(line.lines_left_out) + ".",
                  .icon = PromptIcon::kExclamation,
                  .buttons = PromptButtons::kOk,
                  .default_answer = PromptAnswer::kOk});
  }

  ReadObjective(job, tables[kOptionsTable]);
  ReadMiscSettings(job.workspace, job.settings);
  if (job.settings.unit != Unit::kOther) SwitchUnit(job, job.settings.unit);
  return true;
}

bool SaveJob(Job& job, const std::string& file_name, Prompter& prompter) {
  const bool defaults = IsDefaultsFile(job, file_name);
  JobTables tables;
  tables[kBasicTable] = TableBytes(job.basic);
  tables[kOptionsTable] = OptionsLine(job);
  tables[kSheetTable] = defaults ? "" : TableBytes(job.sheet);
  tables[kCutTable] = defaults ? "" : TableBytes(job.glass);
  tables[kDiaTable] = ReadFileBytes(WorkingTable(job, kDiaTable), kTableFileLimit).value_or("");
  tables[kRecutTable] = ReadFileBytes(WorkingTable(job, kRecutTable), kTableFileLimit).value_or("");
  // "Defaults" keeps the cutting line's settings, but no rows to hang flaws and stacks on.
  JobLine defaults_line;
  defaults_line.SetSettings(job.line.settings());
  tables[kLineTable] = defaults ? LineTableBytes(defaults_line, Grid(), Grid())
                                : LineTableBytes(job.line, job.sheet, job.glass);

  // The working tables are brought up to date first, as closing the job windows would; the
  // grids still hold the stock and glass that "Defaults" leaves out.
  std::optional<SaveFailure> failure;
  for (const JobTable table : {kBasicTable, kOptionsTable, kSheetTable, kCutTable, kLineTable}) {
    const std::string path = WorkingTable(job, table);
    // A job that never knew the line leaves no line table behind.
    if (table == kLineTable && tables[table].empty() && !FileExists(path)) continue;
    WriteWorkingTable(path, tables[table], failure);
  }

  if (const auto reason = WriteFileAtomically(file_name, JoinJobFile(tables))) {
    TellSaveFailure(prompter, {file_name, *reason});
    return false;
  }
  if (failure) TellSaveFailure(prompter, *failure);
  return true;
}

}  // namespace lumora
