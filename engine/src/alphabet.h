// The letters a dictionary spells with: the lower-case letters of
// Windows-1252 that its graph holds, at most 32 of them, numbered in byte
// order. Words cross the library in that code page, so a letter is one byte;
// 32 letters keep a word's letter set in one 32-bit mask and a letter in five
// bits of a word's code.
#pragma once

#include <array>
#include <cstdint>

namespace wordcore {

constexpr int kMaxLetters = 32;

// True for the bytes that are lower-case letters in Windows-1252: a to z,
// š œ ž (0x9A 0x9C 0x9E), ß (0xDF), à to ö (0xE0-0xF6), ø to ÿ (0xF8-0xFF).
// Digits, punctuation, upper case, the multiplication and division signs
// (0xD7 0xF7) and the bytes the code page leaves undefined are not.
constexpr bool isDictionaryLetter(uint32_t byte) {
  return (byte >= 'a' && byte <= 'z') || byte == 0x9A || byte == 0x9C || byte == 0x9E ||
         byte == 0xDF || (byte >= 0xE0 && byte <= 0xFF && byte != 0xF7);
}

// A numbering of up to kMaxLetters letters. For a graph of a to z alone the
// numbers are 0 for a to 25 for z, so an English dictionary's signatures and
// codes are those of a plain a-to-z engine.
class Alphabet {
 public:
  static constexpr uint8_t kNotALetter = 0xFF;

  // Number `byte` as the next letter. False, and no change, when it is no
  // dictionary letter, is numbered already, or the alphabet is full.
  // Letters must be added in byte order for the numbering above to hold.
  constexpr bool add(uint8_t byte) {
    if (!isDictionaryLetter(byte) || index_[byte] != kNotALetter || size_ == kMaxLetters)
      return false;
    index_[byte] = static_cast<uint8_t>(size_);
    letters_[static_cast<size_t>(size_++)] = static_cast<char>(byte);
    return true;
  }

  int size() const { return size_; }
  // The number of `byte`, or kNotALetter when the alphabet lacks it.
  uint8_t indexOf(char byte) const { return index_[static_cast<uint8_t>(byte)]; }
  // The letter numbered `index` (< size()).
  char letter(int index) const { return letters_[static_cast<size_t>(index)]; }

 private:
  std::array<uint8_t, 256> index_ = filled();
  std::array<char, kMaxLetters> letters_{};
  int size_ = 0;

  static constexpr std::array<uint8_t, 256> filled() {
    std::array<uint8_t, 256> all{};
    all.fill(kNotALetter);
    return all;
  }
};

}  // namespace wordcore
