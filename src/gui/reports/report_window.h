#ifndef LUMORA_GUI_REPORTS_REPORT_WINDOW_H_
#define LUMORA_GUI_REPORTS_REPORT_WINDOW_H_

#include <QWidget>

#include "core/base/prompter.h"
#include "core/base/workspace.h"

namespace lumora {

class GridToolBar;
class GridWidget;

// The Report window ("REPORT"): report.tlf one line per row in the grid "FG" under the heading
// "REPORT", with the layout and summary headings shaded light grey and the profit line bold,
// red for a loss, and the grid toolbar "TB". The grid is a copy: sorting it stores its own
// working table and leaves report.tlf, which printing reads by position, as it is.
class ReportWindow : public QWidget {
  Q_OBJECT

 public:
  ReportWindow(const Workspace& workspace, Prompter& prompter, QWidget* parent = nullptr);

  GridWidget* grid_widget() const { return grid_; }
  GridToolBar* toolbar() const { return toolbar_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  GridWidget* grid_;
  GridToolBar* toolbar_;
  bool sized_ = false;
};

}  // namespace lumora

#endif  // LUMORA_GUI_REPORTS_REPORT_WINDOW_H_
