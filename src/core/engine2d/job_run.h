#ifndef LUMORA_CORE_ENGINE2D_JOB_RUN_H_
#define LUMORA_CORE_ENGINE2D_JOB_RUN_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/engine2d/engine_input.h"
#include "core/engine2d/optimization.h"
#include "core/job/job.h"

// An optimization run of the job being edited: what it reads from the job before the run and
// what it leaves in the job afterwards. The desktop and the command line share these steps.
namespace lumora {

// EFF when the data folder has no misc.set.
inline constexpr int16_t kDefaultEfficiency = 10;

// The engine's view of the job: its three grids and the objective marks. It refers to the
// job's grids, which must outlive it.
EngineJob EngineJobOf(const Job& job);

// The settings of the job's next run: EFF from misc.set (kDefaultEfficiency without the file),
// the trim allowance of the start, and the resume point of a stopped run together with the
// best result that run left in the working dia.tlf.
OptimizationSettings JobRunSettings(const Job& job);

// The heading of the layout rules a run's result breaks: a fault of the program, told.
inline constexpr std::string_view kRunResultBreaksRules =
    "The result of the run breaks the layout rules:";

// What a run leaves in the job. Unless the driver's checks refused the run, the best result
// replaces the working dia.tlf and the job keeps the pass to continue from. When dia.tlf
// cannot be written the resume point is dropped, so that no later run continues from a result
// that is not there, and the message "Could not save <file>: <reason>" is returned. A result
// that breaks a layout rule is stored as the run left it, and the problems are returned under
// kRunResultBreaksRules.
std::optional<std::string> StoreRunResult(Job& job, const OptimizationResult& result);

}  // namespace lumora

#endif  // LUMORA_CORE_ENGINE2D_JOB_RUN_H_
