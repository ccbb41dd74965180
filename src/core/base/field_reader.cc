#include "core/base/field_reader.h"

#include <algorithm>
#include <climits>

namespace lumora {

std::string FieldReader::Next() {
  while (position_ < bytes_.size() && bytes_[position_] == ' ') ++position_;
  if (AtEnd()) return {};

  std::string value;
  if (bytes_[position_] == '"') {
    const size_t start = position_ + 1;
    const size_t quote = std::min(bytes_.find('"', start), bytes_.size());
    value = bytes_.substr(start, quote - start);
    position_ = std::min(quote + 1, bytes_.size());
    const size_t delimiter = std::min(bytes_.find_first_of(",\n", position_), bytes_.size());
    position_ = std::min(delimiter + 1, bytes_.size());
    return value;
  }

  const size_t delimiter = std::min(bytes_.find_first_of(",\n", position_), bytes_.size());
  size_t end = delimiter;
  if (end < bytes_.size() && bytes_[end] == '\n' && end > position_ && bytes_[end - 1] == '\r') {
    --end;
  }
  for (const char c : bytes_.substr(position_, end - position_)) {
    if (c != '"') value += c;
  }
  const size_t last = value.find_last_not_of(' ');
  value.resize(last == std::string::npos ? 0 : last + 1);
  position_ = std::min(delimiter + 1, bytes_.size());
  return value;
}

void FieldReader::SkipLine() {
  const size_t line_end = bytes_.find('\n', position_);
  position_ = line_end == std::string_view::npos ? bytes_.size() : line_end + 1;
}

int CountLines(std::string_view bytes) {
  const auto line_ends = std::count(bytes.begin(), bytes.end(), '\n');
  const bool open_last_line = !bytes.empty() && bytes.back() != '\n';
  return static_cast<int>(std::min<long long>(line_ends + (open_last_line ? 1 : 0), INT_MAX));
}

std::optional<std::string_view> LineReader::Next() {
  if (position_ >= bytes_.size()) return std::nullopt;
  const size_t line_end = bytes_.find('\n', position_);
  const size_t end = line_end == std::string_view::npos ? bytes_.size() : line_end;
  std::string_view line = bytes_.substr(position_, end - position_);
  if (line_end != std::string_view::npos && !line.empty() && line.back() == '\r') {
    line.remove_suffix(1);
  }
  position_ = end + 1;
  return line;
}

}  // namespace lumora
