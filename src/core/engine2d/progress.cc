#include "core/engine2d/progress.h"

#include <algorithm>
#include <cmath>

#include "core/base/number_text.h"

namespace lumora {
namespace {

std::string TwoDigits(int32_t value) { return FormatDecimalText(GeneralText(value), "00"); }

// Int(): the whole part toward minus infinity, held within 32 bits.
int32_t WholePart(double value) {
  const double floor = std::floor(value);
  if (std::isnan(floor)) return 0;
  if (floor >= INT32_MAX) return INT32_MAX;
  if (floor <= INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(floor);
}

}  // namespace

ProgressStart StartProgress(int32_t total, Objective objective) {
  return {.total = total, .objective = objective, .message = std::string(kOptimizingMessage)};
}

std::string DurationText(double seconds) {
  const int32_t hours = WholePart(seconds / 3600);
  const int32_t minutes = WholePart((seconds - static_cast<double>(hours) * 3600) / 60);
  return TwoDigits(hours) + "h " + TwoDigits(minutes) + "m";
}

ProgressFigures UpdateProgress(const PassStatistics& best, int32_t pass, int32_t total,
                               int improvements, int64_t elapsed_seconds, bool coil_mode) {
  ProgressFigures figures;
  figures.pass = pass;
  figures.total = total;
  figures.improvements = improvements;
  figures.elapsed_seconds = elapsed_seconds;
  figures.best = best;
  const double elapsed = static_cast<double>(elapsed_seconds);
  if (pass != 0) figures.estimated_total_seconds = elapsed / pass * total;
  figures.remaining_seconds = figures.estimated_total_seconds - elapsed;

  const int64_t to_go =
      std::clamp<int64_t>(static_cast<int64_t>(total) - pass, INT32_MIN, INT32_MAX);
  figures.passes_to_go = GeneralText(static_cast<int>(to_go)) + "/" + GeneralText(improvements);
  const double percent = total != 0 ? static_cast<double>(pass) * 100 / total : 0;
  figures.percent = "[" + FormatNumber(static_cast<float>(percent), "0.00") + "%]";
  figures.elapsed = DurationText(elapsed);
  figures.estimated_total = DurationText(figures.estimated_total_seconds);
  figures.remaining = DurationText(figures.remaining_seconds);
  figures.yield = coil_mode ? "NA" : FormatNumber(best.yield * 100.0f, "0.00");
  figures.layouts = GeneralText(best.layout_count);
  return figures;
}

std::string ComparedWithStandard(const PassStatistics& standard, const PassStatistics& result,
                                 Objective objective, bool coil_mode) {
  // Yields in hundredths of a percent, as shown.
  const auto shown = [](float yield) { return std::lround(static_cast<double>(yield) * 10000); };
  const long yield_before = coil_mode ? 0 : shown(standard.yield);
  const long yield_after = coil_mode ? 0 : shown(result.yield);
  const auto yield_text = [](long yield) {
    return FormatNumber(static_cast<float>(yield) / 100, "0.00") + "%";
  };
  const auto signed_text = [](long difference, std::string text) {
    return (difference > 0 ? "+" : "") + text;
  };
  const int fewer = standard.layout_count - result.layout_count;
  const long gained = yield_after - yield_before;
  const bool beats = objective == Objective::kMinimumLayouts || coil_mode
                         ? fewer > 0 || (fewer == 0 && gained > 0)
                         : gained > 0 || (gained == 0 && fewer > 0);
  std::string text = beats ? "Beats the standard result: " : "No better than the standard result: ";
  if (fewer == 0 && gained == 0) {
    return text + (coil_mode ? "" : "yield " + yield_text(yield_before) + ", ") +
           GeneralText(standard.layout_count) + " layouts.";
  }
  if (!coil_mode) {
    text += "yield " + yield_text(yield_before) + " -> " + yield_text(yield_after) + " (" +
            signed_text(gained, FormatNumber(static_cast<float>(gained) / 100, "0.00")) + "), ";
  }
  return text + "layouts " + GeneralText(standard.layout_count) + " -> " +
         GeneralText(result.layout_count) + " (" + signed_text(-fewer, GeneralText(-fewer)) + ").";
}

int64_t ProgressClock::Elapsed(int64_t now_seconds) {
  if (!first_reading) first_reading = now_seconds;
  return now_seconds - *first_reading;
}

}  // namespace lumora
