// Windows-1252, the code page in which the engine passes words and the store
// keeps text: one byte a character. This is the one table of it: the code
// points of its bytes, and the case of its letters for the game's words.
// Letter case here never follows the locale (see ascii_case.h for why).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vorpex {

namespace code_page_detail {
// Code points of bytes 0x80 to 0x9F; 0 where the code page leaves a byte undefined.
inline constexpr char16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
}  // namespace code_page_detail

// The code point of `byte`; 0 for the five bytes the code page leaves undefined.
constexpr char16_t unicodeOfByte(char byte) {
  const auto b = static_cast<unsigned char>(byte);
  if (b >= 0x80 && b <= 0x9F) return code_page_detail::kHigh[b - 0x80];
  return char16_t{b};
}

// The byte of code point `u`, or nothing when the code page lacks it.
constexpr std::optional<char> byteOfUnicode(char32_t u) {
  if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<char>(u);
  for (int i = 0; i < 32; ++i)
    if (u != 0 && code_page_detail::kHigh[i] == u) return static_cast<char>(0x80 + i);
  return std::nullopt;
}

// Upper case of a letter of the code page: a-z, à-þ (but ÷), š œ ž ÿ. ß has
// no capital in the code page and stays as it is, as does every other byte.
constexpr char letterUpper(char c) {
  const auto b = static_cast<unsigned char>(c);
  if (b >= 'a' && b <= 'z') return static_cast<char>(b - 0x20);
  if (b >= 0xE0 && b <= 0xFE && b != 0xF7) return static_cast<char>(b - 0x20);
  if (b == 0x9A || b == 0x9C || b == 0x9E) return static_cast<char>(b - 0x10);
  if (b == 0xFF) return static_cast<char>(0x9F);
  return c;
}

// Lower case, the inverse of letterUpper.
constexpr char letterLower(char c) {
  const auto b = static_cast<unsigned char>(c);
  if (b >= 'A' && b <= 'Z') return static_cast<char>(b + 0x20);
  if (b >= 0xC0 && b <= 0xDE && b != 0xD7) return static_cast<char>(b + 0x20);
  if (b == 0x8A || b == 0x8C || b == 0x8E) return static_cast<char>(b + 0x10);
  if (b == 0x9F) return static_cast<char>(0xFF);
  return c;
}

// A lower-case letter of the code page: one that letterUpper changes, or ß.
// The same letters the engine spells its words with.
constexpr bool isLowerLetter(char c) { return letterUpper(c) != c || c == '\xDF'; }

inline std::string letterUpper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = letterUpper(c);
  return out;
}

inline std::string letterLower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = letterLower(c);
  return out;
}

// UTF-8 of code-page text; an undefined byte becomes U+FFFD.
std::string utf8FromCodePage(std::string_view bytes);

// Code-page bytes of UTF-8 text, or nothing when the text is not well-formed
// UTF-8 or holds a character the code page lacks.
std::optional<std::string> codePageFromUtf8(std::string_view text);

}  // namespace vorpex
