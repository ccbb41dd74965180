#ifndef LUMORA_CORE_REPORTS_COLUMN_WRITER_H_
#define LUMORA_CORE_REPORTS_COLUMN_WRITER_H_

#include <string>
#include <string_view>
#include <utility>

namespace lumora {

// Text laid out by character columns, as the report and the label file are: lines end with
// CR LF, columns count bytes from 1.
class ColumnWriter {
 public:
  // Places a text at a column: blanks fill the line up to it; a line already past it ends first
  // and the new line is filled up to it. Columns below 1 count as 1.
  void Place(int column, std::string_view text);
  // Writes a text where the line stands.
  void Write(std::string_view text) { bytes_ += text; }
  // Ends the line with CR LF (on an empty line: an empty line).
  void EndLine();
  // A whole line: the text and CR LF.
  void Line(std::string_view text);

  // How many bytes are written so far.
  size_t Size() const { return bytes_.size(); }
  std::string Take() { return std::move(bytes_); }

 private:
  std::string bytes_;
  size_t line_start_ = 0;
};

}  // namespace lumora

#endif  // LUMORA_CORE_REPORTS_COLUMN_WRITER_H_
