#ifndef LUMORA_CORE_REPORTS_LAYOUT_PRINT_H_
#define LUMORA_CORE_REPORTS_LAYOUT_PRINT_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/unit_and_orn.h"
#include "core/layouts/layout_canvas.h"
#include "core/layouts/layout_scale.h"
#include "core/reports/report_section.h"

// What a printed layout page holds besides the drawing: the layout's report section with the
// file and date header, and where it goes on the page.
namespace lumora {

// The part of a path after its last "\" or "/" (the whole text when there is neither).
std::string FileTitle(std::string_view path);
// A date text MM/DD/YYYY as DD/MM/YYYY: its characters 4 to 6, then 1 to 3, then 7 to 10.
std::string DayFirstDate(std::string_view month_first);
// Today's local date as MM/DD/YYYY.
std::string TodayMonthFirst();

// The lines printed under a layout: "File: " + FileTitle + "     Date: " + the day-first date
// ("Date: " + the date alone for a job without a file), an empty line, then the report section
// of the layout (as DiaCur.tlf holds it) without its trailing empty lines.
std::vector<std::string> PrintedSectionLines(std::string_view report, int32_t position,
                                             const SectionOptions& options, std::string_view item,
                                             Unit unit, std::string_view job_file,
                                             std::string_view month_first_date);

// The room one character of the fixed-pitch print font takes per point of its size, in
// millimetres of paper.
struct FontMetricsPerPoint {
  float line_height = 0.0;
  float advance = 0.0;
};

// Where the section goes, in millimetres of paper from the top left of the printable area.
struct SectionPlacement {
  float x = 0;
  float y = 0;
  float font_pt = 9;
  // The lines that fit under the drawing; the rest continue at the top of further pages.
  int lines_under_drawing = 0;
  int lines_per_further_page = 0;
};

inline constexpr float kSectionFontPt = 9;

// The section starts at the sheet's left edge, below the sheet by the depth of the page's top
// margin. It is printed in 9 points, or smaller down to 7 points when that makes it fit under
// the drawing, and smaller still when its widest line would not fit across the page.
SectionPlacement PlaceSection(const UserScale& scale, const Box& sheet, float page_width_mm,
                              float page_height_mm, const std::vector<std::string>& lines,
                              const FontMetricsPerPoint& metrics);

}  // namespace lumora

#endif  // LUMORA_CORE_REPORTS_LAYOUT_PRINT_H_
