#ifndef LUMORA_TESTS_CORE_REPORTS_RESULT_FIXTURES_H_
#define LUMORA_TESTS_CORE_REPORTS_RESULT_FIXTURES_H_

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "core/base/number_text.h"
#include "core/engine2d/engine_builders.h"
#include "core/job/job.h"
#include "core/job/job_file.h"
#include "core/layouts/loaded_result.h"
#include "core/shell/data_folder.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

namespace lumora::testing {

// A job of tests/data/reports opened in a data folder seeded with the default settings.
inline Job OpenReportJob(const TempFolder& folder, std::string_view name, std::string unit) {
  const std::string data = folder.File("data");
  EXPECT_EQ(SeedDataFolder(data), std::nullopt);
  ProgramSettings settings;
  settings.coil_mode = name.ends_with(".sdr");
  Job job = MakeJob(Workspace{data, "100.5"}, settings);
  ScriptedPrompter prompter;
  EXPECT_TRUE(
      OpenJob(job, std::string(LUMORA_TEST_DATA_DIR) + "/reports/" + std::string(name), prompter));
  job.settings.unit = ReadUnit(unit);
  return job;
}

// A hand-made result: kerf and stock and glass rows as typed (BLADE 5000), and dia.tlf lines.
struct HandMadeJob {
  float kerf = 0;
  std::vector<std::vector<std::string>> stocks;
  std::vector<std::vector<std::string>> glasses;
  bool coil_mode = false;
};

// One 1000 x 1000 sheet (kerf 2) with two glass sizes, for layouts drawn by hand.
inline HandMadeJob SmallJob() {
  return HandMadeJob{2,
                     {{"1000", "1000", "39 3/8", "39 3/8", "5", "", "", "", "", "2"}},
                     {{"400", "300", "", "", "4", "", "", "", "A", "3", "7"},
                      {"1000", "1000", "", "", "2", "", "", "", "B", "3", "8"}}};
}

inline ResultLoad LoadHandMade(const HandMadeJob& made, std::string_view layout_bytes) {
  const Grid basic = JobGrid(11, {{"TEST ITEM", "", "", "5000", "", GeneralText(made.kerf)}});
  const Grid sheet = JobGrid(10, made.stocks);
  const Grid glass = JobGrid(16, made.glasses);
  return LoadResultFromBytes(EngineJob{basic, sheet, glass, made.coil_mode, true, false},
                             layout_bytes);
}

}  // namespace lumora::testing

#endif  // LUMORA_TESTS_CORE_REPORTS_RESULT_FIXTURES_H_
