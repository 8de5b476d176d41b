// The REGEDIT4 text format: round trips, hand-written files, damage.
#include <gtest/gtest.h>

#include <algorithm>

#include "allocation_counter.h"
#include "reg_file.h"

namespace vorpex {
namespace {

std::vector<uint8_t> bytes(const std::string& s) { return {s.begin(), s.end()}; }

RegFile sampleFile() {
  RegFile file;
  RegKey settings{"HKEY_CURRENT_USER\\Software\\Quenta\\Arcade Vorpex\\1.0", {}};
  std::vector<uint8_t> longBinary;
  for (int i = 0; i < 70; ++i) longBinary.push_back(static_cast<uint8_t>(i * 37));
  settings.values.push_back({"SOLVINGDATA", 3, longBinary, {}});
  settings.values.push_back({"1STATS1", 1, bytes(std::string("Ren\xe9\0", 5)), {}});
  settings.values.push_back({"1STATS2", 1, bytes(std::string("a \"quoted\" \\ name\0", 18)), {}});
  settings.values.push_back({"EMPTY", 3, {}, {}});
  RegKey save{"HKEY_CURRENT_USER\\Software\\Quenta\\Arcade Vorpex\\1.0\\SAVE", {}};
  save.values.push_back({"FOUNDWORDS", 1, bytes("ANT,TAN,NEST,"), {}});
  save.values.push_back({"NOTHING", 1, {}, {}});
  save.values.push_back({"TWO\\LINES", 1, bytes(std::string("a\nb\0", 4)), {}});
  file.keys = {settings, save};
  return file;
}

void expectSameValues(const RegFile& a, const RegFile& b) {
  ASSERT_EQ(a.keys.size(), b.keys.size());
  for (size_t k = 0; k < a.keys.size(); ++k) {
    EXPECT_EQ(a.keys[k].path, b.keys[k].path);
    ASSERT_EQ(a.keys[k].values.size(), b.keys[k].values.size());
    for (size_t v = 0; v < a.keys[k].values.size(); ++v) {
      EXPECT_EQ(a.keys[k].values[v].name, b.keys[k].values[v].name);
      EXPECT_EQ(a.keys[k].values[v].type, b.keys[k].values[v].type) << a.keys[k].values[v].name;
      EXPECT_EQ(a.keys[k].values[v].data, b.keys[k].values[v].data) << a.keys[k].values[v].name;
    }
  }
}

TEST(RegFile, WrittenFileReadsBackValueForValueAndByteForByte) {
  const RegFile file = sampleFile();
  const std::string text = formatRegFile(file);
  const RegParseResult parsed = parseRegFile(text);
  EXPECT_FALSE(parsed.damaged);
  expectSameValues(parsed.file, file);
  EXPECT_EQ(formatRegFile(parsed.file), text);
}

TEST(RegFile, WritesRegeditsShapesWithCrLfAndWrappedHex) {
  const std::string text = formatRegFile(sampleFile());
  EXPECT_EQ(text.rfind("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Quenta\\Arcade Vorpex\\1.0]\r\n", 0), 0u);
  EXPECT_NE(text.find("\"1STATS1\"=\"Ren\xe9\"\r\n"), std::string::npos) << "one byte a character";
  EXPECT_NE(text.find("\"1STATS2\"=\"a \\\"quoted\\\" \\\\ name\"\r\n"), std::string::npos);
  EXPECT_NE(text.find("\"FOUNDWORDS\"=hex(1):41,4e,54,2c,54,41,4e,2c,4e,45,53,54,2c\r\n"), std::string::npos);
  EXPECT_NE(text.find("\"NOTHING\"=hex(1):\r\n"), std::string::npos);
  EXPECT_NE(text.find("\"EMPTY\"=hex:\r\n"), std::string::npos);
  EXPECT_NE(text.find("\"TWO\\\\LINES\"=hex(1):61,0a,62,00\r\n"), std::string::npos)
      << "a string with a line break cannot be quoted";
  size_t lineStart = 0, continued = 0;
  for (size_t end; (end = text.find("\r\n", lineStart)) != std::string::npos; lineStart = end + 2) {
    EXPECT_LE(end - lineStart, 80u);
    if (text[end - 1] == '\\') ++continued;
  }
  EXPECT_GE(continued, 2u) << "70 bytes of hex take three lines";
  EXPECT_EQ(text.find('\n', 0), text.find("\r\n", 0) + 1);
}

TEST(RegFile, HandWrittenFileWithOddSpacingContinuationsAndUnknownsIsRead) {
  const std::string text =
      "\n\nREGEDIT4\n"
      "; written by hand\n"
      "[HKEY_CURRENT_USER\\Software\\Other Program]\n"
      "\"Colour\"=dword:00ff00ff\n"
      "\n"
      "[HKEY_CURRENT_USER\\Software\\Quenta\\Arcade Vorpex\\1.0]   \n"
      "  \"SOLVINGDATA\" =  hex: 01, 02 ,\\\n"
      "      03,\\\n"
      "  04\n"
      "\"Path\"=hex(2):25,00\n"
      "@=\"default text\"\n"
      "\"1stats1\"=\"Late\"\n"
      "\"1STATS1\"=\"Later\"\n";
  RegParseResult parsed = parseRegFile(text);
  EXPECT_FALSE(parsed.damaged);
  ASSERT_EQ(parsed.file.keys.size(), 2u);
  RegKey* ours = parsed.file.findKey("hkey_current_user\\software\\quenta\\arcade vorpex\\1.0");
  ASSERT_NE(ours, nullptr);
  RegValue* solving = RegFile::findValue(*ours, "solvingdata");
  ASSERT_NE(solving, nullptr);
  EXPECT_EQ(solving->data, (std::vector<uint8_t>{1, 2, 3, 4}));
  RegValue* name = RegFile::findValue(*ours, "1STATS1");
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->data, bytes(std::string("Later\0", 6))) << "the later line wins";

  const std::string written = formatRegFile(parsed.file);
  EXPECT_NE(written.find("; written by hand\r\n"), std::string::npos);
  EXPECT_NE(written.find("[HKEY_CURRENT_USER\\Software\\Other Program]\r\n\"Colour\"=dword:00ff00ff\r\n"),
            std::string::npos);
  EXPECT_NE(written.find("\"Path\"=hex(2):25,00\r\n"), std::string::npos);
  EXPECT_NE(written.find("@=\"default text\"\r\n"), std::string::npos);
}

TEST(RegFile, DamagedPartsAreSkippedFlaggedAndTheRestIsRead) {
  const std::vector<std::string> damaged = {
      "[HKEY_CURRENT_USER\\Software\\X]\n\"B\"=hex:02\n",  // no header
      "REGEDIT4\n\"A\"=hex:01\n[HKEY_CURRENT_USER\\Software\\X]\n\"B\"=hex:02\n",  // value outside a key
      "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\X]\n\"A\"=hex:0g\n\"B\"=hex:02\n",
      "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\X]\n\"A\"=\"unclosed\n\"B\"=hex:02\n",
      "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\X]\ngarbage here\n\"B\"=hex:02\n",
      "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\X\n\"A\"=hex:01\n[HKEY_CURRENT_USER\\Software\\X]\n\"B\"=hex:02\n",
      "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\X]\n\"B\"=hex:02\n\"A\"=hex:01,\n",  // dangling comma
  };
  for (const std::string& text : damaged) {
    RegParseResult parsed = parseRegFile(text);
    EXPECT_TRUE(parsed.damaged) << text;
    RegKey* key = parsed.file.findKey("HKEY_CURRENT_USER\\Software\\X");
    ASSERT_NE(key, nullptr) << text;
    RegValue* b = RegFile::findValue(*key, "B");
    ASSERT_NE(b, nullptr) << text;
    EXPECT_EQ(b->data, std::vector<uint8_t>{2}) << text;
  }
  EXPECT_TRUE(parseRegFile("").damaged) << "an empty file has no header";
}

// Keys and values are found by name as they are read (a file of 20,000 keys
// once took 109 s to start; bench/store_bench measures it now): a repeated
// name, in any case, still ends as the one value its last line gives.
TEST(RegFile, ARepeatedNameInAnyCaseEndsAsItsLastLine) {
  const std::string text =
      "REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\K]\r\n\"V0\"=hex:01\r\n\"V1\"=hex:02\r\n"
      "[HKEY_CURRENT_USER\\Software\\Other]\r\n\"V1\"=hex:03\r\n"
      "[hkey_current_user\\software\\k]\r\n\"v1\"=hex:07\r\n";
  RegParseResult parsed = parseRegFile(text);
  ASSERT_EQ(parsed.file.keys.size(), 2u);
  ASSERT_EQ(parsed.file.keys[0].values.size(), 2u);
  EXPECT_EQ(parsed.file.keys[0].values[1].data, std::vector<uint8_t>{7});
  EXPECT_EQ(parsed.file.keys[1].values[0].data, std::vector<uint8_t>{3});
}

// "; backup of C:\" once swallowed the value line below it, and with it a
// best score, without marking the file damaged.
TEST(RegFile, ACommentEndingInABackslashKeepsTheValueBelowIt) {
  const std::string text =
      "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\X]\r\n; backup of C:\\\r\n"
      "\"1STATS1\"=\"Ann\"\r\n\"B\"=hex:02,\\\r\n  03\r\n";
  RegParseResult parsed = parseRegFile(text);
  EXPECT_FALSE(parsed.damaged);
  RegKey* key = parsed.file.findKey("HKEY_CURRENT_USER\\Software\\X");
  ASSERT_NE(key, nullptr);
  RegValue* name = RegFile::findValue(*key, "1STATS1");
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->data, bytes(std::string("Ann\0", 4)));
  RegValue* b = RegFile::findValue(*key, "B");
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->data, (std::vector<uint8_t>{2, 3})) << "value lines still continue";
  EXPECT_EQ(parseRegFile(formatRegFile(parsed.file)).file.keys[0].values.size(), key->values.size());
}

TEST(RegFile, ALongContinuedValueOfAnotherProgramReadsInLinearWork) {
  // A value kept for another program, written over thousands of lines:
  // joining them must not copy the growing line at every step.
  std::vector<uint8_t> data(100'000);
  for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<uint8_t>(i * 7);
  RegFile file;
  file.keys.push_back(RegKey{"HKEY_CURRENT_USER\\Software\\Other", {{"BLOB", 3, data, {}}}});
  const std::string text = formatRegFile(file);
  ASSERT_GT(std::count(text.begin(), text.end(), '\n'), 4000);
  const size_t before = testing::bytesAllocated();
  const RegParseResult parsed = parseRegFile(text);
  const size_t used = testing::bytesAllocated() - before;
  EXPECT_FALSE(parsed.damaged);
  expectSameValues(parsed.file, file);
  EXPECT_LT(used, 40 * text.size()) << "a store of " << text.size() << " bytes took " << used << " in allocations";
}

}  // namespace
}  // namespace vorpex
