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
