#ifndef LUMORA_CORE_LAYOUTS_LAYOUT_COLOURS_H_
#define LUMORA_CORE_LAYOUTS_LAYOUT_COLOURS_H_

#include <array>

#include "core/layouts/layout_canvas.h"

// The colours of the layout drawing: the 16-colour palette entries it uses and the table of
// glass colours.
namespace lumora {

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kDarkBlue{0, 0, 128};
inline constexpr Rgb kLightGrey{192, 192, 192};
inline constexpr Rgb kDarkGrey{128, 128, 128};
inline constexpr Rgb kLightBlue{0, 0, 255};
inline constexpr Rgb kLightCyan{0, 255, 255};
inline constexpr Rgb kLightRed{255, 0, 0};
inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kWhite{255, 255, 255};

inline constexpr std::array<Rgb, 22> kGlassColours = {{
    {200, 163, 250}, {255, 185, 185}, {255, 191, 149}, {255, 206, 9},   {126, 187, 0},
    {0, 242, 146},   {0, 234, 222},   {113, 255, 198}, {4, 173, 255},   {206, 170, 255},
    {0, 203, 202},   {255, 138, 235}, {79, 198, 255},  {255, 183, 216}, {236, 135, 23},
    {255, 145, 162}, {242, 176, 104}, {255, 136, 189}, {202, 206, 17},  {112, 206, 17},
    {14, 211, 167},  {20, 206, 239},
}};

// The fill of glass size k on screen: entry k mod 22 of the table with "Glass Color" on, light
// cyan for every size with it off.
inline Rgb GlassColour(int glass_index, bool glass_color) {
  if (!glass_color) return kLightCyan;
  const int count = static_cast<int>(kGlassColours.size());
  return kGlassColours[static_cast<size_t>(((glass_index % count) + count) % count)];
}

}  // namespace lumora

#endif  // LUMORA_CORE_LAYOUTS_LAYOUT_COLOURS_H_
