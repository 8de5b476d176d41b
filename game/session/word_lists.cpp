#include "word_lists.h"

#include "ascii_case.h"
#include "program_files.h"

namespace vorpex {

const char* storedName(WordList list) {
  switch (list) {
    case WordList::everydayAmerican: return "everyday-american";
    case WordList::everydayBritish: return "everyday-british";
    case WordList::catalan: return "catalan";
    case WordList::danish: return "danish";
    case WordList::german: return "german";
    case WordList::spanish: return "spanish";
    case WordList::french: return "french";
    case WordList::galician: return "galician";
    case WordList::italian: return "italian";
    case WordList::norwegian: return "norwegian";
    case WordList::dutch: return "dutch";
    case WordList::portuguese: return "portuguese";
    case WordList::swedish: return "swedish";
    case WordList::classic: break;
  }
  return "classic";
}

std::optional<WordList> wordListNamed(std::string_view stored) {
  for (const WordList list : kWordLists)
    if (stored == storedName(list)) return list;
  return std::nullopt;
}

Spelling spellingForLocale(std::string_view localeName) {
  // "en_GB.UTF-8", "en-GB" and "en_GB@euro" all name English of Britain.
  if (localeName.size() < 5 || asciiLower(localeName[0]) != 'e' || asciiLower(localeName[1]) != 'n' ||
      (localeName[2] != '_' && localeName[2] != '-'))
    return Spelling::american;
  const std::string region{asciiUpper(localeName[3]), asciiUpper(localeName[4])};
  if (localeName.size() > 5 && localeName[5] != '.' && localeName[5] != '@') return Spelling::american;
  for (const char* british : {"GB", "IE", "AU", "NZ", "ZA", "IN"})
    if (region == british) return Spelling::british;
  return Spelling::american;
}

WordList gameWordList(WordChoice words, Spelling spelling, Spelling desktopSpelling) {
  if (words == WordChoice::classic) return WordList::classic;
  if (spelling == Spelling::desktop) spelling = desktopSpelling;
  return spelling == Spelling::british ? WordList::everydayBritish : WordList::everydayAmerican;
}

WordList gameWordList(WordChoice words, Spelling spelling, Spelling desktopSpelling, WordList languageList) {
  const bool english = languageList == WordList::everydayAmerican || languageList == WordList::everydayBritish ||
                       languageList == WordList::classic;
  if (words == WordChoice::classic || english) return gameWordList(words, spelling, desktopSpelling);
  return languageList;
}

const char* dictionaryFileOf(WordList list) {
  switch (list) {
    case WordList::classic: return files::kDictionary;
    case WordList::everydayAmerican: return files::kEverydayAmericanDictionary;
    case WordList::everydayBritish: return files::kEverydayBritishDictionary;
    case WordList::catalan: return "WORDS-CA.DICT";
    case WordList::danish: return "WORDS-DA.DICT";
    case WordList::german: return "WORDS-DE.DICT";
    case WordList::spanish: return "WORDS-ES.DICT";
    case WordList::french: return "WORDS-FR.DICT";
    case WordList::galician: return "WORDS-GL.DICT";
    case WordList::italian: return "WORDS-IT.DICT";
    case WordList::norwegian: return "WORDS-NB.DICT";
    case WordList::dutch: return "WORDS-NL.DICT";
    case WordList::portuguese: return "WORDS-PT.DICT";
    case WordList::swedish: return "WORDS-SV.DICT";
  }
  return files::kDictionary;
}

const char* bonusWordsFileOf(WordList list) {
  switch (list) {
    case WordList::classic:
    case WordList::everydayAmerican:
    case WordList::everydayBritish: return files::kBonusWords;
    case WordList::catalan: return "WORDS-CA.BONUS";
    case WordList::danish: return "WORDS-DA.BONUS";
    case WordList::german: return "WORDS-DE.BONUS";
    case WordList::spanish: return "WORDS-ES.BONUS";
    case WordList::french: return "WORDS-FR.BONUS";
    case WordList::galician: return "WORDS-GL.BONUS";
    case WordList::italian: return "WORDS-IT.BONUS";
    case WordList::norwegian: return "WORDS-NB.BONUS";
    case WordList::dutch: return "WORDS-NL.BONUS";
    case WordList::portuguese: return "WORDS-PT.BONUS";
    case WordList::swedish: return "WORDS-SV.BONUS";
  }
  return files::kBonusWords;
}

}  // namespace vorpex
