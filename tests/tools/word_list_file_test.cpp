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
      {"ant\nTea\n", "list:2: \"Tea\" holds the character 'T' at position 1; words are lower-case a to z only"},
      {"ant\nat\n", "list:2: \"at\" has 2 letters; words have 3 to 10"},
      {"abcdefghijk\n", "list:1: \"abcdefghijk\" has 11 letters; words have 3 to 10"},
      {"ant\n\nbee\ncan't\n", "list:4: \"can't\" holds the character ''' at position 4; words are lower-case a to z only"},
      {"caf\xc3\xa9\n", "list:1: \"caf\xc3\xa9\" holds the non-ASCII byte 0xC3 at position 4; words are lower-case a to z only"},
      {"ant \n", "list:1: \"ant \" holds a space at position 4; words are lower-case a to z only"},
      {"ab\x01" "d\n", "list:1: \"ab\x01" "d\" holds the control byte 0x01 at position 3; words are lower-case a to z only"},
      {"\n\n", "list: the list holds no word"},
  };
  for (const Case& c : cases) {
    const auto result = parseWordList(c.text, "list");
    EXPECT_EQ(result.error, c.message);
    EXPECT_TRUE(result.words.empty());
  }
}

TEST(WordList, MissingFileIsReportedByName) {
  vorpex::testing::TempDir dir;
  const std::string path = (dir.path() / "nothing.txt").string();
  EXPECT_EQ(readWordList(path).error, path + ": cannot be opened for reading");
}

}  // namespace
}  // namespace vorpex::dict
