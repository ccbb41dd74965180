#include "core/cuts/cut_drawing.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/base/number_text.h"
#include "core/cuts/breakout_order.h"
#include "core/cuts/cut_list.h"
#include "core/cuts/cut_order.h"
#include "core/cuts/edge_texts.h"
#include "core/layouts/layout_colours.h"
#include "core/layouts/layout_texts.h"

namespace lumora {
namespace {

// The dimension texts start this much above the smallest size, and keep a gap of this part of
// the view's width from one another.
constexpr float kDimensionExtraPt = 2;
constexpr float kDimensionGapPart = 0.004f;

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

// Each piece's breakout number in a dark blue box at its top left corner, where it fits.
void DrawBreakoutNumbers(const LoadedResult& result, int layout_no, const DrawOptions& options,
                         TextKeeper& canvas) {
  const TextStyle style{options.text.min_pt + 1, true, false};
  const std::vector<int> order = PiecesInCuttingOrder(result.shown, result.FirstOfLayout(layout_no),
                                                      result.LastOfLayout(layout_no));
  for (size_t b = 0; b < order.size(); ++b) {
    const LayoutElement& piece = result.shown[order[b]];
    const std::string number = GeneralText(static_cast<int>(b) + 1);
    const TextExtent extent = canvas.MeasureText(number, style);
    const float width = extent.along * 1.2f + extent.across * 0.4f;
    const float height = extent.across * 1.2f;
    const float inset = extent.across * 0.2f;
    const Box box{piece.x1 + inset, piece.y1 + inset, piece.x1 + inset + width,
                  piece.y1 + inset + height};
    if (box.x2 > piece.x2 || box.y2 > piece.y2) continue;
    canvas.FillRect(box, kDarkBlue);
    canvas.Text(box, number, style, kWhite);
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

// One side of the sheet in the terms of PlaceEdgeTexts: the top edge, with x along it and y
// upwards, or the left edge, with y along it and x leftwards.
class SheetEdge {
 public:
  SheetEdge(const Box& sheet, bool top) : sheet_(sheet), top_(top) {}

  Box ToEdge(const Box& b) const {
    return top_ ? Box{b.x1, sheet_.y1 - b.y2, b.x2, sheet_.y1 - b.y1}
                : Box{b.y1, sheet_.x1 - b.x2, b.y2, sheet_.x1 - b.x1};
  }
  Box FromEdge(const Box& e) const {
    return top_ ? Box{e.x1, sheet_.y1 - e.y2, e.x2, sheet_.y1 - e.y1}
                : Box{sheet_.x1 - e.y2, e.x1, sheet_.x1 - e.y1, e.x2};
  }
  Point FromEdge(Point p) const {
    return top_ ? Point{p.x, sheet_.y1 - p.y} : Point{sheet_.x1 - p.y, p.x};
  }
  // Where the texts may go along the edge and how far out the view reaches.
  EdgeRoom Room(const UserScale& view, float gap, const std::vector<Box>& taken) const {
    EdgeRoom room;
    room.low = top_ ? sheet_.x1 : sheet_.y1;
    room.high = top_ ? sheet_.x2 : sheet_.y2;
    room.reach = top_ ? sheet_.y1 - view.top : sheet_.x1 - view.left;
    room.gap = gap;
    for (const Box& box : taken) room.taken.push_back(ToEdge(box));
    return room;
  }
  float Origin() const { return top_ ? sheet_.x1 : sheet_.y1; }
  bool top() const { return top_; }

 private:
  Box sheet_;
  bool top_;
};

// The positions of one axis beside their edge, as large as they fit down to the smallest size;
// the top edge's may read upwards to take less room. At the smallest size the most crowded are
// left out until the others fit.
void DrawDimensionsAt(const std::vector<float>& positions, const SheetEdge& edge,
                      const DrawOptions& options, TextKeeper& canvas) {
  if (positions.empty()) return;
  std::vector<std::string> texts;
  for (const float position : positions) {
    texts.push_back(MeasuredLengthText(position - edge.Origin(), options.unit));
  }
  const EdgeRoom room =
      edge.Room(options.scale, options.scale.width * kDimensionGapPart, canvas.taken);
  const auto place = [&](const TextStyle& style, bool thin_out) {
    std::vector<EdgeText> measured;
    for (size_t i = 0; i < texts.size(); ++i) {
      const TextExtent extent = canvas.MeasureText(texts[i], style);
      // Numbers side by side keep half a line apart, so that two do not read as one.
      const bool along_edge = edge.top() != style.vertical;
      measured.push_back({positions[i],
                          along_edge ? extent.along + extent.across / 2 : extent.across,
                          along_edge ? extent.across : extent.along});
    }
    return PlaceEdgeTexts(measured, room, thin_out);
  };
  std::vector<TextStyle> styles;
  for (float size = options.text.min_pt + kDimensionExtraPt; size >= options.text.min_pt;
       size -= 1) {
    styles.push_back({size, false, false});
    if (edge.top()) styles.push_back({size, false, true});
  }
  std::vector<PlacedEdgeText> placed;
  TextStyle style;
  for (size_t i = 0; i < styles.size() && placed.empty(); ++i) {
    style = styles[i];
    placed = place(style, false);
  }
  if (placed.empty()) {
    style = styles.back();
    placed = place(style, true);
  }
  for (const PlacedEdgeText& text : placed) {
    canvas.Line(edge.FromEdge(text.leader[0]), edge.FromEdge(text.leader[1]), kLightRed,
                kHairlinePt);
    canvas.Line(edge.FromEdge(text.leader[1]), edge.FromEdge(text.leader[2]), kLightRed,
                kHairlinePt);
    canvas.Text(edge.FromEdge(text.box), texts[text.index], style, kBlack);
  }
}

void DrawDimensions(const LayoutCuts& cuts, const Box& sheet, const DrawOptions& options,
                    TextKeeper& canvas) {
  DrawDimensionsAt(Positions(cuts, CutAxis::kX), SheetEdge(sheet, true), options, canvas);
  DrawDimensionsAt(Positions(cuts, CutAxis::kY), SheetEdge(sheet, false), options, canvas);
}

}  // namespace

void DrawLayoutAndCuts(const LoadedResult& result, int layout_no, const DrawOptions& options,
                       const CutSettings& cut_settings, LayoutCanvas& canvas,
                       bool breakout_numbers) {
  TextKeeper keeper(canvas);
  DrawLayout(result, layout_no, options, keeper);
  if (layout_no < 1 || layout_no > result.LayoutCount()) return;
  if (breakout_numbers) DrawBreakoutNumbers(result, layout_no, options, keeper);
  if (!cut_settings.cut_order && !cut_settings.all_dimensions) return;
  const LayoutCuts cuts = LayoutCutOrder(result, layout_no);
  if (cut_settings.cut_order) DrawCutNumbers(cuts, options, keeper);
  if (cut_settings.all_dimensions)
    DrawDimensions(cuts, FrameBox(result, layout_no), options, keeper);
}

}  // namespace lumora
