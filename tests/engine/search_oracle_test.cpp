// The engine's bit-set search against a plain one: for every rack, the
// solution lists equal what counting each word's letters against the rack's
// gives, length by length, in list order.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <vector>

#include "puzzle_engine.h"
#include "test_dictionaries.h"

namespace wordcore {
namespace {

using LetterCounts = std::array<int, 26>;

LetterCounts countsOf(const std::string& word) {
  LetterCounts counts{};
  for (char c : word) ++counts[static_cast<size_t>(c - 'a')];
  return counts;
}

bool fits(const LetterCounts& word, const LetterCounts& rack) {
  for (size_t k = 0; k < 26; ++k)
    if (word[k] > rack[k]) return false;
  return true;
}

// Every list's words and letter counts, read once per dictionary.
struct Lists {
  explicit Lists(PuzzleEngine& engine) {
    for (int length = 3; length <= 10; ++length) {
      const WordList& list = engine.wordsByLen(length);
      for (size_t i = 0; i < list.size(); ++i) {
        words[static_cast<size_t>(length)].push_back(list.text(i));
        counts[static_cast<size_t>(length)].push_back(countsOf(list.text(i)));
      }
    }
  }
  std::array<std::vector<std::string>, 11> words;
  std::array<std::vector<LetterCounts>, 11> counts;
};

// Builds one puzzle and compares every length's solutions with the plain
// search's; returns false at the first difference, after reporting it.
bool matchesPlainSearch(PuzzleEngine& engine, const Lists& lists, int rackLength, int32_t number) {
  engine.clearSolutions();
  if (engine.buildSolutions(rackLength, number, -1) != 0) {
    ADD_FAILURE() << "no puzzle of " << rackLength << " letters, number " << number;
    return false;
  }
  const auto& rackWords = lists.words[static_cast<size_t>(rackLength)];
  const std::string& rack = rackWords[static_cast<uint32_t>(number) % rackWords.size()];
  const LetterCounts rackCounts = countsOf(rack);
  for (int length = 3; length <= 10; ++length) {
    std::vector<std::string> expected;
    const auto l = static_cast<size_t>(length);
    if (length <= rackLength)
      for (size_t i = 0; i < lists.words[l].size(); ++i)
        if (fits(lists.counts[l][i], rackCounts)) expected.push_back(lists.words[l][i]);
    std::vector<std::string> found;
    for (size_t i = 0; i < engine.solutionCount(length); ++i) found.push_back(engine.solution(length, i));
    if (found != expected) {
      ADD_FAILURE() << "rack '" << rack << "' (" << rackLength << " letters, number " << number << "): "
                    << found.size() << " words of " << length << " letters, the plain search finds "
                    << expected.size();
      return false;
    }
  }
  return true;
}

// `perLength` distinct words of each length 3 to 10 over `alphabet`, from a
// fixed seed: the same dictionary on every run.
std::vector<std::string> generatedWords(const std::string& alphabet, size_t perLength, uint32_t seed) {
  std::mt19937 draw(seed);
  std::vector<std::string> words;
  for (size_t length = 3; length <= 10; ++length) {
    std::vector<std::string> ofLength;
    for (size_t tries = 0; ofLength.size() < perLength && tries < 50 * perLength; ++tries) {
      std::string word;
      for (size_t k = 0; k < length; ++k) word += alphabet[draw() % alphabet.size()];
      if (std::find(ofLength.begin(), ofLength.end(), word) == ofLength.end()) ofLength.push_back(word);
    }
    words.insert(words.end(), ofLength.begin(), ofLength.end());
  }
  return words;
}

struct Generated {
  const char* what;
  std::string alphabet;
  size_t perLength;
};

TEST(SearchOracle, EveryRackOfGeneratedDictionariesMatchesThePlainSearch) {
  const Generated dictionaries[] = {
      // Few letters: repeated letters in nearly every word, many solutions a
      // rack; 129 a length leaves one word in the last 64-word block.
      {"six letters", "abcdef", 129},
      // Words longer than one 64-word block of the bit sets, in every list.
      {"the whole alphabet", "abcdefghijklmnopqrstuvwxyz", 200},
      // Three letters, one of them most of every word.
      {"one letter over and over", "aaaaabbc", 90},
      // Fewer words than one block.
      {"a short list", "etaoinshr", 20},
  };
  uint32_t seed = 1;
  // One engine loads each in turn: nothing of one dictionary may serve the next.
  PuzzleEngine engine;
  for (const Generated& dictionary : dictionaries) {
    SCOPED_TRACE(dictionary.what);
    ASSERT_EQ(engine.loadNodes(vorpex::testing::graphOf(generatedWords(dictionary.alphabet, dictionary.perLength, seed++))),
              DictStatus::ok);
    const Lists lists(engine);
    for (int rackLength = 3; rackLength <= 10; ++rackLength) {
      const auto count = static_cast<int32_t>(lists.words[static_cast<size_t>(rackLength)].size());
      ASSERT_GT(count, 0) << rackLength;
      for (int32_t number = 0; number < count; ++number)
        ASSERT_TRUE(matchesPlainSearch(engine, lists, rackLength, number));
    }
  }
}

TEST(SearchOracle, ThousandsOfShippedPuzzlesMatchThePlainSearch) {
  PuzzleEngine engine;
  ASSERT_EQ(engine.load(vorpex::testing::shippedDictionaryPath()), DictStatus::ok);
  const Lists lists(engine);
  // 750 racks of each level's length, spread over the puzzle numbers a game
  // draws (0 to 10000), and the last numbers past each list's end.
  for (int rackLength = 5; rackLength <= 8; ++rackLength) {
    for (int32_t number = 0; number < 10000; number += 14)
      ASSERT_TRUE(matchesPlainSearch(engine, lists, rackLength, number));
    const auto size = static_cast<int32_t>(lists.words[static_cast<size_t>(rackLength)].size());
    for (int32_t number = size - 3; number < size + 3; ++number)
      ASSERT_TRUE(matchesPlainSearch(engine, lists, rackLength, number));
  }
}

}  // namespace
}  // namespace wordcore
