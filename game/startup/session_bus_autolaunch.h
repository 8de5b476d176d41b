// Keeps the desktop bus library from starting a session bus of its own.
//
// When the first window is shown, Qt looks for the session bus to find the
// accessibility bus. Where no session bus is running (a bare X session, a
// remote display), libdbus then "autolaunches" one: it forks the game and
// runs dbus-launch, which starts a bus daemon that outlives the game, or,
// where dbus-launch is not installed, fails after the fork. Either way the
// first frame waits for it, and the game needs no bus: a screen reader is
// only reachable through a session bus that is already running.
//
// A session bus that runs without being named, at its usual place in the
// user's runtime folder ($XDG_RUNTIME_DIR/bus, where systemd starts it),
// is named instead, exactly as libdbus would have found it: a refusing
// address there would cut screen readers off the game.
//
// The environment is changed once, before any thread exists, and never
// again (a thread reading it while it changes may crash). Programs the game
// starts get the variable as the game was given it through their own
// process environment (`givenAddress`).
#pragma once

#include <optional>
#include <string>

namespace vorpex {

class NoSessionBusAutolaunch {
 public:
  // Where the environment names no session bus (DBUS_SESSION_BUS_ADDRESS
  // unset or empty), names the user's runtime bus when its socket is there
  // and the user's own, and otherwise one that libdbus refuses at once
  // ("disabled:"); a bus that is named is left alone. Call before any
  // thread is started. Does nothing on Windows.
  NoSessionBusAutolaunch();
  NoSessionBusAutolaunch(const NoSessionBusAutolaunch&) = delete;
  NoSessionBusAutolaunch& operator=(const NoSessionBusAutolaunch&) = delete;

  static constexpr const char* kVariable = "DBUS_SESSION_BUS_ADDRESS";

  // Whether this process's environment holds an address set here.
  bool active() const { return active_; }
  // The variable as the game was given it: nullopt when it was unset.
  const std::optional<std::string>& givenAddress() const { return given_; }

 private:
  bool active_ = false;
  std::optional<std::string> given_;
};

}  // namespace vorpex
