#ifndef LUMORA_CORE_BASE_FIELD_READER_H_
#define LUMORA_CORE_BASE_FIELD_READER_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace lumora {

// Reads the fields of a table file one after another across the whole file. A comma or a line
// end (LF, with a CR before it dropped) ends a field. Leading blanks are skipped; a field that
// starts with a double quote runs to the next double quote and the rest up to the next comma
// or line end is skipped; a bare field runs to the next comma or line end, trailing blanks
// removed. Line ends are not otherwise significant. No value ever holds a double quote (a bare
// field's are left out): the writer could not put it back, so a record read from a hand-edited
// file would merge, sort and show differently from the same record once saved.
class FieldReader {
 public:
  explicit FieldReader(std::string_view bytes) : bytes_(bytes) {}

  // True when no byte is left to read.
  bool AtEnd() const { return position_ >= bytes_.size(); }
  // The next field; at the end of the data an empty text.
  std::string Next();
  // Skips the rest of the current line, including its line end.
  void SkipLine();

 private:
  std::string_view bytes_;
  size_t position_ = 0;
};

// Reads bytes line by line: LF ends a line and a CR before it is dropped; the end of the bytes
// ends the last line.
class LineReader {
 public:
  explicit LineReader(std::string_view bytes) : bytes_(bytes) {}

  // The next line without its line end; nullopt after the last.
  std::optional<std::string_view> Next();

 private:
  std::string_view bytes_;
  size_t position_ = 0;
};

// The number of lines of a file's bytes: every LF ends one, and a last line without LF counts.
int CountLines(std::string_view bytes);

}  // namespace lumora

#endif  // LUMORA_CORE_BASE_FIELD_READER_H_
