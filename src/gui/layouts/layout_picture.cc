#include "gui/layouts/layout_picture.h"

#include <QPainter>

namespace lumora {

LayoutPicture::LayoutPicture(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("pic"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
}

void LayoutPicture::Show(const LoadedResult* result, int layout_no, const LayoutLook& look) {
  result_ = result;
  layout_no_ = layout_no;
  look_ = look;
  update();
}

void LayoutPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (result_ == nullptr) {
    painter.fillRect(rect(), kViewBackground);
    return;
  }
  PaintLayoutView(painter, QRectF(rect()), *result_, layout_no_, look_);
}

}  // namespace lumora
