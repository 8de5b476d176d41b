// The saved game: what is stored, offered once, and refused when inconsistent.
#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

#include "saved_game.h"
#include "solving_data_image.h"
#include "store_fixture.h"
#include "store_values.h"

namespace vorpex {
namespace {

using testing::levelInPlay;

class SavedGameTest : public testing::StoreTest {
 protected:
  void overwrite(const std::string& name, const std::vector<uint8_t>& data, ValueType type = ValueType::binary) {
    writeValue(kSavedGameKeyPath, name, type, data);
  }
  void overwriteInt(const std::string& name, int32_t value) { overwrite(name, toLE32(&value, 1)); }
  void overwriteMode(const SolvingData& data) {
    const auto image = writeSolvingDataImage(data);
    overwrite("MODE_NUM", {image.begin(), image.end()});
  }
};

TEST_F(SavedGameTest, FoundWordsAreStoredAsCommaTerminatedTextAndComeBackInOrder) {
  saveGame(levelInPlay(), store, messages);
  const std::string text = fileText();
  EXPECT_NE(text.find("[HKEY_CURRENT_USER\\Software\\Quenta\\Arcade Vorpex\\1.0\\SAVE]\r\n\"ISSTORED\"=hex:01\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("\"SWORDSFOUND\"=hex:0d,00,00,00\r\n"), std::string::npos) << "13 characters";
  EXPECT_NE(text.find("\"FOUNDWORDS\"=hex(1):41,4e,54,2c,54,41,4e,2c,4e,45,53,54,2c\r\n"), std::string::npos);

  ASSERT_TRUE(isGameStored(store, messages));
  GameState back;
  ASSERT_TRUE(loadSavedGame(back, store, messages));
  EXPECT_EQ(back.foundWords, (OneBased<std::string>{"ANT", "TAN", "NEST"}));
  EXPECT_EQ(back.nWordsFound, 3);
  EXPECT_EQ(back.rackLength, 6);
  EXPECT_EQ(back.boardWidth, 6);
  EXPECT_EQ(back.rack, levelInPlay().rack);
  EXPECT_EQ(back.score, 350);
  EXPECT_EQ(back.curLevelScore, 41);
  EXPECT_EQ(back.timeRem, 487) << "time comes back to the tenth of a second";
  EXPECT_EQ(back.solvingData.gameMode, MODE_TIMED);
  EXPECT_EQ(back.solvingData.curLevel, 2);
  EXPECT_EQ(back.solvingData.puzzleNumber, 4242);
  EXPECT_TRUE(messages.shown.empty());
}

// Another language's words hold letters beyond A to Z; a saved German or
// Spanish game once counted as damaged and was dropped at the next start.
TEST_F(SavedGameTest, WordsWithTheLanguagesOwnLettersComeBack) {
  GameState state = levelInPlay();
  state.wordList = WordList::german;
  state.rack = OneBased<uint8_t>{'A', 'E', 'G', 'R', 'R', 0xC4};
  state.foundWords = {"\xC4RGER", "REGR"};
  state.nWordsFound = 2;
  state.bonusWords = {"A\xD1O"};
  saveGame(state, store, messages);
  ASSERT_TRUE(isGameStored(store, messages));
  GameState back;
  ASSERT_TRUE(loadSavedGame(back, store, messages));
  EXPECT_EQ(back.foundWords, (OneBased<std::string>{"\xC4RGER", "REGR"}));
  EXPECT_EQ(back.bonusWords, (std::vector<std::string>{"A\xD1O"}));
  // A lower-case letter or a sign is still no word.
  for (const char* bad : {"\xE4RGER,", "AR-GE,"}) {
    saveGame(state, store, messages);
    overwrite("FOUNDWORDS", std::vector<uint8_t>(bad, bad + std::strlen(bad)), ValueType::string);
    overwriteInt("NWORDSFOUND", 1);
    overwriteInt("SWORDSFOUND", static_cast<int32_t>(std::strlen(bad)));
    EXPECT_FALSE(isGameStored(store, messages)) << bad;
  }
}

TEST_F(SavedGameTest, SaveWithNoWordFoundLeavesFoundWordsUntouched) {
  GameState state = levelInPlay();
  state.foundWords.clear();
  state.nWordsFound = 0;
  saveGame(state, store, messages);
  EXPECT_NE(fileText().find("\"FOUNDWORDS\"=hex(1):\r\n"), std::string::npos);
  GameState back;
  back.foundWords = {"OLD"};
  ASSERT_TRUE(loadSavedGame(back, store, messages));
  EXPECT_EQ(back.nWordsFound, 0);
  EXPECT_EQ(back.foundWords, OneBased<std::string>{"OLD"});
}

TEST_F(SavedGameTest, SavedGameIsOfferedOnceWhateverTheAnswer) {
  EXPECT_FALSE(isGameStored(store, messages)) << "a new player has none";
  EXPECT_NE(fileText().find("[HKEY_CURRENT_USER\\Software\\Quenta\\Arcade Vorpex\\1.0\\SAVE]"), std::string::npos)
      << "the first look creates the empty key";

  saveGame(levelInPlay(), store, messages);
  ASSERT_TRUE(isGameStored(store, messages));
  clearStoredGame(store, messages);  // "No thanks"
  EXPECT_FALSE(isGameStored(store, messages));

  saveGame(levelInPlay(), store, messages);
  GameState back;
  ASSERT_TRUE(loadSavedGame(back, store, messages));  // "Yes"
  EXPECT_FALSE(isGameStored(store, messages)) << "taken before anything was read";
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SavedGameTest, InconsistentSavedGamesCountAsNoneAndAreCleared) {
  SolvingData mode = levelInPlay().solvingData;
  const std::vector<std::pair<std::string, std::function<void()>>> damage = {
      {"rack of 4", [&] { overwrite("LENGTH", {4, 0}); }},
      {"rack of 9", [&] { overwrite("LENGTH", {9, 0}); }},
      {"rack not matching the level", [&] { overwrite("LENGTH", {7, 0}); }},
      {"mode 3", [&] { SolvingData m = mode; m.gameMode = 3; overwriteMode(m); }},
      {"level 0", [&] { SolvingData m = mode; m.curLevel = 0; overwriteMode(m); }},
      {"level 5", [&] { SolvingData m = mode; m.curLevel = 5; overwriteMode(m); }},
      {"puzzle 10001", [&] { SolvingData m = mode; m.puzzleNumber = 10001; overwriteMode(m); }},
      {"short MODE_NUM", [&] { overwrite("MODE_NUM", {1, 2, 3}); }},
      {"fewer commas than words", [&] { overwriteInt("NWORDSFOUND", 4); }},
      {"negative word count", [&] { overwriteInt("NWORDSFOUND", -1); }},
      {"lower-case word", [&] {
         overwrite("FOUNDWORDS", {'A', 'N', 'T', ',', 't', 'a', 'n', ',', 'N', 'E', 'S', 'T', ','}, ValueType::string);
       }},
      {"word longer than the rack", [&] {
         overwriteInt("SWORDSFOUND", 20);
         overwrite("FOUNDWORDS", std::vector<uint8_t>{'A','N','T',',','T','A','N',',','N','E','S','T','S','N','E','S','T','S','S',','},
                   ValueType::string);
       }},
      {"text shorter than its count", [&] { overwriteInt("SWORDSFOUND", 14); }},
      {"huge text count", [&] { overwriteInt("SWORDSFOUND", 0x7FFFFFFF); }},
      {"negative time", [&] { overwriteInt("TIMEREM", -5); }},
      {"unreadable score", [&] { overwrite("SCORE", {1, 2, 3, 4, 5}); }},
  };
  for (const auto& [what, apply] : damage) {
    saveGame(levelInPlay(), store, messages);
    apply();
    GameState untouched;
    EXPECT_FALSE(loadSavedGame(untouched, store, messages)) << what;
    EXPECT_EQ(untouched.rackLength, 0) << what;

    saveGame(levelInPlay(), store, messages);
    apply();
    EXPECT_FALSE(isGameStored(store, messages)) << what;
    overwrite("LENGTH", {6, 0});
    overwriteMode(mode);
    overwriteInt("NWORDSFOUND", 3);
    overwriteInt("SWORDSFOUND", 13);
    overwriteInt("TIMEREM", 10);
    overwriteInt("SCORE", 1);
    overwrite("FOUNDWORDS", {'A', 'N', 'T', ',', 'T', 'A', 'N', ',', 'N', 'E', 'S', 'T', ','}, ValueType::string);
    EXPECT_FALSE(isGameStored(store, messages)) << what << ": it was cleared, not only skipped";
  }
  EXPECT_TRUE(messages.shown.empty());
}

// A starting level of 0 in a saved game's image once made the next new game
// throw from the level table; one of 99 ended every new game at once.
TEST_F(SavedGameTest, OptionsInASavedGamesImageAreClampedAsTheSettingsAre) {
  for (const auto& [level, time, wantLevel, wantTime] :
       {std::tuple{0, 0, 1, 1}, std::tuple{99, 7, 4, 3}, std::tuple{3, 2, 3, 2}}) {
    saveGame(levelInPlay(), store, messages);
    SolvingData mode = levelInPlay().solvingData;
    mode.levelOption = static_cast<int16_t>(level);
    mode.timeOption = time;
    overwriteMode(mode);
    GameState state;
    ASSERT_TRUE(loadSavedGame(state, store, messages)) << level;
    EXPECT_EQ(state.solvingData.levelOption, wantLevel);
    EXPECT_EQ(state.solvingData.timeOption, wantTime);
  }
}

TEST_F(SavedGameTest, StoreThatCannotBeOpenedIsReportedByEachRoutine) {
  dir.write("arcade-vorpex", std::string("a file where the folder should be"));
  saveGame(levelInPlay(), store, messages);
  EXPECT_FALSE(isGameStored(store, messages));
  clearStoredGame(store, messages);
  GameState state = levelInPlay();
  EXPECT_FALSE(loadSavedGame(state, store, messages));
  EXPECT_EQ(state.score, 350) << "the state the caller prepared stays";
  EXPECT_EQ(messages.shown,
            (std::vector<std::string>{" Sorry - Save Failerd ", " Error - Loading the Saved Game Failerd",
                                      " Error - Loading the Saved Game Failerd", " Error - Load Saved Game Failerd"}));
}

}  // namespace
}  // namespace vorpex
