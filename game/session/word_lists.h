// The word lists a game can be played with, and which one the player's
// choices and desktop give. Plain values: the store keeps a list by its
// stored name, the program folder holds each list's dictionary, and the
// rules ask whether a list takes bonus words.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

namespace vorpex {

// "Everyday" words (the default) or "Classic" words: the one list every
// earlier version played, with no bonus words.
enum class WordChoice : int32_t { everyday = 0, classic = 1 };

// The spelling of everyday words. `desktop` is a player who never chose:
// the desktop's language decides each time.
enum class Spelling : int32_t { desktop = 0, american = 1, british = 2 };

// The English lists, then each other language's everyday list.
enum class WordList : int32_t {
  classic = 0,
  everydayAmerican = 1,
  everydayBritish = 2,
  catalan = 3,
  danish = 4,
  german = 5,
  spanish = 6,
  french = 7,
  galician = 8,
  italian = 9,
  norwegian = 10,
  dutch = 11,
  portuguese = 12,
  swedish = 13,
};
constexpr WordList kWordLists[] = {
    WordList::classic, WordList::everydayAmerican, WordList::everydayBritish, WordList::catalan,
    WordList::danish,  WordList::german,           WordList::spanish,         WordList::french,
    WordList::galician, WordList::italian,         WordList::norwegian,       WordList::dutch,
    WordList::portuguese, WordList::swedish};
constexpr size_t kWordListCount = std::size(kWordLists);

constexpr std::array<bool, kWordListCount> everyListShipped() {
  std::array<bool, kWordListCount> all{};
  for (bool& shipped : all) shipped = true;
  return all;
}

// Whether words beyond a level's list that the rack spells are taken as
// bonus words, and the player's own words apply: everyday lists only.
constexpr bool takesBonusWords(WordList list) { return list != WordList::classic; }

// The name a saved game keeps ("classic", "everyday-american",
// "everyday-british", "german" ...), and back; an unknown name is no list.
const char* storedName(WordList list);
std::optional<WordList> wordListNamed(std::string_view stored);

// The spelling a desktop language such as "en_GB", "en-AU" or "fr_FR"
// expects: British for the English of Britain, Ireland, Australia, New
// Zealand, South Africa and India; American for every other language and
// for an empty or malformed name.
Spelling spellingForLocale(std::string_view localeName);

// The list a new game plays with: Classic, or the everyday list of the
// chosen spelling (the desktop's, `desktopSpelling`, when none was chosen).
WordList gameWordList(WordChoice words, Spelling spelling, Spelling desktopSpelling);

// The same in a language: its everyday list, unless Classic words are
// chosen, which are English whatever the language (English: as above).
WordList gameWordList(WordChoice words, Spelling spelling, Spelling desktopSpelling, WordList languageList);

// The program-folder files of a list: its dictionary, and its bonus words.
const char* dictionaryFileOf(WordList list);
const char* bonusWordsFileOf(WordList list);

}  // namespace vorpex
