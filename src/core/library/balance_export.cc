#include "core/library/balance_export.h"

#include "core/base/file_routines.h"
#include "core/base/number_text.h"
#include "core/job/job_messages.h"
#include "core/job/job_tables.h"
#include "core/layouts/loaded_result.h"
#include "core/library/leftover_stock.h"
#include "core/library/library_files.h"
#include "core/library/material_library.h"
#include "core/reports/balance_table.h"
#include "core/reports/layouts_load.h"
#include "core/reports/report.h"
#include "core/tables/table_file.h"

namespace lumora {
namespace {

// The columns of offcut.tlf.
constexpr int kLayoutCol = 1, kL1Col = 2, kL2Col = 3, kQtyCol = 4, kTagCol = 5;

}  // namespace

std::vector<BalanceRow> BalanceRowsOfGrid(const Grid& offcut, bool sides_in_inches) {
  std::vector<BalanceRow> rows;
  for (int r = 1; r < offcut.Rows(); ++r) {
    bool blank = true;
    for (int c = kLayoutCol; c <= kTagCol; ++c) blank = blank && offcut.Text(r, c).empty();
    if (blank) continue;
    const auto side = [&](int col) {
      const std::string& text = offcut.Text(r, col);
      return sides_in_inches ? InchTextToMM(text) : text;
    };
    rows.push_back({side(kL1Col), side(kL2Col), offcut.Text(r, kQtyCol), offcut.Text(r, kTagCol)});
  }
  return rows;
}

std::vector<BalanceRow> MillimetreBalanceRows(const Job& job) {
  const ResultLoad load = LoadResult(job);
  if (!load.error.empty()) return {};
  const std::string bytes = BalanceTableBytes(load.result, Unit::kMm, JobScrapCriteria(job));
  Grid grid(2, kTagCol + 1);
  LoadTableFromBytes(grid, bytes);
  return BalanceRowsOfGrid(grid, false);
}

std::string ExportRecords(std::string_view item, std::string_view grade, std::string_view thick,
                          const std::vector<BalanceRow>& rows, std::string_view sheets_used) {
  const std::string i(item), g(grade), t(thick);
  std::string bytes;
  for (const BalanceRow& row : rows)
    bytes += QuotedLine({i, g, t, row.l1, row.l2, row.qty, row.tag});
  for (const auto& sheet : ReadRecords(sheets_used, 4)) {
    bytes += QuotedLine({i, g, t, sheet[0], sheet[1], GeneralText(-ReadFloat(sheet[2])), sheet[3]});
  }
  return bytes;
}

ExportOutcome ExportBalances(Job& job, const Grid& offcut, Prompter& prompter,
                             const std::function<bool()>& merge_library) {
  const PromptAnswer answer = prompter.Ask({.title = std::string(kAttentionTitle),
                                            .text = std::string(kUpdateLibraryText),
                                            .icon = PromptIcon::kQuestion,
                                            .buttons = PromptButtons::kYesNo,
                                            .default_answer = PromptAnswer::kNo});
  if (answer != PromptAnswer::kYes) return ExportOutcome::kDeclined;

  const bool in_inches = ReportUnit(job) == Unit::kIn;
  std::vector<BalanceRow> rows;
  if (in_inches) rows = MillimetreBalanceRows(job);
  if (rows.empty()) rows = BalanceRowsOfGrid(offcut, in_inches);

  const Workspace& workspace = job.workspace;
  const std::string sheets_used =
      ReadFileBytes(workspace.WorkingFile(kSheetsUsedFileName), kTableFileLimit).value_or("");
  const std::string library_path = workspace.SettingsFile(kMaterialLibraryFile);
  std::string library = ReadFileBytes(library_path, kTableFileLimit).value_or("");
  // A library edited by hand may lack its last line end; the first appended record would
  // otherwise run on from the last one.
  if (!library.empty() && library.back() != '\n') library += "\r\n";
  const std::string_view item = TrimBlanks(job.basic.Text(1, basic_col::kItem));
  const std::string_view grade = TrimBlanks(job.basic.Text(1, basic_col::kGrade));
  const std::string_view thick = TrimBlanks(job.basic.Text(1, basic_col::kThick));
  library += ExportRecords(item, grade, thick, rows, sheets_used);
  if (const auto reason = WriteFileAtomically(library_path, library)) {
    TellSaveFailure(prompter, {library_path, *reason});
    return ExportOutcome::kFailed;
  }
  job.settings.imported_stock = false;
  // The balances are leftovers from now on, whatever the merge makes of their records.
  const std::string register_path = workspace.SettingsFile(kLeftoverRegisterFile);
  if (const auto reason = WriteFileAtomically(
          register_path,
          RegisterLeftovers(ReadFileBytes(register_path, kTableFileLimit).value_or(""), item, grade,
                            thick, rows))) {
    TellSaveFailure(prompter, {register_path, *reason});
    return ExportOutcome::kFailed;
  }
  if (!merge_library()) return ExportOutcome::kFailed;

  prompter.Ask({.title = std::string(kAttentionTitle),
                .text = std::string(kLibraryUpdatedText),
                .icon = PromptIcon::kInformation,
                .buttons = PromptButtons::kOk,
                .default_answer = PromptAnswer::kOk});
  return ExportOutcome::kExported;
}

ExportOutcome ExportBalances(Job& job, const Grid& offcut, Prompter& prompter) {
  return ExportBalances(job, offcut, prompter,
                        [&] { return AutoMergeLibrary(job.workspace, prompter); });
}

}  // namespace lumora
