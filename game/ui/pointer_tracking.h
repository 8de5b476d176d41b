// The pointer over the board and over the main menu: what lights and goes
// out as it moves (the list arrows, the side panel's commands, the advance
// button, the results' back button, the menu's buttons), each change drawn and refreshed on its own,
// and a move that changes nothing drawing nothing. Moves that mean
// something to the game beyond a lit button are handed on.
#pragma once

#include <functional>

#include "board_painter.h"
#include "menu_painter.h"

namespace vorpex {

class PointerTracking {
 public:
  PointerTracking(BoardBoxes& boxes, MenuBoxes& menuBoxes, BoardPainter& board, MenuPainter& menu,
                  const GameState& state);

  // The pointer at (x, y) in the board's or the menu's logical pixels.
  void boardMoved(double x, double y);
  void menuMoved(double x, double y);

  // The pointer left a lit list arrow (a running auto-repeat stops).
  std::function<void()> onLeftArrow;
  // Moves while the results are shown.
  std::function<void(double x, double y)> onResultsMove;
  // Moves over the board while a game is in play.
  std::function<void(double x, double y)> onPlayMove;

 private:
  // One list arrow: lit on entering, out on leaving.
  void trackArrow(bool up, bool over);

  BoardBoxes& boxes_;
  MenuBoxes& menuBoxes_;
  BoardPainter& board_;
  MenuPainter& menu_;
  const GameState& state_;
};

}  // namespace vorpex
