#include "puzzle_bridge.h"

#include <stdexcept>
#include <string>
#include <utility>

#include "ascii_case.h"
#include "rounding.h"

namespace vorpex {

int32_t targetScoreFor(int32_t totalPoints) { return roundHalfEven(totalPoints * 0.8); }

int32_t drawPuzzleNumber(RandomSource& random) { return roundHalfEven(random.nextFraction() * 10000); }

void buildPuzzle(GameState& state, WordEngine& engine, RandomSource& random, int32_t puzzleNum) {
  state.totalWords = 0;
  state.selCount = 0;
  if (puzzleNum == -1) puzzleNum = drawPuzzleNumber(random);
  state.solvingData.puzzleNumber = puzzleNum;
  state.rackLength = state.boardWidth;
  const auto width = static_cast<size_t>(state.boardWidth);
  state.rack.assign(width, 0);
  state.tileUsed.assign(width, 0);

  engine.makeLLPuzzleA(state.rackLength, puzzleNum, -1);
  state.totalWords = 0;
  state.totalPoints = 0;
  for (int16_t len = 2; len <= state.rackLength; ++len) {
    SizeList& list = state.wordsBySize.at(static_cast<size_t>(len));
    list.size = len;
    list.count = engine.llpGetNumWordsInSize(len);
    if (list.count <= 0) {
      list.count = 0;
      list.words.clear();
      continue;
    }
    list.words.assign(static_cast<size_t>(list.count), std::string());
    for (int32_t i = 1; i <= list.count; ++i) {
      // L + 1 characters and a terminator, as the engine writes L + 1 bytes.
      std::string buffer(static_cast<size_t>(len) + 1, ' ');
      engine.llpGetWord(len, i, buffer.data());
      std::string word = buffer.substr(0, static_cast<size_t>(len));
      list.words(static_cast<size_t>(i)) = asciiUpper(word);
      state.totalPoints += wordPoints(len);
      state.totalWords += 1;
    }
  }
  engine.clearMemory();

  const SizeList& full = state.wordsBySize.at(static_cast<size_t>(state.rackLength));
  if (full.count < 1)
    throw std::runtime_error("The dictionary gave no word of " + std::to_string(state.rackLength) +
                             " letters for puzzle " + std::to_string(puzzleNum) + ".");
  for (size_t i = 1; i <= width; ++i) state.rack(i) = static_cast<uint8_t>(full.words(1)[i - 1]);
  for (size_t i = 1; i < width; ++i)
    for (size_t j = i + 1; j <= width; ++j)
      if (state.rack(i) > state.rack(j)) std::swap(state.rack(i), state.rack(j));
  state.targetScore = targetScoreFor(state.totalPoints);
}

}  // namespace vorpex
