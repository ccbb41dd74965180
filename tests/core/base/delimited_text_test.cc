#include "core/base/delimited_text.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace lumora {
namespace {

// Latin-1 text as UTF-16, with or without its byte order mark.
std::string Utf16(std::string_view latin1, bool big_endian, bool marked) {
  std::string bytes = !marked ? "" : big_endian ? "\xFE\xFF" : "\xFF\xFE";
  for (const char c : latin1) bytes += big_endian ? std::string{'\0', c} : std::string{c, '\0'};
  return bytes;
}

// The records as "line:field;field", a blank between records.
std::string RecordsText(const DelimitedText& text) {
  std::string records;
  for (const DelimitedRow& row : text.rows) {
    records += (records.empty() ? "" : " ") + std::to_string(row.line) + ":";
    for (size_t f = 0; f < row.fields.size(); ++f) records += (f > 0 ? ";" : "") + row.fields[f];
  }
  return records;
}

TEST(DelimitedText, CharsetsAndQuotesAreReadOrTheLineOfAnOpenQuoteIsTold) {
  const std::string list = "L1\tL2\tCUSTOMER\r\n1000\t500\tM\xFCller\r\n";
  const std::string records = "1:L1;L2;CUSTOMER 2:1000;500;M\xFCller";
  // The bytes, their records, the error.
  const std::tuple<std::string, std::string, std::string> cases[] = {
      {Utf16(list, false, true), records, ""},
      {Utf16(list, true, true), records, ""},
      {Utf16(list, false, false), records, ""},
      {Utf16(list, true, false), records, ""},
      {"a,b\n\xC3\xBC,\"x\"\"y\"\n", "1:a;b 2:\xFC;x\"y", ""},
      {"\xEF\xBB\xBF\xC3\xBC\n", "1:\xFC", ""},
      {"\xFC\xC3\n", "1:\xFC\xC3", ""},  // not UTF-8: Latin-1
      // A quoted cell may run over lines; one that never closes takes the rest of the file.
      {"a,\"b\nc\",d\ne,f\n", "1:a;b c;d 3:e;f", ""},
      {"100,200,1,\"abc\n800,600,1,x\n", "1:100;200;1;abc 800,600,1,x ",
       "line 1: a quote opens a cell and is never closed"},
      {"a,b\nc,\"d\"\n\"e\n", "1:a;b 2:c;d 3:e ",
       "line 3: a quote opens a cell and is never closed"},
  };
  for (const auto& [bytes, expected_records, error] : cases) {
    const DelimitedText text = ReadDelimitedText(bytes);
    EXPECT_EQ(RecordsText(text), expected_records) << bytes;
    EXPECT_EQ(text.error, error) << bytes;
  }
}

}  // namespace
}  // namespace lumora
