#include "core/job/file_commands.h"

#include "core/base/file_routines.h"
#include "core/job/job_file.h"
#include "core/job/job_messages.h"

namespace lumora {
namespace {

constexpr const char* kSaveTitle = "Save File...";
constexpr const char* kOpenTitle = "open File...";

// Saves under a name chosen in the save dialog (or the current name when no dialog is needed).
bool SaveUnder(Job& job, Prompter& prompter, const std::optional<std::string>& chosen) {
  if (!chosen || chosen->empty()) return false;
  const std::string previous = job.file_name;
  job.file_name = *chosen;
  if (!SaveJob(job, job.file_name, prompter)) {
    job.file_name = previous;
    return false;
  }
  job.settings.job_changed = false;
  return true;
}

std::optional<std::string> AskSaveName(const Job& job, const FileDialog& dialog) {
  return dialog(FileDialogRequest{.kind = FileDialogKind::kSave,
                                  .title = kSaveTitle,
                                  .file_name = job.file_name,
                                  .filter = job.dialog_filter});
}

}  // namespace

PromptAnswer AskSaveChanges(Job& job, Prompter& prompter, const FileDialog& dialog) {
  if (!job.settings.job_changed) return PromptAnswer::kNo;
  const PromptAnswer answer = prompter.Ask({.title = std::string(kAttentionTitle),
                                            .text = std::string(kSaveChangesText),
                                            .icon = PromptIcon::kQuestion,
                                            .buttons = PromptButtons::kYesNoCancel,
                                            .default_answer = PromptAnswer::kYes});
  if (answer == PromptAnswer::kYes) {
    const auto chosen = AskSaveName(job, dialog);
    // A job that could not be written must survive the New, Open or Exit that asked.
    if (chosen && !chosen->empty() && !SaveUnder(job, prompter, chosen)) {
      return PromptAnswer::kCancel;
    }
  }
  return answer;
}

bool OpenMainWindowJob(Job& job, Prompter& prompter, const FileDialog& dialog,
                       const std::string& command_line_file) {
  job.settings.job_changed = false;
  const std::string defaults = job.workspace.SettingsFile("Defaults");
  if (FileExists(defaults)) OpenJob(job, defaults, prompter);
  job.settings.imported_stock = false;
  if (!command_line_file.empty() && FileExists(command_line_file) &&
      OpenJob(job, command_line_file, prompter)) {
    job.file_name = command_line_file;
    job.settings.imported_stock = false;
    return true;
  }
  FileNew(job, prompter, dialog);
  return false;
}

bool FileNew(Job& job, Prompter& prompter, const FileDialog& dialog) {
  if (AskSaveChanges(job, prompter, dialog) == PromptAnswer::kCancel) return false;
  const std::string defaults = job.workspace.SettingsFile("Defaults");
  if (FileExists(defaults)) OpenJob(job, defaults, prompter);
  job.file_name.clear();
  job.settings.imported_stock = false;
  job.settings.resume_pass = 0;
  job.settings.job_changed = false;
  return true;
}

bool FileOpen(Job& job, Prompter& prompter, const FileDialog& dialog) {
  if (AskSaveChanges(job, prompter, dialog) == PromptAnswer::kCancel) return false;
  if (job.settings.coil_mode) job.dialog_filter = "SDR (*.sdr)|*.sdr|OPT (*.opt)|*.opt";
  const auto chosen = dialog(FileDialogRequest{.kind = FileDialogKind::kOpen,
                                               .title = kOpenTitle,
                                               .file_name = "",
                                               .filter = job.dialog_filter});
  bool opened = false;
  if (chosen && !chosen->empty()) {
    job.settings.resume_pass = 0;
    opened = OpenJob(job, *chosen, prompter);
    if (opened) {
      job.file_name = *chosen;
      job.settings.imported_stock = false;
    }
  }
  job.settings.job_changed = false;
  return opened;
}

bool FileSave(Job& job, Prompter& prompter, const FileDialog& dialog) {
  if (!job.file_name.empty()) return SaveUnder(job, prompter, job.file_name);
  return SaveUnder(job, prompter, AskSaveName(job, dialog));
}

bool FileSaveAs(Job& job, Prompter& prompter, const FileDialog& dialog) {
  return SaveUnder(job, prompter, AskSaveName(job, dialog));
}

bool FileSaveAsDefaults(Job& job, Prompter& prompter) {
  const PromptAnswer answer = prompter.Ask({.title = std::string(kAttentionTitle),
                                            .text = std::string(kSaveAsDefaultsText),
                                            .icon = PromptIcon::kQuestion,
                                            .buttons = PromptButtons::kYesNo,
                                            .default_answer = PromptAnswer::kNo});
  if (answer == PromptAnswer::kNo) return false;
  return SaveJob(job, job.workspace.SettingsFile("Defaults"), prompter);
}

}  // namespace lumora
