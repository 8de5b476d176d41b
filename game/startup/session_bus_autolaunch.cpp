#include "session_bus_autolaunch.h"

#include <cstdlib>
#include <string>

#if !defined(_WIN32)
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vorpex {

NoSessionBusAutolaunch::NoSessionBusAutolaunch() {
#if !defined(_WIN32)
  const char* named = std::getenv(kVariable);
  if (named != nullptr) given_ = named;
  if (named != nullptr && *named != '\0') return;
  // The bus libdbus itself looks for first: a socket of this user's at
  // $XDG_RUNTIME_DIR/bus (a runtime folder is the user's alone).
  std::string address = "disabled:";  // a transport libdbus does not know: it fails without a fork
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && *runtime == '/') {
    const std::string bus = std::string(runtime) + "/bus";
    struct stat socket {};
    if (lstat(bus.c_str(), &socket) == 0 && S_ISSOCK(socket.st_mode) && socket.st_uid == getuid())
      address = "unix:path=" + bus;
  }
  active_ = setenv(kVariable, address.c_str(), 1) == 0;
#endif
}

}  // namespace vorpex
