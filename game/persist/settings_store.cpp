#include "settings_store.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "solving_data_image.h"
#include "store_values.h"

namespace vorpex {

namespace {

std::string scoresValueName(int table) { return std::to_string(table) + "STATS"; }
std::string nameValueName(int table, int row) { return scoresValueName(table) + std::to_string(row); }

// Another language's table of `mode` is one value: "1STATS-DE".
std::string languageScoresValueName(Language language, int mode) {
  return scoresValueName(mode) + "-" + upperCodeOf(language);
}

constexpr size_t kStoredNameLength = 24;  // characters, as the classic names' values hold
// Eight 32-bit scores, then eight names each with its NUL.
constexpr size_t kLanguageTableMinSize = 4 * kScoreRows + kScoreRows;
constexpr size_t kLanguageTableMaxSize = 4 * kScoreRows + kScoreRows * (kStoredNameLength + 1);

ScoreTable defaultScoreTable() {
  ScoreTable table;
  for (size_t r = 1; r <= kScoreRows; ++r) table.names(r) = kDefaultPlayerName;
  return table;
}

// The table a language's value holds, or nothing when it is not exactly
// eight scores and eight names of up to 24 characters each.
std::optional<ScoreTable> readLanguageTable(const uint8_t* bytes, size_t size) {
  if (size < kLanguageTableMinSize || size > kLanguageTableMaxSize) return std::nullopt;
  ScoreTable table;
  int32_t scores[kScoreRows] = {};
  overlayLE32(scores, kScoreRows, bytes, 4 * kScoreRows);
  size_t at = 4 * kScoreRows;
  for (size_t r = 1; r <= kScoreRows; ++r) {
    const auto* end = static_cast<const uint8_t*>(std::memchr(bytes + at, 0, size - at));
    if (!end || static_cast<size_t>(end - (bytes + at)) > kStoredNameLength) return std::nullopt;
    table.names(r) = std::string(reinterpret_cast<const char*>(bytes + at), end - (bytes + at));
    table.scores(r) = scores[r - 1];
    at = static_cast<size_t>(end - bytes) + 1;
  }
  if (at != size) return std::nullopt;
  return table;
}

std::vector<uint8_t> languageTableBytes(const ScoreTable& table) {
  std::vector<uint8_t> bytes = toLE32(&table.scores(1), kScoreRows);
  for (size_t r = 1; r <= kScoreRows; ++r) {
    const std::string& name = table.names(r);
    bytes.insert(bytes.end(), name.begin(), name.begin() + static_cast<long>(std::min(name.size(), kStoredNameLength)));
    bytes.push_back(0);
  }
  return bytes;
}

void applyDefaults(GameState& state) {
  state.soundOptions.fill(1);
  state.preferences = Preferences{};
  for (HallOfFame& hall : state.bestScores.byLanguage) {
    for (int t = 1; t <= 2; ++t) hall[t] = defaultScoreTable();
  }
}

void readLanguageTables(GameState& state, KeyedStore& store, KeyHandle key) {
  for (const LanguageFacts& language : kLanguages) {
    if (language.id == Language::english) continue;
    for (int t = 1; t <= 2; ++t) {
      uint8_t bytes[kLanguageTableMaxSize];
      uint32_t size = sizeof bytes;
      std::optional<ScoreTable> read;
      if (store.queryValue(key, languageScoresValueName(language.id, t), bytes, size))
        read = readLanguageTable(bytes, size);
      state.bestScores[language.id][t] = read.value_or(defaultScoreTable());
    }
  }
}

// No score and no name but the default's (or none, in a state never loaded).
bool untouched(const ScoreTable& table) {
  for (size_t r = 1; r <= kScoreRows; ++r) {
    if (table.scores(r) != 0 || !(table.names(r).empty() || table.names(r) == kDefaultPlayerName)) return false;
  }
  return true;
}

// A language's table is written when it holds a score or a name, or when the
// store has one to replace (a cleared table); a language never played adds
// nothing.
void writeLanguageTables(const GameState& state, KeyedStore& store, KeyHandle key) {
  for (const LanguageFacts& language : kLanguages) {
    if (language.id == Language::english) continue;
    for (int t = 1; t <= 2; ++t) {
      const ScoreTable& table = state.bestScores[language.id][t];
      const std::string name = languageScoresValueName(language.id, t);
      uint8_t probe[4096];
      uint32_t size = sizeof probe;
      if (untouched(table) && !store.queryValue(key, name, probe, size)) continue;
      const std::vector<uint8_t> bytes = languageTableBytes(table);
      setBinary(store, key, name, bytes.data(), bytes.size());
    }
  }
}

// A setting beyond the settings record: a 32-bit value, read only when it
// is exactly four bytes long (anything else is a bad value).
bool readLaterSetting(KeyedStore& store, KeyHandle key, const char* name, int32_t& value) {
  uint8_t bytes[4];
  uint32_t size = sizeof bytes;
  if (!store.queryValue(key, name, bytes, size) || size != sizeof bytes) return false;
  overlayLE32(&value, 1, bytes, size);
  return true;
}

// On only when its value reads exactly 1.
bool readSwitch(KeyedStore& store, KeyHandle key, const char* name) {
  int32_t value = 0;
  return readLaterSetting(store, key, name, value) && value == 1;
}

// Every preference from its own value, each checked: missing or bad means
// its default.
Preferences readPreferences(KeyedStore& store, KeyHandle key) {
  Preferences read;
  read.typeLetters = readSwitch(store, key, kTypeLettersValue);
  read.showMeanings = readSwitch(store, key, kMeaningsValue);
  read.highContrast = readSwitch(store, key, kHighContrastValue);
  int32_t zoom = 0;
  if (readLaterSetting(store, key, kZoomValue, zoom)) read.zoomPercent = checkedZoomPercent(zoom);
  int32_t value = 0;
  if (readLaterSetting(store, key, kWordsValue, value) && value == 1) read.words = WordChoice::classic;
  if (readLaterSetting(store, key, kSpellingValue, value) &&
      (value == static_cast<int32_t>(Spelling::american) || value == static_cast<int32_t>(Spelling::british)))
    read.spelling = static_cast<Spelling>(value);
  if (readLaterSetting(store, key, kLanguageValue, value)) read.language = languageNumbered(value);
  return read;
}

void writePreferences(const Preferences& preferences, KeyedStore& store, KeyHandle key) {
  setInt32(store, key, kTypeLettersValue, preferences.typeLetters ? 1 : 0);
  setInt32(store, key, kMeaningsValue, preferences.showMeanings ? 1 : 0);
  setInt32(store, key, kZoomValue, preferences.zoomPercent);
  setInt32(store, key, kHighContrastValue, preferences.highContrast ? 1 : 0);
  setInt32(store, key, kWordsValue, static_cast<int32_t>(preferences.words));
  // A player who never chose keeps following the desktop.
  if (preferences.spelling != Spelling::desktop)
    setInt32(store, key, kSpellingValue, static_cast<int32_t>(preferences.spelling));
  if (preferences.language) setInt32(store, key, kLanguageValue, static_cast<int32_t>(*preferences.language));
}

constexpr size_t kDailyFigures = 8;

void writeDailyRecord(const DailyRecord& r, KeyedStore& store, KeyHandle key) {
  if (r.lastDay == 0) return;
  const DailyResult& d = r.lastResult;
  const int32_t figures[kDailyFigures] = {r.lastDay, r.streak,     r.bestStreak, d.levels,
                                          d.score,   d.wordsFound, d.wordsTotal, d.hints};
  const auto bytes = toLE32(figures, kDailyFigures);
  setBinary(store, key, kDailyValue, bytes.data(), bytes.size());
}

void readSettingsKey(GameState& state, KeyedStore& store, KeyHandle key) {
  uint8_t image[kSolvingDataImageSize];
  uint32_t size = sizeof image;
  if (store.queryValue(key, "SOLVINGDATA", image, size))
    readSolvingDataImage(state.solvingData, image, size);

  state.preferences = readPreferences(store, key);

  uint8_t switches[2 * kSoundSwitches];
  size = sizeof switches;
  if (store.queryValue(key, "SOUNDOPTIONS", switches, size)) {
    overlayLE16(state.soundOptions.data(), kSoundSwitches, switches, size);
  } else {
    state.soundOptions.fill(1);
  }

  uint8_t daily[4 * kDailyFigures + 1];
  size = sizeof daily;
  state.daily = store.queryValue(key, kDailyValue, daily, size) ? dailyRecordOf(daily, size) : DailyRecord{};

  readLanguageTables(state, store, key);
  for (int t = 1; t <= 2; ++t) {
    ScoreTable& table = state.bestScores[Language::english][t];
    uint8_t scores[4 * kScoreRows];
    size = sizeof scores;
    if (store.queryValue(key, scoresValueName(t), scores, size)) {
      int32_t values[kScoreRows];
      std::copy(table.scores.begin(), table.scores.end(), values);
      overlayLE32(values, kScoreRows, scores, size);
      std::copy(values, values + kScoreRows, table.scores.begin());
    }
    for (int r = 1; r <= kScoreRows; ++r) {
      uint8_t name[25];  // 24 characters and the NUL at most
      size = sizeof name;
      if (store.queryValue(key, nameValueName(t, r), name, size)) {
        table.names(r) = std::string(reinterpret_cast<const char*>(name), size > 0 ? size - 1 : 0);
      } else {
        table.names(r) = kDefaultPlayerName;
        table.scores(r) = 0;
      }
    }
  }
}

}  // namespace

DailyRecord dailyRecordOf(const uint8_t* bytes, uint32_t size) {
  if (size != 4 * kDailyFigures) return {};
  int32_t f[kDailyFigures] = {};
  overlayLE32(f, kDailyFigures, bytes, size);
  for (const int32_t figure : f)
    if (figure < 0) return {};
  if (f[0] == 0 || f[1] > f[2] || f[3] > MAX_LEVEL || f[5] > f[6]) return {};
  return {f[0], f[1], f[2], {f[3], f[4], f[5], f[6], f[7]}};
}

void saveDailyRecord(const GameState& state, KeyedStore& store, MessageSink& messages) {
  KeyHandle software = 0;
  if (!store.openSoftware(software)) {
    reportStoreFailure(messages, store, kStoreFailedMessage);
    return;
  }
  KeyHandle key = 0;
  if (store.createKey(software, kSettingsKeyPath, kSettingsKeyClass, key)) {
    writeDailyRecord(state.daily, store, key);
    store.closeKey(key);
  }
  if (!store.closeKey(software)) reportStoreFailure(messages, store, kStoreFailedMessage);
}

void clampOptions(SolvingData& data) {
  data.levelOption = std::clamp<int32_t>(data.levelOption, 1, 4);
  data.timeOption = std::clamp<int32_t>(data.timeOption, 1, 3);
}

void loadSettings(GameState& state, KeyedStore& store, MessageSink& messages) {
  KeyHandle software = 0;
  if (!store.openSoftware(software)) {
    reportStoreFailure(messages, store, kStoreFailedMessage);
    applyDefaults(state);
    clampOptions(state.solvingData);
    return;
  }
  KeyHandle key = 0;
  if (store.createKey(software, kSettingsKeyPath, kSettingsKeyClass, key)) {
    readSettingsKey(state, store, key);
    store.closeKey(key);
  }
  clampOptions(state.solvingData);
  // A new key is written back here; failing that loses nothing yet.
  store.closeKey(software);
}

void saveSettings(const GameState& state, KeyedStore& store, MessageSink& messages) {
  KeyHandle software = 0;
  if (!store.openSoftware(software)) {
    reportStoreFailure(messages, store, kStoreFailedMessage);
    return;
  }
  KeyHandle key = 0;
  if (store.createKey(software, kSettingsKeyPath, kSettingsKeyClass, key)) {
    const SolvingDataImage image = writeSolvingDataImage(state.solvingData);
    setBinary(store, key, "SOLVINGDATA", image.data(), image.size());
    const auto switches = toLE16(state.soundOptions.data(), kSoundSwitches);
    setBinary(store, key, "SOUNDOPTIONS", switches.data(), switches.size());
    writePreferences(state.preferences, store, key);
    writeLanguageTables(state, store, key);
    writeDailyRecord(state.daily, store, key);
    for (int t = 1; t <= 2; ++t) {
      const ScoreTable& table = state.bestScores[Language::english][t];
      const std::vector<int32_t> scores(table.scores.begin(), table.scores.end());
      const auto bytes = toLE32(scores.data(), scores.size());
      setBinary(store, key, scoresValueName(t), bytes.data(), bytes.size());
      for (int r = 1; r <= kScoreRows; ++r) setStringWithNul(store, key, nameValueName(t, r), table.names(r));
    }
    store.closeKey(key);
  }
  if (!store.closeKey(software)) reportStoreFailure(messages, store, kStoreFailedMessage);
}

}  // namespace vorpex
