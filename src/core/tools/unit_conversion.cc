#include "core/tools/unit_conversion.h"

#include "core/base/field_reader.h"
#include "core/base/number_text.h"
#include "core/tables/table_file.h"

namespace lumora {
namespace {

constexpr std::array<float, kLengthUnits.size()> kToMM = {1.0f, 10.0f, 1000.0f, 25.4f,
                                                          25.4f * 12.0f};
constexpr std::array<float, kLengthUnits.size()> kFromMM = {1.0f, 0.1f, 0.001f, 1.0f / 25.4f,
                                                            1.0f / (25.4f * 12.0f)};

size_t ListIndex(int index) {
  return index >= 0 && index < static_cast<int>(kLengthUnits.size()) ? static_cast<size_t>(index)
                                                                     : 0;
}

}  // namespace

std::optional<int> LengthUnitIndex(std::string_view name) {
  for (size_t i = 0; i < kLengthUnits.size(); ++i) {
    if (kLengthUnits[i] == name) return static_cast<int>(i);
  }
  return std::nullopt;
}

std::optional<double> ReadLengthInput(std::string_view text) {
  text = TrimBlanks(text);
  const size_t slash = text.find('/');
  if (slash == std::string_view::npos) return ReadDouble(text);
  const size_t space = text.find(' ');
  double whole = 0.0;
  std::string_view numerator = text.substr(0, slash);
  if (space < slash) {
    whole = ReadDouble(text.substr(0, space));
    numerator = text.substr(space + 1, slash - space - 1);
  }
  const double denominator = ReadDouble(text.substr(slash + 1));
  if (denominator == 0.0) return std::nullopt;
  return whole + ReadDouble(numerator) / denominator;
}

std::optional<std::string> ConvertLength(std::string_view input, int from, int to) {
  const std::optional<double> value = ReadLengthInput(input);
  if (!value) return std::nullopt;
  const double result = *value * static_cast<double>(kToMM[ListIndex(from)]) *
                        static_cast<double>(kFromMM[ListIndex(to)]);
  return FormatDouble(result, "0.0000");
}

UnitPair ReadUnitPair(const std::optional<std::string>& bytes) {
  UnitPair pair;
  if (!bytes) return pair;
  FieldReader reader(*bytes);
  pair.from = LengthUnitIndex(reader.Next()).value_or(0);
  pair.to = LengthUnitIndex(reader.Next()).value_or(0);
  return pair;
}

std::string UnitPairBytes(const UnitPair& pair) {
  return QuotedLine({std::string(kLengthUnits[ListIndex(pair.from)]),
                     std::string(kLengthUnits[ListIndex(pair.to)])});
}

}  // namespace lumora
