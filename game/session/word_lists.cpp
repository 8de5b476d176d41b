#include "word_lists.h"

#include "ascii_case.h"

namespace vorpex {

const char* storedName(WordList list) {
  switch (list) {
    case WordList::everydayAmerican: return "everyday-american";
    case WordList::everydayBritish: return "everyday-british";
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

}  // namespace vorpex
