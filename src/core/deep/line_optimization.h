#ifndef LUMORA_CORE_DEEP_LINE_OPTIMIZATION_H_
#define LUMORA_CORE_DEEP_LINE_OPTIMIZATION_H_

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/deep/line_beam_search.h"
#include "core/engine2d/cutting_line.h"
#include "core/engine2d/cutting_tree.h"

// Plans a glass-line batch for the least waste under every rule of the line: anytime, the best
// plan so far is kept whenever the time limit, a budget or Stop ends the search.
namespace lumora {

struct LineSettings {
  double time_limit_seconds = 60;
  // With more than 0, each search expands this many nodes and the time limit is ignored: the
  // same budget gives the same plan on any machine.
  int64_t budget = 0;
  int threads = 2;
  LineGuide guide = LineGuide::kWasteRatioPerArea;
  size_t memory_bytes = size_t{1536} << 20;
  // Told of each plan better than the ones before, on the search's thread.
  std::function<void(const CuttingTree&)> on_plan;
};

struct LineResult {
  std::optional<CuttingTree> tree;  // the best plan, valid under every rule
  int64_t waste = 0;
  int plans_found = 0;
  // Plans a search made that the validator refused: each is a fault of the search, named here.
  int plans_refused = 0;
  std::vector<std::string> refusals;
  // The ids of pieces no sheet can hold whole under the line's rules: with any, there is no plan.
  std::vector<int32_t> unplaceable;
  LineSearchFigures figures;
  double seconds = 0;
};

LineResult OptimizeCuttingLine(const LineProblem& problem, const LineSettings& settings,
                               const std::atomic<bool>* stop = nullptr);

}  // namespace lumora

#endif  // LUMORA_CORE_DEEP_LINE_OPTIMIZATION_H_
