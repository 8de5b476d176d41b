// The texts in each language: the windows' language picks the numbered texts
// and the spoken ones, English stays exactly as it was, and every language
// fills the same placeholders.
#include "translations.h"

#include <gtest/gtest.h>

#include <string>

#include "session_fixture.h"
#include "spoken_texts.h"
#include "text_resources.h"

namespace vorpex {
namespace {

// Sets the text language for one test and puts English back after it.
struct TextLanguage {
  explicit TextLanguage(Language language) { setTextLanguage(language); }
  ~TextLanguage() { setTextLanguage(Language::english); }
};

TEST(Translations, EachLanguageSpeaksItsOwnTextsAndEnglishStaysAsItWas) {
  struct Case {
    Language language;
    const char* menuCaption;  // the first menu button's, code-page bytes
    const char* tile;         // a tile's name to a screen reader
  };
  const Case cases[] = {
      {Language::english, "CLASSIC ARCADE", "Tile A"},
      {Language::catalan, "ARCADE CL\xC0SSIC", "Fitxa A"},
      {Language::danish, "KLASSISK ARCADE", "Brik A"},
      {Language::german, "ARCADE KLASSISCH", "Stein A"},
      {Language::spanish, "ARCADE CL\xC1SICO", "Ficha A"},
      {Language::french, "ARCADE CLASSIQUE", "Jeton A"},
      {Language::galician, "ARCADE CL\xC1SICO", "Ficha A"},
      {Language::italian, "ARCADE CLASSICO", "Tessera A"},
      {Language::norwegian, "KLASSISK ARKADE", "Brikke A"},
      {Language::dutch, "KLASSIEK ARCADE", "Steen A"},
      {Language::portuguese, "ARCADE CL\xC1SSICO",
       "Pe\xE7"
       "a A"},
      {Language::swedish, "KLASSISK ARKAD", "Bricka A"},
  };
  GameState state;
  state.rack = OneBased<uint8_t>{'A', 'N', 'T'};
  size_t texts = 0;
  for (const Case& c : cases) {
    TextLanguage shown(c.language);
    EXPECT_EQ(loadText(kMenuCaptionText + 1), c.menuCaption) << factsOf(c.language).code;
    EXPECT_EQ(tileName(state, 1), c.tile) << factsOf(c.language).code;
    // Every language but English has a table, and each the same texts.
    if (c.language == Language::english) {
      EXPECT_EQ(translationCount(c.language), 0u);
    } else if (texts == 0) {
      texts = translationCount(c.language);
      EXPECT_GT(texts, 100u);
    } else {
      EXPECT_EQ(translationCount(c.language), texts) << factsOf(c.language).code;
    }
    // Placeholders are all filled, whatever the language moved them to.
    const std::string passed = formatResString(kLevelPassedText, {"|1", 2, "|2", 11, "|3", 30, "|4", 120, "|5", 40});
    EXPECT_EQ(passed.find('|'), std::string::npos) << passed;
    for (const char* number : {"2", "11", "30", "120", "40"})
      EXPECT_NE(passed.find(number), std::string::npos) << passed;
  }
  // Back in English, the odd spellings are the game's own.
  EXPECT_EQ(loadText(kMenuCaptionText + 6), "INSTRUCTTIONS");
  EXPECT_EQ(translated(Language::german, "a text no table has"), std::string("a text no table has"));
}

TEST(Translations, SpokenSentencesComeWholeInTheLanguage) {
  GameState state;
  state.rack = OneBased<uint8_t>{'A', 'N', 'T'};
  state.listTop = 1;
  TextLanguage shown(Language::german);
  EXPECT_EQ(listShownText(state, 30), "W\xF6rter 1 bis 13 von 30");
  EXPECT_EQ(bonusWordText("TARN", 10, 56), "TARN: Bonuswort, 10 Punkte. Punktestand 56");
  EXPECT_EQ(answerSlotsName(state), "Wort: leer");
}

// Messages carry paths and the system's reasons, which are UTF-8 and may
// hold anything, a placeholder's spelling included.
TEST(Translations, MessagesAreUtf8WithEachValueInsertedAsItStands) {
  const struct {
    Language language;
    const char* english;
    std::vector<std::string_view> values;
    std::string said;
  } cases[] = {
      {Language::english, "|1: cannot be locked: |2", {"/tmp/a|2b", "Busy"}, "/tmp/a|2b: cannot be locked: Busy"},
      {Language::german,
       "|1: cannot be locked: |2",
       {"/tmp/a|2b", "Busy"},
       "/tmp/a|2b: kann nicht gesperrt werden: Busy"},
      {Language::german,
       "|1: is a symbolic link",
       {"/t/\xC3\xA9"},
       "/t/\xC3\xA9: ist eine symbolische Verkn\xC3\xBCpfung"},
      {Language::swedish, " Sorry - Save Failerd ", {}, " Tyv\xC3\xA4rr - Det gick inte att spara "},
      {Language::french,
       "|1\n\nThe game plays with the classic words.",
       {"X"},
       "X\n\nLe jeu se joue avec les mots classiques."},
      // A placeholder without its value, and a text no table has, stay as written.
      {Language::german, "|1 and |3", {"x"}, "x and |3"},
  };
  for (const auto& c : cases) {
    TextLanguage shown(c.language);
    EXPECT_EQ(translatedMessage(c.english, c.values), c.said) << c.english;
  }
}

}  // namespace
}  // namespace vorpex
