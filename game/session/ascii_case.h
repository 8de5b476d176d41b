// Letter case for the game's words, stored names and file keys, the same in
// every locale. The C library's toupper follows the locale the toolkit sets
// (under a Turkish one 'i' stays 'i'), which would make the rack, the word
// lists, the store and a saved game differ by where they were made. Only
// the 26 ASCII letters change case; every other byte is left as it is.
#pragma once

#include <string>
#include <string_view>

namespace vorpex {

constexpr char asciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
constexpr char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

inline std::string asciiUpper(std::string_view text) {
  std::string folded(text);
  for (char& c : folded) c = asciiUpper(c);
  return folded;
}

inline std::string asciiLower(std::string_view text) {
  std::string folded(text);
  for (char& c : folded) c = asciiLower(c);
  return folded;
}

}  // namespace vorpex
