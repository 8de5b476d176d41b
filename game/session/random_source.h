// The program's random draws (puzzle numbers), behind an interface so that
// tests can fix them.
#pragma once

namespace vorpex {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // A uniform fraction in [0, 1).
  virtual double nextFraction() = 0;
};

}  // namespace vorpex
