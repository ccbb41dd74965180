#ifndef LUMORA_CORE_JOB_FILE_COMMANDS_H_
#define LUMORA_CORE_JOB_FILE_COMMANDS_H_

#include <functional>
#include <optional>
#include <string>

#include "core/base/prompter.h"
#include "core/job/job.h"

// The File menu of the main window as operations on the job. The desktop shows the file
// dialog through a callback and refreshes its caption (JobCaption), grids and status texts
// afterwards.
namespace lumora {

enum class FileDialogKind { kOpen, kSave };

// What the shared open/save dialog is asked to show.
struct FileDialogRequest {
  FileDialogKind kind = FileDialogKind::kOpen;
  std::string title;
  // The name the dialog starts with.
  std::string file_name;
  // Description|pattern pairs, "|"-separated ("*.opt|*.opt").
  std::string filter;
};

// Shows the dialog; the chosen file name, or nullopt when the user cancelled.
using FileDialog = std::function<std::optional<std::string>(const FileDialogRequest&)>;

// "Save changes in current file?" when the job changed (Yes/No/Cancel); Yes runs "Save As..."
// and answers Yes, also when its dialog was cancelled, but Cancel when the chosen file could
// not be written (and was told), so that the unsaved job is not dropped. An unchanged job
// answers No without asking.
PromptAnswer AskSaveChanges(Job& job, Prompter& prompter, const FileDialog& dialog);

// What the main window does as it opens: clears the job changed flag, opens "Defaults" when it
// exists, and then opens the job file named on the command line when that file exists (answers
// true, after which the desktop opens the Layouts and Report views), else carries out "&New".
bool OpenMainWindowJob(Job& job, Prompter& prompter, const FileDialog& dialog,
                       const std::string& command_line_file);

// "&New": after AskSaveChanges (Cancel stops and answers false), opens "Defaults" when it
// exists and clears the file name, the imported-stock flag, the resume point and the job
// changed flag. The desktop then resets its status texts.
bool FileNew(Job& job, Prompter& prompter, const FileDialog& dialog);

// "&Open...": after AskSaveChanges (Cancel stops), shows the open dialog; a chosen file clears
// the resume point, is opened, and clears the imported-stock flag. The job changed flag is
// cleared whether a file was chosen or not. Answers whether a job was opened, after which the
// desktop opens the Layouts and Report views.
bool FileOpen(Job& job, Prompter& prompter, const FileDialog& dialog);

// "&Save": asks for a name only when the job has none. Answers whether the job was saved; a
// failed save keeps the earlier file name and the job changed flag.
bool FileSave(Job& job, Prompter& prompter, const FileDialog& dialog);

// "Save &As...": always asks for a name, starting with the current one.
bool FileSaveAs(Job& job, Prompter& prompter, const FileDialog& dialog);

// "Save As Defaults": asks first (No is the default button); saves the Basic Details row, the
// objective and the layouts as the "Defaults" job. The job changed flag stays as it is.
bool FileSaveAsDefaults(Job& job, Prompter& prompter);

}  // namespace lumora

#endif  // LUMORA_CORE_JOB_FILE_COMMANDS_H_
