#include "puzzle_bridge.h"

#include <stdexcept>
#include <string>
#include <utility>

#include "code_page.h"
#include "program_files.h"
#include "rounding.h"
#include "translations.h"

namespace vorpex {

int32_t targetScoreFor(int32_t totalPoints) { return roundHalfEven(totalPoints * 0.8); }

int32_t drawPuzzleNumber(RandomSource& random) { return roundHalfEven(random.nextFraction() * 10000); }

namespace {
constexpr int32_t kPuzzleNumbers = 10001;  // 0 to 10000

// Builds puzzle `puzzleNum` into the state's lists, leaving out the words
// `hidden` names; false when no full-length word is left.
bool fillPuzzle(GameState& state, WordEngine& engine, int32_t puzzleNum, const OwnWords* hidden);
}  // namespace

void EnginePuzzleMaker::buildPuzzle(int32_t puzzleNum) {
  if (state_.wordList != loaded_ && !appDir_.empty()) {
    const std::string path = appDir_ + dictionaryFileOf(state_.wordList);
    if (engine_.loadLangDict(path.c_str()) != 1) {
      // Whatever is loaded now, the next puzzle loads its list again.
      loaded_.reset();
      throw std::runtime_error(translatedMessage("The word list \"|1\" in the folder \"|2\" could not be read.",
                                                 {files::fileNameOf(path), files::folderOf(path)}));
    }
    loaded_ = state_.wordList;
  }
  vorpex::buildPuzzle(state_, engine_, random_, puzzleNum, takesBonusWords(state_.wordList) ? own_ : nullptr);
}

void buildPuzzle(GameState& state, WordEngine& engine, RandomSource& random, int32_t puzzleNum,
                 const OwnWords* hidden) {
  state.totalWords = 0;
  state.selCount = 0;
  if (puzzleNum != -1) {
    fillPuzzle(state, engine, puzzleNum, nullptr);
  } else {
    puzzleNum = drawPuzzleNumber(random);
    for (int32_t tries = 1; !fillPuzzle(state, engine, puzzleNum, hidden) && tries < kPuzzleNumbers; ++tries)
      puzzleNum = (puzzleNum + 1) % kPuzzleNumbers;
  }
  state.solvingData.puzzleNumber = puzzleNum;
  const auto width = static_cast<size_t>(state.boardWidth);
  const SizeList& full = state.wordsBySize.at(static_cast<size_t>(state.rackLength));
  if (full.count < 1)
    throw std::runtime_error(translatedMessage("The dictionary gave no word of |1 letters for puzzle |2.",
                                               {std::to_string(state.rackLength), std::to_string(puzzleNum)}));
  for (size_t i = 1; i <= width; ++i) state.rack(i) = static_cast<uint8_t>(full.words(1)[i - 1]);
  for (size_t i = 1; i < width; ++i)
    for (size_t j = i + 1; j <= width; ++j)
      if (state.rack(i) > state.rack(j)) std::swap(state.rack(i), state.rack(j));
  state.targetScore = targetScoreFor(state.totalPoints);
}

namespace {

bool fillPuzzle(GameState& state, WordEngine& engine, int32_t puzzleNum, const OwnWords* hidden) {
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
    int32_t kept = 0;
    for (int32_t i = 1; i <= list.count; ++i) {
      // L + 1 characters and a terminator, as the engine writes L + 1 bytes.
      std::string buffer(static_cast<size_t>(len) + 1, ' ');
      engine.llpGetWord(len, i, buffer.data());
      std::string word = letterUpper(buffer.substr(0, static_cast<size_t>(len)));
      if (hidden && hidden->neverShown(word)) continue;
      list.words(static_cast<size_t>(++kept)) = word;
      state.totalPoints += wordPoints(len);
      state.totalWords += 1;
    }
    list.count = kept;
    list.words.resize(static_cast<size_t>(kept));
  }
  engine.clearMemory();
  return state.wordsBySize.at(static_cast<size_t>(state.rackLength)).count >= 1;
}

}  // namespace

}  // namespace vorpex
