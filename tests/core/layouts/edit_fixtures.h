#ifndef LUMORA_TESTS_CORE_LAYOUTS_EDIT_FIXTURES_H_
#define LUMORA_TESTS_CORE_LAYOUTS_EDIT_FIXTURES_H_

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "core/base/file_routines.h"
#include "core/engine2d/result_files.h"
#include "core/job/job.h"
#include "core/job/job_sections.h"
#include "core/layouts/loaded_result.h"
#include "core/reports/result_fixtures.h"
#include "core/shell/data_folder.h"
#include "support/temp_folder.h"

namespace lumora::testing {

// A job of hand-made grids (BLADE 5000) in a seeded data folder, its working dia.tlf holding
// the given lines.
inline Job MakeEditJob(const TempFolder& folder, const HandMadeJob& made,
                       std::string_view layout_bytes) {
  const std::string data = folder.File("data");
  EXPECT_EQ(SeedDataFolder(data), std::nullopt);
  ProgramSettings settings;
  settings.coil_mode = made.coil_mode;
  settings.unit = Unit::kMm;
  Job job = MakeJob(Workspace{data, "7.25"}, settings);
  job.basic = JobGrid(11, {{"TEST ITEM", "", "", "5000", "", GeneralText(made.kerf)}});
  job.sheet = JobGrid(10, made.stocks);
  job.glass = JobGrid(16, made.glasses);
  EXPECT_EQ(WriteFileAtomically(job.workspace.WorkingFile(kLayoutFileName), layout_bytes),
            std::nullopt);
  return job;
}

inline std::string DiaBytes(const Job& job) {
  return ReadFileBytes(job.workspace.WorkingFile(kLayoutFileName), kJobFileLimit).value_or("");
}

inline LoadedResult LoadOrFail(const Job& job) {
  ResultLoad load = LoadResult(job);
  EXPECT_EQ(load.error, "");
  return std::move(load.result);
}

}  // namespace lumora::testing

#endif  // LUMORA_TESTS_CORE_LAYOUTS_EDIT_FIXTURES_H_
