// Calls made before any dictionary is loaded are refused, not crashes.
#include <gtest/gtest.h>

#include <cstring>

#include "wordcore.h"

namespace {

TEST(WordcoreUnloaded, EveryCallBeforeALoadIsRefusedHarmlessly) {
  char buffer[16];
  std::memset(buffer, 'x', sizeof buffer);
  for (int32_t len = -1; len <= 15; ++len) {
    EXPECT_EQ(llpGetNumWordsInSize(len), 0) << len;
    EXPECT_EQ(llpGetWord(len, 1, buffer), nullptr) << len;
  }
  EXPECT_EQ(makeLLPuzzleA(5, 0, -1), -1);
  clearMemory();
  clearMemory();
  EXPECT_EQ(std::memcmp(buffer, "xxxxxxxxxxxxxxxx", sizeof buffer), 0);
}

}  // namespace
