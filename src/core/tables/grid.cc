#include "core/tables/grid.h"

#include <algorithm>
#include <atomic>

namespace lumora {
namespace {

const std::string kEmpty;

RowId NewRowId() {
  static std::atomic<RowId> last{kNoRowId};
  return ++last;
}

bool IsAlignmentMark(char c) { return c == '<' || c == '>' || c == '^'; }

}  // namespace

Grid::Grid(int rows, int cols)
    : rows_(std::max(0, rows)),
      cols_(std::max(0, cols)),
      cells_(static_cast<size_t>(rows_) * static_cast<size_t>(cols_)),
      widths_(static_cast<size_t>(cols_), 0) {
  RenewRowIds();
}

void Grid::SetRows(int rows) {
  rows_ = std::max(0, rows);
  cells_.resize(static_cast<size_t>(rows_) * static_cast<size_t>(cols_));
  const size_t kept = std::min(row_ids_.size(), static_cast<size_t>(rows_));
  row_ids_.resize(kept);
  while (row_ids_.size() < static_cast<size_t>(rows_)) row_ids_.push_back(NewRowId());
}

RowId Grid::RowIdOf(int row) const {
  if (row < 0 || row >= rows_) return kNoRowId;
  return row_ids_[static_cast<size_t>(row)];
}

int Grid::RowOf(RowId id) const {
  if (id == kNoRowId) return -1;
  const auto found = std::find(row_ids_.begin(), row_ids_.end(), id);
  return found == row_ids_.end() ? -1 : static_cast<int>(found - row_ids_.begin());
}

void Grid::ArrangeRows(const std::vector<int>& rows) {
  if (rows_ == 0) return;
  const auto row_cells = [this](int row) {
    return cells_.begin() + static_cast<ptrdiff_t>(row) * cols_;
  };
  std::vector<std::string> cells(row_cells(0), row_cells(1));
  std::vector<RowId> ids = {row_ids_.front()};
  std::vector<bool> taken(static_cast<size_t>(rows_), false);
  for (const int row : rows) {
    if (row < 1 || row >= rows_ || taken[static_cast<size_t>(row)]) continue;
    taken[static_cast<size_t>(row)] = true;
    cells.insert(cells.end(), row_cells(row), row_cells(row + 1));
    ids.push_back(row_ids_[static_cast<size_t>(row)]);
  }
  rows_ = static_cast<int>(ids.size());
  cells_ = std::move(cells);
  row_ids_ = std::move(ids);
}

void Grid::RenewRowIds() {
  row_ids_.clear();
  for (int r = 0; r < rows_; ++r) row_ids_.push_back(NewRowId());
}

void Grid::SetCols(int cols) {
  cols = std::max(0, cols);
  std::vector<std::string> cells(static_cast<size_t>(rows_) * static_cast<size_t>(cols));
  const int kept = std::min(cols, cols_);
  for (int r = 0; r < rows_; ++r) {
    for (int c = 0; c < kept; ++c) {
      cells[static_cast<size_t>(r) * cols + c] =
          std::move(cells_[static_cast<size_t>(r) * cols_ + c]);
    }
  }
  cells_ = std::move(cells);
  cols_ = cols;
  widths_.resize(static_cast<size_t>(cols_), 0);
}

const std::string& Grid::Text(int row, int col) const {
  if (row < 0 || row >= rows_ || col < 0 || col >= cols_) return kEmpty;
  return cells_[static_cast<size_t>(row) * cols_ + col];
}

void Grid::SetText(int row, int col, std::string_view text) {
  if (row < 0 || row >= rows_ || col < 0 || col >= cols_) return;
  cells_[static_cast<size_t>(row) * cols_ + col] = text;
}

int Grid::ColWidth(int col) const {
  if (col < 0 || col >= cols_) return 0;
  return widths_[static_cast<size_t>(col)];
}

void Grid::SetColWidth(int col, int width) {
  if (col < 0 || col >= cols_) return;
  widths_[static_cast<size_t>(col)] = std::max(0, width);
}

void ApplyFormatString(Grid& grid, std::string_view format_string) {
  std::vector<std::string_view> segments;
  size_t start = 0;
  while (true) {
    const size_t bar = format_string.find('|', start);
    segments.push_back(format_string.substr(start, bar - start));
    if (bar == std::string_view::npos) break;
    start = bar + 1;
  }
  grid.SetCols(static_cast<int>(segments.size()));
  for (int c = 0; c < grid.Cols(); ++c) {
    std::string_view segment = segments[static_cast<size_t>(c)];
    if (!segment.empty() && IsAlignmentMark(segment[0])) segment.remove_prefix(1);
    grid.SetColWidth(c, static_cast<int>(segment.size()));
    const size_t last = segment.find_last_not_of(' ');
    grid.SetText(0, c, last == std::string_view::npos ? "" : segment.substr(0, last + 1));
  }
}

std::vector<std::string> DataHeaders(const Grid& grid) {
  std::vector<std::string> headers;
  for (int c = 1; c < grid.Cols(); ++c) headers.push_back(grid.Text(0, c));
  return headers;
}

}  // namespace lumora
