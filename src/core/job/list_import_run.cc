#include "core/job/list_import_run.h"

#include "core/base/number_text.h"
#include "core/job/job_messages.h"

namespace lumora {
namespace {

void TellNoRows(const std::string& file_name, const std::vector<ImportIssue>& issues,
                Prompter& prompter) {
  prompter.Ask({std::string(kAttentionTitle),
                file_name + " holds no rows to import.\n\n" + IssueListText(issues, 15),
                PromptIcon::kExclamation, PromptButtons::kOk, PromptAnswer::kOk});
}

}  // namespace

std::string IssueListText(const std::vector<ImportIssue>& issues, size_t shown) {
  std::string text;
  for (size_t i = 0; i < issues.size() && i < shown; ++i) {
    const ImportIssue& issue = issues[i];
    text += issue.last_line > issue.line
                ? "Lines " + GeneralText(issue.line) + "-" + GeneralText(issue.last_line)
                : "Line " + GeneralText(issue.line);
    text += ": " + issue.reason + "\n";
  }
  if (issues.size() > shown) {
    text += "... and " + GeneralText(static_cast<int>(issues.size() - shown)) + " more\n";
  }
  return text;
}

int ImportIntoGrid(Grid& grid, const ImportRows& rows, const ImportRun& run, Prompter& prompter) {
  const std::string title(kAttentionTitle);
  if (rows.rows.empty()) {
    TellNoRows(run.file_name, rows.issues, prompter);
    return 0;
  }
  if (!ConfirmDataChange(run.dia_path, prompter, run.result_actions)) return 0;
  bool replace = run.replace.value_or(false);
  if (!run.replace && HeldRows(grid) > 0) {
    const Prompt question{title,
                          "The list already holds rows. Replace them with the rows of " +
                              run.file_name + "?\n\nNo adds the new rows after them.",
                          PromptIcon::kQuestion, PromptButtons::kYesNoCancel, PromptAnswer::kNo};
    const PromptAnswer answer = prompter.Ask(question);
    if (answer == PromptAnswer::kCancel) return 0;
    replace = answer == PromptAnswer::kYes;
  }
  ImportRows fitting = rows;
  KeepRowsThatFit(fitting, replace ? 0 : HeldRows(grid));
  if (fitting.rows.empty()) {
    TellNoRows(run.file_name, fitting.issues, prompter);
    return 0;
  }
  if (!fitting.issues.empty()) {
    const Prompt question{title,
                          "Some lines of " + run.file_name + " do not fit the list:\n\n" +
                              IssueListText(fitting.issues, 15) + "\nImport the other rows?",
                          PromptIcon::kQuestion, PromptButtons::kYesNo, PromptAnswer::kNo};
    if (prompter.Ask(question) != PromptAnswer::kYes) return 0;
  }
  return AddImportedRows(grid, fitting, run.kind, run.unit, replace, run.charges);
}

}  // namespace lumora
