#include "core/job/job_sections.h"

#include <optional>

#include "core/base/ascii_case.h"

namespace lumora {
namespace {

// Reads line by line: LF ends a line and a CR before it is dropped; the end of the bytes ends
// the last line.
class LineReader {
 public:
  explicit LineReader(std::string_view bytes) : bytes_(bytes) {}

  std::optional<std::string_view> Next() {
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

 private:
  std::string_view bytes_;
  size_t position_ = 0;
};

}  // namespace

JobTables SplitJobFile(std::string_view bytes) {
  JobTables tables;
  LineReader reader(bytes);
  for (std::string& table : tables) {
    if (!reader.Next()) break;
    while (const auto line = reader.Next()) {
      if (*line == "[END]") break;
      table += *line;
      table += "\r\n";
    }
  }
  return tables;
}

std::string JoinJobFile(const JobTables& tables) {
  std::string bytes;
  for (size_t i = 0; i < tables.size(); ++i) {
    if (i == kRecutTable && tables[i].empty()) continue;
    bytes += "[" + AsciiUpper(kJobTables[i]) + "]\r\n";
    LineReader reader(tables[i]);
    while (const auto line = reader.Next()) {
      bytes += *line;
      bytes += "\r\n";
    }
    bytes += "[END]\r\n";
  }
  return bytes;
}

}  // namespace lumora
