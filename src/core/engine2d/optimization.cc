#include "core/engine2d/optimization.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <utility>

#include "core/engine2d/layout_evaluation.h"
#include "core/engine2d/line_job.h"
#include "core/engine2d/no_result.h"
#include "core/engine2d/pass_pipeline.h"
#include "core/engine2d/pass_runner.h"
#include "core/engine2d/result_files.h"

namespace lumora {
namespace {

// The best result so far with the figures passes are compared against.
struct BestResult {
  ElementList elements;
  ResultStatistics stats;
  float area_sum = 0;
};

// Checked on the grids, before the rows are read and merged: merging compares every pair. A job
// with line data is refused first, since the passes know nothing of its rules.
std::optional<std::string_view> CheckRowCounts(const EngineJob& job) {
  if (HasLineData(job)) return kNeedsDeepMessage;
  if (job.sheet.Rows() - 2 > kMaxListCount) {
    return job.coil_mode ? kTooManyCoilsMessage : kTooManySheetsMessage;
  }
  if (job.glass.Rows() - 2 > kMaxListCount) return kTooManyGlassMessage;
  return std::nullopt;
}

std::optional<std::string_view> CheckInput(const EngineInput& input, float blade, bool coil_mode) {
  if (blade == 0) return kWrongBladeMessage;
  if (input.stocks.Empty()) return coil_mode ? kNoCoilsMessage : kNoSheetsMessage;
  if (input.glasses.Empty()) return kNoGlassMessage;
  return std::nullopt;
}

int32_t TotalPasses(int stock_count, int16_t efficiency) {
  const int64_t total = static_cast<int64_t>(stock_count) * efficiency;
  return static_cast<int32_t>(std::clamp<int64_t>(total, INT32_MIN, INT32_MAX));
}

int64_t SteadySeconds() {
  return std::chrono::duration_cast<std::chrono::seconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// Compares a pass with the best result the way one pass after another would: a pass abandoned
// against the best, or one that left glass unplaced, is discarded. Answers whether it became
// the best (its result's storage then changes place with the old best's).
bool MergePass(PassOutcome& outcome, BestResult& best, Objective objective, bool coil_mode) {
  if (AreaSumIsWorse(outcome.largest_area_sum, best.area_sum) || !outcome.complete) return false;
  const bool better = best.elements.Empty() ||
                      (coil_mode ? CoilResultIsBetter(outcome.stats, best.stats, objective)
                                 : SheetResultIsBetter(outcome.stats, best.stats, objective));
  if (!better) return false;
  std::swap(best.elements, outcome.result);
  best.stats = outcome.stats;
  best.area_sum = outcome.area_sum;
  return true;
}

}  // namespace

OptimizationResult RunOptimization(const EngineJob& job, const OptimizationSettings& settings,
                                   const OptimizationCallbacks& callbacks) {
  OptimizationResult result;
  result.resume_pass = settings.resume_pass;
  if (const auto message = CheckRowCounts(job)) {
    result.message = std::string(*message);
    return result;
  }
  EngineInput input = PrepareEngineInput(job);
  const float blade = input.basic.blade + input.basic.kerf;
  if (const auto message = CheckInput(input, blade, job.coil_mode)) {
    result.message = std::string(*message);
    return result;
  }
  AddKerf(input.stocks, input.glasses, input.basic.kerf);
  SortByArea(input.stocks, input.glasses);

  const int32_t total = TotalPasses(input.stocks.Count(), settings.efficiency);
  if (callbacks.start) callbacks.start(StartProgress(total, input.objective));

  BestResult best;
  int32_t first = 1;
  if (settings.resume_pass > 0 && settings.resume_pass < total) {
    first = settings.resume_pass;
    best.elements = settings.saved_result;
    TransposeElements(best.elements);
    best.stats = ResultStats(best.elements);
    best.area_sum = StockAreaSum(best.elements);
  }
  result.resume_pass = first;

  const RunSetup setup = MakeRunSetup(input.stocks, input.glasses, settings.trim_allowance, blade,
                                      input.basic.b_mm, job.coil_mode, total);
  const std::function<int64_t()> clock =
      callbacks.clock_seconds ? callbacks.clock_seconds : SteadySeconds;
  ProgressClock progress_clock;
  bool stopped = false;
  bool limit_reached = false;
  NoResultEvidence evidence(input.glasses);
  {
    PassPipeline pipeline(setup, first, total, PassThreads(settings.threads), best.area_sum,
                          callbacks.stop_flag);
    for (int64_t next = first; next <= total; ++next) {
      const auto pass = static_cast<int32_t>(next);
      result.resume_pass = pass;
      PassOutcome& outcome = pipeline.Next(best.area_sum);
      if (outcome.cancelled) {
        // Continuing runs this pass again from its start.
        stopped = true;
        break;
      }
      result.candidates += outcome.candidates;
      if (outcome.limit_reached) limit_reached = true;
      if (best.elements.Empty() && !outcome.complete) evidence.Note(outcome);
      if (MergePass(outcome, best, input.objective, job.coil_mode)) {
        result.improvements = std::min(result.improvements + 1, kMaxListCount);
      }
      if (callbacks.progress) {
        const PassStatistics stats{best.stats.yield, best.stats.layout_count};
        callbacks.progress(UpdateProgress(stats, pass, total, result.improvements,
                                          progress_clock.Elapsed(clock()), job.coil_mode));
      }
      if (callbacks.stop_requested && callbacks.stop_requested()) {
        stopped = true;
        break;
      }
    }
  }

  TransposeElements(best.elements);
  result.best = std::move(best.elements);
  result.end = stopped ? OptimizationEnd::kStopped : OptimizationEnd::kDone;
  result.message = std::string(stopped ? kStoppedMessage : kDoneMessage);
  // A stopped run was cut short by the user, not by the job.
  if (result.best.Empty() && (limit_reached || !stopped)) {
    result.message += "\n" + (limit_reached ? std::string(kLimitMessage)
                                            : evidence.Explanation(input.basic.b_mm, job.coil_mode,
                                                                   settings.efficiency));
  }
  return result;
}

}  // namespace lumora
