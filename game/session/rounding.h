// Rounding to the nearest whole number with halves going to the even
// neighbour (0.5 to 0, 1.5 to 2, 80.8 to 81), as every rounding of the game
// does. Independent of the floating-point rounding mode.
#pragma once

#include <cmath>
#include <cstdint>

namespace vorpex {

inline int32_t roundHalfEven(double value) {
  const double below = std::floor(value);
  const double fraction = value - below;
  double result = below;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0)) result = below + 1.0;
  return static_cast<int32_t>(result);
}

}  // namespace vorpex
