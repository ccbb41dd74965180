#include "core/engine2d/challenge_csv.h"

#include <charconv>
#include <cmath>

#include "core/base/number_text.h"

namespace lumora {
namespace {

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

}  // namespace

std::optional<ChallengeTable> ChallengeTable::Read(const ChallengeFile& file,
                                                   const std::vector<std::string_view>& columns,
                                                   std::string* error) {
  if (file.bytes.size() > kMaxChallengeFileBytes) {
    *error = file.name + " is longer than " +
             GeneralText(static_cast<int>(kMaxChallengeFileBytes >> 20)) + " MB.";
    return std::nullopt;
  }
  ChallengeTable table;
  table.name_ = file.name;
  table.names_ = columns;
  table.text_ = ReadDelimitedText(file.bytes);
  if (table.text_.rows.empty()) {
    *error = file.name + " is empty.";
    return std::nullopt;
  }
  const std::vector<std::string>& header = table.text_.rows.front().fields;
  for (std::string_view column : columns) {
    size_t place = 0;
    while (place < header.size() && !SameName(TrimBlanks(header[place]), column)) ++place;
    if (place == header.size()) {
      *error = file.name + " has no column " + std::string(column) + ".";
      return std::nullopt;
    }
    table.places_.push_back(place);
  }
  return table;
}

std::string_view ChallengeTable::Field(size_t row, size_t column) const {
  const std::vector<std::string>& fields = text_.rows[row + 1].fields;
  const size_t place = places_[column];
  return place < fields.size() ? TrimBlanks(fields[place]) : std::string_view();
}

bool ChallengeTable::Blank(size_t row, size_t column) const { return Field(row, column).empty(); }

std::string ChallengeTable::Where(size_t row) const {
  return name_ + ", line " + GeneralText(text_.rows[row + 1].line) + ": ";
}

std::optional<double> ChallengeTable::Number(size_t row, size_t column, std::string* error) const {
  const std::string_view text = Field(row, column);
  double value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, failure] = std::from_chars(text.data(), end, value);
  if (text.empty() || failure != std::errc() || stop != end || !std::isfinite(value)) {
    *error = Where(row) + std::string(names_[column]) + " is not a number: \"" + std::string(text) +
             "\".";
    return std::nullopt;
  }
  return value;
}

std::optional<int32_t> ChallengeTable::Whole(size_t row, size_t column, int32_t least, int32_t most,
                                             std::string* error, std::string_view called) const {
  const std::optional<double> value = Number(row, column, error);
  if (!value) return std::nullopt;
  if (*value != std::trunc(*value) || *value < least || *value > most) {
    *error = Where(row) + std::string(called.empty() ? names_[column] : called) +
             " is not a whole number from " + GeneralText(least) + " to " + GeneralText(most) +
             ": \"" + std::string(Field(row, column)) + "\".";
    return std::nullopt;
  }
  return static_cast<int32_t>(*value);
}

}  // namespace lumora
