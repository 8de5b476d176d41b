// The program's random generator, seeded from the system clock at start-up.
#pragma once

#include <random>

#include "random_source.h"

namespace vorpex {

class ClockSeededRandom : public RandomSource {
 public:
  ClockSeededRandom();
  double nextFraction() override;

 private:
  std::mt19937_64 generator_;
};

}  // namespace vorpex
