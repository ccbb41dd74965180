#include "gui/reports/result_window_factories.h"

#include <QTimer>

#include "core/job/file_filter.h"
#include "core/racks/workspace_racks.h"
#include "core/reports/layouts_load.h"
#include "gui/layouts/broken_pieces_dialog.h"
#include "gui/layouts/layout_editing.h"
#include "gui/layouts/layout_picture.h"
#include "gui/layouts/layouts_window.h"
#include "gui/library/library_export.h"
#include "gui/racks/rack_plan_window.h"
#include "gui/reports/balance_window.h"
#include "gui/reports/labels_window.h"
#include "gui/reports/report_window.h"
#include "gui/shell/job_exchange.h"
#include "gui/shell/language.h"
#include "gui/shell/print_preview.h"
#include "gui/tables/grid_toolbar.h"

namespace lumora {
namespace {

// An export button after each grid toolbar's own, for what the window shows. Its caption says
// where to, as the Balance And Scrap Table already has an "Export" into the material library.
QWidget* WithExportButton(QWidget* content, MainWindow& window,
                          const std::function<JobExport()>& build) {
  for (auto* toolbar : content->findChildren<GridToolBar*>()) {
    toolbar->addSeparator();
    QAction* action = toolbar->addAction(GridToolBar::tr("Export to Spreadsheet..."));
    action->setObjectName(QStringLiteral("Export"));
    QObject::connect(action, &QAction::triggered, content,
                     [&window, build] { ExportTablesWithDialog(window, build); });
  }
  return content;
}

QWidget* WithExportButton(QWidget* content, MainWindow& window, std::vector<ExportPart> parts) {
  return WithExportButton(content, window, [&window, parts = std::move(parts)] {
    return BuildJobExport(window.job(), parts);
  });
}

// The rack plan's three tables, planned afresh from the job's result.
JobExport RackPlanExport(const Job& job) {
  const ResultLoad load = LoadResult(job);
  if (!load.error.empty()) return {{}, load.error};
  const WorkspaceRackPlan planned = PlanWorkspaceRacks(load.result, job.workspace);
  if (!planned.plan.error.empty()) return {{}, planned.plan.error};
  return {RackPlanTables(planned.plan, load.result, ReportUnit(job)), {}};
}

}  // namespace

void AddResultWindows(MainWindowSetup& setup) {
  setup.child_factories[ChildWindow::kLayouts] = [](MainWindow& window) -> QWidget* {
    LayoutsWindowContext context{window.job(), window.prompter(), {}, {}, {}, {}, {}, {}, {}};
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
    context.recut = [&window](LayoutsWindow& layouts) {
      std::vector<PiecePlace> marked;
      if (const auto* picture = layouts.findChild<LayoutPicture*>(QStringLiteral("pic"))) {
        for (int element : picture->marks()) {
          marked.push_back(PlaceOfElement(layouts.view().result, element));
        }
      }
      BrokenPiecesDialog dialog(layouts.view().result, ReportUnit(window.job()),
                                layouts.CurrentLayout(), marked, &layouts);
      if (dialog.exec() != QDialog::Accepted) return;
      // The recut job takes the Layouts window's place: it goes once its button has returned.
      QTimer::singleShot(0, &window,
                         [&window, broken = dialog.Chosen()] { window.RecutPieces(broken); });
    };
    return OpenEditableLayoutsWindow(window, std::move(context));
  };
  // The report and the balance table are what the Layouts window wrote as it opened: without
  // it, they would be those of an earlier result.
  setup.child_factories[ChildWindow::kReport] = [](MainWindow& window) -> QWidget* {
    if (window.FindChildWindow(ChildWindow::kLayouts) == nullptr) return nullptr;
    return WithExportButton(new ReportWindow(window.job().workspace, window.prompter()), window,
                            {ExportPart::kReport, ExportPart::kWeights});
  };
  setup.child_factories[ChildWindow::kBalance] = [](MainWindow& window) -> QWidget* {
    if (window.FindChildWindow(ChildWindow::kLayouts) == nullptr) return nullptr;
    return WithExportButton(
        new BalanceWindow(window.job(), window.prompter(),
                          [&window](BalanceWindow& table) { ExportBalanceTable(window, table); }),
        window, {ExportPart::kBalances});
  };
  setup.child_factories[ChildWindow::kRackPlan] = [](MainWindow& window) -> QWidget* {
    return WithExportButton(new RackPlanWindow(window.job(), window.prompter()), window,
                            [&window] { return RackPlanExport(window.job()); });
  };
}

}  // namespace lumora
