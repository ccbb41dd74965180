#include "core/deep/line_optimization.h"

#include <chrono>

#include "core/deep/line_plan.h"
#include "core/engine2d/cutting_tree_validator.h"

namespace lumora {
namespace {

// Flaws aside, whether a piece of this width and height fits a strip of some sheet.
bool FitsSomeStrip(const LineProblem& problem, int32_t width, int32_t height) {
  for (const LineSheet& sheet : problem.sheets) {
    if (width <= sheet.width && width <= problem.rules.max_strip_width && height <= sheet.height) {
      return true;
    }
  }
  return false;
}

}  // namespace

LineResult OptimizeCuttingLine(const LineProblem& problem, const LineSettings& settings,
                               const std::atomic<bool>* stop) {
  const auto start = std::chrono::steady_clock::now();
  const bool turned = problem.rules.first_cut == FirstCut::kHorizontal;
  const LineProblem canonical = turned ? Transposed(problem) : problem;
  const LineGeometry geometry(canonical);
  const LineFronts fronts(geometry, canonical.pieces);

  LineSearchLimits limits;
  limits.deadline = start + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                std::chrono::duration<double>(settings.time_limit_seconds));
  limits.max_expansions = settings.budget;
  limits.stop = stop;
  limits.memory_bytes = settings.memory_bytes;

  LineResult result;
  for (const LinePiece& piece : canonical.pieces) {
    if (!FitsSomeStrip(canonical, piece.width, piece.height) &&
        !(piece.may_turn && FitsSomeStrip(canonical, piece.height, piece.width))) {
      result.unplaceable.push_back(piece.id);
    }
  }
  if (!result.unplaceable.empty()) return result;
  LineBeamSearch beam(geometry, fronts, canonical.pieces, settings.guide, settings.threads);
  beam.Run(limits, [&](const LinePlanFound& plan) {
    std::optional<CuttingTree> tree = BuildCuttingTree(geometry, fronts, plan.moves);
    std::vector<LineFinding> findings;
    if (tree) findings = ValidateCuttingTree(canonical, *tree);
    if (!tree || !findings.empty()) {
      ++result.plans_refused;
      result.refusals.push_back(tree ? findings.front().text : "A plan could not be rebuilt.");
      return false;
    }
    ++result.plans_found;
    result.tree = turned ? Transposed(*tree) : std::move(*tree);
    result.waste = plan.waste;
    if (settings.on_plan) settings.on_plan(*result.tree);
    return true;
  });
  result.figures = beam.figures();
  result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return result;
}

}  // namespace lumora
