#include <benchmark/benchmark.h>

#include "core/base/number_text.h"

namespace {

// Report and drawing code converts every dimension; these are the conversions in its loops.
void BM_MMToInchText(benchmark::State& state) {
  float mm = 1.0f;
  for (auto _ : state) {
    benchmark::DoNotOptimize(lumora::MMToInchText(lumora::GeneralText(mm)));
    mm = mm < 10000.0f ? mm + 0.7f : 1.0f;
  }
}
BENCHMARK(BM_MMToInchText);

void BM_InchTextToMM(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(lumora::InchTextToMM("96 3/8"));
}
BENCHMARK(BM_InchTextToMM);

}  // namespace
