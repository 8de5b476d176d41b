// A real file-backed store in a temporary folder, with a recording message sink.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "file_system.h"
#include "game_state.h"
#include "message_sink.h"
#include "reg_file_store.h"
#include "temp_files.h"

namespace vorpex::testing {

// Settings with something in every kind of field: options, sound switches, a
// name of 18 characters with a Windows-1252 letter, scores at both ends of a table.
inline GameState settingsWorthKeeping() {
  GameState state;
  state.solvingData = {1234, 1, 2, MODE_TIMED, 3, 2, 3};
  state.soundOptions = {1, 0, 1, 1, 0, 1, 1};
  state.bestScores[Language::english][2].names(1) = "Zo\xeb with 19 chars!";  // one byte a character
  state.bestScores[Language::english][2].scores(1) = 40000;
  state.bestScores[Language::english][1].names(8) = "Anonoymous";
  state.bestScores[Language::english][1].scores(8) = 6;
  return state;
}

// A timed game on level 2 with three words found.
inline GameState levelInPlay() {
  GameState state;
  state.solvingData = {4242, 0, 0, MODE_TIMED, 2, 1, 2};
  state.rackLength = state.boardWidth = 6;
  state.rack = {'A', 'E', 'N', 'S', 'T', 'T'};
  state.foundWords = {"ANT", "TAN", "NEST"};
  state.nWordsFound = 3;
  state.score = 350;
  state.curLevelScore = 41;
  state.timeRem = 487;
  return state;
}

class RecordingMessages : public MessageSink {
 public:
  void showMessage(const std::string& text) override { shown.push_back(text); }
  void explain(const std::string& detail) override { explained.push_back(detail); }
  std::vector<std::string> shown;
  std::vector<std::string> explained;
};

// Fails the rename that ends an atomic replace, after the temporary file is complete.
class FailingRename : public LocalFileSystem {
 public:
  bool failRename = true;

 protected:
  bool renameFile(const std::string& from, const std::string& to) override {
    return failRename ? false : LocalFileSystem::renameFile(from, to);
  }
};

class StoreTest : public ::testing::Test {
 protected:
  std::string storePath() const { return (dir.path() / "arcade-vorpex" / "registry.reg").string(); }
  std::string fileText() const {
    const auto bytes = readBytes(storePath());
    return {bytes.begin(), bytes.end()};
  }
  // Writes one value straight into the key `keyPath` below Software, as
  // another program or an older version might have left it.
  void writeValue(const std::string& keyPath, const std::string& name, ValueType type,
                  const std::vector<uint8_t>& data) {
    KeyHandle software = 0, key = 0;
    ASSERT_TRUE(store.openSoftware(software));
    ASSERT_TRUE(store.createKey(software, keyPath, "", key));
    store.setValue(key, name, type, data.data(), static_cast<uint32_t>(data.size()));
    store.closeKey(key);
    ASSERT_TRUE(store.closeKey(software));
  }
  void writeFileText(const std::string& text) {
    std::filesystem::create_directories(dir.path() / "arcade-vorpex");
    dir.write("arcade-vorpex/registry.reg", text);
  }

  TempDir dir;
  LocalFileSystem files;
  RegFileStore store{storePath(), files, [] { return std::string("20261207-120000"); }};
  RecordingMessages messages;
};

}  // namespace vorpex::testing
