#include "gui/job/flaw_editor_window.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <utility>

#include "core/base/number_text.h"

namespace lumora {
namespace {

constexpr int kMargin = 8;
QStringList Headers() {
  return {FlawEditorWindow::tr("SHEET"), FlawEditorWindow::tr("X (MM)"),
          FlawEditorWindow::tr("Y (MM)"), FlawEditorWindow::tr("W (MM)"),
          FlawEditorWindow::tr("H (MM)")};
}

QString Text(float value) { return QString::fromStdString(GeneralText(value)); }

}  // namespace

SheetFlawView::SheetFlawView(float length, float width, QWidget* parent)
    : QWidget(parent), length_(std::max(length, 1.0f)), width_(std::max(width, 1.0f)) {
  setMinimumSize(360, 240);
  setCursor(Qt::CrossCursor);
}

void SheetFlawView::SetFlaws(std::vector<SheetFlaw> flaws, int selected) {
  flaws_ = std::move(flaws);
  selected_ = selected;
  update();
}

QRectF SheetFlawView::SheetRect() const {
  const QRectF room = rect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
  const double scale = std::min(room.width() / length_, room.height() / width_);
  return QRectF(room.left(), room.bottom() - width_ * scale, length_ * scale, width_ * scale);
}

QPointF SheetFlawView::ToSheet(QPointF point) const {
  const QRectF sheet = SheetRect();
  const double scale = sheet.width() / length_;
  const double x = std::clamp((point.x() - sheet.left()) / scale, 0.0, double{length_});
  const double y = std::clamp((sheet.bottom() - point.y()) / scale, 0.0, double{width_});
  return {x, y};
}

QRectF SheetFlawView::ToWidget(float x, float y, float width, float height) const {
  const QRectF sheet = SheetRect();
  const double scale = sheet.width() / length_;
  // A point or a scratch still shows.
  return QRectF(sheet.left() + x * scale, sheet.bottom() - (y + height) * scale,
                std::max(width * scale, 3.0), std::max(height * scale, 3.0));
}

void SheetFlawView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  painter.setPen(Qt::black);
  painter.setBrush(QColor(215, 235, 240));
  painter.drawRect(SheetRect());
  for (size_t i = 0; i < flaws_.size(); ++i) {
    const SheetFlaw& flaw = flaws_[i];
    const bool selected = static_cast<int>(i) == selected_;
    painter.setPen(QPen(selected ? Qt::blue : Qt::red, selected ? 2 : 1));
    painter.setBrush(QBrush(Qt::red, Qt::BDiagPattern));
    painter.drawRect(ToWidget(flaw.x, flaw.y, flaw.width, flaw.height));
  }
  if (dragging_) {
    painter.setPen(QPen(Qt::red, 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(drag_from_, drag_to_).normalized());
  }
}

void SheetFlawView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  for (size_t i = flaws_.size(); i-- > 0;) {
    const SheetFlaw& flaw = flaws_[i];
    if (ToWidget(flaw.x, flaw.y, flaw.width, flaw.height).contains(event->position())) {
      emit FlawClicked(static_cast<int>(i));
      return;
    }
  }
  dragging_ = true;
  drag_from_ = drag_to_ = event->position();
}

void SheetFlawView::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) return;
  drag_to_ = event->position();
  update();
}

void SheetFlawView::mouseReleaseEvent(QMouseEvent* event) {
  if (!dragging_ || event->button() != Qt::LeftButton) return;
  dragging_ = false;
  const QPointF a = ToSheet(drag_from_);
  const QPointF b = ToSheet(event->position());
  update();
  emit FlawDrawn(
      static_cast<float>(std::min(a.x(), b.x())), static_cast<float>(std::min(a.y(), b.y())),
      static_cast<float>(std::fabs(a.x() - b.x())), static_cast<float>(std::fabs(a.y() - b.y())));
}

FlawEditorWindow::FlawEditorWindow(int row, float length, float width, int sheets,
                                   std::vector<SheetFlaw> flaws, QWidget* parent)
    : QDialog(parent),
      flaws_(std::move(flaws)),
      length_(length),
      width_(width),
      table_(new QTableWidget(0, static_cast<int>(Headers().size()), this)),
      sheet_(new QSpinBox(this)),
      view_(new SheetFlawView(length, width, this)) {
  setObjectName(QStringLiteral("FLAWS"));
  setWindowTitle(tr("Flaws of Sheet Row %1").arg(row));
  table_->setHorizontalHeaderLabels(Headers());
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
  // Every column in sight: SHEET and four lengths of up to five digits and a decimal.
  table_->setMinimumWidth(table_->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 46);
  sheet_->setRange(1, std::max(sheets, 1));
  sheet_->setPrefix(tr("Sheet "));
  sheet_->setSuffix(tr(" of %1").arg(std::max(sheets, 1)));

  auto* remove = new QPushButton(tr("&Delete"), this);
  remove->setAutoDefault(false);
  auto* hint =
      new QLabel(tr("Drag on the sheet to add a flaw; Delete removes the selected one."), this);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

  auto* left = new QVBoxLayout;
  left->addWidget(table_);
  left->addWidget(remove);
  auto* right = new QVBoxLayout;
  right->addWidget(sheet_);
  right->addWidget(view_, 1);
  auto* panes = new QHBoxLayout;
  panes->addLayout(left);
  panes->addLayout(right, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(panes, 1);
  layout->addWidget(hint);
  layout->addWidget(buttons);

  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(remove, &QPushButton::clicked, this, &FlawEditorWindow::RemoveSelected);
  connect(sheet_, &QSpinBox::valueChanged, this, &FlawEditorWindow::ShowSheet);
  connect(table_, &QTableWidget::cellChanged, this, &FlawEditorWindow::TableEdited);
  connect(table_, &QTableWidget::itemSelectionChanged, this, [this] {
    const int flaw = SelectedFlaw();
    if (flaw >= 0 && flaws_[static_cast<size_t>(flaw)].sheet != sheet_->value()) {
      sheet_->setValue(flaws_[static_cast<size_t>(flaw)].sheet);
    }
    ShowSheet();
  });
  connect(view_, &SheetFlawView::FlawDrawn, this, [this](float x, float y, float w, float h) {
    // A flaw drawn by hand is as exact as a whole millimetre.
    flaws_.push_back({sheet_->value(), std::round(x), std::round(y), std::round(w), std::round(h)});
    Refill();
    table_->selectRow(static_cast<int>(flaws_.size()) - 1);
    table_->scrollToItem(table_->item(static_cast<int>(flaws_.size()) - 1, 0));
  });
  connect(view_, &SheetFlawView::FlawClicked, this, [this](int index) {
    // The view shows the flaws of one sheet; the table lists them all.
    int seen = -1;
    for (size_t i = 0; i < flaws_.size(); ++i) {
      if (flaws_[i].sheet == sheet_->value() && ++seen == index) {
        table_->selectRow(static_cast<int>(i));
      }
    }
  });
  Refill();
  resize(860, 420);
}

void FlawEditorWindow::Refill() {
  refilling_ = true;
  table_->setRowCount(static_cast<int>(flaws_.size()));
  for (size_t i = 0; i < flaws_.size(); ++i) {
    const SheetFlaw& flaw = flaws_[i];
    const QString cells[] = {QString::number(flaw.sheet), Text(flaw.x), Text(flaw.y),
                             Text(flaw.width), Text(flaw.height)};
    for (int c = 0; c < static_cast<int>(std::size(cells)); ++c) {
      table_->setItem(static_cast<int>(i), c, new QTableWidgetItem(cells[c]));
    }
  }
  refilling_ = false;
  ShowSheet();
}

void FlawEditorWindow::ShowSheet() {
  std::vector<SheetFlaw> shown;
  int selected = -1;
  const int chosen = SelectedFlaw();
  for (size_t i = 0; i < flaws_.size(); ++i) {
    if (flaws_[i].sheet != sheet_->value()) continue;
    if (static_cast<int>(i) == chosen) selected = static_cast<int>(shown.size());
    shown.push_back(flaws_[i]);
  }
  view_->SetFlaws(std::move(shown), selected);
}

// A cell typed into: a number the flaw can take replaces its value; anything else is put back.
void FlawEditorWindow::TableEdited(int row, int column) {
  if (refilling_ || row < 0 || row >= static_cast<int>(flaws_.size())) return;
  SheetFlaw& flaw = flaws_[static_cast<size_t>(row)];
  const QString text = table_->item(row, column)->text().trimmed();
  bool ok = false;
  const double value = text.toDouble(&ok);
  if (ok && value >= 0) {
    switch (column) {
      case 0:
        if (value >= 1 && value <= sheet_->maximum() && value == std::floor(value)) {
          flaw.sheet = static_cast<int>(value);
        }
        break;
      case 1:
        flaw.x = std::min(static_cast<float>(value), length_);
        break;
      case 2:
        flaw.y = std::min(static_cast<float>(value), width_);
        break;
      case 3:
        flaw.width = static_cast<float>(value);
        break;
      default:
        flaw.height = static_cast<float>(value);
        break;
    }
  }
  Refill();
}

void FlawEditorWindow::RemoveSelected() {
  const int flaw = SelectedFlaw();
  if (flaw < 0) return;
  flaws_.erase(flaws_.begin() + flaw);
  Refill();
}

int FlawEditorWindow::SelectedFlaw() const {
  const QList<QTableWidgetSelectionRange> ranges = table_->selectedRanges();
  return ranges.isEmpty() ? -1 : ranges.front().topRow();
}

void FlawEditorWindow::keyPressEvent(QKeyEvent* event) {
  // A cell being typed into keeps its Delete key; only one the table passes on removes a flaw.
  if (event->key() == Qt::Key_Delete) {
    RemoveSelected();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace lumora
