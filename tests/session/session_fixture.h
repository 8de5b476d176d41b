// A game session over the fixed puzzle (puzzle_fixture.h) with a recording
// view, and the moves a player makes, for the rules tests.
//
// The fixed puzzle's points: level 1 (5 letters) 59 in all, target 47;
// level 2 adds a 6-letter word (80, target 64); level 3 a 7-letter one (87,
// target 70); level 4 an 8-letter one (95, target 76).
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game_rules.h"
#include "game_session.h"
#include "recording_view.h"

namespace vorpex::testing {

class SessionTest : public ::testing::Test {
 protected:
  SessionTest() {
    for (int16_t level = 1; level <= 4; ++level) state.levelLength(static_cast<size_t>(level)) = level + 4;
    state.solvingData.levelOption = 1;
    state.solvingData.timeOption = 1;
    // The rules of the classic game; everyday words have tests of their own.
    state.preferences.words = WordChoice::classic;
    for (int t = 1; t <= 2; ++t)
      for (size_t r = 1; r <= 8; ++r)
        state.bestScores[Language::english][static_cast<size_t>(t)].names(r) = "Anononymous";
    view.game = &state;
  }
  void spell(const std::string& word) {
    for (char c : word) session.tileClicked(tileOf(state, c), BUTTON_LEFT);
  }
  void enter(const std::string& word) {
    spell(word);
    session.enterClicked();
  }
  // Every word of a level but its rack word when that is longer than 5.
  void findEveryWord() {
    for (const char* w : {"ANT", "TAN", "TEN", "NET", "NEST", "ANTS", "NEATS"}) enter(w);
  }
  // The rack word of the level in play, spelled in rack order.
  std::string rackWord() const { return std::string(state.rack.begin(), state.rack.end()); }
  // Fills both tables with rows of `score`, which a game must beat to enter.
  void fillTables(int32_t score) {
    for (size_t t = 1; t <= 2; ++t)
      for (size_t r = 1; r <= 8; ++r) state.bestScores[Language::english][t].scores(r) = score;
  }
  // Where the player is: "level N" in play, "results", or "menu" when the
  // menu was the last thing shown.
  std::string where() const {
    if (state.gameActive) return "level " + std::to_string(state.solvingData.curLevel);
    const bool menuLast = !view.events.empty() && view.events.back() == "menu";
    if (menuLast) return "menu";
    return state.showingResults ? "results" : "nowhere";
  }
  static int rowsNamed(const ScoreTable& table, const std::string& name) {
    int rows = 0;
    for (size_t r = 1; r <= 8; ++r) rows += table.names(r) == name ? 1 : 0;
    return rows;
  }

  GameState state;
  RecordingView view;
  FixedPuzzles puzzles{state};
  GameSession session{state, view, puzzles};
};

}  // namespace vorpex::testing
