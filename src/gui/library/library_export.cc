#include "gui/library/library_export.h"

#include <QPushButton>

#include "gui/library/library_windows.h"
#include "gui/reports/balance_window.h"
#include "gui/shell/main_window.h"
#include "gui/tables/grid_widget.h"

namespace lumora {

ExportOutcome ExportToMaterialLibrary(Job& job, const Grid& offcut, Prompter& prompter,
                                      QWidget* parent) {
  return ExportBalances(job, offcut, prompter, [&] {
    MaterialLibraryWindow window(job.workspace, prompter, true, parent);
    return window.exec() == QDialog::Accepted;
  });
}

void ExportBalanceTable(MainWindow& window, BalanceWindow& table) {
  window.StoreJobViews();
  ExportToMaterialLibrary(window.job(), table.grid_widget()->grid(), window.prompter(), &table);
  table.export_button()->setEnabled(window.job().settings.imported_stock);
}

}  // namespace lumora
