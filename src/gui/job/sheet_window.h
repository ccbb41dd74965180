#ifndef LUMORA_GUI_JOB_SHEET_WINDOW_H_
#define LUMORA_GUI_JOB_SHEET_WINDOW_H_

#include <QLabel>
#include <array>
#include <vector>

#include "core/deep/deep_problem.h"
#include "gui/job/job_grid_window.h"

class QPushButton;

namespace lumora {

// "Sheet Specifications" (coil mode "Coil Specifications"), captioned with the unit: the stock
// sizes, with the four margin indicators of the current row ("MarginLbl0" to "MarginLbl3" for
// left, top, right and bottom; enabled when that margin is greater than zero) and the "Import"
// button ("cmd"), which fills the grid with the stock of the Basic Details item from the
// material library. Rows of stock that came back from the library's leftovers are shaded, and
// "lblLeftovers" counts them. "Flaws..." ("FlawsCmd") edits the flaws of the current row's
// sheets. Object name "SHEET".
class SheetWindow : public JobGridWindow {
  Q_OBJECT

 public:
  explicit SheetWindow(JobWindowContext context, QWidget* parent = nullptr);

  QSize sizeHint() const override;

 private:
  // Without stock of the item it offers the item choice of Basic Details.
  void Import();
  void RefreshMargins();
  // Reads which stock sizes are leftovers, then shows them.
  void ReadLeftovers();
  void ShowLeftovers();
  // "Flaws...": the flaw editor of the current row's sheets.
  void EditFlaws();

  std::array<QLabel*, 4> margins_{};
  QPushButton* import_;
  QLabel* leftover_note_;
  QPushButton* flaws_;
  std::vector<deep::StockSizeMm> leftovers_;
};

}  // namespace lumora

#endif  // LUMORA_GUI_JOB_SHEET_WINDOW_H_
