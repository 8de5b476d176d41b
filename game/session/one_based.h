// A growable array indexed from 1, as the game's rules count tiles, rows and
// words. Reading or writing outside 1 to size() is a fault of the caller and
// throws std::out_of_range rather than touching other memory.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <vector>

namespace vorpex {

template <class T>
class OneBased {
 public:
  OneBased() = default;
  explicit OneBased(size_t size, const T& value = T()) : items_(size, value) {}
  OneBased(std::initializer_list<T> items) : items_(items) {}

  T& operator()(size_t i) { return items_.at(i - 1); }
  const T& operator()(size_t i) const { return items_.at(i - 1); }

  size_t size() const { return items_.size(); }
  bool empty() const { return items_.empty(); }
  // Resizes keeping the first entries; new entries take `value`.
  void resize(size_t size, const T& value = T()) { items_.resize(size, value); }
  void assign(size_t size, const T& value) { items_.assign(size, value); }
  void clear() { items_.clear(); }

  // The entries in order, for range-for and standard algorithms.
  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

  bool operator==(const OneBased&) const = default;

 private:
  std::vector<T> items_;
};

}  // namespace vorpex
