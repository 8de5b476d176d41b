// Hints about a word of the level not yet found, in steps for the same
// word: its length and first letter, then its meaning where the offline
// definitions have one, then its letters placed in the answer slots. Each
// step takes a quarter of the word's points when it is found.
#pragma once

#include <cstdint>
#include <string>

#include "game_state.h"

namespace vorpex {

constexpr int32_t kHintSteps = 3;

// Points of a level word of `letters` letters found after `steps` hints
// about it: a quarter less per step, rounded down (five letters: 15, 11, 7,
// 3). Steps beyond the last cost no more.
constexpr int32_t hintedPoints(int letters, int32_t steps) {
  const int32_t taken = steps < 0 ? 0 : (steps > kHintSteps ? kHintSteps : steps);
  return wordPoints(letters) * (4 - taken) / 4;
}

// Hints come with the everyday and other languages' lists; with Classic
// words the game is as it always was.
bool hintsOffered(const GameState& state);

// What the board's button right of "Enter" is now: "Hint" with a list that
// has hints (drawn with the level's board, before the level is in play),
// "Share" in the results of a puzzle of the day, else nothing.
enum class BoardExtra { none, hint, share };
BoardExtra boardExtra(const GameState& state);

// The steps already taken about `word` in this level (0 when none).
int32_t hintStepsFor(const GameState& state, const std::string& word);

// The word the next hint is about: the last hinted word while it is not
// found, else the first level word not found, shortest first in the list's
// order; "" when every level word is found.
std::string nextHintWord(const GameState& state);

// What the meaning line says at each step (code-page bytes, text language).
std::string lengthAndFirstHintText(const std::string& word);
std::string meaningHintText(const std::string& gloss);  // gloss: UTF-8
std::string lettersHintText();

}  // namespace vorpex
