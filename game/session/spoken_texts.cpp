#include "spoken_texts.h"

#include <algorithm>

#include "code_page.h"
#include "found_words.h"
#include "game_rules.h"
#include "text_resources.h"
#include "translations.h"

namespace vorpex {

std::string tileName(const GameState& state, int tile) {
  if (tile < 1 || static_cast<size_t>(tile) > state.rack.size()) return translated("Tile");
  return translatedWith("Tile |1", {"|1", std::string(1, static_cast<char>(state.rack(static_cast<size_t>(tile))))});
}

std::string answerSlotsName(const GameState& state) {
  std::string word;
  for (int k = 1; k <= state.selCount && static_cast<size_t>(k) <= state.selOrder.size(); ++k) {
    const auto tile = static_cast<size_t>(state.selOrder(static_cast<size_t>(k)));
    if (tile >= 1 && tile <= state.rack.size()) word += static_cast<char>(state.rack(tile));
  }
  return translatedWith("Word: |1", {"|1", word.empty() ? std::string(translated("empty")) : word});
}

std::string progressName(const GameState& state) {
  return translatedWith("Level progress: |1 of |2", {"|1", state.curLevelScore, "|2", state.targetScore});
}

std::string resultsWordName(const GameState& state, const std::string& word) {
  if (findFoundWord(state, word) <= 0) return translatedWith("|1, missed", {"|1", word});
  for (const HintedWord& hinted : state.hintedWords)
    if (hinted.word == word) return translatedWith("|1, found with hints", {"|1", word});
  return translatedWith("|1, found", {"|1", word});
}

std::string wordAcceptedText(const std::string& word, int32_t points, int32_t score) {
  return word + ", " + formatResString(kPointsText, {"|1", points}) + ". " + translatedWith("Score |1", {"|1", score});
}

std::string bonusWordText(const std::string& word, int32_t points, int32_t score) {
  return translatedWith("|1: bonus word, |2 points.", {"|1", word, "|2", points}) + " " +
         translatedWith("Score |1", {"|1", score});
}

std::string bonusWordsName(const GameState& state) {
  std::string words;
  for (const std::string& word : state.bonusWords) words += (words.empty() ? " " : ", ") + word;
  std::string line;
  if (!state.bonusWords.empty() || state.hintedWords.empty())
    line = loadText(kBonusWordsText) + (words.empty() ? std::string(" ") + translated("none") : words);
  if (!state.hintedWords.empty()) {
    std::string hinted;
    for (const HintedWord& word : state.hintedWords) hinted += (hinted.empty() ? "" : ", ") + word.word;
    line += (line.empty() ? "" : "   ") + translatedWith("Hinted: |1", {"|1", hinted});
  }
  return line;
}

std::string wordRefusedText(const std::string& word, const std::string& reason) { return word + ": " + reason; }

std::string tooShortText() {
  return translatedWith("Too short: a word has at least |1 letters", {"|1", kShortestWord});
}

std::string letterNotTakenText(const GameState& state, char letter) {
  if (state.selCount >= state.boardWidth) return translated("The word is as long as the rack");
  return translatedWith("No free |1 on the rack", {"|1", std::string(1, letterUpper(letter))});
}

std::string listShownText(const GameState& state, int32_t count) {
  const int32_t last = std::min<int32_t>(count, state.listTop + kVisibleListRows - 1);
  return translatedWith("Words |1 to |2 of |3", {"|1", state.listTop, "|2", last, "|3", count});
}

std::string advanceOfferedText() {
  return translatedWith("Level target reached: |1 is offered", {"|1", translated(kAdvanceCaptionAfterWord)});
}

std::string minimizedText(bool paused) {
  return paused ? translated(
                      "Paused and minimised. Switch back to Arcade Vorpex with Alt+Tab, then press Space to go "
                      "on playing")
                : translated("Minimised. Switch back to Arcade Vorpex with Alt+Tab");
}

std::string secondsLeftText(int seconds) { return translatedWith("|1 seconds left", {"|1", seconds}); }

std::string gameStatusText(const GameState& state) {
  std::string text = translatedWith("Level |1. Score |2.", {"|1", state.solvingData.curLevel, "|2", state.score});
  if (state.solvingData.gameMode == MODE_TIMED)
    text += " " + translatedWith("Time left |1.", {"|1", formatTime(state.timeRem, 2)});
  int32_t left = 0;
  std::string perLength;
  for (int letters = 3; letters <= state.rackLength && letters < static_cast<int>(state.wordsBySize.size()); ++letters) {
    const int32_t total = state.wordsBySize[static_cast<size_t>(letters)].count;
    if (total == 0) continue;
    const int32_t remaining = std::max<int32_t>(0, total - countWordsOfLength(state.foundWords, state.nWordsFound, letters));
    left += remaining;
    perLength += " " + translatedWith("|1 letters: |2 left of |3.", {"|1", letters, "|2", remaining, "|3", total});
  }
  return text + " " +
         (left == 1 ? translatedWith("|1 word left.", {"|1", left}) : translatedWith("|1 words left.", {"|1", left})) +
         perLength;
}

}  // namespace vorpex
