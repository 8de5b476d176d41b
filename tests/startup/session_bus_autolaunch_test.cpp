// The game's own environment while Qt looks for the desktop bus: without a
// bus it names one that fails at once, and it remembers what it was given
// for the programs it starts.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "session_bus_autolaunch.h"
#include "temp_files.h"

#if !defined(_WIN32)
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <fstream>
#endif

namespace vorpex {
namespace {

#if defined(_WIN32)

TEST(NoSessionBusAutolaunchTest, DoesNothingOnWindows) {
  NoSessionBusAutolaunch noAutolaunch;
  EXPECT_FALSE(noAutolaunch.active());
}

#else

constexpr const char* kBusAddress = NoSessionBusAutolaunch::kVariable;

std::optional<std::string> busAddress() {
  const char* value = std::getenv(kBusAddress);
  return value ? std::optional<std::string>(value) : std::nullopt;
}

// A variable of the test's environment, as it was before, back at the end.
class KeptVariable {
 public:
  explicit KeptVariable(const char* name) : name_(name) {
    if (const char* value = std::getenv(name)) value_ = value;
  }
  ~KeptVariable() {
    if (value_) {
      setenv(name_, value_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> value_;
};

void setBusAddress(const std::optional<std::string>& value) {
  if (value) {
    setenv(kBusAddress, value->c_str(), 1);
  } else {
    unsetenv(kBusAddress);
  }
}

// Replacing a running bus's address would cut a screen reader off the game;
// the viewer of the instructions must see what the game was given.
TEST(NoSessionBusAutolaunchTest, NamesARefusedBusOnlyWhereNoneRunsAndRemembersWhatItWasGiven) {
  const KeptVariable address(kBusAddress), runtime("XDG_RUNTIME_DIR");
  unsetenv("XDG_RUNTIME_DIR");
  struct Case {
    std::optional<std::string> given;
    bool active;
    std::optional<std::string> during;
  };
  const Case cases[] = {
      {std::nullopt, true, "disabled:"},
      {"", true, "disabled:"},
      {"unix:path=/run/user/1000/bus", false, "unix:path=/run/user/1000/bus"},
  };
  for (const Case& c : cases) {
    setBusAddress(c.given);
    NoSessionBusAutolaunch noAutolaunch;
    EXPECT_EQ(noAutolaunch.active(), c.active) << c.given.value_or("(unset)");
    EXPECT_EQ(busAddress(), c.during) << c.given.value_or("(unset)");
    EXPECT_EQ(noAutolaunch.givenAddress(), c.given);
  }
}

// A session bus that runs unnamed, at the runtime folder's "bus", was once
// hidden behind the refusing address, and screen readers with it.
TEST(NoSessionBusAutolaunchTest, NamesTheRuntimeFoldersBusWhereItsSocketIsThere) {
  const KeptVariable address(kBusAddress), runtime("XDG_RUNTIME_DIR");
  testing::TempDir withSocket, withFile;
  const std::string socketPath = (withSocket.path() / "bus").string();
  const int listening = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un bound{};
  bound.sun_family = AF_UNIX;
  ASSERT_LT(socketPath.size(), sizeof bound.sun_path);
  socketPath.copy(bound.sun_path, socketPath.size());
  ASSERT_EQ(bind(listening, reinterpret_cast<sockaddr*>(&bound), sizeof bound), 0);
  std::ofstream((withFile.path() / "bus").string()) << "not a socket";
  struct Case {
    std::string runtime;
    std::string during;
  };
  for (const Case& c : {Case{withSocket.path().string(), "unix:path=" + socketPath},
                        Case{withFile.path().string(), "disabled:"}, Case{"relative", "disabled:"}}) {
    unsetenv(kBusAddress);
    setenv("XDG_RUNTIME_DIR", c.runtime.c_str(), 1);
    NoSessionBusAutolaunch noAutolaunch;
    EXPECT_TRUE(noAutolaunch.active());
    EXPECT_EQ(busAddress(), c.during) << c.runtime;
    EXPECT_EQ(noAutolaunch.givenAddress(), std::nullopt);
  }
  close(listening);
}

#endif

}  // namespace
}  // namespace vorpex
