#include "termination_signals.h"

#include <QSocketNotifier>
#if !defined(_WIN32)
#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#endif

namespace vorpex {

#if !defined(_WIN32)
namespace {
int signalPipe[2] = {-1, -1};

void onTerminationSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = write(signalPipe[1], &byte, 1);
}
}  // namespace

TerminationSignals::TerminationSignals(std::function<void()> onSignal) : onSignal_(std::move(onSignal)) {
  if (signalPipe[0] < 0) {
    if (pipe(signalPipe) != 0) return;
    // A flood of signals must never block the handler on a full pipe.
    fcntl(signalPipe[1], F_SETFL, fcntl(signalPipe[1], F_GETFL) | O_NONBLOCK);
    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
  }
  notifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read);
  QObject::connect(notifier_, &QSocketNotifier::activated, [this] {
    char byte = 0;
    [[maybe_unused]] const ssize_t got = read(signalPipe[0], &byte, 1);
    if (onSignal_) onSignal_();
  });
}

TerminationSignals::~TerminationSignals() { delete notifier_; }
#else
TerminationSignals::TerminationSignals(std::function<void()> onSignal) : onSignal_(std::move(onSignal)) {}
TerminationSignals::~TerminationSignals() = default;
#endif

}  // namespace vorpex
