#ifndef LUMORA_GUI_LAYOUTS_LAYOUT_PICTURE_H_
#define LUMORA_GUI_LAYOUTS_LAYOUT_PICTURE_H_

#include <QPointF>
#include <QSizeF>
#include <QWidget>
#include <optional>
#include <vector>

#include "core/layouts/layout_scale.h"
#include "core/layouts/loaded_result.h"
#include "render/layout_render.h"

class QMouseEvent;

namespace lumora {

// The Layouts window's picture ("pic"): one layout drawn to scale over the whole picture,
// redrawn from the result on every paint, so it stays crisp at any size and pixel ratio. Its
// stretch mode ("+" in the design's tag) lets a long narrow sheet fill the picture's height.
// Ctrl + wheel zooms about the pointer; a zoomed view scrolls with the wheel (Shift across) and
// pans with the middle button or Space held down with the left one. A new layout or stretch mode
// starts again with the whole view.
class LayoutPicture : public QWidget {
  Q_OBJECT

 public:
  explicit LayoutPicture(QWidget* parent = nullptr);

  // The result stays owned by the caller and must outlive the picture's use of it.
  void Show(const LoadedResult* result, int layout_no, const LayoutLook& look);
  int layout_no() const { return layout_no_; }
  const LayoutLook& look() const { return look_; }

  // The millimetres the picture shows, zoomed or not, and the whole view it shows unzoomed.
  UserScale Scale() const;
  UserScale WholeScale() const;
  // Zooms by the factor about a point of the picture, in pixels.
  void ZoomAt(float factor, QPointF pixel);
  // Back to the whole view ("Fit").
  void Fit();
  // The millimetre point under a pixel of the picture, and back.
  QPointF Millimetres(QPointF pixel) const;
  QPointF Pixel(float x, float y) const;

  // The whole view as large as the zoom draws it, and where the picture is on it, in pixels: what
  // scroll bars show.
  QSizeF ScrollSize() const;
  QPointF ScrollOffset() const;
  void ScrollTo(QPointF offset);

  // Whether a press pans the view instead of reaching the edit handler.
  bool PansWith(const QMouseEvent& event) const;

  // Pieces marked as broken on the drawing (elements of the result shown, crossed out), for
  // "Broken...": a mark comes and goes with each Ctrl+click.
  void ToggleMark(int element);
  const std::vector<int>& marks() const { return marks_; }

  QSize sizeHint() const override { return QSize(480, 480); }
  QSize minimumSizeHint() const override { return QSize(120, 120); }

 signals:
  // The part shown changed: zoomed, panned, scrolled, resized or another layout.
  void ViewChanged();

 protected:
  // Space held down with the pointer over the picture makes the left button pan, wherever the
  // keyboard focus is.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // Shows the view given, kept within the whole view.
  void ShowPart(const UserScale& view);
  void PanByPixels(QPointF pixels);
  void ShowCursor();
  void SetSpaceHeld(bool held);

  const LoadedResult* result_ = nullptr;
  int layout_no_ = 0;
  LayoutLook look_;
  // The whole view's width over the width shown, and the top left corner shown (mm), when zoomed
  // or panned; they outlast a resize, which changes the whole view's shape.
  float zoom_ = 1;
  std::optional<QPointF> corner_;
  bool space_held_ = false;
  std::optional<QPointF> pan_from_;
  std::vector<int> marks_;
};

}  // namespace lumora

#endif  // LUMORA_GUI_LAYOUTS_LAYOUT_PICTURE_H_
