// The program's operator new and delete, counting: in a file of their own,
// so that no caller sees the pair inlined. Every form that is not aligned
// is replaced, so that each allocation and its release meet in malloc and
// free (AddressSanitizer checks that they pair up).
#include "allocation_counter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<size_t> allocated{0};

void* allocate(size_t size) noexcept {
  allocated += size;
  return std::malloc(size ? size : 1);
}

void* allocateOrThrow(size_t size) {
  if (void* p = allocate(size)) return p;
  throw std::bad_alloc();
}
}  // namespace

void* operator new(size_t size) { return allocateOrThrow(size); }
void* operator new[](size_t size) { return allocateOrThrow(size); }
void* operator new(size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void* operator new[](size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }
void operator delete[](void* p, size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }

namespace vorpex::testing {
size_t bytesAllocated() { return allocated; }
}  // namespace vorpex::testing
