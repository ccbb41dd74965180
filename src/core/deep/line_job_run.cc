#include "core/deep/line_job_run.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "core/base/number_text.h"
#include "core/deep/chain_runner.h"
#include "core/deep/line_optimization.h"
#include "core/engine2d/cutting_tree.h"
#include "core/engine2d/line_job.h"
#include "core/engine2d/result_validator.h"

namespace lumora {
namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(100);

// The glass sizes of the pieces no sheet holds whole under the line's rules.
std::string UnplaceableSizes(const LineJob& line_job, const std::vector<int32_t>& grid_rows) {
  std::vector<int32_t> rows = grid_rows;
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  std::string text;
  for (const int32_t row : rows) {
    const auto piece = std::find_if(line_job.pieces.begin(), line_job.pieces.end(),
                                    [row](const LineJobPiece& p) { return p.grid_row == row; });
    if (piece == line_job.pieces.end()) continue;
    const GlassRecord& glass = line_job.prepared.glasses[piece->glass_index];
    if (!text.empty()) text += ", ";
    text += GeneralText(glass.l1_as_read) + " x " + GeneralText(glass.l2_as_read);
  }
  return text;
}

// What the progress shows of a plan: its sheets, their area and the share the pieces take.
DeepProgress PlanProgress(const LineJob& line_job, const CuttingTree& tree) {
  double pieces_mm2 = 0;
  for (const LineJobPiece& piece : line_job.pieces) {
    const GlassRecord& glass = line_job.prepared.glasses[piece.glass_index];
    pieces_mm2 += static_cast<double>(glass.l1_as_read) * glass.l2_as_read;
  }
  DeepProgress progress;
  double stock_mm2 = 0;
  for (const int32_t root : TreeSheets(tree)) {
    const int32_t sheet = tree.nodes[static_cast<size_t>(root)].sheet;
    const int s = line_job.sheets[static_cast<size_t>(sheet)].stock_index;
    const StockRecord& stock = line_job.prepared.stocks[s];
    stock_mm2 += static_cast<double>(stock.l1_as_read) * stock.l2_as_read;
    ++progress.layout_count;
  }
  progress.stock_area_m2 = stock_mm2 / 1e6;
  progress.yield = stock_mm2 > 0 ? static_cast<float>(pieces_mm2 / stock_mm2) : 0.0f;
  return progress;
}

// Runs the search on a thread of its own, so that this one can show the progress of the best
// plan so far and pass Stop on while it runs.
LineResult SearchWhileReporting(const LineJob& line_job, LineSettings settings,
                                deep::RunControl& control, DeepFigures& figures) {
  std::atomic<bool> stop = false;
  std::atomic<bool> finished = false;
  std::mutex best_lock;
  DeepProgress best;
  settings.on_plan = [&](const CuttingTree& tree) {
    const DeepProgress progress = PlanProgress(line_job, tree);
    const double now = control.Elapsed();
    const std::lock_guard<std::mutex> hold(best_lock);
    best = progress;
    if (figures.first_result_seconds < 0) figures.first_result_seconds = now;
    figures.best_found_seconds = now;
  };
  LineResult result;
  std::thread search([&] {
    result = OptimizeCuttingLine(line_job.problem, settings, &stop);
    finished = true;
  });
  while (!finished) {
    if (control.StopAsked()) stop = true;
    DeepProgress progress;
    {
      const std::lock_guard<std::mutex> hold(best_lock);
      progress = best;
    }
    control.Report(progress);
    std::this_thread::sleep_for(kPollInterval);
  }
  search.join();
  return result;
}

}  // namespace

DeepResult RunLineOptimization(const EngineJob& job, const DeepSettings& settings,
                               const DeepCallbacks& callbacks) {
  deep::RunControl control(settings, callbacks);
  DeepResult deep_result;
  OptimizationResult& result = deep_result.result;
  DeepFigures& figures = deep_result.figures;

  const LineJobMade made = MakeLineJob(job);
  if (!made.line_job) {
    result.message = made.error;
    return deep_result;
  }
  const LineJob& line_job = *made.line_job;

  LineSettings line_settings;
  line_settings.time_limit_seconds = settings.time_limit_seconds;
  line_settings.budget = settings.budget;
  line_settings.threads = settings.threads > 0
                              ? settings.threads
                              : static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
  figures.line_search = true;
  const LineResult line = SearchWhileReporting(line_job, line_settings, control, figures);

  figures.steps = line.figures.expansions;
  figures.rejected = line.plans_refused;
  result.end = control.UserStopped() ? OptimizationEnd::kStopped : OptimizationEnd::kDone;
  result.message = std::string(control.UserStopped() ? kDeepStoppedMessage : kDoneMessage);
  if (!line.unplaceable.empty()) {
    result.message +=
        "\n" + std::string(kUnplacedGlassMessage) + UnplaceableSizes(line_job, line.unplaceable);
    return deep_result;
  }
  if (!line.tree) {
    result.message += "\nNo plan that keeps every rule of the cutting line was found in time.";
    return deep_result;
  }
  ElementList elements = LineTreeElements(line_job, *line.tree);
  const std::vector<std::string> problems = ValidateResult(job, settings.trim_allowance, elements);
  if (!problems.empty()) {
    ++figures.rejected;
    result.message += "\nThe plan found was refused: " + problems.front();
    return deep_result;
  }
  result.best = std::move(elements);
  return deep_result;
}

}  // namespace lumora
