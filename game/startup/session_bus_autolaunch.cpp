#include "session_bus_autolaunch.h"

#include <cstdlib>

namespace vorpex {

namespace {
constexpr const char* kBusAddress = "DBUS_SESSION_BUS_ADDRESS";
}  // namespace

NoSessionBusAutolaunch::NoSessionBusAutolaunch() {
#if !defined(_WIN32)
  const char* named = std::getenv(kBusAddress);
  if (named != nullptr && *named != '\0') return;
  wasEmpty_ = named != nullptr;
  // A transport libdbus does not know: the connection fails without a fork.
  active_ = setenv(kBusAddress, "disabled:", 1) == 0;
#endif
}

void NoSessionBusAutolaunch::end() {
#if !defined(_WIN32)
  if (!active_) return;
  if (wasEmpty_) {
    setenv(kBusAddress, "", 1);
  } else {
    unsetenv(kBusAddress);
  }
  active_ = false;
#endif
}

}  // namespace vorpex
