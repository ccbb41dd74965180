#ifndef LUMORA_GUI_REPORTS_LABELS_WINDOW_H_
#define LUMORA_GUI_REPORTS_LABELS_WINDOW_H_

#include <string_view>

#include "core/base/prompter.h"
#include "core/base/workspace.h"
#include "core/job/job.h"
#include "core/layouts/loaded_result.h"
#include "gui/job/settings_windows.h"

class QPrinter;
class QWidget;

namespace lumora {

// "Define Labels": lbl.def's one row (ROWS, COLS, HS, HP, VS, VP, each heading with a tool tip
// that tells what it sets) in the grid "FG"; "Close"
// ("cmdClose") stores lbl.def and closes the window, closing it otherwise leaves the file as it
// was. F1 opens the labels page of the manual. Object name "LABELS". Beside lbl.def it shows and,
// on "Close", stores lblcode.set: "Layout and position" ("chkLayoutPosition") and the code
// ("cmbCode": None, Code 128, QR) printed on every label.
class LabelsWindow : public SettingsRowWindow {
  Q_OBJECT

 public:
  LabelsWindow(const Workspace& workspace, Prompter& prompter, QWidget* parent = nullptr);
};

// Writes the working lbl.tlf for the result by lbl.def and prints it on the printer, or, when
// lblcode.set asks for additions, the labels with them. Answers
// false when nothing could be printed: the labels could not be composed or written (the
// prompter tells why) or the printer did not start.
bool PrintLabels(QPrinter& printer, const LoadedResult& result, const Job& job, Prompter& prompter);

// The print command of the Layouts window's labels button: the print dialog first (a cancel
// prints nothing and leaves lbl.tlf as it was), then PrintLabels.
void PrintLabelsWithDialog(QWidget* parent, const LoadedResult& result, const Job& job,
                           Prompter& prompter);

}  // namespace lumora

#endif  // LUMORA_GUI_REPORTS_LABELS_WINDOW_H_
