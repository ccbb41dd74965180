#ifndef LUMORA_CORE_LAYOUTS_TEXT_FIT_H_
#define LUMORA_CORE_LAYOUTS_TEXT_FIT_H_

#include <string>
#include <vector>

#include "core/layouts/layout_canvas.h"

// Fitting texts into the room they have: the size follows the room, and a text that would not
// be readable there is left out rather than allowed to spill over.
namespace lumora {

// The smallest readable size and the size texts take when there is room enough, in points.
struct TextSizes {
  float min_pt = 6;
  float max_pt = 8;
};

// Which ways a text may read.
enum class Turning { kAcross, kUpwards, kEither };

struct PlacedText {
  Box box;
  std::string text;
  TextStyle style;
};

// Places the lines centred in the area, stacked, all at one size: as large as each fits its
// equal share of the area's depth (a half, a third ...) and its width, up to the larger size.
// Empty when even the smallest size does not fit. With kEither the lines read upwards only
// when that makes them clearly larger.
std::vector<PlacedText> FitLines(const LayoutCanvas& canvas, const Box& area,
                                 const std::vector<std::string>& lines, const TextSizes& sizes,
                                 bool bold, Turning turning);

// The first arrangement of lines that fits at the larger size, else the one that fits largest
// (the earlier one when they tie); empty when none fits at all.
std::vector<PlacedText> FitFirst(const LayoutCanvas& canvas, const Box& area,
                                 const std::vector<std::vector<std::string>>& arrangements,
                                 const TextSizes& sizes, bool bold, Turning turning);

}  // namespace lumora

#endif  // LUMORA_CORE_LAYOUTS_TEXT_FIT_H_
