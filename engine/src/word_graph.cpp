#include "word_graph.h"

namespace wordcore {

namespace {

// Depth-first walk; `letters` holds the letters of the path from the root.
class Walker {
 public:
  Walker(const LangDict& dict, WordLists& lists) : dict_(dict), lists_(lists) {}

  DictStatus run() {
    walk(0, 0);
    return status_;
  }

 private:
  void visit(uint32_t node, int depth) {
    letters_[depth] = dict_.letter(node);
    if (++steps_ > kMaxWalkSteps) status_ = DictStatus::tooManySteps;
    if (depth + 1 >= kMinWordLength && dict_.isEndOfWord(node)) {
      if (++words_ > kMaxWords) {
        status_ = DictStatus::tooManyWords;
        return;
      }
      lists_[depth + 1].append(letters_);
    }
  }

  void walk(uint32_t node, int depth) {
    visit(node, depth);
    uint32_t cur = node;
    while (status_ == DictStatus::ok) {
      if (depth + 1 < kMaxWordLength && dict_.hasChild(cur))
        walk(dict_.childIndex(cur), depth + 1);
      if (status_ != DictStatus::ok || !dict_.hasNextSibling(cur)) break;
      ++cur;
      visit(cur, depth);
    }
  }

  const LangDict& dict_;
  WordLists& lists_;
  char letters_[kMaxWordLength + 1] = {};
  uint64_t steps_ = 0;
  uint32_t words_ = 0;
  DictStatus status_ = DictStatus::ok;
};

}  // namespace

DictStatus enumerateWords(const LangDict& dict, WordLists& lists) {
  if (dict.nodeCount() == 0) return DictStatus::ok;
  return Walker(dict, lists).run();
}

void shuffleWords(WordList& list, EngineRand& rand) {
  const size_t n = list.size();
  for (size_t i = 0; i < n; ++i) list.swap(i, rand.next() % n);
}

uint32_t makeSignature(const char* word, uint8_t counts[26]) {
  for (int k = 0; k < 26; ++k) counts[k] = 0;
  uint32_t mask = 0;
  for (const char* p = word; *p != '\0'; ++p) {
    const int k = *p - 'a';
    mask |= 1u << k;
    ++counts[k];
  }
  return mask;
}

uint32_t letterMask(const char* word, int length) {
  uint32_t mask = 0;
  for (int i = 0; i < length; ++i) mask |= 1u << (word[i] - 'a');
  return mask;
}

bool fitsRack(const uint8_t rackCounts[26], const char* word, int length) {
  uint8_t used[26] = {};
  for (int i = 0; i < length; ++i) {
    const int k = word[i] - 'a';
    if (++used[k] > rackCounts[k]) return false;
  }
  return true;
}

}  // namespace wordcore
