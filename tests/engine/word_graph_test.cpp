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

// Letters are numbered in byte order over the letters the graph holds: a to z
// alone keep the numbers 0 to 25, whatever else a graph spells them with.
TEST(Alphabet, LettersAreNumberedInByteOrderOfThoseTheGraphHolds) {
  struct Case {
    const char* name;
    std::vector<std::string> words;
    std::string letters;  // the alphabet expected, in number order
  };
  const std::vector<Case> cases = {
      {"English", {"letter", "bat", "zoo"}, "abelortz"},
      {"Spanish \xF1", {"a\xF1o", "ca\xF1" "a", "nao"}, "acno\xF1"},
      {"Danish \xE6 \xF8 \xE5", {"\xF8ko", "\xE6" "ble", "\xE5r"}, "beklor\xE5\xE6\xF8"},
      {"\x9C and \xFF", {"\x9Cuf", "za\xFF"}, "afuz\x9C\xFF"},
  };
  for (const Case& c : cases) {
    LangDict dict;
    ASSERT_EQ(dict.adoptNodes(graphOf(c.words)), DictStatus::ok) << c.name;
    std::string letters;
    for (int k = 0; k < dict.alphabet().size(); ++k) letters += dict.alphabet().letter(k);
    EXPECT_EQ(letters, c.letters) << c.name;
  }
}

TEST(Signature, CountsAndMaskAreTakenOverTheAlphabet) {
  PuzzleEngine engine;
  ASSERT_EQ(engine.loadNodes(graphOf({"letter", "\xE5\xE5rer"})), DictStatus::ok);
  // Alphabet e l r t \xE5: numbers 0 1 2 3 4.
  const WordList& six = engine.wordsByLen(6);
  ASSERT_EQ(six.size(), 1u);
  uint8_t counts[kMaxLetters];
  EXPECT_EQ(makeSignature(six.code(0), 6, counts), 0b1111u);
  EXPECT_EQ((std::vector<int>(counts, counts + 5)), (std::vector<int>{2, 1, 1, 2, 0}));
  EXPECT_EQ(std::count(counts, counts + kMaxLetters, 0), kMaxLetters - 4);
  const WordList& five = engine.wordsByLen(5);
  ASSERT_EQ(five.size(), 1u);
  EXPECT_EQ(five.text(0), "\xE5\xE5rer");
  EXPECT_EQ(five.mask(0), makeSignature(five.code(0), 5, counts));
  EXPECT_EQ(counts[4], 2) << "\xE5 twice";
}

TEST(WordList, CodesSpellTheirWordsAndWriteLengthPlusOneBytes) {
  Alphabet alphabet;
  for (char ch : std::string("abcdefyz\xFF")) alphabet.add(static_cast<uint8_t>(ch));
  WordList list(10, alphabet);
  WordCode code = 0;
  const std::string word = "abcdefzzy\xFF";
  for (int i = 0; i < 10; ++i) code |= letterCode(alphabet.indexOf(word[static_cast<size_t>(i)]), i);
  list.append(code);
  char out[12];
  std::memset(out, '#', sizeof out);
  list.spell(0, out);
  EXPECT_EQ(std::string(out), word);
  EXPECT_EQ(out[11], '#') << "spell writes length + 1 bytes";
  EXPECT_EQ(list.text(0), word);
}

}  // namespace
}  // namespace wordcore
