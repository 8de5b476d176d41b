// Copying a puzzle from the word engine into the game state.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "game_state.h"
#include "game_view.h"
#include "player_words.h"
#include "random_source.h"
#include "word_engine.h"

namespace vorpex {

// 80 % of `totalPoints`, rounded half to even (101 gives 81, 102 gives 82).
int32_t targetScoreFor(int32_t totalPoints);

// A fresh puzzle number, 0 to 10000: a uniform fraction times 10000,
// rounded half to even.
int32_t drawPuzzleNumber(RandomSource& random);

// Builds puzzle `puzzleNum` (or a freshly drawn one for -1) with
// state.boardWidth letters (5 to 8, set by the caller): stores the number in
// solvingData, sets rackLength, clears the selection, replaces rack and
// tileUsed, fills wordsBySize(2..rackLength) in the engine's order in upper
// case, sets totalWords, totalPoints and targetScore, sorts the rack
// ascending, and empties the engine's solution lists. Found words, scores and
// time are the callers'. Throws EngineBindingError from the binding, and
// std::runtime_error when the engine gives no full-length word (a dictionary
// that start-up's check would have refused).
//
// With `hidden` (everyday words), a fresh puzzle leaves out the words the
// player never wants shown, and when that leaves no full-length word, the
// next puzzle numbers are tried in turn. A puzzle asked for by number (a
// saved game) is rebuilt exactly as it was played.
void buildPuzzle(GameState& state, WordEngine& engine, RandomSource& random, int32_t puzzleNum,
                 const OwnWords* hidden = nullptr);

// The session's puzzles, built by the bound engine into one game state
// from the dictionary of the game's word list (state.wordList), which it
// loads when another is loaded. The engine holds one dictionary at a time;
// start-up leaves the classic one loaded.
class EnginePuzzleMaker : public PuzzleMaker {
 public:
  EnginePuzzleMaker(GameState& state, WordEngine& engine, RandomSource& random, std::string appDir = {},
                    const OwnWords* own = nullptr)
      : state_(state), engine_(engine), random_(random), appDir_(std::move(appDir)), own_(own) {}
  // Throws std::runtime_error naming the file when the list's dictionary
  // cannot be loaded (start-up found it fit, so it changed since).
  void buildPuzzle(int32_t puzzleNum) override;
  // The engine now holds `list`'s dictionary, or (none) nothing known: a
  // check of the program's loaded one.
  void loaded(std::optional<WordList> list) { loaded_ = list; }

 private:
  GameState& state_;
  WordEngine& engine_;
  RandomSource& random_;
  std::string appDir_;
  const OwnWords* own_;
  std::optional<WordList> loaded_ = WordList::classic;
};

}  // namespace vorpex
