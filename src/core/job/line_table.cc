#include "core/job/line_table.h"

#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "core/base/field_reader.h"
#include "core/base/number_text.h"
#include "core/tables/grid_clipboard.h"
#include "core/tables/table_file.h"

namespace lumora {
namespace {

constexpr std::string_view kSettingsRecord = "CUTTING LINE";
constexpr std::string_view kFlawRecord = "FLAW";
constexpr std::string_view kStackRecord = "STACK";

constexpr std::array<std::pair<LineStages, std::string_view>, 4> kStageWords = {{
    {LineStages::kTwo, "2"},
    {LineStages::kThree, "3"},
    {LineStages::kThreeWithTrim, "3 TRIM"},
    {LineStages::kUnlimited, "ANY"},
}};
constexpr std::array<std::pair<FirstCut, std::string_view>, 2> kFirstCutWords = {{
    {FirstCut::kVertical, "VERTICAL"},
    {FirstCut::kHorizontal, "HORIZONTAL"},
}};

template <typename Value, size_t kCount>
std::string WordOf(const std::array<std::pair<Value, std::string_view>, kCount>& words,
                   Value value) {
  for (const auto& [known, word] : words) {
    if (known == value) return std::string(word);
  }
  return {};
}

template <typename Value, size_t kCount>
std::optional<Value> ValueOf(const std::array<std::pair<Value, std::string_view>, kCount>& words,
                             std::string_view word) {
  for (const auto& [value, known] : words) {
    if (known == word) return value;
  }
  return std::nullopt;
}

std::string FlagText(bool flag) { return flag ? "-1" : "0"; }

std::optional<bool> FlagOf(std::string_view text) {
  if (text == "-1") return true;
  if (text == "0") return false;
  return std::nullopt;
}

std::optional<float> LengthOf(std::string_view text) {
  if (!IsNumberText(text) || ReadDouble(text) < 0) return std::nullopt;
  return ReadFloat(text);
}

// The record numbers the stored table gives its rows: 0 for a row it leaves out.
std::vector<int> RecordNumbers(const Grid& grid) {
  std::vector<int> numbers(static_cast<size_t>(std::max(grid.Rows(), 0)), 0);
  int next = 0;
  for (int r = 1; r < grid.Rows(); ++r) {
    if (!RowIsBlank(grid, r)) numbers[static_cast<size_t>(r)] = ++next;
  }
  return numbers;
}

class LineTableReader {
 public:
  LineTableReader(const Grid& sheet, const Grid& glass) : sheet_(sheet), glass_(glass) {}

  // Takes one record; false when it is left out.
  bool Take(const std::vector<std::string>& fields) {
    if (fields.empty()) return false;
    if (fields[0] == kSettingsRecord) return TakeSettings(fields);
    if (fields[0] == kFlawRecord) return TakeFlaw(fields);
    if (fields[0] == kStackRecord) return TakeStack(fields);
    return false;
  }

  JobLine& line() { return line_; }

 private:
  bool TakeSettings(const std::vector<std::string>& fields) {
    if (fields.size() < 9 || line_.settings()) return false;
    const auto stages = ValueOf(kStageWords, fields[1]);
    const auto first_cut = ValueOf(kFirstCutWords, fields[2]);
    std::array<std::optional<float>, 4> lengths;
    for (size_t i = 0; i < lengths.size(); ++i) lengths[i] = LengthOf(fields[3 + i]);
    const auto through_flaws = FlagOf(fields[7]);
    const auto in_order = FlagOf(fields[8]);
    if (!stages || !first_cut || !lengths[0] || !lengths[1] || !lengths[2] || !lengths[3] ||
        !through_flaws || !in_order) {
      return false;
    }
    line_.SetSettings(CuttingLineSettings{*stages, *first_cut, *lengths[0], *lengths[1],
                                          *lengths[2], *lengths[3], *through_flaws, *in_order});
    return true;
  }

  bool TakeFlaw(const std::vector<std::string>& fields) {
    if (fields.size() < 7) return false;
    const std::optional<RowId> row = RowNamed(sheet_, fields[1]);
    const std::optional<int> sheet = ReadWholeNumber(fields[2], 1, kMostLineNumber);
    std::array<std::optional<float>, 4> lengths;
    for (size_t i = 0; i < lengths.size(); ++i) lengths[i] = LengthOf(fields[3 + i]);
    if (!row || !sheet || !lengths[0] || !lengths[1] || !lengths[2] || !lengths[3]) return false;
    std::vector<SheetFlaw> flaws = line_.Flaws(*row);
    flaws.push_back({*sheet, *lengths[0], *lengths[1], *lengths[2], *lengths[3]});
    line_.SetFlaws(*row, std::move(flaws));
    return true;
  }

  bool TakeStack(const std::vector<std::string>& fields) {
    if (fields.size() < 4) return false;
    const std::optional<RowId> row = RowNamed(glass_, fields[1]);
    const std::string name(TrimBlanks(StorableCellText(fields[2])));
    const bool no_sequence = fields[3] == "0";
    const std::optional<int> sequence = ReadWholeNumber(fields[3], 1, kMostLineNumber);
    if (!row || line_.Stack(*row) || name.empty() ||
        static_cast<int>(name.size()) > kStackNameLength || (!no_sequence && !sequence)) {
      return false;
    }
    line_.SetStack(*row, GlassStack{name, sequence.value_or(0)});
    return true;
  }

  // The row a record number names: as the grid was loaded, record n is row n.
  static std::optional<RowId> RowNamed(const Grid& grid, std::string_view text) {
    const std::optional<int> row = ReadWholeNumber(text, 1, kMaxGridRows);
    if (!row || *row >= grid.Rows() || RowIsBlank(grid, *row)) return std::nullopt;
    return grid.RowIdOf(*row);
  }

  const Grid& sheet_;
  const Grid& glass_;
  JobLine line_;
};

}  // namespace

std::string StagesWord(LineStages stages) { return WordOf(kStageWords, stages); }

std::string FirstCutWord(FirstCut first_cut) { return WordOf(kFirstCutWords, first_cut); }

std::string LineTableBytes(const JobLine& line, const Grid& sheet, const Grid& glass) {
  std::string bytes;
  if (const auto& settings = line.settings()) {
    bytes +=
        QuotedLine({std::string(kSettingsRecord), StagesWord(settings->stages),
                    FirstCutWord(settings->first_cut), GeneralText(settings->min_strip_width),
                    GeneralText(settings->max_strip_width), GeneralText(settings->min_row_height),
                    GeneralText(settings->min_waste), FlagText(settings->cuts_through_flaws),
                    FlagText(settings->sheets_in_order)});
  }
  const std::vector<int> stock_records = RecordNumbers(sheet);
  for (int r = 1; r < sheet.Rows(); ++r) {
    const int record = stock_records[static_cast<size_t>(r)];
    if (record == 0) continue;
    for (const SheetFlaw& flaw : line.Flaws(sheet.RowIdOf(r))) {
      bytes += QuotedLine({std::string(kFlawRecord), GeneralText(record), GeneralText(flaw.sheet),
                           GeneralText(flaw.x), GeneralText(flaw.y), GeneralText(flaw.width),
                           GeneralText(flaw.height)});
    }
  }
  const std::vector<int> glass_records = RecordNumbers(glass);
  for (int r = 1; r < glass.Rows(); ++r) {
    const int record = glass_records[static_cast<size_t>(r)];
    const std::optional<GlassStack> stack = line.Stack(glass.RowIdOf(r));
    if (record == 0 || !stack) continue;
    bytes += QuotedLine({std::string(kStackRecord), GeneralText(record), stack->name,
                         GeneralText(stack->sequence)});
  }
  return bytes;
}

LineTableRead ReadLineTable(std::string_view bytes, const Grid& sheet, const Grid& glass) {
  LineTableReader reader(sheet, glass);
  LineTableRead read;
  LineReader lines(bytes);
  while (const auto line = lines.Next()) {
    if (TrimBlanks(*line).empty()) continue;
    std::vector<std::string> fields;
    FieldReader field_reader(*line);
    while (!field_reader.AtEnd()) fields.push_back(field_reader.Next());
    if (!reader.Take(fields)) ++read.lines_left_out;
  }
  read.line = std::move(reader.line());
  return read;
}

}  // namespace lumora
