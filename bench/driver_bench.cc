#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

#include "allocation_counter.h"
#include "bench_job.h"
#include "core/base/number_text.h"
#include "core/engine2d/engine_input.h"
#include "core/engine2d/optimization.h"
#include "core/engine2d/pass_pipeline.h"
#include "core/engine2d/pass_runner.h"
#include "core/engine2d/result_files.h"

namespace {

using namespace lumora;

const char* const kJobs[] = {"small.opt", "medium.opt", "large.opt"};
// The passes bench cycles through the passes of a short run; whole runs take the default EFF.
constexpr int16_t kPassesEfficiency = 4;
constexpr int16_t kRunEfficiency = 10;

// Passes on one thread, one pass an iteration, cycling through the passes of a run after one
// warm-up cycle: candidates and passes per second, and heap allocations per candidate.
void BM_PassesOnOneThread(benchmark::State& state) {
  const BenchJob job(std::string(LUMORA_SOURCE_DATA_DIR) + "/examples/" + kJobs[state.range(0)]);
  EngineInput input = PrepareEngineInput(job.Engine());
  AddKerf(input.stocks, input.glasses, input.basic.kerf);
  SortByArea(input.stocks, input.glasses);
  const int32_t total = input.stocks.Count() * kPassesEfficiency;
  const RunSetup setup =
      MakeRunSetup(input.stocks, input.glasses, job.trim_allowance,
                   input.basic.blade + input.basic.kerf, input.basic.b_mm, job.coil_mode, total);
  PassBuffers buffers;
  PassOutcome outcome;
  for (int32_t pass = 1; pass <= total; ++pass) RunPass(setup, pass, 0, buffers, outcome);

  int64_t candidates = 0;
  int64_t passes = 0;
  const int64_t allocations_before = bench::AllocationCount();
  for (auto _ : state) {
    RunPass(setup, static_cast<int32_t>(passes % total) + 1, 0, buffers, outcome);
    candidates += outcome.candidates;
    ++passes;
  }
  const auto allocated = static_cast<double>(bench::AllocationCount() - allocations_before);
  state.SetLabel(kJobs[state.range(0)]);
  state.SetItemsProcessed(candidates);
  state.counters["passes/s"] =
      benchmark::Counter(static_cast<double>(passes), benchmark::Counter::kIsRate);
  state.counters["allocs/candidate"] =
      allocated / static_cast<double>(std::max<int64_t>(1, candidates));
}
BENCHMARK(BM_PassesOnOneThread)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// A whole run (EFF 10) on 1, 2 and all threads; the speed-up is the ratio of the real times.
// A run whose dia.tlf differs from the one-thread run's fails the benchmark.
void BM_WholeRun(benchmark::State& state) {
  const BenchJob job(std::string(LUMORA_SOURCE_DATA_DIR) + "/examples/" + kJobs[state.range(0)]);
  OptimizationSettings settings;
  settings.efficiency = kRunEfficiency;
  settings.trim_allowance = job.trim_allowance;
  settings.threads = 1;
  const std::string expected = LayoutFileBytes(RunOptimization(job.Engine(), settings).best);
  settings.threads = static_cast<int>(state.range(1));

  int64_t passes = 0;
  for (auto _ : state) {
    const OptimizationResult result = RunOptimization(job.Engine(), settings);
    passes += result.resume_pass;
    if (LayoutFileBytes(result.best) != expected) {
      state.SkipWithError("the result differs from the one-thread result");
      break;
    }
  }
  state.SetLabel(std::string(kJobs[state.range(0)]) + " threads " +
                 std::to_string(PassThreads(settings.threads)));
  state.counters["passes/s"] =
      benchmark::Counter(static_cast<double>(passes), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WholeRun)
    ->ArgsProduct({{0, 1, 2}, {1, 2, 0}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
