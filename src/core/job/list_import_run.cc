#include "core/job/list_import_run.h"

#include "core/base/number_text.h"
#include "core/job/flaw_import.h"
#include "core/job/job_messages.h"

namespace lumora {
namespace {

void TellNoRows(const std::string& file_name, const std::vector<ImportIssue>& issues,
                Prompter& prompter) {
  prompter.Ask({std::string(kAttentionTitle),
                file_name + " holds no rows to import.\n\n" + IssueListText(issues, 15),
                PromptIcon::kExclamation, PromptButtons::kOk, PromptAnswer::kOk});
}

// The change confirmation of an optimized job, then, when the job holds what the import would
// replace, whether to replace it (Yes) or add to it (No). nullopt when the import stops.
std::optional<bool> AskReplace(const ImportRun& run, bool holds_any, const std::string& question,
                               Prompter& prompter) {
  if (!ConfirmDataChange(run.dia_path, prompter, run.result_actions)) return std::nullopt;
  if (run.replace || !holds_any) return run.replace.value_or(false);
  const PromptAnswer answer =
      prompter.Ask({std::string(kAttentionTitle), question, PromptIcon::kQuestion,
                    PromptButtons::kYesNoCancel, PromptAnswer::kNo});
  if (answer == PromptAnswer::kCancel) return std::nullopt;
  return answer == PromptAnswer::kYes;
}

// Whether to import the other lines when some are left out (default No); true when none are.
bool AskToGoOn(const std::string& file_name, const std::string& into,
               const std::vector<ImportIssue>& issues, Prompter& prompter) {
  if (issues.empty()) return true;
  const Prompt question{std::string(kAttentionTitle),
                        "Some lines of " + file_name + " do not fit " + into + ":\n\n" +
                            IssueListText(issues, 15) + "\nImport the other rows?",
                        PromptIcon::kQuestion, PromptButtons::kYesNo, PromptAnswer::kNo};
  return prompter.Ask(question) == PromptAnswer::kYes;
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
  if (rows.rows.empty()) {
    TellNoRows(run.file_name, rows.issues, prompter);
    return 0;
  }
  const std::optional<bool> replace =
      AskReplace(run, HeldRows(grid) > 0,
                 "The list already holds rows. Replace them with the rows of " + run.file_name +
                     "?\n\nNo adds the new rows after them.",
                 prompter);
  if (!replace) return 0;
  ImportRows fitting = rows;
  KeepRowsThatFit(fitting, *replace ? 0 : HeldRows(grid));
  if (fitting.rows.empty()) {
    TellNoRows(run.file_name, fitting.issues, prompter);
    return 0;
  }
  if (!AskToGoOn(run.file_name, "the list", fitting.issues, prompter)) return 0;
  return AddImportedRows(grid, fitting, run.kind, run.unit, *replace, run.charges, run.line);
}

int ImportFlawsIntoLine(JobLine& line, const Grid& sheet, const ImportRows& rows,
                        const ImportRun& run, Prompter& prompter) {
  ImportRows fitting = rows;
  KeepRowsThatFit(fitting, 0);
  const FlawPlacement placement = PlaceFlaws(fitting, sheet, run.unit);
  if (placement.flaws.empty()) {
    TellNoRows(run.file_name, placement.issues, prompter);
    return 0;
  }
  const std::optional<bool> replace =
      AskReplace(run, line.HasFlaws(sheet),
                 "The stock already has flaws. Replace them with the flaws of " + run.file_name +
                     "?\n\nNo adds the new flaws to them.",
                 prompter);
  if (!replace || !AskToGoOn(run.file_name, "the stock", placement.issues, prompter)) return 0;
  if (*replace) line.ClearFlaws();
  for (const auto& [row, flaw] : placement.flaws) {
    std::vector<SheetFlaw> flaws = line.Flaws(row);
    flaws.push_back(flaw);
    line.SetFlaws(row, std::move(flaws));
  }
  return static_cast<int>(placement.flaws.size());
}

}  // namespace lumora
