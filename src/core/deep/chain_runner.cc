#include "core/deep/chain_runner.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "core/engine2d/layout_evaluation.h"

namespace lumora::deep {
namespace {

constexpr double kProgressSeconds = 0.2;
// A step longer than this share of the time limit is a long one.
constexpr double kStepsWorthSharing = 50;
// Past this share of a timed run the standard start gives up its core once the search holds a
// result of higher yield than its best so far: on a job of thousands of sizes its passes would
// otherwise take a core for the whole run, and they no longer decide the result.
constexpr double kStandardShare = 0.25;

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

RunControl::RunControl(const DeepSettings& settings, const DeepCallbacks& callbacks)
    : settings_(settings), callbacks_(callbacks), start_(std::chrono::steady_clock::now()) {}

double RunControl::Elapsed() const {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
}

bool RunControl::TimeUp() const { return Timed() && Elapsed() >= settings_.time_limit_seconds; }

bool RunControl::StopAsked() {
  if (!user_stopped_ && callbacks_.stop_requested && callbacks_.stop_requested()) {
    user_stopped_ = true;
  }
  return user_stopped_.load();
}

void RunControl::Report(DeepProgress progress) const {
  if (!callbacks_.progress) return;
  progress.elapsed_seconds = Elapsed();
  progress.remaining_seconds =
      Timed() ? std::max(0.0, settings_.time_limit_seconds - progress.elapsed_seconds) : 0.0;
  progress.budget = settings_.budget;
  callbacks_.progress(progress);
}

void RunChains(std::vector<SearchChain>& chains, StandardStart& standard, double least_cost,
               const DeepProblem& problem, RunControl& control) {
  const bool coil_mode = problem.coil_mode;
  const DeepSettings& settings = control.settings();
  const int hardware = static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
  const int chain_count = static_cast<int>(chains.size());
  const int threads =
      std::clamp(settings.threads > 0 ? settings.threads : hardware, 1, std::max(chain_count, 1));
  const auto quota = [&](int c) {
    return settings.budget / chain_count + (c < settings.budget % chain_count ? 1 : 0);
  };

  SharedBest shared;
  bool standard_offered = false;
  const auto cannot_be_beaten = [&] {
    const Candidate best = shared.Get();
    return best.valid && best.key.cost <= least_cost * (1 + 1e-9);
  };
  // The chains' step counts as the progress reads them while the workers step on.
  std::vector<std::atomic<int64_t>> steps_taken(chains.size());
  const int workers_wanted = chain_count > 0 ? threads : 0;
  std::atomic<int> running = workers_wanted;
  // A timed run goes on past its time only while it has no result and no step has ended: the
  // first plan is a quick one, and a run ended without it would leave nothing to cut.
  const auto first_plan_pending = [&] {
    return running > 0 && !shared.Get().valid &&
           std::all_of(steps_taken.begin(), steps_taken.end(),
                       [](const std::atomic<int64_t>& steps) { return steps.load() == 0; });
  };
  const auto should_stop = [&] {
    return control.StopAsked() || (control.TimeUp() && !first_plan_pending()) ||
           (control.Timed() && cannot_be_beaten());
  };
  std::atomic<bool> stop = should_stop();
  std::mutex done_mutex;
  std::condition_variable done;
  std::vector<std::thread> workers;
  for (int t = 0; t < workers_wanted; ++t) {
    workers.emplace_back([&, t] {
      bool worked = true;
      while (worked && !stop.load()) {
        worked = false;
        for (int c = t; c < chain_count && !stop.load(); c += threads) {
          SearchChain& chain = chains[static_cast<size_t>(c)];
          if (!control.Timed() && chain.Steps() >= quota(c)) continue;
          worked = true;
          const double began = control.Elapsed();
          if (chain.Step(stop)) shared.Offer(chain.by_cost);
          steps_taken[static_cast<size_t>(c)].store(chain.Steps(), std::memory_order_relaxed);
          if (control.TimeUp()) {
            std::lock_guard lock(done_mutex);
            done.notify_all();
          }
          // Where a step takes a good part of the time, the thread keeps to its first chain:
          // value correction learns from one plan to the next.
          if (control.Timed() &&
              control.Elapsed() - began > settings.time_limit_seconds / kStepsWorthSharing) {
            break;
          }
        }
      }
      std::lock_guard lock(done_mutex);
      --running;
      done.notify_all();
    });
  }
  const auto report = [&] {
    if (!control.Reports()) return;
    DeepProgress progress = ProgressOf(shared.Get(), coil_mode);
    if (progress.layout_count == 0) {
      const PassStatistics standard_figures = standard.Figures();
      progress.standard_phase = true;
      progress.layout_count = standard_figures.layout_count;
      progress.yield = standard_figures.yield;
    }
    for (const auto& steps : steps_taken) {
      progress.steps += steps.load(std::memory_order_relaxed);
    }
    control.Report(progress);
  };
  std::unique_lock lock(done_mutex);
  while (running > 0 || !standard.Done()) {
    // A timed run's last wait ends with its time; past it, a step's end cuts the wait short.
    double wait = kProgressSeconds;
    if (control.Timed() && !control.TimeUp()) {
      wait = std::clamp(settings.time_limit_seconds - control.Elapsed(), 0.001, wait);
    }
    done.wait_for(lock, std::chrono::duration<double>(wait));
    lock.unlock();
    if (standard.Done() && !standard_offered) {
      shared.Offer(standard.AsCandidate(problem));
      standard_offered = true;
    }
    if (should_stop()) {
      stop = true;
      standard.Stop();
    } else if (control.Timed() && !standard.Done() &&
               control.Elapsed() >= settings.time_limit_seconds * kStandardShare) {
      const Candidate best = shared.Get();
      if (best.valid && PassStats(best.elements).yield > standard.Figures().yield) {
        standard.Stop();
      }
    }
    report();
    lock.lock();
  }
  lock.unlock();
  for (std::thread& worker : workers) worker.join();
  standard.Join();
  // The last figures are those of the run as it ended, whatever the timing of the reports.
  report();
}

}  // namespace lumora::deep
