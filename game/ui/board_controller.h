// The board's input during a game: every click on pbGrid routed in the
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
};

class BoardController {
 public:
  // Connects itself to the window's board, keyboard, pause notice and
  // minimise hooks. `random` deals the rack when the player shuffles it.
  BoardController(MainWindow& window, GameState& state, GameSession& session, GameView& view,
                  ProgramCommands& commands, RandomSource& random);

  void pbGrid_MouseDown(int button, double x, double y);
  void pbGrid_MouseUp();
  // A key typed on the board. With "Type letters" on, letters, Backspace,
  // Delete and Space are typing (see GameSession); every other key, and
  // every key with it off, goes to the rules of play as before.
  void Form_KeyPress(int code);
  // Side-panel command b (10..18).
  void rightPanEvents(int b);
  void processShowingResMove(double x, double y);
  void navigateTimer_Timer();

  // 0 no arrow held, 1 the up arrow, 2 the down arrow.
  int navDir() const { return navDir_; }
  QTimer& navigateTimer() { return navigateTimer_; }

 private:
  // The pointer slid off a lit arrow: a running repeat stops until the
  // next press.
  void leftArrow();
  // True when `code` is a typing key, acted on or (outside play) dropped.
  bool typedKey(int code);

  MainWindow& window_;
  GameState& state_;
  GameSession& session_;
  GameView& view_;
  ProgramCommands& commands_;
  RandomSource& random_;
  int navDir_ = 0;
  QTimer navigateTimer_;
};

}  // namespace vorpex
