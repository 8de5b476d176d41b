#include "hints.h"

#include <algorithm>

#include "code_page.h"
#include "found_words.h"
#include "text_resources.h"
#include "translations.h"

namespace vorpex {

bool hintsOffered(const GameState& state) { return takesBonusWords(state.wordList); }

BoardExtra boardExtra(const GameState& state) {
  if (state.showingResults) return state.dailyDay != 0 ? BoardExtra::share : BoardExtra::none;
  return hintsOffered(state) ? BoardExtra::hint : BoardExtra::none;
}

int32_t hintStepsFor(const GameState& state, const std::string& word) {
  for (const HintedWord& hinted : state.hintedWords)
    if (hinted.word == word) return hinted.steps;
  return 0;
}

namespace {
bool found(const GameState& state, const std::string& word) {
  const auto end =
      state.foundWords.begin() + std::min<int32_t>(state.nWordsFound, static_cast<int32_t>(state.foundWords.size()));
  return std::find(state.foundWords.begin(), end, word) != end;
}
}  // namespace

std::string nextHintWord(const GameState& state) {
  if (!state.hintedWords.empty() && !found(state, state.hintedWords.back().word)) return state.hintedWords.back().word;
  for (int length = kShortestWord; length <= state.rackLength; ++length) {
    const SizeList& list = state.wordsBySize[static_cast<size_t>(length)];
    for (int32_t i = 1; i <= list.count && static_cast<size_t>(i) <= list.words.size(); ++i)
      if (!found(state, list.words(static_cast<size_t>(i)))) return list.words(static_cast<size_t>(i));
  }
  return {};
}

std::string lengthAndFirstHintText(const std::string& word) {
  return translatedWith("Hint: a word of |1 letters, starting with |2",
                        {"|1", static_cast<int32_t>(word.size()), "|2", word.substr(0, 1)});
}

std::string meaningHintText(const std::string& gloss) {
  return translatedWith("Hint: it means |1", {"|1", codePageFromUtf8(gloss).value_or(gloss)});
}

std::string lettersHintText() { return translated("Hint: the word is in the slots; press Enter"); }

}  // namespace vorpex
