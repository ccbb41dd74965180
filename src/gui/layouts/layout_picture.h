#ifndef LUMORA_GUI_LAYOUTS_LAYOUT_PICTURE_H_
#define LUMORA_GUI_LAYOUTS_LAYOUT_PICTURE_H_

#include <QWidget>

#include "core/layouts/loaded_result.h"
#include "render/layout_render.h"

namespace lumora {

// The Layouts window's picture ("pic"): one layout drawn to scale, redrawn from the result on
// every paint, so it stays crisp at any size and pixel ratio. Its stretch mode ("+" in the
// design's tag) lets a long narrow sheet fill the picture's height.
class LayoutPicture : public QWidget {
  Q_OBJECT

 public:
  explicit LayoutPicture(QWidget* parent = nullptr);

  // The result stays owned by the caller and must outlive the picture's use of it.
  void Show(const LoadedResult* result, int layout_no, const LayoutLook& look);
  int layout_no() const { return layout_no_; }
  const LayoutLook& look() const { return look_; }

  QSize sizeHint() const override { return QSize(480, 480); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const LoadedResult* result_ = nullptr;
  int layout_no_ = 0;
  LayoutLook look_;
};

}  // namespace lumora

#endif  // LUMORA_GUI_LAYOUTS_LAYOUT_PICTURE_H_
