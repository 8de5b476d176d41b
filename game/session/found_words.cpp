#include "found_words.h"

#include <cstring>
#include <utility>

#include "code_page.h"

namespace vorpex {

namespace {

// A letter's place in the language's alphabet; any other byte after them
// all, in code-page order, so that the order stays total.
int letterRank(const char* alphabet, char letter) {
  const char lower = letterLower(letter);
  if (const char* at = std::strchr(alphabet, lower); at && lower != '\0') return static_cast<int>(at - alphabet);
  return 256 + static_cast<unsigned char>(letterUpper(letter));
}

}  // namespace

int32_t compareWords(const std::string& a, const std::string& b, Language language) {
  if (a.size() != b.size()) return static_cast<int32_t>(a.size()) - static_cast<int32_t>(b.size());
  const char* alphabet = factsOf(language).alphabet;
  for (size_t i = 0; i < a.size(); ++i) {
    const int ra = letterRank(alphabet, a[i]), rb = letterRank(alphabet, b[i]);
    if (ra != rb) return ra < rb ? -1 : 1;
  }
  return 0;
}

int32_t findFoundWord(const GameState& state, const std::string& word) {
  for (int32_t i = 1; i <= state.nWordsFound; ++i)
    if (state.foundWords(static_cast<size_t>(i)) == word) return i;
  return -1;
}

int32_t addFoundWord(GameState& state, const std::string& word) {
  if (findFoundWord(state, word) != -1) return findFoundWord(state, word);
  state.nWordsFound += 1;
  state.foundWords.resize(static_cast<size_t>(state.nWordsFound));
  state.foundWords(static_cast<size_t>(state.nWordsFound)) = word;
  // An exchange sort over the whole list; a level holds a few hundred words at most.
  auto& words = state.foundWords;
  for (size_t i = 1; i < static_cast<size_t>(state.nWordsFound); ++i)
    for (size_t j = i + 1; j <= static_cast<size_t>(state.nWordsFound); ++j)
      if (compareWords(words(i), words(j), languageOf(state.wordList)) > 0) std::swap(words(i), words(j));
  return findFoundWord(state, word);
}

int32_t countWordsOfLength(const OneBased<std::string>& words, int32_t n, int length) {
  int32_t count = 0;
  for (int32_t i = 1; i <= n && static_cast<size_t>(i) <= words.size(); ++i)
    if (words(static_cast<size_t>(i)).size() == static_cast<size_t>(length)) ++count;
  return count;
}

}  // namespace vorpex
