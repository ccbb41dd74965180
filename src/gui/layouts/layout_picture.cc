#include "gui/layouts/layout_picture.h"

#include <QPainter>
#include <QWheelEvent>
#include <cmath>

#include "core/layouts/layout_drawing.h"

namespace lumora {
namespace {

// One notch of the wheel.
constexpr double kWheelStep = 1.25;

}  // namespace

LayoutPicture::LayoutPicture(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("pic"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
}

void LayoutPicture::Show(const LoadedResult* result, int layout_no, const LayoutLook& look) {
  if (result != result_ || layout_no != layout_no_ || look.stretch != look_.stretch) {
    zoomed_.reset();
  }
  result_ = result;
  layout_no_ = layout_no;
  look_ = look;
  update();
}

UserScale LayoutPicture::DesignedScale() const {
  const Box sheet = result_ != nullptr ? FrameBox(*result_, layout_no_) : Box{};
  return ScreenScale(sheet.Width(), sheet.Height(), look_.stretch);
}

UserScale LayoutPicture::Scale() const { return zoomed_.value_or(DesignedScale()); }

QPointF LayoutPicture::Millimetres(QPointF pixel) const {
  const UserScale scale = Scale();
  return QPointF(scale.left + pixel.x() * scale.width / std::max(1, width()),
                 scale.top + pixel.y() * scale.height / std::max(1, height()));
}

QPointF LayoutPicture::Pixel(float x, float y) const {
  const UserScale scale = Scale();
  return QPointF((x - scale.left) * width() / scale.width,
                 (y - scale.top) * height() / scale.height);
}

void LayoutPicture::ZoomAt(float factor, QPointF pixel) {
  const QPointF at = Millimetres(pixel);
  zoomed_ = ZoomAbout(Scale(), DesignedScale(), factor, static_cast<float>(at.x()),
                      static_cast<float>(at.y()));
  update();
}

void LayoutPicture::Fit() {
  zoomed_.reset();
  update();
}

void LayoutPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), kViewBackground);
  if (result_ == nullptr) return;
  // The designed view drawn into the larger area that puts the zoomed part on the picture.
  const UserScale designed = DesignedScale();
  const UserScale shown = Scale();
  const double per_x = width() / shown.width;
  const double per_y = height() / shown.height;
  const QRectF area((designed.left - shown.left) * per_x, (designed.top - shown.top) * per_y,
                    designed.width * per_x, designed.height * per_y);
  PaintLayoutView(painter, area, *result_, layout_no_, look_);
}

void LayoutPicture::wheelEvent(QWheelEvent* event) {
  if (!(event->modifiers() & Qt::ControlModifier) || event->angleDelta().y() == 0) {
    QWidget::wheelEvent(event);
    return;
  }
  ZoomAt(static_cast<float>(std::pow(kWheelStep, event->angleDelta().y() / 120.0)),
         event->position());
  event->accept();
}

}  // namespace lumora
