#include "core/tables/grid_clipboard.h"

#include <algorithm>
#include <vector>

#include "core/base/number_text.h"
#include "core/base/version.h"

namespace lumora {
namespace {

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  return lines;
}

std::vector<std::string> SplitCells(std::string_view line) {
  std::vector<std::string> cells;
  size_t start = 0;
  for (size_t tab = line.find('\t'); tab != std::string_view::npos; tab = line.find('\t', start)) {
    cells.push_back(StorableCellText(line.substr(start, tab - start)));
    start = tab + 1;
  }
  cells.push_back(StorableCellText(line.substr(start)));
  return cells;
}

}  // namespace

std::string StorableCellText(std::string_view text) {
  std::string cell;
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 32 && c != 127 && c != ',' && c != '"') cell += c;
  }
  return cell;
}

std::string CopySelection(const Grid& grid) {
  const int top = std::max(1, std::min(grid.row, grid.row_sel));
  const int bottom = std::min(grid.Rows() - 1, std::max(grid.row, grid.row_sel));
  const int left = std::max(1, std::min(grid.col, grid.col_sel));
  const int right = std::min(grid.Cols() - 1, std::max(grid.col, grid.col_sel));
  std::string text;
  for (int r = top; r <= bottom; ++r) {
    for (int c = left; c <= right; ++c) {
      if (c > left) text += '\t';
      text += grid.Text(r, c);
    }
    text += "\r\n";
  }
  return text;
}

bool PasteClipboard(Grid& grid, std::string_view clipboard_text, Prompter& prompter) {
  const Prompt question{kApplicationTitle, "Paste from clipboard ?", PromptIcon::kQuestion,
                        PromptButtons::kYesNo, PromptAnswer::kYes};
  if (prompter.Ask(question) != PromptAnswer::kYes) return false;
  if (grid.row < 1 || grid.col < 1 || grid.row >= grid.Rows() || grid.col >= grid.Cols()) {
    return true;
  }
  const std::vector<std::string_view> lines = SplitLines(clipboard_text);
  for (size_t i = 0; i < lines.size(); ++i) {
    const int row = grid.row + static_cast<int>(i);
    if (row >= kMaxGridRows) break;
    if (row == grid.Rows()) {
      grid.SetRows(row + 1);
      grid.SetText(row, 0, GeneralText(row));
    }
    const std::vector<std::string> cells = SplitCells(lines[i]);
    for (size_t j = 0; j < cells.size(); ++j) {
      const int col = grid.col + static_cast<int>(j);
      if (col >= grid.Cols()) break;
      grid.SetText(row, col, cells[j]);
    }
  }
  return true;
}

}  // namespace lumora
