// Arcade Vorpex: start-up. Binds the word engine, checks the dictionary,
// reads the settings, prepares sounds and pictures, and opens the main window
// on the main menu. A failure to start is shown in a message box that names
// the file and the folder, and the program exits with status 1.
#include <QApplication>
#include <QMessageBox>

#include "app_dir.h"
#include "board_controller.h"
#include "board_layout.h"
#include "clock_random.h"
#include "dictionary_check.h"
#include "drawing_kit.h"
#include "engine_binding.h"
#include "game_session.h"
#include "game_state.h"
#include "help.h"
#include "main_window.h"
#include "program_files.h"
#include "puzzle_bridge.h"
#include "qt_sound_output.h"
#include "reg_file_store.h"
#include "saved_game.h"
#include "settings_store.h"
#include "sounds.h"
#include "window_view.h"

namespace {

class MessageBoxSink : public vorpex::MessageSink {
 public:
  void showMessage(const std::string& text) override {
    QMessageBox::information(nullptr, "Arcade Vorpex", QString::fromStdString(text));
  }
};

int failStart(const QString& message) {
  QMessageBox::critical(nullptr, "Arcade Vorpex", message);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  using namespace vorpex;

  ClockSeededRandom random;
  GameState state;
  const std::string appDir = withTrailingSeparator(QCoreApplication::applicationDirPath().toStdString());

  EngineBinding engine(appDir + files::kEngineLibrary);
  try {
    const std::string problem = loadAndCheckDictionary(engine, appDir + files::kDictionary);
    if (!problem.empty()) return failStart(QString::fromStdString(problem));
  } catch (const EngineBindingError& error) {
    return failStart(QString::fromStdString(error.what()));
  }

  for (int16_t level = 1; level <= MAX_LEVEL; ++level) state.levelLength(static_cast<size_t>(level)) = level + 4;
  LocalFileSystem files;
  RegFileStore store(defaultStorePath(), files);
  MessageBoxSink messages;
  loadSettings(state, store, messages);
  // A size index the level table does not hold starts at the first level's width.
  if (state.solvingData.sizeIndex < 0 || state.solvingData.sizeIndex >= MAX_LEVEL) state.solvingData.sizeIndex = 0;
  state.boardWidth = state.levelLength(static_cast<size_t>(state.solvingData.sizeIndex) + 1);

  QtSoundOutput soundOutput;
  Sounds sounds(state, soundOutput);
  sounds.initSoundFiles(appDir);
  const DrawingKit kit(appDir + files::kSpriteSheet);

  MainWindow window(state, kit);
  window.boxes().stats(1).state = state.solvingData.statsView;
  window.show();
  window.resizeWindow();
  window.mainMenu(true);

  DesktopOpener opener;
  WindowView view(window, state, sounds);
  EnginePuzzleMaker puzzles(state, engine, random);
  GameSession session(state, view, puzzles);
  view.onCountdownTick = [&] { session.countdownTick(); };

  struct Commands : ProgramCommands {
    std::function<void()> help, options, saveAndExit_;
    void openHelp() override { help(); }
    void openOptions() override { options(); }
    void saveAndExit() override { saveAndExit_(); }
  } commands;
  commands.help = [&] { openHelp(opener, appDir); };
  commands.options = [] {};
  commands.saveAndExit_ = [&] {
    saveGame(state, store, messages);
    session.enteredSaveAndExit();
    window.close();
  };
  BoardController controller(window, state, session, view, commands);

  window.menuWidget().onMouseDown = [&](int, double x, double y) {
    for (int b = 1; b <= 7; ++b) {
      if (!isInBox(window.menuBoxes().buttons(static_cast<size_t>(b)), static_cast<float>(x), static_cast<float>(y)))
        continue;
      if (b == 1 || b == 2) {
        window.mainMenu(false);
        session.newGame(static_cast<int16_t>(b));
      } else if (b == 6) {
        openHelp(opener, appDir);
      } else if (b == 7) {
        window.close();
      }
    }
  };

  const int status = app.exec();
  session.unload();
  saveSettings(state, store, messages);
  return status;
}
