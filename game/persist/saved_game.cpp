#include "saved_game.h"

#include "code_page.h"

#include <optional>
#include <string>
#include <vector>

#include "settings_store.h"
#include "solving_data_image.h"
#include "store_values.h"

namespace vorpex {

namespace {

// Longest FOUNDWORDS text read back; far beyond any level's words.
constexpr int32_t kMaxFoundWordsText = 1 << 16;
constexpr const char* kWordListValue = "WORDLIST";
constexpr const char* kBonusWordsValue = "BONUSWORDS";

struct StoredGame {
  int16_t rackLength = 0;
  std::vector<uint8_t> rack;
  SolvingDataImage mode{};
  int32_t score = 0;
  int32_t nWordsFound = 0;
  int32_t timeRem = 0;
  int32_t curLevelScore = 0;
  std::vector<std::string> foundWords;
  std::string wordList = storedName(WordList::classic);
  std::vector<std::string> bonusWords;
};

// A later string value of the saved game, at most `limit` bytes, without
// its NUL; `fallback` when it is not there.
std::string readText(KeyedStore& store, KeyHandle key, const char* name, uint32_t limit,
                                    const std::string& fallback) {
  std::string text(limit + 1, '\0');
  uint32_t size = static_cast<uint32_t>(text.size());
  // Missing (or longer than any such value, which the store cannot tell
  // apart): the value's default.
  if (!store.queryValue(key, name, reinterpret_cast<uint8_t*>(text.data()), size)) return fallback;
  text.resize(size);
  while (!text.empty() && text.back() == '\0') text.pop_back();
  return text;
}

// The words of a comma-ended list ("CAT,ACT,"), each checked.
std::optional<std::vector<std::string>> splitWords(const std::string& text, int16_t rackLength);

// An upper-case word of the code page's letters (a German game's ÄRGER,
// a Spanish game's AÑO), as the engine's words are.
bool isWord(const std::string& word, int16_t rackLength) {
  if (word.size() < static_cast<size_t>(kShortestWord) || word.size() > static_cast<size_t>(rackLength)) return false;
  for (char c : word)
    if (letterUpper(c) != c || !isLowerLetter(letterLower(c))) return false;
  return true;
}

// The saved game of `key` when every value is there and consistent.
std::optional<StoredGame> readStoredGame(KeyedStore& store, KeyHandle key) {
  StoredGame game;
  uint8_t length[2];
  uint32_t size = sizeof length;
  if (!store.queryValue(key, "LENGTH", length, size) || size != 2) return std::nullopt;
  game.rackLength = static_cast<int16_t>(length[0] | length[1] << 8);
  if (game.rackLength < 5 || game.rackLength > 8) return std::nullopt;

  game.rack.assign(static_cast<size_t>(game.rackLength), 0);
  size = static_cast<uint32_t>(game.rack.size());
  store.queryValue(key, "BYTE_DATA", game.rack.data(), size);  // rebuilt from the number anyway

  size = kSolvingDataImageSize;
  if (!store.queryValue(key, "MODE_NUM", game.mode.data(), size) || size != kSolvingDataImageSize)
    return std::nullopt;
  SolvingData mode;
  readSolvingDataImage(mode, game.mode.data(), game.mode.size());
  if (mode.gameMode != MODE_CLASSIC && mode.gameMode != MODE_TIMED) return std::nullopt;
  if (mode.curLevel < 1 || mode.curLevel > MAX_LEVEL || game.rackLength != mode.curLevel + 4)
    return std::nullopt;
  if (mode.puzzleNumber < 0 || mode.puzzleNumber > 10000) return std::nullopt;

  int32_t textLength = 0;
  if (!queryInt32(store, key, "SCORE", game.score) || !queryInt32(store, key, "NWORDSFOUND", game.nWordsFound) ||
      !queryInt32(store, key, "SWORDSFOUND", textLength) || !queryInt32(store, key, "TIMEREM", game.timeRem) ||
      !queryInt32(store, key, "CURLEVELSCORE", game.curLevelScore))
    return std::nullopt;
  if (game.score < 0 || game.timeRem < 0 || game.curLevelScore < 0 || game.nWordsFound < 0) return std::nullopt;
  if (textLength < 0 || textLength > kMaxFoundWordsText) return std::nullopt;

  std::string text(static_cast<size_t>(textLength) + 1, '\0');
  size = static_cast<uint32_t>(text.size());
  if (!store.queryValue(key, "FOUNDWORDS", reinterpret_cast<uint8_t*>(text.data()), size)) {
    if (textLength != 0) return std::nullopt;
    size = 0;
  }
  if (size < static_cast<uint32_t>(textLength)) return std::nullopt;
  text.resize(static_cast<size_t>(textLength));

  size_t from = 0;
  for (int32_t i = 0; i < game.nWordsFound; ++i) {
    const size_t comma = text.find(',', from);
    if (comma == std::string::npos) return std::nullopt;  // fewer words than NWORDSFOUND says
    game.foundWords.push_back(text.substr(from, comma - from));
    if (!isWord(game.foundWords.back(), game.rackLength)) return std::nullopt;
    from = comma + 1;
  }
  game.wordList = readText(store, key, kWordListValue, 4096, game.wordList);
  const auto bonusWords = splitWords(readText(store, key, kBonusWordsValue, kMaxFoundWordsText, ""), game.rackLength);
  if (!bonusWords) return std::nullopt;
  game.bonusWords = *bonusWords;
  return game;
}

std::optional<std::vector<std::string>> splitWords(const std::string& text, int16_t rackLength) {
  std::vector<std::string> words;
  size_t from = 0;
  for (size_t comma = text.find(','); comma != std::string::npos; comma = text.find(',', from)) {
    words.push_back(text.substr(from, comma - from));
    if (!isWord(words.back(), rackLength)) return std::nullopt;
    from = comma + 1;
  }
  if (from != text.size()) return std::nullopt;
  return words;
}

void setStoredFlag(KeyedStore& store, KeyHandle key, uint8_t flag) {
  setBinary(store, key, "ISSTORED", &flag, 1);
}

// Opens Software and the saved-game key (creating it when missing), runs
// `use` on the key, and closes both. When Software cannot be opened, shows
// `failure` and runs nothing.
template <class Use>
void withSavedGameKey(KeyedStore& store, MessageSink& messages, const char* failure, Use use) {
  KeyHandle software = 0;
  if (!store.openSoftware(software)) {
    reportStoreFailure(messages, store, failure);
    return;
  }
  KeyHandle key = 0;
  if (store.createKey(software, kSavedGameKeyPath, kSavedGameKeyClass, key)) {
    use(key);
    store.closeKey(key);
  }
  store.closeKey(software);
}

}  // namespace

void saveGame(const GameState& state, KeyedStore& store, MessageSink& messages) {
  std::string text;
  for (int32_t i = 1; i <= state.nWordsFound; ++i) text += state.foundWords(static_cast<size_t>(i)) + ",";

  KeyHandle software = 0;
  if (!store.openSoftware(software)) {
    reportStoreFailure(messages, store, kSaveFailedMessage);
    return;
  }
  KeyHandle key = 0;
  if (!store.createKey(software, kSavedGameKeyPath, kSavedGameKeyClass, key)) {
    store.closeKey(software);
    reportStoreFailure(messages, store, kSaveFailedMessage);
    return;
  }
  setStoredFlag(store, key, 1);
  const auto length = toLE16(&state.rackLength, 1);
  setBinary(store, key, "LENGTH", length.data(), length.size());
  const SolvingDataImage image = writeSolvingDataImage(state.solvingData);
  setBinary(store, key, "MODE_NUM", image.data(), image.size());
  const std::vector<uint8_t> rack(state.rack.begin(), state.rack.end());
  setBinary(store, key, "BYTE_DATA", rack.data(), rack.size());
  setInt32(store, key, "SCORE", state.score);
  setInt32(store, key, "NWORDSFOUND", state.nWordsFound);
  setInt32(store, key, "SWORDSFOUND", static_cast<int32_t>(text.size()));
  setInt32(store, key, "TIMEREM", state.timeRem);
  setInt32(store, key, "CURLEVELSCORE", state.curLevelScore);
  store.setValue(key, "FOUNDWORDS", ValueType::string, reinterpret_cast<const uint8_t*>(text.data()),
                 static_cast<uint32_t>(text.size()));
  const std::string list = storedName(state.wordList);
  store.setValue(key, kWordListValue, ValueType::string, reinterpret_cast<const uint8_t*>(list.c_str()),
                 static_cast<uint32_t>(list.size() + 1));
  std::string bonus;
  for (const std::string& word : state.bonusWords) bonus += word + ",";
  store.setValue(key, kBonusWordsValue, ValueType::string, reinterpret_cast<const uint8_t*>(bonus.data()),
                 static_cast<uint32_t>(bonus.size()));
  store.closeKey(key);
  if (!store.closeKey(software)) reportStoreFailure(messages, store, kSaveFailedMessage);
}

bool isGameStored(KeyedStore& store, MessageSink& messages) {
  bool stored = false;
  withSavedGameKey(store, messages, kSavedGameStoreFailedMessage, [&](KeyHandle key) {
    uint8_t flag = 0;
    uint32_t size = 1;
    store.queryValue(key, "ISSTORED", &flag, size);
    stored = flag != 0;
    if (stored && !readStoredGame(store, key)) {
      setStoredFlag(store, key, 0);
      stored = false;
    }
  });
  return stored;
}

void clearStoredGame(KeyedStore& store, MessageSink& messages) {
  withSavedGameKey(store, messages, kSavedGameStoreFailedMessage,
                   [&](KeyHandle key) { setStoredFlag(store, key, 0); });
}

bool loadSavedGame(GameState& state, KeyedStore& store, MessageSink& messages) {
  std::optional<StoredGame> game;
  withSavedGameKey(store, messages, kLoadSavedGameFailedMessage, [&](KeyHandle key) {
    setStoredFlag(store, key, 0);  // offered once, whatever happens next
    game = readStoredGame(store, key);
  });
  if (!game) return false;

  state.rackLength = game->rackLength;
  state.boardWidth = game->rackLength;
  state.rack = OneBased<uint8_t>(game->rack.size());
  std::copy(game->rack.begin(), game->rack.end(), state.rack.begin());
  readSolvingDataImage(state.solvingData, game->mode.data(), game->mode.size());
  // A starting level of 0 once made the next new game throw, 99 end at once.
  clampOptions(state.solvingData);
  state.score = game->score;
  state.nWordsFound = game->nWordsFound;
  state.timeRem = game->timeRem;
  state.curLevelScore = game->curLevelScore;
  if (game->nWordsFound > 0) {
    state.foundWords = OneBased<std::string>(game->foundWords.size());
    std::copy(game->foundWords.begin(), game->foundWords.end(), state.foundWords.begin());
  }
  // The caller has refused a list this version does not ship
  // (storedWordListName) before loading.
  state.wordList = wordListNamed(game->wordList).value_or(WordList::classic);
  state.bonusWords = game->bonusWords;
  return true;
}

std::string storedWordListName(KeyedStore& store, MessageSink& messages) {
  std::string name;
  withSavedGameKey(store, messages, kSavedGameStoreFailedMessage, [&](KeyHandle key) {
    if (const auto game = readStoredGame(store, key)) name = game->wordList;
  });
  return name;
}

}  // namespace vorpex
