// Settings, sound switches and best scores through the file-backed store.
#include <gtest/gtest.h>

#include <functional>

#if !defined(_WIN32)
#include <sys/stat.h>
#endif

#include "settings_store.h"
#include "solving_data_image.h"
#include "store_fixture.h"
#include "store_values.h"

namespace vorpex {
namespace {

class SettingsTest : public testing::StoreTest {
 protected:
  void storeValue(const std::string& name, ValueType type, const std::vector<uint8_t>& data) {
    writeValue(kSettingsKeyPath, name, type, data);
  }
  void storeName(int table, int row, const std::string& name) {
    std::vector<uint8_t> bytes(name.begin(), name.end());
    bytes.push_back(0);
    storeValue(std::to_string(table) + "STATS" + std::to_string(row), ValueType::string, bytes);
  }
  GameState loaded() {
    GameState state;
    loadSettings(state, store, messages);
    return state;
  }
};

TEST_F(SettingsTest, NoKeyAtAllGivesTheDefaults) {
  const GameState state = loaded();
  EXPECT_EQ(state.solvingData.levelOption, 1);
  EXPECT_EQ(state.solvingData.timeOption, 1);
  EXPECT_EQ(state.solvingData.puzzleNumber, 0);
  EXPECT_EQ(state.solvingData.statsView, 0);
  EXPECT_EQ(state.solvingData.sizeIndex, 0);
  EXPECT_EQ(state.solvingData.gameMode, 0);
  EXPECT_EQ(state.solvingData.curLevel, 0);
  for (int16_t s : state.soundOptions) EXPECT_EQ(s, 1);
  for (int t = 1; t <= 2; ++t) {
    for (size_t r = 1; r <= 8; ++r) {
      EXPECT_EQ(state.bestScores[Language::english][t].names(r), "Anononymous");
      EXPECT_EQ(state.bestScores[Language::english][t].scores(r), 0);
    }
  }
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SettingsTest, OptionsOutsideTheirRangesAreBroughtIntoThem) {
  const std::pair<int32_t, int32_t> stored[] = {{0, 0}, {-3, -1}, {5, 9}, {3, 2}};
  // Only timeOption's low half is stored: -1 comes back as 65535, above the range.
  const std::pair<int32_t, int32_t> expected[] = {{1, 1}, {1, 3}, {4, 3}, {3, 2}};
  for (size_t i = 0; i < 4; ++i) {
    SolvingData data;
    data.levelOption = stored[i].first;
    data.timeOption = stored[i].second;
    const auto image = writeSolvingDataImage(data);
    storeValue("SOLVINGDATA", ValueType::binary, {image.begin(), image.end()});
    const GameState state = loaded();
    EXPECT_EQ(state.solvingData.levelOption, expected[i].first) << i;
    EXPECT_EQ(state.solvingData.timeOption, expected[i].second) << i;
  }
}

TEST_F(SettingsTest, NameTooLongForItsBufferOrMissingLosesItsRowsScore) {
  const int32_t scores[8] = {900, 800, 700, 600, 500, 400, 300, 200};
  const auto bytes = toLE32(scores, 8);
  storeValue("1STATS", ValueType::binary, bytes);
  for (int r = 1; r <= 8; ++r) storeName(1, r, "Player " + std::to_string(r));
  storeName(1, 2, std::string(25, 'x'));  // 26 bytes with its NUL: too long
  storeName(1, 3, std::string(24, 'y'));  // exactly fills the 25-byte buffer
  storeValue("1STATS5", ValueType::binary, {});  // present but empty, so no NUL to drop
  GameState state = loaded();
  const ScoreTable& table = state.bestScores[Language::english][1];
  EXPECT_EQ(table.names(1), "Player 1");
  EXPECT_EQ(table.scores(1), 900);
  EXPECT_EQ(table.names(2), "Anononymous");
  EXPECT_EQ(table.scores(2), 0);
  EXPECT_EQ(table.names(3), std::string(24, 'y'));
  EXPECT_EQ(table.scores(3), 700);
  EXPECT_EQ(table.names(5), "");
  EXPECT_EQ(state.bestScores[Language::english][2].names(1), "Anononymous") << "the other table has no names at all";
}

TEST_F(SettingsTest, ShortSoundOptionsReplacesOnlyItsBytes) {
  storeValue("SOUNDOPTIONS", ValueType::binary, {0, 0, 1, 0, 0});  // switches 0, 1 and half of 2
  GameState state;
  state.soundOptions.fill(0x0707);
  loadSettings(state, store, messages);
  EXPECT_EQ(state.soundOptions, (std::array<int16_t, 7>{0, 1, 0x0700, 0x0707, 0x0707, 0x0707, 0x0707}));
}

TEST_F(SettingsTest, UnreadableSoundOptionsTurnEverySoundOn) {
  storeValue("SOUNDOPTIONS", ValueType::binary, std::vector<uint8_t>(20, 0));  // longer than 14
  GameState state;
  state.soundOptions.fill(0);
  loadSettings(state, store, messages);
  for (int16_t s : state.soundOptions) EXPECT_EQ(s, 1);
}

TEST_F(SettingsTest, SavedSettingsLoadBackWhole) {
  const GameState state = testing::settingsWorthKeeping();
  saveSettings(state, store, messages);

  GameState back;
  loadSettings(back, store, messages);
  EXPECT_EQ(back.solvingData, state.solvingData);
  EXPECT_EQ(back.soundOptions, state.soundOptions);
  EXPECT_EQ(back.bestScores[Language::english][2].names(1), "Zo\xeb with 19 chars!");
  EXPECT_EQ(back.bestScores[Language::english][2].scores(1), 40000);
  EXPECT_EQ(back.bestScores[Language::english][1].names(8), "Anonoymous");
  EXPECT_EQ(back.bestScores[Language::english][1].names(1), "") << "an empty name written is an empty name read";
  EXPECT_TRUE(messages.shown.empty());

  const std::string text = fileText();
  EXPECT_NE(text.find("\"SOLVINGDATA\"=hex:d2,04,00,00,01,00,00,00,02,00,02,00,03,00,00,00,02,00,00,"),
            std::string::npos);
  EXPECT_NE(text.find("\"2STATS1\"=\"Zo\xeb with 19 chars!\"\r\n"), std::string::npos);
}

// Each language beyond English keeps its Halls of Fame in a value of its own
// per mode; English's stay in the classic values, and a language never
// played adds nothing to the store.
TEST_F(SettingsTest, EachLanguagesHallOfFameIsAValueOfItsOwnPerMode) {
  GameState state = testing::settingsWorthKeeping();
  for (size_t r = 1; r <= 8; ++r) state.bestScores[Language::german][2].names(r) = "Anononymous";
  state.bestScores[Language::german][2].names(1) = "J\xFCrgen";
  state.bestScores[Language::german][2].scores(1) = 777;
  state.bestScores[Language::german][2].names(2) = std::string(30, 'x');  // kept to 24
  saveSettings(state, store, messages);
  const std::string text = fileText();
  EXPECT_NE(text.find("\"2STATS-DE\"=hex:09,03,00,00"), std::string::npos) << text;
  EXPECT_EQ(text.find("\"1STATS-DE\""), std::string::npos) << "an untouched table is not written";
  EXPECT_EQ(text.find("STATS-FR"), std::string::npos);

  GameState back = loaded();
  EXPECT_EQ(back.bestScores[Language::german][2].names(1), "J\xFCrgen");
  EXPECT_EQ(back.bestScores[Language::german][2].scores(1), 777);
  EXPECT_EQ(back.bestScores[Language::german][2].names(2), std::string(24, 'x'));
  EXPECT_EQ(back.bestScores[Language::german][1].names(1), "Anononymous");
  EXPECT_EQ(back.bestScores[Language::english][2].names(1), "Zo\xeb with 19 chars!") << "English's as before";

  // Cleared back to the default, the stored table is replaced, not kept.
  back.bestScores[Language::german][2] = GameState{}.bestScores[Language::german][2];
  for (size_t r = 1; r <= 8; ++r) back.bestScores[Language::german][2].names(r) = "Anononymous";
  saveSettings(back, store, messages);
  EXPECT_EQ(loaded().bestScores[Language::german][2].scores(1), 0);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SettingsTest, ALanguagesTableThatIsNotEightScoresAndEightNamesIsTheDefault) {
  const std::vector<uint8_t> scores = toLE32(std::vector<int32_t>{90, 80, 70, 60, 50, 40, 30, 20}.data(), 8);
  auto withNames = [&](const std::vector<std::string>& names, bool trailing = false) {
    std::vector<uint8_t> bytes = scores;
    for (const std::string& name : names) {
      bytes.insert(bytes.end(), name.begin(), name.end());
      bytes.push_back(0);
    }
    if (trailing) bytes.push_back('!');
    return bytes;
  };
  const std::vector<std::string> eight(8, "Ana");
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
    int32_t firstScore;
  };
  const Case cases[] = {
      {"eight scores and eight names", withNames(eight), 90},
      {"names of 24 characters", withNames(std::vector<std::string>(8, std::string(24, 'n'))), 90},
      {"seven names", withNames(std::vector<std::string>(7, "Ana")), 0},
      {"a byte after the eighth name", withNames(eight, true), 0},
      {"a name of 25 characters", withNames({std::string(25, 'n'), "a", "b", "c", "d", "e", "f", "g"}), 0},
      {"scores only", scores, 0},
      {"nothing", {}, 0},
  };
  for (const Case& c : cases) {
    storeValue("1STATS-SV", ValueType::binary, c.bytes);
    const GameState state = loaded();
    EXPECT_EQ(state.bestScores[Language::swedish][1].scores(1), c.firstScore) << c.what;
    EXPECT_EQ(state.bestScores[Language::swedish][1].names(8),
              c.firstScore ? state.bestScores[Language::swedish][1].names(8) : "Anononymous")
        << c.what;
  }
}

// The switches beyond the settings record ("Type letters", "Show meanings")
// live in values of their own: the record keeps its 22 bytes, each switch is
// written apart from the other, and anything but a stored 1 leaves it off.
TEST_F(SettingsTest, EachLaterSwitchIsItsOwnValueAndOffUnlessItReadsOne) {
  struct Switch {
    const char* value;
    bool Preferences::*field;
  };
  for (const Switch& sw : {Switch{kTypeLettersValue, &Preferences::typeLetters},
                           Switch{kMeaningsValue, &Preferences::showMeanings},
                           Switch{kHighContrastValue, &Preferences::highContrast}}) {
    SCOPED_TRACE(sw.value);
    EXPECT_FALSE(loaded().preferences.*sw.field) << "no value";
    GameState state = testing::settingsWorthKeeping();
    state.preferences.*sw.field = true;
    saveSettings(state, store, messages);
    const GameState back = loaded();
    EXPECT_TRUE(back.preferences.*sw.field);
    EXPECT_EQ(back.preferences.typeLetters + back.preferences.showMeanings + back.preferences.highContrast, 1) << "the other switches stay off";
    EXPECT_NE(fileText().find("\"" + std::string(sw.value) + "\"=hex:01,00,00,00"), std::string::npos) << fileText();
    EXPECT_EQ(writeSolvingDataImage(back.solvingData), writeSolvingDataImage(state.solvingData));
    for (const std::vector<uint8_t>& bad : {std::vector<uint8_t>{2, 0, 0, 0}, std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFF},
                                            std::vector<uint8_t>{1, 0, 0, 0, 0, 0, 0, 0}, std::vector<uint8_t>{1},
                                            std::vector<uint8_t>{}}) {
      storeValue(sw.value, ValueType::binary, bad);
      EXPECT_FALSE(loaded().preferences.*sw.field) << bad.size() << " bytes";
    }
    state.preferences.*sw.field = false;
    saveSettings(state, store, messages);
    EXPECT_FALSE(loaded().preferences.*sw.field);
  }
}

// The window's zoom: a value of its own, in percent or 0 for "fit"; a
// missing or bad one means 100 %.
TEST_F(SettingsTest, ZoomIsItsOwnValueAndOneHundredPercentUnlessItReadsRight) {
  EXPECT_EQ(loaded().preferences.zoomPercent, 100) << "no value";
  GameState state = testing::settingsWorthKeeping();
  for (const int32_t kept : {150, 0, 400, 100}) {
    state.preferences.zoomPercent = kept;
    saveSettings(state, store, messages);
    EXPECT_EQ(loaded().preferences.zoomPercent, kept);
  }
  EXPECT_NE(fileText().find("\"ZOOM\"=hex:64,00,00,00"), std::string::npos) << fileText();
  for (const std::vector<uint8_t>& bad :
       {std::vector<uint8_t>{99, 0, 0, 0}, std::vector<uint8_t>{0x91, 0x01, 0, 0} /* 401 */,
        std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFF}, std::vector<uint8_t>{150, 0}, std::vector<uint8_t>{}}) {
    storeValue(kZoomValue, ValueType::binary, bad);
    EXPECT_EQ(loaded().preferences.zoomPercent, 100) << bad.size() << " bytes";
  }
}

TEST_F(SettingsTest, StoreThatCannotBeOpenedIsReportedAndDefaultsApply) {
  dir.write("arcade-vorpex", std::string("a file where the folder should be"));
  GameState state;
  state.soundOptions.fill(0);
  loadSettings(state, store, messages);
  EXPECT_EQ(messages.shown, std::vector<std::string>{" Error Failerd"});
  EXPECT_EQ(state.solvingData.levelOption, 1);
  EXPECT_EQ(state.solvingData.timeOption, 1);
  for (int16_t s : state.soundOptions) EXPECT_EQ(s, 1);
  EXPECT_EQ(state.bestScores[Language::english][1].names(4), "Anononymous");

  saveSettings(state, store, messages);
  EXPECT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown.back(), " Error Failerd");
}

TEST_F(SettingsTest, FailedWriteIsReportedRatherThanLostSilently) {
  testing::FailingRename failing;
  RegFileStore interrupted(storePath(), failing);
  saveSettings(GameState(), interrupted, messages);
  EXPECT_EQ(messages.shown, std::vector<std::string>{" Error Failerd"});
  EXPECT_EQ(messages.explained, std::vector<std::string>{storePath() + ": cannot be replaced"});
}

#if !defined(_WIN32)
// A store made read-only by its owner was replaced anyway, and a copy that
// could not lock the store overwrote what another copy wrote.
TEST_F(SettingsTest, AStoreThatMustNotBeWrittenStaysAsItWasAndTheBoxIsExplained) {
  struct Case {
    const char* what;
    std::function<void(RegFileStore&)> prepare;
    std::string explained;
  };
  const std::string lockProblem = storePath() + ".lock: is not a plain file";
  const Case cases[] = {
      {"made read-only", [&](RegFileStore&) { chmod(storePath().c_str(), 0444); }, storePath() + ": is read-only"},
      {"its lock not had", [&](RegFileStore& s) { s.refuseWrites(lockProblem); }, lockProblem},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    writeFileText("REGEDIT4\r\n\r\n");
    RegFileStore guarded(storePath(), files);
    c.prepare(guarded);
    messages = testing::RecordingMessages();
    GameState state;
    state.solvingData.levelOption = 3;
    saveSettings(state, guarded, messages);
    EXPECT_EQ(fileText(), "REGEDIT4\r\n\r\n");
    EXPECT_EQ(messages.shown, std::vector<std::string>{" Error Failerd"});
    EXPECT_EQ(messages.explained, std::vector<std::string>{c.explained});
    chmod(storePath().c_str(), 0644);
  }
}
#endif

}  // namespace
}  // namespace vorpex
