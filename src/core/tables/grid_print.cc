#include "core/tables/grid_print.h"

#include <algorithm>

#include "core/base/number_text.h"
#include "core/tables/column_dictionary.h"

namespace lumora {
namespace {

int PrintWidth(const Grid& grid, int col) {
  const std::string& header = grid.Text(0, col);
  if (header == "REPORT") return 0;
  const int header_length = static_cast<int>(header.size());
  const auto info = DescribeColumn(header);
  return std::max(info ? info->max_length : grid.ColWidth(col), header_length);
}

std::string PrintLine(const Grid& grid, int row) {
  std::string line;
  bool first = true;
  for (int c = 0; c < grid.Cols(); ++c) {
    if (grid.ColWidth(c) == 0) continue;
    if (!first) line += ' ';
    first = false;
    const std::string& text = grid.Text(row, c);
    line += text;
    const int pad = PrintWidth(grid, c) - static_cast<int>(text.size());
    if (pad > 0) line.append(static_cast<size_t>(pad), ' ');
  }
  return line;
}

bool IsBlankRow(const Grid& grid, int row) {
  for (int c = 1; c < grid.Cols(); ++c) {
    if (!TrimBlanks(grid.Text(row, c)).empty()) return false;
  }
  return true;
}

}  // namespace

PrintText PrintGrid(const Grid& grid, const GridPrintRequest& request) {
  PrintText text;
  text.heading.emplace_back();
  if (!request.job_file.empty()) text.heading.push_back("File: " + request.job_file);
  text.heading.push_back("Date: " + request.date);
  text.heading.emplace_back();
  text.heading.push_back(request.caption);
  text.heading.emplace_back();
  text.heading.push_back(PrintLine(grid, 0));

  int first = 1;
  int last = grid.Rows() - 1;
  if (request.selection_only) {
    first = std::max(first, std::min(grid.row, grid.row_sel));
    last = std::min(last, std::max(grid.row, grid.row_sel));
  }
  if (last == grid.Rows() - 1 && last >= 1 && IsBlankRow(grid, last)) --last;
  for (int r = first; r <= last; ++r) text.body.push_back(PrintLine(grid, r));
  text.body.emplace_back();
  return text;
}

std::vector<PrintPage> PrintTextFile(const PrintText& text, int lines_per_page) {
  const int heading_lines = text.heading.empty() ? 0 : static_cast<int>(text.heading.size()) + 1;
  const int per_page = std::max(1, lines_per_page - heading_lines);
  const int total = static_cast<int>(text.body.size());
  std::vector<PrintPage> pages;
  for (int first = 0; first < total; first += per_page) {
    pages.push_back({first, std::min(per_page, total - first)});
  }
  return pages;
}

}  // namespace lumora
