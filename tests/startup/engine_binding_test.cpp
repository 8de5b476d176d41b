// Binding the engine library by absolute path, and the errors start-up shows.
#include <gtest/gtest.h>

#include <filesystem>

#include "engine_binding.h"
#include "test_dictionaries.h"

namespace vorpex {
namespace {

std::string messageOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const EngineBindingError& error) {
    return error.what();
  }
  return "(no error)";
}

TEST(EngineBinding, MissingLibraryIsAnErrorNamingTheFileAndTheFolder) {
  EngineBinding engine("/no/such/folder/libwordcore.so");  // nothing happens until a call
  const std::string message = messageOf([&] { engine.loadLangDict("x"); });
  EXPECT_NE(message.find("\"libwordcore.so\" in the folder \"/no/such/folder\""), std::string::npos)
      << message;
  EXPECT_NE(messageOf([&] { engine.clearMemory(); }), "(no error)") << "every call reports it";
}

TEST(EngineBinding, LibraryWithoutAFunctionIsAnErrorNamingTheFunction) {
  EngineBinding engine(VORPEX_PARTIAL_ENGINE_LIBRARY);
  EXPECT_EQ(engine.loadLangDict("anything"), 1);
  engine.clearMemory();
  const std::string message = messageOf([&] { engine.makeLLPuzzleA(5, 0, -1); });
  EXPECT_NE(message.find("has no function \"makeLLPuzzleA\""), std::string::npos) << message;
  EXPECT_NE(message.find(std::filesystem::path(VORPEX_PARTIAL_ENGINE_LIBRARY).filename().string()),
            std::string::npos)
      << message;
}

TEST(EngineBinding, RelativePathIsRefusedRatherThanSearched) {
  EngineBinding engine("libwordcore.so");
  EXPECT_NE(messageOf([&] { engine.loadLangDict("x"); }).find("absolute path"), std::string::npos);
}

TEST(EngineBinding, RealLibraryAnswersThroughAllFiveFunctions) {
  EngineBinding engine(VORPEX_ENGINE_LIBRARY);
  ASSERT_EQ(engine.loadLangDict(vorpex::testing::shippedDictionaryPath().c_str()), 1);
  ASSERT_EQ(engine.makeLLPuzzleA(6, 77, -1), 0);
  ASSERT_GE(engine.llpGetNumWordsInSize(6), 1);
  char word[8];
  EXPECT_EQ(engine.llpGetWord(6, 1, word), word);
  EXPECT_EQ(std::string(word).size(), 6u);
  engine.clearMemory();
  EXPECT_EQ(engine.llpGetNumWordsInSize(6), 0);
}

}  // namespace
}  // namespace vorpex
