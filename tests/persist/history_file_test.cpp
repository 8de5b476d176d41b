// The history file on a real disk: appended a game a line, a line cut by a
// crash costing only itself, damaged lines counted, clearing, and what is
// not a plain file refused. The day's record and a saved game's own values.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#if !defined(_WIN32)
#include <sys/stat.h>
#endif

#include "history_file.h"
#include "saved_game.h"
#include "settings_store.h"
#include "store_fixture.h"
#include "store_values.h"
#include "temp_files.h"

namespace vorpex {
namespace {

using testing::TempDir;

GameRecord game(int32_t score) {
  GameRecord r;
  r.date = {2027, 3, 14};
  r.levels = 2;
  r.score = score;
  r.foundByLength[3] = 4;
  r.longest = "NEST";
  return r;
}

std::string textOf(const std::string& path) {
  const auto bytes = testing::readBytes(path);
  return {bytes.begin(), bytes.end()};
}

TEST(HistoryFile, GamesAreAppendedALineEachAndACutLineCostsOnlyItself) {
  TempDir dir;
  LocalFileSystem files;
  HistoryFile history(files, (dir.path() / kHistoryFile).string());
  EXPECT_EQ(history.read().result, ReadResult::notFound);
  std::string problem;
  ASSERT_TRUE(history.append(game(10), problem)) << problem;
  ASSERT_TRUE(history.append(game(20), problem)) << problem;
  EXPECT_EQ(textOf(history.path()),
            std::string(kHistoryHeader) + "\n" + historyLine(game(10)) + "\n" + historyLine(game(20)) + "\n");
  // A crash in the middle of a line, then a damaged line by hand; the next
  // game starts a line of its own.
  std::filesystem::resize_file(history.path(), std::filesystem::file_size(history.path()) - 9);
  ASSERT_TRUE(history.append(game(30), problem));
  { std::ofstream(history.path(), std::ios::app) << "2027-13-01\tclassic\n\n# a note\n"; }
  ASSERT_TRUE(history.append(game(40), problem));
  const HistoryRead read = history.read();
  EXPECT_EQ(read.result, ReadResult::ok);
  EXPECT_EQ(read.damagedLines, 2);
  EXPECT_EQ(read.statistics.recentScores, (std::vector<int32_t>{10, 30, 40}));
  // Cleared: the header alone.
  ASSERT_TRUE(history.clear(problem)) << problem;
  EXPECT_EQ(textOf(history.path()), std::string(kHistoryHeader) + "\n");
  EXPECT_EQ(history.read().statistics.games(), 0);
}

TEST(HistoryFile, WhatIsNotAPlainFileIsRefusedWithoutWaiting) {
  TempDir dir;
  LocalFileSystem files;
  std::vector<std::string> paths{(dir.path() / "folder").string()};
  std::filesystem::create_directory(paths.front());
#if !defined(_WIN32)
  paths.push_back((dir.path() / "fifo").string());
  ASSERT_EQ(mkfifo(paths.back().c_str(), 0600), 0);
#endif
  for (const std::string& path : paths) {
    std::string problem;
    EXPECT_FALSE(files.appendLine(path, "line", problem)) << path;
    EXPECT_NE(problem.find(path), std::string::npos) << problem;
  }
}

class DailyStoreTest : public testing::StoreTest {};

TEST_F(DailyStoreTest, TheDaysRecordAndASavedGamesOwnValuesComeBackAndBadOnesAreDefaults) {
  GameState state = testing::levelInPlay();
  state.daily = {20891, 3, 5, {2, 120, 9, 14, 1}};
  saveDailyRecord(state, store, messages);
  GameState back;
  loadSettings(back, store, messages);
  EXPECT_EQ(back.daily, state.daily);
  // Not eight figures from 0 up, or a streak beyond its best: no day.
  const std::vector<std::vector<int32_t>> bad = {{20891, 3, 5, 2, 120, 9, 14},    {20891, -3, 5, 2, 120, 9, 14, 1},
                                                 {20891, 6, 5, 2, 120, 9, 14, 1}, {0, 1, 1, 0, 0, 0, 0, 0},
                                                 {20891, 3, 5, 9, 120, 9, 14, 1}, {20891, 3, 5, 2, 120, 15, 14, 1}};
  for (const auto& figures : bad) {
    const auto bytes = toLE32(figures.data(), figures.size());
    EXPECT_EQ(dailyRecordOf(bytes.data(), static_cast<uint32_t>(bytes.size())), DailyRecord{}) << figures.size();
  }

  state.dailyDay = 20891;
  state.tally = {20, 3, {0, 0, 0, 2, 1, 0, 0, 0, 0}, "NEST", 2};
  state.hintedWords = {{"TAN", 2, 3}, {"NET", 1, 1}};
  saveGame(state, store, messages);
  ASSERT_TRUE(isGameStored(store, messages));
  ASSERT_TRUE(loadSavedGame(back, store, messages));
  EXPECT_EQ(back.dailyDay, 20891);
  EXPECT_EQ(back.tally, state.tally);
  EXPECT_EQ(back.hintedWords, state.hintedWords);
  // A damaged hint list or tally is their default, the game itself still there.
  saveGame(state, store, messages);
  writeValue(kSavedGameKeyPath, "HINTED", ValueType::string, {'T', 'A', 'N', ':', '9', ':', '3', ',', 0});
  writeValue(kSavedGameKeyPath, "TALLY", ValueType::binary, {1, 2, 3});
  ASSERT_TRUE(loadSavedGame(back, store, messages));
  EXPECT_TRUE(back.hintedWords.empty());
  EXPECT_EQ(back.tally, GameTally{});
  EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace vorpex
