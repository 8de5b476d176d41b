// Letter case is the same bytes in every locale. Under a Turkish locale,
// which the toolkit puts in force for the C library, toupper('i') stays
// 'i': tiles read "i", found words "LiST", typing I picked nothing, and a
// game saved under one locale with an I was thrown away under another.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <clocale>
#include <cstdlib>
#include <string>

#include "definitions_file.h"
#include "drawn_dialog.h"
#include "engine_binding.h"
#include "fixed_random.h"
#include "game_session.h"
#include "puzzle_bridge.h"
#include "reg_file.h"
#include "recording_view.h"
#include "test_dictionaries.h"

namespace vorpex {
namespace {

class TurkishLocale : public ::testing::Test {
 protected:
  // The build compiles the locale into a folder of its own, so no system
  // locale is needed.
  TurkishLocale() : before_(std::setlocale(LC_ALL, nullptr)) {}
  void SetUp() override {
    setenv("LOCPATH", VORPEX_TEST_LOCALES, 1);
    ASSERT_NE(std::setlocale(LC_ALL, "tr_TR.UTF-8"), nullptr) << "no locale in " VORPEX_TEST_LOCALES;
  }
  ~TurkishLocale() override { std::setlocale(LC_ALL, before_.c_str()); }

 private:
  std::string before_;
};

TEST_F(TurkishLocale, WordsRackTypingStoreKeysMeaningsAndKeysFoldTheIAsAnywhereElse) {
  testing::TempDir dir;
  EngineBinding engine(VORPEX_ENGINE_LIBRARY);
  ASSERT_EQ(engine.loadLangDict(testing::writeDictionary(dir, {"quail", "ail", "lia", "qua"}).c_str()), 1);
  GameState state;
  state.boardWidth = 5;
  testing::FixedRandom random;
  buildPuzzle(state, engine, random, 0);
  EXPECT_EQ(std::string(state.rack.begin(), state.rack.end()), "AILQU");
  EXPECT_EQ(state.wordsBySize[5].words(1), "QUAIL");
  EXPECT_EQ(state.wordsBySize[3].words(1).find('i'), std::string::npos);

  testing::RecordingView view;
  testing::FixedPuzzles puzzles(state);
  GameSession session(state, view, puzzles);
  state.gameActive = true;
  EXPECT_TRUE(session.letterTyped('i'));
  EXPECT_EQ(state.selCount, 1);

  const RegParseResult parsed = parseRegFile(
      "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Quenta\\Arcade Vorpex\\1.0\\SAVE]\r\n\"isstored\"=hex:01\r\n");
  RegFile file = parsed.file;
  RegKey* save = file.findKey("HKEY_CURRENT_USER\\SOFTWARE\\QUENTA\\ARCADE VORPEX\\1.0\\SAVE");
  ASSERT_NE(save, nullptr);
  EXPECT_NE(RegFile::findValue(*save, "ISSTORED"), nullptr);

  const DefinitionsFile meanings("list\t|n|a series of items\n");
  EXPECT_EQ(meanings.lookUp("LIST").size(), 1u);

  for (const char16_t turkishI : {u'\u0130', u'\u0131'}) {
    const QKeyEvent key(QEvent::KeyPress, Qt::Key_I, Qt::NoModifier, QString(QChar(turkishI)));
    EXPECT_EQ(characterCode(key) & ~0x20, 'I') << static_cast<int>(turkishI);
  }
}

}  // namespace
}  // namespace vorpex
