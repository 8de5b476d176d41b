// Keeps the desktop bus library from starting a session bus of its own.
//
// When the first window is shown, Qt looks for the session bus to find the
// accessibility bus. Where no session bus is running (a bare X session, a
// remote display), libdbus then "autolaunches" one: it forks the game and
// runs dbus-launch, which starts a bus daemon that outlives the game, or,
// where dbus-launch is not installed, fails after the fork. Either way the
// first frame waits for it (a sixth of the time to it, measured without a
// bus), and the game needs no bus: a screen reader is only reachable through
// a session bus that is already running.
#pragma once

namespace vorpex {

class NoSessionBusAutolaunch {
 public:
  // Where the environment names no session bus (DBUS_SESSION_BUS_ADDRESS
  // unset or empty), names one that libdbus refuses at once ("disabled:");
  // a bus that is named is left alone. Call before any thread is started:
  // it changes the environment. Does nothing on Windows.
  NoSessionBusAutolaunch();
  // Gives the environment back as it was, so that the programs the game
  // starts (the help document's viewer) may start a bus if they need one.
  // Call once the first window is on screen, and before threads that read
  // the environment are started; a second call does nothing.
  void end();
  ~NoSessionBusAutolaunch() { end(); }
  NoSessionBusAutolaunch(const NoSessionBusAutolaunch&) = delete;
  NoSessionBusAutolaunch& operator=(const NoSessionBusAutolaunch&) = delete;

  // Whether the environment holds the refusing address now.
  bool active() const { return active_; }

 private:
  bool active_ = false;
  bool wasEmpty_ = false;  // named, but empty: given back empty
};

}  // namespace vorpex
