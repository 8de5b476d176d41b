// Binding the engine library by absolute path, and the errors start-up shows.
#include <gtest/gtest.h>

#include <filesystem>

#include "engine_binding.h"
#include "engine_path.h"
#include "temp_files.h"
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

#if defined(_WIN32)
// A folder named in letters the ANSI code page lacks, on a volume that keeps
// no short names (the short-name call fails): the engine once got a mangled
// path and could not open the dictionary.
TEST(EnginePath, ADictionaryInAFolderTheCodePageCannotNameOpensWithOrWithoutShortNames) {
  testing::TempDir dir;
  const std::filesystem::path folder = dir.path() / std::filesystem::path(u8"\u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac");
  std::filesystem::create_directories(folder);
  std::filesystem::copy_file(testing::writeDictionary(dir, {"ant", "tan"}), folder / "VORPEX.DICT");
  const std::u8string u8 = (folder / "VORPEX.DICT").u8string();
  const std::string utf8(u8.begin(), u8.end());
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(folder);  // as start-up sets the program folder
  const ShortPathLookup none = [](const std::wstring&) { return std::wstring(); };
  for (const auto& [how, lookup] : {std::pair<const char*, ShortPathLookup>{"short names", systemShortPath},
                                    std::pair<const char*, ShortPathLookup>{"no short names", none}}) {
    const std::string narrow = pathForEngine(utf8, lookup);
    std::FILE* opened = std::fopen(narrow.c_str(), "rb");
    EXPECT_NE(opened, nullptr) << how << ": " << narrow;
    if (opened) std::fclose(opened);
  }
  std::filesystem::current_path(before);
  EXPECT_EQ(pathForEngine("C:\\Games\\VORPEX.DICT", none), "C:\\Games\\VORPEX.DICT") << "a path the code page holds";
}
#endif

}  // namespace
}  // namespace vorpex
