// The game's own environment while Qt looks for the desktop bus: without a
// bus it names one that fails at once, and it remembers what it was given
// for the programs it starts.
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

constexpr const char* kBusAddress = NoSessionBusAutolaunch::kVariable;

std::optional<std::string> busAddress() {
  const char* value = std::getenv(kBusAddress);
  return value ? std::optional<std::string>(value) : std::nullopt;
}

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
  const std::optional<std::string> original = busAddress();
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
  setBusAddress(original);
}

#endif

}  // namespace
}  // namespace vorpex
