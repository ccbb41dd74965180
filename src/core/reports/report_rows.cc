#include "core/reports/report_rows.h"

namespace lumora {

ReportRowLook LookOfReportRow(std::string_view text) {
  ReportRowLook look;
  look.shaded = text.starts_with("Layout No. ") || text.ends_with(" Summary");
  if (text.starts_with("Profit")) {
    look.bold = true;
    look.loss = text.find('-') != std::string_view::npos;
  }
  return look;
}

}  // namespace lumora
