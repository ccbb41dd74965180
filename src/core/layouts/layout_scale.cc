#include "core/layouts/layout_scale.h"

#include <algorithm>

namespace lumora {
namespace {

// A sheet without extent still gets a view, so that nothing divides by zero.
float LargerSide(float w, float h) {
  const float m = std::max(w, h);
  return m > 0 ? m : 1.0f;
}

// The height shown becomes the sheet's height plus the margins above and below it; the top
// margin keeps its share (of the view's designed width) of the new height.
void Stretch(UserScale& scale, float h, float designed_width) {
  const float height = h - 2 * scale.top;
  scale.top = scale.top / designed_width * height;
  scale.height = height;
}

// The start of a view's extent moved by delta, kept within the base's when it is no larger.
float Within(float start, float extent, float base_start, float base_extent, float delta) {
  if (extent > base_extent) return start;
  return std::clamp(start + delta, base_start, base_start + base_extent - extent);
}

}  // namespace

UserScale ScreenScale(float w, float h, bool stretch, float aspect) {
  const float s = 1.25f * LargerSide(w, h);
  UserScale scale{-0.1f * s, -0.1f * s, s, s};
  if (aspect > 0 && aspect != 1.0f) {
    const float margins = 0.2f * s;
    scale.width = std::max(std::max(w, 0.0f) + margins, (std::max(h, 0.0f) + margins) * aspect);
    scale.height = scale.width / aspect;
  }
  if (stretch) Stretch(scale, h, s);
  return scale;
}

UserScale PanWithin(const UserScale& view, const UserScale& base, float dx, float dy) {
  return {Within(view.left, view.width, base.left, base.width, dx),
          Within(view.top, view.height, base.top, base.height, dy), view.width, view.height};
}

UserScale ZoomAbout(const UserScale& view, const UserScale& base, float factor, float x, float y) {
  if (!(factor > 0) || !(view.width > 0) || !(view.height > 0)) return view;
  const float zoom = std::clamp(base.width / view.width * factor, kMinZoom, kMaxZoom);
  const float shrink = base.width / zoom / view.width;
  return UserScale{x - (x - view.left) * shrink, y - (y - view.top) * shrink, view.width * shrink,
                   view.height * shrink};
}

UserScale ImageScale(float w, float h) {
  const float border = 0.125f * LargerSide(w, h);
  return {-border, -border, std::max(w, 0.0f) + 2 * border, std::max(h, 0.0f) + 2 * border};
}

UserScale PrintScale(float w, float h, float page_width, float page_height, bool stretch) {
  const float s = 1.5f * LargerSide(w, h);
  const float ratio = page_width > 0 && page_height > 0 ? page_height / page_width : 1.0f;
  const float height = s * ratio;
  UserScale scale{-0.125f * height, -0.05f * height, s, height};
  if (stretch) Stretch(scale, h, s);
  return scale;
}

}  // namespace lumora
