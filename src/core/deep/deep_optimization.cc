#include "core/deep/deep_optimization.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <string>
#include <vector>

#include "core/base/number_text.h"
#include "core/deep/chain_runner.h"
#include "core/deep/deep_candidate.h"
#include "core/deep/deep_problem.h"
#include "core/deep/kept_leftover.h"
#include "core/deep/line_job_run.h"
#include "core/deep/search_chain.h"
#include "core/deep/standard_start.h"
#include "core/engine2d/line_job.h"
#include "core/engine2d/result_files.h"
#include "core/engine2d/result_validator.h"

namespace lumora {
namespace {

using deep::Candidate;
using deep::DeepProblem;

std::string GlassSizeList(const GlassList& glasses, const DeepProblem& problem,
                          const std::vector<int>& unplaced) {
  std::string text;
  for (size_t p = 0; p < unplaced.size(); ++p) {
    if (unplaced[p] <= 0) continue;
    const GlassRecord& glass = glasses[problem.pieces[p].glass_index];
    if (!text.empty()) text += ", ";
    text += GeneralText(glass.l1_as_read) + " x " + GeneralText(glass.l2_as_read);
  }
  return text;
}

// Names the glass sizes left unplaced under an end message that does not tell why yet.
void AddUnplacedLine(std::string& message, const std::string& sizes) {
  if (message.find('\n') == std::string::npos) {
    message += "\n" + std::string(kUnplacedGlassMessage) + sizes;
  }
}

// The pieces that fit no stock size in any orientation their ORN allows.
std::vector<int> PiecesFittingNowhere(const DeepProblem& problem) {
  std::vector<int> nowhere;
  for (const deep::PieceSize& piece : problem.pieces) {
    const bool fits = std::any_of(
        problem.stocks.begin(), problem.stocks.end(),
        [&piece](const deep::StockSize& stock) { return deep::PieceFitsStock(piece, stock); });
    nowhere.push_back(fits ? 0 : piece.demand);
  }
  return nowhere;
}

// The least stock any result can take, when it is plain to see: with one sheet size, the
// pieces' area over the usable area, rounded up to whole sheets; 0 when unknown.
double LeastPossibleCost(const DeepProblem& problem) {
  if (problem.coil_mode || problem.stocks.size() != 1) return 0;
  double pieces = 0;
  for (const deep::PieceSize& piece : problem.pieces) pieces += piece.area * piece.demand;
  const deep::StockSize& stock = problem.stocks.front();
  return std::ceil(pieces / (static_cast<double>(stock.width) * stock.height) - 1e-9) *
         stock.frame_area;
}

// Whether no stock size can keep a balance whose sides are both at least `min_side` units.
bool NoSheetKeepsABalance(const DeepProblem& problem, int min_side) {
  return min_side > 0 &&
         std::all_of(problem.stocks.begin(), problem.stocks.end(), [&](const deep::StockSize& s) {
           return s.width < min_side || s.height < min_side;
         });
}

// The end message, done or stopped, and the result in file coordinates; without a result the
// standard run's explanation stays under the message.
void EndRun(OptimizationResult& result, bool user_stopped, const Candidate* chosen) {
  const size_t line_break = result.message.find('\n');
  const std::string why =
      line_break == std::string::npos ? std::string() : result.message.substr(line_break);
  result.end = user_stopped ? OptimizationEnd::kStopped : OptimizationEnd::kDone;
  result.message = std::string(user_stopped ? kDeepStoppedMessage : kDoneMessage);
  if (chosen) {
    result.best = chosen->elements;
    TransposeElements(result.best);
  } else {
    result.best = ElementList();
    result.message += why;
  }
}

}  // namespace

DeepResult RunDeepOptimization(const EngineJob& job, const DeepSettings& settings,
                               const DeepCallbacks& callbacks) {
  if (HasLineData(job)) return RunLineOptimization(job, settings, callbacks);
  deep::RunControl control(settings, callbacks);
  DeepResult deep_result;
  DeepFigures& figures = deep_result.figures;
  OptimizationResult& result = deep_result.result;

  // The standard engine's result is what the search must beat; it runs beside the search. The
  // search's input is made while the standard run checks its own: on a job of thousands of
  // sizes either costs a good part of the first second.
  deep::StandardStart standard_start(job, settings, control.start());
  EngineInput input = PrepareEngineInput(job);
  const float blade = input.basic.blade + input.basic.kerf;
  AddKerf(input.stocks, input.glasses, input.basic.kerf);
  SortByArea(input.stocks, input.glasses);
  if (!standard_start.WaitForChecks()) {
    standard_start.Join();
    result = standard_start.Result();
    return deep_result;
  }
  const DeepProblem problem =
      deep::MakeDeepProblem(input.stocks, input.glasses, job.coil_mode, settings.valuation);
  deep::PatternLimits limits;
  // A blade or a B no int of units holds reaches across, or is more than, any stock.
  limits.max_strip_length =
      WholeNumberWithin(std::trunc(blade / problem.unit_mm + 1e-6), INT_MIN, INT_MAX)
          .value_or(INT_MAX);
  if (!job.coil_mode && input.basic.b_mm > 0) {
    limits.min_free_side =
        WholeNumberWithin(std::ceil(input.basic.b_mm / problem.unit_mm - 1e-6), INT_MIN, INT_MAX)
            .value_or(INT_MAX);
  }
  const std::vector<int> nowhere = PiecesFittingNowhere(problem);
  const bool fits_nowhere =
      std::any_of(nowhere.begin(), nowhere.end(), [](int n) { return n > 0; });
  // Where no sheet can keep a balance of B (MM), only sheets cut without one are allowed: the
  // search would look for them in vain till the end.
  const bool no_balance = NoSheetKeepsABalance(problem, limits.min_free_side);

  // A result at the least possible stock cannot be beaten: a timed search ends there.
  const double least_possible = LeastPossibleCost(problem);
  std::vector<deep::SearchChain> chains;
  if (!fits_nowhere && !no_balance) {
    chains.reserve(deep::kChains);
    for (int c = 0; c < deep::kChains; ++c) {
      chains.emplace_back(problem, limits, input.stocks, input.glasses, settings.seed, c,
                          least_possible, control.start());
    }
  }
  deep::RunChains(chains, standard_start, least_possible, problem, control);
  result = standard_start.Result();
  figures.standard_seconds = standard_start.EndedAtSeconds();
  if (!result.best.Empty()) figures.standard_best = standard_start.Figures();
  const Candidate standard = standard_start.AsCandidate(problem);
  if (fits_nowhere) {
    AddUnplacedLine(result.message, GlassSizeList(input.glasses, problem, nowhere));
    figures.standard_kept = standard.valid;
    return deep_result;
  }

  // The result is chosen in chain order, so the threads' timing cannot change it.
  std::vector<const Candidate*> candidates{&standard};
  for (const deep::SearchChain& chain : chains) {
    candidates.push_back(&chain.by_cost);
    candidates.push_back(&chain.by_layouts);
    const deep::StepCounts& counts = chain.counts();
    figures.steps += chain.Steps();
    figures.constructions += counts.constructions;
    figures.tail_replans += counts.tail_replans;
    figures.sheet_fewer += counts.sheet_fewer;
    figures.rejected += counts.oversized;
    if (chain.FirstFoundSeconds() >= 0 &&
        (figures.first_result_seconds < 0 ||
         chain.FirstFoundSeconds() < figures.first_result_seconds)) {
      figures.first_result_seconds = chain.FirstFoundSeconds();
    }
  }
  const deep::ChosenResult chosen =
      deep::ChooseResult(candidates, input.objective, [&](const Candidate& candidate) {
        return ValidateEngineResult(input, settings.trim_allowance, job.coil_mode,
                                    candidate.elements)
            .empty();
      });
  figures.rejected += chosen.rejected;

  // The kept leftover is the chosen result changed, so the validator has its say once more.
  Candidate with_leftover;
  if (chosen.chosen && settings.keep_one_leftover && !job.coil_mode) {
    with_leftover = *chosen.chosen;
    if (KeepOneLeftover(with_leftover.elements, input.stocks, input.basic.b_mm)) {
      figures.leftover_kept = ValidateEngineResult(input, settings.trim_allowance, job.coil_mode,
                                                   with_leftover.elements)
                                  .empty();
      figures.rejected += figures.leftover_kept ? 0 : 1;
    }
  }
  EndRun(result, control.UserStopped(), figures.leftover_kept ? &with_leftover : chosen.chosen);
  if (chosen.chosen) {
    figures.best_found_seconds = chosen.chosen->found_at_seconds;
    figures.standard_kept = chosen.chosen == &standard;
  } else if (!chains.empty() && !chains.front().Unplaced().empty()) {
    AddUnplacedLine(result.message,
                    GlassSizeList(input.glasses, problem, chains.front().Unplaced()));
  }
  result.candidates += figures.steps;
  return deep_result;
}

}  // namespace lumora
