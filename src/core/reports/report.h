#ifndef LUMORA_CORE_REPORTS_REPORT_H_
#define LUMORA_CORE_REPORTS_REPORT_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "core/base/unit_and_orn.h"
#include "core/layouts/loaded_result.h"
#include "core/layouts/scrap.h"

// The printed report of a result (report.tlf) and the sheets it used (sheets.Adj).
namespace lumora {

inline constexpr std::string_view kReportFileName = "report.tlf";
inline constexpr std::string_view kSheetsUsedFileName = "sheets.Adj";

// Areas in square feet, amounts in the job's currency.
struct ReportFigures {
  float overall_yield = 0;  // glass area over sheet area, weighted by sheet count, 6 decimals
  int layout_count = 0;
  float sheet_area = 0;
  float sheet_amount = 0;
  float glass_area = 0;  // chargeable sizes
  float glass_amount = 0;
  float balance_area = 0;
  float balance_amount = 0;
  float wastage_area = 0;
  float wastage_amount = 0;
  float profit = 0;  // glass amount less what the sheets cost beyond their balances
  bool shortfall = false;
};

struct Report {
  std::string report;      // report.tlf: Latin-1, CR LF, no-break spaces as 0xA0
  std::string sheets_adj;  // sheets.Adj
  // By layout number: the 1-based byte position in report.tlf of its "Layout No. " line.
  OneBasedList<int32_t> section_positions;
  ReportFigures figures;
};

// The report of a loaded result in a display unit (inches, else millimetres), with the scrap
// criteria that tell balance from wastage.
Report GenerateReport(const LoadedResult& result, Unit unit, const ScrapLimits& scrap);

// The three status-bar texts: "Overall Yield (%) = ..", "Total Layouts = ..", "Profit = ..".
struct StatusTexts {
  std::string yield;
  std::string layouts;
  std::string profit;
};
StatusTexts StatusBarTexts(const ReportFigures& figures);

}  // namespace lumora

#endif  // LUMORA_CORE_REPORTS_REPORT_H_
