#include "core/layouts/text_fit.h"

#include <algorithm>

namespace lumora {
namespace {

// Texts turned upwards must be this much larger than across to be chosen: across reads easier.
constexpr float kUpwardsAdvantage = 1.25f;
// Font sizes do not scale text quite linearly; a size that misses is shrunk by this step.
constexpr float kShrinkStep = 0.95f;
constexpr int kShrinkTries = 12;

bool FitsAt(const LayoutCanvas& canvas, const std::vector<std::string>& lines,
            const TextStyle& style, float along_room, float across_room) {
  for (const std::string& line : lines) {
    const TextExtent extent = canvas.MeasureText(line, style);
    if (extent.along > along_room || extent.across > across_room) return false;
  }
  return true;
}

// The size at which all lines fit their slots reading one way; 0 when none does.
float SizeReading(const LayoutCanvas& canvas, const Box& area,
                  const std::vector<std::string>& lines, const TextSizes& sizes, bool bold,
                  bool upwards) {
  const float count = static_cast<float>(lines.size());
  const float along_room = upwards ? area.Height() : area.Width();
  const float across_room = (upwards ? area.Width() : area.Height()) / count;
  if (along_room <= 0 || across_room <= 0) return 0;
  TextStyle style{sizes.max_pt, bold, upwards};
  float factor = 1;
  for (const std::string& line : lines) {
    const TextExtent extent = canvas.MeasureText(line, style);
    if (extent.along > 0) factor = std::min(factor, along_room / extent.along);
    if (extent.across > 0) factor = std::min(factor, across_room / extent.across);
  }
  style.size_pt = sizes.max_pt * factor;
  for (int tries = 0; tries < kShrinkTries && style.size_pt >= sizes.min_pt; ++tries) {
    if (FitsAt(canvas, lines, style, along_room, across_room)) return style.size_pt;
    style.size_pt *= kShrinkStep;
  }
  return 0;
}

// The lines as one block centred in the area, each line centred across the block; a line's
// slot is as deep as its text, so stacked lines read as one label.
std::vector<PlacedText> Place(const LayoutCanvas& canvas, const Box& area,
                              const std::vector<std::string>& lines, const TextStyle& style) {
  std::vector<TextExtent> extents;
  float depth = 0;
  for (const std::string& line : lines) {
    extents.push_back(canvas.MeasureText(line, style));
    depth += extents.back().across;
  }
  const float cx = (area.x1 + area.x2) / 2;
  const float cy = (area.y1 + area.y2) / 2;
  // Reading upwards, the first line is the leftmost.
  float at = (style.vertical ? cx : cy) - depth / 2;
  std::vector<PlacedText> placed;
  for (size_t i = 0; i < lines.size(); ++i) {
    const TextExtent& extent = extents[i];
    Box box;
    if (style.vertical) {
      box = Box{at, cy - extent.along / 2, at + extent.across, cy + extent.along / 2};
    } else {
      box = Box{cx - extent.along / 2, at, cx + extent.along / 2, at + extent.across};
    }
    at += extent.across;
    // Rounding must not carry a box the width of a hair outside its area.
    box = Box{std::max(area.x1, box.x1), std::max(area.y1, box.y1), std::min(area.x2, box.x2),
              std::min(area.y2, box.y2)};
    placed.push_back(PlacedText{box, lines[i], style});
  }
  return placed;
}

}  // namespace

std::vector<PlacedText> FitLines(const LayoutCanvas& canvas, const Box& area,
                                 const std::vector<std::string>& lines, const TextSizes& sizes,
                                 bool bold, Turning turning) {
  if (lines.empty()) return {};
  const float across =
      turning == Turning::kUpwards ? 0 : SizeReading(canvas, area, lines, sizes, bold, false);
  const float upwards =
      turning == Turning::kAcross ? 0 : SizeReading(canvas, area, lines, sizes, bold, true);
  if (across <= 0 && upwards <= 0) return {};
  const bool read_upwards = across <= 0 || (turning == Turning::kUpwards) ||
                            (upwards > 0 && upwards > across * kUpwardsAdvantage);
  const TextStyle style{read_upwards ? upwards : across, bold, read_upwards};
  return Place(canvas, area, lines, style);
}

std::vector<PlacedText> FitFirst(const LayoutCanvas& canvas, const Box& area,
                                 const std::vector<std::vector<std::string>>& arrangements,
                                 const TextSizes& sizes, bool bold, Turning turning) {
  std::vector<PlacedText> best;
  float best_size = 0;
  for (const std::vector<std::string>& lines : arrangements) {
    std::vector<PlacedText> placed = FitLines(canvas, area, lines, sizes, bold, turning);
    if (placed.empty()) continue;
    const float size = placed.front().style.size_pt;
    if (size >= sizes.max_pt) return placed;
    if (size > best_size) {
      best_size = size;
      best = std::move(placed);
    }
  }
  return best;
}

}  // namespace lumora
