// Where a finished game is told: the history of games, and for the puzzle
// of the day its kept result. Behind an interface so that tests record.
#pragma once

#include "game_state.h"

namespace vorpex {

class GameRecorder {
 public:
  virtual ~GameRecorder() = default;
  // Once per game, when it is over for good (the menu after it, the window
  // closing on it); never for a game saved to go on later, which is told
  // when it ends after it is resumed.
  virtual void gameFinished(const GameState& state) = 0;
};

}  // namespace vorpex
