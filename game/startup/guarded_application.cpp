#include "guarded_application.h"

#include <exception>

namespace vorpex {

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    fail(error.what());
  } catch (...) {
    fail("an unknown failure");
  }
  return false;
}

void GuardedApplication::fail(const std::string& what) {
  if (failed_) return;
  failed_ = true;
  if (onFailure) onFailure(what);
}

}  // namespace vorpex
