#include "gui/engine2d/progress_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <utility>

#include "core/base/version.h"
#include "core/deep/deep_optimization.h"
#include "core/deep/deep_progress.h"
#include "core/deep/deep_settings_file.h"
#include "core/engine2d/job_run.h"
#include "core/library/leftover_stock.h"
#include "gui/shell/help.h"
#include "gui/shell/language.h"
#include "gui/shell/toolbar_icons.h"

namespace lumora {
namespace {

constexpr QColor kObjectiveColour(255, 0, 0);

// A message of the run, which may name a file in the system's encoding.
QString RunMessage(const std::string& message) {
  return QCoreApplication::translate("Core", message.c_str());
}

QLabel* NamedLabel(const QString& name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

// A label that keeps its place in the layout while hidden, so the window does not jump.
void KeepPlaceWhenHidden(QWidget* widget) {
  QSizePolicy policy = widget->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  widget->setSizePolicy(policy);
}

void ScaleFont(QWidget* widget, double scale, bool bold) {
  QFont font = widget->font();
  font.setPointSizeF(font.pointSizeF() * scale);
  font.setBold(bold);
  widget->setFont(font);
}

void SetTextColour(QLabel* label, const QColor& colour) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
}

}  // namespace

ProgressWindow::ProgressWindow(Job& job, QWidget* parent)
    : QDialog(parent),
      job_(job),
      progress_bar_(new QProgressBar(this)),
      command_(new QPushButton(tr("Stop"), this)),
      passes_label_(NamedLabel(QStringLiteral("Comblbl"), {}, this)),
      passes_caption_(NamedLabel(QStringLiteral("CombCaption"), {}, this)),
      percent_label_(NamedLabel(QStringLiteral("PercentLbl"), {}, this)),
      message_label_(NamedLabel(QStringLiteral("Msglbl"), CoreText(kPreparingMessage), this)),
      search_label_(NamedLabel(QStringLiteral("SearchLbl"), {}, this)),
      heading_label_(NamedLabel(QStringLiteral("Hdlbl"), CoreText(kProgressHeading), this)),
      yield_label_(NamedLabel(QStringLiteral("Yieldlbl"), {}, this)),
      layouts_label_(NamedLabel(QStringLiteral("NOLlbl"), {}, this)) {
  setObjectName(QStringLiteral("Progress"));
  setWindowTitle(QLatin1String(kApplicationTitle));
  // Only the button ends the window: no close box while the run goes on.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setModal(true);

  progress_bar_->setObjectName(QStringLiteral("PBar"));
  progress_bar_->setTextVisible(false);
  command_->setObjectName(QStringLiteral("cmd"));
  command_->setDefault(true);
  command_->setMinimumWidth(110);
  connect(command_, &QPushButton::clicked, this, &ProgressWindow::CommandClicked);
  for (int i = 0; i < 3; ++i) {
    time_labels_[i] = NamedLabel(QStringLiteral("TimeStLbl%1").arg(i + 1), {}, this);
    time_labels_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }

  auto* image = NamedLabel(QStringLiteral("Image1"), {}, this);
  image->setPixmap(ApplicationIcon().pixmap(48, 48));
  image->setAlignment(Qt::AlignTop);
  message_label_->setWordWrap(true);
  message_label_->setMinimumHeight(message_label_->fontMetrics().lineSpacing() * 3);
  message_label_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  ScaleFont(message_label_, 1.15, true);

  auto* figures = new QFrame(this);
  figures->setObjectName(QStringLiteral("Shape1"));
  figures->setFrameShape(QFrame::StyledPanel);
  heading_label_->setAlignment(Qt::AlignCenter);
  for (QLabel* statistic : {layouts_label_, yield_label_}) {
    statistic->setAlignment(Qt::AlignCenter);
    ScaleFont(statistic, 1.8, true);
  }
  auto* figures_layout = new QGridLayout(figures);
  figures_layout->addWidget(heading_label_, 0, 0, 1, 2);
  figures_layout->addWidget(layouts_label_, 1, 0);
  figures_layout->addWidget(yield_label_, 1, 1);

  auto* bar_row = new QHBoxLayout;
  bar_row->addWidget(progress_bar_, 1);
  bar_row->addWidget(percent_label_);
  bar_row->addSpacing(percent_label_->fontMetrics().averageCharWidth());
  bar_row->addWidget(passes_caption_);
  bar_row->addWidget(passes_label_);
  percent_label_->setMinimumWidth(percent_label_->fontMetrics().horizontalAdvance("[100.00%]"));
  passes_label_->setMinimumWidth(passes_label_->fontMetrics().horizontalAdvance("00000/000"));

  auto* times = new QGridLayout;
  times->addWidget(new QLabel(tr("Time Elapsed"), this), 0, 0);
  times->addWidget(time_labels_[1], 0, 1);
  times->addWidget(new QLabel(tr("Total Time"), this), 1, 0);
  times->addWidget(time_labels_[0], 1, 1);
  times->addWidget(NamedLabel(QStringLiteral("tIMElBL"), CoreText(kTimeRemainingCaption), this), 2,
                   0);
  times->addWidget(time_labels_[2], 2, 1);
  times->setColumnStretch(2, 1);

  auto* top = new QHBoxLayout;
  top->addWidget(image);
  top->addWidget(message_label_, 1);

  search_label_->setWordWrap(true);
  search_label_->hide();

  auto* button_row = new QHBoxLayout;
  button_row->addStretch();
  button_row->addWidget(command_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(figures);
  layout->addLayout(bar_row);
  layout->addLayout(times);
  layout->addWidget(search_label_);
  layout->addLayout(button_row);
  setMinimumWidth(440);

  // What the run has not reached yet is not shown.
  for (QWidget* widget :
       std::initializer_list<QWidget*>{progress_bar_, passes_label_, passes_caption_,
                                       heading_label_, yield_label_, layouts_label_}) {
    KeepPlaceWhenHidden(widget);
    widget->hide();
  }
  KeepPlaceWhenHidden(percent_label_);

  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(help, &QShortcut::activated, this,
          [this] { OpenHelpFile(QString::fromStdString(job_.workspace.data_folder)); });
}

ProgressWindow::~ProgressWindow() {
  if (worker_.joinable()) {
    stop_requested_ = true;
    worker_.join();
  }
}

void ProgressWindow::StopAndClose() {
  close_when_finished_ = true;
  if (finished()) {
    accept();
    return;
  }
  stop_requested_ = true;
  message_label_->setText(CoreText(kTerminatingMessage));
}

void ProgressWindow::reject() {
  // Escape closes the window only as "OK" would.
  if (finished()) QDialog::reject();
}

void ProgressWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  command_->setFocus();
  if (started_) return;
  started_ = true;
  // The run starts once the window is on the screen.
  QTimer::singleShot(0, this, &ProgressWindow::StartRun);
}

void ProgressWindow::closeEvent(QCloseEvent* event) {
  if (finished()) {
    QDialog::closeEvent(event);
  } else {
    event->ignore();
  }
}

void ProgressWindow::StartRun() {
  state_ = State::kRunning;
  run_job_ = job_;
  OptimizationSettings settings = JobRunSettings(*run_job_);
  worker_ = std::thread([this, settings = std::move(settings)] {
    if (deep_seconds_) {
      RunDeep(settings);
    } else {
      RunStandard(settings);
    }
    QMetaObject::invokeMethod(this, &ProgressWindow::FinishRun, Qt::QueuedConnection);
  });
}

void ProgressWindow::RunStandard(const OptimizationSettings& settings) {
  OptimizationCallbacks callbacks;
  callbacks.start = [this](const ProgressStart& start) {
    QMetaObject::invokeMethod(
        this, [this, start] { ShowStart(start); }, Qt::QueuedConnection);
  };
  callbacks.progress = [this](const ProgressFigures& figures) { PostFigures(figures); };
  callbacks.stop_requested = [this] { return stop_requested_.load(); };
  callbacks.stop_flag = &stop_requested_;
  result_ = RunOptimization(EngineJobOf(*run_job_), settings, callbacks);
}

void ProgressWindow::RunDeep(const OptimizationSettings& settings) {
  DeepSettings deep;
  deep.time_limit_seconds = *deep_seconds_;
  deep.trim_allowance = settings.trim_allowance;
  deep.threads = settings.threads;
  ApplyLeftoverSettings(*run_job_, ReadLeftoverSettings(run_job_->workspace), deep);
  const EngineJob engine_job = EngineJobOf(*run_job_);
  const Objective objective = engine_job.minimum_layouts_checked ? Objective::kMinimumLayouts
                              : engine_job.maximum_yield_checked ? Objective::kMaximumYield
                                                                 : Objective::kNone;
  deep_objective_ = objective;
  const ProgressStart start = DeepProgressStart(deep, objective);
  QMetaObject::invokeMethod(
      this, [this, start] { ShowStart(start); }, Qt::QueuedConnection);
  DeepCallbacks callbacks;
  const bool coil_mode = engine_job.coil_mode;
  callbacks.progress = [this, coil_mode](const DeepProgress& progress) {
    PostFigures(DeepProgressFigures(progress, coil_mode));
  };
  callbacks.stop_requested = [this] { return stop_requested_.load(); };
  DeepResult deep_result = RunDeepOptimization(engine_job, deep, callbacks);
  result_ = std::move(deep_result.result);
  deep_figures_ = deep_result.figures;
}

void ProgressWindow::PostFigures(const ProgressFigures& figures) {
  if (!first_figures_posted_) {
    first_figures_posted_ = true;
    QMetaObject::invokeMethod(
        this, [this, figures] { ShowFigures(figures); }, Qt::QueuedConnection);
    return;
  }
  std::lock_guard lock(figures_mutex_);
  const bool posted = latest_figures_.has_value();
  latest_figures_ = figures;
  if (!posted) {
    QMetaObject::invokeMethod(this, &ProgressWindow::ShowLatestFigures, Qt::QueuedConnection);
  }
}

void ProgressWindow::ShowLatestFigures() {
  std::optional<ProgressFigures> figures;
  {
    std::lock_guard lock(figures_mutex_);
    figures.swap(latest_figures_);
  }
  if (figures) ShowFigures(*figures);
}

void ProgressWindow::CommandClicked() {
  if (command_->text() == tr("Stop")) {
    stop_requested_ = true;
    message_label_->setText(CoreText(kTerminatingMessage));
  } else if (command_->text() == tr("OK")) {
    accept();
  }
}

void ProgressWindow::ShowMessage(const QString& text) {
  message_label_->setText(text);
  // A reason that takes more lines than the label had makes the window grow, not the text clip.
  if (QLayout* box = layout()) {
    box->activate();
    const int needed = box->totalHeightForWidth(width());
    if (needed > height()) resize(width(), needed);
  }
}

void ProgressWindow::ShowStart(const ProgressStart& start) {
  yield_label_->setPalette(QPalette());
  layouts_label_->setPalette(QPalette());
  if (start.objective == Objective::kMaximumYield) SetTextColour(yield_label_, kObjectiveColour);
  if (start.objective == Objective::kMinimumLayouts) {
    SetTextColour(layouts_label_, kObjectiveColour);
  }
  progress_bar_->setRange(0, start.total);
  progress_bar_->show();
  // A stop asked for before the passes began stays on the label.
  if (!stop_requested_) ShowMessage(RunMessage(start.message));
  passes_caption_->setText(deep_seconds_ ? tr("Search steps:")
                                         : tr("Passes to go / improvements:"));
  for (QLabel* label :
       {heading_label_, yield_label_, layouts_label_, passes_caption_, passes_label_}) {
    label->show();
  }
}

void ProgressWindow::ShowFigures(const ProgressFigures& figures) {
  passes_label_->setText(QString::fromStdString(figures.passes_to_go));
  progress_bar_->setValue(figures.pass);
  time_labels_[0]->setText(QString::fromStdString(figures.estimated_total));
  time_labels_[1]->setText(QString::fromStdString(figures.elapsed));
  time_labels_[2]->setText(QString::fromStdString(figures.remaining));
  percent_label_->setText(QString::fromStdString(figures.percent));
  yield_label_->setText(QString::fromStdString(figures.yield));
  layouts_label_->setText(QString::fromStdString(figures.layouts));
  // A stop asked for stays on the label until the run has ended.
  if (!figures.message.empty() && !stop_requested_) ShowMessage(CoreText(figures.message));
}

void ProgressWindow::FinishRun() {
  worker_.join();
  state_ = State::kFinished;
  QString message = RunMessage(result_.message);
  if (deep_figures_ && deep_figures_->standard_best && !result_.best.Empty()) {
    message += QStringLiteral("\n") + QString::fromStdString(ComparedWithStandard(
                                          *deep_figures_->standard_best, PassStats(result_.best),
                                          deep_objective_, run_job_->settings.coil_mode));
  }
  if (const auto error = StoreRunResult(job_, result_)) {
    message += QStringLiteral("\n") + QString::fromLocal8Bit(error->c_str());
  }
  QApplication::beep();
  progress_bar_->hide();
  passes_caption_->hide();
  passes_label_->hide();
  percent_label_->hide();
  ShowMessage(message);
  if (deep_figures_ && result_.end != OptimizationEnd::kRefused) {
    search_label_->setText(CoreText(DeepFiguresText(*deep_figures_)));
    search_label_->show();
    adjustSize();
  }
  command_->setText(tr("OK"));
  command_->setFocus();
  if (close_when_finished_) accept();
}

}  // namespace lumora
