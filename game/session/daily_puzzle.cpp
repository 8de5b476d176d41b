#include "daily_puzzle.h"

#include <algorithm>

#include "calendar.h"
#include "text_resources.h"
#include "translations.h"

namespace vorpex {

namespace {
constexpr uint64_t kPuzzleNumbers = 10001;  // 0 to 10000, as the engine names them

// SplitMix64's finaliser: every input bit reaches every output bit.
constexpr uint64_t mixed(uint64_t z) {
  z += 0x9E3779B97F4A7C15ull;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

constexpr const char* kMonths[] = {N_("January"),   N_("February"), N_("March"),    N_("April"),
                                   N_("May"),       N_("June"),     N_("July"),     N_("August"),
                                   N_("September"), N_("October"),  N_("November"), N_("December")};
}  // namespace

int32_t dailyPuzzleNumber(int32_t day, int32_t level, WordList list) {
  const uint64_t key = (static_cast<uint64_t>(static_cast<uint32_t>(day)) << 16) |
                       (static_cast<uint64_t>(static_cast<uint8_t>(level)) << 8) |
                       static_cast<uint64_t>(static_cast<uint8_t>(list));
  return static_cast<int32_t>(mixed(key) % kPuzzleNumbers);
}

DailyChoice dailyChoice(const DailyRecord& record, int32_t today) {
  if (record.lastDay == 0 || today > record.lastDay) return DailyChoice::play;
  return today == record.lastDay ? DailyChoice::showResult : DailyChoice::clockBehind;
}

void beginDailyDay(DailyRecord& record, int32_t today) {
  record.streak = record.lastDay != 0 && today == record.lastDay + 1 ? record.streak + 1 : 1;
  record.bestStreak = std::max(record.bestStreak, record.streak);
  record.lastDay = today;
  record.lastResult = {};
}

int32_t currentStreak(const DailyRecord& record, int32_t today) {
  if (record.lastDay == 0) return 0;
  return today == record.lastDay || today == record.lastDay + 1 ? record.streak : 0;
}

std::string dateText(int32_t day) {
  const CivilDate date = civilDate(day);
  // TRANSLATORS: a date: |1 the day, |2 the month's name, |3 the year.
  return translatedWith("|1 |2 |3", {"|1", date.day, "|2", translated(kMonths[date.month - 1]), "|3", date.year});
}

std::string dailyShareText(int32_t day, const DailyResult& r) {
  // TRANSLATORS: the day's result, copied to paste anywhere: |1 the date, |2
  // the levels reached ("4 levels"), |3 points, |4 words found of |5, |6 the
  // hints taken ("2 hints").
  constexpr const char* kShared = N_("Arcade Vorpex, |1: |2, |3 points, |4 of |5 words, |6");
  const std::string levels = r.levels == 1 ? translated("1 level") : translatedWith("|1 levels", {"|1", r.levels});
  const std::string hints = r.hints == 1 ? translated("1 hint") : translatedWith("|1 hints", {"|1", r.hints});
  return translatedWith(
      kShared, {"|1", dateText(day), "|2", levels, "|3", r.score, "|4", r.wordsFound, "|5", r.wordsTotal, "|6", hints});
}

}  // namespace vorpex
