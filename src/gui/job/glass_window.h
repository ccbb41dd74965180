#ifndef LUMORA_GUI_JOB_GLASS_WINDOW_H_
#define LUMORA_GUI_JOB_GLASS_WINDOW_H_

#include <QLabel>
#include <QPushButton>

#include "gui/job/job_grid_window.h"

namespace lumora {

// "Glass Size Specifications", captioned with the unit: the glass sizes wanted, with the two
// orientation labels ("Orn1lbl" shown while the current row's ORN reads 1, "Orn2lbl" while it
// reads 2) and "QtyLbl", the sum of all quantities. "StackLbl" names the current row's stack for
// the cutting line and its place in it, and "Stack..." ("StackCmd") sets them. Object name "CUT".
class GlassWindow : public JobGridWindow {
  Q_OBJECT

 public:
  explicit GlassWindow(JobWindowContext context, QWidget* parent = nullptr);

  QLabel* quantity_label() const { return quantity_; }

  QSize sizeHint() const override;

 private:
  void RefreshLabels();
  // "Stack...": the stack of the current row and its place in it.
  void EditStack();

  QLabel* orn1_;
  QLabel* orn2_;
  QLabel* quantity_;
  QLabel* stack_;
  QPushButton* stack_button_;
};

}  // namespace lumora

#endif  // LUMORA_GUI_JOB_GLASS_WINDOW_H_
