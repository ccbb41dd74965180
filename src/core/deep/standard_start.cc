#include "core/deep/standard_start.h"

#include "core/engine2d/result_files.h"

namespace lumora::deep {
namespace {

constexpr int16_t kStandardEfficiency = 10;

}  // namespace

StandardStart::StandardStart(const EngineJob& job, const DeepSettings& settings,
                             std::chrono::steady_clock::time_point start) {
  OptimizationSettings standard;
  standard.efficiency = kStandardEfficiency;
  standard.trim_allowance = settings.trim_allowance;
  // One thread: the search has the others, and a pass on the run's own thread stops at once.
  standard.threads = 1;
  thread_ = std::thread([this, job, standard, start] {
    OptimizationCallbacks callbacks;
    callbacks.start = [this](const ProgressStart&) {
      std::lock_guard lock(mutex_);
      checks_known_ = true;
      checked_.notify_all();
    };
    callbacks.progress = [this](const ProgressFigures& figures) {
      std::lock_guard lock(mutex_);
      figures_ = figures.best;
    };
    callbacks.stop_requested = [this] { return stop_.load(); };
    callbacks.stop_flag = &stop_;
    OptimizationResult result = RunOptimization(job, standard, callbacks);
    result.resume_pass = 0;
    std::lock_guard lock(mutex_);
    result_ = std::move(result);
    ended_at_seconds_ =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    checks_known_ = true;
    done_ = true;
    checked_.notify_all();
  });
}

StandardStart::~StandardStart() {
  Stop();
  Join();
}

bool StandardStart::WaitForChecks() {
  std::unique_lock lock(mutex_);
  checked_.wait(lock, [this] { return checks_known_; });
  return !(done_ && result_.end == OptimizationEnd::kRefused);
}

PassStatistics StandardStart::Figures() const {
  std::lock_guard lock(mutex_);
  return figures_;
}

Candidate StandardStart::AsCandidate(const DeepProblem& problem) const {
  Candidate candidate;
  candidate.elements = result_.best;
  TransposeElements(candidate.elements);
  candidate.valid = !candidate.elements.Empty();
  candidate.key = KeyOf(candidate.elements, problem);
  candidate.found_at_seconds = ended_at_seconds_;
  return candidate;
}

void StandardStart::Join() {
  if (thread_.joinable()) thread_.join();
}

}  // namespace lumora::deep
