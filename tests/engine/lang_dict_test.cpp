// Reading dictionary files: layout, and refusal of every malformed file.
#include <gtest/gtest.h>

#include "lang_dict.h"
#include "puzzle_engine.h"
#include "test_dictionaries.h"

namespace wordcore {
namespace {

using vorpex::testing::fileBytes;
using vorpex::testing::graphOf;
using vorpex::testing::TempDir;

std::vector<std::string> allWords(PuzzleEngine& engine) {
  std::vector<std::string> words;
  for (int len = 3; len <= 10; ++len)
    for (size_t i = 0; i < engine.wordsByLen(len).size(); ++i)
      words.push_back(engine.wordsByLen(len).text(i));
  return words;
}

const std::vector<std::string> kSample = {"ate", "tea", "team", "rate", "tear", "treat", "eat"};

TEST(LangDict, TrailingPartialNodeIsIgnoredAndHeaderChangesNothing) {
  TempDir dir;
  auto bytes = fileBytes(graphOf(kSample));
  PuzzleEngine plain;
  ASSERT_EQ(plain.load(dir.write("plain", bytes)), DictStatus::ok);

  auto odd = bytes;
  for (size_t i = 0; i < kHeaderSize; ++i) odd[i] = static_cast<uint8_t>(i * 37 + 11);
  odd.insert(odd.end(), {0xFF, 0xFF, 0xFF});  // three bytes: no whole node
  PuzzleEngine other;
  ASSERT_EQ(other.load(dir.write("odd", odd)), DictStatus::ok);

  EXPECT_EQ(other.dict().nodeCount(), (bytes.size() - kHeaderSize) / 4);
  EXPECT_EQ(allWords(other), allWords(plain));
  EXPECT_EQ(other.dict().headerBlock()[1], 48);
}

TEST(LangDict, AccessorsAnswerFalseAtAndBeyondNodeCount) {
  LangDict dict;
  // One group "ab" whose letters both have the child group at index 2.
  ASSERT_EQ(dict.adoptNodes({node::make('a', false, true, 2), node::make('b', false, false, 2),
                             node::make('c', true, false, 0)}),
            DictStatus::ok);
  EXPECT_TRUE(dict.hasChild(0));
  EXPECT_TRUE(dict.hasNextSibling(0));
  EXPECT_FALSE(dict.hasChild(3));
  EXPECT_FALSE(dict.hasNextSibling(3));
  EXPECT_FALSE(dict.hasChild(1000000));
  EXPECT_FALSE(dict.hasNextSibling(1000000));
}

TEST(LangDict, PrefixWordSharesThePathOfTheLongerWord) {
  LangDict dict;
  ASSERT_EQ(dict.adoptNodes(graphOf({"tea", "team"})), DictStatus::ok);
  uint32_t at = 0;  // t, then e, then a
  for (char ch : std::string("tea")) {
    while (dict.letter(at) != ch) ++at;
    if (ch != 'a') at = dict.childIndex(at);
  }
  EXPECT_TRUE(dict.isEndOfWord(at));
  ASSERT_TRUE(dict.hasChild(at));
  EXPECT_EQ(dict.letter(dict.childIndex(at)), 'm');
  EXPECT_EQ(dict.nodeCount(), 4u);
}

struct Refusal {
  const char* name;
  std::vector<uint32_t> nodes;
  DictStatus expected;
};

TEST(LangDict, MalformedGraphsAreRefused) {
  const std::vector<Refusal> cases = {
      {"upper-case letter", {node::make('A', true, false, 0)}, DictStatus::badLetter},
      {"letter zero", {node::make('\0', true, false, 0)}, DictStatus::badLetter},
      {"letter past z", {node::make('{', true, false, 0)}, DictStatus::badLetter},
      {"bit 31 set", {node::make('a', true, false, 0) | node::kSignBit}, DictStatus::badLetter},
      {"upper-case \xC9", {node::make('\xC9', true, false, 0)}, DictStatus::badLetter},
      {"division sign", {node::make('\xF7', true, false, 0)}, DictStatus::badLetter},
      {"euro sign", {node::make('\x80', true, false, 0)}, DictStatus::badLetter},
      {"undefined byte", {node::make('\x81', true, false, 0)}, DictStatus::badLetter},
      {"ordinal a", {node::make('\xAA', true, false, 0)}, DictStatus::badLetter},
      {"child at the node count", {node::make('a', false, false, 1)}, DictStatus::childOutOfRange},
      {"child far beyond", {node::make('a', false, true, 0), node::make('b', false, false, 70000)},
       DictStatus::childOutOfRange},
      {"group runs off the end", {node::make('a', true, false, 0), node::make('b', true, true, 0)},
       DictStatus::groupRunsOffEnd},
      {"no node at all", {}, DictStatus::noCompleteNode},
      // Two faults in one node: the letter is reported, being checked first.
      {"bad letter and far child", {node::make('A', false, false, 9)}, DictStatus::badLetter},
  };
  for (const Refusal& c : cases) {
    PuzzleEngine engine;
    EXPECT_EQ(engine.loadNodes(c.nodes), c.expected) << c.name;
    EXPECT_EQ(engine.dict().nodeCount(), 0u) << c.name;
    for (int len = 0; len < kListCount; ++len) EXPECT_TRUE(engine.wordsByLen(len).empty()) << c.name;
  }
}

// One sibling group of every letter given: a graph of one-letter paths.
std::vector<uint32_t> groupOf(const std::string& letters) {
  std::vector<uint32_t> nodes;
  for (size_t i = 0; i < letters.size(); ++i)
    nodes.push_back(node::make(letters[i], true, i + 1 < letters.size(), 0));
  return nodes;
}

TEST(LangDict, AGraphHoldsAtMostThirtyTwoLetters) {
  std::string letters = "abcdefghijklmnopqrstuvwxyz";
  letters += "\xDF\xE4\xF1\xF6\xFC\xFF";  // 32
  LangDict dict;
  ASSERT_EQ(dict.adoptNodes(groupOf(letters)), DictStatus::ok);
  EXPECT_EQ(dict.alphabet().size(), 32);
  EXPECT_EQ(dict.alphabet().indexOf('\xFF'), 31);
  EXPECT_EQ(dict.alphabet().indexOf('z'), 25);
  EXPECT_EQ(dict.adoptNodes(groupOf(letters + "\xE5")), DictStatus::badLetter) << "a 33rd letter";
  EXPECT_EQ(dict.nodeCount(), 0u);
  EXPECT_EQ(dict.alphabet().size(), 0) << "a refused graph leaves no alphabet behind";
}

TEST(LangDict, MissingShortAndOddFilesAreRefused) {
  TempDir dir;
  PuzzleEngine engine;
  EXPECT_EQ(engine.load((dir.path() / "absent").string()), DictStatus::cannotRead);
  EXPECT_EQ(engine.load(dir.path().string()), DictStatus::cannotRead) << "a folder";
  EXPECT_EQ(engine.load(dir.write("empty", std::string())), DictStatus::noCompleteNode);
  EXPECT_EQ(engine.load(dir.write("header", std::vector<uint8_t>(256, 'x'))),
            DictStatus::noCompleteNode);
  EXPECT_EQ(engine.load(dir.write("short", std::vector<uint8_t>(259, 0))),
            DictStatus::noCompleteNode);

  auto bytes = fileBytes(graphOf(kSample));
  bytes.resize(bytes.size() - 4);  // truncated: the last group now runs off the end
  EXPECT_NE(engine.load(dir.write("truncated", bytes)), DictStatus::ok);
  EXPECT_TRUE(engine.wordsByLen(3).empty());
}

TEST(LangDict, MoreNodesThanChildIndexesAddressAreRefused) {
  TempDir dir;
  std::vector<uint32_t> nodes(node::kMaxNodes + 1, node::make('a', true, false, 0));
  PuzzleEngine engine;
  EXPECT_EQ(engine.load(dir.write("huge", fileBytes(nodes))), DictStatus::tooManyNodes);
  LangDict dict;
  EXPECT_EQ(dict.adoptNodes(nodes), DictStatus::tooManyNodes) << "from memory too";
}

// As many nodes as the child index addresses, with letters and children
// that fill every byte of a node: read from a file and from memory alike.
TEST(LangDict, TheLargestGraphReadsWholeFromAFileAndFromMemory) {
  std::vector<uint32_t> nodes(node::kMaxNodes);
  for (uint32_t i = 0; i < node::kMaxNodes; ++i)
    nodes[i] = node::make(static_cast<char>('a' + i % 26), i % 3 == 0, false, (i * 7919u) % node::kMaxNodes);
  const std::vector<uint8_t> bytes = fileBytes(nodes);
  TempDir dir;
  LangDict fromFile, fromMemory;
  ASSERT_EQ(fromFile.loadDictionary(dir.write("largest", bytes)), DictStatus::ok);
  ASSERT_EQ(fromMemory.readBytes(bytes.data(), bytes.size()), DictStatus::ok);
  ASSERT_EQ(fromMemory.nodeCount(), node::kMaxNodes);
  for (uint32_t i = 0; i < node::kMaxNodes; i += 997) {
    EXPECT_EQ(fromFile.letter(i), static_cast<char>('a' + i % 26)) << i;
    EXPECT_EQ(fromFile.childIndex(i), (i * 7919u) % node::kMaxNodes) << i;
    EXPECT_EQ(fromFile.isEndOfWord(i), i % 3 == 0) << i;
    EXPECT_EQ(fromMemory.letter(i), fromFile.letter(i)) << i;
    EXPECT_EQ(fromMemory.childIndex(i), fromFile.childIndex(i)) << i;
    EXPECT_EQ(fromMemory.isEndOfWord(i), fromFile.isEndOfWord(i)) << i;
  }
}

// A refused file leaves nothing of an earlier graph or of its own header.
TEST(LangDict, ARefusedFileLeavesAnEmptyGraphAndHeader) {
  TempDir dir;
  std::vector<uint8_t> bytes = fileBytes(graphOf(kSample));
  for (size_t i = 0; i < kHeaderSize; ++i) bytes[i] = 0xAB;
  const std::array<uint8_t, kHeaderSize> zeros{};
  LangDict dict;
  ASSERT_EQ(dict.loadDictionary(dir.write("good", bytes)), DictStatus::ok);
  EXPECT_EQ(dict.loadDictionary((dir.path() / "absent").string()), DictStatus::cannotRead);
  EXPECT_EQ(dict.nodeCount(), 0u);
  EXPECT_EQ(dict.headerBlock(), zeros);
  ASSERT_EQ(dict.readBytes(bytes.data(), bytes.size()), DictStatus::ok);
  EXPECT_EQ(dict.readBytes(bytes.data(), 100), DictStatus::noCompleteNode);
  EXPECT_EQ(dict.headerBlock(), zeros);
  EXPECT_EQ(dict.nodeCount(), 0u);
  bytes.resize(bytes.size() - 4);  // the last group now runs off the end
  EXPECT_EQ(dict.readBytes(bytes.data(), bytes.size()), DictStatus::groupRunsOffEnd);
  EXPECT_EQ(dict.headerBlock(), zeros);
  EXPECT_EQ(dict.nodeCount(), 0u);
}

TEST(LangDict, OneWholeNodeAfterTheHeaderIsAGraph) {
  TempDir dir;
  const std::vector<uint8_t> bytes = fileBytes({node::make('a', true, false, 0)});
  ASSERT_EQ(bytes.size(), kHeaderSize + 4);
  LangDict fromFile, fromMemory;
  EXPECT_EQ(fromFile.loadDictionary(dir.write("one", bytes)), DictStatus::ok);
  EXPECT_EQ(fromMemory.readBytes(bytes.data(), bytes.size()), DictStatus::ok);
  EXPECT_EQ(fromMemory.readBytes(bytes.data(), bytes.size() - 1), DictStatus::noCompleteNode);
}

// The fuzzer and the tests read dictionaries from memory: that reading must
// give what reading the same bytes from a file gives.
TEST(LangDict, BytesInMemoryReadAsTheSameFile) {
  TempDir dir;
  std::vector<uint8_t> bytes = fileBytes(graphOf(kSample));
  for (size_t i = 0; i < kHeaderSize; ++i) bytes[i] = static_cast<uint8_t>(i * 7 + 3);
  PuzzleEngine fromFile, fromMemory;
  ASSERT_EQ(fromFile.load(dir.write("sample", bytes)), DictStatus::ok);
  ASSERT_EQ(fromMemory.loadBytes(bytes.data(), bytes.size()), DictStatus::ok);
  EXPECT_EQ(allWords(fromMemory), allWords(fromFile));
  EXPECT_EQ(fromMemory.dict().nodeCount(), fromFile.dict().nodeCount());
  EXPECT_EQ(fromMemory.dict().headerBlock(), fromFile.dict().headerBlock());
  EXPECT_EQ(fromMemory.dict().headerBlock()[1], 10);
}

TEST(LangDict, ALetterRepeatedAmongSiblingsIsNoticed) {
  LangDict dict;
  ASSERT_EQ(dict.adoptNodes({node::make('a', true, true, 0), node::make('b', true, false, 0)}), DictStatus::ok);
  EXPECT_FALSE(dict.hasRepeatedLetters());
  ASSERT_EQ(dict.adoptNodes({node::make('c', true, true, 0), node::make('c', true, false, 0)}), DictStatus::ok);
  EXPECT_TRUE(dict.hasRepeatedLetters());
  ASSERT_EQ(dict.adoptNodes({node::make('a', true, false, 0), node::make('a', true, false, 0)}), DictStatus::ok);
  EXPECT_FALSE(dict.hasRepeatedLetters()) << "two groups of one letter each";
}

// Every node of the root group and of a shared group points at the shared
// group, which spells every string of a to z: 26^10 words of ten letters.
std::vector<uint32_t> explodingGraph(bool wordsEverywhere) {
  std::vector<uint32_t> nodes;
  for (int copy = 0; copy < 2; ++copy)
    for (char ch = 'a'; ch <= 'z'; ++ch)
      nodes.push_back(node::make(ch, wordsEverywhere, ch != 'z', 26));
  return nodes;
}

TEST(LangDict, GraphSpellingTooManyWordsIsRefusedNotListed) {
  PuzzleEngine engine;
  EXPECT_EQ(engine.loadNodes(explodingGraph(true)), DictStatus::tooManyWords);
  EXPECT_TRUE(engine.wordsByLen(3).empty());
}

TEST(LangDict, GraphOfEndlessPathsWithoutWordsIsRefusedNotWalkedForever) {
  PuzzleEngine engine;
  EXPECT_EQ(engine.loadNodes(explodingGraph(false)), DictStatus::tooManySteps);
}

}  // namespace
}  // namespace wordcore
