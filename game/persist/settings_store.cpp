#include "settings_store.h"

#include <algorithm>
#include <string>

#include "solving_data_image.h"
#include "store_values.h"

namespace vorpex {

namespace {

std::string scoresValueName(int table) { return std::to_string(table) + "STATS"; }
std::string nameValueName(int table, int row) { return scoresValueName(table) + std::to_string(row); }

void applyDefaults(GameState& state) {
  state.soundOptions.fill(1);
  state.preferences = Preferences{};
  for (int t = 1; t <= 2; ++t) {
    for (size_t r = 1; r <= kScoreRows; ++r) {
      state.bestScores[t].names(r) = kDefaultPlayerName;
      state.bestScores[t].scores(r) = 0;
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

  for (int t = 1; t <= 2; ++t) {
    ScoreTable& table = state.bestScores[t];
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
    for (int t = 1; t <= 2; ++t) {
      const ScoreTable& table = state.bestScores[t];
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
