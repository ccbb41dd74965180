#ifndef LUMORA_CORE_BASE_DELIMITED_TEXT_H_
#define LUMORA_CORE_BASE_DELIMITED_TEXT_H_

#include <string>
#include <string_view>
#include <vector>

// Lists as spreadsheets and order systems save them: comma, semicolon or tab separated text.
namespace lumora {

// One record of the text with the line it starts on (1-based), its fields in Latin-1.
struct DelimitedRow {
  int line = 0;
  std::vector<std::string> fields;
};

struct DelimitedText {
  char delimiter = ',';
  // Records that hold any non-blank field; blank lines are left out.
  std::vector<DelimitedRow> rows;
  // Why the text cannot be taken as a list ("line 7: a quote opens a cell and is never
  // closed"); empty when it can.
  std::string error;
};

// The text's bytes in Latin-1: a UTF-8 or UTF-16 byte order mark is honoured and dropped, text
// whose every other byte is mostly zero is UTF-16 without a mark (little-endian when the zeros
// come second), text that is valid UTF-8 with any character beyond ASCII is read as UTF-8,
// anything else is taken as Latin-1 already. Characters Latin-1 cannot hold become "?".
std::string ToLatin1Text(std::string_view bytes);

// Latin-1 text as UTF-8.
std::string Latin1ToUtf8(std::string_view latin1);

// Reads any bytes as delimited text. The delimiter is the one of tab, ";" and "," that splits the
// first lines most evenly (in that order of preference). A field in double quotes may hold the
// delimiter, line ends and doubled quotes; a line may end in CR LF, LF or CR. A quote still open
// at the end of the text is an error naming the line it opened on.
DelimitedText ReadDelimitedText(std::string_view bytes);

}  // namespace lumora

#endif  // LUMORA_CORE_BASE_DELIMITED_TEXT_H_
