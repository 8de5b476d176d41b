#include "clock_random.h"

#include <chrono>
#include <ctime>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace vorpex {

ClockSeededRandom::ClockSeededRandom()
    : generator_(static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count())) {}

int32_t LocalCalendar::today() const {
#if defined(_WIN32)
  SYSTEMTIME local{};
  GetLocalTime(&local);
  return dayNumber({local.wYear, local.wMonth, local.wDay});
#else
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return dayNumber({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday});
#endif
}

double ClockSeededRandom::nextFraction() {
  return std::uniform_real_distribution<double>(0.0, 1.0)(generator_);
}

}  // namespace vorpex
