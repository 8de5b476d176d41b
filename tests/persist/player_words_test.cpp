// The bonus word list and the player's own words file, over files in
// memory; and the word list and bonus words a saved game keeps, with the
// settings' word choice, over a real store.
#include <gtest/gtest.h>

#include "bonus_word_file.h"
#include "memory_files.h"
#include "own_words_file.h"
#include "saved_game.h"
#include "settings_store.h"
#include "store_fixture.h"
#include "store_values.h"

namespace vorpex {
namespace {
using testing::MemoryFiles;

TEST(BonusWordFileTest, OnlyASortedListOfWordsIsUsedAndADamagedOneIsSaidOnce) {
  struct Case {
    const char* text;
    bool usable;
  };
  const Case cases[] = {
      {"ops\nsal\ntarn\n", true},  {"ops\nsal\ntarn", true},   {"", true},
      {"sal\nops\n", false},        {"ops\nops\n", false},      {"ops\nSal\n", false},
      {"ops\nsa\n", false},         {"ops\nsalsalsal\n", false}, {"ops\r\nsal\n", false},
      {"ops\n\nsal\n", false},
      // UTF-8 whose code-page bytes are in order: ü (0xFC) after z.
      {"ops\nsal\nzoo\n\xc3\xbc" "ber\n", true}, {"ops\n\xc3\xbc" "ber\nzoo\n", false},
      {"ops\n\xfc" "ber\n", false},  // Latin-1, not UTF-8
      {"ops\n\xc3\x9c" "ber\n", false},  // upper-case Ü
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    MemoryFiles files;
    files.files["/app/VORPEX.BONUS"] = c.text;
    BonusWordFile list(files, "/app/VORPEX.BONUS");
    std::vector<std::string> told;
    list.onProblem = [&](const std::string& problem) { told.push_back(problem); };
    const bool found = list.contains("OPS");
    list.contains("TARN");
    EXPECT_EQ(found, c.usable && std::string(c.text).size() > 0);
    EXPECT_EQ(told.size(), c.usable ? 0u : 1u);
    if (c.usable && *c.text) {
      EXPECT_TRUE(list.contains("SAL"));
      EXPECT_FALSE(list.contains("SA"));
      EXPECT_FALSE(list.contains("TARNS"));
    }
  }
  MemoryFiles none;
  BonusWordFile missing(none, "/app/VORPEX.BONUS");
  std::string told;
  missing.onProblem = [&](const std::string& problem) { told += problem; };
  EXPECT_FALSE(missing.contains("OPS"));
  EXPECT_NE(told.find("\"VORPEX.BONUS\" in the folder \"/app\""), std::string::npos) << told;
}

TEST(BonusWordFileTest, EachListsGameReadsItsOwnFileInItsOwnLetters) {
  MemoryFiles files;
  files.files["/app/VORPEX.BONUS"] = "ops\ntarn\n";
  files.files["/app/WORDS-DE.BONUS"] = "ops\n\xc3\xa4rger\n";
  WordList current = WordList::everydayBritish;
  BonusWordsByList lists(files, "/app/", current);
  EXPECT_TRUE(lists.contains("TARN"));
  EXPECT_FALSE(lists.contains("\xC4RGER"));
  current = WordList::german;
  EXPECT_TRUE(lists.contains("\xC4RGER"));
  EXPECT_FALSE(lists.contains("TARN"));
  EXPECT_FALSE(lists.contains("ARGER")) << "\xC4 is a letter of its own";
  current = WordList::french;
  std::vector<std::string> told;
  lists.onProblem = [&](const std::string& problem) { told.push_back(problem); };
  EXPECT_FALSE(lists.contains("OPS"));
  ASSERT_EQ(told.size(), 1u);
  EXPECT_NE(told[0].find("WORDS-FR.BONUS"), std::string::npos) << told[0];
}

TEST(BonusWordFileTest, TheShippedListHoldsBonusWordsAndNoSlur) {
  LocalFileSystem files;
  BonusWordFile list(files, std::string(VORPEX_APP_DIR) + "/VORPEX.BONUS");
  list.onProblem = [](const std::string& problem) { ADD_FAILURE() << problem; };
  for (const char* word : {"TARN", "OPS", "SAL", "LEY", "COLOUR", "COLOR", "PRICK"}) EXPECT_TRUE(list.contains(word)) << word;
  for (const char* slur : {"WETBACK", "REDSKIN", "SQUAW", "COOLIE", "GYP", "GYPPED", "SPIC", "KIKE"})
    EXPECT_FALSE(list.contains(slur)) << slur;
}

TEST(OwnWordsFileTest, ChoicesAreKeptWholeWithEveryLineThePlayerWrote) {
  MemoryFiles files;
  const std::string path = "/home/ada/.config/arcade-vorpex/own-words.txt";
  files.files[path] =
      "# mine\n[accepted]\ntarn\n  OPS  \nx1\n\n[never shown]\nrapist\ncock\n# end\nloose\n";
  OwnWordsFile own(files, path);
  std::vector<std::string> told;
  own.onProblem = [&](const std::string& problem) { told.push_back(problem); };
  own.load();
  ASSERT_EQ(told.size(), 1u) << "the damaged line is said once";
  EXPECT_NE(told[0].find("line 5"), std::string::npos) << told[0];
  EXPECT_TRUE(own.accepted("TARN"));
  EXPECT_TRUE(own.accepted("OPS"));
  EXPECT_TRUE(own.neverShown("RAPIST"));
  EXPECT_TRUE(own.neverShown("LOOSE"));
  EXPECT_FALSE(own.accepted("X1"));

  EXPECT_TRUE(own.accept("cock"));    // moves from one section to the other
  EXPECT_TRUE(own.neverShow("NEST"));
  EXPECT_EQ(files.files[path],
            "# mine\n[accepted]\ntarn\n  OPS  \nx1\ncock\n\n[never shown]\nrapist\n# end\nloose\nnest\n");

  // Read back, the same choices.
  OwnWordsFile again(files, path);
  again.load();
  EXPECT_TRUE(again.accepted("COCK"));
  EXPECT_FALSE(again.neverShown("COCK"));
  EXPECT_TRUE(again.neverShown("NEST"));

  // A new player's file is made with its sections and a word of help.
  MemoryFiles fresh;
  OwnWordsFile first(fresh, path);
  first.load();
  EXPECT_TRUE(first.accept("tarn"));
  EXPECT_NE(fresh.files[path].find("[accepted]\ntarn\n"), std::string::npos) << fresh.files[path];
  EXPECT_EQ(fresh.files[path].rfind("# ", 0), 0u);
}

TEST(OwnWordsFileTest, AFileThatCannotBeReadIsNeverWrittenOver) {
  MemoryFiles files;
  const std::string path = "/own-words.txt";
  files.files[path] = std::string(kOwnWordsLimit + 1, 'a');
  OwnWordsFile own(files, path);
  int told = 0;
  own.onProblem = [&](const std::string&) { ++told; };
  own.load();
  EXPECT_FALSE(own.accept("tarn"));
  EXPECT_TRUE(own.accepted("TARN")) << "it still holds for the session";
  EXPECT_EQ(files.files[path].size(), kOwnWordsLimit + 1);
  EXPECT_EQ(told, 1);
}

class WordListStoreTest : public testing::StoreTest {};

TEST_F(WordListStoreTest, ASavedGameKeepsItsListAndBonusWordsAndAnOlderOneIsClassic) {
  GameState played = testing::levelInPlay();
  played.wordList = WordList::everydayBritish;
  played.bonusWords = {"OPS", "TARN"};
  saveGame(played, store, messages);
  EXPECT_EQ(storedWordListName(store, messages), "everyday-british");
  GameState back;
  ASSERT_TRUE(loadSavedGame(back, store, messages));
  EXPECT_EQ(back.wordList, WordList::everydayBritish);
  EXPECT_EQ(back.bonusWords, played.bonusWords);

  // A game saved before word lists existed: the classic list, no bonus words.
  saveGame(testing::levelInPlay(), store, messages);
  const std::string text = fileText();
  std::string older = text.substr(0, text.find("\"WORDLIST\""));
  older += text.substr(text.find("\r\n", text.find("\"BONUSWORDS\"")) + 2);
  writeFileText(older);
  EXPECT_EQ(storedWordListName(store, messages), "classic");
  ASSERT_TRUE(loadSavedGame(back, store, messages));
  EXPECT_EQ(back.wordList, WordList::classic);
  EXPECT_TRUE(back.bonusWords.empty());

  // A list this version does not ship is named, for the question.
  saveGame(played, store, messages);
  const std::string name = "everyday-klingon";
  writeValue(kSavedGameKeyPath, "WORDLIST", ValueType::string,
             std::vector<uint8_t>(name.c_str(), name.c_str() + name.size() + 1));
  EXPECT_TRUE(isGameStored(store, messages));
  EXPECT_EQ(storedWordListName(store, messages), name);
}

TEST_F(WordListStoreTest, TheWordChoiceSpellingAndLanguageAreKeptAndABadValueIsItsDefault) {
  GameState state;
  state.preferences.words = WordChoice::classic;
  state.preferences.spelling = Spelling::british;
  state.preferences.language = Language::swedish;
  saveSettings(state, store, messages);
  GameState back;
  loadSettings(back, store, messages);
  EXPECT_EQ(back.preferences.words, WordChoice::classic);
  EXPECT_EQ(back.preferences.spelling, Spelling::british);
  EXPECT_EQ(back.preferences.language, Language::swedish);
  for (const int32_t bad : {2, -1, 77, 12}) {
    writeValue(kSettingsKeyPath, kWordsValue, ValueType::binary, toLE32(&bad, 1));
    writeValue(kSettingsKeyPath, kSpellingValue, ValueType::binary, toLE32(&bad, 1));
    writeValue(kSettingsKeyPath, kLanguageValue, ValueType::binary, toLE32(&bad, 1));
    loadSettings(back, store, messages);
    EXPECT_EQ(back.preferences.words, WordChoice::everyday) << bad;
    EXPECT_EQ(back.preferences.spelling, bad == 2 ? Spelling::british : Spelling::desktop) << bad;
    EXPECT_EQ(back.preferences.language, bad == 2 ? std::optional(Language::danish) : std::nullopt) << bad;
  }
}

}  // namespace
}  // namespace vorpex
