#include "core/job/list_import.h"

#include <algorithm>
#include <map>

#include "core/base/ascii_case.h"
#include "core/base/number_text.h"
#include "core/job/job_tables.h"
#include "core/tables/column_dictionary.h"
#include "core/tables/grid_clipboard.h"
#include "core/tables/grid_keys.h"
#include "core/tables/table_file.h"

namespace lumora {
namespace {

// A column of the grid that a file may fill, with the words a header may give it besides its
// own name. Lengths have an inch column as well.
struct Target {
  std::string name;
  int col = 0;
  int inch_col = 0;
  std::vector<std::string> words;
};

const std::vector<Target>& TargetsOf(ListKind kind) {
  static const std::vector<Target> glass = {
      {"L1", glass_col::kL1, glass_col::kL1Inch, {"WIDTH", "W", "LENGTH"}},
      {"L2", glass_col::kL2, glass_col::kL2Inch, {"HEIGHT", "H", "LENGTH", "WIDTH"}},
      {"QTY", glass_col::kQty, 0, {"QUANTITY", "PCS", "PIECES", "COUNT", "NOS"}},
      {"ORN", glass_col::kOrn, 0, {"ORIENTATION"}},
      {"CUSTOMER", glass_col::kCustomer, 0, {"CLIENT"}},
      {"SP/SFT", glass_col::kPricePerSqFt, 0, {"PRICE", "RATE"}},
      {"SR.NO", glass_col::kSrNo, 0, {"SERIAL", "POS", "POSITION"}},
      {"REF", glass_col::kRef, 0, {"REFERENCE", "ORDER"}},
      {"SITE", glass_col::kSite, 0, {"PROJECT"}},
      {"A/C", glass_col::kAccount, 0, {"AC", "ACCOUNT"}},
      {"FROM", glass_col::kFrom, 0, {}},
      {"ADDRESS", glass_col::kAddress, 0, {}},
      {"STACK", glass_line_col::kStack, 0, {"RACK"}},
      {"SEQUENCE", glass_line_col::kSequence, 0, {"SEQ"}},
  };
  static const std::vector<Target> stock = {
      {"L1", sheet_col::kL1, sheet_col::kL1Inch, {"WIDTH", "W", "LENGTH"}},
      {"L2", sheet_col::kL2, sheet_col::kL2Inch, {"HEIGHT", "H", "LENGTH", "WIDTH"}},
      {"QTY", sheet_col::kQty, 0, {"QUANTITY", "PCS", "PIECES", "SHEETS", "COUNT", "NOS"}},
      {"M(L)", sheet_col::kMarginLeft, 0, {}},
      {"M(T)", sheet_col::kMarginTop, 0, {}},
      {"M(R)", sheet_col::kMarginRight, 0, {}},
      {"M(B)", sheet_col::kMarginBottom, 0, {}},
      {"CP/SFT", sheet_col::kCostPerSqFt, 0, {"COST", "PRICE", "RATE"}},
  };
  static const std::vector<Target> flaw = {
      {"X", flaw_col::kX, flaw_col::kXInch, {"XPOS", "LEFT"}},
      {"Y", flaw_col::kY, flaw_col::kYInch, {"YPOS", "BOTTOM"}},
      {"WIDTH", flaw_col::kWidth, flaw_col::kWidthInch, {"W", "DX"}},
      {"HEIGHT", flaw_col::kHeight, flaw_col::kHeightInch, {"H", "DY"}},
      {"SHEET", flaw_col::kSheet, 0, {"PLATE", "PLATEID", "SHEETNO", "JUMBO"}},
      {"ROW", flaw_col::kRow, 0, {"STOCKROW", "STOCK"}},
  };
  return kind == ListKind::kGlass ? glass : kind == ListKind::kStock ? stock : flaw;
}

// A header as the mapping compares it: upper case, letters, digits and "/" only, and a unit
// in brackets ("Width (mm)", "L1 [IN]") taken out.
struct HeaderKey {
  std::string key;
  Unit unit = Unit::kOther;
};

HeaderKey KeyOf(std::string_view header) {
  std::string upper = AsciiUpper(header);
  HeaderKey result;
  const size_t open = upper.find_first_of("([");
  const size_t close = open == std::string::npos ? open : upper.find_first_of(")]", open);
  if (close != std::string::npos) {
    const std::string_view inside =
        TrimBlanks(std::string_view(upper).substr(open + 1, close - open - 1));
    result.unit = inside == "INCH" || inside == "INCHES" ? Unit::kIn : ReadUnit(inside);
    if (result.unit != Unit::kOther) upper.erase(open, close - open + 1);
  }
  for (const char c : upper) {
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '/') result.key += c;
  }
  return result;
}

bool TargetKnows(const Target& target, const std::string& key) {
  return key == KeyOf(target.name).key ||
         std::find(target.words.begin(), target.words.end(), key) != target.words.end();
}

// Spreadsheets pad the fields of their lists with tabs as well as blanks.
constexpr std::string_view kListBlanks = " \t";

size_t WidestRecord(const DelimitedText& text) {
  size_t widest = 0;
  for (const DelimitedRow& row : text.rows) widest = std::max(widest, row.fields.size());
  return widest;
}

std::string KindText(char kind) {
  switch (kind) {
    case 'L':
      return "is not a whole number";
    case 'R':
      return "is not a number";
    case 'I':
      return "is not a length in inches";
    case 'O':
      return "is neither 1 nor 2";
    default:
      return "cannot be typed into this column";
  }
}

// A value as a typed cell of that header takes it. Text columns keep what a table file can
// hold, cut to the column's length (told in `note`); every other value is typed key by key and
// refused (told in `refusal`) as soon as a key is.
struct CellCheck {
  std::string cell;
  std::string note;
  std::string refusal;
};

CellCheck CheckValue(const std::string& header, const std::string& value) {
  const ColumnInfo rules = DescribeColumn(header).value_or(ColumnInfo{0, 'S', 'T'});
  CellCheck check;
  if (rules.kind == 'S') {
    check.cell = TrimBlanks(StorableCellText(value));
    if (rules.max_length > 0 && static_cast<int>(check.cell.size()) > rules.max_length) {
      check.cell.resize(rules.max_length);
      check.note = header + " cut to " + GeneralText(rules.max_length) + " characters";
    }
    return check;
  }
  std::string text = value;
  // A decimal comma, as the spreadsheets of many countries write numbers.
  if ((rules.kind == 'R' || rules.kind == 'I') && text.find('.') == std::string::npos &&
      std::count(text.begin(), text.end(), ',') == 1) {
    std::replace(text.begin(), text.end(), ',', '.');
  }
  Grid cell(2, 2);
  cell.SetText(0, 1, header);
  for (const char key : text) {
    const bool typed = static_cast<unsigned char>(key) >= 32 &&
                       TypeKey(cell, key, false).action == KeyAction::kAccept;
    if (!typed) {
      const bool too_long =
          rules.max_length > 0 && static_cast<int>(text.size()) > rules.max_length;
      check.refusal = header + " \"" + value + "\" " +
                      (too_long ? "is longer than " + GeneralText(rules.max_length) + " characters"
                                : KindText(rules.kind));
      return check;
    }
  }
  check.cell = cell.Text(1, 1);
  return check;
}

// The stack a glass list gives a row, when it gives one.
void AttachStack(JobLine& line, const Grid& grid, int row, const std::vector<std::string>& cells) {
  const auto cell = [&cells](int col) -> std::string {
    return col <= static_cast<int>(cells.size()) ? cells[static_cast<size_t>(col - 1)] : "";
  };
  const std::string name = cell(glass_line_col::kStack);
  if (name.empty()) return;
  const int sequence =
      ReadWholeNumber(cell(glass_line_col::kSequence), 1, kMostLineNumber).value_or(0);
  line.SetStack(grid.RowIdOf(row), GlassStack{name, sequence});
}

// A grid keeps its header row and one input row besides its data rows.
constexpr int kMostDataRows = kMaxGridRows - 2;

}  // namespace

const std::vector<std::string>& ImportTargets(ListKind kind) {
  static const auto names = [] {
    std::map<ListKind, std::vector<std::string>> result;
    for (const ListKind of : {ListKind::kGlass, ListKind::kStock, ListKind::kFlaw}) {
      for (const Target& target : TargetsOf(of)) result[of].push_back(target.name);
    }
    return result;
  }();
  return names.at(kind);
}

ImportMapping GuessMapping(const DelimitedText& text, ListKind kind, Unit unit) {
  const std::vector<Target>& targets = TargetsOf(kind);
  ImportMapping mapping;
  mapping.unit = unit == Unit::kIn ? Unit::kIn : Unit::kMm;
  mapping.columns.assign(targets.size(), -1);
  if (text.rows.empty()) return mapping;

  std::vector<HeaderKey> keys;
  for (const std::string& field : text.rows.front().fields) keys.push_back(KeyOf(field));
  // Headers in words the mapping does not know still differ from the numbers below them.
  auto starts_with_digit = [](const std::string& field) {
    const std::string_view cell = TrimBlanks(field, kListBlanks);
    return !cell.empty() && cell[0] >= '0' && cell[0] <= '9';
  };
  const auto& first = text.rows.front().fields;
  const bool numbers_follow =
      text.rows.size() > 1 && std::none_of(first.begin(), first.end(), starts_with_digit) &&
      std::any_of(text.rows[1].fields.begin(), text.rows[1].fields.end(), starts_with_digit);
  mapping.has_header =
      numbers_follow || std::any_of(keys.begin(), keys.end(), [&](const HeaderKey& key) {
        return std::any_of(targets.begin(), targets.end(),
                           [&](const Target& target) { return TargetKnows(target, key.key); });
      });
  if (!mapping.has_header) {
    const size_t count = std::min(targets.size(), WidestRecord(text));
    for (size_t t = 0; t < count; ++t) mapping.columns[t] = static_cast<int>(t);
    return mapping;
  }
  std::vector<bool> claimed(keys.size(), false);
  for (size_t t = 0; t < targets.size(); ++t) {
    std::vector<std::string> words = {KeyOf(targets[t].name).key};
    words.insert(words.end(), targets[t].words.begin(), targets[t].words.end());
    for (const std::string& word : words) {
      for (size_t c = 0; c < keys.size() && mapping.columns[t] < 0; ++c) {
        if (!claimed[c] && keys[c].key == word) {
          claimed[c] = true;
          mapping.columns[t] = static_cast<int>(c);
        }
      }
      if (mapping.columns[t] >= 0) break;
    }
  }
  if (mapping.columns[0] >= 0 && keys[mapping.columns[0]].unit != Unit::kOther) {
    mapping.unit = keys[mapping.columns[0]].unit;
  }
  return mapping;
}

std::optional<std::string> ApplyMapText(ImportMapping& mapping, const DelimitedText& text,
                                        ListKind kind, std::string_view map_text) {
  const std::vector<Target>& targets = TargetsOf(kind);
  const int widest = static_cast<int>(WidestRecord(text));
  size_t start = 0;
  while (start <= map_text.size()) {
    const size_t comma = std::min(map_text.find(',', start), map_text.size());
    const std::string_view pair = map_text.substr(start, comma - start);
    start = comma + 1;
    if (TrimBlanks(pair).empty()) continue;
    const size_t equals = pair.find('=');
    if (equals == std::string_view::npos)
      return "--map wants TARGET=COLUMN, not '" + std::string(pair) + "'";
    const std::string target_key = KeyOf(pair.substr(0, equals)).key;
    const std::string source(TrimBlanks(pair.substr(equals + 1), kListBlanks));
    const auto target = std::find_if(targets.begin(), targets.end(), [&](const Target& t) {
      return KeyOf(t.name).key == target_key;
    });
    if (target == targets.end()) {
      std::string names;
      for (const Target& t : targets) names += (names.empty() ? "" : ", ") + t.name;
      return "--map: the list has no column '" + std::string(pair.substr(0, equals)) +
             "' (it takes " + names + ")";
    }
    int column = -1;
    if (!source.empty() && source.find_first_not_of("0123456789") == std::string::npos) {
      const std::optional<int> number = ReadWholeNumber(source, 1, widest);
      if (!number) return "--map: the file has no column " + source;
      column = *number - 1;
    } else if (!source.empty()) {
      const std::vector<std::string>& header =
          mapping.has_header ? text.rows.front().fields : std::vector<std::string>{};
      const std::string key = KeyOf(source).key;
      for (size_t c = 0; c < header.size() && column < 0; ++c) {
        if (KeyOf(header[c]).key == key) column = static_cast<int>(c);
      }
      if (column < 0) return "--map: the file has no column '" + source + "'";
    }
    // One file column fills one grid column.
    if (column >= 0) std::replace(mapping.columns.begin(), mapping.columns.end(), column, -1);
    mapping.columns[target - targets.begin()] = column;
  }
  return std::nullopt;
}

std::string SourceColumnName(const DelimitedText& text, const ImportMapping& mapping, int column) {
  if (mapping.has_header && column >= 0 &&
      column < static_cast<int>(text.rows.front().fields.size())) {
    return std::string(TrimBlanks(text.rows.front().fields[column], kListBlanks));
  }
  return "Column " + GeneralText(column + 1);
}

ImportRows BuildImportRows(const DelimitedText& text, const ImportMapping& mapping, ListKind kind,
                           const std::vector<std::string>& headers) {
  const std::vector<Target>& targets = TargetsOf(kind);
  const bool inch = mapping.unit == Unit::kIn;
  // A column the job keeps beside its grid is told by its own name.
  std::vector<std::string> all_headers = headers;
  for (const Target& target : targets) {
    if (target.col <= static_cast<int>(headers.size())) continue;
    if (target.col > static_cast<int>(all_headers.size())) {
      all_headers.resize(static_cast<size_t>(target.col));
    }
    all_headers[static_cast<size_t>(target.col - 1)] = target.name;
  }
  ImportRows result;
  for (size_t r = mapping.has_header ? 1 : 0; r < text.rows.size(); ++r) {
    const DelimitedRow& record = text.rows[r];
    std::vector<std::string> cells(all_headers.size());
    std::vector<ImportIssue> notes;
    std::string refusals;
    bool any = false;
    for (size_t t = 0; t < targets.size() && t < mapping.columns.size(); ++t) {
      const int column = mapping.columns[t];
      if (column < 0 || column >= static_cast<int>(record.fields.size())) continue;
      const std::string value(TrimBlanks(record.fields[column], kListBlanks));
      const int col = inch && targets[t].inch_col > 0 ? targets[t].inch_col : targets[t].col;
      if (value.empty() || col > static_cast<int>(all_headers.size())) continue;
      CellCheck check = CheckValue(all_headers[col - 1], value);
      if (!check.refusal.empty()) {
        refusals += (refusals.empty() ? "" : "; ") + check.refusal;
      } else if (!check.cell.empty()) {
        any = true;
        cells[col - 1] = std::move(check.cell);
        if (!check.note.empty()) notes.push_back({record.line, check.note});
      }
    }
    if (!refusals.empty()) {
      result.issues.push_back({record.line, refusals + " - line left out"});
      continue;
    }
    // A record of nothing a cell can hold is as good as a blank line.
    if (!any) continue;
    if (static_cast<int>(result.rows.size()) == kMostDataRows) {
      result.first_line_left = record.line;
      break;
    }
    result.issues.insert(result.issues.end(), notes.begin(), notes.end());
    result.rows.push_back({record.line, std::move(cells)});
  }
  if (!text.rows.empty()) result.last_line = text.rows.back().line;
  return result;
}

int HeldRows(const Grid& grid) {
  int held = 0;
  for (int r = 1; r < grid.Rows(); ++r) {
    if (!RowIsBlank(grid, r)) held = r;
  }
  return held;
}

void KeepRowsThatFit(ImportRows& rows, int rows_held) {
  const auto room = static_cast<size_t>(std::max(0, kMostDataRows - rows_held));
  int first_left = rows.first_line_left;
  if (rows.rows.size() > room) {
    first_left = rows.rows[room].line;
    rows.rows.resize(room);
  }
  if (first_left == 0) return;
  // The lines from there on are told together, first, however many single lines are told.
  std::erase_if(rows.issues,
                [first_left](const ImportIssue& issue) { return issue.line >= first_left; });
  std::string reason = "the list holds at most " + GeneralText(kMostDataRows) + " rows";
  if (rows_held > 0) reason += ", " + GeneralText(rows_held) + " of them there already";
  rows.issues.insert(rows.issues.begin(), {first_left, reason + " - left out", rows.last_line});
  rows.first_line_left = 0;
}

int AddImportedRows(Grid& grid, const ImportRows& rows, ListKind kind, Unit unit, bool replace,
                    const ChargeTable& charges, JobLine* line) {
  if (replace) {
    grid.SetRows(2);
    ClearTable(grid);
    grid.row = grid.row_sel = 1;
  }
  int next = HeldRows(grid) + 1;
  const int first_length = unit == Unit::kIn ? size_col::kL1Inch : size_col::kL1;
  int stored = 0;
  for (const ImportRow& imported : rows.rows) {
    const int row = next++;
    if (row > kMostDataRows) break;
    ++stored;
    if (row >= grid.Rows()) grid.SetRows(row + 1);
    const std::vector<std::string>& cells = imported.cells;
    for (size_t c = 0; c < cells.size(); ++c) grid.SetText(row, static_cast<int>(c) + 1, cells[c]);
    if (kind == ListKind::kGlass && grid.Text(row, glass_col::kSrNo).empty()) {
      grid.SetText(row, glass_col::kSrNo, GeneralText(row));
    }
    if (kind == ListKind::kGlass && line != nullptr) AttachStack(*line, grid, row, cells);
    for (const int col : {first_length, first_length + 1}) {
      ApplyMirrorConversion(grid, row, col);
      if (kind == ListKind::kGlass) UpdateChargeableLengths(grid, row, col, charges);
    }
  }
  RenumberRows(grid);
  EnsureBlankRow(grid);
  return stored;
}

}  // namespace lumora
