// The board's input during a game: every click on the board routed in the
// order the rules give (message line, list arrows, side panel, statistics
// header, progress area or results view, tiles), the mouse release, the
// keyboard, the pointer in the results view, the side panel's commands and
// the list arrows' accelerating auto-repeat.
#pragma once

#include <QTimer>

#include "game_session.h"
#include "main_window.h"

namespace vorpex {

// Side-panel commands that reach beyond the game in play.
class ProgramCommands {
 public:
  virtual ~ProgramCommands() = default;
  virtual void openHelp() = 0;     // "Instructions"
  virtual void openOptions() = 0;  // "Options", modal
  virtual void saveAndExit() = 0;  // "Save and Exit": saves, then the program ends
  // "Share" in a puzzle of the day's results: its result to the clipboard.
  virtual void shareDailyResult() = 0;
};

class BoardController {
 public:
  // Connects itself to the window's board, keyboard, pause notice and
  // minimise hooks. `random` deals the rack when the player shuffles it.
  BoardController(MainWindow& window, GameState& state, GameSession& session, GameView& view,
                  ProgramCommands& commands, RandomSource& random);

  void boardPressed(int button, double x, double y);
  void boardReleased();
  // A key typed on the board, handed to the rules (GameSession::keyTyped).
  void keyTyped(int code);
  // Side-panel command b (kHallOfFameCommand .. kClearCommand).
  void panelCommand(int b);
  // The pointer over the results: the word under it, if any, is spelled.
  void resultsPointerMoved(double x, double y);
  // One step of a held list arrow's auto-repeat.
  void repeatScroll();
  // A key on the board before the rules see it: the keyboard's focus moves
  // and chooses (Space while its mark shows), Enter in the results goes
  // back to the menu as the back button does. True when it was taken.
  bool boardKey(const QKeyEvent& event);

  // Which list arrow is held down.
  enum class HeldArrow { none = 0, up = 1, down = 2 };
  HeldArrow heldArrow() const { return held_; }
  QTimer& repeatTimer() { return repeatTimer_; }

 private:
  // The pointer slid off a lit arrow: a running repeat stops until the
  // next press.
  void leftArrow();

  MainWindow& window_;
  GameState& state_;
  GameSession& session_;
  GameView& view_;
  ProgramCommands& commands_;
  RandomSource& random_;
  HeldArrow held_ = HeldArrow::none;
  QTimer repeatTimer_;
};

}  // namespace vorpex
