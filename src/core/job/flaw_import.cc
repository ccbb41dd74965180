#include "core/job/flaw_import.h"

#include <optional>
#include <string>

#include "core/base/number_text.h"
#include "core/job/job_tables.h"
#include "core/tables/grid_clipboard.h"
#include "core/tables/table_file.h"

namespace lumora {
namespace {

// The Sheet grid row and sheet number a flaw names, or why it names none.
struct SheetPlace {
  int row = 0;
  int number = 0;
  std::string fault;
};

SheetPlace FindSheet(const Grid& sheet, const std::string& row_cell, int number) {
  if (!row_cell.empty()) {
    const std::optional<int> row = ReadWholeNumber(row_cell, 1, kMaxGridRows);
    if (!row || *row >= sheet.Rows() || RowIsBlank(sheet, *row)) {
      return {0, 0, "ROW " + row_cell + " is no row of the stock list"};
    }
    if (number > RowQuantity(sheet, *row)) {
      return {0, 0, "row " + row_cell + " has no sheet " + GeneralText(number)};
    }
    return {*row, number, {}};
  }
  int before = 0;
  for (int r = 1; r < sheet.Rows(); ++r) {
    if (RowIsBlank(sheet, r)) continue;
    const int quantity = RowQuantity(sheet, r);
    if (number <= before + quantity) return {r, number - before, {}};
    before += quantity;
  }
  return {0, 0, "the stock list has no sheet " + GeneralText(number)};
}

}  // namespace

FlawPlacement PlaceFlaws(const ImportRows& rows, const Grid& sheet, Unit unit) {
  FlawPlacement placement;
  placement.issues = rows.issues;
  const bool inch = unit == Unit::kIn;
  for (const ImportRow& row : rows.rows) {
    const auto length = [&](int mm_col, int inch_col) -> std::optional<float> {
      const size_t col = static_cast<size_t>(inch ? inch_col : mm_col);
      if (col > row.cells.size() || row.cells[col - 1].empty()) return std::nullopt;
      const std::string& cell = row.cells[col - 1];
      return ReadFloat(inch ? InchTextToMM(cell) : cell);
    };
    const auto cell = [&row](int col) {
      return static_cast<size_t>(col) <= row.cells.size() ? row.cells[static_cast<size_t>(col - 1)]
                                                          : std::string();
    };
    const std::optional<float> x = length(flaw_col::kX, flaw_col::kXInch);
    const std::optional<float> y = length(flaw_col::kY, flaw_col::kYInch);
    const float width = length(flaw_col::kWidth, flaw_col::kWidthInch).value_or(0);
    const float height = length(flaw_col::kHeight, flaw_col::kHeightInch).value_or(0);
    const std::string sheet_cell = cell(flaw_col::kSheet);
    const std::optional<int> number =
        sheet_cell.empty() ? 1 : ReadWholeNumber(sheet_cell, 1, kMostLineNumber);
    std::string fault;
    SheetPlace place;
    if (!x || !y) {
      fault = "X and Y are needed";
    } else if (!number) {
      fault = "SHEET " + sheet_cell + " is no sheet number";
    } else {
      place = FindSheet(sheet, cell(flaw_col::kRow), *number);
      fault = place.fault;
    }
    if (fault.empty() && (*x + width > ReadFloat(sheet.Text(place.row, sheet_col::kL1)) ||
                          *y + height > ReadFloat(sheet.Text(place.row, sheet_col::kL2)))) {
      fault = "the flaw reaches beyond its sheet";
    }
    if (!fault.empty()) {
      placement.issues.push_back({row.line, fault + " - line left out"});
      continue;
    }
    placement.flaws.push_back(
        {sheet.RowIdOf(place.row), SheetFlaw{place.number, *x, *y, width, height}});
  }
  return placement;
}

}  // namespace lumora
