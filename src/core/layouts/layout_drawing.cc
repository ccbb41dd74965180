#include "core/layouts/layout_drawing.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "core/layouts/layout_colours.h"
#include "core/layouts/layout_texts.h"

namespace lumora {
namespace {

constexpr float kPointsPerMM = 72.0f / 25.4f;
constexpr float kPaperLineStepMM = 0.15f;
constexpr float kPaperHatchMM = 0.1f;
// Hatching lines per width of the view, so that the hatching follows the scale.
constexpr float kHatchLinesPerView = 64;
// The least side of a flaw's mark, per width of the view.
constexpr float kFlawMarksPerView = 120;
// The cut marks beyond the sheet edge, and the gap before their texts, as parts of the view.
constexpr float kCutMarkPart = 0.02f;
constexpr float kTextGapPart = 0.006f;
// Element texts keep this share of the element's smaller side clear of its edges.
constexpr float kInsetPart = 0.06f;

Box BoxOf(const LayoutElement& e) {
  return Box{std::min(e.x1, e.x2), std::min(e.y1, e.y2), std::max(e.x1, e.x2),
             std::max(e.y1, e.y2)};
}

bool HasArea(const Box& box) { return box.Width() > 0 && box.Height() > 0; }

// A small gap in millimetres that looks the same at any scale.
float Gap(const DrawOptions& options) { return options.scale.width * kTextGapPart; }

Box Inner(const Box& box, const DrawOptions& options) {
  const float inset = std::min(box.Width(), box.Height()) * kInsetPart + Gap(options) / 3;
  return Box{box.x1 + inset, box.y1 + inset, box.x2 - inset, box.y2 - inset};
}

void DrawTexts(LayoutCanvas& canvas, const std::vector<PlacedText>& texts) {
  for (const PlacedText& placed : texts) canvas.Text(placed.box, placed.text, placed.style, kBlack);
}

// Texts on the sheet's hatching get a white ground, so that no hatch line runs through them.
void DrawTextsOnWhite(LayoutCanvas& canvas, const std::vector<PlacedText>& texts) {
  for (const PlacedText& placed : texts) canvas.FillRect(placed.box, kWhite);
  DrawTexts(canvas, texts);
}

std::vector<PlacedText> FitStages(const LayoutCanvas& canvas, const Box& area,
                                  const std::vector<TextArrangements>& stages,
                                  const TextSizes& sizes) {
  for (const TextArrangements& stage : stages) {
    std::vector<PlacedText> placed = FitFirst(canvas, area, stage, sizes, false, Turning::kEither);
    if (!placed.empty()) return placed;
  }
  return {};
}

bool FirstInBlock(const ElementList& shown, int index, int first) {
  if (index <= first) return true;
  const LayoutElement& before = shown[index - 1];
  const LayoutElement& piece = shown[index];
  return before.kind != piece.kind || before.orientation != piece.orientation;
}

// The sheet's L1 above its top edge and its L2 up its left edge, in the view's margins.
void DrawSheetTexts(const LoadedResult& result, const LayoutElement& frame,
                    const DrawOptions& options, LayoutCanvas& canvas) {
  const Box sheet = BoxOf(frame);
  const StockRecord& stock = result.StockOf(frame);
  const float above = sheet.y1 - options.scale.top;
  const float left = sheet.x1 - options.scale.left;
  const Box top_area{sheet.x1, sheet.y1 - 0.85f * above, sheet.x2, sheet.y1 - 0.15f * above};
  const Box left_area{sheet.x1 - 0.85f * left, sheet.y1, sheet.x1 - 0.15f * left, sheet.y2};
  DrawTexts(canvas,
            FitLines(canvas, top_area, {OrderedLengthText(stock.l1, stock.l1_in, options.unit)},
                     options.text, true, Turning::kAcross));
  DrawTexts(canvas,
            FitLines(canvas, left_area, {OrderedLengthText(stock.l2, stock.l2_in, options.unit)},
                     options.text, true, Turning::kUpwards));
}

// The room a cut's text has along the sheet edge, centred on the cut: up to halfway to its
// nearest neighbour and within low .. high.
std::pair<float, float> Band(const std::vector<float>& positions, float at, float low, float high) {
  float half = std::min(at - low, high - at);
  for (const float p : positions) {
    if (p != at) half = std::min(half, std::abs(p - at) / 2);
  }
  half = std::max(half, 0.0f);
  return {at - half, at + half};
}

// Full cuts as lines across the sheet, each continued by a mark beyond the right edge (cuts
// along X) or the bottom edge (cuts along Y) with its position beside the mark.
void DrawFullCuts(const LoadedResult& result, int first, int last, const Box& sheet,
                  const DrawOptions& options, LayoutCanvas& canvas) {
  std::vector<float> across;  // cuts along X, by their Y
  std::vector<float> down;    // cuts along Y, by their X
  for (int i = first; i <= last; ++i) {
    const LayoutElement& e = result.shown[i];
    if (e.kind != kFullCut) continue;
    if (e.y1 == e.y2) across.push_back(e.y1);
    if (e.x1 == e.x2 && e.y1 != e.y2) down.push_back(e.x1);
  }
  const UserScale& view = options.scale;
  const float mark = view.width * kCutMarkPart;
  const float gap = Gap(options);
  // Below the sheet the texts keep to the depth of the top margin: on paper the report section
  // follows there.
  const float below = std::min(view.Bottom(), sheet.y2 + (sheet.y1 - view.top));
  for (int i = first; i <= last; ++i) {
    const LayoutElement& e = result.shown[i];
    if (e.kind != kFullCut) continue;
    canvas.Line({e.x1, e.y1}, {e.x2, e.y2}, kBlack, options.line_width_pt);
    if (e.y1 == e.y2) {
      const float end = std::max(e.x1, e.x2);
      canvas.Line({end, e.y1}, {end + mark, e.y1}, kBlack, options.line_width_pt);
      const auto [top, bottom] = Band(across, e.y1, view.top, view.Bottom());
      const Box area{end + mark + gap, top, view.Right() - gap, bottom};
      DrawTexts(canvas, FitLines(canvas, area, {MeasuredLengthText(e.y1 - sheet.y1, options.unit)},
                                 options.text, false, Turning::kAcross));
    } else if (e.x1 == e.x2) {
      const float end = std::max(e.y1, e.y2);
      canvas.Line({e.x1, end}, {e.x1, end + mark}, kBlack, options.line_width_pt);
      const auto [left, right] = Band(down, e.x1, view.left, view.Right());
      const Box area{left, end + mark + gap, right, below - gap};
      DrawTexts(canvas, FitLines(canvas, area, {MeasuredLengthText(e.x1 - sheet.x1, options.unit)},
                                 options.text, false, Turning::kEither));
    }
  }
}

}  // namespace

DrawOptions ScreenDrawOptions(const DiaSettings& settings, Unit unit, const ScrapLimits& scrap,
                              const UserScale& scale, float view_width_pt) {
  DrawOptions options;
  options.settings = settings;
  options.unit = std::move(unit);
  options.scrap = scrap;
  options.scale = scale;
  options.text = TextSizes{6, std::max(8.0f, view_width_pt / 55)};
  return options;
}

DrawOptions PaperDrawOptions(const DiaSettings& settings, Unit unit, const ScrapLimits& scrap,
                             const UserScale& scale, float page_width_pt) {
  DrawOptions options = ScreenDrawOptions(settings, std::move(unit), scrap, scale, page_width_pt);
  options.paper = true;
  options.text.min_pt = 5;
  const int width = std::clamp(settings.line_width, kMinLineWidth, kMaxLineWidth);
  options.line_width_pt = static_cast<float>(width) * kPaperLineStepMM * kPointsPerMM;
  options.hatch_width_pt = kPaperHatchMM * kPointsPerMM;
  return options;
}

Box FrameBox(const LoadedResult& result, int layout_no) {
  if (layout_no < 1 || layout_no > result.LayoutCount()) return {};
  return BoxOf(result.shown[result.FirstOfLayout(layout_no)]);
}

void DrawLayout(const LoadedResult& result, int layout_no, const DrawOptions& options,
                LayoutCanvas& canvas) {
  if (layout_no < 1 || layout_no > result.LayoutCount()) return;
  const int first = result.FirstOfLayout(layout_no);
  const int last = result.LastOfLayout(layout_no);
  const DiaSettings& settings = options.settings;
  const float kerf = result.basic.kerf;
  const Box sheet = BoxOf(result.shown[first]);

  for (int i = first; i <= last; ++i) {
    const LayoutElement& e = result.shown[i];
    const Box box = BoxOf(e);
    if (e.kind == kStockFrame) {
      canvas.FillRect(box, kWhite);
      canvas.Hatch(box, options.paper ? kDarkBlue : kLightGrey,
                   options.scale.width / kHatchLinesPerView, options.hatch_width_pt);
    } else if (e.kind == kMarginStrip && HasArea(box)) {
      canvas.FillRect(box, kYellow);
    } else if (e.kind > 0) {
      canvas.FillRect(
          box, options.paper ? kWhite : GlassColour(e.kind, settings.On(DiaFlag::kGlassColor)));
    }
  }

  for (int i = first; i <= last; ++i) {
    const LayoutElement& e = result.shown[i];
    const Box box = BoxOf(e);
    if (!HasArea(box)) continue;
    if (e.kind == kMarginStrip && settings.On(DiaFlag::kMarginDimensions)) {
      DrawTexts(canvas, FitLines(canvas, Inner(box, options), {MarginText(e, options.unit)},
                                 options.text, false, Turning::kEither));
    } else if (e.kind == kFreeRect && settings.On(DiaFlag::kBalanceDimensions) &&
               !IsScrap(e.x1, e.y1, e.x2, e.y2, options.scrap)) {
      DrawTextsOnWhite(canvas, FitStages(canvas, Inner(box, options),
                                         {BalanceTexts(e, kerf, options.unit)}, options.text));
    } else if (e.kind > 0 && e.kind <= result.glasses.Count() &&
               (!settings.On(DiaFlag::kOnlyFirstInBlock) || FirstInBlock(result.shown, i, first))) {
      DrawTexts(canvas,
                FitStages(canvas, Inner(box, options),
                          GlassTexts(result.glasses[e.kind], e, kerf, settings, options.unit),
                          options.text));
    }
  }

  // Flaws are hatched in red over whatever lies there, finer than the sheet's hatching; a flaw
  // of a millimetre or two is drawn as large as a mark the eye finds at the view's scale.
  if (static_cast<size_t>(layout_no) <= result.flaws.size()) {
    const float least = options.scale.width / kFlawMarksPerView;
    for (const FlawBox& flaw : result.flaws[static_cast<size_t>(layout_no - 1)]) {
      const float grow_x = std::max(least - (flaw.x2 - flaw.x1), 0.0f) / 2;
      const float grow_y = std::max(least - (flaw.y2 - flaw.y1), 0.0f) / 2;
      const Box box{flaw.x1 - grow_x, flaw.y1 - grow_y, flaw.x2 + grow_x, flaw.y2 + grow_y};
      canvas.Hatch(box, kLightRed, options.scale.width / kHatchLinesPerView / 4,
                   options.hatch_width_pt);
      canvas.OutlineRect(box, kLightRed, options.line_width_pt);
    }
  }

  // Scrap is filled before the outlines, so that it hides none of them.
  if (settings.On(DiaFlag::kBalanceBoundries)) {
    for (int i = first; i <= last; ++i) {
      const LayoutElement& e = result.shown[i];
      if (e.kind == kFreeRect && HasArea(BoxOf(e)) &&
          IsScrap(e.x1, e.y1, e.x2, e.y2, options.scrap)) {
        canvas.FillRect(BoxOf(e), kDarkGrey);
      }
    }
  }
  if (settings.On(DiaFlag::kSheetDimensions)) {
    DrawSheetTexts(result, result.shown[first], options, canvas);
  }
  canvas.OutlineRect(sheet, kBlack, options.line_width_pt);
  for (int i = first + 1; i <= last; ++i) {
    const LayoutElement& e = result.shown[i];
    const Box box = BoxOf(e);
    const bool outlined = e.kind == kMarginStrip || e.kind > 0 ||
                          (e.kind == kFreeRect && settings.On(DiaFlag::kBalanceBoundries) &&
                           !IsScrap(e.x1, e.y1, e.x2, e.y2, options.scrap));
    if (outlined && HasArea(box)) canvas.OutlineRect(box, kBlack, options.line_width_pt);
  }
  DrawFullCuts(result, first, last, sheet, options, canvas);
}

}  // namespace lumora
