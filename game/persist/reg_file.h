// The REGEDIT4 text format, as a model that keeps what it does not know.
//
//   REGEDIT4
//
//   [HKEY_CURRENT_USER\Software\Quenta\Arcade Vorpex\1.0]
//   "SOLVINGDATA"=hex:00,00,...        REG_BINARY
//   "1STATS1"="Anononymous"            REG_SZ stored with its NUL
//   "FOUNDWORDS"=hex(1):41,4e,54,2c    REG_SZ bytes exactly as written
//
// Text is one byte a character (Windows-1252); lines end in CR LF; long hex
// lists go on over lines ending in a backslash. Value lines of other kinds
// (dword:, hex(2): and the like), comments and keys the program never asks
// for are kept as their original text.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vorpex {

struct RegValue {
  std::string name;
  uint32_t type = 0;          // 1 string, 3 binary; 0 for a kept line
  std::vector<uint8_t> data;  // the stored bytes
  std::string rawText;        // a line not understood, kept whole (type 0)
};

struct RegKey {
  std::string path;  // full path, e.g. HKEY_CURRENT_USER\Software\Quenta
  std::vector<RegValue> values;
};

struct RegFile {
  std::vector<std::string> preamble;  // lines kept between the header and the first key
  std::vector<RegKey> keys;

  // Key or value by name, compared without regard to ASCII case as the
  // registry compares them; null when absent.
  RegKey* findKey(const std::string& path);
  static RegValue* findValue(RegKey& key, const std::string& name);
};

struct RegParseResult {
  RegFile file;
  // True when some part could not be read (missing header, a line that is
  // neither a key, a value nor a comment, a bad hex list or quoted string).
  // What could be read is in `file`.
  bool damaged = false;
};

RegParseResult parseRegFile(const std::string& text);

// The whole file, header first, CR LF line ends. A string value whose bytes
// end in one NUL and hold no other NUL, quote-breaking or control byte is
// written quoted; any other string value as hex(1).
std::string formatRegFile(const RegFile& file);

bool equalsIgnoringCase(const std::string& a, const std::string& b);

}  // namespace vorpex
