#ifndef LUMORA_GUI_SHELL_CONFIGURE_WINDOW_H_
#define LUMORA_GUI_SHELL_CONFIGURE_WINDOW_H_

#include <QDialog>

class QVBoxLayout;

#include "core/base/prompter.h"
#include "core/base/workspace.h"

namespace lumora {

// The Configure window of the launcher: "Chargeable Size", "Scrap Criteria", "Labels" and
// "Misc" open the program-wide settings windows modally; the language ("Language", applied at
// the next start) and "Print in the chosen language" ("PrintInLanguage") are stored in
// language.set as soon as they change; "Close" closes it, F1 opens the help. Object name
// "Configure"; the buttons are "cmd0" to "cmd4".
class ConfigureWindow : public QDialog {
  Q_OBJECT

 public:
  ConfigureWindow(Workspace workspace, Prompter& prompter, QWidget* parent = nullptr);

 private:
  void OpenChargeableSize();
  void OpenScrapCriteria();
  void OpenLabels();
  void OpenMisc();
  void AddLanguageChoice(QVBoxLayout* layout);
  // Shows a settings window modally without waiting for it, and lets it go when it closes.
  void ShowModal(QDialog* window);

  Workspace workspace_;
  Prompter& prompter_;
};

}  // namespace lumora

#endif  // LUMORA_GUI_SHELL_CONFIGURE_WINDOW_H_
