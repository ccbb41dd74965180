#ifndef LUMORA_CORE_DEEP_LINE_WORKERS_H_
#define LUMORA_CORE_DEEP_LINE_WORKERS_H_

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// A team of threads that runs one job at a time together with its owner's thread: the job is
// called once on every thread with the thread's number (the owner's is 0), and Run returns when
// all calls have.
namespace lumora {

class LineWorkers {
 public:
  explicit LineWorkers(int threads);
  ~LineWorkers();
  LineWorkers(const LineWorkers&) = delete;
  LineWorkers& operator=(const LineWorkers&) = delete;

  int size() const { return static_cast<int>(threads_.size()) + 1; }
  void Run(const std::function<void(int)>& job);

 private:
  void Loop(int number);

  std::mutex mutex_;
  std::condition_variable start_;
  std::condition_variable done_;
  const std::function<void(int)>* job_ = nullptr;
  uint64_t generation_ = 0;
  int running_ = 0;
  bool quit_ = false;
  std::vector<std::thread> threads_;
};

}  // namespace lumora

#endif  // LUMORA_CORE_DEEP_LINE_WORKERS_H_
