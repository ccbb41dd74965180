#include "gui/job/glass_window.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/base/number_text.h"
#include "core/job/job_grids.h"
#include "gui/tables/grid_widget.h"

namespace lumora {

GlassWindow::GlassWindow(JobWindowContext context, QWidget* parent)
    : JobGridWindow(std::move(context), JobGridKind::kGlass, parent),
      orn1_(new QLabel(this)),
      orn2_(new QLabel(this)),
      quantity_(new QLabel(this)) {
  // Orientation 1 keeps the glass as typed on the stock, orientation 2 turns it.
  const bool coil = job().settings.coil_mode;
  orn1_->setObjectName(QStringLiteral("Orn1lbl"));
  orn1_->setText(coil ? tr("ORN 1: glass L1 along the coil's L1")
                      : tr("ORN 1: glass L1 along the sheet's L1"));
  orn2_->setObjectName(QStringLiteral("Orn2lbl"));
  orn2_->setText(coil ? tr("ORN 2: glass L1 along the coil's L2")
                      : tr("ORN 2: glass L1 along the sheet's L2"));
  quantity_->setObjectName(QStringLiteral("QtyLbl"));
  quantity_->setMinimumWidth(60);
  auto* total = new QLabel(tr("Total QTY:"), this);
  QFont bold = total->font();
  bold.setBold(true);
  quantity_->setFont(bold);

  auto* row = new QHBoxLayout;
  row->addWidget(orn1_);
  row->addWidget(orn2_);
  row->addStretch(1);
  row->addWidget(total);
  row->addWidget(quantity_);
  body()->addLayout(row);

  connect(this, &JobGridWindow::GridStateChanged, this, &GlassWindow::RefreshLabels);
  RefreshLabels();
}

void GlassWindow::RefreshLabels() {
  const Grid& grid = grid_widget()->grid();
  const int orientation = OrientationLabel(grid, grid.row);
  orn1_->setVisible(orientation == 1);
  orn2_->setVisible(orientation == 2);
  quantity_->setText(QString::fromStdString(GeneralText(GlassQuantityTotal(grid))));
}

QSize GlassWindow::sizeHint() const {
  const QSize grid = grid_widget()->sizeHint();
  return QSize(grid.width() + 8, grid.height() + 70);
}

}  // namespace lumora
