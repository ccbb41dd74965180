#ifndef LUMORA_CORE_LAYOUTS_LAYOUT_SCALE_H_
#define LUMORA_CORE_LAYOUTS_LAYOUT_SCALE_H_

// The user coordinate systems a layout is drawn in: which millimetre rectangle of the layout's
// coordinates a view or a page shows.
namespace lumora {

// The rectangle shown, in millimetres: left and top edge and extent (ScaleLeft, ScaleTop,
// ScaleWidth, ScaleHeight).
struct UserScale {
  float left = 0;
  float top = 0;
  float width = 1;
  float height = 1;

  float Right() const { return left + width; }
  float Bottom() const { return top + height; }
};

// The view of a sheet of width w and height h: a square of 1.25 times its larger side (S) with
// the sheet a tenth of that in from the top left. A view of another shape (aspect: its width over
// its height) shows as much more to the right or below as keeps millimetres square, so that the
// sheet with a margin of a tenth of S all round is as large as the view allows. In stretch mode
// the height shown becomes the sheet's height plus a fifth of S, with a tenth of the new height
// above the sheet; the width stays.
UserScale ScreenScale(float w, float h, bool stretch, float aspect = 1.0f);

// The view of a sheet in an image of its own shape: the sheet with the border of the screen's
// square view (an eighth of its larger side) all round, so that a long coil layout does not
// become a thin strip in a square.
UserScale ImageScale(float w, float h);

// The page of a sheet: 1.5 times its larger side across the page, as much down the page as
// keeps millimetres square on a page of page_width x page_height (any unit), the sheet 5 % of
// the page height from the top and 12.5 % of it from the left. Stretch mode as on the screen.
UserScale PrintScale(float w, float h, float page_width, float page_height, bool stretch);

// How far a view zooms, as the base view's width over the zoomed one's.
inline constexpr float kMinZoom = 0.5f;
inline constexpr float kMaxZoom = 64.0f;

// The view zoomed by `factor` (above 1 closer) about the point (x, y) in millimetres, which stays
// where it was on the view; the zoom stays within kMinZoom .. kMaxZoom of the base view.
UserScale ZoomAbout(const UserScale& view, const UserScale& base, float factor, float x, float y);

// The view moved by (dx, dy) millimetres as far as it stays within the base view; along an axis
// on which it shows more than the base it does not move.
UserScale PanWithin(const UserScale& view, const UserScale& base, float dx, float dy);

}  // namespace lumora

#endif  // LUMORA_CORE_LAYOUTS_LAYOUT_SCALE_H_
