#include "core/tables/table_file.h"

#include <algorithm>

#include "core/base/field_reader.h"
#include "core/base/file_routines.h"
#include "core/base/number_text.h"

namespace lumora {
namespace {

// Orders two cells for ascending sorts: numbers first, by value, then texts by bytes.
bool CellLess(const std::string& a, const std::string& b) {
  const bool a_number = IsNumberText(a);
  const bool b_number = IsNumberText(b);
  if (a_number != b_number) return a_number;
  if (a_number) return ReadDouble(a) < ReadDouble(b);
  return a < b;
}

bool NumericLess(const std::string& a, const std::string& b) {
  const double a_value = ReadDouble(a);
  const double b_value = ReadDouble(b);
  if (a_value != b_value) return a_value < b_value;
  return a < b;
}

}  // namespace

bool RowIsBlank(const Grid& grid, int row) {
  for (int c = 1; c < grid.Cols(); ++c) {
    if (!TrimBlanks(grid.Text(row, c)).empty()) return false;
  }
  return true;
}

void LoadTable(Grid& grid) { LoadTableFromBytes(grid, ReadFileBytes(grid.tag, kTableFileLimit)); }

void LoadTableFromBytes(Grid& grid, const std::optional<std::string>& bytes) {
  grid.SetRows(2);
  ClearTable(grid);
  grid.SetText(1, 0, "1");
  if (!bytes) return;
  const int lines = CountLines(*bytes);
  grid.SetRows(lines + 2);
  RenumberRows(grid);
  FieldReader reader(*bytes);
  for (int row = 1; !reader.AtEnd(); ++row) {
    for (int c = 1; c < grid.Cols(); ++c) {
      // Records beyond the counted rows come from files written with more columns than the
      // grid has; like the rest of a damaged file they are dropped rather than misplaced.
      grid.SetText(row, c, reader.Next());
    }
    if (grid.Cols() <= 1) break;
  }
}

std::string TableBytes(const Grid& grid) {
  std::string bytes;
  std::vector<std::string> fields;
  for (int r = 1; r < grid.Rows(); ++r) {
    if (RowIsBlank(grid, r)) continue;
    fields.clear();
    for (int c = 1; c < grid.Cols(); ++c) fields.emplace_back(TrimBlanks(grid.Text(r, c)));
    bytes += QuotedLine(fields);
  }
  return bytes;
}

std::optional<std::string> SaveTable(const Grid& grid) {
  return WriteFileAtomically(grid.tag, TableBytes(grid));
}

void ClearTable(Grid& grid) {
  for (int r = 1; r < grid.Rows(); ++r) {
    for (int c = 1; c < grid.Cols(); ++c) grid.SetText(r, c, "");
  }
  grid.RenewRowIds();
}

void RenumberRows(Grid& grid) {
  for (int r = 1; r < grid.Rows(); ++r) grid.SetText(r, 0, GeneralText(r));
}

void EnsureBlankRow(Grid& grid) {
  if (grid.Rows() < 2 || !RowIsBlank(grid, grid.Rows() - 1)) {
    grid.SetRows(grid.Rows() + 1);
    grid.SetText(grid.Rows() - 1, 0, GeneralText(grid.Rows() - 1));
  }
}

std::optional<std::string> SortTable(Grid& grid, SortOrder order) {
  const int key = grid.col;
  std::vector<int> rows;
  for (int r = 1; r < grid.Rows(); ++r) {
    if (RowIsBlank(grid, r)) continue;
    for (int c = 1; c < grid.Cols(); ++c) grid.SetText(r, c, TrimBlanks(grid.Text(r, c)));
    rows.push_back(r);
  }
  const auto key_of = [&grid, key](int row) -> const std::string& {
    static const std::string kNone;
    return key >= 1 ? grid.Text(row, key) : kNone;
  };
  std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
    switch (order) {
      case SortOrder::kAscending:
        return CellLess(key_of(a), key_of(b));
      case SortOrder::kDescending:
        return CellLess(key_of(b), key_of(a));
      case SortOrder::kNumericAscending:
        return NumericLess(key_of(a), key_of(b));
    }
    return false;
  });

  // The rows move with their ids, so that what a job keeps beside a row follows it.
  grid.ArrangeRows(rows);
  grid.SetRows(grid.Rows() + 1);
  RenumberRows(grid);
  grid.row = 1;
  grid.row_sel = 1;
  grid.col = key;
  grid.col_sel = key;
  return SaveTable(grid);
}

std::string QuotedField(std::string_view text) {
  std::string field = "\"";
  for (const char c : text) {
    if (c != '"') field += c;
  }
  field += '"';
  return field;
}

std::string QuotedLine(const std::vector<std::string>& fields) {
  std::string line;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += ',';
    line += QuotedField(fields[i]);
  }
  line += "\r\n";
  return line;
}

std::vector<std::vector<std::string>> ReadRecords(std::string_view bytes, int fields_per_record) {
  std::vector<std::vector<std::string>> records;
  if (fields_per_record <= 0) return records;
  const int lines = CountLines(bytes);
  FieldReader reader(bytes);
  while (!reader.AtEnd() && static_cast<int>(records.size()) < lines) {
    std::vector<std::string> record;
    record.reserve(static_cast<size_t>(fields_per_record));
    for (int f = 0; f < fields_per_record; ++f) record.push_back(reader.Next());
    records.push_back(std::move(record));
  }
  return records;
}

std::string RecordBytes(const std::vector<std::vector<std::string>>& records) {
  std::string bytes;
  for (const auto& record : records) bytes += QuotedLine(record);
  return bytes;
}

}  // namespace lumora
