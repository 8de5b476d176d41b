// SIGTERM and SIGINT (a logout, Ctrl+C) turned into a call on the event loop.
// The handler itself only writes a byte to a pipe; the loop reads it and runs
// `onSignal` there, where any code may run. On Windows a desktop program is
// ended by closing its window, so nothing is installed there.
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace vorpex {

class TerminationSignals {
 public:
  // Installs the handlers at once, so that a signal that comes before the
  // event loop runs is kept and delivered at its first turn. Needs the
  // QCoreApplication to exist already (its notifier lives on its thread). One instance
  // per process; the handlers stay installed after it is destroyed, and a
  // signal then is ignored.
  explicit TerminationSignals(std::function<void()> onSignal);
  ~TerminationSignals();
  TerminationSignals(const TerminationSignals&) = delete;
  TerminationSignals& operator=(const TerminationSignals&) = delete;

  // False when the pipe could not be made (the handlers are then Qt's defaults).
  bool installed() const { return notifier_ != nullptr; }

 private:
  std::function<void()> onSignal_;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace vorpex
