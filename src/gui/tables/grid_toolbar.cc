#include "gui/tables/grid_toolbar.h"

#include <QAction>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPointer>

#include "gui/tables/grid_widget.h"

namespace lumora {
namespace {

const QColor kInk(64, 64, 64);
const QColor kAccent(42, 111, 219);

void DrawBars(QPainter& painter, bool ascending) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(kInk);
  for (int i = 0; i < 4; ++i) {
    const int length = ascending ? 4 + 3 * i : 13 - 3 * i;
    painter.drawRect(QRectF(3, 4 + 4.5 * i, length, 2.5));
  }
  painter.setBrush(kAccent);
  QPainterPath arrow;
  if (ascending) {
    arrow.addPolygon(QPolygonF(
        {{19, 3}, {23, 9}, {20.5, 9}, {20.5, 21}, {17.5, 21}, {17.5, 9}, {15, 9}, {19, 3}}));
  } else {
    arrow.addPolygon(QPolygonF(
        {{19, 21}, {23, 15}, {20.5, 15}, {20.5, 3}, {17.5, 3}, {17.5, 15}, {15, 15}, {19, 21}}));
  }
  painter.drawPath(arrow);
}

void DrawPage(QPainter& painter, const QRectF& page) {
  painter.setPen(QPen(kInk, 1.2));
  painter.setBrush(Qt::white);
  painter.drawRect(page);
  painter.setPen(QPen(kAccent, 1));
  for (double y = page.top() + 3; y < page.bottom() - 2; y += 3) {
    painter.drawLine(QPointF(page.left() + 2.5, y), QPointF(page.right() - 2.5, y));
  }
}

void DrawPrinter(QPainter& painter) {
  DrawPage(painter, QRectF(7, 2.5, 10, 8));
  painter.setPen(QPen(kInk, 1.2));
  painter.setBrush(QColor(200, 200, 200));
  painter.drawRoundedRect(QRectF(2.5, 9.5, 19, 9), 1.5, 1.5);
  painter.setBrush(Qt::white);
  painter.drawRect(QRectF(6.5, 15.5, 11, 6));
  painter.setPen(Qt::NoPen);
  painter.setBrush(kAccent);
  painter.drawEllipse(QPointF(18.5, 12.5), 1.2, 1.2);
}

void DrawClipboard(QPainter& painter) {
  painter.setPen(QPen(kInk, 1.2));
  painter.setBrush(QColor(196, 150, 90));
  painter.drawRoundedRect(QRectF(3.5, 4, 14, 17.5), 1.5, 1.5);
  painter.setBrush(QColor(150, 150, 150));
  painter.drawRoundedRect(QRectF(7, 2.5, 7, 3.5), 1, 1);
  DrawPage(painter, QRectF(10.5, 9.5, 10.5, 12.5));
}

// A page under a magnifying glass.
void DrawPreview(QPainter& painter) {
  DrawPage(painter, QRectF(3.5, 2.5, 12, 16));
  painter.setPen(QPen(kInk, 2));
  painter.setBrush(QColor(255, 255, 255, 160));
  painter.drawEllipse(QPointF(14, 13), 5, 5);
  painter.drawLine(QPointF(17.5, 16.5), QPointF(21.5, 20.5));
}

void DrawButton(QPainter& painter, int index) {
  switch (index) {
    case 1:
    case 2:
      DrawBars(painter, index == 1);
      break;
    case 4:
      DrawPrinter(painter);
      break;
    case 6:
      DrawPage(painter, QRectF(3.5, 2.5, 11, 14));
      DrawPage(painter, QRectF(9.5, 7.5, 11, 14));
      break;
    case 7:
      DrawClipboard(painter);
      break;
    case kPreviewButton:
      DrawPreview(painter);
      break;
    default:
      break;
  }
}

// The button's picture, drawn on a 24-unit square at the sizes toolbars ask for.
QIcon ButtonIcon(int index) {
  QIcon icon;
  for (const int size : {16, 24, 32, 48}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 24.0, size / 24.0);
    DrawButton(painter, index);
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace

GridToolBar::GridToolBar(GridWidget* grid, QWidget* parent) : QToolBar(parent) {
  setObjectName(QStringLiteral("TB"));
  setMovable(false);
  setIconSize(QSize(24, 24));
  struct ToolButton {
    int index;
    const char* tooltip;
    void (GridWidget::*command)();
  };
  const ToolButton buttons[] = {
      {1, QT_TR_NOOP("Sort Ascending"), &GridWidget::SortAscending},
      {2, QT_TR_NOOP("Sort Descending"), &GridWidget::SortDescending},
      {4, QT_TR_NOOP("Print"), &GridWidget::PrintWithDialog},
      {kPreviewButton, QT_TR_NOOP("Print Preview"), &GridWidget::PrintPreview},
      {6, QT_TR_NOOP("Copy"), &GridWidget::CopySelection},
      {7, QT_TR_NOOP("Paste"), &GridWidget::PasteClipboard},
  };
  for (const ToolButton& button : buttons) {
    if (button.index == 4 || button.index == 6) addSeparator()->setData(button.index - 1);
    QAction* action = addAction(ButtonIcon(button.index), tr(button.tooltip));
    action->setToolTip(tr(button.tooltip));
    action->setData(button.index);
    connect(action, &QAction::triggered, this, [target = QPointer<GridWidget>(grid), button] {
      if (target == nullptr) return;
      (target->*button.command)();
    });
  }
}

QAction* GridToolBar::Button(int index) const {
  for (QAction* action : actions()) {
    if (!action->isSeparator() && action->data().toInt() == index) return action;
  }
  return nullptr;
}

}  // namespace lumora
