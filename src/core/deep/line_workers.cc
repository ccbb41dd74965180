#include "core/deep/line_workers.h"

namespace lumora {

LineWorkers::LineWorkers(int threads) {
  for (int number = 1; number < threads; ++number) {
    threads_.emplace_back([this, number] { Loop(number); });
  }
}

LineWorkers::~LineWorkers() {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    quit_ = true;
  }
  start_.notify_all();
  for (std::thread& thread : threads_) thread.join();
}

void LineWorkers::Run(const std::function<void(int)>& job) {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    job_ = &job;
    ++generation_;
    running_ = static_cast<int>(threads_.size());
  }
  start_.notify_all();
  job(0);
  std::unique_lock<std::mutex> lock(mutex_);
  done_.wait(lock, [this] { return running_ == 0; });
  job_ = nullptr;
}

void LineWorkers::Loop(int number) {
  uint64_t seen = 0;
  std::unique_lock<std::mutex> lock(mutex_);
  while (true) {
    start_.wait(lock, [&] { return quit_ || generation_ != seen; });
    if (quit_) return;
    seen = generation_;
    const std::function<void(int)>* job = job_;
    lock.unlock();
    (*job)(number);
    lock.lock();
    if (--running_ == 0) done_.notify_one();
  }
}

}  // namespace lumora
