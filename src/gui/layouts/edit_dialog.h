#ifndef LUMORA_GUI_LAYOUTS_EDIT_DIALOG_H_
#define LUMORA_GUI_LAYOUTS_EDIT_DIALOG_H_

#include <QDialog>
#include <array>

#include "core/base/prompter.h"
#include "core/base/workspace.h"
#include "core/layouts/edit_form.h"

class QLabel;
class QPushButton;

namespace lumora {

class GridWidget;

// The "Edit" dialog: the one-row grid "FG" over edit.tlf, the help lines "HelpLbl0" to
// "HelpLbl3" and the buttons "cmd0" (Cancel), "cmd1" (Delete) and "cmd2" (Move, Modify or Add).
// However it closes, it stores its grid: into edit.tlf, or into edit.tmp after Cancel. Esc is
// Cancel.
class EditDialog : public QDialog {
  Q_OBJECT

 public:
  EditDialog(EditMode mode, const Workspace& workspace, Prompter& prompter,
             QWidget* parent = nullptr);

  // Whether a button confirmed a change, which sets the job changed flag.
  bool job_changed() const { return job_changed_; }
  GridWidget* grid() const { return grid_; }
  QPushButton* button(int index) const { return buttons_[static_cast<size_t>(index)]; }

  void done(int result) override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Press(EditButton button);

  EditForm form_;
  Prompter& prompter_;
  GridWidget* grid_;
  std::array<QPushButton*, 3> buttons_{};
  bool job_changed_ = false;
  bool stored_ = false;
};

}  // namespace lumora

#endif  // LUMORA_GUI_LAYOUTS_EDIT_DIALOG_H_
