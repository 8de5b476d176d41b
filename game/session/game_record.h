// A finished game as the history keeps it, and its line in the history
// file: one game a line, so that a crash can lose at most the line being
// written and a damaged line costs only itself.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calendar.h"
#include "game_state.h"

namespace vorpex {

enum class GameKind { classic, timed, daily };

struct GameRecord {
  CivilDate date;  // the local date the game ended
  GameKind kind = GameKind::classic;
  std::string language = "en";       // the list's language code ("de")
  std::string wordList = "classic";  // the list's stored name ("german")
  int32_t levels = 0;                // levels reached, 1 to 4
  bool won = false;                  // the last level passed
  int32_t score = 0;
  // Level words found by length (3 to 8; 0 to 2 unused).
  std::array<int32_t, kMaxRackLength + 1> foundByLength{};
  int32_t hints = 0;    // hint steps taken
  std::string longest;  // the longest word found, UTF-8 upper case; "" none
  bool operator==(const GameRecord&) const = default;
};

// The first line of a history file (a comment, as every line starting with #).
constexpr std::string_view kHistoryHeader = "# Arcade Vorpex: one finished game a line";

// `record` as one line without its line break, fields separated by tabs:
//   2027-03-14 daily de german 4 won 312 3:10,4:12,5:8,6:3,7:1,8:0 2 STONE
std::string historyLine(const GameRecord& record);

// The record a line holds (its line break already taken off; a CR before
// it is allowed), or nothing for a line that is not one: a wrong number of
// fields, a date that is no day, an unknown kind, a figure out of its range
// or not a plain decimal, a word that is not upper-case letters. Never
// throws, whatever the bytes.
std::optional<GameRecord> parseHistoryLine(std::string_view line);

// The record of the game in `state`, ended on `date`.
GameRecord recordOfGame(const GameState& state, CivilDate date);

// How far the game in `state` went, as a puzzle of the day's result.
DailyResult dailyResultOf(const GameState& state);

}  // namespace vorpex
