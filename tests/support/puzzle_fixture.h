// A fixed puzzle for any rack length 5 to 8: the rack is the first letters of
// "AENSTRIL", sorted; the words are ANT, TAN, TEN, NET (3), NEST, ANTS (4),
// NEATS (5), and for longer racks the rack itself as one full-length word.
// Shared by the rules tests and the window tests.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "game_state.h"
#include "game_view.h"
#include "rounding.h"

namespace vorpex::testing {

inline void fillPuzzle(GameState& state, int width) {
  std::string letters = std::string("AENSTRIL").substr(0, static_cast<size_t>(width));
  std::sort(letters.begin(), letters.end());
  state.rackLength = static_cast<int16_t>(width);
  state.boardWidth = static_cast<int16_t>(width);
  state.rack = OneBased<uint8_t>(letters.size());
  std::copy(letters.begin(), letters.end(), state.rack.begin());
  state.tileUsed.assign(letters.size(), 0);
  state.selCount = 0;
  std::vector<std::vector<std::string>> words(11);
  words[3] = {"ANT", "TAN", "TEN", "NET"};
  words[4] = {"NEST", "ANTS"};
  words[5] = {"NEATS"};
  if (width > 5) words[static_cast<size_t>(width)].push_back(letters);
  state.totalWords = state.totalPoints = 0;
  for (int len = 2; len <= width; ++len) {
    SizeList& list = state.wordsBySize[static_cast<size_t>(len)];
    list.size = len;
    list.count = static_cast<int32_t>(words[static_cast<size_t>(len)].size());
    list.words = OneBased<std::string>(words[static_cast<size_t>(len)].size());
    std::copy(words[static_cast<size_t>(len)].begin(), words[static_cast<size_t>(len)].end(), list.words.begin());
    state.totalWords += list.count;
    state.totalPoints += list.count * wordPoints(len);
  }
  state.targetScore = roundHalfEven(state.totalPoints * 0.8);
}

// The tile that shows `letter` and is not yet picked.
inline int tileOf(const GameState& state, char letter) {
  for (size_t i = 1; i <= state.rack.size(); ++i)
    if (state.rack(i) == static_cast<uint8_t>(letter) && state.tileUsed(i) == 0) return static_cast<int>(i);
  return 0;
}

// Builds the fixed puzzle for the board width the caller set.
class FixedPuzzles : public PuzzleMaker {
 public:
  explicit FixedPuzzles(GameState& state) : state_(state) {}
  void buildPuzzle(int32_t number) override {
    ++built;
    lastNumber = number;
    numbers.push_back(number);
    fillPuzzle(state_, state_.boardWidth);
  }
  int built = 0;
  int32_t lastNumber = 0;  // -1 asks for a new puzzle, as every level start does
  std::vector<int32_t> numbers;  // every number asked for, in order

 private:
  GameState& state_;
};

}  // namespace vorpex::testing
