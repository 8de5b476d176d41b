// Small rules of play that need no view: time, the count-down's length, the
// best-score tables, the level summary's text, the results' word list.
#pragma once

#include <cstdint>
#include <string>

#include "game_state.h"

namespace vorpex {

// `total` + `points` (both at least 0), held at the largest score rather
// than wrapping to a negative one.
int32_t addPoints(int32_t total, int32_t points);

// Tenths of a second for a timed level:
// round(totalPoints * ((4 - timeOption) / 8 + 0.2) * 10 + (5 - timeOption) * 10).
int32_t countdownFor(int32_t totalPoints, int32_t timeOption);

// m:ss.d for style 3, m:ss for style 2, m: for style 1.
std::string formatTime(int32_t tenths, int style);

// The first row 1..8 whose score is below `score`, or 9.
// The best scores of `mode` (1 Classic Arcade, 2 Timed Arcade) in the Hall
// of Fame of the game in play's language (its word list's).
ScoreTable& gameBestScores(GameState& state, int mode);
const ScoreTable& gameBestScores(const GameState& state, int mode);

int findScoreRank(const GameState& state, int table, int32_t score);
// Inserts at the first row below `score` (row 8 when none); equal scores
// keep the older first; row 8 drops out.
void insertBestScore(GameState& state, int table, int32_t score, const std::string& name);
// A typed name as stored: cut to 19 characters, "-" when empty.
std::string storedPlayerName(const std::string& typed);
// The most characters of a name the Hall of Fame keeps.
constexpr size_t kLongestPlayerName = 19;

// The level summary's text for the state as the dialog opens, and whether it
// adds the all-words bonus.
struct LevelSummary {
  std::string text;
  bool addsAllWordsBonus = false;
};
LevelSummary levelSummary(const GameState& state);

// Whether the level's every word is found: by their count with everyday
// words (bonus words add points of their own), by the points with Classic
// words, as that game always reckoned it.
bool everyLevelWordFound(const GameState& state);

// Whether a resumed game's found words fit its rebuilt puzzle: each a
// solution of the rack, each bonus word spelled from the rack and no
// solution, none twice, and the level score the points of both.
bool foundWordsFitPuzzle(const GameState& state);

// allWords: the solution words of lengths 2 to boardWidth in their order.
void collectAllWords(GameState& state);

}  // namespace vorpex
