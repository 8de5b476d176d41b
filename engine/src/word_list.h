// A list of words that all have the same length, each packed into one 64-bit
// code: letter i (1 for 'a' to 26 for 'z') in bits 5i to 5i + 4. Ten letters
// take 50 bits, so a word costs 8 bytes; moving, swapping and comparing words
// are plain integer operations, and the whole list is one contiguous array.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace wordcore {

using WordCode = uint64_t;

constexpr int kLetterBits = 5;

// The code of `letter` ('a' to 'z') at position `i`.
constexpr WordCode letterCode(char letter, int i) {
  return WordCode(letter - 'a' + 1) << (kLetterBits * i);
}

// Letter `i` of a word's code.
constexpr char letterAt(WordCode code, int i) {
  return static_cast<char>('a' - 1 + ((code >> (kLetterBits * i)) & 31u));
}

class WordList {
 public:
  WordList() = default;
  explicit WordList(int length) : length_(length) {}

  int length() const { return length_; }
  size_t size() const { return codes_.size(); }
  bool empty() const { return codes_.empty(); }

  WordCode code(size_t i) const { return codes_[i]; }

  // Writes word `i` (< size()) to `out` as length() letters and a NUL.
  void spell(size_t i, char* out) const {
    const WordCode code = codes_[i];
    for (int k = 0; k < length_; ++k) out[k] = letterAt(code, k);
    out[length_] = '\0';
  }

  std::string text(size_t i) const {
    std::string word(static_cast<size_t>(length_), ' ');
    for (int k = 0; k < length_; ++k) word[static_cast<size_t>(k)] = letterAt(codes_[i], k);
    return word;
  }

  // Bit k set when word `i` holds letter 'a' + k.
  uint32_t mask(size_t i) const {
    uint32_t mask = 0;
    for (int k = 0; k < length_; ++k) mask |= 1u << (letterAt(codes_[i], k) - 'a');
    return mask;
  }

  void append(WordCode code) { codes_.push_back(code); }
  void swap(size_t i, size_t j) { std::swap(codes_[i], codes_[j]); }
  void reserve(size_t words) { codes_.reserve(words); }

 private:
  int length_ = 0;
  std::vector<WordCode> codes_;
};

}  // namespace wordcore
