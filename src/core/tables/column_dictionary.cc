#include "core/tables/column_dictionary.h"

#include <algorithm>
#include <array>

namespace lumora {
namespace {

struct DictionaryEntry {
  std::string_view header;
  ColumnInfo info;
};

constexpr std::array kDictionary = {
    DictionaryEntry{"UNIT", {4, 'O', 'T'}},      DictionaryEntry{"MOVE", {4, 'O', 'T'}},
    DictionaryEntry{"ORN", {1, 'O', 'T'}},       DictionaryEntry{"ITEM", {28, 'S', 'T'}},
    DictionaryEntry{"ADDRESS", {28, 'S', 'T'}},  DictionaryEntry{"MAT", {6, 'S', 'T'}},
    DictionaryEntry{"GRADE", {6, 'S', 'T'}},     DictionaryEntry{"LAYOUT", {6, 'L', 'T'}},
    DictionaryEntry{"ROWS", {6, 'L', 'T'}},      DictionaryEntry{"COLS", {6, 'L', 'T'}},
    DictionaryEntry{"HS", {6, 'L', 'T'}},        DictionaryEntry{"HP", {6, 'L', 'T'}},
    DictionaryEntry{"VS", {6, 'L', 'T'}},        DictionaryEntry{"VP", {6, 'L', 'T'}},
    DictionaryEntry{"B (MM)", {6, 'R', 'T'}},    DictionaryEntry{"T (MM)", {6, 'R', 'T'}},
    DictionaryEntry{"M(L)", {6, 'R', 'T'}},      DictionaryEntry{"M(T)", {6, 'R', 'T'}},
    DictionaryEntry{"M(R)", {6, 'R', 'T'}},      DictionaryEntry{"M(B)", {6, 'R', 'T'}},
    DictionaryEntry{"THICK", {6, 'R', 'T'}},     DictionaryEntry{"MINCUT", {6, 'R', 'T'}},
    DictionaryEntry{"KERF", {6, 'R', 'T'}},      DictionaryEntry{"L1 (MM)", {9, 'R', 'T'}},
    DictionaryEntry{"L2 (MM)", {9, 'R', 'T'}},   DictionaryEntry{"BLADE", {9, 'R', 'T'}},
    DictionaryEntry{"XS", {9, 'R', 'T'}},        DictionaryEntry{"YS", {9, 'R', 'T'}},
    DictionaryEntry{"DIM-X", {9, 'R', 'T'}},     DictionaryEntry{"DIM-Y", {9, 'R', 'T'}},
    DictionaryEntry{"LENGTH", {9, 'R', 'T'}},    DictionaryEntry{"WIDTH", {9, 'R', 'T'}},
    DictionaryEntry{"ChL1 (IN)", {9, 'I', 'T'}}, DictionaryEntry{"ChL2 (IN)", {9, 'I', 'T'}},
    DictionaryEntry{"ChL (IN)", {9, 'I', 'T'}},  DictionaryEntry{"L > (IN)", {9, 'I', 'T'}},
    DictionaryEntry{"L <= (IN)", {9, 'I', 'T'}}, DictionaryEntry{"L1 (IN)", {9, 'I', 'T'}},
    DictionaryEntry{"L2 (IN)", {9, 'I', 'T'}},   DictionaryEntry{"L1", {9, 'I', 'T'}},
    DictionaryEntry{"L2", {9, 'I', 'T'}},        DictionaryEntry{"QTY", {5, 'L', 'T'}},
    DictionaryEntry{"TAG", {12, 'S', 'T'}},      DictionaryEntry{"CUSTOMER", {12, 'S', 'T'}},
    DictionaryEntry{"PRODUCT", {12, 'S', 'T'}},  DictionaryEntry{"A/C", {12, 'S', 'T'}},
    DictionaryEntry{"SITE", {12, 'S', 'T'}},     DictionaryEntry{"SR.NO", {12, 'S', 'T'}},
    DictionaryEntry{"REF", {12, 'S', 'T'}},      DictionaryEntry{"FROM", {12, 'S', 'T'}},
    DictionaryEntry{"PRODUCTS", {12, 'S', 'L'}}, DictionaryEntry{"DENSITY", {24, 'R', 'T'}},
    DictionaryEntry{"NOTE", {30, 'S', 'T'}},     DictionaryEntry{"REPORT", {79, 'X', 'X'}},
    DictionaryEntry{"EFF", {4, 'L', 'T'}},       DictionaryEntry{"CP/SFT", {7, 'R', 'T'}},
    DictionaryEntry{"SP/SFT", {7, 'R', 'T'}},    DictionaryEntry{"RACK", {12, 'S', 'T'}},
    DictionaryEntry{"SLOTS", {6, 'L', 'T'}},     DictionaryEntry{"PIECES", {6, 'L', 'T'}},
    DictionaryEntry{"LOAD (KG)", {9, 'R', 'T'}}, DictionaryEntry{"STACK", {12, 'S', 'T'}},
    DictionaryEntry{"SEQUENCE", {5, 'L', 'T'}},  DictionaryEntry{"ROW", {5, 'L', 'T'}},
    DictionaryEntry{"SHEET", {5, 'L', 'T'}},     DictionaryEntry{"X (MM)", {9, 'R', 'T'}},
    DictionaryEntry{"Y (MM)", {9, 'R', 'T'}},    DictionaryEntry{"W (MM)", {9, 'R', 'T'}},
    DictionaryEntry{"H (MM)", {9, 'R', 'T'}},    DictionaryEntry{"X (IN)", {9, 'I', 'T'}},
    DictionaryEntry{"Y (IN)", {9, 'I', 'T'}},    DictionaryEntry{"W (IN)", {9, 'I', 'T'}},
    DictionaryEntry{"H (IN)", {9, 'I', 'T'}},
};

}  // namespace

std::optional<ColumnInfo> DescribeColumn(std::string_view header) {
  const auto entry =
      std::find_if(kDictionary.begin(), kDictionary.end(),
                   [header](const DictionaryEntry& e) { return e.header == header; });
  if (entry == kDictionary.end()) return std::nullopt;
  return entry->info;
}

std::string BuildFormatString(const std::vector<std::string>& headers) {
  std::string format = "<Sr No";
  for (const std::string& header : headers) {
    const int width = std::max(3, DescribeColumn(header).value_or(ColumnInfo{}).max_length);
    format += "|<" + header;
    const int length = static_cast<int>(header.size());
    if (width > length) format.append(static_cast<size_t>(width - length), ' ');
  }
  return format;
}

}  // namespace lumora
