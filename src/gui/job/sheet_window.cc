#include "gui/job/sheet_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/base/number_text.h"
#include "core/base/version.h"
#include "core/job/job_grids.h"
#include "core/job/job_tables.h"
#include "core/library/leftover_stock.h"
#include "core/library/stock_import.h"
#include "core/tables/table_file.h"
#include "gui/job/basic_details_window.h"
#include "gui/job/flaw_editor_window.h"
#include "gui/shell/main_window.h"
#include "gui/tables/grid_widget.h"

namespace lumora {
namespace {

// The indicators sit around a small picture of the stock, each on its own edge.
QFrame* StockPicture(QWidget* parent) {
  auto* picture = new QFrame(parent);
  picture->setFrameStyle(QFrame::Box | QFrame::Plain);
  picture->setFixedSize(44, 22);
  return picture;
}

// Stock from leftovers, in the colour of the launcher's green, lightened.
const QColor kLeftoverShade(214, 236, 214);

}  // namespace

SheetWindow::SheetWindow(JobWindowContext context, QWidget* parent)
    : JobGridWindow(std::move(context), JobGridKind::kSheet, parent),
      import_(new QPushButton(tr("Import"), this)),
      leftover_note_(new QLabel(this)),
      flaws_(new QPushButton(tr("Flaws..."), this)) {
  auto* indicators = new QGridLayout;
  indicators->setSpacing(2);
  const char* texts[] = {"M(L)", "M(T)", "M(R)", "M(B)"};
  for (int i = 0; i < 4; ++i) {
    auto* label = new QLabel(QString::fromLatin1(texts[i]), this);
    label->setObjectName(QStringLiteral("MarginLbl%1").arg(i));
    label->setAlignment(Qt::AlignCenter);
    label->setToolTip(tr("Margin set on this side of the stock"));
    label->setStyleSheet(QStringLiteral(
        "QLabel { border: 1px solid palette(mid); padding: 0px 3px; }"
        "QLabel:enabled { background: rgb(35, 101, 53); color: white; font-weight: bold; }"));
    margins_[static_cast<size_t>(i)] = label;
  }
  indicators->addWidget(margins_[1], 0, 1, Qt::AlignCenter);
  indicators->addWidget(margins_[0], 1, 0, Qt::AlignRight | Qt::AlignVCenter);
  indicators->addWidget(StockPicture(this), 1, 1, Qt::AlignCenter);
  indicators->addWidget(margins_[2], 1, 2, Qt::AlignLeft | Qt::AlignVCenter);
  indicators->addWidget(margins_[3], 2, 1, Qt::AlignCenter);

  import_->setObjectName(QStringLiteral("cmd"));
  import_->setAutoDefault(false);
  leftover_note_->setObjectName(QStringLiteral("lblLeftovers"));
  auto* row = new QHBoxLayout;
  row->addLayout(indicators);
  row->addWidget(leftover_note_, 1, Qt::AlignBottom);
  flaws_->setObjectName(QStringLiteral("FlawsCmd"));
  flaws_->setAutoDefault(false);
  flaws_->setToolTip(tr("The flaws of the sheets of the current row"));
  flaws_->setVisible(!job().settings.coil_mode);
  row->addWidget(flaws_, 0, Qt::AlignBottom);
  row->addWidget(import_, 0, Qt::AlignBottom);
  body()->addLayout(row);

  grid_widget()->SetRowStyle([this](int r) {
    GridRowStyle style;
    if (IsLeftoverRow(grid_widget()->grid(), r, leftovers_)) style.background = kLeftoverShade;
    return style;
  });
  connect(import_, &QPushButton::clicked, this, &SheetWindow::Import);
  connect(flaws_, &QPushButton::clicked, this, &SheetWindow::EditFlaws);
  connect(this, &JobGridWindow::GridStateChanged, this, &SheetWindow::RefreshMargins);
  connect(this, &JobGridWindow::GridStateChanged, this, &SheetWindow::ShowLeftovers);
  RefreshMargins();
  ReadLeftovers();
}

void SheetWindow::ReadLeftovers() {
  leftovers_ = JobLeftoverSizes(job());
  ShowLeftovers();
}

void SheetWindow::ShowLeftovers() {
  const Grid& grid = grid_widget()->grid();
  int count = 0;
  for (int r = 1; r < grid.Rows(); ++r) count += IsLeftoverRow(grid, r, leftovers_) ? 1 : 0;
  leftover_note_->setText(
      count == 0 ? QString()
                 : tr("%1 shaded row(s): leftovers from the material library").arg(count));
  grid_widget()->viewport()->update();
}

void SheetWindow::Import() {
  if (!ConfirmChange()) {
    FocusGrid();
    return;
  }
  // The item comes from Basic Details, whose window may hold a newer row than the job.
  auto* main = qobject_cast<MainWindow*>(window());
  if (main != nullptr) main->StoreJobViews();
  const ImportResult result = ImportStock(job().workspace, job().basic, grid_widget()->grid(),
                                          job().settings, prompter(), {});
  grid_widget()->Refresh();
  if (result.outcome == ImportOutcome::kImported) {
    job().settings.job_changed = true;
    ReadLeftovers();
    emit GridStateChanged();
  }
  if (result.outcome == ImportOutcome::kSelectItem && main != nullptr) {
    QMdiSubWindow* basic = main->OpenChildWindow(ChildWindow::kBasicDetails);
    if (auto* details = basic ? qobject_cast<BasicDetailsWindow*>(basic->widget()) : nullptr) {
      details->select_item_button()->click();
    }
    return;
  }
  FocusGrid();
}

void SheetWindow::EditFlaws() {
  const Grid& grid = grid_widget()->grid();
  const int row = grid.row;
  if (row < 1 || row >= grid.Rows() || RowIsBlank(grid, row)) {
    prompter().Ask({.title = kApplicationTitle,
                    .text = "Choose the row of the sheets whose flaws you want to edit.",
                    .icon = PromptIcon::kInformation});
    FocusGrid();
    return;
  }
  const RowId id = grid.RowIdOf(row);
  const float l1 = ReadFloat(grid.Text(row, sheet_col::kL1));
  const float l2 = ReadFloat(grid.Text(row, sheet_col::kL2));
  FlawEditorWindow editor(row, l1, l2, RowQuantity(grid, row), job().line.Flaws(id), this);
  if (editor.exec() == QDialog::Accepted && editor.flaws() != job().line.Flaws(id)) {
    job().line.SetFlaws(id, editor.flaws());
    job().settings.job_changed = true;
  }
  FocusGrid();
}

void SheetWindow::RefreshMargins() {
  const Grid& grid = grid_widget()->grid();
  const std::array<bool, 4> shown = MarginIndicators(grid, grid.row);
  for (size_t i = 0; i < shown.size(); ++i) margins_[i]->setEnabled(shown[i]);
}

QSize SheetWindow::sizeHint() const {
  const QSize grid = grid_widget()->sizeHint();
  return QSize(std::max(grid.width() + 8, 420), grid.height() + 130);
}

}  // namespace lumora
