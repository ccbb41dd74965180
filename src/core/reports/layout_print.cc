#include "core/reports/layout_print.h"

#include <algorithm>
#include <cmath>
#include <ctime>

#include "core/base/number_text.h"

namespace lumora {
namespace {

constexpr float kLeastFitPt = 7;
constexpr float kLeastWidthPt = 5;
constexpr float kSizeStep = 0.5f;

std::string_view Mid(std::string_view text, size_t start, size_t length) {
  return start < text.size() ? text.substr(start, length) : std::string_view();
}

std::vector<std::string> SplitLines(std::string_view bytes) {
  std::vector<std::string> lines;
  size_t at = 0;
  while (at < bytes.size()) {
    size_t end = bytes.find('\n', at);
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view line = bytes.substr(at, end - at);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    at = end + 1;
  }
  return lines;
}

}  // namespace

std::string FileTitle(std::string_view path) {
  const size_t slash = path.find_last_of("\\/");
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string DayFirstDate(std::string_view month_first) {
  return std::string(Mid(month_first, 3, 3)) + std::string(Mid(month_first, 0, 3)) +
         std::string(Mid(month_first, 6, 4));
}

std::string TodayMonthFirst() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return FormatNumber(static_cast<float>(local.tm_mon + 1), "00") + "/" +
         FormatNumber(static_cast<float>(local.tm_mday), "00") + "/" +
         GeneralText(local.tm_year + 1900);
}

std::vector<std::string> PrintedSectionLines(std::string_view report, int32_t position,
                                             const SectionOptions& options, std::string_view item,
                                             Unit unit, std::string_view job_file,
                                             std::string_view month_first_date) {
  const std::string date = "Date: " + DayFirstDate(month_first_date);
  std::vector<std::string> lines;
  lines.push_back(job_file.empty() ? date : "File: " + FileTitle(job_file) + "     " + date);
  lines.emplace_back();
  for (std::string& line : SplitLines(ReportSectionBytes(report, position, options, item, unit))) {
    lines.push_back(std::move(line));
  }
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

SectionPlacement PlaceSection(const UserScale& scale, const Box& sheet, float page_width_mm,
                              float page_height_mm, const std::vector<std::string>& lines,
                              const FontMetricsPerPoint& metrics) {
  SectionPlacement placement;
  const float x_scale = page_width_mm / scale.width;
  const float y_scale = page_height_mm / scale.height;
  placement.x = std::max(0.0f, (sheet.x1 - scale.left) * x_scale);
  placement.y = std::max(0.0f, (sheet.y2 + std::abs(scale.top) - scale.top) * y_scale);

  size_t widest = 0;
  for (const std::string& line : lines) widest = std::max(widest, line.size());
  const float width_room = page_width_mm - placement.x;
  const float height_room = page_height_mm - placement.y;
  const auto count = static_cast<float>(lines.size());
  auto fits_width = [&](float pt) {
    return static_cast<float>(widest) * metrics.advance * pt <= width_room;
  };
  auto fits_height = [&](float pt) { return count * metrics.line_height * pt <= height_room; };

  float pt = kSectionFontPt;
  while (pt - kSizeStep >= kLeastFitPt && !(fits_width(pt) && fits_height(pt))) pt -= kSizeStep;
  while (pt - kSizeStep >= kLeastWidthPt && !fits_width(pt)) pt -= kSizeStep;
  placement.font_pt = pt;

  const float line_height = metrics.line_height * pt;
  if (line_height > 0) {
    placement.lines_under_drawing = std::clamp(
        static_cast<int>(std::floor(height_room / line_height)), 0, static_cast<int>(lines.size()));
    placement.lines_per_further_page =
        std::max(1, static_cast<int>(std::floor(page_height_mm / line_height)));
  }
  return placement;
}

}  // namespace lumora
