#ifndef LUMORA_CORE_TOOLS_UNIT_CONVERSION_H_
#define LUMORA_CORE_TOOLS_UNIT_CONVERSION_H_

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The unit conversion tool's arithmetic: a length typed as a number or as an inch fraction,
// converted between millimetres, centimetres, metres, inches and feet.
namespace lumora {

inline constexpr std::string_view kUnitPairFileName = "unit.tlf";

// The entries of both unit lists, in list order.
inline constexpr std::array<std::string_view, 5> kLengthUnits = {"mm", "cm", "mt", "in", "ft"};

// The list index of a unit name, nullopt for a name that is not in the lists.
std::optional<int> LengthUnitIndex(std::string_view name);

// The length a typed text stands for: "48 3/4" is 48 + 3/4 and "3/4" is 0 + 3/4 (whole part,
// blank, numerator, "/", denominator); any other text is its leading number, 0 when there is
// none. nullopt for a fraction whose denominator is 0.
std::optional<double> ReadLengthInput(std::string_view text);

// The output text for a typed length converted from list entry `from` to list entry `to`
// (single-precision factors through millimetres, a double product, "0.0000"); nullopt when the
// input cannot be computed, which leaves the shown output as it was. Indices outside the lists
// count as "mm".
std::optional<std::string> ConvertLength(std::string_view input, int from, int to);

// The pair of units the tool remembers in unit.tlf.
struct UnitPair {
  int from = 0;
  int to = 0;
  bool operator==(const UnitPair&) const = default;
};

// unit.tlf's two fields, the from and the to unit; a missing file, field or unknown name
// leaves that list on "mm".
UnitPair ReadUnitPair(const std::optional<std::string>& bytes);
// The bytes of unit.tlf for a pair.
std::string UnitPairBytes(const UnitPair& pair);

}  // namespace lumora

#endif  // LUMORA_CORE_TOOLS_UNIT_CONVERSION_H_
