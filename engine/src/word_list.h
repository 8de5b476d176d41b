// A list of words that all have the same length, each packed into one 64-bit
// code: the alphabet's number of letter i (0 to 31) in bits 5i to 5i + 4. Ten
// letters take 50 bits, so a word costs 8 bytes; moving, swapping and
// comparing words are plain integer operations, and the whole list is one
// contiguous array. Within one list equal codes are equal words.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "alphabet.h"

namespace wordcore {

using WordCode = uint64_t;

constexpr int kLetterBits = 5;

// The code of the letter numbered `index` (0 to 31) at position `i`.
constexpr WordCode letterCode(int index, int i) {
  return WordCode(static_cast<unsigned>(index)) << (kLetterBits * i);
}

// The number of letter `i` of a word's code.
constexpr int letterAt(WordCode code, int i) {
  return static_cast<int>((code >> (kLetterBits * i)) & 31u);
}

class WordList {
 public:
  WordList() = default;
  // An empty list of words of `length` letters, spelled with `alphabet`'s
  // letters. A list made without one holds no words.
  explicit WordList(int length) : length_(length) {}
  WordList(int length, const Alphabet& alphabet) : length_(length) {
    for (int k = 0; k < alphabet.size(); ++k) letters_[static_cast<size_t>(k)] = alphabet.letter(k);
  }

  int length() const { return length_; }
  size_t size() const { return codes_.size(); }
  bool empty() const { return codes_.empty(); }

  WordCode code(size_t i) const { return codes_[i]; }

  // Writes word `i` (< size()) to `out` as length() letters and a NUL.
  void spell(size_t i, char* out) const {
    const WordCode code = codes_[i];
    for (int k = 0; k < length_; ++k) out[k] = letterOf(letterAt(code, k));
    out[length_] = '\0';
  }

  std::string text(size_t i) const {
    std::string word(static_cast<size_t>(length_), ' ');
    for (int k = 0; k < length_; ++k) word[static_cast<size_t>(k)] = letterOf(letterAt(codes_[i], k));
    return word;
  }

  // Bit k set when word `i` holds the letter numbered k.
  uint32_t mask(size_t i) const {
    uint32_t mask = 0;
    for (int k = 0; k < length_; ++k) mask |= 1u << letterAt(codes_[i], k);
    return mask;
  }

  void append(WordCode code) { codes_.push_back(code); }
  void swap(size_t i, size_t j) { std::swap(codes_[i], codes_[j]); }
  void reserve(size_t words) { codes_.reserve(words); }

 private:
  char letterOf(int index) const { return letters_[static_cast<size_t>(index)]; }

  int length_ = 0;
  std::array<char, kMaxLetters> letters_{};
  std::vector<WordCode> codes_;
};

}  // namespace wordcore
