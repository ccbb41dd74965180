#include "core/deep/line_optimization.h"

#include <algorithm>
#include <chrono>
#include <mutex>
#include <thread>

#include "core/deep/line_plan.h"
#include "core/engine2d/cutting_tree_validator.h"

namespace lumora {
namespace {

struct SearchOutcome {
  std::optional<CuttingTree> tree;
  int64_t waste = 0;
  int plans_found = 0;
  LineSearchFigures figures;
};

}  // namespace

LineResult OptimizeCuttingLine(const LineProblem& problem, const LineSettings& settings,
                               const std::atomic<bool>* stop) {
  const auto start = std::chrono::steady_clock::now();
  const bool turned = problem.rules.first_cut == FirstCut::kHorizontal;
  const LineProblem canonical = turned ? Transposed(problem) : problem;
  const LineGeometry geometry(canonical);
  const LineFronts fronts(geometry, canonical.pieces);

  const int threads = std::max(1, settings.threads);
  LineSearchLimits limits;
  limits.deadline = start + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                std::chrono::duration<double>(settings.time_limit_seconds));
  limits.max_expansions = settings.budget;
  limits.stop = stop;
  limits.memory_bytes = settings.memory_bytes / threads;

  LineResult result;
  std::mutex refusal_mutex;
  std::vector<SearchOutcome> outcomes(threads);
  const auto search = [&](int t) {
    const LineGuide guide = settings.guides.empty() ? LineGuide::kWasteRatioPerArea
                                                    : settings.guides[t % settings.guides.size()];
    LineBeamSearch beam(geometry, fronts, canonical.pieces, guide);
    SearchOutcome& outcome = outcomes[t];
    beam.Run(limits, [&](const LinePlanFound& plan) {
      std::optional<CuttingTree> tree = BuildCuttingTree(geometry, fronts, plan.moves);
      std::vector<LineFinding> findings;
      if (tree) findings = ValidateCuttingTree(canonical, *tree);
      if (!tree || !findings.empty()) {
        const std::lock_guard<std::mutex> lock(refusal_mutex);
        ++result.plans_refused;
        result.refusals.push_back(tree ? findings.front().text : "A plan could not be rebuilt.");
        return false;
      }
      ++outcome.plans_found;
      outcome.tree = std::move(tree);
      outcome.waste = plan.waste;
      return true;
    });
    outcome.figures = beam.figures();
  };
  std::vector<std::thread> workers;
  for (int t = 1; t < threads; ++t) workers.emplace_back(search, t);
  search(0);
  for (std::thread& worker : workers) worker.join();

  for (const SearchOutcome& outcome : outcomes) {
    result.plans_found += outcome.plans_found;
    result.figures.expansions += outcome.figures.expansions;
    result.figures.children += outcome.figures.children;
    result.figures.dominated += outcome.figures.dominated;
    result.figures.bounded += outcome.figures.bounded;
    result.figures.beams += outcome.figures.beams;
    result.figures.width = std::max(result.figures.width, outcome.figures.width);
    result.figures.exhausted = result.figures.exhausted || outcome.figures.exhausted;
    if (outcome.tree && (!result.tree || outcome.waste < result.waste)) {
      result.tree = turned ? Transposed(*outcome.tree) : *outcome.tree;
      result.waste = outcome.waste;
    }
  }
  result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return result;
}

}  // namespace lumora
