// What every keyed-store backend must do alike: the registry's buffer rules
// and whole round trips of settings, best scores and a saved game. Runs over
// the REGEDIT4 file everywhere and, on Windows, over the registry itself;
// there the registry's own view (classes, types, sizes) and an import of a
// file written by the file backend are checked too.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>

#include "saved_game.h"
#include "settings_store.h"
#include "store_fixture.h"

#if defined(_WIN32)
#include <windows.h>

#include "win_registry_store.h"
#endif

namespace vorpex {
namespace {

using testing::levelInPlay;
using testing::RecordingMessages;
using testing::settingsWorthKeeping;
using testing::TempDir;

// A backend under test, fresh and empty, with whatever it needs kept alive.
struct Backend {
  virtual ~Backend() = default;
  virtual KeyedStore& store() = 0;
};

struct FileBackend : Backend {
  TempDir dir;
  LocalFileSystem files;
  RegFileStore file{(dir.path() / "registry.reg").string(), files, [] { return std::string("20261207-120000"); }};
  KeyedStore& store() override { return file; }
};

#if defined(_WIN32)
constexpr const char* kQuentaKey = "Software\\Quenta";

// The tests own HKEY_CURRENT_USER\Software\Quenta: it is removed before and after.
struct RegistryBackend : Backend {
  RegistryBackend() { RegDeleteTreeA(HKEY_CURRENT_USER, kQuentaKey); }
  ~RegistryBackend() override { RegDeleteTreeA(HKEY_CURRENT_USER, kQuentaKey); }
  WinRegistryStore registry;
  KeyedStore& store() override { return registry; }
};
#endif

struct BackendKind {
  const char* name;
  std::function<std::unique_ptr<Backend>()> make;
};

// Test listings name the backend instead of dumping the struct's bytes.
void PrintTo(const BackendKind& kind, std::ostream* out) { *out << kind.name; }

const BackendKind kBackends[] = {
    {"RegeditFile", [] { return std::unique_ptr<Backend>(new FileBackend); }},
#if defined(_WIN32)
    {"WindowsRegistry", [] { return std::unique_ptr<Backend>(new RegistryBackend); }},
#endif
};

void expectSameSettings(const GameState& back, const GameState& state) {
  EXPECT_EQ(back.solvingData, state.solvingData);
  EXPECT_EQ(back.soundOptions, state.soundOptions);
  for (size_t mode = 1; mode <= 2; ++mode) {
    for (size_t row = 1; row <= 8; ++row) {
      EXPECT_EQ(back.bestScores[Language::english][mode].names(row),
                state.bestScores[Language::english][mode].names(row))
          << mode << "/" << row;
      EXPECT_EQ(back.bestScores[Language::english][mode].scores(row),
                state.bestScores[Language::english][mode].scores(row))
          << mode << "/" << row;
    }
  }
}

void expectSameSavedGame(const GameState& back, const GameState& state) {
  EXPECT_EQ(back.foundWords, state.foundWords);
  EXPECT_EQ(back.nWordsFound, state.nWordsFound);
  EXPECT_EQ(back.rack, state.rack);
  EXPECT_EQ(back.score, state.score);
  EXPECT_EQ(back.curLevelScore, state.curLevelScore);
  EXPECT_EQ(back.timeRem, state.timeRem);
  EXPECT_EQ(back.solvingData.puzzleNumber, state.solvingData.puzzleNumber);
  EXPECT_EQ(back.solvingData.curLevel, state.solvingData.curLevel);
  EXPECT_EQ(back.solvingData.gameMode, state.solvingData.gameMode);
}

class KeyedStoreContract : public ::testing::TestWithParam<BackendKind> {
 protected:
  std::unique_ptr<Backend> backend = GetParam().make();
  KeyedStore& store = backend->store();
  RecordingMessages messages;
};

TEST_P(KeyedStoreContract, ValuesFollowTheRegistrysBufferRules) {
  const std::vector<uint8_t> three = {1, 2, 3};
  KeyHandle software = 0, key = 0;
  ASSERT_TRUE(store.openSoftware(software));
  ASSERT_TRUE(store.createKey(software, kSavedGameKeyPath, kSavedGameKeyClass, key));
  EXPECT_TRUE(store.setValue(key, "B", ValueType::binary, three.data(), 3));
  const char name[] = "Anononymous";
  EXPECT_TRUE(store.setValue(key, "N", ValueType::string, reinterpret_cast<const uint8_t*>(name), sizeof name));
  store.closeKey(key);
  ASSERT_TRUE(store.closeKey(software));

  ASSERT_TRUE(store.openSoftware(software));
  ASSERT_TRUE(store.createKey(software, kSavedGameKeyPath, kSavedGameKeyClass, key));
  uint8_t buffer[25] = {9, 9, 9, 9, 9};
  uint32_t size = 2;
  EXPECT_FALSE(store.queryValue(key, "B", buffer, size)) << "a buffer too small fails the read";
  EXPECT_EQ(buffer[0], 9) << "and leaves the buffer as it was";
  size = 5;
  ASSERT_TRUE(store.queryValue(key, "b", buffer, size)) << "names ignore case";
  EXPECT_EQ(size, 3u);
  EXPECT_EQ(std::vector<uint8_t>(buffer, buffer + 5), (std::vector<uint8_t>{1, 2, 3, 9, 9}))
      << "a shorter value fills only its bytes";
  size = sizeof buffer;
  ASSERT_TRUE(store.queryValue(key, "N", buffer, size));
  EXPECT_EQ(size, 12u) << "a string's size counts its NUL";
  size = sizeof buffer;
  EXPECT_FALSE(store.queryValue(key, "MISSING", buffer, size));
  store.closeKey(key);
  store.closeKey(software);
}

TEST_P(KeyedStoreContract, SettingsAndBestScoresLoadBackWhole) {
  const GameState state = settingsWorthKeeping();
  saveSettings(state, store, messages);
  GameState back;
  loadSettings(back, store, messages);
  expectSameSettings(back, state);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_P(KeyedStoreContract, SavedGameComesBackOnceAndIsThenGone) {
  saveGame(levelInPlay(), store, messages);
  ASSERT_TRUE(isGameStored(store, messages));
  GameState back;
  ASSERT_TRUE(loadSavedGame(back, store, messages));
  expectSameSavedGame(back, levelInPlay());
  EXPECT_FALSE(isGameStored(store, messages)) << "loading marks the game as taken";
  EXPECT_TRUE(messages.shown.empty());
}

// A copy that cannot take the store's lock once said it would not save, and
// then saved through the registry all the same.
TEST_P(KeyedStoreContract, AStoreThatRefusesWritesReadsAsBeforeAndChangesNothing) {
  const GameState state = settingsWorthKeeping();
  saveSettings(state, store, messages);
  store.refuseWrites("another copy may hold the store");
  GameState changed = state;
  changed.bestScores[Language::english][1].scores(1) += 1;
  saveSettings(changed, store, messages);
  saveGame(levelInPlay(), store, messages);
  EXPECT_FALSE(messages.shown.empty()) << "the player is told nothing was saved";
  EXPECT_EQ(store.lastProblem(), "another copy may hold the store");
  EXPECT_FALSE(isGameStored(store, messages)) << "not even the saved game's key was made";
  GameState back;
  loadSettings(back, store, messages);
  expectSameSettings(back, state);
}

INSTANTIATE_TEST_SUITE_P(Backends, KeyedStoreContract, ::testing::ValuesIn(kBackends),
                         [](const auto& info) { return std::string(info.param.name); });

#if defined(_WIN32)
// The registry's own answers for one value: its type and the bytes a read
// into a large buffer gets (a size query without a buffer may overstate an
// ANSI string's size).
struct RawValue {
  DWORD type = 0;
  DWORD size = 0;
  std::string bytes;
};

RawValue rawValue(const char* keyPath, const char* name) {
  RawValue raw;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return raw;
  BYTE data[256];
  raw.size = sizeof data;
  if (RegQueryValueExA(key, name, nullptr, &raw.type, data, &raw.size) == ERROR_SUCCESS)
    raw.bytes.assign(reinterpret_cast<const char*>(data), raw.size);
  RegCloseKey(key);
  return raw;
}

std::string keyClass(const char* keyPath) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return "(no key)";
  char name[64] = {};
  DWORD length = sizeof name;
  RegQueryInfoKeyA(key, name, &length, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                   nullptr, nullptr);
  RegCloseKey(key);
  return std::string(name, length);
}

constexpr const char* kSettingsKey = "Software\\Quenta\\Arcade Vorpex\\1.0";
constexpr const char* kSavedGameKey = "Software\\Quenta\\Arcade Vorpex\\1.0\\SAVE";

TEST(WindowsRegistry, KeysCarryTheirClassesAndValuesTheirTypesAndSizes) {
  RegistryBackend backend;
  RecordingMessages messages;
  saveSettings(settingsWorthKeeping(), backend.store(), messages);
  saveGame(levelInPlay(), backend.store(), messages);
  ASSERT_TRUE(messages.shown.empty());

  EXPECT_EQ(keyClass(kSettingsKey), "USERDATA");
  EXPECT_EQ(keyClass(kSavedGameKey), "SAVEDATA");
  const RawValue solving = rawValue(kSettingsKey, "SOLVINGDATA");
  EXPECT_EQ(solving.type, static_cast<DWORD>(REG_BINARY));
  EXPECT_EQ(solving.size, 22u);
  const RawValue name = rawValue(kSettingsKey, "2STATS1");
  EXPECT_EQ(name.type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(name.size, 19u) << "18 characters and the NUL";
  const RawValue words = rawValue(kSavedGameKey, "FOUNDWORDS");
  EXPECT_EQ(words.type, static_cast<DWORD>(REG_SZ));
  // Stored without its NUL; the registry's ANSI read may add one, which the
  // game's reader has room for.
  EXPECT_TRUE(words.bytes == "ANT,TAN,NEST," || words.bytes == std::string("ANT,TAN,NEST,\0", 14))
      << words.size;
  EXPECT_EQ(rawValue(kSavedGameKey, "ISSTORED").type, static_cast<DWORD>(REG_BINARY));
}

// Runs a command line and waits for the process itself to end. regedit is a
// GUI program: a shell may hand it off and return before its import is done
// (Wine's does on a busy machine), so std::system would race the reads after.
DWORD runToItsEnd(std::string commandLine) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    return GetLastError() == 0 ? 1u : GetLastError();
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD exitCode = 1;
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return exitCode;
}

TEST(WindowsRegistry, FileWrittenByTheFileBackendImportsIntoTheSameValues) {
  FileBackend file;
  RecordingMessages messages;
  saveSettings(settingsWorthKeeping(), file.store(), messages);
  saveGame(levelInPlay(), file.store(), messages);
  const std::string path = (file.dir.path() / "registry.reg").string();

  RegistryBackend registry;
  ASSERT_EQ(runToItsEnd("regedit /S \"" + path + "\""), 0u) << path;

  GameState settings;
  loadSettings(settings, registry.store(), messages);
  expectSameSettings(settings, settingsWorthKeeping());
  ASSERT_TRUE(isGameStored(registry.store(), messages));
  GameState game;
  ASSERT_TRUE(loadSavedGame(game, registry.store(), messages));
  expectSameSavedGame(game, levelInPlay());
  EXPECT_TRUE(messages.shown.empty());
}
#endif

}  // namespace
}  // namespace vorpex
