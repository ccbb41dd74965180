#ifndef LUMORA_RENDER_PAINTER_CANVAS_H_
#define LUMORA_RENDER_PAINTER_CANVAS_H_

#include <QFont>
#include <QRectF>

#include "core/layouts/layout_canvas.h"
#include "core/layouts/layout_scale.h"

class QPainter;

namespace lumora {

// "Century Gothic" at a size in points, or the sans-serif font standing in for it.
QFont LayoutFont(float size_pt, bool bold);

// The layout canvas on a QPainter: the user scale's millimetre rectangle is mapped onto a
// rectangle of the painter's coordinates, X and Y each by their own factor (stretch mode makes
// them differ). Fonts and pens are sized in points of the painter's device, so texts read the
// same on a screen, a page and an image. Fills and outlines snap to whole pixels; only the
// hatching and texts are smoothed.
class PainterCanvas : public LayoutCanvas {
 public:
  PainterCanvas(QPainter& painter, const QRectF& area, const UserScale& scale);

  void FillRect(const Box& box, Rgb colour) override;
  void OutlineRect(const Box& box, Rgb colour, float width_pt) override;
  void Line(Point from, Point to, Rgb colour, float width_pt) override;
  void Hatch(const Box& box, Rgb colour, float spacing, float width_pt) override;
  void Text(const Box& box, std::string_view text, const TextStyle& style, Rgb colour) override;
  TextExtent MeasureText(std::string_view text, const TextStyle& style) const override;

  QPointF Map(Point point) const;
  QRectF Map(const Box& box) const;

 private:
  float PenPixels(float width_pt) const;

  QPainter& painter_;
  QRectF area_;
  UserScale scale_;
  double x_factor_;
  double y_factor_;
  double dpi_;
};

}  // namespace lumora

#endif  // LUMORA_RENDER_PAINTER_CANVAS_H_
