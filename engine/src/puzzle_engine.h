// The one engine object behind the exported functions: the dictionary, its
// word lists in their fixed shuffled order, and the solution lists of the
// puzzles built since the last clear.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "lang_dict.h"
#include "word_graph.h"

namespace wordcore {

class PuzzleEngine {
 public:
  virtual ~PuzzleEngine() = default;

  // Reads the dictionary file and builds the lists: every word of 3 to 10
  // letters in graph order, then each length shuffled in turn (3 first) from
  // one generator seeded with 0. On failure every list is empty.
  //
  // The lists of 9 and 10 letters are made when first asked for, by
  // wordsByLen or a rack that long, from the generator's state after the
  // 8-letter list: their content and order are the same as if made at load.
  // A graph whose 9- and 10-letter words alone would pass the engine's
  // bounds gives those two lists empty.
  DictStatus load(const std::string& path);

  // The same from a whole file's bytes, or from nodes, already in memory.
  DictStatus loadBytes(const uint8_t* data, size_t size);
  DictStatus loadNodes(std::vector<uint32_t> nodes);

  const LangDict& dict() const { return dict_; }
  const WordList& wordsByLen(int length) {
    if (length > kEagerMaxLength) makeLongLists();
    return wordsByLen_[length];
  }

  // Appends to the solution lists every word of 3 to rackLength letters that
  // the rack word's letters spell, each length in list order, skipping words
  // already listed. The rack word is wordsByLen(rackLength)[puzzleNumber
  // taken unsigned, modulo the list's size]. Returns 0, or -1 (and adds
  // nothing) for a rackLength outside 3 to 10 or an empty list.
  int32_t buildSolutions(int32_t rackLength, int32_t puzzleNumber, int32_t position);

  // Solution words of `length` (0 to 14) letters; `index` is 0-based and
  // below solutionCount(length).
  size_t solutionCount(int length) const { return solutions_[length].size(); }
  void spellSolution(int length, size_t index, char* out) const {
    wordsByLen_[length].spell(solutions_[length][index], out);
  }
  std::string solution(int length, size_t index) const {
    return wordsByLen_[length].text(solutions_[length][index]);
  }

  void clearSolutions();

 private:
  // Builds the lists after a read that gave `readStatus`; empties all on failure.
  DictStatus buildFrom(DictStatus readStatus);
  DictStatus buildLists();
  void reset();       // everything, the dictionary included
  void clearLists();  // everything made from the dictionary
  void makeLongLists();
  void addSolution(int length, uint32_t index);
  uint32_t identity(int length, uint32_t index) const;
  void computeIdentities(int length);
  // Readies the solution bookkeeping of the lists of these lengths.
  void prepareForPuzzles(int minLength, int maxLength);
  const std::vector<uint64_t>& letterBits(int length);
  void scanLength(int length, uint32_t rackMask, const uint8_t rackCounts[kMaxLetters]);

  LangDict dict_;
  WordLists wordsByLen_{};
  bool longListsPending_ = false;
  EngineRand longListsRand_;  // the shuffle's state after the last eager list

  // The letter masks transposed, per length: for each letter k, a bit set
  // over the list's positions (blocks of 64) marking the words that hold k.
  // The words whose letters all lie in a rack are then the complement of the
  // union of the sets of the letters the rack lacks: a few thousand word-wide
  // ORs per puzzle instead of a test per dictionary word. Each length's sets
  // are made by the first puzzle that scans it, so lengths no rack reaches
  // cost nothing.
  std::array<std::vector<uint64_t>, kListCount> letterBits_{};
  std::vector<uint64_t> scratch_;  // one block per 64 words of the list scanned

  // A solution is kept as the index of its word in wordsByLen_. `listed_`
  // marks, per length, the identities already in the solution list; the
  // identity of a word is its own index unless the dictionary spells one word
  // twice, when `identities_` maps every copy to its first index.
  std::array<std::vector<uint32_t>, kListCount> solutions_{};
  std::array<std::vector<uint64_t>, kListCount> listed_{};
  std::array<std::vector<uint32_t>, kListCount> identities_{};
};

}  // namespace wordcore
