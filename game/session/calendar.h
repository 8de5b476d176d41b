// Days of the civil (Gregorian) calendar as plain numbers, and the local
// date behind an interface so that tests can set the day.
#pragma once

#include <cstdint>

namespace vorpex {

// A date of the calendar: year, month 1 to 12, day 1 to 31.
struct CivilDate {
  int32_t year = 1970;
  int32_t month = 1;
  int32_t day = 1;
  bool operator==(const CivilDate&) const = default;
};

// Days since 1970-01-01 (0), negative before it. For any valid date, and
// civilDate(dayNumber(d)) == d. The arithmetic is the proleptic Gregorian
// calendar's, by eras of 400 years, exact for every int32 year that keeps
// the result in range.
constexpr int32_t dayNumber(CivilDate date) {
  const int32_t y = date.year - (date.month <= 2 ? 1 : 0);
  const int32_t era = (y >= 0 ? y : y - 399) / 400;
  const int32_t yearOfEra = y - era * 400;                                                            // 0 .. 399
  const int32_t dayOfYear = (153 * (date.month + (date.month > 2 ? -3 : 9)) + 2) / 5 + date.day - 1;  // 0 .. 365
  const int32_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;             // 0 .. 146096
  return era * 146097 + dayOfEra - 719468;
}

constexpr CivilDate civilDate(int32_t days) {
  const int32_t z = days + 719468;
  const int32_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int32_t dayOfEra = z - era * 146097;
  const int32_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const int32_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int32_t mp = (5 * dayOfYear + 2) / 153;
  const int32_t day = dayOfYear - (153 * mp + 2) / 5 + 1;
  const int32_t month = mp < 10 ? mp + 3 : mp - 9;
  return {yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

// Whether `date` names a day of the calendar (1 to 31 as its month has).
constexpr bool isValidDate(CivilDate date) {
  return date.month >= 1 && date.month <= 12 && date.day >= 1 && date.day <= 31 && civilDate(dayNumber(date)) == date;
}

// The player's local date, as the desktop's clock and time zone give it.
class Calendar {
 public:
  virtual ~Calendar() = default;
  // Today's day number (dayNumber).
  virtual int32_t today() const = 0;
};

}  // namespace vorpex
