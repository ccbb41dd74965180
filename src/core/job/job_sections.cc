#include "core/job/job_sections.h"

#include <optional>

#include "core/base/ascii_case.h"
#include "core/base/field_reader.h"

namespace lumora {
namespace {

std::string SectionHeader(size_t table) { return "[" + AsciiUpper(kJobTables[table]) + "]"; }

// The optional table a section header names; none for any other line.
std::optional<size_t> OptionalTableOf(std::string_view header) {
  for (size_t i = kFirstOptionalTable; i < kJobTables.size(); ++i) {
    if (header == SectionHeader(i)) return i;
  }
  return std::nullopt;
}

void ReadSection(LineReader& reader, std::string& table) {
  while (const auto line = reader.Next()) {
    if (*line == "[END]") break;
    table += *line;
    table += "\r\n";
  }
}

}  // namespace

JobTables SplitJobFile(std::string_view bytes) {
  JobTables tables;
  LineReader reader(bytes);
  // The designed sections are read by their place, whatever their header says.
  for (size_t i = 0; i < kFirstOptionalTable; ++i) {
    if (!reader.Next()) return tables;
    ReadSection(reader, tables[i]);
  }
  while (const auto header = reader.Next()) {
    const std::optional<size_t> table = OptionalTableOf(*header);
    if (!table) break;
    ReadSection(reader, tables[*table]);
  }
  return tables;
}

std::string JoinJobFile(const JobTables& tables) {
  std::string bytes;
  for (size_t i = 0; i < tables.size(); ++i) {
    if (i >= kFirstOptionalTable && tables[i].empty()) continue;
    bytes += SectionHeader(i) + "\r\n";
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
