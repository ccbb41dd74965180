#include "core/reports/label_pages.h"

#include <algorithm>
#include <optional>

#include "core/base/file_routines.h"
#include "core/cuts/breakout_settings.h"
#include "core/tables/table_file.h"

namespace lumora {

LabelGrid WorkspaceLabelGrid(const Workspace& workspace) {
  const std::optional<std::string> definition =
      ReadFileBytes(workspace.SettingsFile(kLabelDefinitionFileName), kTableFileLimit);
  return ReadLabelGrid(definition.value_or(""));
}

PieceOrder WorkspaceLabelOrder(const Workspace& workspace) {
  return LoadBreakoutSettings(workspace).labels_in_order ? PieceOrder::kBreakout
                                                         : PieceOrder::kElement;
}

LabelFile ComposeWorkspaceLabels(const LoadedResult& result, const Workspace& workspace,
                                 Unit unit) {
  return ComposeLabels(result, WorkspaceLabelGrid(workspace), unit, WorkspaceLabelOrder(workspace));
}

std::vector<std::vector<std::string>> LabelPages(std::string_view bytes, int lines_per_page) {
  const size_t page_lines = static_cast<size_t>(std::max(1, lines_per_page));
  std::vector<std::vector<std::string>> pages;
  if (bytes.empty()) return pages;
  pages.emplace_back();
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find('\n', start);
    const size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
    if (end == std::string_view::npos) end = bytes.size();
    if (end > start && bytes[end - 1] == '\r') --end;
    const std::string_view line = bytes.substr(start, end - start);
    start = next;
    if (line == "*") {
      pages.emplace_back();
      continue;
    }
    if (pages.back().size() == page_lines) pages.emplace_back();
    pages.back().emplace_back(line);
  }
  return pages;
}

}  // namespace lumora
