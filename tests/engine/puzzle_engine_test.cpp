// Building puzzles: which words fit a rack, in which order, without repeats.
#include <gtest/gtest.h>

#include <algorithm>

#include "puzzle_engine.h"
#include "test_dictionaries.h"

namespace wordcore {
namespace {

using vorpex::testing::graphOf;

std::vector<std::string> solutionsOf(PuzzleEngine& engine, int length) {
  std::vector<std::string> words;
  for (size_t i = 0; i < engine.solutionCount(length); ++i) words.push_back(engine.solution(length, i));
  return words;
}

// The words of `length` in the engine's shuffled order that appear in `subset`.
std::vector<std::string> inListOrder(PuzzleEngine& engine, int length,
                                     const std::vector<std::string>& subset) {
  std::vector<std::string> words;
  const WordList& list = engine.wordsByLen(length);
  for (size_t i = 0; i < list.size(); ++i)
    if (std::find(subset.begin(), subset.end(), list.text(i)) != subset.end())
      words.push_back(list.text(i));
  return words;
}

int32_t indexOf(PuzzleEngine& engine, const std::string& word) {
  const WordList& list = engine.wordsByLen(static_cast<int>(word.size()));
  for (size_t i = 0; i < list.size(); ++i)
    if (word == list.text(i)) return static_cast<int32_t>(i);
  ADD_FAILURE() << word << " is not listed";
  return 0;
}

class PuzzleEngineTest : public ::testing::Test {
 protected:
  void load(const std::vector<std::string>& words) {
    ASSERT_EQ(engine.loadNodes(graphOf(words)), DictStatus::ok);
  }
  PuzzleEngine engine;
};

TEST_F(PuzzleEngineTest, TreatFindsItsWordsAndTeeFailsTheCountTest) {
  load({"ate", "tea", "tee", "rate", "tear", "treat", "great"});
  ASSERT_EQ(engine.buildSolutions(5, indexOf(engine, "treat"), -1), 0);
  EXPECT_EQ(solutionsOf(engine, 3), inListOrder(engine, 3, {"ate", "tea"}));
  EXPECT_EQ(solutionsOf(engine, 4), inListOrder(engine, 4, {"rate", "tear"}));
  EXPECT_EQ(solutionsOf(engine, 5), (std::vector<std::string>{"treat"}));
}

// A rack over the top of a 32-letter alphabet: the letters numbered 26 to 31
// are told apart from each other and from their base letters.
TEST_F(PuzzleEngineTest, LettersBeyondZAreLettersOfTheirOwn) {
  load({"abcdefghijklmnopqrstuvwxyz", "\xDF\xDF\xE4", "\xF1o\xF1o", "a\xF1o", "ano", "n\xF6\xF1",
        "\xF1\xF6\xFC\xFF", "\xFC\xFF\xF6", "\xFF\xFCo", "ao\xF6"});
  ASSERT_EQ(engine.dict().alphabet().size(), 32) << "a 26-letter word cannot be listed, but its letters count";
  ASSERT_EQ(engine.buildSolutions(4, indexOf(engine, "\xF1\xF6\xFC\xFF"), -1), 0);
  EXPECT_EQ(solutionsOf(engine, 3), inListOrder(engine, 3, {"\xFC\xFF\xF6"}));
  EXPECT_EQ(solutionsOf(engine, 4), (std::vector<std::string>{"\xF1\xF6\xFC\xFF"}));
  engine.clearSolutions();
  ASSERT_EQ(engine.buildSolutions(4, indexOf(engine, "\xF1o\xF1o"), -1), 0);
  EXPECT_EQ(solutionsOf(engine, 3), std::vector<std::string>{}) << "n is not \xF1, nor a is \xE4";
}

TEST_F(PuzzleEngineTest, RackWordIsAmongItsOwnSolutionsAtEveryIndex) {
  load({"stone", "notes", "onset", "tones", "steno", "crane", "nacre", "earth", "heart"});
  const WordList& fives = engine.wordsByLen(5);
  for (size_t i = 0; i < fives.size(); ++i) {
    engine.clearSolutions();
    ASSERT_EQ(engine.buildSolutions(5, static_cast<int32_t>(i), -1), 0);
    const auto found = solutionsOf(engine, 5);
    EXPECT_NE(std::find(found.begin(), found.end(), fives.text(i)), found.end()) << i;
    EXPECT_EQ(found, inListOrder(engine, 5, found)) << "anagrams keep list order";
  }
}

TEST_F(PuzzleEngineTest, LetterTwiceInRackAllowsTwoButNotThree) {
  load({"abbey", "abbe", "bbb", "ebb", "babe", "abe"});
  ASSERT_EQ(engine.buildSolutions(5, indexOf(engine, "abbey"), -1), 0);
  EXPECT_EQ(solutionsOf(engine, 3), inListOrder(engine, 3, {"ebb", "abe"}));
  EXPECT_EQ(solutionsOf(engine, 4), inListOrder(engine, 4, {"abbe", "babe"}));
}

TEST_F(PuzzleEngineTest, FiveLetterRackLeavesEveryOtherLengthEmpty) {
  load({"stone", "stones", "ones", "one", "tone", "notes", "stonewall"});
  ASSERT_EQ(engine.buildSolutions(5, indexOf(engine, "stone"), -1), 0);
  for (int len : {0, 1, 2, 6, 7, 8, 9, 10, 11, 12, 13, 14})
    EXPECT_EQ(engine.solutionCount(len), 0u) << len;
  EXPECT_EQ(engine.solutionCount(3), 1u);
}

TEST_F(PuzzleEngineTest, NumberAndNumberPlusListSizePickTheSameRack) {
  load({"stone", "crane", "earth", "plumb", "night"});
  const auto n = static_cast<int32_t>(engine.wordsByLen(5).size());
  for (int32_t number : {0, 3, 4}) {
    engine.clearSolutions();
    engine.buildSolutions(5, number, -1);
    const auto first = solutionsOf(engine, 5);
    engine.clearSolutions();
    engine.buildSolutions(5, number + n, -1);
    EXPECT_EQ(solutionsOf(engine, 5), first) << number;
  }
  // A negative number is taken as unsigned: -1 is 4294967295, which is 0 mod 5.
  engine.clearSolutions();
  engine.buildSolutions(5, -1, -1);
  EXPECT_EQ(solutionsOf(engine, 5), (std::vector<std::string>{engine.wordsByLen(5).text(0)}));
}

TEST_F(PuzzleEngineTest, SecondPuzzleWithoutClearMergesWithoutRepeats) {
  load({"stone", "tones", "notes", "crane", "one", "ton", "car", "ran", "net", "ten"});
  engine.buildSolutions(5, indexOf(engine, "stone"), -1);
  const auto stoneThrees = solutionsOf(engine, 3);
  engine.buildSolutions(5, indexOf(engine, "crane"), -1);
  engine.buildSolutions(5, indexOf(engine, "stone"), -1);
  const auto merged = solutionsOf(engine, 3);
  auto expected = stoneThrees;
  for (const auto& w : inListOrder(engine, 3, {"car", "ran", "net", "ten"}))
    if (std::find(expected.begin(), expected.end(), w) == expected.end()) expected.push_back(w);
  EXPECT_EQ(merged, expected);

  engine.clearSolutions();
  for (int len = 0; len < kListCount; ++len) EXPECT_EQ(engine.solutionCount(len), 0u);
  engine.buildSolutions(5, indexOf(engine, "stone"), -1);
  EXPECT_EQ(solutionsOf(engine, 3), stoneThrees) << "a clear forgets every listed word";
}

TEST_F(PuzzleEngineTest, RackLengthOutsideRangeOrWithoutWordsIsRefused) {
  load({"stone", "one", "ton"});
  for (int32_t len : {-1, 0, 2, 4, 6, 11, 14, 15, 1000000}) {
    EXPECT_EQ(engine.buildSolutions(len, 0, -1), -1) << len;
  }
  for (int len = 0; len < kListCount; ++len) EXPECT_EQ(engine.solutionCount(len), 0u);
}

TEST_F(PuzzleEngineTest, WordSpelledTwiceByTheGraphIsListedOnce) {
  // Root group "a", "a": two paths spell "abc".
  ASSERT_EQ(engine.loadNodes({node::make('a', false, true, 2), node::make('a', false, false, 2),
                              node::make('b', false, false, 3), node::make('c', true, false, 0)}),
            DictStatus::ok);
  ASSERT_EQ(engine.wordsByLen(3).size(), 2u);
  ASSERT_EQ(engine.buildSolutions(3, 0, -1), 0);
  EXPECT_EQ(solutionsOf(engine, 3), (std::vector<std::string>{"abc"}));
  engine.clearSolutions();
  ASSERT_EQ(engine.buildSolutions(3, 1, -1), 0);
  EXPECT_EQ(solutionsOf(engine, 3), (std::vector<std::string>{"abc"}));
}

// Every ordering of a, b and c, with "abc" and "acb" spelled twice (the root
// group holds "a" twice): a rack lists each of the six once, whichever copy
// of a word it was dealt.
TEST_F(PuzzleEngineTest, WordsSpelledTwiceAmongOthersAreEachListedOnce) {
  ASSERT_EQ(engine.loadNodes({node::make('a', false, true, 4), node::make('a', false, true, 4),
                              node::make('b', false, true, 8), node::make('c', false, false, 12),
                              node::make('b', false, true, 6), node::make('c', false, false, 7),
                              node::make('c', true, false, 0), node::make('b', true, false, 0),
                              node::make('a', false, true, 10), node::make('c', false, false, 11),
                              node::make('c', true, false, 0), node::make('a', true, false, 0),
                              node::make('a', false, true, 14), node::make('b', false, false, 15),
                              node::make('b', true, false, 0), node::make('a', true, false, 0)}),
            DictStatus::ok);
  ASSERT_EQ(engine.wordsByLen(3).size(), 8u);
  for (int32_t number = 0; number < 8; ++number) {
    engine.clearSolutions();
    ASSERT_EQ(engine.buildSolutions(3, number, -1), 0);
    std::vector<std::string> found = solutionsOf(engine, 3);
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (std::vector<std::string>{"abc", "acb", "bac", "bca", "cab", "cba"})) << number;
  }
}

// The 9- and 10-letter lists are made at their first use: making them
// leaves the lists of 3 to 8 letters, and so every puzzle, as they were.
TEST(PuzzleEngineShipped, AskingForTheLongListsLeavesTheOthersAsTheyWere) {
  PuzzleEngine engine;
  ASSERT_EQ(engine.load(vorpex::testing::shippedDictionaryPath()), DictStatus::ok);
  const auto texts = [&engine](int len) {
    std::vector<std::string> words;
    for (size_t i = 0; i < engine.wordsByLen(len).size(); ++i) words.push_back(engine.wordsByLen(len).text(i));
    return words;
  };
  std::vector<std::vector<std::string>> before;
  for (int len = 3; len <= 8; ++len) before.push_back(texts(len));
  ASSERT_FALSE(engine.wordsByLen(9).empty());
  for (int len = 3; len <= 8; ++len) EXPECT_EQ(texts(len), before[static_cast<size_t>(len - 3)]) << len;
}

TEST(PuzzleEngineShipped, EveryRackOfFiveToEightLettersHoldsItsOwnWord) {
  PuzzleEngine engine;
  ASSERT_EQ(engine.load(vorpex::testing::shippedDictionaryPath()), DictStatus::ok);
  for (int len = 5; len <= 8; ++len) {
    ASSERT_GT(engine.wordsByLen(len).size(), 1000u) << len;
    for (int32_t number = 0; number <= 10000; number += 250) {
      engine.clearSolutions();
      ASSERT_EQ(engine.buildSolutions(len, number, -1), 0);
      ASSERT_GE(engine.solutionCount(len), 1u);
      const auto rack = static_cast<size_t>(number) % engine.wordsByLen(len).size();
      std::string first = engine.solution(len, 0), word = engine.wordsByLen(len).text(rack);
      std::sort(first.begin(), first.end());
      std::sort(word.begin(), word.end());
      EXPECT_EQ(first, word) << "the first full-length solution is an anagram of the rack word";
    }
  }
}

}  // namespace
}  // namespace wordcore
