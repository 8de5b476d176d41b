// SIGTERM, SIGINT and SIGHUP (a logout, Ctrl+C, a closed terminal) turned
// into a call on the event loop. The handler itself only writes a byte to a
// pipe; the loop reads it and runs `onSignal` there, where any code may run.
// On Windows a desktop program is ended by closing its window (or by the
// session-end message), so nothing is installed there.
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace vorpex {

class TerminationSignals {
 public:
  // Installs the handlers. Call on main's first line, before any thread
  // and any call that may block: a signal from then on is kept in the pipe
  // and delivered at the event loop's first turn, never lost and never the
  // default end that drops a game in play. Later calls do nothing. False
  // when the pipe could not be made (the handlers are then the defaults).
  // A hang-up the game was started to ignore (nohup) stays ignored.
  static bool installHandlers();

  // Whether a signal came that the event loop has not yet delivered: for
  // work before the loop runs that may wait (the knock on a running copy).
  static bool pending();

  // Delivers the signals kept and to come to `onSignal` on the event loop
  // (installing the handlers if that was not done yet). Needs the
  // QCoreApplication to exist already (its notifier lives on its thread).
  // One instance per process; after it is destroyed a signal is ignored.
  explicit TerminationSignals(std::function<void()> onSignal);
  ~TerminationSignals();
  TerminationSignals(const TerminationSignals&) = delete;
  TerminationSignals& operator=(const TerminationSignals&) = delete;

  bool installed() const { return notifier_ != nullptr; }

 private:
  std::function<void()> onSignal_;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace vorpex
