#include "core/deep/deep_optimization.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

#include "core/deep/chain_random.h"
#include "core/deep/consistent_neighborhood_search.h"
#include "core/deep/construction.h"
#include "core/deep/deep_problem.h"
#include "core/deep/plan_elements.h"
#include "core/deep/sequential_value_correction.h"
#include "core/deep/sheet_emptying.h"
#include "core/deep/tail_search.h"
#include "core/engine2d/layout_evaluation.h"
#include "core/engine2d/result_files.h"
#include "core/engine2d/result_validator.h"
#include "core/reports/number_text.h"

namespace lumora {
namespace {

using deep::ChainRandom;
using deep::Construction;
using deep::DeepProblem;
using deep::Plan;

// Searches that run side by side with their own values and random draws. Their number is
// fixed, whatever the number of threads, so that a budgeted run repeats exactly.
constexpr int kChains = 8;
constexpr double kStandardEfficiency = 10;
constexpr auto kProgressInterval = std::chrono::milliseconds(200);
constexpr int kEmptyingRounds = 8;
constexpr int kTailRounds = 4;
// A search for a plan of a sheet fewer makes this many moves from each start, so many a step.
constexpr int kEjectionTries = 20000;
constexpr int kEjectionTriesPerStep = 1000;

// How a result is ranked: the stock it takes, then its layouts, then its largest leftover.
struct ResultKey {
  double cost = 0;  // stock area in mm², or coil length in mm
  int layouts = 0;
  double largest_balance = 0;
};

ResultKey KeyOf(const ElementList& elements, bool coil_mode) {
  ResultKey key;
  for (const LayoutElement& element : elements) {
    const double area = static_cast<double>(element.x2 - element.x1) * (element.y2 - element.y1);
    if (element.kind == kStockFrame && !coil_mode) key.cost += area * element.repeat;
    if (element.kind == kFreeRect) key.largest_balance = std::max(key.largest_balance, area);
    key.layouts = std::max(key.layouts, element.layout_no);
  }
  if (coil_mode) key.cost = TotalCoilLength(elements);
  return key;
}

bool CostBetter(const ResultKey& a, const ResultKey& b) {
  constexpr double kSame = 1e-9;
  if (a.cost < b.cost * (1 - kSame)) return true;
  if (a.cost > b.cost * (1 + kSame)) return false;
  if (a.layouts != b.layouts) return a.layouts < b.layouts;
  return a.largest_balance > b.largest_balance;
}

// Minimum Layouts: among results within 1% of the least stock, the fewest layouts.
bool LayoutsBetter(const ResultKey& a, const ResultKey& b, double least_cost) {
  const bool a_near = a.cost <= least_cost * 1.01;
  const bool b_near = b.cost <= least_cost * 1.01;
  if (a_near != b_near) return a_near;
  if (a_near && a.layouts != b.layouts) return a.layouts < b.layouts;
  return CostBetter(a, b);
}

struct Candidate {
  ElementList elements;  // engine coordinates
  ResultKey key;
  bool valid = false;
};

// Every other chain packs strips with mixed columns too: jobs of few pieces of a kind need them,
// jobs of many of each do better with the faster identical columns.
deep::PatternLimits LimitsOfChain(deep::PatternLimits limits, int chain) {
  limits.mixed_strips = chain % 2 == 1;
  return limits;
}

// Half the chains move their values further at each correction; the jitter grows with the
// index in steps of four.
double CorrectionRateOfChain(int chain) { return chain < kChains / 2 ? 0.5 : 0.3; }
double JitterOfChain(int chain) { return 0.04 * (chain % 4); }

// One line of search: constructions under values corrected after each, with a little noise,
// and from every plan as good as its best, a search for a plan of a sheet fewer.
class Chain {
 public:
  Chain(const DeepProblem& problem, const deep::PatternLimits& limits, const StockList& stocks,
        const GlassList& glasses, uint64_t seed, int index, double least_cost)
      : problem_(problem),
        stocks_(stocks),
        glasses_(glasses),
        construction_(problem, LimitsOfChain(limits, index)),
        random_(seed * 0x100000001B3ULL + static_cast<uint64_t>(index) + 1),
        correction_(problem, CorrectionRateOfChain(index), JitterOfChain(index)),
        least_cost_(least_cost) {}

  // More of the search for a plan of a sheet fewer while it goes on, else a new plan; answers
  // whether the chain's best changed.
  bool Step(const std::atomic<bool>& stop) {
    ++steps_;
    return sheet_fewer_.HasMovesLeft() ? SearchSheetFewer(stop) : FindPlan(stop);
  }

  int64_t Steps() const { return steps_; }
  const std::vector<int>& Unplaced() const { return unplaced_; }

  Candidate by_cost;
  Candidate by_layouts;

 private:
  // One construction, or every other step once there is a best plan, a few replans of its tail;
  // answers whether the chain's best changed.
  bool FindPlan(const std::atomic<bool>& stop) {
    Plan plan;
    if (!best_plan_.layouts.empty() && steps_ % 2 == 0) {
      plan = best_plan_;
      bool replanned = false;
      for (int round = 0; round < kTailRounds && !stop.load(); ++round) {
        const size_t most = std::max<size_t>(2, plan.layouts.size() / 3);
        const auto tail = 2 + static_cast<size_t>(random_.Next() * static_cast<double>(most - 1));
        replanned |= deep::ReplanTail(plan, tail, problem_, construction_,
                                      correction_.Jittered(random_), stop);
      }
      if (!replanned) return false;
    } else {
      plan = construction_.Build(correction_.Jittered(random_), stop);
      if (!plan.complete) {
        if (!stop.load()) unplaced_ = plan.unplaced;
        return false;
      }
      correction_.Correct(construction_, plan);
    }
    // Only a plan that is as good as the best so far is worth the local search.
    if (best_plan_.layouts.empty() ||
        construction_.PlanCost(plan) <= best_plan_cost_ * (1 + 1e-9)) {
      for (int round = 0; round < kEmptyingRounds && !stop.load(); ++round) {
        if (!deep::EmptyWorstSheet(plan, problem_, construction_, construction_.generator())) {
          break;
        }
      }
      // Every plan as good as the best is a new start for the search for a sheet fewer.
      StartSheetFewer(plan);
    }
    return Offer(std::move(plan));
  }

  // Goes on with the search for a plan of a sheet fewer; once found, it is offered and the
  // search starts again from it, for the next emptiest sheet.
  bool SearchSheetFewer(const std::atomic<bool>& stop) {
    if (!sheet_fewer_.Continue(kEjectionTriesPerStep, problem_, construction_.generator(), random_,
                               stop)) {
      return false;
    }
    Plan fewer = sheet_fewer_.Result();
    StartSheetFewer(fewer);
    return Offer(std::move(fewer));
  }

  // A plan at the least possible stock has no sheet to spare.
  void StartSheetFewer(const Plan& plan) {
    if (construction_.PlanCost(plan) > least_cost_ * (1 + 1e-9)) {
      sheet_fewer_.Start(plan, problem_, construction_, kEjectionTries);
    }
  }

  bool Offer(Plan plan) {
    Candidate candidate;
    candidate.elements = deep::PlanElements(plan, problem_, stocks_, glasses_);
    if (candidate.elements.Count() > kMaxListCount) return false;
    candidate.key = KeyOf(candidate.elements, problem_.coil_mode);
    candidate.valid = true;
    bool changed = false;
    if (!by_cost.valid || CostBetter(candidate.key, by_cost.key)) {
      by_cost = candidate;
      best_plan_cost_ = construction_.PlanCost(plan);
      best_plan_ = std::move(plan);
      changed = true;
    }
    if (!by_layouts.valid || LayoutsBetter(candidate.key, by_layouts.key, by_cost.key.cost)) {
      by_layouts = std::move(candidate);
    }
    return changed;
  }

  const DeepProblem& problem_;
  const StockList& stocks_;
  const GlassList& glasses_;
  Construction construction_;
  ChainRandom random_;
  deep::SequentialValueCorrection correction_;
  std::vector<int> unplaced_;
  int64_t steps_ = 0;
  Plan best_plan_;
  double best_plan_cost_ = 0;
  double least_cost_ = 0;  // no plan can take less stock; 0 when unknown
  deep::ConsistentNeighborhoodSearch sheet_fewer_;
};

// The best so far, for the progress display only; the result is chosen after the chains end.
class SharedBest {
 public:
  void Offer(const Candidate& candidate) {
    std::lock_guard lock(mutex_);
    if (!best_.valid || CostBetter(candidate.key, best_.key)) best_ = candidate;
  }
  Candidate Get() const {
    std::lock_guard lock(mutex_);
    return best_;
  }

 private:
  mutable std::mutex mutex_;
  Candidate best_;
};

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
    bool fits = false;
    for (const deep::StockSize& stock : problem.stocks) {
      for (int o = 1; o <= 2; ++o) {
        fits = fits || (piece.x[static_cast<size_t>(o)] > 0 &&
                        piece.x[static_cast<size_t>(o)] <= stock.width &&
                        piece.y[static_cast<size_t>(o)] <= stock.height);
      }
    }
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

DeepProgress ProgressOf(const Candidate& best, bool coil_mode) {
  DeepProgress progress;
  if (!best.valid) return progress;
  const PassStatistics stats = PassStats(best.elements);
  progress.layout_count = stats.layout_count;
  progress.yield = stats.yield;
  if (coil_mode) {
    progress.coil_length_m = best.key.cost / 1000;
  } else {
    progress.stock_area_m2 = best.key.cost / 1e6;
  }
  return progress;
}

}  // namespace

OptimizationResult RunDeepOptimization(const EngineJob& job, const DeepSettings& settings,
                                       const DeepCallbacks& callbacks) {
  const auto start = std::chrono::steady_clock::now();
  const auto elapsed = [&] {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  };
  const bool timed = settings.budget <= 0;
  std::atomic<bool> user_stopped = false;
  const auto stop_asked = [&] {
    if (!user_stopped && callbacks.stop_requested && callbacks.stop_requested()) {
      user_stopped = true;
    }
    return user_stopped.load();
  };
  const auto time_up = [&] { return timed && elapsed() >= settings.time_limit_seconds; };
  const auto remaining = [&] {
    return timed ? std::max(0.0, settings.time_limit_seconds - elapsed()) : 0.0;
  };

  // The standard engine's result is where the search starts, and what it must beat.
  OptimizationSettings standard_settings;
  standard_settings.efficiency = static_cast<int16_t>(kStandardEfficiency);
  standard_settings.trim_allowance = settings.trim_allowance;
  standard_settings.threads = settings.threads;
  OptimizationCallbacks standard_callbacks;
  standard_callbacks.progress = [&](const ProgressFigures& figures) {
    if (!callbacks.progress) return;
    DeepProgress progress;
    progress.standard_phase = true;
    progress.elapsed_seconds = elapsed();
    progress.remaining_seconds = remaining();
    progress.budget = settings.budget;
    progress.layout_count = figures.best.layout_count;
    progress.yield = figures.best.yield;
    callbacks.progress(progress);
  };
  standard_callbacks.stop_requested = [&] { return stop_asked() || time_up(); };
  OptimizationResult result = RunOptimization(job, standard_settings, standard_callbacks);
  result.resume_pass = 0;
  if (result.end == OptimizationEnd::kRefused) return result;

  EngineInput input = PrepareEngineInput(job);
  const float blade = input.basic.blade + input.basic.kerf;
  AddKerf(input.stocks, input.glasses, input.basic.kerf);
  SortByArea(input.stocks, input.glasses);
  const DeepProblem problem = deep::MakeDeepProblem(input.stocks, input.glasses, job.coil_mode);

  Candidate standard;
  standard.elements = result.best;
  TransposeElements(standard.elements);
  standard.valid = !standard.elements.Empty();
  standard.key = KeyOf(standard.elements, job.coil_mode);

  const std::vector<int> nowhere = PiecesFittingNowhere(problem);
  if (std::any_of(nowhere.begin(), nowhere.end(), [](int n) { return n > 0; })) {
    AddUnplacedLine(result.message, GlassSizeList(input.glasses, problem, nowhere));
    return result;
  }

  deep::PatternLimits limits;
  limits.max_strip_length = static_cast<int>(blade / problem.unit_mm + 1e-6);
  if (!job.coil_mode && input.basic.b_mm > 0) {
    limits.min_free_side = static_cast<int>(std::ceil(input.basic.b_mm / problem.unit_mm - 1e-6));
  }

  // A result at the least possible stock cannot be beaten: a timed search ends there.
  const double least_possible = LeastPossibleCost(problem);
  std::vector<Chain> chains;
  chains.reserve(kChains);
  for (int c = 0; c < kChains; ++c) {
    chains.emplace_back(problem, limits, input.stocks, input.glasses, settings.seed, c,
                        least_possible);
  }
  const int hardware = static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
  const int threads = std::clamp(settings.threads > 0 ? settings.threads : hardware, 1, kChains);
  const auto quota = [&](int c) {
    return settings.budget / kChains + (c < settings.budget % kChains ? 1 : 0);
  };

  SharedBest shared;
  if (standard.valid) shared.Offer(standard);
  const auto cannot_be_beaten = [&] {
    const Candidate best = shared.Get();
    return best.valid && best.key.cost <= least_possible * (1 + 1e-9);
  };
  std::atomic<bool> stop = stop_asked() || time_up() || (timed && cannot_be_beaten());
  // The chains' step counts as the progress reads them while the workers step on.
  std::vector<std::atomic<int64_t>> steps_taken(chains.size());
  std::atomic<int> running = threads;
  std::mutex done_mutex;
  std::condition_variable done;
  std::vector<std::thread> workers;
  for (int t = 0; t < threads; ++t) {
    workers.emplace_back([&, t] {
      bool worked = true;
      while (worked && !stop.load()) {
        worked = false;
        for (int c = t; c < kChains && !stop.load(); c += threads) {
          Chain& chain = chains[static_cast<size_t>(c)];
          if (!timed && chain.Steps() >= quota(c)) continue;
          worked = true;
          if (chain.Step(stop)) shared.Offer(chain.by_cost);
          steps_taken[static_cast<size_t>(c)].store(chain.Steps(), std::memory_order_relaxed);
        }
      }
      std::lock_guard lock(done_mutex);
      --running;
      done.notify_all();
    });
  }
  {
    std::unique_lock lock(done_mutex);
    while (running > 0) {
      done.wait_for(lock, kProgressInterval);
      lock.unlock();
      if (stop_asked() || time_up() || (timed && cannot_be_beaten())) stop = true;
      if (callbacks.progress) {
        DeepProgress progress = ProgressOf(shared.Get(), job.coil_mode);
        progress.elapsed_seconds = elapsed();
        progress.remaining_seconds = remaining();
        progress.budget = settings.budget;
        for (const auto& steps : steps_taken) {
          progress.steps += steps.load(std::memory_order_relaxed);
        }
        callbacks.progress(progress);
      }
      lock.lock();
    }
  }
  for (std::thread& worker : workers) worker.join();

  // The result is chosen in chain order, so the threads' timing cannot change it.
  std::vector<const Candidate*> candidates;
  if (standard.valid) candidates.push_back(&standard);
  for (const Chain& chain : chains) {
    for (const Candidate* candidate : {&chain.by_cost, &chain.by_layouts}) {
      if (candidate->valid &&
          ValidateEngineResult(input, settings.trim_allowance, job.coil_mode, candidate->elements)
              .empty()) {
        candidates.push_back(candidate);
      }
    }
  }
  const Candidate* chosen = nullptr;
  double least_cost = 0;
  for (const Candidate* candidate : candidates) {
    if (!chosen || candidate->key.cost < least_cost) least_cost = candidate->key.cost;
    if (!chosen) chosen = candidate;
  }
  for (const Candidate* candidate : candidates) {
    const bool better = input.objective == Objective::kMinimumLayouts
                            ? LayoutsBetter(candidate->key, chosen->key, least_cost)
                            : CostBetter(candidate->key, chosen->key);
    if (better) chosen = candidate;
  }

  // Without a result the standard run's explanation stays under the end message.
  const size_t line_break = result.message.find('\n');
  const std::string why =
      line_break == std::string::npos ? std::string() : result.message.substr(line_break);
  result.end = user_stopped ? OptimizationEnd::kStopped : OptimizationEnd::kDone;
  result.message = std::string(user_stopped ? kDeepStoppedMessage : kDoneMessage);
  if (chosen) {
    result.best = chosen->elements;
    TransposeElements(result.best);
  } else {
    result.message += why;
    if (!chains.front().Unplaced().empty()) {
      AddUnplacedLine(result.message,
                      GlassSizeList(input.glasses, problem, chains.front().Unplaced()));
    }
  }
  for (const Chain& chain : chains) result.candidates += chain.Steps();
  return result;
}

}  // namespace lumora
