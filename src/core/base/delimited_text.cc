#include "core/base/delimited_text.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "core/base/number_text.h"

namespace lumora {
namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The length of the UTF-8 sequence at i, or 0 when the bytes there are not one.
size_t Utf8SequenceAt(std::string_view bytes, size_t i, uint32_t& code) {
  const auto lead = static_cast<unsigned char>(bytes[i]);
  size_t length = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    code = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    code = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    code = lead & 0x07;
  } else {
    return 0;
  }
  if (i + length > bytes.size()) return 0;
  for (size_t k = 1; k < length; ++k) {
    const auto byte = static_cast<unsigned char>(bytes[i + k]);
    if (!IsContinuation(byte)) return 0;
    code = (code << 6) | (byte & 0x3F);
  }
  return length;
}

char Latin1Of(uint32_t code) { return code <= 0xFF ? static_cast<char>(code) : '?'; }

bool IsUtf8BeyondAscii(std::string_view bytes) {
  bool beyond = false;
  for (size_t i = 0; i < bytes.size();) {
    if (static_cast<unsigned char>(bytes[i]) < 0x80) {
      ++i;
      continue;
    }
    uint32_t code = 0;
    const size_t length = Utf8SequenceAt(bytes, i, code);
    if (length == 0) return false;
    beyond = true;
    i += length;
  }
  return beyond;
}

std::string Utf8ToLatin1(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size();) {
    uint32_t code = 0;
    const size_t length = Utf8SequenceAt(bytes, i, code);
    if (length == 0) {
      text += bytes[i++];
    } else {
      text += Latin1Of(code);
      i += length;
    }
  }
  return text;
}

std::string Utf16ToLatin1(std::string_view bytes, bool little_endian) {
  std::string text;
  text.reserve(bytes.size() / 2);
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    const uint32_t unit = little_endian ? (second << 8 | first) : (first << 8 | second);
    // Each half of a surrogate pair lies beyond Latin-1 and gives "?" on its own: keep one.
    if (unit >= 0xDC00 && unit <= 0xDFFF) continue;
    text += Latin1Of(unit);
  }
  return text;
}

// UTF-16 without a byte order mark, as some programs save "Unicode text": text of Latin letters
// and digits has a zero in every other byte, which Latin-1 and UTF-8 text never holds.
enum class Utf16Guess { kNone, kLittleEndian, kBigEndian };

Utf16Guess GuessUnmarkedUtf16(std::string_view bytes) {
  constexpr size_t kPairsLooked = 4096;
  const size_t pairs = std::min(bytes.size() / 2, kPairsLooked);
  size_t zero_first = 0;
  size_t zero_second = 0;
  for (size_t i = 0; i < pairs; ++i) {
    zero_first += bytes[2 * i] == '\0' ? 1 : 0;
    zero_second += bytes[2 * i + 1] == '\0' ? 1 : 0;
  }
  // Mostly zeros on one side and hardly any on the other: a few characters beyond Latin-1 take
  // the zeros away from their pair, and a stray NUL is not a text's every other byte.
  const auto mostly = [pairs](size_t zeros, size_t other) {
    return pairs > 0 && zeros * 2 >= pairs && other * 8 <= zeros;
  };
  if (mostly(zero_second, zero_first)) return Utf16Guess::kLittleEndian;
  if (mostly(zero_first, zero_second)) return Utf16Guess::kBigEndian;
  return Utf16Guess::kNone;
}

// How often each candidate delimiter splits the first lines outside quoted fields.
struct DelimiterCount {
  char delimiter;
  int lines_with = 0;
  bool even = true;
  int first = -1;
};

char DetectDelimiter(std::string_view text) {
  std::array<DelimiterCount, 3> counts = {{{'\t'}, {';'}, {','}}};
  std::array<int, 3> in_line = {0, 0, 0};
  bool quoted = false;
  bool blank = true;
  int lines = 0;
  auto end_line = [&] {
    if (!blank) {
      ++lines;
      for (size_t k = 0; k < counts.size(); ++k) {
        DelimiterCount& count = counts[k];
        if (in_line[k] > 0) ++count.lines_with;
        if (count.first < 0) count.first = in_line[k];
        count.even = count.even && in_line[k] == count.first;
      }
    }
    in_line = {0, 0, 0};
    blank = true;
  };
  for (size_t i = 0; i < text.size() && lines < 20; ++i) {
    const char c = text[i];
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == '\r' || c == '\n') {
      end_line();
      continue;
    }
    if (c != ' ') blank = false;
    for (size_t k = 0; k < counts.size(); ++k) in_line[k] += c == counts[k].delimiter ? 1 : 0;
  }
  end_line();
  for (const DelimiterCount& count : counts) {
    if (count.even && count.first > 0) return count.delimiter;
  }
  const auto most = std::max_element(
      counts.begin(), counts.end(),
      [](const DelimiterCount& a, const DelimiterCount& b) { return a.lines_with < b.lines_with; });
  return most->lines_with > 0 ? most->delimiter : ',';
}

}  // namespace

std::string ToLatin1Text(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) return Utf8ToLatin1(bytes.substr(3));
  if (bytes.starts_with("\xFF\xFE")) return Utf16ToLatin1(bytes.substr(2), true);
  if (bytes.starts_with("\xFE\xFF")) return Utf16ToLatin1(bytes.substr(2), false);
  switch (GuessUnmarkedUtf16(bytes)) {
    case Utf16Guess::kLittleEndian:
      return Utf16ToLatin1(bytes, true);
    case Utf16Guess::kBigEndian:
      return Utf16ToLatin1(bytes, false);
    case Utf16Guess::kNone:
      break;
  }
  if (IsUtf8BeyondAscii(bytes)) return Utf8ToLatin1(bytes);
  return std::string(bytes);
}

std::string Latin1ToUtf8(std::string_view latin1) {
  std::string text;
  text.reserve(latin1.size());
  for (const char c : latin1) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      text += c;
    } else {
      text += static_cast<char>(0xC0 | (byte >> 6));
      text += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return text;
}

DelimitedText ReadDelimitedText(std::string_view bytes) {
  const std::string text = ToLatin1Text(bytes);
  DelimitedText result;
  result.delimiter = DetectDelimiter(text);

  int line = 1;
  int record_line = 1;
  int quote_line = 0;
  std::vector<std::string> fields;
  std::string field;
  bool quoted = false;
  auto end_record = [&] {
    fields.push_back(std::move(field));
    field.clear();
    const bool any = std::any_of(fields.begin(), fields.end(),
                                 [](const std::string& f) { return !TrimBlanks(f).empty(); });
    if (any) result.rows.push_back({record_line, std::move(fields)});
    fields.clear();
  };
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const bool crlf = c == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        field += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else if (c == '\n' || (c == '\r' && !crlf)) {
        // A line break inside a cell becomes a blank: a cell holds one line.
        field += ' ';
        ++line;
      } else if (c != '\r') {
        field += c;
      }
    } else if (c == '"' && TrimBlanks(field).empty()) {
      quoted = true;
      quote_line = line;
      field.clear();
    } else if (c == result.delimiter) {
      fields.push_back(std::move(field));
      field.clear();
    } else if (c == '\r' || c == '\n') {
      if (crlf) ++i;
      end_record();
      record_line = ++line;
    } else {
      field += c;
    }
  }
  end_record();
  if (quoted) {
    result.error = "line " + GeneralText(quote_line) + ": a quote opens a cell and is never closed";
  }
  return result;
}

}  // namespace lumora
