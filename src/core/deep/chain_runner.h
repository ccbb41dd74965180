#ifndef LUMORA_CORE_DEEP_CHAIN_RUNNER_H_
#define LUMORA_CORE_DEEP_CHAIN_RUNNER_H_

#include <atomic>
#include <chrono>
#include <vector>

#include "core/deep/deep_candidate.h"
#include "core/deep/deep_optimization.h"
#include "core/deep/search_chain.h"
#include "core/deep/standard_start.h"

// The orchestration of a deep run: its clock, time limit or budget, the user's Stop, the threads
// that step the chains, and the progress shown meanwhile.
namespace lumora::deep {

class RunControl {
 public:
  RunControl(const DeepSettings& settings, const DeepCallbacks& callbacks);

  const DeepSettings& settings() const { return settings_; }
  std::chrono::steady_clock::time_point start() const { return start_; }
  double Elapsed() const;
  bool Timed() const { return settings_.budget <= 0; }
  bool TimeUp() const;
  // Whether the user asked to stop; once asked, it stays asked.
  bool StopAsked();
  bool UserStopped() const { return user_stopped_.load(); }
  bool Reports() const { return static_cast<bool>(callbacks_.progress); }
  // Shows the progress with the run's times and budget filled in.
  void Report(DeepProgress progress) const;

 private:
  const DeepSettings& settings_;
  const DeepCallbacks& callbacks_;
  std::chrono::steady_clock::time_point start_;
  std::atomic<bool> user_stopped_ = false;
};

// Steps the chains on the settings' threads, each chain up to its share of a budget, or while
// timed until the time is up (and a first step has ended) or a result takes `least_cost` (when
// known), and waits for the standard start, which it stops with them; Stop ends both at once.
// The progress shows the best of the standard start's and the chains' results.
void RunChains(std::vector<SearchChain>& chains, StandardStart& standard, double least_cost,
               const DeepProblem& problem, RunControl& control);

}  // namespace lumora::deep

#endif  // LUMORA_CORE_DEEP_CHAIN_RUNNER_H_
