// A main window on Qt's offscreen platform showing the board of a
// six-letter rack (AENSTT) with nothing picked, laid out and drawn.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "main_window.h"

namespace vorpex::testing {

inline const std::string kSpriteSheet = std::string(VORPEX_APP_DIR) + "/ALLPICDATA.BMP";

class BoardShownTest : public ::testing::Test {
 protected:
  BoardShownTest() {
    state.boardWidth = state.rackLength = 6;
    state.rack = {'A', 'E', 'N', 'S', 'T', 'T'};
    state.tileUsed.assign(6, 0);
    state.targetScore = 50;
    window.show();
    window.resizeWindow();
    window.mainMenu(false);
    window.painter().layOut();
    window.painter().drawBoard();
  }

  GameState state;
  DrawingKit kit{kSpriteSheet};
  MainWindow window{state, kit};
};

}  // namespace vorpex::testing
