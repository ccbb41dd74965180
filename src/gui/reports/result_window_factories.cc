#include "gui/reports/result_window_factories.h"

#include "core/job/file_filter.h"
#include "gui/layouts/layout_editing.h"
#include "gui/layouts/layouts_window.h"
#include "gui/library/library_export.h"
#include "gui/reports/balance_window.h"
#include "gui/reports/labels_window.h"
#include "gui/reports/report_window.h"
#include "gui/shell/job_exchange.h"
#include "gui/shell/language.h"
#include "gui/shell/print_preview.h"
#include "gui/tables/grid_toolbar.h"

namespace lumora {
namespace {

// An export button after the grid toolbar's own, for what the window shows. Its caption says
// where to, as the Balance And Scrap Table already has an "Export" into the material library.
QWidget* WithExportButton(QWidget* content, MainWindow& window, ExportPart part) {
  if (auto* toolbar = content->findChild<GridToolBar*>()) {
    toolbar->addSeparator();
    QAction* action = toolbar->addAction(GridToolBar::tr("Export to Spreadsheet..."));
    action->setObjectName(QStringLiteral("Export"));
    QObject::connect(action, &QAction::triggered, content,
                     [&window, part] { ExportJobWithDialog(window, {part}); });
  }
  return content;
}

}  // namespace

void AddResultWindows(MainWindowSetup& setup) {
  setup.child_factories[ChildWindow::kLayouts] = [](MainWindow& window) -> QWidget* {
    LayoutsWindowContext context{window.job(), window.prompter(), {}, {}, {}, {}, {}, {}};
    context.show_totals = [&window](const StatusTexts& totals) {
      window.SetStatusText(1, CoreCaptioned(totals.yield));
      window.SetStatusText(2, CoreCaptioned(totals.layouts));
      window.SetStatusText(3, CoreCaptioned(totals.profit));
    };
    context.print_labels = [&window](LayoutsWindow& layouts) {
      PrintLabelsWithDialog(&layouts, layouts.view().result, window.job(), window.prompter());
    };
    context.preview_labels = [&window](LayoutsWindow& layouts) {
      ShowPrintPreview(&layouts, LayoutsWindow::tr("Print Preview"), [&](QPrinter& printer) {
        (void)PrintLabels(printer, layouts.view().result, window.job(), window.prompter());
      });
    };
    context.export_dxf = [&window](LayoutsWindow& layouts) {
      constexpr const char* kFilter = "DXF drawings (*.dxf)|*.dxf";
      const std::optional<std::string> path =
          window.file_dialog()({FileDialogKind::kSave, "Export DXF",
                                SuggestedSaveName(window.job().file_name, kFilter), kFilter});
      if (path && layouts.ExportDxf(*path)) window.ShowWritten(*path);
    };
    return OpenEditableLayoutsWindow(window, std::move(context));
  };
  // The report and the balance table are what the Layouts window wrote as it opened: without
  // it, they would be those of an earlier result.
  setup.child_factories[ChildWindow::kReport] = [](MainWindow& window) -> QWidget* {
    if (window.FindChildWindow(ChildWindow::kLayouts) == nullptr) return nullptr;
    return WithExportButton(new ReportWindow(window.job().workspace, window.prompter()), window,
                            ExportPart::kReport);
  };
  setup.child_factories[ChildWindow::kBalance] = [](MainWindow& window) -> QWidget* {
    if (window.FindChildWindow(ChildWindow::kLayouts) == nullptr) return nullptr;
    return WithExportButton(
        new BalanceWindow(window.job(), window.prompter(),
                          [&window](BalanceWindow& table) { ExportBalanceTable(window, table); }),
        window, ExportPart::kBalances);
  };
}

}  // namespace lumora
