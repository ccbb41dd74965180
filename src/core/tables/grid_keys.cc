#include "core/tables/grid_keys.h"

#include <algorithm>
#include <string>

#include "core/base/ascii_case.h"
#include "core/tables/column_dictionary.h"
#include "core/tables/table_file.h"

namespace lumora {
namespace {

bool InDataArea(const Grid& grid) {
  return grid.row >= 1 && grid.row < grid.Rows() && grid.col >= 1 && grid.col < grid.Cols();
}

// A header the dictionary does not know is free text of any length: its cells still refuse the
// comma and the double quote that would break the table file.
ColumnInfo RulesOf(const std::string& header) {
  return DescribeColumn(header).value_or(ColumnInfo{0, 'S', 'T'});
}

bool IsDigit(char key) { return key >= '0' && key <= '9'; }

bool Holds(const std::string& text, char key) { return text.find(key) != std::string::npos; }

bool KindAccepts(char kind, const std::string& text, char key) {
  switch (kind) {
    case 'O':
      return key == '1' || key == '2';
    case 'R':
      return IsDigit(key) || (key == '.' && !Holds(text, '.'));
    case 'L':
      return IsDigit(key);
    case 'I':
      return IsDigit(key) || ((key == ' ' || key == '/' || key == '.') && !Holds(text, key));
    case 'X':
      return false;
    default: {
      const auto code = static_cast<unsigned char>(key);
      return code >= 32 && code <= 126 && key != ',' && key != '"';
    }
  }
}

}  // namespace

MoveSetting ReadMoveSetting(std::string_view text) {
  if (text == "FULL") return MoveSetting::kFull;
  if (text == "HALF") return MoveSetting::kHalf;
  return MoveSetting::kOther;
}

KeyOutcome GridKeyDown(Grid& grid, int key_code) {
  KeyOutcome outcome;
  if (!InDataArea(grid)) return outcome;
  const std::string& header = grid.Text(0, grid.col);
  if (header == "UNIT") {
    outcome.action = KeyAction::kSwallow;
    return outcome;
  }
  const char mode = RulesOf(header).mode;
  if (key_code == kKeyDelete && (mode == 'C' || mode == 'T' || mode == 'L')) {
    outcome.action = KeyAction::kSwallow;
    outcome.cell_changed = !grid.Text(grid.row, grid.col).empty();
    outcome.job_changed = true;
    grid.SetText(grid.row, grid.col, "");
  }
  return outcome;
}

KeyOutcome GridKeyPress(Grid& grid, char key) {
  KeyOutcome outcome;
  outcome.action = KeyAction::kSwallow;
  if (!InDataArea(grid)) return outcome;
  key = AsciiUpper(key);
  const std::string& header = grid.Text(0, grid.col);
  std::string text = grid.Text(grid.row, grid.col);

  if (header == "UNIT" || header == "MOVE") {
    const bool unit = header == "UNIT";
    const std::string_view next =
        unit ? UnitText(ReadUnit(text) == Unit::kMm ? Unit::kIn : Unit::kMm)
             : (text == "HALF" ? "FULL" : "HALF");
    grid.SetText(grid.row, grid.col, next);
    outcome.cell_changed = text != next;
    return outcome;
  }

  outcome.job_changed = true;
  const ColumnInfo rules = RulesOf(header);
  if (key == kKeyBackspace) {
    if (rules.kind != 'X' && !text.empty()) {
      text.pop_back();
      grid.SetText(grid.row, grid.col, text);
      outcome.cell_changed = true;
    }
    return outcome;
  }
  if (rules.mode == 'L' || (rules.mode == 'C' && key == kKeyEnter)) {
    outcome.action = KeyAction::kOpenList;
    return outcome;
  }
  if (rules.mode == 'X') return outcome;
  if (rules.max_length > 0 && static_cast<int>(text.size()) >= rules.max_length) return outcome;
  if (KindAccepts(rules.kind, text, key)) {
    outcome.action = KeyAction::kAccept;
    outcome.character = key;
  }
  return outcome;
}

KeyOutcome TypeKey(Grid& grid, char key, bool takes_new_rows) {
  KeyOutcome outcome = GridKeyPress(grid, key);
  if (outcome.action != KeyAction::kAccept) return outcome;
  grid.SetText(grid.row, grid.col, grid.Text(grid.row, grid.col) + outcome.character);
  outcome.cell_changed = true;
  if (takes_new_rows) EnsureBlankRow(grid);
  return outcome;
}

int FirstVisibleColumn(const Grid& grid, int col) {
  for (int c = 1; c < grid.Cols(); ++c) {
    if (grid.ColWidth(c) > 0) return c;
  }
  return col;
}

int LastVisibleColumn(const Grid& grid, int col) {
  for (int c = grid.Cols() - 1; c >= 1; --c) {
    if (grid.ColWidth(c) > 0) return c;
  }
  return col;
}

int NextVisibleColumn(const Grid& grid, int col) {
  for (int c = std::max(col + 1, 1); c < grid.Cols(); ++c) {
    if (grid.ColWidth(c) > 0) return c;
  }
  return col;
}

int PreviousVisibleColumn(const Grid& grid, int col) {
  for (int c = std::min(col - 1, grid.Cols() - 1); c >= 1; --c) {
    if (grid.ColWidth(c) > 0) return c;
  }
  return col;
}

CellPosition EnterNavigation(const Grid& grid, const EnterContext& context) {
  CellPosition at{grid.row, grid.col};
  auto right = [&](int times) {
    for (int i = 0; i < times; ++i) at.col = NextVisibleColumn(grid, at.col);
  };
  auto home_down = [&] {
    at.col = FirstVisibleColumn(grid, at.col);
    if (at.row + 1 < grid.Rows()) ++at.row;
  };
  const bool last_column = NextVisibleColumn(grid, at.col) == at.col;

  if (context.window != "SHEET" && context.window != "CUT") {
    if (last_column) {
      home_down();
    } else {
      right(1);
    }
    return at;
  }
  const bool full = context.move_setting == MoveSetting::kFull;
  const bool half = context.move_setting == MoveSetting::kHalf;
  if (context.unit_setting == Unit::kMm) {
    if (last_column) {
      home_down();
    } else if (at.col == 2) {
      right(3);
    } else if (at.col == 5) {
      if (full) right(1);
      if (half) home_down();
    } else {
      right(1);
    }
  } else if (context.unit_setting == Unit::kIn) {
    if (last_column || (at.col == 5 && half)) {
      home_down();
      right(2);
    } else if (at.col != 5 || full) {
      right(1);
    }
  }
  return at;
}

}  // namespace lumora
