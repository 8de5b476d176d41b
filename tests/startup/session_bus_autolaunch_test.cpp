// The game's own environment while Qt looks for the desktop bus: without a
// bus it names one that fails at once, and it gives the environment back.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "session_bus_autolaunch.h"

namespace vorpex {
namespace {

#if defined(_WIN32)

TEST(NoSessionBusAutolaunchTest, DoesNothingOnWindows) {
  NoSessionBusAutolaunch noAutolaunch;
  EXPECT_FALSE(noAutolaunch.active());
}

#else

constexpr const char* kBusAddress = "DBUS_SESSION_BUS_ADDRESS";

std::optional<std::string> busAddress() {
  const char* value = std::getenv(kBusAddress);
  return value ? std::optional<std::string>(value) : std::nullopt;
}

// Each test sets the variable as it needs; the one the tests were run with
// comes back after them.
class NoSessionBusAutolaunchTest : public ::testing::Test {
 protected:
  NoSessionBusAutolaunchTest() : original_(busAddress()) {}
  ~NoSessionBusAutolaunchTest() override {
    if (original_) {
      setenv(kBusAddress, original_->c_str(), 1);
    } else {
      unsetenv(kBusAddress);
    }
  }

 private:
  std::optional<std::string> original_;
};

TEST_F(NoSessionBusAutolaunchTest, WithoutABusNamesOneThatFailsUntilItEnds) {
  unsetenv(kBusAddress);
  NoSessionBusAutolaunch noAutolaunch;
  EXPECT_TRUE(noAutolaunch.active());
  EXPECT_EQ(busAddress(), "disabled:");
  noAutolaunch.end();
  EXPECT_FALSE(noAutolaunch.active());
  EXPECT_EQ(busAddress(), std::nullopt);
  noAutolaunch.end();
  EXPECT_EQ(busAddress(), std::nullopt);

  setenv(kBusAddress, "", 1);  // as libdbus reads it: no bus either
  {
    NoSessionBusAutolaunch whileInScope;
    EXPECT_EQ(busAddress(), "disabled:");
  }
  EXPECT_EQ(busAddress(), "") << "given back as it was";
}

// Replacing a running bus's address would cut a screen reader off the game.
TEST_F(NoSessionBusAutolaunchTest, ARunningBusIsLeftAlone) {
  setenv(kBusAddress, "unix:path=/run/user/1000/bus", 1);
  NoSessionBusAutolaunch noAutolaunch;
  EXPECT_FALSE(noAutolaunch.active());
  EXPECT_EQ(busAddress(), "unix:path=/run/user/1000/bus");
  noAutolaunch.end();
  EXPECT_EQ(busAddress(), "unix:path=/run/user/1000/bus");
}

#endif

}  // namespace
}  // namespace vorpex
