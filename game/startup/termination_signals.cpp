#include "termination_signals.h"

#include <QSocketNotifier>
#if !defined(_WIN32)
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#endif

namespace vorpex {

#if !defined(_WIN32)
namespace {
int signalPipe[2] = {-1, -1};

void onTerminationSignal(int) {
  // The interrupted code may be about to read errno.
  const int savedErrno = errno;
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = write(signalPipe[1], &byte, 1);
  errno = savedErrno;
}
}  // namespace

bool TerminationSignals::installHandlers() {
  if (signalPipe[0] >= 0) return true;
  // Close-on-exec: the programs the game starts (the instructions' viewer)
  // must not hold the pipe. Non-blocking: a flood of signals never blocks
  // the handler on a full pipe, and draining it never blocks the loop.
  if (pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return false;
  struct sigaction action {};
  action.sa_handler = onTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
    // nohup starts the game with hang-ups ignored so that it outlives its
    // terminal: that choice is the player's and is kept.
    struct sigaction before {};
    if (signal == SIGHUP && sigaction(signal, nullptr, &before) == 0 && before.sa_handler == SIG_IGN) continue;
    sigaction(signal, &action, nullptr);
  }
  return true;
}

bool TerminationSignals::pending() {
  if (signalPipe[0] < 0) return false;
  pollfd ready{signalPipe[0], POLLIN, 0};
  return poll(&ready, 1, 0) > 0 && (ready.revents & POLLIN);
}

TerminationSignals::TerminationSignals(std::function<void()> onSignal) : onSignal_(std::move(onSignal)) {
  if (!installHandlers()) return;
  notifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read);
  QObject::connect(notifier_, &QSocketNotifier::activated, [this] {
    char bytes[64];
    while (read(signalPipe[0], bytes, sizeof bytes) > 0) {
    }
    if (onSignal_) onSignal_();
  });
}

TerminationSignals::~TerminationSignals() { delete notifier_; }
#else
bool TerminationSignals::installHandlers() { return false; }
bool TerminationSignals::pending() { return false; }
TerminationSignals::TerminationSignals(std::function<void()> onSignal) : onSignal_(std::move(onSignal)) {}
TerminationSignals::~TerminationSignals() = default;
#endif

}  // namespace vorpex
