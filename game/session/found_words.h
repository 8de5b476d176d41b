// The list of words found in a level: kept sorted (shorter words first, words
// of one length alphabetically without regard to case) and without repeats.
#pragma once

#include <cstdint>
#include <string>

#include "game_state.h"

namespace vorpex {

// Negative, zero or positive as `a` sorts before, with or after `b`: by
// length first, then letter by letter without regard to case in `language`'s
// alphabetical order (Ñ after N in Spanish, Å Ä Ö after Z in Swedish; for
// English, A to Z: the code-page order) (-1, 0 or 1).
int32_t compareWords(const std::string& a, const std::string& b, Language language = Language::english);

// The position 1..nWordsFound of `word` (compared exactly) in foundWords, or -1.
int32_t findFoundWord(const GameState& state, const std::string& word);

// Inserts `word` unless it is there already, keeps the list sorted in the
// game's language, and returns its position.
int32_t addFoundWord(GameState& state, const std::string& word);

// How many of words(1..n) have `length` letters.
int32_t countWordsOfLength(const OneBased<std::string>& words, int32_t n, int length);

}  // namespace vorpex
