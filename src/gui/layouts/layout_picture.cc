#include "gui/layouts/layout_picture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "core/layouts/layout_drawing.h"

namespace lumora {
namespace {

// One notch of the wheel.
constexpr double kWheelStep = 1.25;
constexpr double kWheelNotch = 120;
// A piece marked as broken: crossed out in red.
const QColor kBrokenMark(220, 0, 0);

// The child window of the main window a widget is in; null outside one.
const QMdiSubWindow* ChildWindowOf(const QWidget* widget) {
  for (; widget != nullptr && !widget->isWindow(); widget = widget->parentWidget()) {
    if (const auto* child = qobject_cast<const QMdiSubWindow*>(widget)) return child;
  }
  return nullptr;
}

// Whether a key sent to `receiver` may be the picture's: it goes to the picture's own window and
// not into another child window of it, so that a space typed into a grid stays there wherever the
// pointer rests.
bool KeysAreOurs(const QWidget* picture, const QObject* receiver) {
  const auto* widget = qobject_cast<const QWidget*>(receiver);
  if (widget == nullptr || widget->window() != picture->window()) return false;
  const QMdiSubWindow* child = ChildWindowOf(widget);
  return child == nullptr || child == ChildWindowOf(picture);
}

}  // namespace

LayoutPicture::LayoutPicture(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("pic"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  qApp->installEventFilter(this);
}

bool LayoutPicture::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) {
    return QWidget::eventFilter(watched, event);
  }
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() != Qt::Key_Space || key->modifiers() != Qt::NoModifier) return false;
  const bool pressed = event->type() == QEvent::KeyPress;
  if (!space_held_ && (!pressed || !underMouse() || !KeysAreOurs(this, watched))) return false;
  if (!key->isAutoRepeat()) SetSpaceHeld(pressed);
  return true;
}

void LayoutPicture::Show(const LoadedResult* result, int layout_no, const LayoutLook& look) {
  if (result != result_ || layout_no != layout_no_ || look.stretch != look_.stretch) {
    zoom_ = 1;
    corner_.reset();
  }
  result_ = result;
  layout_no_ = layout_no;
  look_ = look;
  update();
  emit ViewChanged();
}

UserScale LayoutPicture::WholeScale() const {
  const Box sheet = result_ != nullptr ? FrameBox(*result_, layout_no_) : Box{};
  return ScreenScale(sheet.Width(), sheet.Height(), look_.stretch,
                     static_cast<float>(std::max(1, width())) / std::max(1, height()));
}

UserScale LayoutPicture::Scale() const {
  const UserScale whole = WholeScale();
  if (!corner_) return whole;
  const UserScale part{static_cast<float>(corner_->x()), static_cast<float>(corner_->y()),
                       whole.width / zoom_, whole.height / zoom_};
  return PanWithin(part, whole, 0, 0);
}

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

void LayoutPicture::ShowPart(const UserScale& view) {
  const UserScale whole = WholeScale();
  const UserScale kept = PanWithin(view, whole, 0, 0);
  zoom_ = whole.width / kept.width;
  corner_ = QPointF(kept.left, kept.top);
  update();
  emit ViewChanged();
}

void LayoutPicture::ZoomAt(float factor, QPointF pixel) {
  const QPointF at = Millimetres(pixel);
  ShowPart(ZoomAbout(Scale(), WholeScale(), factor, static_cast<float>(at.x()),
                     static_cast<float>(at.y())));
}

void LayoutPicture::Fit() {
  zoom_ = 1;
  corner_.reset();
  update();
  emit ViewChanged();
}

QSizeF LayoutPicture::ScrollSize() const {
  const UserScale whole = WholeScale();
  const UserScale shown = Scale();
  return QSizeF(width() * whole.width / shown.width, height() * whole.height / shown.height);
}

QPointF LayoutPicture::ScrollOffset() const {
  const UserScale whole = WholeScale();
  const UserScale shown = Scale();
  return QPointF((shown.left - whole.left) * width() / shown.width,
                 (shown.top - whole.top) * height() / shown.height);
}

void LayoutPicture::ScrollTo(QPointF offset) {
  const QPointF by = offset - ScrollOffset();
  if (!by.isNull()) PanByPixels(-by);
}

void LayoutPicture::PanByPixels(QPointF pixels) {
  const UserScale shown = Scale();
  const float dx = static_cast<float>(-pixels.x() * shown.width / std::max(1, width()));
  const float dy = static_cast<float>(-pixels.y() * shown.height / std::max(1, height()));
  ShowPart(PanWithin(shown, WholeScale(), dx, dy));
}

bool LayoutPicture::PansWith(const QMouseEvent& event) const {
  return event.button() == Qt::MiddleButton || (event.button() == Qt::LeftButton && space_held_);
}

void LayoutPicture::SetSpaceHeld(bool held) {
  space_held_ = held;
  ShowCursor();
}

void LayoutPicture::ShowCursor() {
  if (pan_from_) {
    setCursor(Qt::ClosedHandCursor);
  } else if (space_held_) {
    setCursor(Qt::OpenHandCursor);
  } else {
    unsetCursor();
  }
}

void LayoutPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), kViewBackground);
  if (result_ == nullptr) return;
  // The whole view drawn into the larger area that puts the part shown on the picture.
  const UserScale whole = WholeScale();
  const UserScale shown = Scale();
  const double per_x = width() / shown.width;
  const double per_y = height() / shown.height;
  const QRectF area((whole.left - shown.left) * per_x, (whole.top - shown.top) * per_y,
                    whole.width * per_x, whole.height * per_y);
  PaintLayoutView(painter, area, *result_, layout_no_, look_);
  painter.setPen(QPen(kBrokenMark, 2));
  for (int element : marks_) {
    if (element < result_->FirstOfLayout(layout_no_) ||
        element > result_->LastOfLayout(layout_no_)) {
      continue;
    }
    const LayoutElement& piece = result_->shown[element];
    const QRectF box(Pixel(piece.x1, piece.y1), Pixel(piece.x2, piece.y2));
    painter.drawRect(box);
    painter.drawLine(box.topLeft(), box.bottomRight());
    painter.drawLine(box.topRight(), box.bottomLeft());
  }
}

void LayoutPicture::ToggleMark(int element) {
  const auto marked = std::find(marks_.begin(), marks_.end(), element);
  if (marked == marks_.end()) {
    marks_.push_back(element);
  } else {
    marks_.erase(marked);
  }
  update();
}

void LayoutPicture::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  emit ViewChanged();
}

void LayoutPicture::wheelEvent(QWheelEvent* event) {
  const QPoint turn = event->angleDelta();
  if (event->modifiers() & Qt::ControlModifier && turn.y() != 0) {
    ZoomAt(static_cast<float>(std::pow(kWheelStep, turn.y() / kWheelNotch)), event->position());
    event->accept();
    return;
  }
  if (!corner_ || turn.isNull()) {
    QWidget::wheelEvent(event);
    return;
  }
  // A notch scrolls a tenth of the picture.
  const double notches = (turn.y() != 0 ? turn.y() : turn.x()) / kWheelNotch;
  const bool across = event->modifiers() & Qt::ShiftModifier || turn.y() == 0;
  const double step = notches * (across ? width() : height()) / 10;
  PanByPixels(across ? QPointF(step, 0) : QPointF(0, step));
  event->accept();
}

void LayoutPicture::mousePressEvent(QMouseEvent* event) {
  if (!PansWith(*event)) {
    QWidget::mousePressEvent(event);
    return;
  }
  pan_from_ = event->position();
  ShowCursor();
  event->accept();
}

void LayoutPicture::mouseMoveEvent(QMouseEvent* event) {
  if (!pan_from_) {
    QWidget::mouseMoveEvent(event);
    return;
  }
  const QPointF by = event->position() - *pan_from_;
  pan_from_ = event->position();
  if (corner_) PanByPixels(by);
  event->accept();
}

void LayoutPicture::mouseReleaseEvent(QMouseEvent* event) {
  if (!pan_from_) {
    QWidget::mouseReleaseEvent(event);
    return;
  }
  pan_from_.reset();
  ShowCursor();
  event->accept();
}

}  // namespace lumora
