#ifndef LUMORA_GUI_LAYOUTS_LAYOUT_PICTURE_H_
#define LUMORA_GUI_LAYOUTS_LAYOUT_PICTURE_H_

#include <QWidget>
#include <optional>

#include "core/layouts/layout_scale.h"
#include "core/layouts/loaded_result.h"
#include "render/layout_render.h"

namespace lumora {

// The Layouts window's picture ("pic"): one layout drawn to scale, redrawn from the result on
// every paint, so it stays crisp at any size and pixel ratio. Its stretch mode ("+" in the
// design's tag) lets a long narrow sheet fill the picture's height. Ctrl + wheel zooms about the
// pointer; a new layout or stretch mode starts again at the designed scale.
class LayoutPicture : public QWidget {
  Q_OBJECT

 public:
  explicit LayoutPicture(QWidget* parent = nullptr);

  // The result stays owned by the caller and must outlive the picture's use of it.
  void Show(const LoadedResult* result, int layout_no, const LayoutLook& look);
  int layout_no() const { return layout_no_; }
  const LayoutLook& look() const { return look_; }

  // The millimetres the picture shows, zoomed or not.
  UserScale Scale() const;
  // Zooms by the factor about a point of the picture, in pixels.
  void ZoomAt(float factor, QPointF pixel);
  // Back to the designed scale ("Fit").
  void Fit();
  // The millimetre point under a pixel of the picture, and back.
  QPointF Millimetres(QPointF pixel) const;
  QPointF Pixel(float x, float y) const;

  QSize sizeHint() const override { return QSize(480, 480); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  UserScale DesignedScale() const;

  const LoadedResult* result_ = nullptr;
  int layout_no_ = 0;
  LayoutLook look_;
  std::optional<UserScale> zoomed_;
};

}  // namespace lumora

#endif  // LUMORA_GUI_LAYOUTS_LAYOUT_PICTURE_H_
