// The languages: which one a desktop names, which tile a typed key picks in
// each, and that every list keeps a name and files of its own.
#include "languages.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "found_words.h"
#include "game_rules.h"
#include "session_fixture.h"

namespace vorpex {
namespace {

TEST(Languages, ADesktopLocaleNamesTheLanguageWhereTheGameHasIt) {
  struct Case {
    const char* locale;
    Language expected;
  };
  for (const Case& c : {Case{"de_DE.UTF-8", Language::german}, {"de-AT", Language::german},
                        {"fr_CA@euro", Language::french}, {"pt_BR", Language::portuguese},
                        {"nb_NO", Language::norwegian}, {"nn_NO", Language::norwegian},
                        {"no", Language::norwegian}, {"sv", Language::swedish}, {"ES_es", Language::spanish},
                        {"gl_ES", Language::galician}, {"ca_ES.UTF-8", Language::catalan},
                        {"en_GB", Language::english}, {"tr_TR", Language::english}, {"", Language::english},
                        {"C", Language::english}, {"deu_DE", Language::english}, {"d", Language::english}})
    EXPECT_EQ(languageForLocale(c.locale), c.expected) << c.locale;
}

TEST(Languages, ATypedKeyPicksItsOwnLetterOrItsBaseNeverTheOtherWayRound) {
  struct Case {
    Language language;
    char32_t typed;
    std::optional<char> tile;
  };
  const std::optional<char> none;
  const Case cases[] = {
      {Language::english, U'a', 'A'},          {Language::english, U'Q', 'Q'},
      {Language::english, U'\u00E9', none},    // é: English has no accents
      {Language::french, U'\u00E9', 'E'},      {Language::french, U'\u00C7', 'C'},
      {Language::french, U'\u0153', none},     // œ is two letters
      {Language::german, U'\u00E4', '\xC4'},   {Language::german, U'\u00DC', '\xDC'},
      {Language::german, U'\u00E9', 'E'},      {Language::german, U'\u00DF', none},
      {Language::spanish, U'\u00F1', '\xD1'},  {Language::spanish, U'\u00E1', 'A'},
      {Language::spanish, U'\u00E4', 'A'},     {Language::spanish, U'n', 'N'},
      {Language::portuguese, U'\u00E7', '\xC7'}, {Language::portuguese, U'\u00E3', 'A'},
      {Language::catalan, U'\u00E7', '\xC7'},  {Language::italian, U'\u00F9', 'U'},
      {Language::swedish, U'\u00E5', '\xC5'},  {Language::swedish, U'\u00F8', none},
      {Language::danish, U'\u00F8', '\xD8'},   {Language::danish, U'\u00C6', '\xC6'},
      {Language::danish, U'\u00F6', 'O'},      {Language::norwegian, U'\u00E5', '\xC5'},
      {Language::galician, U'\u00D1', '\xD1'}, {Language::dutch, U'\u00EB', 'E'},
      {Language::dutch, U'7', none},           {Language::german, U'\u4E2D', none},
      {Language::french, U'\u0160', 'S'},
  };
  for (const Case& c : cases)
    EXPECT_EQ(typedLetter(c.language, c.typed), c.tile)
        << factsOf(c.language).code << " U+" << std::hex << static_cast<uint32_t>(c.typed);
}

TEST(Languages, EveryListHasANameAndFilesOfItsOwnAndItsLanguage) {
  std::set<std::string> names, dictionaries;
  for (const WordList list : kWordLists) {
    EXPECT_EQ(wordListNamed(storedName(list)), list);
    EXPECT_TRUE(names.insert(storedName(list)).second) << storedName(list);
    EXPECT_TRUE(dictionaries.insert(dictionaryFileOf(list)).second) << dictionaryFileOf(list);
  }
  for (const LanguageFacts& facts : kLanguages) {
    EXPECT_EQ(&factsOf(facts.id), &facts);
    EXPECT_EQ(languageNumbered(static_cast<int32_t>(facts.id)), facts.id);
    EXPECT_EQ(languageOf(facts.list), facts.id);
    EXPECT_EQ(languageForLocale(facts.code), facts.id);
  }
  EXPECT_EQ(languageOf(WordList::classic), Language::english);
  EXPECT_EQ(languageOf(WordList::everydayBritish), Language::english);
  EXPECT_EQ(languageNumbered(12), std::nullopt);
  EXPECT_EQ(languageNumbered(-1), std::nullopt);
  // Classic words are English whatever the language.
  EXPECT_EQ(gameWordList(WordChoice::classic, Spelling::desktop, Spelling::british, WordList::german),
            WordList::classic);
  EXPECT_EQ(gameWordList(WordChoice::everyday, Spelling::desktop, Spelling::british, WordList::german),
            WordList::german);
  EXPECT_EQ(gameWordList(WordChoice::everyday, Spelling::desktop, Spelling::british, WordList::everydayAmerican),
            WordList::everydayBritish);
}

using LanguageTyping = testing::SessionTest;

struct Halves : RandomSource {
  double nextFraction() override { return 0.5; }
};

// In a German game Ä is a tile of its own: typing ä takes it, typing a does not.
TEST_F(LanguageTyping, TheGamesLanguageDecidesWhichTileAKeyTakes) {
  state.preferences.typeLetters = true;
  session.newGame(MODE_CLASSIC);
  state.wordList = WordList::german;
  state.rack = OneBased<uint8_t>{'B', 0xC4, 'R', 'E', 'N'};
  view.refresh();
  Halves random;
  session.keyTyped('a', random);
  EXPECT_EQ(state.selCount, 0) << "A is not \xC4";
  session.keyTyped(0xE4, random);
  ASSERT_EQ(state.selCount, 1);
  EXPECT_EQ(state.selOrder(1), 2);
  session.keyTyped(0xC9, random);  // É types E
  ASSERT_EQ(state.selCount, 2);
  EXPECT_EQ(state.selOrder(2), 4);
  state.wordList = WordList::everydayAmerican;
  session.keyTyped(0xCB, random);  // Ë: no letter of English
  EXPECT_EQ(state.selCount, 2);
}

// Words of one length read in each language's alphabetical order, its own
// letters where its dictionaries put them; English's is the code page's.
TEST(Languages, WordsSortInTheirLanguagesAlphabeticalOrder) {
  struct Case {
    Language language;
    const char* first;
    const char* second;
  };
  const Case cases[] = {
      {Language::english, "ANT", "TAN"},
      {Language::english, "TAN", "ANTS"},    // shorter first
      {Language::spanish, "A\xD1O", "AOB"},  // Ñ after N, before O
      {Language::galician, "A\xD1O", "AOB"},
      {Language::german, "\xC4RA", "BAR"},  // Ä with A
      {Language::german,
       "\xFC"
       "ber",
       "VIER"},  // either case
      {Language::swedish, "\xC5R", "\xC4R"},
      {Language::swedish, "\xC4R", "\xD6R"},
      {Language::swedish, "ZOO", "\xC5RA"},
      {Language::danish, "\xC6G", "\xD8G"},
      {Language::danish, "\xD8G", "\xC5G"},
      {Language::norwegian, "ZZ\xC6", "\xC5ZZ"},
      {Language::portuguese, "A\xC7O", "ADO"},
      {Language::catalan, "A\xC7O", "ADO"},
  };
  for (const Case& c : cases) {
    EXPECT_LT(compareWords(c.first, c.second, c.language), 0) << factsOf(c.language).code << " " << c.first;
    EXPECT_GT(compareWords(c.second, c.first, c.language), 0) << factsOf(c.language).code << " " << c.first;
  }
  EXPECT_EQ(compareWords("\xC5R", "\xE5r", Language::swedish), 0);
  EXPECT_EQ(compareWords("ANT", "ant"), 0);

  // The found words, and the results, of a game keep its language's order.
  GameState state;
  state.wordList = WordList::spanish;
  for (const char* word : {"AOB", "A\xD1O", "ANA"}) addFoundWord(state, word);
  EXPECT_EQ(state.foundWords, (OneBased<std::string>{"ANA", "A\xD1O", "AOB"}));
  state.boardWidth = 3;
  state.wordsBySize[3].count = 3;
  state.wordsBySize[3].words = OneBased<std::string>{"ANA", "AOB", "A\xD1O"};  // the engine's byte order
  collectAllWords(state);
  EXPECT_EQ(state.allWords, state.foundWords);
}

}  // namespace
}  // namespace vorpex
