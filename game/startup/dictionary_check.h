// Loading the dictionary at start-up, and checking that it can make every level.
#pragma once

#include <string>

#include "word_engine.h"

namespace vorpex {

// Loads `dictionaryPath` into the engine, then builds one puzzle of each
// level's rack length (5 to 8 letters) and checks that it holds a word of the
// full length. Returns an empty text when the dictionary is fit to play, or
// else a message for the player that names the file, its folder and what is
// wrong. The engine's solution lists are empty afterwards. Throws
// EngineBindingError when the engine itself cannot be bound.
std::string loadAndCheckDictionary(WordEngine& engine, const std::string& dictionaryPath);

}  // namespace vorpex
