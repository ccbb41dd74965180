#ifndef LUMORA_GUI_LAYOUTS_ALTERNATE_DIALOG_H_
#define LUMORA_GUI_LAYOUTS_ALTERNATE_DIALOG_H_

#include <QDialog>
#include <cstdint>

#include "core/base/workspace.h"
#include "core/layouts/alternate_arrangement.h"

namespace lumora {

// "ALT": "Alternate Arrangement - <pattern>" with "cmd0" (Try Next), "cmd1" (Keep) and "cmd2"
// (Original). It sits at the top right of the window it is shown over, so that the arrangement
// stays in sight. Closed without a button, it keeps the arrangement on view.
class AlternateDialog : public QDialog {
  Q_OBJECT

 public:
  AlternateDialog(int16_t pattern_counter, const Workspace& workspace, QWidget* over,
                  QWidget* parent = nullptr);

  AlternateChoice choice() const { return choice_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* over_;
  AlternateChoice choice_ = AlternateChoice::kKeep;
};

}  // namespace lumora

#endif  // LUMORA_GUI_LAYOUTS_ALTERNATE_DIALOG_H_
