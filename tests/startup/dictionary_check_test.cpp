// The start-up check that a dictionary can make every level.
#include <gtest/gtest.h>

#include "dictionary_check.h"
#include "engine_binding.h"
#include "test_dictionaries.h"

namespace vorpex {
namespace {

TEST(DictionaryCheck, ShippedDictionaryIsFitToPlay) {
  EngineBinding engine(VORPEX_ENGINE_LIBRARY);
  EXPECT_EQ(loadAndCheckDictionary(engine, vorpex::testing::shippedDictionaryPath()), "");
  EXPECT_EQ(engine.llpGetNumWordsInSize(5), 0);
}

TEST(DictionaryCheck, MissingFileIsNamedWithItsFolder) {
  vorpex::testing::TempDir dir;
  EngineBinding engine(VORPEX_ENGINE_LIBRARY);
  const std::string message = loadAndCheckDictionary(engine, (dir.path() / "VORPEX.DICT").string());
  EXPECT_NE(message.find("\"VORPEX.DICT\" in the folder \"" + dir.path().string() + "\""),
            std::string::npos)
      << message;
  EXPECT_NE(message.find("could not be loaded"), std::string::npos) << message;
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
