#include "core/library/stock_import.h"

#include <algorithm>

#include "core/base/file_routines.h"
#include "core/base/number_text.h"
#include "core/job/job_messages.h"
#include "core/job/job_tables.h"
#include "core/library/library_files.h"
#include "core/library/material_library.h"
#include "core/tables/table_file.h"

namespace lumora {
namespace {

PromptAnswer Tell(Prompter& prompter, std::string text, PromptIcon icon) {
  return prompter.Ask({.title = std::string(kAttentionTitle),
                       .text = std::move(text),
                       .icon = icon,
                       .buttons = PromptButtons::kOk,
                       .default_answer = PromptAnswer::kOk});
}

void FillInchColumns(Grid& sheet) {
  for (int r = 1; r < sheet.Rows(); ++r) {
    const std::string& l1 = sheet.Text(r, sheet_col::kL1);
    const std::string& l2 = sheet.Text(r, sheet_col::kL2);
    if (!l1.empty()) sheet.SetText(r, sheet_col::kL1Inch, MMToInchText(l1));
    if (!l2.empty()) sheet.SetText(r, sheet_col::kL2Inch, MMToInchText(l2));
  }
}

}  // namespace

StockRows ImportableStock(std::string_view library_bytes, std::string_view item,
                          std::string_view grade, std::string_view thick) {
  StockRows rows;
  const float thickness = ReadFloat(thick);
  bool item_seen = false;
  for (const auto& record : ReadRecords(library_bytes, mlm_col::kCount)) {
    if (record[mlm_col::kItem - 1] != item) {
      if (item_seen) break;
      continue;
    }
    item_seen = true;
    if (record[mlm_col::kGrade - 1] != grade) continue;
    if (ReadFloat(record[mlm_col::kThick - 1]) != thickness) continue;
    if (record[mlm_col::kCostPerSqFt - 1] == kScrapTag) continue;
    rows.bytes +=
        QuotedLine({record[mlm_col::kL1 - 1], record[mlm_col::kL2 - 1], "", "",
                    record[mlm_col::kQty - 1], "", "", "", "", record[mlm_col::kCostPerSqFt - 1]});
    ++rows.count;
  }
  return rows;
}

ImportResult ImportStock(const Workspace& workspace, const Grid& basic, Grid& sheet,
                         ProgramSettings& settings, Prompter& prompter,
                         const ResultViewActions& actions) {
  if (!ConfirmDataChange(workspace.WorkingFile("dia.tlf"), prompter, actions)) return {};

  const std::string library =
      ReadFileBytes(workspace.SettingsFile(kMaterialLibraryFile), kTableFileLimit).value_or("");
  const StockRows rows = ImportableStock(library, TrimBlanks(basic.Text(1, basic_col::kItem)),
                                         TrimBlanks(basic.Text(1, basic_col::kGrade)),
                                         basic.Text(1, basic_col::kThick));
  if (rows.count == 0) {
    const PromptAnswer answer = prompter.Ask({.title = std::string(kAttentionTitle),
                                              .text = std::string(kStockNotFoundText),
                                              .icon = PromptIcon::kExclamation,
                                              .buttons = PromptButtons::kYesNo,
                                              .default_answer = PromptAnswer::kYes});
    return {answer == PromptAnswer::kNo ? ImportOutcome::kNotFound : ImportOutcome::kSelectItem, 0};
  }

  if (const auto reason = WriteFileAtomically(sheet.tag, rows.bytes)) {
    TellSaveFailure(prompter, {sheet.tag, *reason});
    return {ImportOutcome::kFailed, 0};
  }
  LoadTableFromBytes(sheet, rows.bytes);
  sheet.row = sheet.row_sel = 1;
  sheet.col_sel = sheet.col;
  FillInchColumns(sheet);
  settings.imported_stock = true;
  Tell(prompter, GeneralText(rows.count) + std::string(kImportedText), PromptIcon::kInformation);
  return {ImportOutcome::kImported, rows.count};
}

std::vector<std::string> MaterialItems(std::string_view library_bytes) {
  std::vector<std::string> items;
  for (std::string& entry : ReadChoiceList(library_bytes)) {
    if (std::find(items.begin(), items.end(), entry) == items.end()) {
      items.push_back(std::move(entry));
    }
  }
  return items;
}

bool PrepareItemChoice(const Workspace& workspace, Prompter& prompter) {
  const auto library = ReadFileBytes(workspace.SettingsFile(kMaterialLibraryFile), kTableFileLimit);
  const std::vector<std::string> items =
      library ? MaterialItems(*library) : std::vector<std::string>{};
  if (items.empty()) {
    Tell(prompter, std::string(kLibraryEmptyText), PromptIcon::kInformation);
    return false;
  }
  const std::string list = workspace.SettingsFile(kChoiceListFile);
  if (const auto reason = WriteFileAtomically(list, ChoiceListBytes(items))) {
    TellSaveFailure(prompter, {list, *reason});
    return false;
  }
  return true;
}

std::optional<std::string> EmptyStockTable(Grid& sheet) {
  sheet.SetRows(2);
  ClearTable(sheet);
  RenumberRows(sheet);
  sheet.row = sheet.row_sel = 1;
  return SaveTable(sheet);
}

}  // namespace lumora
