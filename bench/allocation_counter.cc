#include "allocation_counter.h"

#include <atomic>
#include <cstdlib>
#include <new>

// Kept in a file of its own: a replacement inlined into its callers makes the compiler see
// malloc'ed memory handed to operator delete.
namespace {
std::atomic<int64_t> allocations{0};
}  // namespace

void* operator new(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace lumora::bench {

int64_t AllocationCount() { return allocations.load(std::memory_order_relaxed); }

}  // namespace lumora::bench
