#include "core/cuts/cut_drawing.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "core/base/number_text.h"
#include "core/cuts/cut_list.h"
#include "core/cuts/cut_order.h"
#include "core/layouts/layout_colours.h"
#include "core/layouts/layout_texts.h"

namespace lumora {
namespace {

bool OverlapsNone(const std::vector<Box>& boxes, const Box& box) {
  return std::none_of(boxes.begin(), boxes.end(),
                      [&box](const Box& other) { return other.Overlaps(box); });
}

// Passes everything on, keeping the boxes of the texts, so that later texts can keep off them.
class TextKeeper : public LayoutCanvas {
 public:
  explicit TextKeeper(LayoutCanvas& canvas) : canvas_(canvas) {}

  void FillRect(const Box& box, Rgb colour) override { canvas_.FillRect(box, colour); }
  void OutlineRect(const Box& box, Rgb colour, float width_pt) override {
    canvas_.OutlineRect(box, colour, width_pt);
  }
  void Line(Point from, Point to, Rgb colour, float width_pt) override {
    canvas_.Line(from, to, colour, width_pt);
  }
  void Hatch(const Box& box, Rgb colour, float spacing, float width_pt) override {
    canvas_.Hatch(box, colour, spacing, width_pt);
  }
  void Text(const Box& box, std::string_view text, const TextStyle& style, Rgb colour) override {
    taken.push_back(box);
    canvas_.Text(box, text, style, colour);
  }
  TextExtent MeasureText(std::string_view text, const TextStyle& style) const override {
    return canvas_.MeasureText(text, style);
  }

  std::vector<Box> taken;

 private:
  LayoutCanvas& canvas_;
};

void DrawCutNumbers(const LayoutCuts& cuts, const DrawOptions& options, TextKeeper& canvas) {
  const TextStyle style{options.text.min_pt + 1, true, false};
  for (const Cut& cut : cuts.cuts) {
    const bool at_x = cut.axis == CutAxis::kX;
    const auto point = [&](float along) {
      return at_x ? Point{cut.position, along} : Point{along, cut.position};
    };
    canvas.Line(point(cut.start), point(cut.start + cut.length), kLightRed, options.line_width_pt);

    const std::string number = GeneralText(cut.number);
    const TextExtent extent = canvas.MeasureText(number, style);
    const float half_width = extent.along * 0.6f + extent.across * 0.2f;
    const float half_height = extent.across * 0.6f;
    // A number longer than its cut could not tell which cut it names.
    if (2 * (at_x ? half_height : half_width) > cut.length) continue;
    const auto box_at = [&](float share) {
      const Point centre = point(cut.start + cut.length * share);
      return Box{centre.x - half_width, centre.y - half_height, centre.x + half_width,
                 centre.y + half_height};
    };
    // The middle of the cut, else the first place along it that covers no other text.
    Box box = box_at(0.5f);
    for (const float share : {0.5f, 0.35f, 0.65f, 0.2f, 0.8f, 0.1f, 0.9f}) {
      if (OverlapsNone(canvas.taken, box_at(share))) {
        box = box_at(share);
        break;
      }
    }
    canvas.FillRect(box, kWhite);
    canvas.OutlineRect(box, kLightRed, options.line_width_pt);
    canvas.Text(box, number, style, kLightRed);
  }
}

// The distinct positions of the cuts on one axis.
std::vector<float> Positions(const LayoutCuts& cuts, CutAxis axis) {
  std::vector<float> positions;
  for (const Cut& cut : cuts.cuts) {
    if (cut.axis == axis) positions.push_back(cut.position);
  }
  std::sort(positions.begin(), positions.end());
  positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
  return positions;
}

void DrawDimensions(const LayoutCuts& cuts, const Box& sheet, const DrawOptions& options,
                    TextKeeper& canvas) {
  const TextStyle style{options.text.min_pt, false, false};
  const UserScale& view = options.scale;
  const float gap = view.width * 0.004f;
  for (const CutAxis axis : {CutAxis::kX, CutAxis::kY}) {
    const bool at_x = axis == CutAxis::kX;
    // The texts already in the margin the positions go to; of the positions' own texts, sorted
    // along the edge, only the last few in a row can be in the way of the next.
    const Box margin = at_x ? Box{view.left, view.top, view.Right(), sheet.y1}
                            : Box{view.left, view.top, sheet.x1, view.Bottom()};
    std::vector<Box> before;
    std::copy_if(canvas.taken.begin(), canvas.taken.end(), std::back_inserter(before),
                 [&margin](const Box& box) { return box.Overlaps(margin); });
    std::vector<std::vector<Box>> rows;
    for (const float position : Positions(cuts, axis)) {
      const std::string text =
          MeasuredLengthText(position - (at_x ? sheet.x1 : sheet.y1), options.unit);
      const TextExtent extent = canvas.MeasureText(text, style);
      // Rows outwards from the sheet edge until the view's edge.
      size_t row = 0;
      for (float outside = gap;; outside += extent.across + gap, ++row) {
        Box box;
        if (at_x) {
          box = Box{position - extent.along / 2, sheet.y1 - outside - extent.across,
                    position + extent.along / 2, sheet.y1 - outside};
          if (box.y1 < view.top) break;
        } else {
          box = Box{sheet.x1 - outside - extent.along, position - extent.across / 2,
                    sheet.x1 - outside, position + extent.across / 2};
          if (box.x1 < view.left) break;
        }
        if (row == rows.size()) rows.emplace_back();
        const std::vector<Box>& in_row = rows[row];
        const std::vector<Box> recent(
            in_row.end() - std::min<std::ptrdiff_t>(8, std::ssize(in_row)), in_row.end());
        if (!OverlapsNone(before, box) || !OverlapsNone(recent, box)) continue;
        rows[row].push_back(box);
        const Point tick = at_x ? Point{position, box.y2} : Point{box.x2, position};
        const Point edge = at_x ? Point{position, sheet.y1} : Point{sheet.x1, position};
        canvas.Line(tick, edge, kLightRed, kHairlinePt);
        canvas.Text(box, text, style, kBlack);
        break;
      }
    }
  }
}

}  // namespace

void DrawLayoutAndCuts(const LoadedResult& result, int layout_no, const DrawOptions& options,
                       const CutSettings& cut_settings, LayoutCanvas& canvas) {
  TextKeeper keeper(canvas);
  DrawLayout(result, layout_no, options, keeper);
  if (!cut_settings.cut_order && !cut_settings.all_dimensions) return;
  if (layout_no < 1 || layout_no > result.LayoutCount()) return;
  const LayoutCuts cuts = LayoutCutOrder(result, layout_no);
  if (cut_settings.cut_order) DrawCutNumbers(cuts, options, keeper);
  if (cut_settings.all_dimensions)
    DrawDimensions(cuts, FrameBox(result, layout_no), options, keeper);
}

}  // namespace lumora
