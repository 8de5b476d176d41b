// The word graph as read from a dictionary file: a 256-byte header that
// nothing interprets, then an array of 32-bit nodes.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "alphabet.h"

namespace wordcore {

// Why a dictionary file was refused; `ok` when it was read and is well formed.
enum class DictStatus {
  ok,
  cannotRead,       // missing, unreadable, or not a regular file
  noCompleteNode,   // shorter than the header plus one node
  tooManyNodes,     // more nodes than 19-bit child indexes can address
  badLetter,        // a node whose letter is not a to z, or bit 31 set
  childOutOfRange,  // a child index at or beyond the node count
  groupRunsOffEnd,  // the last node claims a next sibling
  tooManyWords,     // listing would pass the engine's bound on words
  tooManySteps,     // listing would pass the engine's bound on walk steps
};

// A short English description of `status`, for tools and tests.
const char* describe(DictStatus status);

// Node layout: bits 0-7 letter, bit 8 end of word, bit 9 more siblings,
// bits 10-11 ignored, bits 12-30 index of the first child (0 = none),
// bit 31 always 0.
namespace node {
constexpr uint32_t kLetterMask = 0xFFu;
constexpr uint32_t kEndOfWord = 1u << 8;
constexpr uint32_t kMoreSiblings = 1u << 9;
constexpr int kChildShift = 12;
constexpr uint32_t kChildMask = 0x7FFFFu;
constexpr uint32_t kSignBit = 1u << 31;
constexpr uint32_t kMaxNodes = kChildMask + 1;  // 524,288

constexpr uint32_t make(char letter, bool endOfWord, bool moreSiblings,
                        uint32_t firstChild) {
  return static_cast<uint8_t>(letter) | (endOfWord ? kEndOfWord : 0u) |
         (moreSiblings ? kMoreSiblings : 0u) | (firstChild << kChildShift);
}
}  // namespace node

constexpr size_t kHeaderSize = 256;

class LangDict {
 public:
  virtual ~LangDict() = default;

  // Reads `path` whole and checks every node: each letter a lower-case letter
  // of Windows-1252, at most kMaxLetters of them in all, each child
  // index below the node count, the last node ending its group, and at most
  // kMaxNodes nodes. Trailing bytes that do not make a whole node are
  // ignored. On any failure the dictionary is left empty.
  DictStatus loadDictionary(const std::string& path);

  // The same over a whole file's bytes already in memory.
  DictStatus readBytes(const uint8_t* data, size_t size);

  // Takes `nodes` as the graph, checked as loadDictionary checks a file.
  DictStatus adoptNodes(std::vector<uint32_t> nodes);

  // The checked node array: every child index is below nodeCount() and the
  // last node ends its group.
  const uint32_t* nodes() const { return nodes_.data(); }
  uint32_t nodeCount() const { return static_cast<uint32_t>(nodes_.size()); }
  const std::array<uint8_t, kHeaderSize>& headerBlock() const { return headerBlock_; }

  // Accessors of the walk. Indexes at or beyond nodeCount() have no child
  // and no next sibling; the others require i < nodeCount().
  bool hasChild(uint32_t i) const {
    return i < nodes_.size() && childIndex(i) != 0;
  }
  uint32_t childIndex(uint32_t i) const {
    return (nodes_[i] >> node::kChildShift) & node::kChildMask;
  }
  bool isEndOfWord(uint32_t i) const { return (nodes_[i] & node::kEndOfWord) != 0; }
  bool hasNextSibling(uint32_t i) const {
    return i < nodes_.size() && (nodes_[i] & node::kMoreSiblings) != 0;
  }
  char letter(uint32_t i) const { return static_cast<char>(nodes_[i] & node::kLetterMask); }

  // The letters the graph holds, numbered in byte order.
  const Alphabet& alphabet() const { return alphabet_; }

  // True when some sibling group holds one letter twice, so that one word can
  // be spelled by two paths and stand twice in a word list.
  bool hasRepeatedLetters() const { return repeatedLetters_; }

 private:
  DictStatus check();

  std::array<uint8_t, kHeaderSize> headerBlock_{};
  std::vector<uint32_t> nodes_;
  Alphabet alphabet_;
  bool repeatedLetters_ = false;
};

}  // namespace wordcore
