// The code page's one table: letter case of every byte, and UTF-8 both ways.
#include <gtest/gtest.h>

#include "code_page.h"

namespace vorpex {
namespace {

TEST(CodePage, EveryLetterHasOneCaseMateAndNothingElseChanges) {
  int upperChanged = 0;
  for (int b = 0; b < 256; ++b) {
    const char c = static_cast<char>(b);
    const char up = letterUpper(c);
    const char down = letterLower(c);
    if (up != c) {
      ++upperChanged;
      EXPECT_EQ(letterLower(up), c) << b;
    }
    if (down != c) {
      EXPECT_EQ(letterUpper(down), c) << b;
    }
    EXPECT_FALSE(up != c && down != c) << b << " is not both cases";
  }
  // a-z, à-þ less ÷ (30), š œ ž ÿ.
  EXPECT_EQ(upperChanged, 26 + 30 + 4);
  struct Pair {
    char lower, upper;
  };
  for (const Pair p : {Pair{'a', 'A'}, {'\xE9', '\xC9'}, {'\xF1', '\xD1'}, {'\xE6', '\xC6'},
                       {'\xF8', '\xD8'}, {'\xE5', '\xC5'}, {'\x9C', '\x8C'}, {'\xFF', '\x9F'},
                       {'\xE7', '\xC7'}, {'\xFC', '\xDC'}}) {
    EXPECT_EQ(letterUpper(p.lower), p.upper);
    EXPECT_EQ(letterLower(p.upper), p.lower);
  }
  for (char same : {'\xDF', '\xF7', '\xD7', '1', '?', '\x80'}) {
    EXPECT_EQ(letterUpper(same), same);
    EXPECT_EQ(letterLower(same), same);
  }
}

TEST(CodePage, Utf8RoundTripsAndRefusesWhatTheCodePageCannotHold) {
  std::string every;
  for (int b = 1; b < 256; ++b)
    if (unicodeOfByte(static_cast<char>(b)) != 0) every += static_cast<char>(b);
  EXPECT_EQ(codePageFromUtf8(utf8FromCodePage(every)), every);
  EXPECT_EQ(utf8FromCodePage("\xC5r\x9C"), "\xC3\x85r\xC5\x93");
  EXPECT_EQ(utf8FromCodePage("\x81"), "\xEF\xBF\xBD");
  for (const char* bad : {"\xE9t\xE9", "\xC3", "\xE2\x82", "\xC0\x80", "\xE0\x80\xA9", "\xF0\x9F\x98\x80",
                          "\xE4\xB8\xAD", "\x80"})
    EXPECT_EQ(codePageFromUtf8(bad), std::nullopt) << bad;
}

}  // namespace
}  // namespace vorpex
