#include "core/deep/free_rect_packing.h"

#include <algorithm>
#include <cstdint>

namespace lumora::deep {
namespace {

int64_t Area(const UnitRect& rect) { return static_cast<int64_t>(rect.width) * rect.height; }

}  // namespace

SheetPattern PackInOrder(const DeepProblem& problem, int stock, const std::vector<int>& order) {
  const StockSize& size = problem.stocks[static_cast<size_t>(stock)];
  SheetPattern pattern;
  pattern.stock = stock;
  std::vector<UnitRect> spaces{{0, 0, size.width, size.height}};
  bool first_cut = true;
  for (int piece : order) {
    const PieceSize& dims = problem.pieces[static_cast<size_t>(piece)];
    size_t best_space = 0;
    int best_orientation = 0;
    int best_fit = 0;
    for (size_t s = 0; s < spaces.size(); ++s) {
      for (int o = 1; o <= 2; ++o) {
        const int w = dims.x[static_cast<size_t>(o)];
        const int h = dims.y[static_cast<size_t>(o)];
        if (w <= 0 || w > spaces[s].width || h > spaces[s].height) continue;
        // The tighter of the two sides decides: a piece that fills a space's width or height
        // leaves one whole rest.
        const int fit = std::min(spaces[s].width - w, spaces[s].height - h);
        if (best_orientation == 0 || fit < best_fit) {
          best_fit = fit;
          best_space = s;
          best_orientation = o;
        }
      }
    }
    if (best_orientation == 0) continue;
    const UnitRect space = spaces[best_space];
    const int w = dims.x[static_cast<size_t>(best_orientation)];
    const int h = dims.y[static_cast<size_t>(best_orientation)];
    pattern.pieces.push_back({piece, best_orientation, {space.x, space.y, w, h}});
    // The cut along the shorter rest, so that the longer rest stays whole.
    const bool across = space.width - w < space.height - h;
    const UnitRect right = across ? UnitRect{space.x + w, space.y, space.width - w, h}
                                  : UnitRect{space.x + w, space.y, space.width - w, space.height};
    const UnitRect below = across ? UnitRect{space.x, space.y + h, space.width, space.height - h}
                                  : UnitRect{space.x, space.y + h, w, space.height - h};
    // A cut through the whole sheet, or through a whole strip between such cuts, is first-stage.
    const bool full_width = space.x == 0 && space.width == size.width;
    const bool full_height = space.y == 0 && space.height == size.height;
    if (first_cut) {
      pattern.cuts_across = across;
      first_cut = false;
    }
    if (pattern.cuts_across && across && full_width && below.height > 0) {
      pattern.stage_cuts.push_back(below.y);
    } else if (!pattern.cuts_across && !across && full_height && right.width > 0) {
      pattern.stage_cuts.push_back(right.x);
    }
    spaces.erase(spaces.begin() + static_cast<std::ptrdiff_t>(best_space));
    for (const UnitRect& rest : {right, below}) {
      if (Area(rest) > 0) spaces.push_back(rest);
    }
  }
  pattern.free_rects = spaces;
  std::sort(pattern.stage_cuts.begin(), pattern.stage_cuts.end());
  for (const PlacedPiece& placed : pattern.pieces) {
    pattern.used_length = std::max(pattern.used_length, placed.rect.y + placed.rect.height);
  }
  return pattern;
}

}  // namespace lumora::deep
