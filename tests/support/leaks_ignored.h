// Leak checking off for the objects allocated while one of these lives, in
// a build with AddressSanitizer; nothing otherwise. For tests that make a
// program fail as it would just before exiting, where whatever the failed
// work held is left behind on purpose.
#pragma once

#if defined(__SANITIZE_ADDRESS__)
#define VORPEX_LEAK_CHECKS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VORPEX_LEAK_CHECKS 1
#endif
#endif

#if defined(VORPEX_LEAK_CHECKS)
#include <sanitizer/lsan_interface.h>
#endif

namespace vorpex::testing {

class LeaksIgnored {
 public:
#if defined(VORPEX_LEAK_CHECKS)
  LeaksIgnored() { __lsan_disable(); }
  ~LeaksIgnored() { __lsan_enable(); }
#else
  LeaksIgnored() {}  // user-provided: an unused object draws no warning
#endif
  LeaksIgnored(const LeaksIgnored&) = delete;
  LeaksIgnored& operator=(const LeaksIgnored&) = delete;
};

}  // namespace vorpex::testing
