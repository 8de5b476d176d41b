#include "clock_random.h"

#include <chrono>

namespace vorpex {

ClockSeededRandom::ClockSeededRandom()
    : generator_(static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count())) {}

double ClockSeededRandom::nextFraction() {
  return std::uniform_real_distribution<double>(0.0, 1.0)(generator_);
}

}  // namespace vorpex
