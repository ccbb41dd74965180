#ifndef LUMORA_CORE_REPORTS_REPORT_SECTION_H_
#define LUMORA_CORE_REPORTS_REPORT_SECTION_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "core/base/unit_and_orn.h"

namespace lumora {

inline constexpr std::string_view kReportSectionFileName = "DiaCur.tlf";

// What the section shows besides the layout's own lines (the "Basic Details List" and
// "Balance List" layout settings).
struct SectionOptions {
  bool basic_details_list = false;
  bool balance_list = false;
};

// The bytes of DiaCur.tlf: the report's lines from the 1-based byte position of a layout's
// "Layout No. " line up to the next line that begins with "*" (without the balances, up to the
// line "Balance"); with the basic details, an empty line and the item and unit line after the
// first line. A position outside the report gives no lines.
std::string ReportSectionBytes(std::string_view report, int32_t position,
                               const SectionOptions& options, std::string_view item, Unit unit);

}  // namespace lumora

#endif  // LUMORA_CORE_REPORTS_REPORT_SECTION_H_
