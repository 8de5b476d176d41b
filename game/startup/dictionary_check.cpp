#include "dictionary_check.h"

#include "program_files.h"
#include "translations.h"

namespace vorpex {

std::string loadAndCheckDictionary(WordEngine& engine, const std::string& dictionaryPath) {
  const std::string name = files::fileNameOf(dictionaryPath), folder = files::folderOf(dictionaryPath);
  if (engine.loadLangDict(dictionaryPath.c_str()) != 1)
    return translatedMessage(
        "The dictionary \"|1\" in the folder \"|2\" could not be loaded: it is missing, unreadable or damaged.",
        {name, folder});
  for (int32_t length = 5; length <= 8; ++length) {
    // Every one of the five functions is called here, so that a library
    // lacking one is refused now rather than failing in the middle of play.
    char word[16] = {};
    const bool made = engine.makeLLPuzzleA(length, 0, -1) == 0 && engine.llpGetNumWordsInSize(length) >= 1 &&
                      engine.llpGetWord(length, 1, word) != nullptr;
    engine.clearMemory();
    if (!made)
      return translatedMessage(
          "The dictionary \"|1\" in the folder \"|2\" has no words of |3 letters, so level |4 cannot be played.",
          {name, folder, std::to_string(length), std::to_string(length - 4)});
  }
  return {};
}

}  // namespace vorpex
