#ifndef LUMORA_GUI_JOB_SETTINGS_WINDOWS_H_
#define LUMORA_GUI_JOB_SETTINGS_WINDOWS_H_

#include <QDialog>

#include "core/base/prompter.h"
#include "core/base/workspace.h"
#include "core/tables/grid.h"

class QPushButton;

namespace lumora {

class GridWidget;

// A settings window over the one row of a settings file: the grid ("FG") keeps exactly one row
// and "Apply" ("cmd") stores the file and closes the window (accepted). Closing it otherwise
// leaves the file as it was.
class SettingsRowWindow : public QDialog {
  Q_OBJECT

 public:
  SettingsRowWindow(const QString& caption, Grid grid, Prompter& prompter,
                    QWidget* parent = nullptr);

  GridWidget* grid_widget() const { return grid_; }
  QPushButton* apply_button() const { return apply_; }

 private:
  void Apply();

  Prompter& prompter_;
  GridWidget* grid_;
  QPushButton* apply_;
};

// "Misc": misc.set, the unit ("UNIT" toggles), the efficiency ("EFF") and the cursor movement
// ("MOVE" toggles). Object name "MISC".
class MiscWindow : public SettingsRowWindow {
  Q_OBJECT

 public:
  MiscWindow(const Workspace& workspace, Prompter& prompter, QWidget* parent = nullptr);
};

// "Scrap Criteria": scrap.dat, the two sizes that tell usable leftovers from scrap. Object name
// "SCRAP".
class ScrapCriteriaWindow : public SettingsRowWindow {
  Q_OBJECT

 public:
  ScrapCriteriaWindow(const Workspace& workspace, Prompter& prompter, QWidget* parent = nullptr);
};

// "Chargeable Size Definition": the rows of charge.dat, edited on the working charge.tlf with
// the grid toolbar ("TB"). Closing it ("Done", "cmd", or the window's close box) asks "Save
// Changes?"; Yes stores charge.dat. Object name "CHARGE".
class ChargeableSizeWindow : public QDialog {
  Q_OBJECT

 public:
  ChargeableSizeWindow(Workspace workspace, Prompter& prompter, QWidget* parent = nullptr);

  GridWidget* grid_widget() const { return grid_; }

  // Asks the save question first; a store that failed keeps the window open.
  void done(int result) override;

 private:
  Workspace workspace_;
  Prompter& prompter_;
  GridWidget* grid_;
  QPushButton* done_;
};

}  // namespace lumora

#endif  // LUMORA_GUI_JOB_SETTINGS_WINDOWS_H_
