#include "gui/shell/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <algorithm>
#include <optional>

#include "core/base/file_routines.h"
#include "core/base/version.h"
#include "core/deep/deep_settings_file.h"
#include "core/engine2d/job_run.h"
#include "core/engine2d/line_job.h"
#include "core/engine2d/optimization.h"
#include "core/engine2d/result_files.h"
#include "core/job/file_filter.h"
#include "core/job/job_messages.h"
#include "core/layouts/loaded_result.h"
#include "core/reports/layouts_load.h"
#include "core/tables/column_dictionary.h"
#include "gui/job/cutting_line_window.h"
#include "gui/job/job_file_dialog.h"
#include "gui/job/job_view.h"
#include "gui/layouts/layouts_window.h"
#include "gui/reports/labels_window.h"
#include "gui/shell/about_window.h"
#include "gui/shell/help.h"
#include "gui/shell/job_exchange.h"
#include "gui/shell/job_recovery_keeper.h"
#include "gui/shell/language.h"
#include "gui/shell/message_box_prompter.h"
#include "gui/tables/grid_widget.h"
#include "gui/tools/unit_conversion_window.h"

namespace lumora {
namespace {

constexpr char kStopRunQuestion[] =
    QT_TRANSLATE_NOOP("Core", "The optimization is still running. Stop it and close?");

// A child window that tells the main window when it closes for good, while its content is
// still there to be stored.
class ChildSubWindow : public QMdiSubWindow {
 public:
  explicit ChildSubWindow(std::function<void(QWidget*)> closing) : closing_(std::move(closing)) {
    setAttribute(Qt::WA_DeleteOnClose);
  }

 protected:
  void closeEvent(QCloseEvent* event) override {
    QMdiSubWindow::closeEvent(event);
    if (event->isAccepted() && closing_) {
      auto closing = std::move(closing_);
      closing_ = nullptr;
      closing(widget());
    }
  }

 private:
  std::function<void(QWidget*)> closing_;
};

QString ChildName(ChildWindow kind) {
  switch (kind) {
    case ChildWindow::kBasicDetails:
      return QStringLiteral("BASIC");
    case ChildWindow::kSheet:
      return QStringLiteral("SHEET");
    case ChildWindow::kGlass:
      return QStringLiteral("CUT");
    case ChildWindow::kReport:
      return QStringLiteral("Report");
    case ChildWindow::kLayouts:
      return QStringLiteral("Dia");
    case ChildWindow::kRackPlan:
      return QStringLiteral("RackPlan");
    case ChildWindow::kBalance:
      break;
  }
  return QStringLiteral("OFFCUT");
}

bool IsResultView(ChildWindow kind) {
  return kind == ChildWindow::kReport || kind == ChildWindow::kLayouts ||
         kind == ChildWindow::kBalance || kind == ChildWindow::kRackPlan;
}

constexpr QLatin1StringView kSheetButton("TB6");
constexpr QLatin1StringView kCoilButton("TB7");
constexpr QLatin1StringView kInchButton("TB16");
constexpr QLatin1StringView kMillimetreButton("TB17");

// Keeps a result view inside the visible MDI area, its top below the title bars of the views
// that open before it (Layouts, then Report, then Balance, then Rack Plan), so that none hides
// another's.
void PlaceResultView(QMdiSubWindow& window, ChildWindow kind, const QRect& area) {
  const int order = kind == ChildWindow::kLayouts   ? 0
                    : kind == ChildWindow::kReport  ? 1
                    : kind == ChildWindow::kBalance ? 2
                                                    : 3;
  const int title = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
  QRect place = window.geometry();
  place.moveTop(std::max(place.top(), order * title));
  place.setWidth(std::min(place.width(), area.width()));
  place.moveLeft(std::clamp(place.left(), 0, area.width() - place.width()));
  place.setBottom(std::min(place.bottom(), area.bottom()));
  window.setGeometry(place);
}

}  // namespace

MainWindow::MainWindow(MainWindowSetup setup, QWidget* parent)
    : QMainWindow(parent),
      job_(MakeJob(setup.workspace, setup.settings)),
      prompter_(setup.prompter),
      file_dialog_(std::move(setup.file_dialog)),
      runner_(std::move(setup.optimization_runner)),
      mdi_area_(new QMdiArea(this)),
      factories_(std::move(setup.child_factories)) {
  setObjectName(QStringLiteral("BaseModule"));
  if (prompter_ == nullptr) {
    own_prompter_ = std::make_unique<MessageBoxPrompter>(this);
    prompter_ = own_prompter_.get();
  }
  file_dialog_ =
      WithSaveExtensions(file_dialog_ ? std::move(file_dialog_) : MakeJobFileDialog(this));
  mdi_area_->setObjectName(QStringLiteral("mdi"));
  setCentralWidget(mdi_area_);
  BuildMenus();
  BuildToolBar();
  BuildStatusBar();
  new JobExchange(*this);
  new JobRecoveryKeeper(*this);

  if (job_.settings.coil_mode) {
    edit_sheet_->setText(tr("Coi&l Specifications"));
    ToolbarButton(kSheetButton)->setVisible(false);
  } else {
    ToolbarButton(kCoilButton)->setVisible(false);
  }
  ShowUnitPair(job_.settings.unit);
  ResetStatusTexts();
  setWindowTitle(QString::fromStdString(JobCaption(job_)));
  resize(1100, 760);

  const bool opened = OpenMainWindowJob(job_, prompter(), file_dialog_, setup.command_line_file);
  RefreshFromJob();
  if (opened) {
    // The views of a job named on the command line come once the window is on the screen.
    QTimer::singleShot(0, this, &MainWindow::ShowOpenedJob);
  }
}

MainWindow::~MainWindow() = default;

QMdiSubWindow* MainWindow::OpenChildWindow(ChildWindow kind) {
  if (QMdiSubWindow* open = FindChildWindow(kind)) {
    open->show();
    mdi_area_->setActiveSubWindow(open);
    return open;
  }
  const auto factory = factories_.find(kind);
  if (factory == factories_.end() || !factory->second) return nullptr;
  QWidget* content = factory->second(*this);
  if (content == nullptr) return nullptr;

  auto* window =
      new ChildSubWindow([this, kind](QWidget* closing) { ChildClosing(kind, closing); });
  window->setObjectName(ChildName(kind));
  window->setWidget(content);
  if (auto* view = dynamic_cast<JobView*>(content)) view->LoadFromJob(job_);
  if (content->windowTitle().isEmpty()) window->setWindowTitle(ChildCaption(kind));
  mdi_area_->addSubWindow(window);
  children_[kind] = window;
  window->show();
  if (IsResultView(kind)) PlaceResultView(*window, kind, mdi_area_->viewport()->rect());
  mdi_area_->setActiveSubWindow(window);
  return window;
}

QMdiSubWindow* MainWindow::FindChildWindow(ChildWindow kind) const {
  const auto found = children_.find(kind);
  return found == children_.end() ? nullptr : found->second.data();
}

void MainWindow::CloseChildWindow(ChildWindow kind) {
  if (QMdiSubWindow* window = FindChildWindow(kind)) window->close();
}

void MainWindow::CloseResultViews() {
  CloseChildWindow(ChildWindow::kRackPlan);
  CloseChildWindow(ChildWindow::kBalance);
  CloseChildWindow(ChildWindow::kReport);
  CloseChildWindow(ChildWindow::kLayouts);
}

ResultViewActions MainWindow::ResultActions() {
  return {.close_result_views =
              [this] {
                QPointer<QWidget> focus = QApplication::focusWidget();
                CloseResultViews();
                if (focus) focus->setFocus();
              },
          .forget_result =
              [this] {
                ResetStatusTexts();
                job_.settings.resume_pass = 0;
                emit ResultDropped();
              }};
}

QString MainWindow::ChildCaption(ChildWindow kind) const {
  switch (kind) {
    case ChildWindow::kBasicDetails:
      return tr("Basic Details");
    case ChildWindow::kSheet:
      return job_.settings.coil_mode ? tr("Coil Specifications") : tr("Sheet Specifications");
    case ChildWindow::kGlass:
      return tr("Glass Size Specifications");
    case ChildWindow::kReport:
      return tr("Report");
    case ChildWindow::kLayouts:
      return tr("Layouts");
    case ChildWindow::kRackPlan:
      return tr("Rack Plan");
    case ChildWindow::kBalance:
      break;
  }
  return tr("Balance And Scrap Table");
}

void MainWindow::StoreJobViews() {
  for (const auto& [kind, window] : children_) {
    if (window == nullptr) continue;
    if (const auto* view = dynamic_cast<const JobView*>(window->widget())) view->StoreIntoJob(job_);
  }
}

void MainWindow::LoadJobViews() {
  for (const auto& [kind, window] : children_) {
    if (window == nullptr) continue;
    if (auto* view = dynamic_cast<JobView*>(window->widget())) view->LoadFromJob(job_);
  }
}

void MainWindow::ShowView(ChildWindow kind) {
  if (IsFileEmpty(job_.workspace.WorkingFile(kLayoutFileName))) {
    prompter().Ask({.title = std::string(kAttentionTitle),
                    .text = std::string(kNotOptimizedMessage),
                    .icon = PromptIcon::kQuestion,
                    .buttons = PromptButtons::kOk,
                    .default_answer = PromptAnswer::kOk});
    return;
  }
  // The Layouts window puts its figures on the status bar as it opens.
  ShowResultStatus();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  FocusJobGrid(JobGridId::kBasic);
  // The Layouts window writes the report and the balance table as it opens.
  CloseChildWindow(ChildWindow::kLayouts);
  OpenChildWindow(ChildWindow::kLayouts);
  if (kind == ChildWindow::kBalance) CloseChildWindow(ChildWindow::kBalance);
  if (kind != ChildWindow::kLayouts) OpenChildWindow(kind);
  QApplication::restoreOverrideCursor();
}

void MainWindow::ResetStatusTexts() {
  SetStatusText(1, CoreCaptioned("Overall Yield (%) = NA"));
  SetStatusText(2, CoreCaptioned("Total Layouts = NA"));
  SetStatusText(3, CoreCaptioned("Profit = NA"));
  SetStatusText(4, AboutWindow::VersionText());
}

void MainWindow::ShowResultStatus() {
  const ResultStatus result = ResultStatusTexts(job_);
  if (!result.error.empty()) {
    ResetStatusTexts();
    return;
  }
  SetStatusText(1, CoreCaptioned(result.status.yield));
  SetStatusText(2, CoreCaptioned(result.status.layouts));
  SetStatusText(3, CoreCaptioned(result.status.profit));
}

void MainWindow::ShowWritten(const std::string& path) {
  constexpr int kShownMs = 15000;
  statusBar()->showMessage(tr("Written: ") + QFile::decodeName(path.c_str()), kShownMs);
}

void MainWindow::SetStatusText(int panel, const QString& text) {
  if (panel >= 1 && panel <= static_cast<int>(status_panels_.size())) {
    status_panels_[panel - 1]->setText(text);
  }
}

QString MainWindow::StatusText(int panel) const {
  if (panel < 1 || panel > static_cast<int>(status_panels_.size())) return {};
  return status_panels_[panel - 1]->text();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (optimization_running_) {
    // The run and the command around it must end before the window may go.
    event->ignore();
    if (close_after_run_) return;
    const PromptAnswer answer = prompter().Ask({.title = kApplicationTitle,
                                                .text = kStopRunQuestion,
                                                .icon = PromptIcon::kQuestion,
                                                .buttons = PromptButtons::kYesNo,
                                                .default_answer = PromptAnswer::kNo});
    if (answer != PromptAnswer::kYes) return;
    close_after_run_ = true;
    if (run_stopper_) run_stopper_();
    return;
  }
  StoreJobViews();
  if (AskSaveChanges(job_, prompter(), file_dialog_) == PromptAnswer::kCancel) {
    setWindowTitle(QString::fromStdString(JobCaption(job_)));
    event->ignore();
    return;
  }
  job_.settings.imported_stock = false;
  job_.file_name.clear();
  // Each job window writes its working table as it closes, and the job takes its grid.
  mdi_area_->closeAllSubWindows();
  event->accept();
  emit Closed();
}

void MainWindow::FileNewCommand() {
  StoreJobViews();
  if (FileNew(job_, prompter(), file_dialog_)) {
    CloseResultViews();
    ResetStatusTexts();
  }
  RefreshFromJob();
}

void MainWindow::FileOpenCommand() { OpenJobWith(file_dialog_); }

void MainWindow::OpenJobFile(const std::string& path, bool show_views) {
  // Only the open dialog is answered by the file: Save Changes may still ask for a name.
  OpenJobWith(
      [this, path](const FileDialogRequest& request) -> std::optional<std::string> {
        if (request.kind == FileDialogKind::kOpen) return path;
        return file_dialog_(request);
      },
      show_views);
}

void MainWindow::OpenJobWith(const FileDialog& dialog, bool show_views) {
  StoreJobViews();
  const bool opened = FileOpen(job_, prompter(), dialog);
  if (opened) CloseResultViews();
  RefreshFromJob();
  if (opened && show_views) ShowOpenedJob();
  if (opened && !show_views) ShowResultStatus();
}

void MainWindow::ShowOpenedJob() {
  // The figures of the job just opened, or "= NA"; a job without layouts is told so once.
  ShowResultStatus();
  ShowView(ChildWindow::kLayouts);
  if (FindChildWindow(ChildWindow::kLayouts) != nullptr) ShowView(ChildWindow::kReport);
  TellStoredLayoutsNotice(job_, prompter());
}

void MainWindow::FileSaveCommand() {
  StoreJobViews();
  if (FileSave(job_, prompter(), file_dialog_)) ShowWritten(job_.file_name);
  setWindowTitle(QString::fromStdString(JobCaption(job_)));
}

void MainWindow::FileSaveAsCommand() {
  StoreJobViews();
  if (FileSaveAs(job_, prompter(), file_dialog_)) ShowWritten(job_.file_name);
  setWindowTitle(QString::fromStdString(JobCaption(job_)));
}

void MainWindow::FileSaveAsDefaultsCommand() {
  StoreJobViews();
  FileSaveAsDefaults(job_, prompter());
}

void MainWindow::EditBasicDetails() { OpenChildWindow(ChildWindow::kBasicDetails); }

void MainWindow::EditSheet() { OpenChildWindow(ChildWindow::kSheet); }

void MainWindow::EditGlass() { OpenChildWindow(ChildWindow::kGlass); }

void MainWindow::StartOptimizationCommand() {
  StoreJobViews();
  if (!deep_run_ && HasLineData(EngineJobOf(job_))) {
    const PromptAnswer answer =
        prompter().Ask({.title = kApplicationTitle,
                        .text = std::string(kNeedsDeepMessage) + "\n\nStart it now?",
                        .icon = PromptIcon::kQuestion,
                        .buttons = PromptButtons::kYesNo,
                        .default_answer = PromptAnswer::kYes});
    if (answer == PromptAnswer::kYes) DeepOptimizationCommand();
    return;
  }
  CloseResultViews();
  const CheckResult checks = StartOptimization(job_, prompter());
  LoadJobViews();
  FocusJobGrid(checks.focus);
  if (!checks.start) return;
  optimization_running_ = true;
  runner_(*this);
  optimization_running_ = false;
  // Not every desktop hands the keys back to the window under a closed dialog.
  activateWindow();
  StoreJobViews();
  ShowResultStatus();
  emit OptimizationEnded();
  if (close_after_run_) {
    close_after_run_ = false;
    // The close asked for during the run goes on, with its save question, once this command
    // has returned.
    QTimer::singleShot(0, this, [this] { close(); });
    return;
  }
  if (FileSaveAs(job_, prompter(), file_dialog_)) ShowWritten(job_.file_name);
  setWindowTitle(QString::fromStdString(JobCaption(job_)));
  ShowView(ChildWindow::kLayouts);
  ShowView(ChildWindow::kReport);
}

void MainWindow::DeepOptimizationCommand() {
  bool ok = false;
  const int seconds = QInputDialog::getInt(
      this, tr("Deep Optimization"),
      tr("Time limit in seconds (the best result found by then is kept):"),
      static_cast<int>(ReadDeepSeconds(job_.workspace)), static_cast<int>(kMinDeepSeconds),
      static_cast<int>(kMaxDeepSeconds), 1, &ok);
  if (!ok) return;
  // The run goes ahead with the limit given even when it cannot be kept for the next one.
  if (const auto error = WriteDeepSeconds(job_.workspace, seconds)) {
    prompter().Ask({std::string(kApplicationTitle), *error, PromptIcon::kExclamation});
  }
  deep_run_ = seconds;
  StartOptimizationCommand();
  deep_run_.reset();
}

void MainWindow::CuttingLineCommand() {
  CuttingLineWindow window(job_.line.settings(), this);
  if (window.exec() != QDialog::Accepted || window.settings() == job_.line.settings()) return;
  job_.line.SetSettings(window.settings());
  job_.settings.job_changed = true;
}

void MainWindow::ChooseObjective() {
  FlipObjective(job_);
  maximum_yield_->setChecked(job_.maximum_yield);
  minimum_layouts_->setChecked(job_.minimum_layouts);
}

void MainWindow::ViewReport() { ShowView(ChildWindow::kReport); }
void MainWindow::ViewLayouts() { ShowView(ChildWindow::kLayouts); }
void MainWindow::ViewBalance() { ShowView(ChildWindow::kBalance); }

void MainWindow::UnitConversionTool() {
  auto* tool = new UnitConversionWindow(job_.workspace, this);
  // A decimal cell of the active window's grid presets the tool, which can then paste into it.
  if (QMdiSubWindow* active = mdi_area_->activeSubWindow()) {
    if (auto* grid = qobject_cast<GridWidget*>(active->focusWidget())) {
      const Grid& cells = grid->grid();
      const std::optional<ColumnInfo> column = DescribeColumn(cells.Text(0, cells.col));
      if (column && column->kind == 'R') tool->PresetFromCell(grid);
    }
  }
  tool->show();
  tool->activateWindow();
}

void MainWindow::ChangeUnitToInch() { ChangeUnit(Unit::kIn); }
void MainWindow::ChangeUnitToMM() { ChangeUnit(Unit::kMm); }

void MainWindow::DefineLabels() {
  LabelsWindow window(job_.workspace, prompter(), this);
  window.exec();
}

void MainWindow::ChangeUnit(Unit unit) {
  ShowUnitPair(unit);
  StoreJobViews();
  SwitchUnit(job_, unit);
  LoadJobViews();
  // A result window shows the unit in its texts: it is built again in the new one.
  QMdiSubWindow* active = mdi_area_->activeSubWindow();
  std::optional<ChildWindow> shown;
  for (const auto& [kind, window] : children_) {
    if (window != nullptr && window == active && IsResultView(kind)) shown = kind;
  }
  if (!shown) return;
  // The Layouts window comes back on the layout the user was looking at.
  const auto* layouts = FindChildWindow(ChildWindow::kLayouts);
  const auto* layouts_window =
      layouts != nullptr ? qobject_cast<LayoutsWindow*>(layouts->widget()) : nullptr;
  const int layout_no = layouts_window != nullptr ? layouts_window->CurrentLayout() : 0;
  CloseResultViews();
  ShowView(*shown);
  if (layout_no < 1) return;
  if (auto* reopened = FindChildWindow(ChildWindow::kLayouts)) {
    if (auto* window = qobject_cast<LayoutsWindow*>(reopened->widget())) {
      window->SelectLayout(layout_no);
    }
  }
}

void MainWindow::ShowUnitPair(Unit unit) {
  // Exactly one of the pair is pressed: millimetres until a job says inches.
  ToolbarButton(unit == Unit::kIn ? kInchButton : kMillimetreButton)->setChecked(true);
  toolbar_->repaint();
}

void MainWindow::RefreshFromJob() {
  setWindowTitle(QString::fromStdString(JobCaption(job_)));
  maximum_yield_->setChecked(job_.maximum_yield);
  minimum_layouts_->setChecked(job_.minimum_layouts);
  if (job_.settings.unit != Unit::kOther) ShowUnitPair(job_.settings.unit);
  LoadJobViews();
}

void MainWindow::FocusJobGrid(JobGridId grid) {
  ChildWindow kind = ChildWindow::kBasicDetails;
  switch (grid) {
    case JobGridId::kNone:
      return;
    case JobGridId::kBasic:
      break;
    case JobGridId::kSheet:
      kind = ChildWindow::kSheet;
      break;
    case JobGridId::kGlass:
      kind = ChildWindow::kGlass;
      break;
  }
  if (QMdiSubWindow* window = OpenChildWindow(kind)) {
    if (auto* view = dynamic_cast<JobView*>(window->widget())) view->FocusGrid();
  }
}

void MainWindow::ChildClosing(ChildWindow kind, QWidget* content) {
  children_.erase(kind);
  if (const auto* view = dynamic_cast<const JobView*>(content)) view->StoreIntoJob(job_);
}

void MainWindow::OpenHelp() {
  OpenHelpFile(QString::fromStdString(job_.workspace.data_folder), this);
}

void MainWindow::ShowAbout() {
  auto* about = new AboutWindow(this);
  about->setAttribute(Qt::WA_DeleteOnClose);
  about->setWindowModality(Qt::ApplicationModal);
  about->show();
}

}  // namespace lumora
