#include "gui/job/basic_details_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/job/job_messages.h"
#include "core/job/job_tables.h"
#include "core/library/stock_import.h"
#include "gui/library/item_choice_window.h"
#include "gui/shell/main_window.h"
#include "gui/tables/grid_widget.h"

namespace lumora {

BasicDetailsWindow::BasicDetailsWindow(JobWindowContext context, QWidget* parent)
    : JobGridWindow(std::move(context), JobGridKind::kBasic, parent),
      select_item_(new QPushButton(tr("Select I&tem"), this)) {
  select_item_->setObjectName(QStringLiteral("cmd"));
  select_item_->setAutoDefault(false);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(select_item_);
  body()->addLayout(buttons);
  connect(select_item_, &QPushButton::clicked, this, &BasicDetailsWindow::SelectItem);
}

void BasicDetailsWindow::SelectItem() {
  if (!ConfirmChange()) return;
  grid_widget()->SetCurrentCell(1, basic_col::kItem);
  FocusGrid();
  if (PrepareItemChoice(job().workspace, prompter())) {
    if (const auto item = ChooseItem(job().workspace, this)) {
      Grid& grid = grid_widget()->grid();
      grid.SetText(grid.row, grid.col, *item);
      grid_widget()->Refresh();
      job().settings.job_changed = true;
      EmptySheets();
    }
  }
  FocusGrid();
}

void BasicDetailsWindow::EmptySheets() {
  auto* main = qobject_cast<MainWindow*>(window());
  if (main != nullptr) main->StoreJobViews();
  if (const auto reason = EmptyStockTable(job().sheet)) {
    TellSaveFailure(prompter(), {job().sheet.tag, *reason});
  }
  if (main != nullptr) main->LoadJobViews();
}

QSize BasicDetailsWindow::sizeHint() const {
  const QSize grid = grid_widget()->sizeHint();
  return QSize(grid.width() + 8, grid.height() + select_item_->sizeHint().height() + 16);
}

}  // namespace lumora
