// A RandomSource that gives back the fractions it was handed, for tests.
#pragma once

#include <deque>

#include "random_source.h"

namespace vorpex::testing {

class FixedRandom : public RandomSource {
 public:
  explicit FixedRandom(std::deque<double> fractions = {}) : fractions_(std::move(fractions)) {}
  double nextFraction() override {
    if (fractions_.empty()) return 0.25;
    const double f = fractions_.front();
    fractions_.pop_front();
    return f;
  }

 private:
  std::deque<double> fractions_;
};

}  // namespace vorpex::testing
