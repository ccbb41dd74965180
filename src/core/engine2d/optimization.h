#ifndef LUMORA_CORE_ENGINE2D_OPTIMIZATION_H_
#define LUMORA_CORE_ENGINE2D_OPTIMIZATION_H_

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/engine2d/engine_input.h"
#include "core/engine2d/engine_records.h"
#include "core/engine2d/progress.h"

// The optimization run: many reproducible passes over the job, the best complete result kept
// under the objective. Pure computation; the caller shows the progress, asks for the stop and
// writes the result.
namespace lumora {

// The checks before any pass, in the order they are made.
inline constexpr std::string_view kWrongBladeMessage = "Wrong BLADE specfied.";
inline constexpr std::string_view kNoCoilsMessage = "No valid COILS specified.";
inline constexpr std::string_view kNoSheetsMessage = "No valid SHEETS specified.";
inline constexpr std::string_view kNoGlassMessage = "No valid GLASS SIZES.";
// Refusals of a job whose lists would pass the data model's bound, made before the checks.
inline constexpr std::string_view kTooManyCoilsMessage = "Too many COILS: at most 32767 rows.";
inline constexpr std::string_view kTooManySheetsMessage = "Too many SHEETS: at most 32767 rows.";
inline constexpr std::string_view kTooManyGlassMessage =
    "Too many GLASS SIZES: at most 32767 rows.";
// Refuses a job that knows its cutting line: only the deep engine keeps the line's rules.
inline constexpr std::string_view kNeedsDeepMessage =
    "This job has flaws, stacks or cutting line rules: it needs Deep Optimization (Shift+F5).";
// How a run that got past the checks ends.
inline constexpr std::string_view kDoneMessage = "Optimization done.";
inline constexpr std::string_view kStoppedMessage =
    "Optimization Stopped. After viewing the results, you can continue optimization from this "
    "point onwards till this file remains open.";
// Follows the end message on a second line when the run has no result because passes ran into
// the bound of a result.
inline constexpr std::string_view kLimitMessage =
    "No complete result: a result holds at most 32767 layouts and 32767 layout elements.";

struct OptimizationSettings {
  int16_t efficiency = 0;  // EFF: passes per stock record
  float trim_allowance = 0;
  // ResumePass as the run starts: 0 < resume_pass < total passes continues from that pass with
  // saved_result as the best result; anything else starts afresh at pass 1.
  int32_t resume_pass = 0;
  ElementList saved_result;  // dia.tlf as read, in file coordinates
  int threads = 0;           // passes computed at once; 0 for every hardware thread
};

// How the run reports and how it is stopped. All of them are called on the thread that runs
// RunOptimization, in pass order, whatever the number of threads; any of them may be empty.
struct OptimizationCallbacks {
  // Once, after the checks, before the first pass.
  std::function<void(const ProgressStart&)> start;
  // After every pass, once it has been compared.
  std::function<void(const ProgressFigures&)> progress;
  // Asked after every pass, after its progress; true stops the run there.
  std::function<bool()> stop_requested;
  // Whole seconds of a clock that does not jump; the steady clock when empty.
  std::function<int64_t()> clock_seconds;
  // The flag behind stop_requested, when there is one: a pass computed on the calling thread
  // is given up as soon as it is set, and the run ends stopped after the pass before it.
  const std::atomic<bool>* stop_flag = nullptr;
};

enum class OptimizationEnd { kRefused, kDone, kStopped };

struct OptimizationResult {
  OptimizationEnd end = OptimizationEnd::kRefused;
  // The progress window's last message: a check message, or kDoneMessage or kStoppedMessage,
  // followed, when the run has no result, by a line break and kLimitMessage when a pass ended
  // at the bound of a result, else by what the passes tell of why none was complete.
  std::string message;
  // The best result in file coordinates, empty when no pass placed every piece: dia.tlf, to be
  // written unless the run was refused (then dia.tlf stays as it was).
  ElementList best;
  // ResumePass after the run: the last pass compared (a refused run leaves it as it was).
  int32_t resume_pass = 0;
  int improvements = 0;
  int64_t candidates = 0;  // candidate layouts built, passes computed ahead included
};

// Runs the optimization over the job grids as PrepareEngineInput reads them: the checks (no
// more than kMaxListCount stock or glass rows, BLADE plus KERF must not be 0, stock and glass
// must remain), then passes resume point .. stock count
// x EFF, the passes computed on `threads` threads and merged strictly in pass order, so that
// the result is the same for any number of threads. A stop request ends the run after the pass
// it was seen at, and passes computed ahead of it are discarded.
OptimizationResult RunOptimization(const EngineJob& job, const OptimizationSettings& settings,
                                   const OptimizationCallbacks& callbacks = {});

}  // namespace lumora

#endif  // LUMORA_CORE_ENGINE2D_OPTIMIZATION_H_
