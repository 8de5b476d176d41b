// A list of words that all have the same length, stored contiguously: word i
// occupies length + 1 bytes (its letters and a NUL) at offset i * (length + 1).
// Fixed-size records keep a scan over the list in one stream of memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace wordcore {

class WordList {
 public:
  WordList() = default;
  explicit WordList(int length) : length_(length) {}

  int length() const { return length_; }
  size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }

  // The NUL-terminated word at `i` (< size()).
  const char* word(size_t i) const { return &bytes_[i * stride()]; }

  // Appends the first length() characters of `letters` as a word.
  void append(const char* letters) {
    bytes_.resize(bytes_.size() + stride());
    char* dst = &bytes_[size_ * stride()];
    std::memcpy(dst, letters, static_cast<size_t>(length_));
    dst[length_] = '\0';
    ++size_;
  }

  void swap(size_t i, size_t j) {
    if (i == j) return;
    char tmp[16];
    char* a = &bytes_[i * stride()];
    char* b = &bytes_[j * stride()];
    std::memcpy(tmp, a, stride());
    std::memcpy(a, b, stride());
    std::memcpy(b, tmp, stride());
  }

  void reserve(size_t words) { bytes_.reserve(words * stride()); }
  void clear() {
    bytes_.clear();
    size_ = 0;
  }

 private:
  size_t stride() const { return static_cast<size_t>(length_) + 1; }

  int length_ = 0;
  size_t size_ = 0;
  std::vector<char> bytes_;
};

}  // namespace wordcore
