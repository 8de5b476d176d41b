// Reads the desktop's font configuration on a thread of its own, from the
// first line of main, while Qt connects to the display.
//
// The first text a process draws pays for reading the font configuration,
// matching the family and opening its file. On Linux the configuration
// (fontconfig's files and caches) is most of it, about a fifth of the time
// to the first window, and it needs no QGuiApplication; what it reads is
// shared by every thread, so Qt finds it read when the menu draws its
// captions. The rest (Qt's font list, each thread's own font engines)
// needs the application and stays on the main thread: done ahead on a
// thread of its own it only competed with the start-up for two cores.
#pragma once
#include <future>

namespace vorpex {

class FontConfigurationLoad {
 public:
  // Starts at once; needs nothing of Qt. Where Qt does not read a font
  // configuration of this kind (Windows, macOS) it does nothing.
  FontConfigurationLoad();
  // Waits for the thread, if still running.
  ~FontConfigurationLoad() = default;
  FontConfigurationLoad(const FontConfigurationLoad&) = delete;
  FontConfigurationLoad& operator=(const FontConfigurationLoad&) = delete;

 private:
  std::future<void> done_;
};

}  // namespace vorpex
