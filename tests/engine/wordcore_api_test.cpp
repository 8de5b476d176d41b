// The five exported functions, called as the game calls them.
#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "test_dictionaries.h"
#include "wordcore.h"

namespace {

using vorpex::testing::TempDir;

class WordcoreApi : public ::testing::Test {
 protected:
  void SetUp() override {
    path = vorpex::testing::writeDictionary(
        dir, {"stone", "notes", "onset", "tones", "one", "ton", "toe", "set", "nest", "tons",
              "crane", "acre", "race", "care", "arc", "car"});
    ASSERT_EQ(loadLangDict(path.c_str()), 1);
  }
  TempDir dir;
  std::string path;
};

TEST_F(WordcoreApi, CountsAreZeroForEveryLengthUntilAPuzzleAndAfterEachClear) {
  for (int32_t len = 0; len <= 14; ++len) EXPECT_EQ(llpGetNumWordsInSize(len), 0);
  ASSERT_EQ(makeLLPuzzleA(5, 0, -1), 0);
  EXPECT_GT(llpGetNumWordsInSize(5), 0);
  clearMemory();
  clearMemory();  // a second clear finds nothing to do
  for (int32_t len = 0; len <= 14; ++len) EXPECT_EQ(llpGetNumWordsInSize(len), 0);
}

TEST_F(WordcoreApi, GetWordCopiesLengthPlusOneBytesAndNoMore) {
  ASSERT_EQ(makeLLPuzzleA(5, 0, -1), 0);
  char buffer[12];
  std::memset(buffer, '#', sizeof buffer);
  ASSERT_EQ(llpGetWord(5, 1, buffer), buffer);
  EXPECT_EQ(std::strlen(buffer), 5u);
  EXPECT_EQ(buffer[5], '\0');
  EXPECT_EQ(buffer[6], '#');
  clearMemory();
}

TEST_F(WordcoreApi, RefusedGetWordReturnsNullAndLeavesTheBufferUntouched) {
  ASSERT_EQ(makeLLPuzzleA(5, 0, -1), 0);
  const int32_t count = llpGetNumWordsInSize(4);
  ASSERT_GT(count, 0);
  char buffer[16];
  std::memset(buffer, '#', sizeof buffer);
  const std::pair<int32_t, int32_t> refused[] = {
      {4, 0}, {4, count + 1}, {4, -1}, {-1, 1}, {15, 1}, {1000, 1}, {6, 1}, {2, 1}};
  for (auto [len, index] : refused) {
    EXPECT_EQ(llpGetWord(len, index, buffer), nullptr) << len << " " << index;
    EXPECT_EQ(std::memcmp(buffer, "################", sizeof buffer), 0) << len << " " << index;
  }
  EXPECT_EQ(llpGetWord(4, 1, nullptr), nullptr);
  clearMemory();
}

TEST_F(WordcoreApi, LengthsOutsideTheSolutionListsCountZero) {
  ASSERT_EQ(makeLLPuzzleA(5, 0, -1), 0);
  for (int32_t len : {-100, -1, 0, 1, 2, 6, 11, 12, 13, 14, 15, 99})
    EXPECT_EQ(llpGetNumWordsInSize(len), 0) << len;
  clearMemory();
}

TEST_F(WordcoreApi, RefusedPuzzlesAddNothing) {
  for (int32_t len : {-5, 0, 2, 6, 11, 15}) EXPECT_EQ(makeLLPuzzleA(len, 0, -1), -1) << len;
  for (int32_t len = 0; len <= 14; ++len) EXPECT_EQ(llpGetNumWordsInSize(len), 0);
}

TEST_F(WordcoreApi, FailedLoadLeavesEmptyListsAndAGoodLoadRecovers) {
  EXPECT_EQ(loadLangDict(nullptr), 0);
  EXPECT_EQ(makeLLPuzzleA(5, 0, -1), -1);
  EXPECT_EQ(loadLangDict(dir.write("bad", std::vector<uint8_t>(300, 0xFF)).c_str()), 0);
  EXPECT_EQ(makeLLPuzzleA(5, 0, -1), -1);
  EXPECT_EQ(loadLangDict((dir.path() / "missing.dict").string().c_str()), 0);
  EXPECT_EQ(makeLLPuzzleA(3, 0, -1), -1);
  for (int32_t len = 0; len <= 14; ++len) EXPECT_EQ(llpGetNumWordsInSize(len), 0);

  ASSERT_EQ(loadLangDict(path.c_str()), 1);
  EXPECT_EQ(makeLLPuzzleA(5, 0, -1), 0);
  clearMemory();
}

TEST_F(WordcoreApi, ReloadingDropsThePuzzleInProgress) {
  ASSERT_EQ(makeLLPuzzleA(5, 0, -1), 0);
  ASSERT_EQ(loadLangDict(path.c_str()), 1);
  for (int32_t len = 0; len <= 14; ++len) EXPECT_EQ(llpGetNumWordsInSize(len), 0);
}

TEST(WordcoreShipped, EveryLevelLengthMakesPuzzlesWithDistinctWords) {
  ASSERT_EQ(loadLangDict(vorpex::testing::shippedDictionaryPath().c_str()), 1);
  for (int32_t len = 5; len <= 8; ++len) {
    for (int32_t number : {0, 1, 5000, 10000}) {
      ASSERT_EQ(makeLLPuzzleA(len, number, -1), 0);
      ASSERT_GE(llpGetNumWordsInSize(len), 1) << len;
      for (int32_t w = 3; w <= len; ++w) {
        std::set<std::string> seen;
        char buffer[16];
        for (int32_t i = 1; i <= llpGetNumWordsInSize(w); ++i) {
          ASSERT_NE(llpGetWord(w, i, buffer), nullptr);
          EXPECT_EQ(std::strlen(buffer), static_cast<size_t>(w));
          EXPECT_TRUE(seen.insert(buffer).second) << buffer << " twice";
        }
      }
      clearMemory();
    }
  }
}

// Every answer of 400 puzzles of the English dictionary, through the five
// functions, folded into one FNV-1a digest: the words, in the engine's order,
// of each length 3 to the rack's, each followed by a space, each length by a
// line end. The figure was taken from the engine as it was before it learned
// letters beyond z, so English puzzles stay the same byte for byte.
TEST(WordcoreShipped, EnglishPuzzlesAreTheSameByteForByte) {
  ASSERT_EQ(loadLangDict(vorpex::testing::shippedDictionaryPath().c_str()), 1);
  uint64_t digest = 0xcbf29ce484222325u;
  auto feed = [&](const char* bytes) {
    for (const char* p = bytes; *p != '\0'; ++p) {
      digest ^= static_cast<unsigned char>(*p);
      digest *= 0x100000001b3u;
    }
  };
  for (int32_t len = 5; len <= 8; ++len) {
    for (int32_t number = 0; number < 400000; number += 4001) {
      ASSERT_EQ(makeLLPuzzleA(len, number, -1), 0);
      for (int32_t w = 3; w <= len; ++w) {
        char buffer[16];
        for (int32_t i = 1; i <= llpGetNumWordsInSize(w); ++i) {
          ASSERT_NE(llpGetWord(w, i, buffer), nullptr);
          feed(buffer);
          feed(" ");
        }
        feed("\n");
      }
      clearMemory();
    }
  }
  EXPECT_EQ(digest, 0xdd04d227201ac047u);
}

}  // namespace
