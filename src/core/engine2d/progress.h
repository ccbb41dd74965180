#ifndef LUMORA_CORE_ENGINE2D_PROGRESS_H_
#define LUMORA_CORE_ENGINE2D_PROGRESS_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/engine2d/engine_records.h"
#include "core/engine2d/layout_evaluation.h"

// Everything the Progress window shows while a run goes on, worked out here so that the window
// only puts the texts into its labels.
namespace lumora {

inline constexpr std::string_view kPreparingMessage = "Preparing...";
inline constexpr std::string_view kOptimizingMessage = "Optimizing...";
// What the message label reads once Stop was clicked, until the current pass ends.
inline constexpr std::string_view kTerminatingMessage = "Terminating...";
inline constexpr std::string_view kProgressHeading = "Total Layouts      Overall Yield";
inline constexpr std::string_view kTimeRemainingCaption = "Time Remaining";

// What the window shows when the passes begin: the progress bar runs from 0 to total, the
// statistic the objective optimises is shown in bright red (the yield for "Maximum Yield",
// the layout count for "Minimum Layouts", neither without an objective).
struct ProgressStart {
  int32_t total = 0;
  Objective objective = Objective::kNone;
  std::string message;  // "Optimizing..."
};
ProgressStart StartProgress(int32_t total, Objective objective);

// The figures after a pass, and the label texts made of them.
struct ProgressFigures {
  int32_t pass = 0;   // the progress bar's value
  int32_t total = 0;  // the progress bar's maximum
  int improvements = 0;
  int64_t elapsed_seconds = 0;
  double estimated_total_seconds = 0;
  double remaining_seconds = 0;
  PassStatistics best;          // of the best result so far
  std::string passes_to_go;     // passes to go "/" improvements: "57/3"
  std::string percent;          // "[12.50%]"
  std::string elapsed;          // "00h 01m"
  std::string estimated_total;  // "01h 05m"
  std::string remaining;        // "01h 04m"
  std::string yield;            // best yield in percent, "81.25"; "NA" in coil mode
  std::string layouts;          // best layout count, "7"
  std::string message;          // a new text for the message label; empty keeps it
};

// The figures after pass `pass` of `total`: the estimated total time is elapsed / pass * total
// and the remaining time what is left of it.
ProgressFigures UpdateProgress(const PassStatistics& best, int32_t pass, int32_t total,
                               int improvements, int64_t elapsed_seconds, bool coil_mode);

// How a result compares with the standard engine's result it set out to beat, for the end of a
// deep run: "Beats the standard result: yield 89.45% -> 91.20% (+1.75), layouts 8 -> 7 (-1)." or
// "No better than the standard result: yield 89.45%, 8 layouts." The objective decides which
// figure counts first (the layouts for "Minimum Layouts", else the yield, each to the hundredth
// of a percent shown); in coil mode, where the yield means nothing, only the layouts.
std::string ComparedWithStandard(const PassStatistics& standard, const PassStatistics& result,
                                 Objective objective, bool coil_mode);

// A duration as whole hours with at least two digits, "h ", whole minutes with two digits and
// "m": 3900 seconds is "01h 05m".
std::string DurationText(double seconds);

// The run's clock for the progress display: the first reading of a run counts as 0, so the
// first pass is not timed; later readings are the whole seconds since then.
struct ProgressClock {
  std::optional<int64_t> first_reading;
  int64_t Elapsed(int64_t now_seconds);
};

}  // namespace lumora

#endif  // LUMORA_CORE_ENGINE2D_PROGRESS_H_
