#include "session_bus_autolaunch.h"

#include <cstdlib>

namespace vorpex {

NoSessionBusAutolaunch::NoSessionBusAutolaunch() {
#if !defined(_WIN32)
  const char* named = std::getenv(kVariable);
  if (named != nullptr) given_ = named;
  if (named != nullptr && *named != '\0') return;
  // A transport libdbus does not know: the connection fails without a fork.
  active_ = setenv(kVariable, "disabled:", 1) == 0;
#endif
}

}  // namespace vorpex
