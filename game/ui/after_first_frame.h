// Work that must not delay the first picture of a window: it runs once,
// from the event loop, right after the window's first paint has been put
// on screen.
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
