// What a player who listens is told: the short names of the things the
// board shows only as pictures, and the sentences announced when something
// happens that a sighted player would see. Plain text, composed from the
// game state and the text table, so that what is spoken reads as the
// screen shows.
#pragma once

#include <string>

#include "game_state.h"

namespace vorpex {

// "Tile K": the letter on tile `tile` (1..rackLength).
std::string tileName(const GameState& state, int tile);
// The word being built in the answer slots: "Word: CAT", or "Word: empty".
std::string answerSlotsName(const GameState& state);
// "Level progress: 45 of 60": the level's score against its target.
std::string progressName(const GameState& state);
// A word of the results' list, and whether the player found it.
std::string resultsWordName(const GameState& state, const std::string& word);

// Announcements, each for one change.
// A new word: "CAT, 6 points. Score 46".
std::string wordAcceptedText(const std::string& word, int32_t points, int32_t score);
// A word refused for `reason`, one of the message line's texts.
// A bonus word taken: "TARN: bonus word, 10 points. Score 56".
std::string bonusWordText(const std::string& word, int32_t points, int32_t score);
// The bonus line: "Bonus words: TARN, OPS", or "Bonus words: none".
std::string bonusWordsName(const GameState& state);
std::string wordRefusedText(const std::string& word, const std::string& reason);
// Fewer than three letters entered.
std::string tooShortText();
// A typed letter that no free tile shows ("No free S on the rack"), or
// one more than the answer slots hold.
std::string letterNotTakenText(const GameState& state, char letter);
// The list moved: which of its words are in view ("Words 2 to 14 of 20").
std::string listShownText(const GameState& state, int32_t count);
// The level's target was just reached, and the progress area offers to advance.
std::string advanceOfferedText();
// The game was minimised by Esc, paused if it was in play: how to come back.
std::string minimizedText(bool paused);
// The count-down passing 30 or 10 seconds.
std::string secondsLeftText(int seconds);
// On request: the level, the score, the time left in a timed level, and
// how many words of each length remain to be found.
std::string gameStatusText(const GameState& state);

}  // namespace vorpex
