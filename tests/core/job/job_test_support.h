#ifndef LUMORA_TESTS_CORE_JOB_JOB_TEST_SUPPORT_H_
#define LUMORA_TESTS_CORE_JOB_JOB_TEST_SUPPORT_H_

#include <initializer_list>
#include <string>
#include <vector>

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

// Fills data rows from 1 with the given cells (from column 1) and leaves one empty input row.
inline void FillRows(Grid& grid, std::initializer_list<std::vector<std::string>> rows) {
  grid.SetRows(static_cast<int>(rows.size()) + 2);
  ClearTable(grid);
  int r = 1;
  for (const auto& cells : rows) {
    for (size_t c = 0; c < cells.size(); ++c) grid.SetText(r, static_cast<int>(c) + 1, cells[c]);
    ++r;
  }
}

}  // namespace lumora::testing

#endif  // LUMORA_TESTS_CORE_JOB_JOB_TEST_SUPPORT_H_
