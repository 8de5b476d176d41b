#include "saved_game.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "code_page.h"
#include "settings_store.h"
#include "solving_data_image.h"
#include "store_values.h"

namespace vorpex {

namespace {

// Longest FOUNDWORDS text read back; far beyond any level's words.
constexpr int32_t kMaxFoundWordsText = 1 << 16;
constexpr const char* kWordListValue = "WORDLIST";
constexpr const char* kBonusWordsValue = "BONUSWORDS";
// Values of their own beside the game: the day of a puzzle of the day, the
// game's figures over its levels, and the level's hints.
constexpr const char* kDailyDayValue = "DAILYDAY";
constexpr const char* kTallyValue = "TALLY";
constexpr const char* kLongestValue = "LONGEST";
constexpr const char* kHintedValue = "HINTED";
constexpr size_t kTallyFigures = 3 + kMaxRackLength - kShortestWord + 1;

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
  int32_t dailyDay = 0;
  GameTally tally;
  std::vector<HintedWord> hinted;
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
void readGameExtras(KeyedStore& store, KeyHandle key, StoredGame& game);

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
  readGameExtras(store, key, game);
  return game;
}

// "WORD:steps:stage," for each hinted word; nothing for any damage.
std::vector<HintedWord> hintedWordsOf(const std::string& text, int16_t rackLength) {
  std::vector<HintedWord> hinted;
  size_t from = 0;
  for (size_t comma = text.find(','); comma != std::string::npos; comma = text.find(',', from)) {
    const std::string item = text.substr(from, comma - from);
    from = comma + 1;
    const size_t colon = item.find(':');
    if (colon == std::string::npos || item.size() != colon + 4 || item[colon + 2] != ':') return {};
    HintedWord word{item.substr(0, colon), item[colon + 1] - '0', item[colon + 3] - '0'};
    if (!isWord(word.word, rackLength) || word.steps < 1 || word.steps > 3 || word.stage < word.steps || word.stage > 3)
      return {};
    hinted.push_back(word);
  }
  return from == text.size() ? hinted : std::vector<HintedWord>{};
}

// The values a game of this version adds; each missing or bad one is its default.
void readGameExtras(KeyedStore& store, KeyHandle key, StoredGame& game) {
  if (!queryInt32(store, key, kDailyDayValue, game.dailyDay) || game.dailyDay < 0) game.dailyDay = 0;
  uint8_t bytes[4 * kTallyFigures + 1];
  uint32_t size = sizeof bytes;
  if (store.queryValue(key, kTallyValue, bytes, size) && size == 4 * kTallyFigures) {
    int32_t f[kTallyFigures] = {};
    overlayLE32(f, kTallyFigures, bytes, size);
    if (std::all_of(f, f + kTallyFigures, [](int32_t v) { return v >= 0; }) && f[1] <= f[0]) {
      game.tally.wordsTotal = f[0];
      game.tally.wordsFound = f[1];
      game.tally.hints = f[2];
      std::copy(f + 3, f + kTallyFigures, game.tally.foundByLength.begin() + kShortestWord);
      const std::string longest = readText(store, key, kLongestValue, kMaxRackLength, "");
      if (isWord(longest, kMaxRackLength)) game.tally.longest = longest;
    }
  }
  game.hinted = hintedWordsOf(readText(store, key, kHintedValue, kMaxFoundWordsText, ""), game.rackLength);
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
  setInt32(store, key, kDailyDayValue, state.dailyDay);
  const GameTally& t = state.tally;
  std::vector<int32_t> tally{t.wordsTotal, t.wordsFound, t.hints};
  tally.insert(tally.end(), t.foundByLength.begin() + kShortestWord, t.foundByLength.end());
  const auto tallyBytes = toLE32(tally.data(), tally.size());
  setBinary(store, key, kTallyValue, tallyBytes.data(), tallyBytes.size());
  setStringWithNul(store, key, kLongestValue, t.longest);
  std::string hinted;
  for (const HintedWord& h : state.hintedWords)
    hinted += h.word + ':' + std::to_string(h.steps) + ':' + std::to_string(h.stage) + ',';
  setStringWithNul(store, key, kHintedValue, hinted);
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
  state.dailyDay = game->dailyDay;
  state.tally = game->tally;
  state.hintedWords = game->hinted;
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
