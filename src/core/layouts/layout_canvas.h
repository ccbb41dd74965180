#ifndef LUMORA_CORE_LAYOUTS_LAYOUT_CANVAS_H_
#define LUMORA_CORE_LAYOUTS_LAYOUT_CANVAS_H_

#include <string_view>

// What the layout drawing paints on: a few primitives in the layout's millimetre coordinates
// (X to the right, Y downwards). The screen, the printer, images and tests implement it.
namespace lumora {

struct Rgb {
  int r = 0;
  int g = 0;
  int b = 0;
  bool operator==(const Rgb&) const = default;
};

struct Point {
  float x = 0;
  float y = 0;
};

struct Box {
  float x1 = 0;
  float y1 = 0;
  float x2 = 0;
  float y2 = 0;

  float Width() const { return x2 - x1; }
  float Height() const { return y2 - y1; }
  bool Contains(const Box& inner) const {
    return inner.x1 >= x1 && inner.y1 >= y1 && inner.x2 <= x2 && inner.y2 <= y2;
  }
  bool Overlaps(const Box& other) const {
    return x1 < other.x2 && other.x1 < x2 && y1 < other.y2 && other.y1 < y2;
  }
};

// A text's font: its size in points, bold, and whether it reads upwards (turned a quarter to
// the left) instead of left to right.
struct TextStyle {
  float size_pt = 8;
  bool bold = false;
  bool vertical = false;
};

// How much room a text takes, in millimetres: along its reading direction and across it.
struct TextExtent {
  float along = 0;
  float across = 0;
};

class LayoutCanvas {
 public:
  virtual ~LayoutCanvas() = default;

  virtual void FillRect(const Box& box, Rgb colour) = 0;
  virtual void OutlineRect(const Box& box, Rgb colour, float width_pt) = 0;
  virtual void Line(Point from, Point to, Rgb colour, float width_pt) = 0;
  // Parallel lines at 45 degrees over the box, `spacing` millimetres apart along X.
  virtual void Hatch(const Box& box, Rgb colour, float spacing, float width_pt) = 0;
  // Draws a Latin-1 text centred in the box, which the drawing made as large as the text.
  virtual void Text(const Box& box, std::string_view text, const TextStyle& style, Rgb colour) = 0;
  // The room the text would take at this style.
  virtual TextExtent MeasureText(std::string_view text, const TextStyle& style) const = 0;
};

}  // namespace lumora

#endif  // LUMORA_CORE_LAYOUTS_LAYOUT_CANVAS_H_
