#include <gtest/gtest.h>

#include <vector>

#include "core/layouts/layout_hit.h"
#include "core/layouts/layout_scale.h"

namespace lumora {
namespace {

// The pointer stays on the same millimetre, so the hit test finds the piece it was on; the zoom
// stops at its bounds.
TEST(LayoutZoomTest, ThePointUnderThePointerStaysAndTheZoomStopsAtItsBounds) {
  ElementList elements;
  elements.Append({1, kStockFrame, 1, 0, 0, 2000, 1000, 1, 0});
  elements.Append({1, 1, 1, 0, 0, 600, 400, 1, 1});
  elements.Append({1, 2, 1, 600, 0, 1000, 400, 1, 1});
  const UserScale base = ScreenScale(2000, 1000, false);
  struct Case {
    std::vector<float> factors;
    float fx, fy;  // the pointer, as a share of the view's width and height
    float zoom;    // base width over the zoomed width
  };
  const std::vector<Case> cases = {
      {{2}, 0.3f, 0.2f, 2},
      {{1.25f, 1.25f, 1 / 1.25f}, 0.5f, 0.25f, 1.25f},
      {{100}, 0.45f, 0.2f, kMaxZoom},
      {{0.1f}, 0.45f, 0.2f, kMinZoom},
  };
  for (const Case& c : cases) {
    UserScale view = base;
    const float x = view.left + c.fx * view.width;
    const float y = view.top + c.fy * view.height;
    const LayoutRange range{1, 3};
    const int hit = HitTest(elements, range, x, y);
    for (const float factor : c.factors) view = ZoomAbout(view, base, factor, x, y);
    EXPECT_FLOAT_EQ(base.width / view.width, c.zoom) << c.fx;
    EXPECT_FLOAT_EQ(view.width / view.height, base.width / base.height) << c.fx;
    const float after_x = view.left + c.fx * view.width;
    const float after_y = view.top + c.fy * view.height;
    EXPECT_NEAR(after_x, x, 0.01f) << c.fx;
    EXPECT_NEAR(after_y, y, 0.01f) << c.fx;
    EXPECT_EQ(HitTest(elements, range, after_x, after_y), hit) << c.fx;
  }
}

}  // namespace
}  // namespace lumora
