// Listing the graph's words, the fixed shuffle, and letter signatures.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "puzzle_engine.h"
#include "test_dictionaries.h"
#include "word_graph.h"

namespace wordcore {
namespace {

using vorpex::testing::graphOf;

std::vector<std::string> listOf(const WordList& list) {
  std::vector<std::string> words;
  for (size_t i = 0; i < list.size(); ++i) words.push_back(list.text(i));
  return words;
}

TEST(EngineRand, SeededWithZeroGivesTheCRuntimeSequence) {
  EngineRand rand(0);
  for (uint32_t expected : {38u, 7719u, 21238u, 2437u, 8855u, 11797u}) EXPECT_EQ(rand.next(), expected);
}

TEST(WordGraph, UnshuffledListsAreAlphabeticalAndPrefixWordsStayInTheirLength) {
  LangDict dict;
  ASSERT_EQ(dict.adoptNodes(graphOf({"team", "tea", "ate", "teams", "at", "eat", "mate"})),
            DictStatus::ok);
  WordLists lists;
  for (int len = 0; len < kListCount; ++len) lists[len] = WordList(len);
  ASSERT_EQ(enumerateWords(dict, lists), DictStatus::ok);
  EXPECT_EQ(listOf(lists[3]), (std::vector<std::string>{"ate", "eat", "tea"}));
  EXPECT_EQ(listOf(lists[4]), (std::vector<std::string>{"mate", "team"}));
  EXPECT_EQ(listOf(lists[5]), (std::vector<std::string>{"teams"}));
  EXPECT_TRUE(lists[2].empty()) << "two-letter words are never listed";
}

TEST(WordGraph, NodeOrderWithinAGroupIsTheListingOrder) {
  // Root group "b", "a" in that order: b-words come first.
  LangDict dict;
  ASSERT_EQ(dict.adoptNodes({node::make('b', false, true, 2), node::make('a', false, false, 2),
                             node::make('o', false, false, 3), node::make('x', true, false, 0)}),
            DictStatus::ok);
  WordLists lists;
  for (int len = 0; len < kListCount; ++len) lists[len] = WordList(len);
  ASSERT_EQ(enumerateWords(dict, lists), DictStatus::ok);
  EXPECT_EQ(listOf(lists[3]), (std::vector<std::string>{"box", "aox"}));
}

TEST(WordGraph, TwoWordListKeepsItsOrderAfterTheShuffle) {
  PuzzleEngine engine;  // draws 38 % 2 = 0 and 7719 % 2 = 1: both swaps are no-ops
  ASSERT_EQ(engine.loadNodes(graphOf({"ant", "bee"})), DictStatus::ok);
  EXPECT_EQ(listOf(engine.wordsByLen(3)), (std::vector<std::string>{"ant", "bee"}));
}

// The shuffle as the format defines it, on plain strings.
void referenceShuffle(std::vector<std::string>& words, EngineRand& rand) {
  for (size_t i = 0; i < words.size(); ++i) std::swap(words[i], words[rand.next() % words.size()]);
}

TEST(WordGraph, AllLengthsDrawFromOneSequenceInLengthOrderSkippingEmptyLengths) {
  // No 4-letter words: the 5-letter list draws right after the 3-letter one.
  // The 9- and 10-letter lists, made later than the others, must draw on as
  // if they had been made at load.
  const std::vector<std::vector<std::string>> byLength = {
      {"ace", "bad", "cab", "dab", "ebb", "fab", "gab"},
      {"abbey", "cabal", "dance", "eagle", "fable"},
      {"abacus", "bridge", "candle"},
      {"abandons", "absolute", "bacteria", "cardigan"},
      {"abandoned", "backwards", "cardboard", "dangerous", "elephants"},
      {"abandoning", "background", "cantilever"}};
  std::vector<std::string> all;
  for (const auto& words : byLength) all.insert(all.end(), words.begin(), words.end());

  for (bool longFirst : {false, true}) {
    PuzzleEngine engine;
    ASSERT_EQ(engine.loadNodes(graphOf(all)), DictStatus::ok);
    if (longFirst) {
      ASSERT_EQ(engine.buildSolutions(10, 0, -1), 0) << "a long rack makes the long lists";
    }
    EngineRand rand(0);
    for (auto expected : byLength) {
      referenceShuffle(expected, rand);
      EXPECT_EQ(listOf(engine.wordsByLen(static_cast<int>(expected[0].size()))), expected);
    }
    EXPECT_TRUE(engine.wordsByLen(4).empty());
    EXPECT_TRUE(engine.wordsByLen(7).empty());
  }
}

TEST(WordGraph, TooManyLongWordsLeaveOnlyTheLongListsEmpty) {
  // Ten groups of a to e, each pointing at the next; words end at depths
  // 8, 9 and 10: 5^8 words of eight letters, and 5^9 + 5^10 longer ones,
  // more than the engine lists.
  std::vector<uint32_t> nodes;
  for (uint32_t depth = 0; depth < 10; ++depth)
    for (char ch = 'a'; ch <= 'e'; ++ch)
      nodes.push_back(node::make(ch, depth >= 7, ch != 'e', depth < 9 ? 5 * (depth + 1) : 0));
  PuzzleEngine engine;
  ASSERT_EQ(engine.loadNodes(nodes), DictStatus::ok);
  EXPECT_EQ(engine.wordsByLen(8).size(), 390625u);
  EXPECT_EQ(engine.buildSolutions(8, 12345, -1), 0);
  EXPECT_EQ(engine.buildSolutions(9, 0, -1), -1);
  EXPECT_TRUE(engine.wordsByLen(9).empty());
  EXPECT_TRUE(engine.wordsByLen(10).empty());
}

TEST(WordGraph, ShippedDictionaryListsIdenticallyOnEveryLoad) {
  PuzzleEngine first, second;
  ASSERT_EQ(first.load(vorpex::testing::shippedDictionaryPath()), DictStatus::ok);
  ASSERT_EQ(second.load(vorpex::testing::shippedDictionaryPath()), DictStatus::ok);
  for (int len = 3; len <= 10; ++len) {
    EXPECT_EQ(listOf(first.wordsByLen(len)), listOf(second.wordsByLen(len))) << len;
  }
}

TEST(Signature, LetterHasTwoEsTwoTsAndFourMaskBits) {
  uint8_t counts[26];
  const uint32_t mask = makeSignature("letter", counts);
  EXPECT_EQ(mask, (1u << 4) | (1u << 11) | (1u << 17) | (1u << 19));
  EXPECT_EQ(counts['e' - 'a'], 2);
  EXPECT_EQ(counts['t' - 'a'], 2);
  EXPECT_EQ(counts['l' - 'a'], 1);
  EXPECT_EQ(counts['r' - 'a'], 1);
  EXPECT_EQ(std::count(counts, counts + 26, 0), 22);
}

TEST(WordList, CodesSpellTheirWordsAndMasksHoldTheirLetters) {
  WordList list(10);
  WordCode code = 0;
  const std::string word = "abcdefzzya";
  for (int i = 0; i < 10; ++i) code |= letterCode(word[static_cast<size_t>(i)], i);
  list.append(code);
  char out[12];
  std::memset(out, '#', sizeof out);
  list.spell(0, out);
  EXPECT_STREQ(out, "abcdefzzya");
  EXPECT_EQ(out[11], '#') << "spell writes length + 1 bytes";
  EXPECT_EQ(list.text(0), word);
  uint8_t counts[26];
  EXPECT_EQ(list.mask(0), makeSignature(out, counts));
}

}  // namespace
}  // namespace wordcore
