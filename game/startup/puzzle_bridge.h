// Copying a puzzle from the word engine into the game state.
#pragma once

#include <cstdint>

#include "game_state.h"
#include "game_view.h"
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
void buildPuzzle(GameState& state, WordEngine& engine, RandomSource& random, int32_t puzzleNum);

// The session's puzzles, built by the bound engine into one game state.
class EnginePuzzleMaker : public PuzzleMaker {
 public:
  EnginePuzzleMaker(GameState& state, WordEngine& engine, RandomSource& random)
      : state_(state), engine_(engine), random_(random) {}
  void buildPuzzle(int32_t puzzleNum) override { vorpex::buildPuzzle(state_, engine_, random_, puzzleNum); }

 private:
  GameState& state_;
  WordEngine& engine_;
  RandomSource& random_;
};

}  // namespace vorpex
