#include "core/library/library_files.h"

#include "core/base/field_reader.h"
#include "core/job/job_messages.h"
#include "core/tables/table_file.h"

namespace lumora {

bool AskSaveLibraryChanges(Prompter& prompter) {
  return prompter.Ask({.title = std::string(kAttentionTitle),
                       .text = std::string(kSaveLibraryChangesText),
                       .icon = PromptIcon::kQuestion,
                       .buttons = PromptButtons::kYesNo,
                       .default_answer = PromptAnswer::kYes}) == PromptAnswer::kYes;
}

bool SortAndStoreLibrary(Grid& grid, const std::string& path, int col, SortOrder order,
                         Prompter& prompter) {
  grid.tag = path;
  grid.row = grid.row_sel = 1;
  grid.col = grid.col_sel = col;
  if (const auto reason = SortTable(grid, order)) {
    TellSaveFailure(prompter, {grid.tag, *reason});
    return false;
  }
  return true;
}

std::vector<std::vector<std::string>> ReadRecords(std::string_view bytes, int fields_per_record) {
  std::vector<std::vector<std::string>> records;
  if (fields_per_record <= 0) return records;
  const int lines = CountLines(bytes);
  FieldReader reader(bytes);
  while (!reader.AtEnd() && static_cast<int>(records.size()) < lines) {
    std::vector<std::string> record;
    record.reserve(static_cast<size_t>(fields_per_record));
    for (int f = 0; f < fields_per_record; ++f) record.push_back(reader.Next());
    records.push_back(std::move(record));
  }
  return records;
}

std::string RecordBytes(const std::vector<std::vector<std::string>>& records) {
  std::string bytes;
  for (const auto& record : records) bytes += QuotedLine(record);
  return bytes;
}

std::vector<std::string> ReadChoiceList(std::string_view bytes) {
  std::vector<std::string> entries;
  size_t position = 0;
  while (position < bytes.size()) {
    const size_t line_end = bytes.find('\n', position);
    const size_t end = line_end == std::string_view::npos ? bytes.size() : line_end;
    std::string entry = FieldReader(bytes.substr(position, end - position)).Next();
    if (!entry.empty() && entry.back() == '\r') entry.pop_back();
    if (!entry.empty()) entries.push_back(std::move(entry));
    position = end + 1;
  }
  return entries;
}

std::string ChoiceListBytes(const std::vector<std::string>& entries) {
  std::string bytes;
  for (const std::string& entry : entries) bytes += QuotedLine({entry});
  return bytes;
}

}  // namespace lumora
