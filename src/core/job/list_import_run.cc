#include "core/job/list_import_run.h"

#include "core/base/number_text.h"
#include "core/job/job_messages.h"

namespace lumora {
namespace {

bool HoldsRows(const Grid& grid) {
  for (int r = 1; r < grid.Rows(); ++r) {
    for (int c = 1; c < grid.Cols(); ++c) {
      if (!TrimBlanks(grid.Text(r, c)).empty()) return true;
    }
  }
  return false;
}

}  // namespace

std::string IssueListText(const std::vector<ImportIssue>& issues, size_t shown) {
  std::string text;
  for (size_t i = 0; i < issues.size() && i < shown; ++i) {
    text += "Line " + GeneralText(issues[i].line) + ": " + issues[i].reason + "\n";
  }
  if (issues.size() > shown) {
    text += "... and " + GeneralText(static_cast<int>(issues.size() - shown)) + " more\n";
  }
  return text;
}

bool ImportIntoGrid(Grid& grid, const ImportRows& rows, const ImportRun& run, Prompter& prompter) {
  const std::string title(kAttentionTitle);
  if (rows.rows.empty()) {
    prompter.Ask({title,
                  run.file_name + " holds no rows to import.\n\n" + IssueListText(rows.issues, 15),
                  PromptIcon::kExclamation, PromptButtons::kOk, PromptAnswer::kOk});
    return false;
  }
  if (!ConfirmDataChange(run.dia_path, prompter, run.result_actions)) return false;
  if (!rows.issues.empty()) {
    const Prompt question{title,
                          "Some lines of " + run.file_name + " do not fit the list:\n\n" +
                              IssueListText(rows.issues, 15) + "\nImport the other rows?",
                          PromptIcon::kQuestion, PromptButtons::kYesNo, PromptAnswer::kNo};
    if (prompter.Ask(question) != PromptAnswer::kYes) return false;
  }
  bool replace = run.replace.value_or(false);
  if (!run.replace && HoldsRows(grid)) {
    const Prompt question{title,
                          "The list already holds rows. Replace them with the rows of " +
                              run.file_name + "?\n\nNo adds the new rows after them.",
                          PromptIcon::kQuestion, PromptButtons::kYesNoCancel, PromptAnswer::kNo};
    const PromptAnswer answer = prompter.Ask(question);
    if (answer == PromptAnswer::kCancel) return false;
    replace = answer == PromptAnswer::kYes;
  }
  AddImportedRows(grid, rows, run.kind, run.unit, replace, run.charges);
  return true;
}

}  // namespace lumora
