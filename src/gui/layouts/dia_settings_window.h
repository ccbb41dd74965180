#ifndef LUMORA_GUI_LAYOUTS_DIA_SETTINGS_WINDOW_H_
#define LUMORA_GUI_LAYOUTS_DIA_SETTINGS_WINDOW_H_

#include <QDialog>
#include <array>

#include "core/base/prompter.h"
#include "core/base/workspace.h"
#include "core/cuts/cut_settings.h"
#include "core/layouts/dia_settings.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace lumora {

// "Layout Settings" ("DiaSet"): the eleven check boxes "chk0" to "chk10" in the order of
// dia.set and the print line width in "cmb" ("1" to "5"). It shows dia.set when the data folder
// has one (else every box off and no width chosen); "Apply" ("cmdApply") writes dia.set and
// closes the window accepted. Closed any other way, it leaves dia.set as it was. "Cut order"
// ("chkCutOrder") and "All dimensions" ("chkAllDimensions") beside them show and write cuts.set
// the same way, and "Breakout numbers" ("chkBreakoutNumbers") its switch of breakout.set.
class DiaSettingsWindow : public QDialog {
  Q_OBJECT

 public:
  DiaSettingsWindow(Workspace workspace, Prompter& prompter, QWidget* parent = nullptr);

  // The settings as the window shows them.
  DiaSettings Chosen() const;

 private:
  void Apply();

  Workspace workspace_;
  Prompter& prompter_;
  std::array<QCheckBox*, kDiaFlagCount> boxes_{};
  QComboBox* width_;
  QCheckBox* cut_order_;
  QCheckBox* all_dimensions_;
  QCheckBox* breakout_numbers_;
  QPushButton* apply_;
};

}  // namespace lumora

#endif  // LUMORA_GUI_LAYOUTS_DIA_SETTINGS_WINDOW_H_
