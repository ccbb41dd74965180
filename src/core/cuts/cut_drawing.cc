#include "core/cuts/cut_drawing.h"

#include <string>

#include "core/layouts/layout_colours.h"
#include "core/reports/number_text.h"

namespace lumora {

void DrawCutNumbers(const LayoutCuts& cuts, const DrawOptions& options, LayoutCanvas& canvas) {
  const TextStyle style{options.text.min_pt + 1, true, false};
  for (const Cut& cut : cuts.cuts) {
    const float end = cut.start + cut.length;
    const float middle = cut.start + cut.length / 2;
    const bool at_x = cut.axis == CutAxis::kX;
    const Point from = at_x ? Point{cut.position, cut.start} : Point{cut.start, cut.position};
    const Point to = at_x ? Point{cut.position, end} : Point{end, cut.position};
    canvas.Line(from, to, kLightRed, options.line_width_pt);

    const std::string number = GeneralText(cut.number);
    const TextExtent extent = canvas.MeasureText(number, style);
    const float half_width = extent.along * 0.6f + extent.across * 0.2f;
    const float half_height = extent.across * 0.6f;
    const Point centre = at_x ? Point{cut.position, middle} : Point{middle, cut.position};
    const Box box{centre.x - half_width, centre.y - half_height, centre.x + half_width,
                  centre.y + half_height};
    canvas.FillRect(box, kWhite);
    canvas.OutlineRect(box, kLightRed, options.line_width_pt);
    canvas.Text(box, number, style, kLightRed);
  }
}

}  // namespace lumora
