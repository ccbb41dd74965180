#ifndef LUMORA_GUI_REPORTS_BALANCE_WINDOW_H_
#define LUMORA_GUI_REPORTS_BALANCE_WINDOW_H_

#include <QWidget>
#include <functional>

#include "core/base/prompter.h"
#include "core/job/job.h"

class QPushButton;

namespace lumora {

class BalanceWindow;
class GridToolBar;
class GridWidget;

// The Balance And Scrap Table ("OFFCUT"): offcut.tlf in the grid "FG" (LAYOUT, L1, L2, QTY,
// TAG) with the grid toolbar "TB", and "Export" ("cmdExport"), which adds the balances to the
// material library. Export is offered only with its command, while the sheets came from the
// library, and never in coil mode.
class BalanceWindow : public QWidget {
  Q_OBJECT

 public:
  BalanceWindow(const Job& job, Prompter& prompter,
                std::function<void(BalanceWindow&)> export_to_library = {},
                QWidget* parent = nullptr);

  GridWidget* grid_widget() const { return grid_; }
  QPushButton* export_button() const { return export_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  GridWidget* grid_;
  GridToolBar* toolbar_;
  QPushButton* export_;
  std::function<void(BalanceWindow&)> export_to_library_;
  bool placed_ = false;
};

}  // namespace lumora

#endif  // LUMORA_GUI_REPORTS_BALANCE_WINDOW_H_
