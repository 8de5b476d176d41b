// The texts the program shows and speaks, in the language of its windows.
// English texts are the keys: a text is written in English where it is used
// (translated("Show meanings")), and the table made from
// resources/translations/<code>.po gives it in the other languages. Texts are
// code-page bytes (code_page.h), as every text of the game is.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "languages.h"

namespace vorpex {

// Marks a text for the translations' extraction where it is not translated
// on the spot (the numbered texts' table); it is the text itself.
#ifndef N_
#define N_(english) english
#endif

// The language of the windows' texts: English until Program sets it, from
// the player's choice or the desktop's at start and whenever Options closes.
// One language for the whole program, as there is one player at a time.
void setTextLanguage(Language language);
Language textLanguage();

// `english` (UTF-8 ASCII, "|1" and "%1" placeholders kept) as the text
// language writes it, in code-page bytes; `english` itself in English, and
// for a text the table lacks (a fault the translations' test catches first).
const char* translated(const char* english);
const char* translated(Language language, const char* english);

// A message for a box or standard error: `english` in the text language as
// UTF-8, with "|1" to "|9" replaced by values[0] to values[8] (UTF-8: paths,
// the system's reasons) in one pass, so a value is inserted as it stands
// and never read for placeholders itself (a path holding "|2" stays whole).
// A placeholder without a value is left as it is.
std::string translatedMessage(const char* english, const std::vector<std::string_view>& values = {});

// How many texts the table gives `language` (0 for English); for tests.
size_t translationCount(Language language);

}  // namespace vorpex
