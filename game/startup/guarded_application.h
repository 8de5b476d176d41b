// The one boundary between the event loop and the game's code: an exception
// that escapes an event handler (the engine binding or the puzzle bridge
// failing in play) is caught here rather than ending the process through
// std::terminate, and handed to `onFailure` with its text.
#pragma once

#include <QApplication>
#include <functional>
#include <string>

namespace vorpex {

class GuardedApplication : public QApplication {
 public:
  GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

  // Called once for the first failure, on the event loop; it is expected to
  // end the program. Later failures (while it ends) are dropped.
  std::function<void(const std::string& what)> onFailure;

  bool notify(QObject* receiver, QEvent* event) override;

 private:
  void fail(const std::string& what);
  bool failed_ = false;
};

}  // namespace vorpex
