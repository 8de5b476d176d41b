#include "game_rules.h"

#include <algorithm>
#include <limits>
#include <set>

#include "found_words.h"
#include "hints.h"
#include "rounding.h"
#include "text_resources.h"

namespace vorpex {

int32_t addPoints(int32_t total, int32_t points) {
  return points > std::numeric_limits<int32_t>::max() - total ? std::numeric_limits<int32_t>::max() : total + points;
}

int32_t countdownFor(int32_t totalPoints, int32_t timeOption) {
  return roundHalfEven(totalPoints * ((4 - timeOption) / 8.0 + 0.2) * 10 + (5 - timeOption) * 10);
}

std::string formatTime(int32_t tenths, int style) {
  if (tenths < 0) tenths = 0;
  const int32_t minutes = tenths / 600, seconds = (tenths % 600) / 10, tenth = tenths % 10;
  std::string text = std::to_string(minutes) + ":";
  if (style == 1) return text;
  text += (seconds < 10 ? "0" : "") + std::to_string(seconds);
  if (style == 2) return text;
  return text + "." + std::to_string(tenth);
}

ScoreTable& gameBestScores(GameState& state, int mode) {
  return state.bestScores[languageOf(state.wordList)][static_cast<size_t>(mode)];
}

const ScoreTable& gameBestScores(const GameState& state, int mode) {
  return state.bestScores[languageOf(state.wordList)][static_cast<size_t>(mode)];
}

int findScoreRank(const GameState& state, int table, int32_t score) {
  const ScoreTable& t = gameBestScores(state, table);
  for (int r = 1; r <= kScoreRows; ++r)
    if (t.scores(static_cast<size_t>(r)) < score) return r;
  return kScoreRows + 1;
}

void insertBestScore(GameState& state, int table, int32_t score, const std::string& name) {
  ScoreTable& t = gameBestScores(state, table);
  int row = findScoreRank(state, table, score);
  if (row > kScoreRows) row = kScoreRows;
  for (int k = kScoreRows; k > row; --k) {
    t.scores(static_cast<size_t>(k)) = t.scores(static_cast<size_t>(k - 1));
    t.names(static_cast<size_t>(k)) = t.names(static_cast<size_t>(k - 1));
  }
  t.scores(static_cast<size_t>(row)) = score;
  t.names(static_cast<size_t>(row)) = name;
}

std::string storedPlayerName(const std::string& typed) {
  if (typed.empty()) return "-";
  return typed.size() > kLongestPlayerName ? typed.substr(0, kLongestPlayerName) : typed;
}

LevelSummary levelSummary(const GameState& state) {
  const SolvingData& d = state.solvingData;
  if (state.curLevelScore < state.targetScore)
    return {formatResString(kGameOverText, {"|1", state.nWordsFound, "|2", d.curLevel, "|3", state.score}), false};
  if (d.curLevel >= MAX_LEVEL) return {formatResString(kAllLevelsText, {"|1", 4}), false};
  const bool everyWord = everyLevelWordFound(state);
  return {formatResString(kLevelPassedText, {"|1", d.curLevel, "|2", state.nWordsFound, "|3", state.totalWords, "|4",
                                state.score, "|5", everyWord ? state.curLevelScore : 0}),
          everyWord};
}

bool everyLevelWordFound(const GameState& state) {
  if (takesBonusWords(state.wordList)) return state.nWordsFound >= state.totalWords;
  return state.curLevelScore >= state.totalPoints;
}

bool foundWordsFitPuzzle(const GameState& state) {
  std::set<std::string> seen;
  int64_t points = 0;
  for (int32_t i = 1; i <= state.nWordsFound; ++i) {
    if (static_cast<size_t>(i) > state.foundWords.size()) return false;
    const std::string& word = state.foundWords(static_cast<size_t>(i));
    const auto length = static_cast<int>(word.size());
    if (length < kShortestWord || length > state.boardWidth || length >= static_cast<int>(state.wordsBySize.size())) return false;
    const SizeList& list = state.wordsBySize[static_cast<size_t>(length)];
    bool solution = false;
    for (int32_t k = 1; k <= list.count && static_cast<size_t>(k) <= list.words.size() && !solution; ++k)
      solution = list.words(static_cast<size_t>(k)) == word;
    if (!solution || !seen.insert(word).second) return false;
    points += hintedPoints(length, hintStepsFor(state, word));
  }
  // Bonus words: spelled from the rack, none a solution or found twice.
  std::string rack(state.rack.begin(), state.rack.end());
  std::sort(rack.begin(), rack.end());
  for (const std::string& word : state.bonusWords) {
    const auto length = static_cast<int>(word.size());
    if (length < kShortestWord || length > state.boardWidth || length >= static_cast<int>(state.wordsBySize.size())) return false;
    std::string letters = word;
    std::sort(letters.begin(), letters.end());
    const SizeList& list = state.wordsBySize[static_cast<size_t>(length)];
    for (int32_t k = 1; k <= list.count && static_cast<size_t>(k) <= list.words.size(); ++k)
      if (list.words(static_cast<size_t>(k)) == word) return false;
    if (!std::includes(rack.begin(), rack.end(), letters.begin(), letters.end()) || !seen.insert(word).second) return false;
    points += wordPoints(length);
  }
  return points == state.curLevelScore;
}

void collectAllWords(GameState& state) {
  state.allWords.clear();
  for (int len = 2; len <= state.boardWidth && len < static_cast<int>(state.wordsBySize.size()); ++len) {
    const SizeList& list = state.wordsBySize[static_cast<size_t>(len)];
    for (int32_t i = 1; i <= list.count && static_cast<size_t>(i) <= list.words.size(); ++i) {
      state.allWords.resize(state.allWords.size() + 1);
      state.allWords(state.allWords.size()) = list.words(static_cast<size_t>(i));
    }
  }
  // The engine lists words by code-page byte, which is English's order; another
  // language's results read in its own, as its found words do.
  const Language language = languageOf(state.wordList);
  if (language != Language::english) {
    std::stable_sort(
        state.allWords.begin(), state.allWords.end(),
        [language](const std::string& a, const std::string& b) { return compareWords(a, b, language) < 0; });
  }
}

}  // namespace vorpex
