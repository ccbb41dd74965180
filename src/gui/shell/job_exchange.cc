#include "gui/shell/job_exchange.h"

#include <QAction>
#include <QDropEvent>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QUrl>

#include "core/base/version.h"
#include "core/job/file_filter.h"
#include "gui/job/job_grid_window.h"
#include "gui/shell/main_window.h"
#include "gui/shell/window_menu.h"

namespace lumora {
namespace {

// The job file of a drop: one local file whose name ends in .opt or .sdr.
QString DroppedJobFile(const QMimeData* data) {
  if (data == nullptr || data->urls().size() != 1 || !data->urls().front().isLocalFile()) {
    return {};
  }
  const QString path = data->urls().front().toLocalFile();
  const bool job = path.endsWith(QStringLiteral(".opt"), Qt::CaseInsensitive) ||
                   path.endsWith(QStringLiteral(".sdr"), Qt::CaseInsensitive);
  return job ? path : QString();
}

void Tell(MainWindow& window, const std::string& text) {
  window.prompter().Ask(
      {kApplicationTitle, text, PromptIcon::kExclamation, PromptButtons::kOk, PromptAnswer::kOk});
}

}  // namespace

void ExportTablesWithDialog(MainWindow& window, const std::function<JobExport()>& build) {
  constexpr const char* kFilter =
      "Excel Workbook (*.xlsx)|*.xlsx|CSV (Comma delimited) (*.csv)|*.csv";
  window.StoreJobViews();
  const std::optional<std::string> path =
      window.file_dialog()({FileDialogKind::kSave, "Export",
                            SuggestedSaveName(window.job().file_name, kFilter), kFilter});
  if (!path) return;
  const JobExport tables = build();
  if (!tables.error.empty()) return Tell(window, tables.error);
  if (const auto error = WriteExportFile(tables.tables, *path)) return Tell(window, *error);
  window.ShowWritten(*path);
}

void ExportJobWithDialog(MainWindow& window, const std::vector<ExportPart>& parts) {
  ExportTablesWithDialog(window, [&] { return BuildJobExport(window.job(), parts); });
}

JobExchange::JobExchange(MainWindow& window) : QObject(&window), window_(window) {
  QMenu* file = window.menuBar()->findChild<QMenu*>(QStringLiteral("File"));
  QMenu* help = window.menuBar()->findChild<QMenu*>(QStringLiteral("Help"));
  auto* exit_item = window.findChild<QAction*>(QStringLiteral("File8"));
  if (file != nullptr && exit_item != nullptr) {
    const auto add = [&](const QString& caption, const QString& name) {
      auto* action = new QAction(caption, file);
      action->setObjectName(name);
      file->insertAction(exit_item, action);
      return action;
    };
    connect(add(tr("Import Glass List..."), QStringLiteral("ImportGlass")), &QAction::triggered,
            this, [this] { ImportList(true); });
    connect(add(tr("Import Stock List..."), QStringLiteral("ImportStock")), &QAction::triggered,
            this, [this] { ImportList(false); });
    connect(add(tr("Export..."), QStringLiteral("Export")), &QAction::triggered, this,
            [this] { ExportJobWithDialog(window_, AvailableExportParts(window_.job())); });
    file->insertSeparator(exit_item);
  }
  auto* area = qobject_cast<QMdiArea*>(window.centralWidget());
  if (area != nullptr && help != nullptr) {
    auto* menu = new QMenu(tr("&Window"), &window);
    menu->setObjectName(QStringLiteral("Window"));
    window.menuBar()->insertMenu(help->menuAction(), menu);
    new ChildWindowPlaces(area, menu, window.job().workspace.SettingsFile("windows.pos"));
  }
  window.setAcceptDrops(true);
  window.installEventFilter(this);
}

void JobExchange::ImportList(bool glass) {
  QMdiSubWindow* frame = window_.OpenChildWindow(glass ? ChildWindow::kGlass : ChildWindow::kSheet);
  auto* grid_window = frame == nullptr ? nullptr : qobject_cast<JobGridWindow*>(frame->widget());
  if (grid_window != nullptr) grid_window->ImportListCommand();
}

bool JobExchange::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &window_) return false;
  if (event->type() == QEvent::DragEnter) {
    auto* drag = static_cast<QDragEnterEvent*>(event);
    if (!DroppedJobFile(drag->mimeData()).isEmpty()) drag->acceptProposedAction();
    return true;
  }
  if (event->type() == QEvent::Drop) {
    auto* drop = static_cast<QDropEvent*>(event);
    const QString path = DroppedJobFile(drop->mimeData());
    if (path.isEmpty()) return true;
    drop->acceptProposedAction();
    window_.OpenJobFile(QFile::encodeName(path).toStdString());
    return true;
  }
  return false;
}

}  // namespace lumora
