#include "clock_random.h"

#include <chrono>
#include <ctime>

namespace vorpex {

ClockSeededRandom::ClockSeededRandom()
    : generator_(static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count())) {}

int32_t LocalCalendar::today() const {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#if defined(_WIN32)
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return dayNumber({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday});
}

double ClockSeededRandom::nextFraction() {
  return std::uniform_real_distribution<double>(0.0, 1.0)(generator_);
}

}  // namespace vorpex
