// Listing the graph's words, the fixed shuffle, and letter signatures.
#include <gtest/gtest.h>

#include <algorithm>

#include "puzzle_engine.h"
#include "test_dictionaries.h"
#include "word_graph.h"

namespace wordcore {
namespace {

using vorpex::testing::graphOf;

std::vector<std::string> listOf(const WordList& list) {
  std::vector<std::string> words;
  for (size_t i = 0; i < list.size(); ++i) words.push_back(list.word(i));
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
  const std::vector<std::string> three = {"ace", "bad", "cab", "dab", "ebb", "fab", "gab"};
  const std::vector<std::string> five = {"abbey", "cabal", "dance", "eagle", "fable"};
  const std::vector<std::string> six = {"abacus", "bridge", "candle"};
  std::vector<std::string> all = three;
  all.insert(all.end(), five.begin(), five.end());
  all.insert(all.end(), six.begin(), six.end());
  PuzzleEngine engine;
  ASSERT_EQ(engine.loadNodes(graphOf(all)), DictStatus::ok);

  EngineRand rand(0);
  auto expected3 = three, expected5 = five, expected6 = six;
  referenceShuffle(expected3, rand);
  referenceShuffle(expected5, rand);
  referenceShuffle(expected6, rand);
  EXPECT_EQ(listOf(engine.wordsByLen(3)), expected3);
  EXPECT_TRUE(engine.wordsByLen(4).empty());
  EXPECT_TRUE(engine.letterMasks(4).empty());
  EXPECT_EQ(listOf(engine.wordsByLen(5)), expected5);
  EXPECT_EQ(listOf(engine.wordsByLen(6)), expected6);
}

TEST(WordGraph, ShippedDictionaryListsIdenticallyOnEveryLoad) {
  PuzzleEngine first, second;
  ASSERT_EQ(first.load(vorpex::testing::shippedDictionaryPath()), DictStatus::ok);
  ASSERT_EQ(second.load(vorpex::testing::shippedDictionaryPath()), DictStatus::ok);
  for (int len = 3; len <= 10; ++len) {
    EXPECT_EQ(listOf(first.wordsByLen(len)), listOf(second.wordsByLen(len))) << len;
    EXPECT_EQ(first.letterMasks(len), second.letterMasks(len)) << len;
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
  EXPECT_EQ(letterMask("letter", 6), mask);
}

TEST(Signature, MasksFollowTheirWordsThroughTheShuffle) {
  PuzzleEngine engine;
  ASSERT_EQ(engine.load(vorpex::testing::shippedDictionaryPath()), DictStatus::ok);
  const WordList& words = engine.wordsByLen(7);
  ASSERT_EQ(engine.letterMasks(7).size(), words.size());
  for (size_t i = 0; i < words.size(); i += 97)
    EXPECT_EQ(engine.letterMasks(7)[i], letterMask(words.word(i), 7)) << words.word(i);
}

}  // namespace
}  // namespace wordcore
