#ifndef LUMORA_TESTS_CORE_ENGINE2D_STARTED_EXAMPLE_H_
#define LUMORA_TESTS_CORE_ENGINE2D_STARTED_EXAMPLE_H_

#include <gtest/gtest.h>

#include <string>

#include "core/engine2d/engine_input.h"
#include "core/engine2d/optimization.h"
#include "core/job/job.h"
#include "core/job/job_check.h"
#include "core/job/job_file.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

namespace lumora::testing {

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

  EngineJob Engine() const {
    return {.basic = job_.basic,
            .sheet = job_.sheet,
            .glass = job_.glass,
            .coil_mode = job_.settings.coil_mode,
            .maximum_yield_checked = job_.maximum_yield,
            .minimum_layouts_checked = job_.minimum_layouts};
  }

  OptimizationSettings Settings(int16_t efficiency, int threads) const {
    OptimizationSettings settings;
    settings.efficiency = efficiency;
    settings.trim_allowance = job_.settings.trim_allowance;
    settings.threads = threads;
    return settings;
  }

  OptimizationResult Run(int16_t efficiency, int threads,
                         const OptimizationCallbacks& callbacks = {}) const {
    return RunOptimization(Engine(), Settings(efficiency, threads), callbacks);
  }

 private:
  TempFolder folder_;
  Job job_;
};

}  // namespace lumora::testing

#endif  // LUMORA_TESTS_CORE_ENGINE2D_STARTED_EXAMPLE_H_
