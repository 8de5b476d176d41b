// Arcade Vorpex. Starts the program on the main menu and runs it until the
// main window closes. A failure to start is shown in a message box that
// names the file and the folder, and the program exits with status 1.
// SIGTERM and SIGINT end it like closing the window: the settings and the
// best scores are written first.
#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QSocketNotifier>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#if !defined(_WIN32)
#include <csignal>
#include <unistd.h>
#endif

#include "app_dir.h"
#include "clock_random.h"
#include "program.h"
#include "program_files.h"
#include "qt_sound_output.h"

namespace {

#if !defined(_WIN32)
int signalPipe[2] = {-1, -1};

// Only writes a byte: the event loop reads it and ends the program there.
void onTerminationSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = write(signalPipe[1], &byte, 1);
}

void catchTerminationSignals() {
  if (pipe(signalPipe) != 0) return;
  struct sigaction action {};
  action.sa_handler = onTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
}
#else
// Windows ends a desktop program by closing its window, which unloads it.
void catchTerminationSignals() {}
#endif

#if !defined(_WIN32) && !defined(__APPLE__)
bool isSet(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

// Whether a window can be shown at all: an X or Wayland display, or a
// platform the user chose (QT_QPA_PLATFORM, -platform). Without one Qt
// aborts with a message that blames the installation.
bool hasGraphicalSession(int argc, char** argv) {
  if (isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM")) return true;
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) return true;
  return false;
}
#else
bool hasGraphicalSession(int, char**) { return true; }
#endif

class MessageBoxSink : public vorpex::MessageSink {
 public:
  void showMessage(const std::string& text) override {
    QMessageBox::information(nullptr, "Arcade Vorpex", QString::fromStdString(text));
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (!hasGraphicalSession(argc, argv)) {
    std::fputs("Arcade Vorpex needs a graphical session, and neither DISPLAY nor WAYLAND_DISPLAY is set.\n",
               stderr);
    return 1;
  }
  catchTerminationSignals();  // first, so that no signal can end the program unsaved
  QApplication app(argc, argv);
  using namespace vorpex;

  ClockSeededRandom random;
  QtSoundOutput soundOutput;
  DesktopOpener opener;
  MessageBoxSink messages;
  ProgramEnvironment environment;
  environment.appDir = withTrailingSeparator(QCoreApplication::applicationDirPath().toStdString());
#if !defined(_WIN32)
  environment.storePath = defaultStorePath();  // Windows: empty, the registry
#endif
  environment.random = &random;
  environment.soundOutput = &soundOutput;
  environment.opener = &opener;
  environment.messages = &messages;
  // A missing icon leaves the desktop's default one; the game runs on.
  QApplication::setWindowIcon(QIcon(QString::fromStdString(environment.appDir + files::kIcon)));
  QGuiApplication::setDesktopFileName("arcade-vorpex");
  Program program(environment);

#if !defined(_WIN32)
  if (signalPipe[0] >= 0) {
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [] {
      char byte = 0;
      [[maybe_unused]] const ssize_t got = read(signalPipe[0], &byte, 1);
      // Ends every event loop, modal ones included; the unload runs below.
      QCoreApplication::exit(0);
    });
  }
#endif

  const std::string problem = program.start();
  if (!problem.empty()) {
    QMessageBox::critical(nullptr, "Arcade Vorpex", QString::fromStdString(problem));
    return 1;
  }
  const int status = app.exec();
  program.unload();
  return status;
}
