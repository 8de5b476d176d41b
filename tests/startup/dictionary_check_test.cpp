// The start-up check that a dictionary can make every level.
#include "dictionary_check.h"

#include <gtest/gtest.h>

#include "engine_binding.h"
#include "test_dictionaries.h"
#include "translations.h"

namespace vorpex {
namespace {

TEST(DictionaryCheck, ShippedDictionaryIsFitToPlay) {
  EngineBinding engine(VORPEX_ENGINE_LIBRARY);
  EXPECT_EQ(loadAndCheckDictionary(engine, vorpex::testing::shippedDictionaryPath()), "");
  EXPECT_EQ(engine.llpGetNumWordsInSize(5), 0);
}

// Said in the text language, in UTF-8 as every message box takes it, with
// the file and folder as they are.
TEST(DictionaryCheck, MissingFileIsNamedWithItsFolderInTheTextLanguage) {
  vorpex::testing::TempDir dir;
  EngineBinding engine(VORPEX_ENGINE_LIBRARY);
  const std::string folder = dir.path().string();
  const struct {
    Language language;
    std::string said;
  } cases[] = {
      {Language::english, "The dictionary \"VORPEX.DICT\" in the folder \"" + folder + "\" could not be loaded"},
      {Language::german, "Das W\xC3\xB6rterbuch \xE2\x80\x9EVORPEX.DICT\xE2\x80\x9C im Ordner \xE2\x80\x9E" + folder +
                             "\xE2\x80\x9C konnte nicht geladen werden"},
  };
  for (const auto& c : cases) {
    setTextLanguage(c.language);
    const std::string message = loadAndCheckDictionary(engine, (dir.path() / "VORPEX.DICT").string());
    EXPECT_EQ(message.rfind(c.said, 0), 0u) << message;
  }
  setTextLanguage(Language::english);
}

TEST(DictionaryCheck, DictionaryWithoutSevenLetterWordsCannotMakeLevelThree) {
  vorpex::testing::TempDir dir;
  EngineBinding engine(VORPEX_ENGINE_LIBRARY);
  const auto path = vorpex::testing::writeDictionary(dir, {"stone", "stones", "stonewall"});
  const std::string message = loadAndCheckDictionary(engine, path);
  EXPECT_NE(message.find("has no words of 7 letters, so level 3 cannot be played"), std::string::npos)
      << message;
}

// A library lacking llpGetWord once passed the check and then ended the
// program in the middle of its first level.
TEST(DictionaryCheck, LibraryLackingAFunctionIsRefusedBeforePlay) {
  EngineBinding engine(VORPEX_ENGINE_WITHOUT_GET_WORD);
  try {
    loadAndCheckDictionary(engine, vorpex::testing::shippedDictionaryPath());
    FAIL() << "the check passed a library without llpGetWord";
  } catch (const EngineBindingError& error) {
    EXPECT_NE(std::string(error.what()).find("llpGetWord"), std::string::npos) << error.what();
  }
}

}  // namespace
}  // namespace vorpex
