#ifndef LUMORA_BENCH_ALLOCATION_COUNTER_H_
#define LUMORA_BENCH_ALLOCATION_COUNTER_H_

#include <cstdint>

namespace lumora::bench {

// How many times the process has called the global operator new so far (the benchmark binary
// replaces it to count).
int64_t AllocationCount();

}  // namespace lumora::bench

#endif  // LUMORA_BENCH_ALLOCATION_COUNTER_H_
