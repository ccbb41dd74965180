#include "core/reports/report_section.h"

namespace lumora {
namespace {

// The next line from `position` without its line end; moves `position` past the line end.
std::string_view NextLine(std::string_view bytes, size_t& position) {
  const size_t end = bytes.find('\n', position);
  std::string_view line = bytes.substr(
      position, end == std::string_view::npos ? std::string_view::npos : end - position);
  position = end == std::string_view::npos ? bytes.size() : end + 1;
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

}  // namespace

std::string ReportSectionBytes(std::string_view report, int32_t position,
                               const SectionOptions& options, std::string_view item, Unit unit) {
  if (position < 1 || static_cast<size_t>(position) > report.size()) return {};
  size_t at = static_cast<size_t>(position) - 1;
  std::string section;
  auto add = [&section](std::string_view line) {
    section += line;
    section += "\r\n";
  };
  add(NextLine(report, at));
  if (options.basic_details_list) {
    add("");
    add("Item: " + std::string(item) + "     Unit: " + std::string(UnitText(unit)));
  }
  while (at < report.size()) {
    const std::string_view line = NextLine(report, at);
    if (line.starts_with("*")) break;
    if (!options.balance_list && line == "Balance") break;
    add(line);
  }
  return section;
}

}  // namespace lumora
