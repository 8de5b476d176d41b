// The languages the game is played in: each one's name in itself, its
// letters, how a key typed in it picks a tile, and its everyday word list.
// Letters are bytes of the code page (code_page.h), as the engine gives them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "word_lists.h"

namespace vorpex {

enum class Language : int32_t {
  english = 0,
  catalan = 1,
  danish = 2,
  german = 3,
  spanish = 4,
  french = 5,
  galician = 6,
  italian = 7,
  norwegian = 8,
  dutch = 9,
  portuguese = 10,
  swedish = 11,
};

struct LanguageFacts {
  Language id;
  const char* code;        // ISO 639-1, as a desktop's locale names it: "de"
  const char* nativeName;  // UTF-8, as its speakers write it: "Deutsch"
  // Lower-case code-page letters beyond a to z that are letters of their own
  // (a tile, a key of their own); every other accented letter folds to its
  // base letter, in the word lists and when typed.
  const char* ownLetters;
  WordList list;  // its everyday words
  // Its lower-case letters in the order its dictionaries list words by.
  const char* alphabet;
};

// In the order the Options list shows them: English first, then by code.
// clang-format off
inline constexpr LanguageFacts kLanguages[] = {
    {Language::english, "en", "English", "", WordList::everydayAmerican,
     "abcdefghijklmnopqrstuvwxyz"},
    {Language::catalan, "ca", "Catal\xC3\xA0", "\xE7", WordList::catalan,
     "abc\xE7" "defghijklmnopqrstuvwxyz"},
    {Language::danish, "da", "Dansk", "\xE5\xE6\xF8", WordList::danish,
     "abcdefghijklmnopqrstuvwxyz\xE6\xF8\xE5"},
    {Language::german, "de", "Deutsch", "\xE4\xF6\xFC", WordList::german,
     "a\xE4" "bcdefghijklmno\xF6" "pqrstu\xFC" "vwxyz"},
    {Language::spanish, "es", "Espa\xC3\xB1ol", "\xF1", WordList::spanish,
     "abcdefghijklmn\xF1" "opqrstuvwxyz"},
    {Language::french, "fr", "Fran\xC3\xA7" "ais", "", WordList::french,
     "abcdefghijklmnopqrstuvwxyz"},
    {Language::galician, "gl", "Galego", "\xF1", WordList::galician,
     "abcdefghijklmn\xF1" "opqrstuvwxyz"},
    {Language::italian, "it", "Italiano", "", WordList::italian,
     "abcdefghijklmnopqrstuvwxyz"},
    {Language::norwegian, "nb", "Norsk bokm\xC3\xA5l", "\xE5\xE6\xF8", WordList::norwegian,
     "abcdefghijklmnopqrstuvwxyz\xE6\xF8\xE5"},
    {Language::dutch, "nl", "Nederlands", "", WordList::dutch,
     "abcdefghijklmnopqrstuvwxyz"},
    {Language::portuguese, "pt", "Portugu\xC3\xAAs", "\xE7", WordList::portuguese,
     "abc\xE7" "defghijklmnopqrstuvwxyz"},
    {Language::swedish, "sv", "Svenska", "\xE4\xE5\xF6", WordList::swedish,
     "abcdefghijklmnopqrstuvwxyz\xE5\xE4\xF6"},
};
// clang-format on

constexpr size_t kLanguageCount = std::size(kLanguages);

const LanguageFacts& factsOf(Language language);

// The language's code in capitals, as the names of its files in the program
// folder and of its values in the store carry it: "DE".
std::string upperCodeOf(Language language);

// The language of a stored number, or nothing when no language has it.
std::optional<Language> languageNumbered(int32_t number);

// The language whose list `list` is (English for the English lists).
Language languageOf(WordList list);

// The language a desktop locale such as "de_DE.UTF-8", "pt-BR" or "nn_NO"
// names, where the game has it (Norwegian Nynorsk and "no" play Bokmål);
// English for every other, and for an empty or malformed name.
Language languageForLocale(std::string_view localeName);

// The upper-case tile letter that typing the character `typed` (a code
// point, either case) picks in `language`, or nothing when it picks none. In
// English only A to Z do; in the others a letter of their own picks itself
// and another accented letter its base (É picks E in French, Ä picks A in
// Spanish), never the other way round (N does not pick Ñ).
std::optional<char> typedLetter(Language language, char32_t typed);

}  // namespace vorpex
