#include "core/exports/export_tables.h"

#include <algorithm>

#include "core/base/number_text.h"
#include "core/cuts/breakout_order.h"
#include "core/cuts/cut_list.h"
#include "core/engine2d/engine_math.h"
#include "core/reports/balance_table.h"
#include "core/tables/column_dictionary.h"
#include "core/tables/table_file.h"

namespace lumora {
namespace {

// Square millimetres in a square foot and in a square metre.
constexpr double kSquareFoot = 92903.04;
constexpr double kSquareMetre = 1e6;

ExportCell Number(double value) { return TwoDecimalsCell(value); }
ExportCell Text(std::string text) { return TextCell(std::move(text)); }
ExportCell Whole(int value) { return WholeCell(value); }
ExportCell Whole(float value) { return {GeneralText(value), value}; }

struct Units {
  bool inch;
  std::string tag;   // "(MM)" or "(IN)"
  std::string area;  // "(m²)" or "(ft²)", Latin-1
  double area_divisor;

  explicit Units(Unit unit)
      : inch(unit == Unit::kIn),
        tag(inch ? "(IN)" : "(MM)"),
        area(inch ? "(ft\xB2)" : "(m\xB2)"),
        area_divisor(inch ? kSquareFoot : kSquareMetre) {}

  // A length as entered in inches, or the millimetres as a number.
  ExportCell Length(float mm, const std::string& inch_text) const {
    return inch ? Text(inch_text) : ExportCell{GeneralText(mm), mm};
  }
  // A length the result worked out, in inches as the cut list shows it.
  ExportCell Length(float mm) const {
    return Length(mm, inch ? ToUnitText(TrimZeros(mm), Unit::kIn) : std::string());
  }
  ExportCell Area(double square_mm) const { return Number(square_mm / area_divisor); }
};

}  // namespace

ExportCell TwoDecimalsCell(double value) { return {FormatDouble(value, "0.00"), value, true}; }
ExportCell TextCell(std::string text) { return {std::move(text), std::nullopt, false}; }
ExportCell WholeCell(int64_t value) { return {GeneralText(value), static_cast<double>(value)}; }

std::vector<std::string> PieceHeaders(Unit unit) {
  const Units units(unit);
  return {"No.",      "Layout No.",     "Sheet",          "Breakout",
          "Position", "L1" + units.tag, "L2" + units.tag, "Customer",
          "Sr.No",    "Weight(kg)"};
}

std::vector<ExportCell> PieceCells(const LoadedResult& result, const SheetPiece& piece, Unit unit,
                                   double kg) {
  const Units units(unit);
  const GlassRecord& g = result.glasses[piece.glass_index];
  return {WholeCell(piece.job_breakout),
          Whole(piece.layout_no),
          Whole(piece.sheet),
          Whole(piece.breakout),
          Whole(piece.position),
          units.Length(g.l1, g.l1_in),
          units.Length(g.l2, g.l2_in),
          Text(g.customer),
          Text(g.sr_no),
          Number(kg)};
}

Grid TableGrid(const ExportTable& table) {
  std::string format = "<Sr No";
  for (size_t c = 0; c < table.headers.size(); ++c) {
    size_t width = table.headers[c].size();
    for (const std::vector<ExportCell>& row : table.rows) {
      if (c < row.size()) width = std::max(width, row[c].text.size());
    }
    format += "|<" + table.headers[c] + std::string(width + 1 - table.headers[c].size(), ' ');
  }
  Grid grid;
  ApplyFormatString(grid, format);
  // As a loaded table file: the rows, then an empty row.
  grid.SetRows(static_cast<int>(table.rows.size()) + 2);
  for (size_t r = 0; r < table.rows.size(); ++r) {
    for (size_t c = 0; c < table.rows[r].size() && c < table.headers.size(); ++c) {
      grid.SetText(static_cast<int>(r) + 1, static_cast<int>(c) + 1, table.rows[r][c].text);
    }
  }
  RenumberRows(grid);
  return grid;
}

ExportTable GridExportTable(const Grid& grid, std::string name) {
  ExportTable table{std::move(name), {}, {}};
  std::vector<int> columns;
  std::vector<bool> numeric;
  for (int c = 1; c < grid.Cols(); ++c) {
    if (grid.ColWidth(c) <= 0) continue;
    columns.push_back(c);
    const std::string header(TrimBlanks(grid.Text(0, c)));
    table.headers.push_back(header);
    numeric.push_back(DescribeColumn(header).value_or(ColumnInfo{}).kind != 'S');
  }
  for (int r = 1; r < grid.Rows(); ++r) {
    std::vector<ExportCell> row;
    bool any = false;
    for (size_t k = 0; k < columns.size(); ++k) {
      const std::string text(TrimBlanks(grid.Text(r, columns[k])));
      any = any || !text.empty();
      row.push_back(numeric[k] && IsNumberText(text) ? ExportCell{text, ReadDouble(text)}
                                                     : Text(text));
    }
    if (any) table.rows.push_back(std::move(row));
  }
  return table;
}

ExportTable LayoutSummaryTable(const LoadedResult& result, Unit unit) {
  const Units units(unit);
  ExportTable table{"Layouts",
                    {"Layout No.", "Sheet L1" + units.tag, "Sheet L2" + units.tag, "Sheets",
                     "Pieces", "Yield(%)", "Sheet Area" + units.area, "Glass Area" + units.area},
                    {}};
  for (int n = 1; n <= result.LayoutCount(); ++n) {
    const LayoutElement& frame = result.shown[result.FirstOfLayout(n)];
    const StockRecord& stock = result.StockOf(frame);
    int pieces = 0;
    float glass_area = 0;
    for (int i = result.FirstOfLayout(n); i <= result.LastOfLayout(n); ++i) {
      const int kind = result.shown[i].kind;
      if (kind <= 0) continue;
      ++pieces;
      glass_area += result.glasses[kind].l1 * result.glasses[kind].l2;
    }
    const float yield = MinSingle(glass_area / (stock.l1 * stock.l2), 1);
    table.rows.push_back({Whole(n), units.Length(stock.l1, stock.l1_in),
                          units.Length(stock.l2, stock.l2_in), Whole(frame.repeat),
                          Whole(pieces * frame.repeat), Number(yield * 100.0),
                          units.Area(double{stock.l1} * stock.l2 * frame.repeat),
                          units.Area(double{glass_area} * frame.repeat)});
  }
  return table;
}

ExportTable GlassSummaryTable(const LoadedResult& result, Unit unit) {
  const Units units(unit);
  ExportTable table{"Glass Sizes",
                    {"L1" + units.tag, "L2" + units.tag, "Qty", "QTY Wanted", "Customer", "Sr.No",
                     "Area" + units.area, "SP/SFT", "RS"},
                    {}};
  OneBasedList<float> produced;
  produced.Resize(result.glasses.Count());
  for (const LayoutElement& e : result.shown) {
    if (e.kind > 0) produced[e.kind] += e.repeat;
  }
  for (int i = 1; i <= result.glasses.Count(); ++i) {
    if (!(produced[i] > 0)) continue;
    const GlassRecord& g = result.glasses[i];
    // The chargeable sizes, as the report's areas and amounts take them.
    const double charged = double{ReadFloat(InchTextToMM(g.chl1_in))} *
                           ReadFloat(InchTextToMM(g.chl2_in)) * produced[i];
    table.rows.push_back({units.Length(g.l1, g.l1_in), units.Length(g.l2, g.l2_in),
                          Whole(produced[i]), Whole(g.qty), Text(g.customer), Text(g.sr_no),
                          units.Area(charged), ExportCell{GeneralText(g.sp_sft), g.sp_sft},
                          Number(charged / kSquareFoot * g.sp_sft)});
  }
  return table;
}

ExportTable BalanceExportTable(const LoadedResult& result, Unit unit, const ScrapLimits& scrap) {
  Grid grid;
  ApplyFormatString(grid, BuildFormatString(BalanceTableHeaders()));
  LoadTableFromBytes(grid, BalanceTableBytes(result, unit, scrap));
  return GridExportTable(grid, "Balances");
}

ExportTable CutExportTable(const LoadedResult& result, Unit unit) {
  const Units units(unit);
  ExportTable table{"Cuts",
                    {"Layout No.", "No", "Stage", "Axis", "Position" + units.tag,
                     "Start" + units.tag, "Length" + units.tag},
                    {}};
  const ResultCuts cuts = CutOrderOfResult(result);
  for (size_t n = 1; n <= cuts.layouts.size(); ++n) {
    for (const Cut& cut : cuts.layouts[n - 1].cuts) {
      table.rows.push_back({Whole(static_cast<int>(n)), Whole(cut.number), Whole(cut.stage),
                            Text(cut.axis == CutAxis::kX ? "X" : "Y"), units.Length(cut.position),
                            units.Length(cut.start), units.Length(cut.length)});
    }
  }
  return table;
}

ExportTable WeightExportTable(const LoadedResult& result, const Weighing& weighing) {
  ExportTable table{"Weights",
                    {"Layout No.", "Sheets", "Sheet(kg)", "Pieces", "Pieces(kg)", "All Pieces(kg)"},
                    {}};
  for (int n = 1; n <= result.LayoutCount(); ++n) {
    const LayoutElement& frame = result.shown[result.FirstOfLayout(n)];
    const StockRecord& stock = result.StockOf(frame);
    int pieces = 0;
    double kg = 0;
    for (int i = result.FirstOfLayout(n); i <= result.LastOfLayout(n); ++i) {
      const int kind = result.shown[i].kind;
      if (kind <= 0) continue;
      ++pieces;
      kg += weighing.Kg(result.glasses[kind].l1, result.glasses[kind].l2);
    }
    table.rows.push_back({Whole(n), Whole(frame.repeat), Number(weighing.Kg(stock.l1, stock.l2)),
                          Whole(pieces), Number(kg), Number(kg * frame.repeat)});
  }
  return table;
}

PieceTable BreakoutExportTable(const LoadedResult& result, Unit unit, const Weighing& weighing) {
  PieceTable pieces{{"Breakout", PieceHeaders(unit), {}}, {}};
  const bool all = ForEachSheetPiece(result, PieceOrder::kBreakout, [&](const SheetPiece& piece) {
    if (static_cast<int64_t>(pieces.table.rows.size()) == kMostListedPieces) return false;
    const GlassRecord& g = result.glasses[piece.glass_index];
    pieces.table.rows.push_back(PieceCells(result, piece, unit, weighing.Kg(g.l1, g.l2)));
    return true;
  });
  if (!all) pieces.error = TooManyPiecesText();
  return pieces;
}

}  // namespace lumora
