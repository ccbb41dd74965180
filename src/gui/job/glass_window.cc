#include "gui/job/glass_window.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>
#include <optional>

#include "core/base/number_text.h"
#include "core/job/job_grids.h"
#include "core/job/job_line.h"
#include "core/tables/table_file.h"
#include "gui/tables/grid_widget.h"

namespace lumora {
namespace {

// The stack dialog: a name (none for no stack) and the place in it (0 for grid order). Answers
// nothing when it is cancelled, else the row's new stack or none.
std::optional<std::optional<GlassStack>> AskStack(const std::optional<GlassStack>& stack, int row,
                                                  QWidget* parent) {
  QDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("STACK"));
  dialog.setWindowTitle(GlassWindow::tr("Stack of Glass Row %1").arg(row));
  auto* name = new QLineEdit(&dialog);
  name->setMaxLength(kStackNameLength);
  auto* sequence = new QSpinBox(&dialog);
  sequence->setRange(0, kMostLineNumber);
  sequence->setSpecialValueText(GlassWindow::tr("in grid order"));
  if (stack) {
    name->setText(QString::fromLatin1(stack->name.c_str()));
    sequence->setValue(stack->sequence);
  }
  auto* form = new QFormLayout(&dialog);
  form->addRow(GlassWindow::tr("&Stack (empty for none):"), name);
  form->addRow(GlassWindow::tr("&Place in the stack:"), sequence);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  form->addRow(buttons);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const std::string text = name->text().trimmed().toLatin1().toStdString();
  if (text.empty()) return std::optional<GlassStack>();
  return std::optional<GlassStack>(GlassStack{text, sequence->value()});
}

}  // namespace

GlassWindow::GlassWindow(JobWindowContext context, QWidget* parent)
    : JobGridWindow(std::move(context), JobGridKind::kGlass, parent),
      orn1_(new QLabel(this)),
      orn2_(new QLabel(this)),
      quantity_(new QLabel(this)),
      stack_(new QLabel(this)),
      stack_button_(new QPushButton(tr("Stack..."), this)) {
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
  stack_->setObjectName(QStringLiteral("StackLbl"));
  stack_button_->setObjectName(QStringLiteral("StackCmd"));
  stack_button_->setAutoDefault(false);
  stack_button_->setToolTip(tr("The stack the current row's pieces go to, and their place in it"));
  row->addWidget(stack_);
  row->addWidget(stack_button_);
  row->addWidget(total);
  row->addWidget(quantity_);
  body()->addLayout(row);

  connect(this, &JobGridWindow::GridStateChanged, this, &GlassWindow::RefreshLabels);
  connect(stack_button_, &QPushButton::clicked, this, &GlassWindow::EditStack);
  RefreshLabels();
}

void GlassWindow::RefreshLabels() {
  const Grid& grid = grid_widget()->grid();
  const int orientation = OrientationLabel(grid, grid.row);
  orn1_->setVisible(orientation == 1);
  orn2_->setVisible(orientation == 2);
  quantity_->setText(QString::fromStdString(GeneralText(GlassQuantityTotal(grid))));
  const std::optional<GlassStack> stack = job().line.Stack(grid.RowIdOf(grid.row));
  stack_->setVisible(stack.has_value());
  if (stack) {
    stack_->setText(
        tr("Stack: %1%2")
            .arg(QString::fromLatin1(stack->name.c_str()))
            .arg(stack->sequence > 0 ? tr(", place %1").arg(stack->sequence) : QString()));
  }
}

void GlassWindow::EditStack() {
  const Grid& grid = grid_widget()->grid();
  const int row = grid.row;
  if (row < 1 || row >= grid.Rows() || RowIsBlank(grid, row)) {
    FocusGrid();
    return;
  }
  const RowId id = grid.RowIdOf(row);
  const auto answer = AskStack(job().line.Stack(id), row, this);
  if (answer && *answer != job().line.Stack(id)) {
    job().line.SetStack(id, *answer);
    job().settings.job_changed = true;
  }
  RefreshLabels();
  FocusGrid();
}

QSize GlassWindow::sizeHint() const {
  const QSize grid = grid_widget()->sizeHint();
  return QSize(grid.width() + 8, grid.height() + 70);
}

}  // namespace lumora
