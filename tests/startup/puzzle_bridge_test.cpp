// Copying puzzles from the real engine library into the game state.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "engine_binding.h"
#include "fixed_random.h"
#include "puzzle_bridge.h"
#include "test_dictionaries.h"

namespace vorpex {
namespace {

using vorpex::testing::FixedRandom;

class PuzzleBridge : public ::testing::Test {
 protected:
  void load(const std::vector<std::string>& words) {
    ASSERT_EQ(engine.loadLangDict(vorpex::testing::writeDictionary(dir, words).c_str()), 1);
  }
  std::string rackText() const { return std::string(state.rack.begin(), state.rack.end()); }
  std::set<std::string> wordsOf(int length) const {
    const auto& words = state.wordsBySize[static_cast<size_t>(length)].words;
    return {words.begin(), words.end()};
  }

  vorpex::testing::TempDir dir;
  EngineBinding engine{VORPEX_ENGINE_LIBRARY};
  FixedRandom random;
  GameState state;
};

TEST_F(PuzzleBridge, FiveLetterPuzzleFillsItsListsInUpperCaseWithTheirTotals) {
  load({"stone", "notes", "one", "ton", "toe", "nest", "tons", "set", "car", "acre"});
  state.boardWidth = 5;
  state.selCount = 3;
  buildPuzzle(state, engine, random, 0);  // both 5-letter words make the same rack
  EXPECT_EQ(rackText(), "ENOST");
  EXPECT_EQ(state.rackLength, 5);
  EXPECT_EQ(state.selCount, 0);
  EXPECT_EQ(state.tileUsed, OneBased<uint8_t>(5, 0));
  EXPECT_EQ(state.wordsBySize[2].count, 0);
  EXPECT_EQ(wordsOf(3), (std::set<std::string>{"ONE", "TON", "TOE", "SET"}));
  EXPECT_EQ(wordsOf(4), (std::set<std::string>{"NEST", "TONS"}));
  EXPECT_EQ(wordsOf(5), (std::set<std::string>{"STONE", "NOTES"}));
  EXPECT_EQ(state.wordsBySize[4].size, 4);
  EXPECT_EQ(state.totalWords, 8);
  EXPECT_EQ(state.totalPoints, 6 * 4 + 10 * 2 + 15 * 2);
  EXPECT_EQ(state.targetScore, 59);  // 74 * 0.8 = 59.2
  for (int32_t len = 0; len <= 14; ++len) EXPECT_EQ(engine.llpGetNumWordsInSize(len), 0) << len;
}

TEST_F(PuzzleBridge, SameNumberGivesTheSamePuzzleInTheSameOrder) {
  ASSERT_EQ(engine.loadLangDict(vorpex::testing::shippedDictionaryPath().c_str()), 1);
  state.boardWidth = 7;
  buildPuzzle(state, engine, random, 4321);
  const GameState first = state;
  state = GameState();
  state.boardWidth = 7;
  buildPuzzle(state, engine, random, 4321);
  EXPECT_EQ(state.rack, first.rack);
  for (int len = 2; len <= 7; ++len) {
    EXPECT_EQ(state.wordsBySize[len].words, first.wordsBySize[len].words) << len;
    EXPECT_EQ(state.wordsBySize[len].count, first.wordsBySize[len].count) << len;
  }
  EXPECT_EQ(state.totalPoints, first.totalPoints);
  EXPECT_EQ(state.solvingData.puzzleNumber, 4321);
  EXPECT_TRUE(std::is_sorted(state.rack.begin(), state.rack.end()));
}

TEST_F(PuzzleBridge, RepeatedLetterStandsTwiceSideBySideInTheRack) {
  load({"abbey", "ebb", "abe"});
  state.boardWidth = 5;
  buildPuzzle(state, engine, random, 0);
  EXPECT_EQ(rackText(), "ABBEY");
}

TEST_F(PuzzleBridge, FreshNumberIsAFractionOfTenThousandRoundedHalfToEven) {
  load({"stone", "abbey", "crane"});
  FixedRandom draws({0.00005, 0.99995, 0.5, 0.0});
  const int32_t expected[] = {0, 10000, 5000, 0};
  for (int32_t number : expected) {
    state.boardWidth = 5;
    buildPuzzle(state, engine, draws, -1);
    EXPECT_EQ(state.solvingData.puzzleNumber, number);
  }
}

TEST_F(PuzzleBridge, LongerListsOfAnEarlierPuzzleAreLeftAlone) {
  ASSERT_EQ(engine.loadLangDict(vorpex::testing::shippedDictionaryPath().c_str()), 1);
  state.boardWidth = 8;
  buildPuzzle(state, engine, random, 99);
  const auto eights = state.wordsBySize[8].words;
  state.boardWidth = 5;
  buildPuzzle(state, engine, random, 99);
  EXPECT_EQ(state.rack.size(), 5u);
  EXPECT_EQ(state.wordsBySize[8].words, eights);
}

// A player who never wants some words shown.
class Hidden : public OwnWords {
 public:
  explicit Hidden(std::set<std::string> words) : words_(std::move(words)) {}
  bool accepted(const std::string&) const override { return false; }
  bool neverShown(const std::string& word) const override { return words_.count(word) > 0; }
  bool accept(const std::string&) override { return false; }
  bool neverShow(const std::string&) override { return false; }

 private:
  std::set<std::string> words_;
};

TEST_F(PuzzleBridge, HiddenWordsLeaveFreshPuzzlesButNotARebuiltOne) {
  load({"stone", "one", "ton", "toe", "nest", "tons", "set"});
  state.boardWidth = 5;
  const Hidden hidden({"TON", "NEST"});
  buildPuzzle(state, engine, random, -1, &hidden);
  EXPECT_EQ(wordsOf(3), (std::set<std::string>{"ONE", "TOE", "SET"}));
  EXPECT_EQ(wordsOf(4), (std::set<std::string>{"TONS"}));
  EXPECT_EQ(state.totalWords, 5);
  EXPECT_EQ(state.totalPoints, 3 * 6 + 10 + 15);
  // Asked for by number (a saved game): every word, as it was played.
  buildPuzzle(state, engine, random, state.solvingData.puzzleNumber, &hidden);
  EXPECT_EQ(state.totalWords, 7);

  // Every full-length word of the drawn rack hidden: the next numbers are tried.
  load({"stone", "notes", "crane", "one", "car", "acre", "race"});
  const Hidden racks({"STONE", "NOTES"});
  for (const double fraction : {0.0, 0.0001, 0.0002, 0.5}) {
    random = FixedRandom({fraction});
    buildPuzzle(state, engine, random, -1, &racks);
    EXPECT_EQ(rackText(), "ACENR") << fraction;
  }
  // Nothing left to play: a clear failure, not a hang.
  const Hidden all({"STONE", "NOTES", "CRANE"});
  EXPECT_THROW(buildPuzzle(state, engine, random, -1, &all), std::runtime_error);
}

TEST(TargetScore, IsEightyPercentRoundedHalfToEven) {
  EXPECT_EQ(targetScoreFor(101), 81);
  EXPECT_EQ(targetScoreFor(102), 82);
  EXPECT_EQ(targetScoreFor(0), 0);
  EXPECT_EQ(targetScoreFor(5), 4);  // 4.0
}

}  // namespace
}  // namespace vorpex
