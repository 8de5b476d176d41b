// Word lists for the dictionary tool: what is accepted and how refusals read.
#include <gtest/gtest.h>

#include "temp_files.h"
#include "word_list_file.h"

namespace vorpex::dict {
namespace {

TEST(WordList, SortsDropsRepeatsAndAcceptsWindowsLineEnds) {
  const auto result = parseWordList("tea\r\nant\n\nant\nzebra\r\n", "list");
  EXPECT_EQ(result.error, "");
  EXPECT_EQ(result.words, (std::vector<std::string>{"ant", "tea", "zebra"}));
}

TEST(WordList, RefusalNamesTheFileTheLineAndTheProblem) {
  struct Case {
    std::string text, message;
  };
  const std::vector<Case> cases = {
      {"ant\nTea\n", "list:2: \"Tea\" holds the character 'T' at position 1; words are lower-case letters only"},
      {"ant\nat\n", "list:2: \"at\" has 2 letters; words have 3 to 10"},
      {"abcdefghijk\n", "list:1: \"abcdefghijk\" has 11 letters; words have 3 to 10"},
      {"ant\n\nbee\ncan't\n", "list:4: \"can't\" holds the character ''' at position 4; words are lower-case letters only"},
      {"\xc3\x89t\xc3\xa9\n", "list:1: \"\xc3\x89t\xc3\xa9\" holds the character '\xc3\x89' at position 1; words are lower-case letters only"},
      {"a\xe2\x82\xac" "b\n", "list:1: \"a\xe2\x82\xac" "b\" holds the character '\xe2\x82\xac' at position 2; words are lower-case letters only"},
      {"caf\xe9\n", "list:1: \"caf\xe9\" is not UTF-8 text of the Windows-1252 characters"},
      {"\xe4\xb8\xad\xe6\x96\x87\xe5\xad\x97\n", "list:1: \"\xe4\xb8\xad\xe6\x96\x87\xe5\xad\x97\" is not UTF-8 text of the Windows-1252 characters"},
      {"abcdefghij\nklmnopqrst\nuvwxyz\xc3\xa0\xc3\xa1\xc3\xa2\xc3\xa3\nxyz\xc3\xa4\xc3\xa5\xc3\xa6\n",
       "list:4: \"xyz\xc3\xa4\xc3\xa5\xc3\xa6\" brings a 33rd letter; a list has at most 32"},
      {"ant \n", "list:1: \"ant \" holds a space at position 4; words are lower-case letters only"},
      {"ab\x01" "d\n", "list:1: \"ab\x01" "d\" holds the control byte 0x01 at position 3; words are lower-case letters only"},
      {"\n\n", "list: the list holds no word"},
  };
  for (const Case& c : cases) {
    const auto result = parseWordList(c.text, "list");
    EXPECT_EQ(result.error, c.message);
    EXPECT_TRUE(result.words.empty());
  }
}

TEST(WordList, LettersOfTheCodePageComeBackAsItsBytesInByteOrder) {
  const auto result = parseWordList("\xc3\xa9t\xc3\xa9\nzoo\n\xc5\x93uf\nabc\n", "list");
  EXPECT_EQ(result.error, "");
  EXPECT_EQ(result.words, (std::vector<std::string>{"abc", "zoo", "\x9Cuf", "\xE9t\xE9"}));
}

TEST(WordList, MissingFileIsReportedByName) {
  vorpex::testing::TempDir dir;
  const std::string path = (dir.path() / "nothing.txt").string();
  EXPECT_EQ(readWordList(path).error, path + ": cannot be opened for reading");
}

}  // namespace
}  // namespace vorpex::dict
