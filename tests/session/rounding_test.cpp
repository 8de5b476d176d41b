#include <gtest/gtest.h>

#include "rounding.h"

namespace vorpex {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(roundHalfEven(0.5), 0);
  EXPECT_EQ(roundHalfEven(1.5), 2);
  EXPECT_EQ(roundHalfEven(2.5), 2);
  EXPECT_EQ(roundHalfEven(9999.5), 10000);
  EXPECT_EQ(roundHalfEven(80.8), 81);
  EXPECT_EQ(roundHalfEven(81.6), 82);
  EXPECT_EQ(roundHalfEven(47.4), 47);
  EXPECT_EQ(roundHalfEven(-1.5), -2);
  EXPECT_EQ(roundHalfEven(-2.5), -2);
}

}  // namespace
}  // namespace vorpex
