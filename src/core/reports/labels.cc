#include "core/reports/labels.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/base/field_reader.h"
#include "core/base/number_text.h"
#include "core/reports/column_writer.h"

namespace lumora {
namespace {

constexpr int kLargestColumn = 32767;

int NearestShort(std::string_view text) {
  const double value = std::nearbyint(ReadDouble(text));
  return static_cast<int>(std::clamp(value, -32768.0, 32767.0));
}

std::string SizeText(const GlassRecord& glass, bool inch) {
  if (inch) {
    return "SIZE(IN) :" + MMToInchText(GeneralText(glass.l1)) + " x " +
           MMToInchText(GeneralText(glass.l2));
  }
  return "SIZE(MM) :" + GeneralText(glass.l1) + " x " + GeneralText(glass.l2);
}

// Writes rows of labels, a page break every `rows` rows.
class LabelWriter {
 public:
  explicit LabelWriter(const LabelGrid& grid) : grid_(grid) {}

  // Writes one row of labels; false once the text has grown past the limit.
  bool WriteRow(const std::vector<LabelTexts>& labels) {
    // With ROWS below 1 every row is a page of its own, and the first starts without a break.
    if (++row_ > grid_.rows) {
      row_ = 1;
      if (out_.Size() > 0) out_.Line("*");
    }
    if (row_ == 1) EmptyLines(grid_.top_lines);
    for (const int slot : kLabelSlotOrder) {
      for (size_t j = 0; j < labels.size(); ++j) {
        const long long column =
            static_cast<long long>(grid_.first_col) + static_cast<long long>(j) * grid_.pitch;
        out_.Place(
            static_cast<int>(std::clamp(column, 1LL, static_cast<long long>(kLargestColumn))),
            labels[j][static_cast<size_t>(slot)]);
        if (out_.Size() > kMaxLabelBytes) return false;
      }
    }
    out_.EndLine();
    EmptyLines(grid_.gap_lines);
    return out_.Size() <= kMaxLabelBytes;
  }

  std::string Take() { return out_.Take(); }

 private:
  void EmptyLines(int count) {
    for (int i = 0; i < count; ++i) out_.EndLine();
  }

  const LabelGrid grid_;
  ColumnWriter out_;
  int row_ = 0;
};

}  // namespace

LabelGrid ReadLabelGrid(std::string_view bytes) {
  FieldReader reader(bytes);
  LabelGrid grid;
  grid.rows = NearestShort(reader.Next());
  grid.cols = NearestShort(reader.Next());
  grid.first_col = NearestShort(reader.Next());
  grid.pitch = NearestShort(reader.Next());
  grid.top_lines = NearestShort(reader.Next());
  grid.gap_lines = NearestShort(reader.Next());
  return grid;
}

LabelTexts MakeLabel(const LoadedResult& result, int glass_index, int running_number, Unit unit) {
  const GlassRecord& glass = result.glasses[glass_index];
  const bool inch = unit == Unit::kIn;
  return LabelTexts{"SR.NO    :" + glass.sr_no,
                    "ITEM     :" + result.basic.item,
                    SizeText(glass, inch),
                    SizeText(glass, !inch),
                    "QTY      :" + GeneralText(running_number) + "/" + GeneralText(glass.qty),
                    "CUSTOMER :" + glass.customer,
                    "A/C      :" + glass.ac,
                    "SITE     :" + glass.site,
                    "REF      :" + glass.ref,
                    "FROM     :" + glass.from,
                    "ADDRESS  :" + glass.address};
}

bool ForEachLabelPiece(const LoadedResult& result, PieceOrder order,
                       const std::function<bool(const LabelPiece&)>& visit) {
  OneBasedList<int> counters;
  counters.Resize(result.glasses.Count());
  return ForEachSheetPiece(result, order, [&](const SheetPiece& piece) {
    return visit({piece, ++counters[piece.glass_index]});
  });
}

LabelFile ComposeLabels(const LoadedResult& result, const LabelGrid& grid, Unit unit,
                        PieceOrder order) {
  const size_t cols = static_cast<size_t>(std::max(1, grid.cols));
  LabelWriter writer(grid);
  std::vector<LabelTexts> row;
  const LabelFile too_big{{}, "Too many labels: lbl.tlf would pass 16 MB."};
  const bool written = ForEachLabelPiece(result, order, [&](const LabelPiece& label) {
    row.push_back(MakeLabel(result, label.piece.glass_index, label.running_number, unit));
    if (row.size() < cols) return true;
    const bool fits = writer.WriteRow(row);
    row.clear();
    return fits;
  });
  if (!written) return too_big;
  if (!row.empty() && !writer.WriteRow(row)) return too_big;
  return LabelFile{writer.Take(), {}};
}

}  // namespace lumora
