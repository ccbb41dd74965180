#ifndef LUMORA_CORE_REPORTS_REPORT_ROWS_H_
#define LUMORA_CORE_REPORTS_REPORT_ROWS_H_

#include <string_view>

namespace lumora {

// How the Report window shows one line of report.tlf: the layout headings and the summary
// headings shaded light grey, the profit line bold, and red when it is a loss.
struct ReportRowLook {
  bool shaded = false;
  bool bold = false;
  bool loss = false;
};

ReportRowLook LookOfReportRow(std::string_view text);

}  // namespace lumora

#endif  // LUMORA_CORE_REPORTS_REPORT_ROWS_H_
