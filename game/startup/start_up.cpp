#include "start_up.h"

#include <QIcon>
#if defined(_WIN32)
#include <QSessionManager>
#include <windows.h>
#endif
#include <QLocale>
#include <QMessageBox>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <future>
#include <memory>
#include <string>
#include <vector>

#include "app_dir.h"
#include "clock_random.h"
#include "command_line.h"
#include "file_system.h"
#include "font_configuration.h"
#include "guarded_application.h"
#include "history_file.h"
#include "loaded_sound_output.h"
#include "own_words_file.h"
#include "program.h"
#include "program_files.h"
#include "qt_own_texts.h"
#include "session_bus_autolaunch.h"
#include "shipped_fonts.h"
#include "single_instance.h"
#include "termination_signals.h"
#include "translations.h"
#include "version.h"

namespace {

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

using vorpex::toStandardError;

class MessageBoxSink : public vorpex::MessageSink {
 public:
  void showMessage(const std::string& text) override {
    QMessageBox::information(nullptr, "Arcade Vorpex", QString::fromStdString(text));
  }
  void explain(const std::string& detail) override { toStandardError(detail); }
};

// For failures while the program ends without anyone to answer a box.
class StandardErrorSink : public vorpex::MessageSink {
 public:
  void showMessage(const std::string& text) override { toStandardError(text); }
  void explain(const std::string& detail) override { toStandardError(detail); }
};

#if defined(_WIN32)
// The program folder, by its wide name, as the current folder: there the
// engine opens the dictionary by its bare name on a volume that keeps no
// short names (engine_path.h).
void useProgramFolderAsCurrent() {
  std::wstring program(32768, L'\0');
  const DWORD length = GetModuleFileNameW(nullptr, program.data(), static_cast<DWORD>(program.size()));
  if (length == 0 || length >= program.size()) return;
  program.resize(length);
  const size_t slash = program.find_last_of(L"\\/");
  if (slash != std::wstring::npos) SetCurrentDirectoryW(program.substr(0, slash).c_str());
}

// The registry is the store on Windows; the lock and knock files that keep
// one game running live in the player's local application data instead.
std::string instanceFilesBase() {
  const QString local = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  return local.isEmpty() ? std::string() : (local + QStringLiteral("/arcade-vorpex/registry")).toStdString();
}
#endif

// Work that waits for the first frame: the icon (decoding and scaling it
// took a tenth of the time to the first window), and the sound module
// loaded, the sounds read and the audio device opened, so that the first
// click is heard at once. Done before that frame, they delayed it by a
// fifth. A game without its sound module plays on in silence.
void afterFirstFrame(const std::string& appDir, vorpex::LoadedSoundOutput& sound, vorpex::MessageSink& quiet) {
  // A missing icon leaves the desktop's default one; the game runs on.
  QApplication::setWindowIcon(QIcon(QString::fromStdString(appDir + vorpex::files::kIcon)));
  for (const char* clip : vorpex::files::kSounds) sound.prepare(appDir + clip);
  if (!sound.problem().empty()) quiet.showMessage(sound.problem());
}

}  // namespace

namespace vorpex {

void toStandardError(const std::string& text) { std::fprintf(stderr, "arcade-vorpex: %s\n", text.c_str()); }

int runGame(int argc, char** argv) {
  // 0. The game's own options answer at once, without a display.
  switch (const CommandLine line = readCommandLine(argc, argv); line.action) {
    case CommandLine::Action::help: std::fputs(gameUsage().c_str(), stdout); return 0;
    case CommandLine::Action::version: std::fputs(gameVersion().c_str(), stdout); return 0;
    case CommandLine::Action::refuse:
      toStandardError("unknown option " + line.refused);
      std::fputs(gameUsage().c_str(), stderr);
      return 2;
    case CommandLine::Action::play: break;
  }
  // 1. Before anything that may block: a signal from here on is kept until the
  // event loop runs, never the default end that drops a game.
  TerminationSignals::installHandlers();
  // 2. Before any thread starts: the one read of the mask and the one change
  // of the environment.
  fileCreationMask();
  NoSessionBusAutolaunch noBusAutolaunch;
#if defined(_WIN32)
  useProgramFolderAsCurrent();
#endif
  // 3.
  if (!hasGraphicalSession(argc, argv)) {
    toStandardError("Arcade Vorpex needs a graphical session, and neither DISPLAY nor WAYLAND_DISPLAY is set.");
    return 1;
  }
  // 4. While Qt connects to the display: the larger part of the first text's cost.
  FontConfigurationLoad fontConfiguration;
  GuardedApplication app(argc, argv);
  // What is said before the settings are read (another copy running, a
  // missing engine or dictionary, a damaged store) comes in the desktop's
  // language; the player's choice takes over once they are read.
  setTextLanguage(languageForLocale(QLocale::system().name().toStdString()));
  QtOwnTexts qtOwnTexts;
  QCoreApplication::installTranslator(&qtOwnTexts);
  Program* running = nullptr;
  // Before anything worth saving exists. A signal is acted on at the first
  // turn of an event loop; before the program exists only a message box
  // runs one, and ending it loses nothing.
  TerminationSignals terminationSignals([&running] {
    if (running) {
      running->requestTermination();
    } else {
      QCoreApplication::exit(0);
    }
  });

  ClockSeededRandom random;
  // The viewer of the instructions gets the bus address the game was given.
  std::vector<EnvironmentVariable> viewerEnvironment;
  if (noBusAutolaunch.active())
    viewerEnvironment.push_back({NoSessionBusAutolaunch::kVariable, noBusAutolaunch.givenAddress()});
  DesktopOpener opener(viewerEnvironment);
  MessageBoxSink messages;
  StandardErrorSink quietMessages;
  LocalFileSystem fileSystem;
  ProgramEnvironment environment;
  environment.appDir = withTrailingSeparator(QCoreApplication::applicationDirPath().toStdString());
  LoadedSoundOutput soundOutput(environment.appDir + files::kSoundModule);
#if !defined(_WIN32)
  environment.storePath = defaultStorePath();  // Windows: empty, the registry
#endif
  environment.random = &random;
  environment.soundOutput = &soundOutput;
  environment.opener = &opener;
  environment.messages = &messages;
  environment.quietMessages = &quietMessages;
  // 5. Decoded while the store is locked, the program made and the menu's captions drawn.
  environment.spriteSheet =
      std::async(std::launch::async, DrawingKit::readSheet, environment.appDir + files::kSpriteSheet).share();
  // The menu entry's name: on Wayland the window's app id, which finds its icon.
  QGuiApplication::setDesktopFileName(kAppId);
#if defined(_WIN32)
  useShippedFonts(environment.appDir);
  const std::string instanceBase = instanceFilesBase();
#else
  const std::string instanceBase = environment.storePath;
#endif
  // The player's own words live beside the store (on Windows beside the
  // instance files, the registry being no folder).
  if (const size_t slash = instanceBase.find_last_of("/\\"); slash != std::string::npos) {
    environment.ownWordsPath = instanceBase.substr(0, slash + 1) + kOwnWordsFile;
    environment.historyPath = instanceBase.substr(0, slash + 1) + kHistoryFile;
  }
  // 6. One game per store; a second start brings the running one forward.
  SingleInstance instance(instanceBase);
  if (!instanceBase.empty()) {
    // A signal while the running copy is asked to come forward ends this
    // start at once: nothing of it is worth keeping yet.
    switch (instance.acquire(std::chrono::seconds(3), TerminationSignals::pending)) {
      case SingleInstance::Outcome::broughtForward:
        toStandardError("Arcade Vorpex is already running; its window has been brought forward.");
        return 0;
      case SingleInstance::Outcome::interrupted:
        toStandardError("ended by a signal while the running copy was asked to come forward");
        return 0;
      case SingleInstance::Outcome::unanswered:
        toStandardError(instance.problem());
        if (TerminationSignals::pending()) return 1;
        QMessageBox::warning(
            nullptr, "Arcade Vorpex",
            QString::fromStdString(translatedMessage(
                "Arcade Vorpex seems to be running already, but it did not answer.\n\n|1", {instance.problem()})));
        return 1;
      case SingleInstance::Outcome::unguarded:
        // Played, but never written: another copy may be using the store unseen.
        environment.storeWritesRefused = instance.problem();
        break;
      case SingleInstance::Outcome::holding:
        if (!environment.storePath.empty()) removeStaleTemporaries(fileSystem, environment.storePath);
        break;
    }
  }
  // 8., handed to the program for when its first frame is on screen.
  environment.afterFirstFrame = [&environment, &soundOutput, &quietMessages] {
    afterFirstFrame(environment.appDir, soundOutput, quietMessages);
  };
  Program program(environment);
  running = &program;
  keepAtExit(&program);
  // However main returns, the program it made is gone afterwards.
  const std::unique_ptr<Program, void (*)(Program*)> forgetAtReturn(&program, [](Program*) { keepAtExit(nullptr); });
  instance.onAnotherStart = [&program] {
    MainWindow& window = program.window();
    if (window.isMinimized()) window.showNormal();
    window.raise();
    window.activateWindow();
  };

#if defined(_WIN32) && QT_CONFIG(sessionmanager)
  // Logging off: Windows asks before it ends the session, and may end the
  // process as soon as the answer is given, so the game in play and the
  // settings are kept now. The player may still cancel the log-off and
  // play on; the game quits only when the session really ends (Qt's
  // aboutToQuit, by which time everything is kept).
  QObject::connect(&app, &QGuiApplication::commitDataRequest, &app,
                   [&program](QSessionManager&) { program.keepForSessionEnd(); });
#endif

  app.onFailure = [&program](const std::string& what) {
    const std::string text = program.failInPlay(what);
    toStandardError(text);
    QMessageBox::critical(nullptr, "Arcade Vorpex", QString::fromStdString(text));
    // The event loops above this handler are in the middle of the failed
    // work; leave without returning into them.
    std::fflush(nullptr);
    std::_Exit(1);
  };

  // 7.
  std::string problem;
  try {
    problem = program.start();
  } catch (const std::exception& error) {
    problem = error.what();
  }
  if (!problem.empty()) {
    toStandardError(problem);
    QMessageBox::critical(nullptr, "Arcade Vorpex", QString::fromStdString(problem));
    return 1;
  }
  // 9.
  const int status = program.terminationRequested() ? 0 : app.exec();
  program.unload();
  return status;
}

}  // namespace vorpex
