#include "gui/shell/toolbar_icons.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace lumora {
namespace {

constexpr int kSize = 24;
constexpr QColor kInk(60, 60, 60);
constexpr QColor kPaper(255, 255, 255);
constexpr QColor kGreen(35, 101, 53);
constexpr QColor kGlass(150, 200, 230);
constexpr QColor kFolder(226, 182, 80);
constexpr QColor kDisk(52, 84, 150);

void DrawPage(QPainter& p, const QRectF& page, bool lines) {
  p.setPen(QPen(kInk, 1.2));
  p.setBrush(kPaper);
  QPainterPath path;
  const double fold = 5;
  path.moveTo(page.topLeft());
  path.lineTo(page.right() - fold, page.top());
  path.lineTo(page.right(), page.top() + fold);
  path.lineTo(page.bottomRight());
  path.lineTo(page.bottomLeft());
  path.closeSubpath();
  p.drawPath(path);
  p.drawLine(QPointF(page.right() - fold, page.top()),
             QPointF(page.right() - fold, page.top() + fold));
  p.drawLine(QPointF(page.right() - fold, page.top() + fold),
             QPointF(page.right(), page.top() + fold));
  if (!lines) return;
  p.setPen(QPen(kGreen, 1));
  for (double y = page.top() + 8; y < page.bottom() - 2; y += 3) {
    p.drawLine(QPointF(page.left() + 2.5, y), QPointF(page.right() - 2.5, y));
  }
}

void DrawFolder(QPainter& p) {
  p.setPen(QPen(kInk, 1.2));
  p.setBrush(kFolder.darker(115));
  p.drawRect(QRectF(2.5, 6.5, 17, 13));
  p.drawRect(QRectF(2.5, 4.5, 7, 2));
  p.setBrush(kFolder);
  QPainterPath front;
  front.addPolygon(QPolygonF({{5.5, 10.5}, {22.5, 10.5}, {19.5, 19.5}, {2.5, 19.5}, {5.5, 10.5}}));
  p.drawPath(front);
}

void DrawDisk(QPainter& p) {
  p.setPen(QPen(kInk, 1.2));
  p.setBrush(kDisk);
  p.drawRoundedRect(QRectF(3.5, 3.5, 17, 17), 1.5, 1.5);
  p.setBrush(kPaper);
  p.drawRect(QRectF(7, 3.5, 10, 6));
  p.setBrush(QColor(200, 200, 200));
  p.drawRect(QRectF(6.5, 13, 11, 7.5));
}

void DrawForm(QPainter& p) {
  p.setPen(QPen(kInk, 1.2));
  p.setBrush(kPaper);
  p.drawRect(QRectF(2.5, 4.5, 19, 15));
  p.setBrush(kGreen);
  p.drawRect(QRectF(2.5, 4.5, 19, 4));
  p.setPen(QPen(kInk, 1));
  for (double x : {8.5, 14.5}) p.drawLine(QPointF(x, 8.5), QPointF(x, 19.5));
  p.drawLine(QPointF(2.5, 14), QPointF(21.5, 14));
}

void DrawSheet(QPainter& p) {
  p.setPen(QPen(kInk, 1.2));
  p.setBrush(kGlass.lighter(110));
  p.drawRect(QRectF(2.5, 5.5, 19, 13));
  p.setPen(QPen(kPaper, 1.5));
  p.drawLine(QPointF(5, 16), QPointF(10, 8));
  p.drawLine(QPointF(9, 16), QPointF(14, 8));
}

void DrawCoil(QPainter& p) {
  p.setPen(QPen(kInk, 1.2));
  p.setBrush(kGlass.lighter(110));
  p.drawRect(QRectF(8, 8.5, 14, 9));
  p.setBrush(kGlass);
  p.drawEllipse(QRectF(2.5, 6.5, 10, 13));
  p.setBrush(kPaper);
  p.drawEllipse(QRectF(5.5, 10.5, 4, 5));
}

void DrawGlassSizes(QPainter& p) {
  p.setPen(QPen(kInk, 1.2));
  p.setBrush(kGlass);
  p.drawRect(QRectF(2.5, 3.5, 11, 8));
  p.drawRect(QRectF(2.5, 13.5, 7, 7));
  p.drawRect(QRectF(11.5, 13.5, 10, 7));
  p.drawRect(QRectF(15.5, 3.5, 6, 8));
}

void DrawStart(QPainter& p) {
  p.setPen(QPen(kGreen.darker(130), 1.2));
  p.setBrush(QColor(60, 170, 80));
  QPainterPath play;
  play.addPolygon(QPolygonF({{6, 3.5}, {20.5, 12}, {6, 20.5}, {6, 3.5}}));
  p.drawPath(play);
}

void DrawLayouts(QPainter& p) {
  p.setPen(QPen(kInk, 1.2));
  p.setBrush(kGlass);
  p.drawRect(QRectF(2.5, 4.5, 19, 15));
  p.setPen(QPen(QColor(200, 40, 40), 1.2));
  p.drawLine(QPointF(11, 4.5), QPointF(11, 19.5));
  p.drawLine(QPointF(2.5, 12), QPointF(11, 12));
  p.drawLine(QPointF(11, 15), QPointF(21.5, 15));
  p.drawLine(QPointF(16, 4.5), QPointF(16, 15));
}

void DrawTable(QPainter& p) {
  p.setPen(QPen(kInk, 1.2));
  p.setBrush(kPaper);
  p.drawRect(QRectF(2.5, 3.5, 19, 17));
  p.setBrush(kGreen);
  p.drawRect(QRectF(2.5, 3.5, 19, 4));
  p.setPen(QPen(kInk, 1));
  for (double y : {11.5, 15.5}) p.drawLine(QPointF(2.5, y), QPointF(21.5, y));
  p.drawLine(QPointF(9.5, 7.5), QPointF(9.5, 20.5));
}

void DrawUnit(QPainter& p, const QString& unit, bool pressed) {
  p.setPen(QPen(pressed ? kGreen.darker(120) : kInk, 1.2));
  p.setBrush(pressed ? kGreen : QColor(235, 235, 235));
  p.drawRoundedRect(QRectF(1.5, 4.5, 21, 15), 3, 3);
  QFont font(QStringLiteral("Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setBold(true);
  font.setPixelSize(10);
  p.setFont(font);
  p.setPen(pressed ? kPaper : kInk);
  p.drawText(QRectF(1.5, 4.5, 21, 15), Qt::AlignCenter, unit);
}

void Draw(QPainter& p, int index, bool pressed) {
  switch (index) {
    case 1:
      DrawPage(p, QRectF(4.5, 2.5, 15, 19), false);
      break;
    case 2:
      DrawFolder(p);
      break;
    case 3:
      DrawDisk(p);
      break;
    case 5:
      DrawForm(p);
      break;
    case 6:
      DrawSheet(p);
      break;
    case 7:
      DrawCoil(p);
      break;
    case 8:
      DrawGlassSizes(p);
      break;
    case 10:
      DrawStart(p);
      break;
    case 12:
      DrawPage(p, QRectF(4.5, 2.5, 15, 19), true);
      break;
    case 13:
      DrawLayouts(p);
      break;
    case 14:
      DrawTable(p);
      break;
    case 16:
      DrawUnit(p, QStringLiteral("IN"), pressed);
      break;
    case 17:
      DrawUnit(p, QStringLiteral("MM"), pressed);
      break;
    default:
      break;
  }
}

void DrawApplication(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(kGreen);
  p.drawRoundedRect(QRectF(0.5, 0.5, 23, 23), 4, 4);
  p.setPen(QPen(kPaper, 1.2));
  p.setBrush(kGlass);
  p.drawRect(QRectF(4.5, 4.5, 15, 15));
  p.drawLine(QPointF(12, 4.5), QPointF(12, 19.5));
  p.drawLine(QPointF(12, 11), QPointF(19.5, 11));
}

QPixmap Picture(int index, bool pressed) {
  const qreal ratio = 2;
  QPixmap pixmap(kSize * ratio, kSize * ratio);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  if (index == 0) {
    DrawApplication(painter);
  } else {
    Draw(painter, index, pressed);
  }
  return pixmap;
}

}  // namespace

QIcon MainToolbarIcon(int index) {
  if (index == 4 || index == 9 || index == 11 || index == 15 || index < 1 || index > 17) {
    return {};
  }
  QIcon icon(Picture(index, false));
  if (index == 16 || index == 17) icon.addPixmap(Picture(index, true), QIcon::Normal, QIcon::On);
  return icon;
}

QIcon ApplicationIcon() { return QIcon(Picture(0, false)); }

}  // namespace lumora
