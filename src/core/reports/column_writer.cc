#include "core/reports/column_writer.h"

namespace lumora {

void ColumnWriter::Place(int column, std::string_view text) {
  const size_t target = column < 1 ? 1 : static_cast<size_t>(column);
  const size_t current = bytes_.size() - line_start_ + 1;
  if (current < target) {
    bytes_.append(target - current, ' ');
  } else if (current > target) {
    EndLine();
    bytes_.append(target - 1, ' ');
  }
  bytes_ += text;
}

void ColumnWriter::EndLine() {
  bytes_ += "\r\n";
  line_start_ = bytes_.size();
}

void ColumnWriter::Line(std::string_view text) {
  bytes_ += text;
  EndLine();
}

}  // namespace lumora
