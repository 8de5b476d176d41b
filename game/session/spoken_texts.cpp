#include "spoken_texts.h"

#include <algorithm>

#include "code_page.h"
#include "found_words.h"
#include "game_rules.h"
#include "text_resources.h"

namespace vorpex {

std::string tileName(const GameState& state, int tile) {
  if (tile < 1 || static_cast<size_t>(tile) > state.rack.size()) return "Tile";
  return std::string("Tile ") + static_cast<char>(state.rack(static_cast<size_t>(tile)));
}

std::string answerSlotsName(const GameState& state) {
  std::string word;
  for (int k = 1; k <= state.selCount && static_cast<size_t>(k) <= state.selOrder.size(); ++k) {
    const auto tile = static_cast<size_t>(state.selOrder(static_cast<size_t>(k)));
    if (tile >= 1 && tile <= state.rack.size()) word += static_cast<char>(state.rack(tile));
  }
  return "Word: " + (word.empty() ? std::string("empty") : word);
}

std::string progressName(const GameState& state) {
  return "Level progress: " + std::to_string(state.curLevelScore) + " of " + std::to_string(state.targetScore);
}

std::string resultsWordName(const GameState& state, const std::string& word) {
  return word + (findFoundWord(state, word) > 0 ? ", found" : ", missed");
}

std::string wordAcceptedText(const std::string& word, int32_t points, int32_t score) {
  return word + ", " + formatResString(kPointsText, {"|1", points}) + ". Score " + std::to_string(score);
}

std::string bonusWordText(const std::string& word, int32_t points, int32_t score) {
  return word + ": bonus word, " + std::to_string(points) + " points. Score " + std::to_string(score);
}

std::string bonusWordsName(const GameState& state) {
  std::string words;
  for (const std::string& word : state.bonusWords) words += (words.empty() ? " " : ", ") + word;
  return loadText(kBonusWordsText) + (words.empty() ? " none" : words);
}

std::string wordRefusedText(const std::string& word, const std::string& reason) { return word + ": " + reason; }

std::string tooShortText() {
  return "Too short: a word has at least " + std::to_string(kShortestWord) + " letters";
}

std::string letterNotTakenText(const GameState& state, char letter) {
  if (state.selCount >= state.boardWidth) return "The word is as long as the rack";
  return std::string("No free ") + letterUpper(letter) + " on the rack";
}

std::string listShownText(const GameState& state, int32_t count) {
  const int32_t last = std::min<int32_t>(count, state.listTop + kVisibleListRows - 1);
  return "Words " + std::to_string(state.listTop) + " to " + std::to_string(last) + " of " + std::to_string(count);
}

std::string advanceOfferedText() {
  return std::string("Level target reached: ") + kAdvanceCaptionAfterWord + " is offered";
}

std::string minimizedText(bool paused) {
  return std::string(paused ? "Paused and minimised" : "Minimised") +
         ". Switch back to Arcade Vorpex with Alt+Tab" + (paused ? ", then press Space to go on playing" : "");
}

std::string secondsLeftText(int seconds) { return std::to_string(seconds) + " seconds left"; }

std::string gameStatusText(const GameState& state) {
  std::string text = "Level " + std::to_string(state.solvingData.curLevel) + ". Score " + std::to_string(state.score) + ".";
  if (state.solvingData.gameMode == MODE_TIMED) text += " Time left " + formatTime(state.timeRem, 2) + ".";
  int32_t left = 0;
  std::string perLength;
  for (int letters = 3; letters <= state.rackLength && letters < static_cast<int>(state.wordsBySize.size()); ++letters) {
    const int32_t total = state.wordsBySize[static_cast<size_t>(letters)].count;
    if (total == 0) continue;
    const int32_t remaining = std::max<int32_t>(0, total - countWordsOfLength(state.foundWords, state.nWordsFound, letters));
    left += remaining;
    perLength += " " + std::to_string(letters) + " letters: " + std::to_string(remaining) + " left of " +
                 std::to_string(total) + ".";
  }
  return text + " " + std::to_string(left) + (left == 1 ? " word" : " words") + " left." + perLength;
}

}  // namespace vorpex
