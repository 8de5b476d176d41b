// The puzzle of the day: four levels whose racks follow from the date and
// the word list alone, so that everyone with the same version, language and
// list plays the same racks on the same day, offline; one game a day, and
// a streak of days played in a row.
#pragma once

#include <cstdint>
#include <string>

#include "word_lists.h"

namespace vorpex {

// How far the day's game went, for the results kept and shared.
struct DailyResult {
  int32_t levels = 0;  // levels reached, 0 before the first
  int32_t score = 0;
  int32_t wordsFound = 0;  // level words found over the levels played
  int32_t wordsTotal = 0;  // level words of those levels
  int32_t hints = 0;       // hint steps taken
  bool operator==(const DailyResult&) const = default;
};

// The days played, kept in the store. A missing or damaged record is this
// default: no day played, no streak.
struct DailyRecord {
  int32_t lastDay = 0;     // day number of the last day whose puzzle was begun; 0 none
  int32_t streak = 0;      // days in a row ending on lastDay
  int32_t bestStreak = 0;  // the longest such run
  DailyResult lastResult;  // lastDay's game, as far as it went
  bool operator==(const DailyRecord&) const = default;
};

// The puzzle number (0 to 10000) of `level` (1 to 4) on `day` with `list`:
// integer mixing only, the same on every machine and compiler.
int32_t dailyPuzzleNumber(int32_t day, int32_t level, WordList list);

// What choosing the puzzle of the day does on `today`. A day is played at
// most once, and only after the last day played: a clock set back finds
// the day it shows already past (its result, or "the clock is behind"),
// and a clock set forward and back again never reopens a day, so no day is
// ever played twice for a better result.
enum class DailyChoice {
  play,        // a day after the last one played
  showResult,  // today was begun already: its result is shown
  clockBehind  // today is before the last day played
};
DailyChoice dailyChoice(const DailyRecord& record, int32_t today);

// Marks `today` as begun (call only when dailyChoice says play): the streak
// goes on from yesterday or starts again at 1, and today's result starts
// empty. The day counts from its start, so leaving the game does not free it.
void beginDailyDay(DailyRecord& record, int32_t today);

// The streak as it stands on `today`: the record's while its last day is
// today or yesterday, 0 once a day was missed.
int32_t currentStreak(const DailyRecord& record, int32_t today);

// The local date of `day` as the text language writes it ("14 March 2027",
// "14. März 2027"), code-page bytes.
std::string dateText(int32_t day);

// The day's result as plain text to paste anywhere and to read aloud, in
// the text language, code-page bytes: "Arcade Vorpex, 14 March 2027: 4
// levels, 312 points, 41 of 52 words, 2 hints".
std::string dailyShareText(int32_t day, const DailyResult& result);

}  // namespace vorpex
