#include "word_graph.h"

#include <algorithm>

namespace wordcore {

namespace {

// Depth-first walk over the raw nodes. LangDict has checked every child
// index and the end of every group, so no step needs a bounds check. The
// path's letters are carried down as a word code.
class Walker {
 public:
  Walker(const LangDict& dict, WordLists& lists, int minLength, int maxLength)
      : nodes_(dict.nodes()), alphabet_(dict.alphabet()), lists_(lists), minLength_(minLength),
        maxLength_(maxLength) {}

  DictStatus run() {
    walk(0, 0, 0);
    return status_;
  }

 private:
  void walk(uint32_t first, int depth, WordCode prefix) {
    for (uint32_t cur = first;; ++cur) {
      const uint32_t v = nodes_[cur];
      const WordCode code = prefix | letterCode(alphabet_.indexOf(static_cast<char>(v & node::kLetterMask)), depth);
      if (++steps_ > kMaxWalkSteps) {
        status_ = DictStatus::tooManySteps;
        return;
      }
      if ((v & node::kEndOfWord) && depth + 1 >= minLength_) {
        if (++words_ > kMaxWords) {
          status_ = DictStatus::tooManyWords;
          return;
        }
        lists_[depth + 1].append(code);
      }
      const uint32_t child = (v >> node::kChildShift) & node::kChildMask;
      if (child != 0 && depth + 1 < maxLength_) {
        walk(child, depth + 1, code);
        if (status_ != DictStatus::ok) return;
      }
      if ((v & node::kMoreSiblings) == 0) return;
    }
  }

  const uint32_t* nodes_;
  const Alphabet& alphabet_;
  WordLists& lists_;
  const int minLength_;
  const int maxLength_;
  uint64_t steps_ = 0;
  uint32_t words_ = 0;
  DictStatus status_ = DictStatus::ok;
};

}  // namespace

DictStatus enumerateWords(const LangDict& dict, WordLists& lists, int minLength, int maxLength) {
  minLength = std::max(minLength, kMinWordLength);
  maxLength = std::min(maxLength, kMaxWordLength);
  if (dict.nodeCount() == 0 || minLength > maxLength) return DictStatus::ok;
  // Reserving address space up front spares the lists their growth copies;
  // pages the lists never fill are never touched.
  const size_t expected = std::min<size_t>(kMaxWords, 2 * size_t{dict.nodeCount()});
  for (int len = minLength; len <= maxLength; ++len) {
    lists[len] = WordList(len, dict.alphabet());
    lists[len].reserve(expected);
  }
  return Walker(dict, lists, minLength, maxLength).run();
}

void shuffleWords(WordList& list, EngineRand& rand) {
  const size_t n = list.size();
  for (size_t i = 0; i < n; ++i) list.swap(i, rand.next() % n);
}

uint32_t makeSignature(WordCode word, int length, uint8_t counts[kMaxLetters]) {
  for (int k = 0; k < kMaxLetters; ++k) counts[k] = 0;
  uint32_t mask = 0;
  for (int i = 0; i < length; ++i) {
    const int k = letterAt(word, i);
    mask |= 1u << k;
    ++counts[k];
  }
  return mask;
}

bool fitsRack(const uint8_t rackCounts[kMaxLetters], WordCode word, int length) {
  uint8_t used[kMaxLetters] = {};
  for (int i = 0; i < length; ++i) {
    const int k = letterAt(word, i);
    if (++used[k] > rackCounts[k]) return false;
  }
  return true;
}

}  // namespace wordcore
