// The definitions file: lookups at both ends and past them, and a damaged
// or missing file that loses only what is damaged.
#include <gtest/gtest.h>

#include <filesystem>

#include "definitions_file.h"
#include "file_system.h"
#include "temp_files.h"
#include "memory_files.h"
#include "word_meanings.h"

namespace vorpex {
namespace {

const char* const kSample =
    "# comment\n"
    "ant\t|n|social insect living in organized colonies\n"
    "ran\trun|v|move fast by using one's feet\trun|v|flee\n"
    "saw\t|v|cut with a saw\t|n|a condensed saying\tsee|v|perceive by sight\n"
    "zoo\t|n|the facility where wild animals are housed for exhibition\n";

std::vector<std::string> glosses(const std::vector<Sense>& senses) {
  std::vector<std::string> out;
  for (const auto& s : senses) out.push_back(s.base + "|" + s.partOfSpeech + "|" + s.gloss);
  return out;
}

TEST(DefinitionsFile, TheFirstTheLastAndAWordBetweenAreFoundInAnyCaseAndNothingElse) {
  const DefinitionsFile file(kSample);
  EXPECT_EQ(file.wordCount(), 4u);
  EXPECT_EQ(file.skippedLines(), 0u) << "a comment is not a damaged line";
  EXPECT_EQ(glosses(file.lookUp("ant")), std::vector<std::string>{"|n|social insect living in organized colonies"});
  EXPECT_EQ(glosses(file.lookUp("ZOO")).size(), 1u);
  EXPECT_EQ(glosses(file.lookUp("Saw")),
            (std::vector<std::string>{"|v|cut with a saw", "|n|a condensed saying", "see|v|perceive by sight"}));
  for (const char* missing : {"", "aa", "an", "ants", "rat", "zoos", "zz", "\xe9t\xe9"})
    EXPECT_TRUE(file.lookUp(missing).empty()) << missing;
}

TEST(DefinitionsFile, DamagedLinesAreSkippedAndCountedAndTheRestStillFound) {
  const DefinitionsFile file(
      "zoo\t|n|a place\r\n"            // written on Windows
      "bad line without a tab\n"
      "\t|n|no word\n"
      "cat\n"
      "dog\t|x|no such part of speech\n"
      "elk\t|n|\n"                     // no gloss
      "emu\t|n|\t|v|a second sense\n"   // no gloss in the first sense
      "fox\t|n|a wild dog\tbroken\t|v|never reached\n"
      "gnu\t|n|an antelope\t\t|v|after an empty field\n"
      "yak\t|n|y\n"                    // a gloss of one letter
      "ant\t|n|insect with | in it\n"  // unsorted, and a bar inside the gloss
      "ant\t|n|a second line for a word\n"
      "\n");
  EXPECT_EQ(file.skippedLines(), 6u);
  EXPECT_EQ(file.wordCount(), 5u) << "zoo, fox, gnu, yak and one ant";
  EXPECT_EQ(glosses(file.lookUp("gnu")), std::vector<std::string>{"|n|an antelope"});
  EXPECT_EQ(glosses(file.lookUp("yak")), std::vector<std::string>{"|n|y"});
  EXPECT_EQ(glosses(file.lookUp("zoo")), std::vector<std::string>{"|n|a place"}) << "no carriage return kept";
  EXPECT_EQ(glosses(file.lookUp("fox")), std::vector<std::string>{"|n|a wild dog"}) << "senses up to the damage";
  EXPECT_EQ(glosses(file.lookUp("ant")), std::vector<std::string>{"|n|insect with | in it"}) << "the first line wins";
  EXPECT_TRUE(file.lookUp("dog").empty());
}

TEST(DefinitionsFile, ASenseReadsWithItsPartOfSpeechAndItsBaseWhenThatDiffers) {
  EXPECT_EQ(describeSense("ran", {"run", 'v', "move fast"}), "run (v.) move fast");
  EXPECT_EQ(describeSense("saw", {"", 'n', "a tool"}), "(n.) a tool");
  EXPECT_EQ(describeSense("Saw", {"saw", 'a', "x"}), "(adj.) x");
  EXPECT_EQ(describeSense("up", {"", 'r', "y"}), "(adv.) y");
}

TEST(WordMeanings, AMissingOrEmptyFileMeansNoMeaningsAndSaysWhy) {
  testing::MemoryFiles files;
  WordMeanings none(files, "/app/VORPEX.DEFS");
  EXPECT_TRUE(none.lookUp("ant").empty());
  EXPECT_NE(none.problem().find("/app/VORPEX.DEFS: not found"), std::string::npos) << none.problem();

  files.files["/app/VORPEX.DEFS"] = "# nothing but a comment\n";
  WordMeanings empty(files, "/app/VORPEX.DEFS");
  empty.prepare();
  EXPECT_TRUE(empty.lookUp("ant").empty());
  EXPECT_NE(empty.problem().find("holds no definitions"), std::string::npos) << empty.problem();

  files.files["/app/VORPEX.DEFS"] = kSample;
  WordMeanings good(files, "/app/VORPEX.DEFS");
  const int readsBefore = files.reads;
  good.prepare();
  good.prepare();  // a second call starts nothing more
  EXPECT_EQ(good.lookUp("RAN").size(), 2u);
  good.prepare();
  EXPECT_EQ(good.lookUp("ant").size(), 1u);
  EXPECT_EQ(good.problem(), "");
  EXPECT_EQ(files.reads, readsBefore + 1) << "the file is read once";
}

// A 100 GB file ended the game in play with bad_alloc, a 50 MB gloss froze
// it for seconds, and three long senses made a window taller than the screen.
TEST(WordMeanings, AFileOfAnySizeIsRefusedUnreadAndASenseIsCutToWhatAWindowShows) {
  testing::TempDir dir;
  const std::string huge = dir.write("VORPEX.DEFS", std::string("ant\t|n|insect\n"));
  std::filesystem::resize_file(huge, 65ull << 20);  // past any definitions file; sparse where the disk allows
  LocalFileSystem disk;
  WordMeanings tooLarge(disk, huge);
  std::vector<std::string> told;
  tooLarge.onProblem = [&](const std::string& problem) { told.push_back(problem); };
  EXPECT_TRUE(tooLarge.lookUp("ant").empty());
  EXPECT_TRUE(tooLarge.lookUp("ant").empty());
  ASSERT_EQ(told.size(), 1u) << "said once";
  EXPECT_NE(told[0].find(huge + ": larger than any definitions file"), std::string::npos) << told[0];

  testing::MemoryFiles files;
  std::string line = "ant";
  // Glosses of one-byte letters, and of two-byte ones ("é") that a cut at a
  // fixed byte would split.
  for (int i = 0; i < 10; ++i) line += "\t" + std::string(100, 'b') + "|n|" + std::string(1 << 20, 'g');
  std::string accented;
  for (int i = 0; i < 300; ++i) accented += "\xc3\xa9";
  line += "\nbee\t" + accented + "|n|" + accented;
  files.files["/app/VORPEX.DEFS"] = line + "\n";
  WordMeanings longOnes(files, "/app/VORPEX.DEFS");
  const std::vector<Sense> senses = longOnes.lookUp("ant");
  ASSERT_EQ(senses.size(), 3u);
  const std::string ellipsis = "\xe2\x80\xa6";  // U+2026 in UTF-8
  for (const Sense& sense : senses) {
    EXPECT_EQ(sense.gloss, std::string(397, 'g') + ellipsis);
    EXPECT_EQ(sense.base, std::string(37, 'b') + ellipsis);
  }
  const std::vector<Sense> bee = longOnes.lookUp("bee");
  ASSERT_EQ(bee.size(), 1u);
  EXPECT_EQ(bee[0].gloss, accented.substr(0, 396) + ellipsis) << "cut between characters";
  EXPECT_EQ(bee[0].base, accented.substr(0, 36) + ellipsis);
}

// The shipped file, as the game reads it.
TEST(WordMeanings, TheShippedFileDefinesItsFirstAndLastWordsAndNotAMadeUpOne) {
  LocalFileSystem files;
  WordMeanings shipped(files, std::string(VORPEX_APP_DIR) + "/VORPEX.DEFS");
  ASSERT_EQ(shipped.problem(), "");
  EXPECT_FALSE(shipped.lookUp("aardvark").empty());
  EXPECT_FALSE(shipped.lookUp("zygotes").empty());
  EXPECT_TRUE(shipped.lookUp("qzxv").empty());
  const auto ran = shipped.lookUp("ran");
  ASSERT_FALSE(ran.empty());
  EXPECT_EQ(ran.front().base, "run") << "found through the exception list";
}

}  // namespace
}  // namespace vorpex
