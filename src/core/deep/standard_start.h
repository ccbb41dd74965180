#ifndef LUMORA_CORE_DEEP_STANDARD_START_H_
#define LUMORA_CORE_DEEP_STANDARD_START_H_

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "core/deep/deep_candidate.h"
#include "core/deep/deep_optimization.h"
#include "core/engine2d/optimization.h"

// The standard engine's run at EFF 10 that a deep run keeps unless it finds better, run on a
// thread of its own beside the search so that neither waits for the other. Its checks refuse
// what a standard run refuses; Stop ends it at once, within a pass.
namespace lumora::deep {

class StandardStart {
 public:
  StandardStart(const EngineJob& job, const DeepSettings& settings,
                std::chrono::steady_clock::time_point start);
  // Stops the run and waits for it.
  ~StandardStart();
  StandardStart(const StandardStart&) = delete;
  StandardStart& operator=(const StandardStart&) = delete;

  // Waits for the checks: false when the run was refused.
  bool WaitForChecks();
  void Stop() { stop_ = true; }
  bool Done() const { return done_.load(); }
  // The best result's figures so far, for the progress.
  PassStatistics Figures() const;
  // Once Done: the run's result, when it ended since `start`, and the result as a candidate in
  // engine coordinates.
  const OptimizationResult& Result() const { return result_; }
  double EndedAtSeconds() const { return ended_at_seconds_; }
  Candidate AsCandidate(const DeepProblem& problem) const;
  // Waits for the run to end.
  void Join();

 private:
  std::atomic<bool> stop_ = false;
  std::atomic<bool> done_ = false;
  mutable std::mutex mutex_;
  std::condition_variable checked_;
  bool checks_known_ = false;  // guarded by mutex_, like figures_
  PassStatistics figures_;
  OptimizationResult result_;  // the thread's until Done, like ended_at_seconds_
  double ended_at_seconds_ = 0;
  std::thread thread_;
};

}  // namespace lumora::deep

#endif  // LUMORA_CORE_DEEP_STANDARD_START_H_
