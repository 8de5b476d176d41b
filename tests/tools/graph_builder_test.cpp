// The graph builder: every word comes back through the engine, and nothing else.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "dict_file.h"
#include "graph_builder.h"
#include "puzzle_engine.h"
#include "test_dictionaries.h"
#include "word_list_file.h"

namespace vorpex::dict {
namespace {

std::vector<std::string> engineWords(const std::vector<uint32_t>& nodes) {
  wordcore::PuzzleEngine engine;
  EXPECT_EQ(engine.loadNodes(nodes), wordcore::DictStatus::ok);
  std::vector<std::string> words;
  for (int len = 3; len <= 10; ++len)
    for (size_t i = 0; i < engine.wordsByLen(len).size(); ++i)
      words.push_back(engine.wordsByLen(len).text(i));
  std::sort(words.begin(), words.end());
  return words;
}

// Random words over a small alphabet, so that prefixes and suffixes are shared a lot.
std::vector<std::string> randomWords(uint32_t seed, size_t count) {
  std::mt19937 rng(seed);
  std::vector<std::string> words;
  for (size_t i = 0; i < count; ++i) {
    std::string word(3 + rng() % 8, 'a');
    for (char& ch : word) ch = static_cast<char>('a' + rng() % 5);
    words.push_back(word);
  }
  std::sort(words.begin(), words.end());
  words.erase(std::unique(words.begin(), words.end()), words.end());
  return words;
}

TEST(GraphBuilder, RandomListsRoundTripThroughTheEngine) {
  for (uint32_t seed = 1; seed <= 20; ++seed) {
    const auto words = randomWords(seed, 50 * seed);
    const auto graph = buildGraph(words);
    ASSERT_EQ(graph.error, "");
    EXPECT_EQ(engineWords(graph.nodes), words) << "seed " << seed;
  }
}

TEST(GraphBuilder, ShippedListRoundTripsAndFitsTheFormat) {
  const auto list = readWordList(std::string(VORPEX_SOURCE_DIR) + "/resources/words/english.txt");
  ASSERT_EQ(list.error, "");
  const auto graph = buildGraph(list.words);
  ASSERT_EQ(graph.error, "");
  EXPECT_LE(graph.nodes.size(), wordcore::node::kMaxNodes);
  EXPECT_EQ(engineWords(graph.nodes), list.words);
}

TEST(GraphBuilder, GroupsAscendRootStartsAtZeroAndSuffixesAreShared) {
  const auto graph = buildGraph({"bats", "cats", "hats", "mats"});
  ASSERT_EQ(graph.error, "");
  // Root group b, c, h, m, all pointing at one shared chain a -> t -> s.
  ASSERT_EQ(graph.nodes.size(), 7u);
  wordcore::LangDict dict;
  ASSERT_EQ(dict.adoptNodes(graph.nodes), wordcore::DictStatus::ok);
  EXPECT_EQ(std::string({dict.letter(0), dict.letter(1), dict.letter(2), dict.letter(3)}), "bchm");
  for (uint32_t i = 0; i < 4; ++i) EXPECT_EQ(dict.childIndex(i), 4u);
  EXPECT_FALSE(dict.hasNextSibling(3));

  const auto big = buildGraph(randomWords(99, 3000));
  ASSERT_EQ(big.error, "");
  for (size_t i = 0; i + 1 < big.nodes.size(); ++i) {
    if (big.nodes[i] & wordcore::node::kMoreSiblings) {
      EXPECT_LT(big.nodes[i] & 0xFF, big.nodes[i + 1] & 0xFF) << "group not ascending at " << i;
    }
  }
}

TEST(GraphBuilder, SameWordsGiveTheSameBytesWhateverTheInputOrder) {
  auto words = randomWords(7, 2000);
  const auto first = dictionaryBytes(static_cast<uint32_t>(words.size()), buildGraph(words).nodes);
  std::reverse(words.begin(), words.end());
  auto reparsed = parseWordList([&] {
    std::string text;
    for (const auto& w : words) text += w + "\n";
    return text;
  }(), "reversed");
  const auto second =
      dictionaryBytes(static_cast<uint32_t>(reparsed.words.size()), buildGraph(reparsed.words).nodes);
  EXPECT_EQ(first, second);
}

TEST(DictFile, HeaderHoldsIdentificationVersionAndCounts) {
  const auto header = makeHeader(51266, 40000);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(header.data())), kIdentification);
  auto le32 = [&](size_t at) {
    return uint32_t{header[at]} | uint32_t{header[at + 1]} << 8 | uint32_t{header[at + 2]} << 16 |
           uint32_t{header[at + 3]} << 24;
  };
  EXPECT_EQ(le32(64), kFormatVersion);
  EXPECT_EQ(le32(68), 51266u);
  EXPECT_EQ(le32(72), 40000u);
}

}  // namespace
}  // namespace vorpex::dict
