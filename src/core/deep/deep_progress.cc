#include "core/deep/deep_progress.h"

#include <algorithm>
#include <cmath>

#include "core/base/number_text.h"

namespace lumora {
namespace {

std::string SecondsText(double seconds) {
  return GeneralText(static_cast<int>(std::lround(std::max(0.0, seconds)))) + " s";
}

std::string Count(int64_t count) { return GeneralText(static_cast<float>(count)); }

std::string SecondsAt(double seconds) {
  return FormatNumber(static_cast<float>(seconds), "0.00") + " s";
}

}  // namespace

ProgressStart DeepProgressStart(const DeepSettings& settings, Objective objective) {
  ProgressStart start;
  start.total = static_cast<int32_t>(settings.budget > 0 ? settings.budget
                                                         : std::ceil(settings.time_limit_seconds));
  start.objective = objective;
  start.message = std::string(kDeepStartingMessage);
  return start;
}

ProgressFigures DeepProgressFigures(const DeepProgress& progress, bool coil_mode) {
  ProgressFigures figures;
  const double total = progress.budget > 0 ? static_cast<double>(progress.budget)
                                           : progress.elapsed_seconds + progress.remaining_seconds;
  const double done =
      progress.budget > 0 ? static_cast<double>(progress.steps) : progress.elapsed_seconds;
  figures.pass = static_cast<int32_t>(std::min(done, total));
  figures.total = static_cast<int32_t>(total);
  figures.elapsed_seconds = static_cast<int64_t>(progress.elapsed_seconds);
  figures.remaining_seconds = progress.remaining_seconds;
  figures.estimated_total_seconds = progress.elapsed_seconds + progress.remaining_seconds;
  figures.best = {progress.yield, progress.layout_count};
  figures.passes_to_go = GeneralText(static_cast<float>(progress.steps));
  figures.percent =
      "[" + FormatNumber(static_cast<float>(total > 0 ? done * 100 / total : 0), "0.00") + "%]";
  figures.elapsed = SecondsText(progress.elapsed_seconds);
  figures.estimated_total = SecondsText(figures.estimated_total_seconds);
  figures.remaining = SecondsText(progress.remaining_seconds);
  figures.yield = coil_mode ? "NA" : FormatNumber(progress.yield * 100.0f, "0.00");
  figures.layouts = GeneralText(progress.layout_count);
  if (progress.standard_phase) {
    figures.message = std::string(kDeepStartingMessage);
  } else if (coil_mode) {
    figures.message = "Deep optimization: the best result takes " +
                      FormatNumber(static_cast<float>(progress.coil_length_m), "0.00") +
                      " m of coil.";
  } else {
    figures.message = "Deep optimization: the best result takes " +
                      FormatNumber(static_cast<float>(progress.stock_area_m2), "0.00") +
                      " m\xB2 of stock.";
  }
  return figures;
}

std::string DeepFiguresText(const DeepFigures& figures) {
  if (figures.line_search) {
    return "Search steps: " + Count(figures.steps) +
           " nodes of the cutting line's beam search\nRejected results: " +
           Count(figures.rejected) + "\n" +
           (figures.first_result_seconds < 0
                ? std::string("No plan found")
                : "The plan kept found at " + SecondsAt(figures.best_found_seconds));
  }
  std::string text = "Search steps: " + Count(figures.steps) + " (" + Count(figures.constructions) +
                     " constructions, " + Count(figures.tail_replans) + " tail replans, " +
                     Count(figures.sheet_fewer) + " for a sheet fewer)\n";
  text += "Rejected results: " + Count(figures.rejected) + "\n";
  text += "Standard result at " + SecondsAt(figures.standard_seconds) + ", first deep result ";
  text += figures.first_result_seconds < 0 ? std::string("none")
                                           : "at " + SecondsAt(figures.first_result_seconds);
  text += figures.standard_kept
              ? "; the standard result kept"
              : "; the result kept found at " + SecondsAt(figures.best_found_seconds);
  if (figures.leftover_kept) text += "\nThe last sheet's unused part is kept as one leftover.";
  return text;
}

}  // namespace lumora
