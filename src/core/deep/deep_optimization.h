#ifndef LUMORA_CORE_DEEP_DEEP_OPTIMIZATION_H_
#define LUMORA_CORE_DEEP_DEEP_OPTIMIZATION_H_

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "core/deep/deep_problem.h"
#include "core/engine2d/engine_input.h"
#include "core/engine2d/optimization.h"

// Deep optimization: beyond the standard passes, a time-limited search for results that take
// less stock. It starts from the standard engine's result at EFF 10 and keeps it unless it
// finds a better one, so it is never worse; its result is written like the standard one.
namespace lumora {

inline constexpr double kDefaultDeepSeconds = 30;
inline constexpr std::string_view kDeepStoppedMessage =
    "Deep optimization stopped. The best result found so far is kept.";
// Followed by the glass sizes, "L1 x L2" in millimetres separated by ", ".
inline constexpr std::string_view kUnplacedGlassMessage = "These glass sizes could not be placed: ";

struct DeepSettings {
  double time_limit_seconds = kDefaultDeepSeconds;
  // With a budget the search makes exactly this many steps (a construction, a replan of a plan's
  // tail, or a thousand moves of the search for a sheet fewer) and ignores the time limit: the
  // same budget and seed give the same result on any number of threads.
  int64_t budget = 0;
  uint64_t seed = 1;
  int threads = 0;  // 0 for every hardware thread
  float trim_allowance = 0;
  // How the stock is valued: which of it came back from the material library's leftovers, and
  // whether those are to be used first.
  deep::StockValuation valuation;
  // "Keep one leftover": the unused part of the last sheet kept as one rectangle.
  bool keep_one_leftover = false;
};

// What the progress window shows of a deep run.
struct DeepProgress {
  double elapsed_seconds = 0;
  double remaining_seconds = 0;  // of the time limit; 0 with a budget
  int64_t steps = 0;             // of the chains together
  int64_t budget = 0;
  bool standard_phase = false;  // still running the standard engine's start
  int layout_count = 0;         // of the best result so far
  float yield = 0;              // piece area over stock area of the best, 0..1
  double stock_area_m2 = 0;     // sheet mode: stock area of the best
  double coil_length_m = 0;     // coil mode: coil length the best takes
};

struct DeepCallbacks {
  // A few times a second, on the thread that called RunDeepOptimization.
  std::function<void(const DeepProgress&)> progress;
  // Asked as often; true ends the run with the best result so far.
  std::function<bool()> stop_requested;
};

// What a deep run did, for the Progress window's last screen, the command line's --verbose and
// the benchmark. The step counts add up to `steps`.
struct DeepFigures {
  int64_t steps = 0;
  int64_t constructions = 0;  // whole plans built under corrected values
  int64_t tail_replans = 0;   // steps that planned a best plan's last layouts again
  int64_t sheet_fewer = 0;    // steps of the search for a plan of a sheet fewer
  // Results the search found but could not keep: more layout elements than a result file
  // holds, or a layout the validator refuses. Zero unless the search has a fault.
  int64_t rejected = 0;
  double standard_seconds = 0;  // when the standard engine's start had ended
  // The standard engine's best: what the search set out to beat; none when it found nothing.
  std::optional<PassStatistics> standard_best;
  double first_result_seconds = -1;  // when the search found its first result; -1 for none
  double best_found_seconds = 0;     // when the result returned was found
  bool standard_kept = false;        // the result is the standard engine's
  bool leftover_kept = false;        // the last sheet's unused part is one rectangle
  // The run was the glass line's search: its steps are the nodes it expanded, and there was
  // no standard result.
  bool line_search = false;
};

struct DeepResult {
  OptimizationResult result;
  DeepFigures figures;
};

// Runs the deep optimization of the job: a job that knows its glass line is planned by the
// line's search (RunLineOptimization); otherwise the standard run's checks refuse what they
// refuse, and the result (file coordinates, as dia.tlf holds it) is the best found within the
// time limit or budget, and resume_pass is 0.
DeepResult RunDeepOptimization(const EngineJob& job, const DeepSettings& settings,
                               const DeepCallbacks& callbacks = {});

}  // namespace lumora

#endif  // LUMORA_CORE_DEEP_DEEP_OPTIMIZATION_H_
