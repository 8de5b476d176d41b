// The word lists a game can be played with, and which one the player's
// choices and desktop give. Plain values: the store keeps a list by its
// stored name, the program folder holds each list's dictionary, and the
// rules ask whether a list takes bonus words.
#pragma once

#include <cstdint>
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

enum class WordList : int32_t { classic = 0, everydayAmerican = 1, everydayBritish = 2 };
constexpr WordList kWordLists[] = {WordList::classic, WordList::everydayAmerican, WordList::everydayBritish};

// Whether words beyond a level's list that the rack spells are taken as
// bonus words, and the player's own words apply: everyday lists only.
constexpr bool takesBonusWords(WordList list) { return list != WordList::classic; }

// The name a saved game keeps ("classic", "everyday-american",
// "everyday-british"), and back; an unknown name is no list.
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

}  // namespace vorpex
