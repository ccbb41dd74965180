#include "core/engine2d/pass_pipeline.h"

#include <algorithm>

namespace lumora {

int PassThreads(int requested) {
  if (requested > 0) return requested;
  return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

PassPipeline::PassPipeline(const RunSetup& setup, int32_t first, int32_t last, int threads,
                           float best_area_sum, const std::atomic<bool>* stop)
    : setup_(setup),
      first_(first),
      last_(last),
      stop_(stop),
      next_out_(first),
      next_claim_(first),
      abandon_sum_(best_area_sum) {
  const int64_t passes = last >= first ? static_cast<int64_t>(last) - first + 1 : 0;
  const int64_t workers = std::min<int64_t>(threads, passes);
  if (workers <= 1) {
    slots_.resize(1);
    return;
  }
  // Two slots a thread keep every thread busy while the asking thread merges in order.
  slots_.resize(static_cast<size_t>(2 * workers));
  try {
    workers_.reserve(static_cast<size_t>(workers));
    for (int64_t i = 0; i < workers; ++i) workers_.emplace_back([this] { Work(); });
  } catch (...) {
    // A thread or its storage refused (std::system_error, std::bad_alloc): fewer threads than
    // asked for still give the same outcomes; with none at all the passes run on the asking
    // thread.
  }
}

PassPipeline::~PassPipeline() {
  {
    std::lock_guard lock(mutex_);
    cancel_ = true;
  }
  slot_free_.notify_all();
  for (std::thread& worker : workers_) worker.join();
}

void PassPipeline::Work() {
  PassBuffers buffers;
  const auto window = static_cast<int64_t>(slots_.size());
  for (;;) {
    int64_t pass = 0;
    Slot* slot = nullptr;
    {
      std::unique_lock lock(mutex_);
      slot_free_.wait(lock, [&] {
        return cancel_ || next_claim_ > last_ || next_claim_ - first_ < handed_back_ + window;
      });
      if (cancel_ || next_claim_ > last_) return;
      pass = next_claim_++;
      slot = &SlotOf(pass);
    }
    try {
      RunPass(setup_, static_cast<int32_t>(pass), abandon_sum_.load(), buffers, slot->outcome,
              &cancel_);
    } catch (...) {
      std::lock_guard lock(mutex_);
      if (!failure_) failure_ = std::current_exception();
      cancel_ = true;
      outcome_ready_.notify_all();
      slot_free_.notify_all();
      return;
    }
    {
      std::lock_guard lock(mutex_);
      slot->ready = true;
    }
    outcome_ready_.notify_all();
  }
}

PassOutcome& PassPipeline::Next(float best_area_sum) {
  abandon_sum_.store(best_area_sum);
  if (holding_) {
    {
      std::lock_guard lock(mutex_);
      SlotOf(next_out_ - 1).ready = false;
      ++handed_back_;
    }
    slot_free_.notify_all();
    holding_ = false;
  }
  const int64_t pass = next_out_++;
  Slot& slot = SlotOf(pass);
  if (workers_.empty()) {
    RunPass(setup_, static_cast<int32_t>(pass), best_area_sum, own_buffers_, slot.outcome, stop_);
  } else {
    {
      std::unique_lock lock(mutex_);
      outcome_ready_.wait(lock, [&] { return failure_ || slot.ready; });
      if (failure_) std::rethrow_exception(failure_);
    }
    const PassOutcome& outcome = slot.outcome;
    if (outcome.cut_short && !AreaSumIsWorse(outcome.largest_area_sum, best_area_sum)) {
      RunPass(setup_, static_cast<int32_t>(pass), best_area_sum, own_buffers_, slot.outcome, stop_);
    }
  }
  holding_ = true;
  return slot.outcome;
}

}  // namespace lumora
