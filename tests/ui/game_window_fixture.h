// The real main window on Qt's offscreen platform over a session of the
// fixed puzzle: clicks and keys go through the board's routing into the
// rules, and the modal windows are answered by a ModalCloser.
#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "board_controller.h"
#include "memory_files.h"
#include "modal_closer.h"
#include "name_dialog.h"
#include "puzzle_fixture.h"
#include "recording_output.h"
#include "window_view.h"

namespace vorpex::testing {

class FakeCommands : public ProgramCommands {
 public:
  void openHelp() override { ++helps; }
  void openOptions() override { ++options; }
  void saveAndExit() override { ++saves; }
  void shareDailyResult() override { ++shares; }
  int helps = 0, options = 0, saves = 0, shares = 0;
};

// Types `name` into a name dialog and accepts every modal window.
inline void answerWithName(QWidget& modal, const QString& name) {
  if (auto* names = dynamic_cast<NameDialog*>(&modal)) names->nameEdit().setText(name);
  if (auto* dialog = dynamic_cast<QDialog*>(&modal)) dialog->accept();
}

inline QPoint centre(const ScreenBox& box) { return {box.x + box.w / 2, box.y + box.h / 2}; }

// Every draw in the middle of its range: a shuffle that is not the identity.
class HalfwayFractions : public RandomSource {
 public:
  double nextFraction() override { return 0.5; }
};

class GameWindowTest : public ::testing::Test {
 protected:
  GameWindowTest() {
    files.files["/app/VORPEX.DEFS"] =
        "# two words\n"
        "tan\t|v|get a tan, from wind or sun\t|n|a light brown\n"
        "ten\t|n|the cardinal number that is the sum of nine and one\n";
    for (int level = 1; level <= MAX_LEVEL; ++level) state.levelLength(static_cast<size_t>(level)) = level + 4;
    state.solvingData.levelOption = 1;
    state.solvingData.timeOption = 2;
    view.onCountdownTick = [this] { session.countdownTick(); };
    window.show();
    window.resizeWindow();
    window.mainMenu(true);
  }

  void click(QPoint point, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(&window.boardWidget(), button, {}, point);
  }
  void clickPanel(int b) { click(centre(window.boxes().panel(static_cast<size_t>(b)))); }
  void clickTile(char letter, Qt::MouseButton button = Qt::LeftButton) {
    const int tile = tileOf(state, letter);
    ASSERT_GT(tile, 0) << letter;
    click(centre(window.boxes().tiles(static_cast<size_t>(tile))), button);
  }
  void spell(const std::string& word) {
    for (const char c : word) clickTile(c);
  }
  void key(Qt::Key k) { QTest::keyClick(&window, k); }
  int refreshes() { return window.board().refreshCount(); }

  GameState state;
  DrawingKit kit{std::string(VORPEX_APP_DIR) + "/ALLPICDATA.BMP"};
  MainWindow window{state, kit};
  RecordingOutput output;
  Sounds sounds{state, output};
  MemoryFiles files;
  WordMeanings meanings{files, "/app/VORPEX.DEFS"};
  WindowView view{window, state, sounds, meanings};
  FixedPuzzles puzzles{state};
  GameSession session{state, view, puzzles};
  FakeCommands commands;
  HalfwayFractions random;
  BoardController controller{window, state, session, view, commands, random};
};

}  // namespace vorpex::testing
