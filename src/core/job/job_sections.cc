#include "core/job/job_sections.h"

#include "core/base/ascii_case.h"
#include "core/base/field_reader.h"

namespace lumora {
namespace {

std::string SectionHeader(JobTable table) { return "[" + AsciiUpper(kJobTables[table]) + "]"; }

}  // namespace

JobTables SplitJobFile(std::string_view bytes) {
  JobTables tables;
  LineReader reader(bytes);
  for (size_t i = 0; i < tables.size(); ++i) {
    std::string& table = tables[i];
    const auto header = reader.Next();
    if (!header || (i == kLineTable && *header != SectionHeader(kLineTable))) break;
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
    if (i == kLineTable && tables[i].empty()) break;
    bytes += SectionHeader(static_cast<JobTable>(i)) + "\r\n";
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
