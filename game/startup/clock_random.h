// The program's random generator, seeded from the system clock at start-up.
#pragma once

#include <random>

#include "calendar.h"
#include "random_source.h"

namespace vorpex {

// The desktop's local date (its clock and time zone), read at each call.
class LocalCalendar : public Calendar {
 public:
  int32_t today() const override;
};

class ClockSeededRandom : public RandomSource {
 public:
  ClockSeededRandom();
  double nextFraction() override;

 private:
  std::mt19937_64 generator_;
};

}  // namespace vorpex
