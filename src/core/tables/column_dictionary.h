#ifndef LUMORA_CORE_TABLES_COLUMN_DICTIONARY_H_
#define LUMORA_CORE_TABLES_COLUMN_DICTIONARY_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

// What the column dictionary knows of a header: the longest cell text, the column kind
// ('S' text, 'L' whole number, 'R' decimal, 'I' inch length, 'O' option, 'X' read only) and
// the edit mode ('T' typed, 'L' chosen from a list, 'C' typed with a list on Enter, 'X' fixed).
struct ColumnInfo {
  int max_length = 0;
  char kind = 'S';
  char mode = 'T';
};

// The dictionary entry of a header, compared exactly; nullopt for an unknown header, whose
// caller keeps its own values.
std::optional<ColumnInfo> DescribeColumn(std::string_view header);

// The header layout string for data columns with the given headers: "<Sr No" and then, per
// header, "|<" + header padded with blanks to the dictionary width (at least 3).
std::string BuildFormatString(const std::vector<std::string>& headers);

}  // namespace lumora

#endif  // LUMORA_CORE_TABLES_COLUMN_DICTIONARY_H_
