#ifndef LUMORA_TESTS_CORE_JOB_JOB_TEST_SUPPORT_H_
#define LUMORA_TESTS_CORE_JOB_JOB_TEST_SUPPORT_H_

#include <algorithm>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/prompter.h"
#include "core/job/job.h"
#include "core/tables/grid.h"
#include "core/tables/table_file.h"
#include "support/temp_folder.h"

namespace lumora::testing {

// A job in a fresh data folder with the start stamp "100.5".
inline Job MakeTestJob(const TempFolder& folder, bool coil_mode = false) {
  ProgramSettings settings;
  settings.coil_mode = coil_mode;
  return MakeJob(Workspace{folder.path(), "100.5"}, settings);
}

// The parts of `text` between the separators; an empty text has none.
inline std::vector<std::string> Split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  for (size_t start = 0; !text.empty() && start <= text.size();) {
    const size_t end = std::min(text.find(separator, start), text.size());
    parts.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

inline std::string Join(const std::vector<std::string>& parts, char separator = '|') {
  std::string text;
  for (const std::string& part : parts)
    text += (text.empty() ? "" : std::string(1, separator)) + part;
  return text;
}

// Table bytes of rows written as "cell,cell;cell,cell": every cell quoted, CRLF after each row.
inline std::string Quoted(std::string_view rows) {
  std::string bytes;
  for (const std::string& row : Split(rows, ';')) {
    std::string line;
    for (const std::string& cell : Split(row, ',')) {
      line += (line.empty() ? "\"" : ",\"") + cell + "\"";
    }
    bytes += line + "\r\n";
  }
  return bytes;
}

// Answers written as letters: Y(es), N(o), C(ancel), O(k).
inline std::deque<PromptAnswer> Answers(std::string_view letters) {
  std::deque<PromptAnswer> answers;
  for (const char c : letters) {
    answers.push_back(c == 'Y'   ? PromptAnswer::kYes
                      : c == 'N' ? PromptAnswer::kNo
                      : c == 'C' ? PromptAnswer::kCancel
                                 : PromptAnswer::kOk);
  }
  return answers;
}

// Fills data rows from 1 with the given cells (from column 1) and leaves one empty input row.
inline void FillRows(Grid& grid, const std::vector<std::vector<std::string>>& rows) {
  grid.SetRows(static_cast<int>(rows.size()) + 2);
  ClearTable(grid);
  int r = 1;
  for (const auto& cells : rows) {
    for (size_t c = 0; c < cells.size(); ++c) grid.SetText(r, static_cast<int>(c) + 1, cells[c]);
    ++r;
  }
}

// The same with the rows written as "cell,cell;cell,cell".
inline void Fill(Grid& grid, std::string_view rows) {
  std::vector<std::vector<std::string>> cells;
  for (const std::string& row : Split(rows, ';')) cells.push_back(Split(row, ','));
  FillRows(grid, cells);
}

}  // namespace lumora::testing

#endif  // LUMORA_TESTS_CORE_JOB_JOB_TEST_SUPPORT_H_
