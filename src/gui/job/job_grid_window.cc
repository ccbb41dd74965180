#include "gui/job/job_grid_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QDropEvent>
#include <QFile>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QUrl>
#include <QVBoxLayout>
#include <filesystem>
#include <utility>

#include "core/base/file_routines.h"
#include "core/base/version.h"
#include "core/engine2d/result_files.h"
#include "core/job/job_grids.h"
#include "core/job/job_messages.h"
#include "core/job/job_tables.h"
#include "core/job/list_import_run.h"
#include "core/job/mirror_conversion.h"
#include "gui/job/list_import_dialog.h"
#include "gui/tables/grid_toolbar.h"
#include "gui/tables/grid_widget.h"

namespace lumora {
namespace {

const Grid& JobGridOf(const Job& job, JobGridKind kind) {
  switch (kind) {
    case JobGridKind::kBasic:
      return job.basic;
    case JobGridKind::kSheet:
      return job.sheet;
    case JobGridKind::kGlass:
      break;
  }
  return job.glass;
}

Grid& JobGridOf(Job& job, JobGridKind kind) {
  return const_cast<Grid&>(JobGridOf(std::as_const(job), kind));
}

const char* WindowName(JobGridKind kind) {
  switch (kind) {
    case JobGridKind::kBasic:
      return "BASIC";
    case JobGridKind::kSheet:
      return "SHEET";
    case JobGridKind::kGlass:
      break;
  }
  return "CUT";
}

// Whether a key may change the current cell: typed characters, Backspace and Delete. Moving
// keys, Enter and shortcuts leave the data alone, so they pass without a question.
bool MayEditCell(const QKeyEvent& event) {
  if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
    return false;
  }
  switch (event.key()) {
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Escape:
      return false;
    default:
      break;
  }
  const QString text = event.text();
  return text.size() == 1 && text.at(0).isPrint();
}

// The list file of a drop: one local file whose name ends in .csv, .tsv or .txt.
QString DroppedListFile(const QMimeData* data) {
  if (data == nullptr || data->urls().size() != 1 || !data->urls().front().isLocalFile()) {
    return {};
  }
  const QString path = data->urls().front().toLocalFile();
  for (const char* suffix : {".csv", ".tsv", ".txt"}) {
    if (path.endsWith(QLatin1String(suffix), Qt::CaseInsensitive)) return path;
  }
  return {};
}

}  // namespace

JobGridWindow::JobGridWindow(JobWindowContext context, JobGridKind kind, QWidget* parent)
    : QWidget(parent),
      context_(std::move(context)),
      kind_(kind),
      grid_(new GridWidget(this)),
      body_(new QVBoxLayout(this)) {
  setObjectName(QString::fromLatin1(WindowName(kind)));
  body_->setContentsMargins(4, 4, 4, 4);
  body_->setSpacing(4);
  if (kind != JobGridKind::kBasic) {
    auto* toolbar = new GridToolBar(grid_, this);
    toolbar->addSeparator();
    QAction* import = toolbar->addAction(kind == JobGridKind::kGlass ? tr("Import Glass List...")
                                                                     : tr("Import Stock List..."));
    import->setObjectName(QStringLiteral("ImportList"));
    connect(import, &QAction::triggered, this, &JobGridWindow::ImportListCommand);
    body_->addWidget(toolbar);
    setAcceptDrops(true);
  }
  body_->addWidget(grid_, 1);

  grid_->SetWindowName(WindowName(kind));
  grid_->SetPrompter(&context_.prompter);
  grid_->SetTakesNewRows(kind != JobGridKind::kBasic);
  grid_->SetEnvironment([this] {
    return GridEnvironment{job().settings.unit, job().settings.move, job().file_name};
  });
  grid_->SetKeyGate([this](const QKeyEvent& event) { return AllowKey(event); });
  grid_->SetChangeGate([this] { return ConfirmChange(); });
  connect(grid_, &GridWidget::JobChanged, this, [this] { job().settings.job_changed = true; });
  connect(grid_, &GridWidget::CellEdited, this, &JobGridWindow::CellEdited);
  connect(grid_, &GridWidget::ContentsChanged, this, &JobGridWindow::ContentsChanged);
  connect(grid_, &GridWidget::CurrentCellChanged, this, &JobGridWindow::GridStateChanged);
  setFocusProxy(grid_);
  LoadFromJob(job());
}

void JobGridWindow::StoreIntoJob(Job& job) const { JobGridOf(job, kind_) = grid_->grid(); }

void JobGridWindow::LoadFromJob(const Job& job) {
  Grid grid = JobGridOf(job, kind_);
  if (kind_ == JobGridKind::kBasic) KeepOneRow(grid);
  // A cell the unit locks would take no keys: start in the first column of the unit instead.
  if (kind_ != JobGridKind::kBasic && IsColumnLockedByUnit(job.settings.unit, grid.col)) {
    grid.col = grid.col_sel = job.settings.unit == Unit::kIn ? size_col::kL1Inch : size_col::kL1;
  }
  grid_->SetGrid(std::move(grid));
  RefreshCaption();
  emit GridStateChanged();
}

void JobGridWindow::FocusGrid() { grid_->setFocus(Qt::OtherFocusReason); }

QString JobGridWindow::Caption() const {
  QString caption;
  switch (kind_) {
    case JobGridKind::kBasic:
      return tr("Basic Details");
    case JobGridKind::kSheet:
      caption = job().settings.coil_mode ? tr("Coil Specifications") : tr("Sheet Specifications");
      break;
    case JobGridKind::kGlass:
      caption = tr("Glass Size Specifications");
      break;
  }
  const std::string_view unit = UnitText(job().settings.unit);
  return caption + tr("     Unit: ") +
         QString::fromLatin1(unit.data(), static_cast<qsizetype>(unit.size()));
}

void JobGridWindow::RefreshCaption() { setWindowTitle(Caption()); }

bool JobGridWindow::ConfirmChange() {
  const ResultViewActions actions =
      context_.result_actions ? context_.result_actions() : ResultViewActions{};
  return ConfirmDataChange(job().workspace.WorkingFile(kLayoutFileName), prompter(), actions);
}

bool JobGridWindow::AllowKey(const QKeyEvent& event) {
  if (!MayEditCell(event)) return true;
  if (kind_ != JobGridKind::kBasic &&
      IsColumnLockedByUnit(job().settings.unit, grid_->grid().col)) {
    return false;
  }
  return ConfirmChange();
}

void JobGridWindow::CellEdited(int row, int col) {
  if (kind_ == JobGridKind::kBasic) return;
  Grid& grid = grid_->grid();
  ApplyMirrorConversion(grid, row, col);
  // The chargeable sizes are read afresh, so a change in their window counts at once.
  if (kind_ == JobGridKind::kGlass) {
    UpdateChargeableLengths(grid, row, col, LoadChargeTable(job().workspace));
  }
  grid_->Refresh();
}

void JobGridWindow::ContentsChanged() {
  // A paste may reach below the one row of Basic Details; the rows beyond it are not kept.
  if (kind_ == JobGridKind::kBasic && grid_->grid().Rows() > 2) {
    KeepOneRow(grid_->grid());
    grid_->Refresh();
  }
  emit GridStateChanged();
}

bool JobGridWindow::ImportList(const std::string& path) {
  const ListKind kind = kind_ == JobGridKind::kGlass ? ListKind::kGlass : ListKind::kStock;
  const FileRead read = ReadFile(path, kListFileLimit);
  const DelimitedText text = ReadDelimitedText(read.bytes.value_or(""));
  const std::string fault = !read.bytes ? read.reason : text.error;
  if (!fault.empty()) {
    prompter().Ask({kApplicationTitle, "Could not read " + path + ": " + fault,
                    PromptIcon::kExclamation, PromptButtons::kOk, PromptAnswer::kOk});
    return false;
  }
  Grid& grid = grid_->grid();
  const std::vector<std::string> headers = DataHeaders(grid);
  ListImportDialog dialog(text, kind, headers, GuessMapping(text, kind, job().settings.unit), this);
  if (dialog.exec() != QDialog::Accepted) return false;
  const ImportMapping mapping = dialog.Mapping();
  const ImportRun run{kind,
                      mapping.unit,
                      std::filesystem::path(path).filename().string(),
                      std::nullopt,
                      job().workspace.WorkingFile("dia.tlf"),
                      context_.result_actions ? context_.result_actions() : ResultViewActions{},
                      LoadChargeTable(job().workspace),
                      &job().line};
  if (!ImportIntoGrid(grid, BuildImportRows(text, mapping, kind, headers), run, prompter())) {
    return false;
  }
  job().settings.job_changed = true;
  grid_->Refresh();
  emit GridStateChanged();
  return true;
}

void JobGridWindow::ImportListCommand() {
  if (!context_.file_dialog) return;
  const std::optional<std::string> path = context_.file_dialog(
      {FileDialogKind::kOpen,
       kind_ == JobGridKind::kGlass ? "Import Glass List" : "Import Stock List", "",
       "Lists (*.csv, *.tsv, *.txt)|*.csv *.tsv *.txt|All Files (*.*)|*"});
  if (path) ImportList(*path);
}

void JobGridWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedListFile(event->mimeData()).isEmpty()) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void JobGridWindow::dropEvent(QDropEvent* event) {
  const QString path = DroppedListFile(event->mimeData());
  if (path.isEmpty()) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
  ImportList(QFile::encodeName(path).toStdString());
}

void JobGridWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  RefreshCaption();
  auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
  if (frame != nullptr && !watching_activation_) {
    watching_activation_ = true;
    connect(frame, &QMdiSubWindow::windowStateChanged, this,
            [this](Qt::WindowStates old_state, Qt::WindowStates new_state) {
              if ((new_state & Qt::WindowActive) && !(old_state & Qt::WindowActive)) {
                RefreshCaption();
              }
            });
  }
}

void JobGridWindow::closeEvent(QCloseEvent* event) {
  // A failed store is told; the window closes all the same, as file errors of a command are
  // absorbed.
  (void)StoreGrid(grid_->grid(), prompter());
  QWidget::closeEvent(event);
}

}  // namespace lumora
