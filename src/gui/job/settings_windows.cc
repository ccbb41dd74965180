#include "gui/job/settings_windows.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "core/job/job_grids.h"
#include "core/job/job_messages.h"
#include "gui/shell/help.h"
#include "gui/tables/grid_toolbar.h"
#include "gui/tables/grid_widget.h"

namespace lumora {
namespace {

QPushButton* CloseButton(const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QStringLiteral("cmd"));
  button->setAutoDefault(false);
  return button;
}

QHBoxLayout* ButtonRow(QPushButton* button) {
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  row->addWidget(button);
  return row;
}

// F1 opens the manual, as everywhere in the settings.
void AddHelpKey(QDialog* dialog, const Workspace& workspace) {
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), dialog);
  QObject::connect(
      help, &QShortcut::activated, dialog,
      [folder = QString::fromStdString(workspace.data_folder)] { OpenHelpFile(folder); });
}

}  // namespace

SettingsRowWindow::SettingsRowWindow(const QString& caption, Grid grid, Prompter& prompter,
                                     QWidget* parent)
    : QDialog(parent),
      prompter_(prompter),
      grid_(new GridWidget(this)),
      apply_(CloseButton(tr("Apply"), this)) {
  setWindowTitle(caption);
  grid_->SetPrompter(&prompter_);
  grid_->SetTakesNewRows(false);
  grid_->SetGrid(std::move(grid));
  // A paste may reach below the one row; the rows beyond it are not kept.
  connect(grid_, &GridWidget::ContentsChanged, this, [this] {
    if (grid_->grid().Rows() <= 2) return;
    KeepOneRow(grid_->grid());
    grid_->Refresh();
  });
  connect(apply_, &QPushButton::clicked, this, &SettingsRowWindow::Apply);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(grid_);
  layout->addLayout(ButtonRow(apply_));
  // Wide enough for the caption in the title bar.
  setMinimumWidth(260);
  grid_->setFocus();
}

void SettingsRowWindow::Apply() {
  if (StoreGrid(grid_->grid(), prompter_)) accept();
}

MiscWindow::MiscWindow(const Workspace& workspace, Prompter& prompter, QWidget* parent)
    : SettingsRowWindow(tr("Misc"), LoadMiscGrid(workspace), prompter, parent) {
  setObjectName(QStringLiteral("MISC"));
  // The efficiency column is a little wider than its four digits.
  constexpr int kEffColumn = 2;
  Grid& grid = grid_widget()->grid();
  grid.SetColWidth(kEffColumn, grid.ColWidth(kEffColumn) + 2);
  grid_widget()->Refresh();
  AddHelpKey(this, workspace);
}

ScrapCriteriaWindow::ScrapCriteriaWindow(const Workspace& workspace, Prompter& prompter,
                                         QWidget* parent)
    : SettingsRowWindow(tr("Scrap Criteria"), LoadScrapGrid(workspace), prompter, parent) {
  setObjectName(QStringLiteral("SCRAP"));
  AddHelpKey(this, workspace);
}

ChargeableSizeWindow::ChargeableSizeWindow(Workspace workspace, Prompter& prompter, QWidget* parent)
    : QDialog(parent),
      workspace_(std::move(workspace)),
      prompter_(prompter),
      grid_(new GridWidget(this)),
      done_(CloseButton(tr("Done"), this)) {
  setObjectName(QStringLiteral("CHARGE"));
  setWindowTitle(tr("Chargeable Size Definition"));
  grid_->SetPrompter(&prompter_);
  grid_->SetGrid(LoadChargeGrid(workspace_));
  connect(done_, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new GridToolBar(grid_, this));
  layout->addWidget(grid_, 1);
  layout->addLayout(ButtonRow(done_));
  AddHelpKey(this, workspace_);
  grid_->setFocus();
}

void ChargeableSizeWindow::done(int result) {
  const bool stored = CloseChargeGrid(grid_->grid(), workspace_, prompter_);
  grid_->Refresh();
  if (!stored) {
    // Further sorts must go on storing into the working table, not into charge.dat.
    grid_->grid().tag = workspace_.WorkingFile(kChargeWorkingFileName);
    return;
  }
  QDialog::done(result);
}

}  // namespace lumora
