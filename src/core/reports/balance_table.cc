#include "core/reports/balance_table.h"

#include <utility>

#include "core/base/number_text.h"
#include "core/tables/column_dictionary.h"
#include "core/tables/table_file.h"

namespace lumora {
namespace {

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

}  // namespace

const std::vector<std::string>& BalanceTableHeaders() {
  static const std::vector<std::string> headers = {"LAYOUT", "L1", "L2", "QTY", "TAG"};
  return headers;
}

std::string BalanceTableBytes(const LoadedResult& result, Unit unit, const ScrapLimits& scrap) {
  const float kerf = result.basic.kerf;
  std::string bytes;
  for (const LayoutElement& e : result.shown) {
    if (e.kind != kFreeRect && e.kind != kMarginStrip) continue;
    float longer = (e.y2 - e.y1) - kerf;
    float shorter = (e.x2 - e.x1) - kerf;
    if (!(longer > 0 && shorter > 0)) continue;
    if (longer < shorter) std::swap(longer, shorter);
    const bool balance = longer > scrap.larger && shorter > scrap.smaller;
    const std::string tag = balance ? GeneralText(result.StockOf(e).cp_sft) : "SCRAP";
    bytes += GeneralText(e.layout_no) + "," +
             Quoted(ToUnitText(GeneralText(To3Decimals(longer)), unit)) + "," +
             Quoted(ToUnitText(GeneralText(To3Decimals(shorter)), unit)) + "," +
             GeneralText(e.repeat) + "," + Quoted(tag) + "\r\n";
  }
  return bytes;
}

Grid LoadBalanceTableGrid(const Workspace& workspace) {
  Grid grid;
  ApplyFormatString(grid, BuildFormatString(BalanceTableHeaders()));
  grid.tag = workspace.WorkingFile(kBalanceTableFileName);
  LoadTable(grid);
  RenumberRows(grid);
  return grid;
}

}  // namespace lumora
