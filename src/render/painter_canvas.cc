#include "render/painter_canvas.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

namespace lumora {
namespace {

QColor ColourOf(Rgb rgb) { return QColor(rgb.r, rgb.g, rgb.b); }

}  // namespace

QFont LayoutFont(float size_pt, bool bold) {
  QFont font(QStringLiteral("Century Gothic"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(std::max(0.5f, size_pt));
  font.setBold(bold);
  return font;
}

PainterCanvas::PainterCanvas(QPainter& painter, const QRectF& area, const UserScale& scale)
    : painter_(painter),
      area_(area),
      scale_(scale),
      x_factor_(scale.width > 0 ? area.width() / scale.width : 1),
      y_factor_(scale.height > 0 ? area.height() / scale.height : 1),
      dpi_(painter.device() != nullptr ? painter.device()->logicalDpiY() : 96) {}

QPointF PainterCanvas::Map(Point point) const {
  return QPointF(area_.left() + (point.x - scale_.left) * x_factor_,
                 area_.top() + (point.y - scale_.top) * y_factor_);
}

QRectF PainterCanvas::Map(const Box& box) const {
  return QRectF(Map(Point{box.x1, box.y1}), Map(Point{box.x2, box.y2}));
}

float PainterCanvas::PenPixels(float width_pt) const {
  return static_cast<float>(std::max(1.0, width_pt * dpi_ / 72.0));
}

void PainterCanvas::FillRect(const Box& box, Rgb colour) {
  painter_.save();
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.fillRect(Map(box), ColourOf(colour));
  painter_.restore();
}

void PainterCanvas::OutlineRect(const Box& box, Rgb colour, float width_pt) {
  painter_.save();
  painter_.setRenderHint(QPainter::Antialiasing, false);
  QPen pen(ColourOf(colour), PenPixels(width_pt));
  pen.setJoinStyle(Qt::MiterJoin);
  painter_.setPen(pen);
  painter_.setBrush(Qt::NoBrush);
  painter_.drawRect(Map(box));
  painter_.restore();
}

void PainterCanvas::Line(Point from, Point to, Rgb colour, float width_pt) {
  painter_.save();
  painter_.setRenderHint(QPainter::Antialiasing, false);
  QPen pen(ColourOf(colour), PenPixels(width_pt));
  pen.setCapStyle(Qt::FlatCap);
  painter_.setPen(pen);
  painter_.drawLine(Map(from), Map(to));
  painter_.restore();
}

void PainterCanvas::Hatch(const Box& box, Rgb colour, float spacing, float width_pt) {
  const QRectF rect = Map(box).normalized();
  // A hatching denser than a few pixels would only darken the sheet.
  const double step = std::max(4.0, spacing * x_factor_);
  if (rect.isEmpty()) return;
  painter_.save();
  painter_.setRenderHint(QPainter::Antialiasing, true);
  painter_.setClipRect(rect, Qt::IntersectClip);
  painter_.setPen(QPen(ColourOf(colour), PenPixels(width_pt)));
  // Lines rise to the right at 45 degrees on the target, starting from the sheet's corner.
  const double height = rect.height();
  for (double x = rect.left() - height; x <= rect.right(); x += step) {
    painter_.drawLine(QPointF(x, rect.bottom()), QPointF(x + height, rect.top()));
  }
  painter_.restore();
}

void PainterCanvas::Text(const Box& box, std::string_view text, const TextStyle& style,
                         Rgb colour) {
  const QRectF rect = Map(box).normalized();
  const QString string = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
  painter_.save();
  painter_.setRenderHint(QPainter::TextAntialiasing, true);
  painter_.setFont(LayoutFont(style.size_pt, style.bold));
  painter_.setPen(ColourOf(colour));
  painter_.translate(rect.center());
  QRectF local(-rect.width() / 2, -rect.height() / 2, rect.width(), rect.height());
  if (style.vertical) {
    painter_.rotate(-90);
    local = QRectF(-rect.height() / 2, -rect.width() / 2, rect.height(), rect.width());
  }
  painter_.drawText(local, Qt::AlignCenter | Qt::TextDontClip | Qt::TextSingleLine, string);
  painter_.restore();
}

TextExtent PainterCanvas::MeasureText(std::string_view text, const TextStyle& style) const {
  const QFontMetricsF metrics(LayoutFont(style.size_pt, style.bold), painter_.device());
  const QString string = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
  const double along = metrics.horizontalAdvance(string);
  const double across = metrics.height();
  const double along_factor = style.vertical ? y_factor_ : x_factor_;
  const double across_factor = style.vertical ? x_factor_ : y_factor_;
  return TextExtent{static_cast<float>(along / along_factor),
                    static_cast<float>(across / across_factor)};
}

}  // namespace lumora
