// Loads the fonts the windows draw with on a thread of its own, while the
// main thread builds and shows the main window.
//
// The first text drawn in a family pays for reading the font configuration,
// matching the family and opening its file: about a quarter of the time to
// the first window. Those results are shared by every thread, so drawing a
// line in each family off the main thread leaves the main window's first
// captions cheap. Drawing text into an image off the main thread is
// supported by Qt; nothing here touches a widget.
#pragma once
#include <QStringList>
#include <thread>

namespace vorpex {

class FontWarmUp {
 public:
  // Starts at once; needs the QGuiApplication to exist, and to outlive this.
  // `families` are drawn bold at `pixelSize`.
  FontWarmUp(const QStringList& families, int pixelSize);
  // Waits for the thread: a warm-up takes a few milliseconds.
  ~FontWarmUp();
  FontWarmUp(const FontWarmUp&) = delete;
  FontWarmUp& operator=(const FontWarmUp&) = delete;

 private:
  std::thread thread_;
};

}  // namespace vorpex
