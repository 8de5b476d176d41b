#include "dictionary_check.h"

#include "program_files.h"

namespace vorpex {

std::string loadAndCheckDictionary(WordEngine& engine, const std::string& dictionaryPath) {
  const std::string where = "The dictionary " + files::describeLocation(dictionaryPath);
  if (engine.loadLangDict(dictionaryPath.c_str()) != 1)
    return where + " could not be loaded: it is missing, unreadable or damaged.";
  for (int32_t length = 5; length <= 8; ++length) {
    // Every one of the five functions is called here, so that a library
    // lacking one is refused now rather than failing in the middle of play.
    char word[16] = {};
    const bool made = engine.makeLLPuzzleA(length, 0, -1) == 0 && engine.llpGetNumWordsInSize(length) >= 1 &&
                      engine.llpGetWord(length, 1, word) != nullptr;
    engine.clearMemory();
    if (!made)
      return where + " has no words of " + std::to_string(length) + " letters, so level " +
             std::to_string(length - 4) + " cannot be played.";
  }
  return {};
}

}  // namespace vorpex
