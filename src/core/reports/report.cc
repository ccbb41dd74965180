#include "core/reports/report.h"

#include <array>
#include <utility>

#include "core/base/number_text.h"
#include "core/engine2d/engine_math.h"
#include "core/engine2d/layout_evaluation.h"
#include "core/reports/column_writer.h"

namespace lumora {
namespace {

// Square millimetres in a square foot, as a float (not the float product of 304.8 * 304.8).
constexpr float kSquareFoot = 92903.04f;
constexpr std::string_view kNb3 = "\xA0\xA0\xA0";

std::string Rule(char c) { return std::string(79, c); }

// Writes the report and keeps the figures, for one unit and scrap criteria.
class ReportWriter {
 public:
  ReportWriter(const LoadedResult& result, Unit unit, const ScrapLimits& scrap)
      : result_(result),
        unit_(unit == Unit::kIn ? Unit::kIn : Unit::kMm),
        inch_(unit_ == Unit::kIn),
        scrap_(scrap) {}

  Report Write() {
    WriteHeading();
    WriteSheetSummary();
    WriteGlassSummary();
    WriteCostSummary();
    WriteLayoutSections();
    report_.report = out_.Take();
    return std::move(report_);
  }

 private:
  std::string UnitTag() const { return "(" + std::string(UnitText(unit_)) + ")"; }

  // A dimension column: the inch text as entered in inch mode, the millimetres otherwise.
  std::string DimColumn(float mm, const std::string& inch_text) const {
    return inch_ ? FmtDimIN(inch_text) : FmtDimMM(GeneralText(mm));
  }

  // A length measured on a layout, in the display unit.
  std::string LengthColumn(float mm) const {
    const std::string text = ToUnitText(GeneralText(To3Decimals(mm)), unit_);
    return inch_ ? FmtDimIN(text) : FmtDimMM(text);
  }

  void DimensionHeader() {
    out_.Place(1, std::string(kNb3) + "L1" + UnitTag());
    out_.Place(10, " x ");
    out_.Place(13, "   L2" + UnitTag());
    out_.Place(23, "  Qty");
  }

  void WriteHeading() {
    ReportFigures& f = report_.figures;
    const PassStatistics stats = PassStats(result_.shown);
    f.overall_yield = stats.yield;
    f.layout_count = stats.layout_count;
    out_.Line("Overall Yield(%)=" + FormatNumber(f.overall_yield * 100, "0.00") +
              "     Total Layouts=" + GeneralText(f.layout_count));
    out_.Line("Item: " + result_.basic.item + "     Unit: " + std::string(UnitText(unit_)));
    out_.Line("");
    out_.Line(Rule('*'));
  }

  void WriteSheetSummary() {
    const StockList& stocks = result_.stocks;
    OneBasedList<float> used;
    used.Resize(stocks.Count());
    for (const LayoutElement& e : result_.shown) {
      if (e.kind == kStockFrame) used[result_.StockIndexOf(e)] += e.repeat;
    }
    // Coil layouts of the same used length are one sheet size.
    if (result_.coil_mode) {
      for (int i = 1; i <= stocks.Count(); ++i) {
        for (int j = i + 1; j <= stocks.Count(); ++j) {
          if (used[j] != 0 && stocks[j].l1 == stocks[i].l1 && stocks[j].l2 == stocks[i].l2 &&
              stocks[j].cp_sft == stocks[i].cp_sft) {
            used[i] += used[j];
            used[j] = 0;
          }
        }
      }
    }

    out_.Line("Sheet(s) Utilization Summary");
    out_.Line("");
    DimensionHeader();
    out_.Place(29, "     Area");
    out_.Place(39, " CP/SFT");
    out_.Place(47, "        RS");
    out_.EndLine();
    out_.Line(Rule('-'));

    std::string sheets_used;
    float total_used = 0;
    ReportFigures& f = report_.figures;
    for (int i = 1; i <= stocks.Count(); ++i) {
      if (!(used[i] > 0)) continue;
      const StockRecord& s = stocks[i];
      const float area = s.l1 * s.l2 * used[i] / kSquareFoot;
      const float amount = area * s.cp_sft;
      total_used += used[i];
      f.sheet_area += area;
      f.sheet_amount += amount;
      out_.Place(1, DimColumn(s.l1, s.l1_in));
      out_.Place(10, " x ");
      out_.Place(13, DimColumn(s.l2, s.l2_in));
      out_.Place(23, FmtQty(GeneralText(used[i])));
      out_.Place(29, FmtArea(FormatNumber(area, "0.00")));
      out_.Place(39, FmtRate(GeneralText(s.cp_sft)));
      out_.Place(47, FmtAmount(FormatNumber(amount, "0")));
      out_.EndLine();
      sheets_used += SheetsUsedRecord(
          {GeneralText(s.l1), GeneralText(s.l2), GeneralText(used[i]), GeneralText(s.cp_sft)});
    }
    report_.sheets_adj = std::move(sheets_used);
    out_.Line(Rule('-'));
    out_.Place(1, "TOTAL");
    out_.Place(23, FmtQty(GeneralText(total_used)));
    out_.Place(29, FmtArea(FormatNumber(f.sheet_area, "0.00")));
    out_.Place(47, FmtAmount(FormatNumber(f.sheet_amount, "0")));
    out_.EndLine();
    out_.Line("");
    out_.Line(Rule('*'));
  }

  // Four quoted fields; blanks after a field's comma bring the next opening quote to columns
  // 13, 25 and 34 where the line has not reached them, and the line is never broken.
  static std::string SheetsUsedRecord(const std::array<std::string, 4>& fields) {
    constexpr std::array<size_t, 3> kQuoteColumns = {13, 25, 34};
    std::string line = "\"" + fields[0] + "\",";
    for (size_t k = 1; k < fields.size(); ++k) {
      const size_t column = kQuoteColumns[k - 1];
      if (line.size() + 1 < column) line.append(column - line.size() - 1, ' ');
      line += "\"" + fields[k] + "\"";
      if (k + 1 < fields.size()) line += ",";
    }
    return line + "\r\n";
  }

  void WriteGlassSummary() {
    const GlassList& glasses = result_.glasses;
    OneBasedList<float> produced;
    produced.Resize(glasses.Count());
    for (const LayoutElement& e : result_.shown) {
      if (e.kind > 0) produced[e.kind] += e.repeat;
    }

    out_.Line("Glass Size(s) Summary");
    out_.Line("");
    DimensionHeader();
    out_.Place(30, " ChL1" + UnitTag());
    out_.Place(39, " x ");
    out_.Place(42, " ChL2" + UnitTag());
    out_.Place(52, "     Area");
    out_.Place(62, " SP/SFT");
    out_.Place(70, "        RS");
    out_.EndLine();
    out_.Line(Rule('-'));

    float total_produced = 0;
    ReportFigures& f = report_.figures;
    for (int i = 1; i <= glasses.Count(); ++i) {
      if (!(produced[i] > 0)) continue;
      const GlassRecord& g = glasses[i];
      const std::string ch1_mm = InchTextToMM(g.chl1_in);
      const std::string ch2_mm = InchTextToMM(g.chl2_in);
      const float area = ReadFloat(ch1_mm) * ReadFloat(ch2_mm) * produced[i] / kSquareFoot;
      const float amount = area * g.sp_sft;
      total_produced += produced[i];
      f.glass_area += area;
      f.glass_amount += amount;
      const bool marked = GeneralText(produced[i] - g.qty) != "0";
      f.shortfall = f.shortfall || marked;
      out_.Place(1, DimColumn(g.l1, g.l1_in));
      out_.Place(10, " x ");
      out_.Place(13, DimColumn(g.l2, g.l2_in));
      out_.Place(23, FmtQty(GeneralText(produced[i])) + (marked ? "*" : ""));
      out_.Place(30, inch_ ? FmtDimIN(g.chl1_in) : FmtDimMM(ch1_mm));
      out_.Place(39, " x ");
      out_.Place(42, inch_ ? FmtDimIN(g.chl2_in) : FmtDimMM(ch2_mm));
      out_.Place(52, FmtArea(FormatNumber(area, "0.00")));
      out_.Place(62, FmtRate(GeneralText(g.sp_sft)));
      out_.Place(70, FmtAmount(FormatNumber(amount, "0")));
      out_.EndLine();
    }
    out_.Line(Rule('-'));
    out_.Place(1, "TOTAL");
    out_.Place(23, FmtQty(GeneralText(total_produced)) + (f.shortfall ? "*" : ""));
    out_.Place(52, FmtArea(FormatNumber(f.glass_area, "0.00")));
    out_.Place(70, FmtAmount(FormatNumber(f.glass_amount, "0")));
    out_.EndLine();
    if (f.shortfall) {
      out_.Line("* indicates shortfall in the Glass Sizes due to manual adjustment of layout(s)");
    }
    out_.Line("");
    out_.Line(Rule('*'));
  }

  void WriteCostSummary() {
    ReportFigures& f = report_.figures;
    for (const LayoutElement& e : result_.shown) {
      if (e.kind != kFreeRect) continue;
      const float w = e.x2 - e.x1;
      const float h = e.y2 - e.y1;
      if (!(w > 0 && h > 0)) continue;
      const float area = w * h * e.repeat;
      const float amount = area * result_.StockOf(e).cp_sft;
      if (IsScrap(e.x1, e.y1, e.x2, e.y2, scrap_)) {
        f.wastage_area += area;
        f.wastage_amount += amount;
      } else {
        f.balance_area += area;
        f.balance_amount += amount;
      }
    }
    f.balance_area = f.balance_area / kSquareFoot;
    f.balance_amount = f.balance_amount / kSquareFoot;
    f.wastage_area = f.wastage_area / kSquareFoot;
    f.wastage_amount = f.wastage_amount / kSquareFoot;
    f.profit = f.glass_amount - (f.sheet_amount - f.balance_amount);

    out_.Line("Cost & Area Summary");
    out_.Line("");
    out_.Place(1, "Entity");
    out_.Place(12, "     Area");
    out_.Place(23, "       SR");
    out_.Place(40, "   (%)");
    out_.EndLine();
    out_.Line(Rule('-'));
    CostRow("Sheet", f.sheet_area, f.sheet_amount);
    CostRow("Ch Size", f.glass_area, f.glass_amount);
    CostRow("Balance", f.balance_area, f.balance_amount);
    CostRow("Wastage", f.wastage_area, f.wastage_amount);
    out_.Place(1, "Profit");
    out_.Place(22, FmtAmount(FormatNumber(f.profit, "0")));
    out_.EndLine();
    out_.Line("");
    out_.Line(Rule('*'));
  }

  void CostRow(std::string_view entity, float area, float amount) {
    const float sheet_area = report_.figures.sheet_area;
    // Without sheet area (no sheet used) there is no share to show.
    const std::string percent =
        sheet_area != 0 ? FormatNumber(area / sheet_area * 100, "0.00") : std::string(".00");
    out_.Place(1, entity);
    out_.Place(12, FmtArea(FormatNumber(area, "0.00")));
    out_.Place(22, FmtAmount(FormatNumber(amount, "0")));
    out_.Place(40, FmtPercent(percent));
    out_.EndLine();
  }

  void WriteLayoutSections() {
    const int layouts = result_.LayoutCount();
    report_.section_positions.Resize(layouts);
    OneBasedList<int> pieces;
    pieces.Resize(result_.glasses.Count());
    for (int n = 1; n <= layouts; ++n) {
      const int first = result_.FirstOfLayout(n);
      const int last = result_.LastOfLayout(n);
      const LayoutElement& frame = result_.shown[first];
      const StockRecord& stock = result_.StockOf(frame);

      for (int& count : pieces) count = 0;
      float glass_area = 0;
      for (int i = first; i <= last; ++i) {
        const int kind = result_.shown[i].kind;
        if (kind <= 0) continue;
        ++pieces[kind];
        glass_area += result_.glasses[kind].l1 * result_.glasses[kind].l2;
      }

      report_.section_positions[n] = static_cast<int32_t>(out_.Size() + 1);
      out_.Line("Layout No. " + GeneralText(n) + "/" + GeneralText(layouts));
      out_.Line("");
      const float yield = MinSingle(glass_area / (stock.l1 * stock.l2), 1);
      out_.Line("Yield(%)   : " + FormatNumber(yield * 100, "0.00"));
      out_.Line("Sheet Size : " + (inch_ ? stock.l1_in : GeneralText(stock.l1)) + " x " +
                (inch_ ? stock.l2_in : GeneralText(stock.l2)) + " - " + GeneralText(frame.repeat) +
                " Pcs");
      out_.Line("");
      out_.Line("Glass Sizes");
      DimensionHeader();
      out_.Place(30, "Customer");
      out_.Place(43, "Sr.No");
      out_.EndLine();
      out_.Line(Rule('-'));
      int total = 0;
      for (int g = 1; g <= result_.glasses.Count(); ++g) {
        if (pieces[g] <= 0) continue;
        total += pieces[g];
        const GlassRecord& glass = result_.glasses[g];
        out_.Place(1, DimColumn(glass.l1, glass.l1_in));
        out_.Place(10, " x ");
        out_.Place(13, DimColumn(glass.l2, glass.l2_in));
        out_.Place(23, FmtQty(GeneralText(pieces[g])));
        out_.Place(30, glass.customer);
        out_.Place(43, glass.sr_no);
        out_.EndLine();
      }
      out_.Line(Rule('-'));
      out_.Place(1, "TOTAL");
      out_.Place(23, FmtQty(GeneralText(total)));
      out_.EndLine();
      WriteBalances(first, last);
      out_.Line(Rule('*'));
    }
  }

  void WriteBalances(int first, int last) {
    const std::string u = UnitTag();
    out_.Line("");
    out_.Line("Balance");
    out_.Line(std::string(kNb3) + "L1" + u + " x    L2" + u + "       L1" + u + " x    L2" + u +
              "       L1" + u + " x    L2" + u);
    out_.Line("---------------------    ---------------------    ---------------------");
    const float kerf = result_.basic.kerf;
    int counter = 0;
    for (int i = first; i <= last; ++i) {
      const LayoutElement& e = result_.shown[i];
      if (e.kind != kFreeRect && e.kind != kMarginStrip) continue;
      float longer = (e.y2 - e.y1) - kerf;
      float shorter = (e.x2 - e.x1) - kerf;
      if (!(longer > 0 && shorter > 0)) continue;
      if (IsScrap(e.x1, e.y1, e.x2, e.y2, scrap_)) continue;
      if (longer < shorter) std::swap(longer, shorter);
      if (++counter == 4) {
        counter = 1;
        out_.EndLine();
      }
      const int column = (counter - 1) * 25 + 1;
      out_.Place(column, LengthColumn(longer));
      out_.Place(column + 10, "x");
      out_.Place(column + 12, LengthColumn(shorter));
    }
    // The first closes a line of balances, if one is open.
    out_.EndLine();
    out_.EndLine();
  }

  const LoadedResult& result_;
  const Unit unit_;
  const bool inch_;
  const ScrapLimits scrap_;
  ColumnWriter out_;
  Report report_;
};

}  // namespace

Report GenerateReport(const LoadedResult& result, Unit unit, const ScrapLimits& scrap) {
  return ReportWriter(result, unit, scrap).Write();
}

StatusTexts StatusBarTexts(const ReportFigures& figures) {
  return StatusTexts{"Overall Yield (%) = " + FormatNumber(figures.overall_yield * 100, "0.00"),
                     "Total Layouts = " + GeneralText(figures.layout_count),
                     "Profit = " + FormatNumber(figures.profit, "0")};
}

}  // namespace lumora
