#ifndef LUMORA_CORE_DEEP_LINE_JOB_RUN_H_
#define LUMORA_CORE_DEEP_LINE_JOB_RUN_H_

#include "core/deep/deep_optimization.h"
#include "core/engine2d/engine_input.h"

// The deep run of a job that knows its glass line: the line's search plans it under every rule,
// flaw and stack of the job, and the best plan becomes the job's result.
namespace lumora {

// Plans the job on the line within the settings' time limit or budget; Stop ends the search
// with the best plan so far. A job the line cannot take is refused with the reason; a plan is
// kept only when the result validator takes it as well.
DeepResult RunLineOptimization(const EngineJob& job, const DeepSettings& settings,
                               const DeepCallbacks& callbacks);

}  // namespace lumora

#endif  // LUMORA_CORE_DEEP_LINE_JOB_RUN_H_
