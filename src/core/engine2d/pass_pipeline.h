#ifndef LUMORA_CORE_ENGINE2D_PASS_PIPELINE_H_
#define LUMORA_CORE_ENGINE2D_PASS_PIPELINE_H_

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

#include "core/engine2d/pass_runner.h"

namespace lumora {

// Hands out the outcomes of the passes first..last strictly in pass order, as if they ran one
// after another against the best result of the moment. With one thread every pass runs when it
// is asked for. With more, worker threads run ahead on passes of their own and cut a pass short
// against the best result they last heard of; a pass cut short against a best result that has
// changed since, and that the current one would not abandon, runs again when it is asked for.
class PassPipeline {
 public:
  // best_area_sum: the stock-area sum of the best result the run starts with. A pass run on the
  // asking thread is given up (its outcome cancelled) once *stop is set, from any thread.
  PassPipeline(const RunSetup& setup, int32_t first, int32_t last, int threads, float best_area_sum,
               const std::atomic<bool>* stop = nullptr);
  // Cancels the passes still running and waits for their threads.
  ~PassPipeline();
  PassPipeline(const PassPipeline&) = delete;
  PassPipeline& operator=(const PassPipeline&) = delete;

  // The outcome of the next pass (first, then first + 1, ... up to last), exact for a best result
  // whose stock-area sum is best_area_sum: it is cut short only when that best abandons it. The
  // outcome stays the caller's, who may take its result's storage, until the next call, which
  // hands it back. Rethrows what a worker thread threw.
  PassOutcome& Next(float best_area_sum);

 private:
  struct Slot {
    PassOutcome outcome;
    bool ready = false;
  };

  void Work();
  Slot& SlotOf(int64_t pass) { return slots_[static_cast<size_t>(pass - first_) % slots_.size()]; }

  const RunSetup& setup_;
  const int32_t first_;
  const int32_t last_;
  std::vector<Slot> slots_;
  PassBuffers own_buffers_;  // for passes run on the asking thread
  const std::atomic<bool>* stop_;
  int64_t next_out_;      // the pass Next hands out next
  bool holding_ = false;  // whether the caller still holds the previous outcome

  std::mutex mutex_;
  std::condition_variable outcome_ready_;
  std::condition_variable slot_free_;
  int64_t next_claim_;       // the pass the next free worker takes
  int64_t handed_back_ = 0;  // passes whose outcome was handed out and back
  std::exception_ptr failure_;
  std::atomic<float> abandon_sum_{0};
  std::atomic<bool> cancel_{false};
  std::vector<std::thread> workers_;
};

// The threads to use: the given count, or every hardware thread when it is 0 or less.
int PassThreads(int requested);

}  // namespace lumora

#endif  // LUMORA_CORE_ENGINE2D_PASS_PIPELINE_H_
