#ifndef LUMORA_TESTS_CORE_ENGINE2D_ENGINE_JOBS_H_
#define LUMORA_TESTS_CORE_ENGINE2D_ENGINE_JOBS_H_

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/engine2d/engine_builders.h"
#include "core/engine2d/engine_input.h"
#include "core/engine2d/job_run.h"
#include "core/engine2d/optimization.h"
#include "core/job/job.h"
#include "core/job/job_check.h"
#include "core/job/job_file.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

// Whole jobs for engine runs: one typed into the grids, or an example after the start sequence.
namespace lumora::testing {

using Rows = std::vector<std::vector<std::string>>;

// Stock rows {L1, L2, QTY} and glass rows {L1, L2, QTY, ORN, CUSTOMER} (ORN and CUSTOMER may be
// left off); Basic Details hold BLADE, KERF and B (MM).
struct HandJob {
  HandJob(const std::string& blade, const std::string& kerf, const Rows& stock,
          const Rows& glass_rows, const std::string& b_mm = "0")
      : basic(JobGrid(11, {{"FLOAT", "CLR", "4", blade, "", kerf, "", "0", b_mm, "", ""}})),
        sheet(SheetGrid(stock)),
        glass(GlassGrid(glass_rows)) {}
  static Grid SheetGrid(Rows rows) {
    for (auto& r : rows) r = {r[0], r[1], "", "", r[2]};
    return JobGrid(10, rows);
  }
  static Grid GlassGrid(Rows rows) {
    for (auto& r : rows)
      r = {r[0], r[1], "", "", r[2], r.size() > 3 ? r[3] : "", "", "", r.size() > 4 ? r[4] : ""};
    return JobGrid(16, rows);
  }
  EngineJob Engine() const {
    return {basic,
            sheet,
            glass,
            coil_mode,
            objective == Objective::kMaximumYield,
            objective == Objective::kMinimumLayouts};
  }
  OptimizationResult Run(int16_t efficiency, const OptimizationCallbacks& callbacks = {},
                         int threads = 1, int32_t resume_pass = 0) const {
    return RunOptimization(Engine(), {efficiency, 0.001f, resume_pass, {}, threads}, callbacks);
  }
  // The lists as a run prepares them.
  EngineInput Prepared() const {
    EngineInput input = PrepareEngineInput(Engine());
    AddKerf(input.stocks, input.glasses, input.basic.kerf);
    SortByArea(input.stocks, input.glasses);
    return input;
  }
  Grid basic;
  Grid sheet;
  Grid glass;
  bool coil_mode = false;
  Objective objective = Objective::kMaximumYield;
};

// An example job of data/examples after the start sequence (trim allowance, BLADE, coil QTYs),
// every question answered Yes.
class StartedExample {
 public:
  StartedExample(const std::string& name, bool coil, Objective objective) {
    ProgramSettings settings;
    settings.coil_mode = coil;
    job_ = MakeJob(Workspace{folder_.path(), "1.5"}, settings);
    ScriptedPrompter prompter;
    EXPECT_TRUE(OpenJob(job_, std::string(LUMORA_SOURCE_DATA_DIR) + "/examples/" + name, prompter));
    job_.maximum_yield = objective == Objective::kMaximumYield;
    job_.minimum_layouts = objective == Objective::kMinimumLayouts;
    EXPECT_TRUE(StartOptimization(job_, prompter).start);
  }
  Job& job() { return job_; }
  const TempFolder& folder() const { return folder_; }
  EngineJob Engine() const { return EngineJobOf(job_); }
  float trim_allowance() const { return job_.settings.trim_allowance; }
  OptimizationResult Run(int16_t efficiency, int threads,
                         const OptimizationCallbacks& callbacks = {}) const {
    return RunOptimization(Engine(), {efficiency, trim_allowance(), 0, {}, threads}, callbacks);
  }

 private:
  TempFolder folder_;
  Job job_;
};

}  // namespace lumora::testing

#endif  // LUMORA_TESTS_CORE_ENGINE2D_ENGINE_JOBS_H_
