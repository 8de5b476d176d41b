// The program's operator new and delete, counting: in a file of their own,
// so that no caller sees the pair inlined.
#include "allocation_counter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<size_t> allocated{0};
}  // namespace

void* operator new(size_t size) {
  allocated += size;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }

namespace vorpex::testing {
size_t bytesAllocated() { return allocated; }
}  // namespace vorpex::testing
