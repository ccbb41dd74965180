#ifndef LUMORA_GUI_JOB_BASIC_DETAILS_WINDOW_H_
#define LUMORA_GUI_JOB_BASIC_DETAILS_WINDOW_H_

#include "gui/job/job_grid_window.h"

class QPushButton;

namespace lumora {

// "Basic Details": the one row of the material (ITEM, T (MM), B (MM), L1 (MM), L2 (MM) shown;
// the other columns are kept but hidden) and the "Select I&tem" button ("cmd"). Object name
// "BASIC".
class BasicDetailsWindow : public JobGridWindow {
  Q_OBJECT

 public:
  explicit BasicDetailsWindow(JobWindowContext context, QWidget* parent = nullptr);

  QPushButton* select_item_button() const { return select_item_; }

  QSize sizeHint() const override;

 private:
  // Asks the change confirmation, makes the ITEM cell current and offers the items of the
  // material library; a chosen item empties the Sheet Specifications.
  void SelectItem();
  void EmptySheets();

  QPushButton* select_item_;
};

}  // namespace lumora

#endif  // LUMORA_GUI_JOB_BASIC_DETAILS_WINDOW_H_
