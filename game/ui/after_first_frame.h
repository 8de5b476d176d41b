// Work that must not delay the first picture of a window: it runs once,
// from the event loop, a moment after the window's first paint has been
// handed to the display. The moment is the display server's (and a
// compositor's) to show that picture: work started at once competed with
// it for the processor and delayed the picture itself.
//
// A window that is never painted (started minimised, or on a display that
// never shows it) still gets the work done, `fallbackMilliseconds` after
// the call, so nothing that depends on it waits forever.
#pragma once
#include <QWidget>
#include <functional>

namespace vorpex {

// `window` is a top-level widget; the work is dropped if it is destroyed
// first. Returns at once.
void runAfterFirstFrame(QWidget& window, std::function<void()> work, int fallbackMilliseconds = 1000);

}  // namespace vorpex
