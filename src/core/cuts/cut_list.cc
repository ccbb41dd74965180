#include "core/cuts/cut_list.h"

#include "core/base/number_text.h"

namespace lumora {
namespace {

std::string Length(double mm, Unit unit) {
  return ToUnitText(TrimZeros(static_cast<float>(mm)), unit);
}

std::string_view AxisName(CutAxis axis) { return axis == CutAxis::kX ? "X" : "Y"; }
std::string_view OtherAxisName(CutAxis axis) { return axis == CutAxis::kX ? "Y" : "X"; }

// Blanks after (LeftAligned) or before (RightAligned) the text up to the width.
std::string LeftAligned(std::string text, size_t width) {
  if (text.size() < width) text.append(width - text.size(), ' ');
  return text;
}

std::string RightAligned(const std::string& text, size_t width) {
  return text.size() < width ? std::string(width - text.size(), ' ') + text : text;
}

}  // namespace

CutSequence SequenceOf(const LoadedResult& result) {
  return result.line_cut ? CutSequence::kPartByPart : CutSequence::kStageByStage;
}

LayoutCuts LayoutCutOrder(const LoadedResult& result, int layout_no) {
  if (layout_no < 1 || layout_no > result.LayoutCount()) return {};
  const int first = result.FirstOfLayout(layout_no);
  // The stored frame runs to the coil's end, the shown one to the length the layout uses.
  return CutOrder(result.shown, first, result.LastOfLayout(layout_no),
                  result.coil_mode ? result.elements[first].x2 : 0, SequenceOf(result));
}

ResultCuts CutOrderOfResult(const LoadedResult& result) {
  ResultCuts all;
  for (int n = 1; n <= result.LayoutCount(); ++n) {
    const LayoutElement& frame = result.shown[result.FirstOfLayout(n)];
    all.layouts.push_back(LayoutCutOrder(result, n));
    const float sheets = frame.repeat;
    all.sheets.push_back(sheets);
    all.cut_count += sheets * static_cast<double>(all.layouts.back().cuts.size());
    all.total_length += sheets * all.layouts.back().total_length;
    if (result.coil_mode) {
      all.coil_lengths.push_back(frame.x2 - frame.x1);
      all.coil_used += sheets * static_cast<double>(all.coil_lengths.back());
    }
  }
  return all;
}

std::vector<std::string> CutListLines(const LayoutCuts& cuts, Unit unit) {
  std::vector<std::string> lines = {"Cut Order", "  No Stage  Position      Start         Length"};
  for (const Cut& cut : cuts.cuts) {
    lines.push_back(
        RightAligned(GeneralText(cut.number), 4) + RightAligned(GeneralText(cut.stage), 6) + "  " +
        LeftAligned(std::string(AxisName(cut.axis)) + " " + Length(cut.position, unit), 14) +
        LeftAligned(std::string(OtherAxisName(cut.axis)) + " " + Length(cut.start, unit), 14) +
        Length(cut.length, unit));
  }
  lines.push_back("Cuts: " + GeneralText(static_cast<int>(cuts.cuts.size())) +
                  "   Total Length: " + Length(cuts.total_length, unit));
  if (!cuts.Guillotine()) {
    std::string names;
    for (int piece : cuts.blocking_pieces) {
      names += (names.empty() ? "" : ", ") + GeneralText(piece);
    }
    lines.push_back("Not guillotine: no straight cut parts the pieces " + names);
  }
  return lines;
}

std::vector<std::string> LayoutCutList(const LoadedResult& result, int layout_no, Unit unit) {
  if (layout_no < 1 || layout_no > result.LayoutCount()) return {};
  return CutListLines(LayoutCutOrder(result, layout_no), unit);
}

std::string ResultCutsLine(const ResultCuts& cuts, Unit unit) {
  const bool coil = !cuts.coil_lengths.empty();
  return std::string(coil ? "All layouts: " : "All sheets: ") + FormatDouble(cuts.cut_count, "0") +
         " cuts   Total Length: " + Length(cuts.total_length, unit) +
         (coil ? "   Coil used: " + Length(cuts.coil_used, unit) : "");
}

std::string CutsText(const ResultCuts& cuts, int only, Unit unit) {
  const int count = static_cast<int>(cuts.layouts.size());
  std::string text;
  for (int n = 1; n <= count; ++n) {
    if (only != 0 && n != only) continue;
    const size_t index = static_cast<size_t>(n - 1);
    const float sheets = cuts.sheets[index];
    text += "Layout " + GeneralText(n) + " / " + GeneralText(count) + ": ";
    if (cuts.coil_lengths.empty()) {
      text += GeneralText(sheets) + (sheets == 1 ? " sheet\n" : " sheets\n");
    } else {
      text += (sheets == 1 ? "" : GeneralText(sheets) + " x ") +
              Length(cuts.coil_lengths[index], unit) + " of coil\n";
    }
    for (const std::string& line : CutListLines(cuts.layouts[index], unit)) {
      text += line + "\n";
    }
    text += "\n";
  }
  return text + ResultCutsLine(cuts, unit) + "\n";
}

std::string CutsCsv(const ResultCuts& cuts, int only) {
  std::string csv = "layout,cut,stage,axis,position,start,length\n";
  for (size_t n = 1; n <= cuts.layouts.size(); ++n) {
    if (only != 0 && static_cast<int>(n) != only) continue;
    for (const Cut& cut : cuts.layouts[n - 1].cuts) {
      csv += GeneralText(static_cast<int>(n)) + "," + GeneralText(cut.number) + "," +
             GeneralText(cut.stage) + "," + std::string(AxisName(cut.axis)) + "," +
             GeneralText(cut.position) + "," + GeneralText(cut.start) + "," +
             GeneralText(cut.length) + "\n";
    }
  }
  return csv;
}

}  // namespace lumora
