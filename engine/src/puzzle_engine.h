// The one engine object behind the exported functions: the dictionary, its
// word lists in their fixed shuffled order with letter masks, and the
// solution lists of the puzzles built since the last clear.
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
  // letters in graph order, each length shuffled in turn (3 first) from one
  // generator seeded with 0, then the masks. On failure every list is empty.
  DictStatus load(const std::string& path);

  // The same from a whole file's bytes, or from nodes, already in memory.
  DictStatus loadBytes(const uint8_t* data, size_t size);
  DictStatus loadNodes(std::vector<uint32_t> nodes);

  const LangDict& dict() const { return dict_; }
  const WordList& wordsByLen(int length) const { return wordsByLen_[length]; }
  const std::vector<uint32_t>& letterMasks(int length) const { return letterMasks_[length]; }

  // Appends to the solution lists every word of 3 to rackLength letters that
  // the rack word's letters spell, each length in list order, skipping words
  // already listed. The rack word is wordsByLen(rackLength)[puzzleNumber
  // taken unsigned, modulo the list's size]. Returns 0, or -1 (and adds
  // nothing) for a rackLength outside 3 to 10 or an empty list.
  int32_t buildSolutions(int32_t rackLength, int32_t puzzleNumber, int32_t position);

  // Solution words of `length` (0 to 14) letters; index is 0-based.
  size_t solutionCount(int length) const { return solutions_[length].size(); }
  const char* solution(int length, size_t index) const {
    return wordsByLen_[length].word(solutions_[length][index]);
  }

  void clearSolutions();

 private:
  // Builds the lists after a read that gave `readStatus`; empties all on failure.
  DictStatus buildFrom(DictStatus readStatus);
  DictStatus buildLists();
  void reset();
  void resetLists();
  void addSolution(int length, uint32_t index);
  uint32_t identity(int length, uint32_t index) const;
  void computeIdentities();

  LangDict dict_;
  WordLists wordsByLen_{};
  std::array<std::vector<uint32_t>, kListCount> letterMasks_{};

  // A solution is kept as the index of its word in wordsByLen_. `listed_`
  // marks, per length, the identities already in the solution list; the
  // identity of a word is its own index unless the dictionary spells one word
  // twice, when `identities_` maps every copy to its first index.
  std::array<std::vector<uint32_t>, kListCount> solutions_{};
  std::array<std::vector<uint64_t>, kListCount> listed_{};
  std::array<std::vector<uint32_t>, kListCount> identities_{};
};

}  // namespace wordcore
