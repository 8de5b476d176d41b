// The engine's own pseudo-random generator: the linear congruential
// generator of the Microsoft C runtime's rand(). The word lists are shuffled
// with it from a fixed seed, which is what makes a puzzle number name the
// same puzzle on every machine; it must never change.
#pragma once

#include <cstdint>

namespace wordcore {

class EngineRand {
 public:
  explicit EngineRand(uint32_t seed = 0) : state_(seed) {}

  // The next value, 0 to 32767.
  uint32_t next() {
    state_ = state_ * 214013u + 2531011u;
    return (state_ >> 16) & 0x7FFFu;
  }

 private:
  uint32_t state_;
};

}  // namespace wordcore
