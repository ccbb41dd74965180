#ifndef LUMORA_BENCH_BENCH_JOB_H_
#define LUMORA_BENCH_BENCH_JOB_H_

#include <algorithm>
#include <string>
#include <vector>

#include "core/base/file_routines.h"
#include "core/base/number_text.h"
#include "core/engine2d/engine_input.h"
#include "core/job/job_check.h"
#include "core/job/job_sections.h"
#include "core/job/job_tables.h"
#include "core/tables/column_dictionary.h"
#include "core/tables/table_file.h"

namespace lumora {

// A job file's grids as the start of an optimization leaves them: BLADE written from the
// largest stock side and the trim allowance taken from the tolerance.
struct BenchJob {
  explicit BenchJob(const std::string& path) {
    const JobTables tables = SplitJobFile(ReadFileBytes(path, kJobFileLimit).value_or(""));
    Load(basic, BasicDetailsHeaders(), tables[kBasicTable]);
    Load(sheet, SheetHeaders(), tables[kSheetTable]);
    Load(glass, GlassHeaders(), tables[kCutTable]);
    coil_mode = path.ends_with(".sdr") || path.ends_with(".SDR");
    trim_allowance = TrimAllowance(basic);
    float largest_side = 0;
    for (int row = 1; row <= sheet.Rows() - 2; ++row) {
      largest_side = std::max({largest_side, ReadFloat(sheet.Text(row, sheet_col::kL1)),
                               ReadFloat(sheet.Text(row, sheet_col::kL2))});
    }
    basic.SetText(1, basic_col::kBlade, BladeText(trim_allowance, largest_side));
  }

  static void Load(Grid& grid, const std::vector<std::string>& headers, const std::string& bytes) {
    ApplyFormatString(grid, BuildFormatString(headers));
    LoadTableFromBytes(grid, bytes);
  }

  EngineJob Engine() const {
    return {.basic = basic,
            .sheet = sheet,
            .glass = glass,
            .coil_mode = coil_mode,
            .maximum_yield_checked = true};
  }

  Grid basic;
  Grid sheet;
  Grid glass;
  bool coil_mode = false;
  float trim_allowance = 0;
};

}  // namespace lumora

#endif  // LUMORA_BENCH_BENCH_JOB_H_
