#include "gui/reports/balance_window.h"

#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/reports/balance_table.h"
#include "core/tables/column_dictionary.h"
#include "core/tables/table_file.h"
#include "gui/tables/grid_toolbar.h"
#include "gui/tables/grid_widget.h"

namespace lumora {
namespace {

// The design's place of the window: 2500 and 1250 twips from the top left.
const QPoint kPlace(167, 83);

}  // namespace

BalanceWindow::BalanceWindow(const Job& job, Prompter& prompter,
                             std::function<void(BalanceWindow&)> export_to_library, QWidget* parent)
    : QWidget(parent),
      grid_(new GridWidget(this)),
      toolbar_(new GridToolBar(grid_, this)),
      export_(new QPushButton(tr("Export"), this)),
      export_to_library_(std::move(export_to_library)) {
  setObjectName(QStringLiteral("OFFCUT"));
  setWindowTitle(tr("Balance And Scrap Table"));
  grid_->SetPrompter(&prompter);
  grid_->SetTakesNewRows(false);
  grid_->SetGrid(LoadBalanceTableGrid(job.workspace));

  export_->setObjectName(QStringLiteral("cmdExport"));
  export_->setEnabled(static_cast<bool>(export_to_library_) && job.settings.imported_stock &&
                      !job.settings.coil_mode);
  connect(export_, &QPushButton::clicked, this, [this] {
    if (export_to_library_) export_to_library_(*this);
  });

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(export_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 4);
  layout->setSpacing(2);
  layout->addWidget(toolbar_);
  layout->addWidget(grid_, 1);
  layout->addLayout(buttons);
  setFocusProxy(grid_);
}

void BalanceWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (placed_) return;
  placed_ = true;
  if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) frame->move(kPlace);
}

}  // namespace lumora
