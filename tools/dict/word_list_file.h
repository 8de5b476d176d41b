// Reading a word list for the dictionary tool: one word a line.
#pragma once

#include <string>
#include <vector>

namespace vorpex::dict {

struct WordListResult {
  std::vector<std::string> words;  // Windows-1252 bytes, sorted by byte, without repeats
  std::string error;               // empty on success; names the line otherwise
};

// Reads `path`, UTF-8 text. Every line must be a word of 3 to 10 lower-case
// letters of Windows-1252 (a to z, à, ñ, ø ...), and the whole list may use
// at most 32 letters, as the engine reads at most that many; a final
// carriage return (a Windows line end) is dropped and empty lines are
// skipped. Anything else refuses the whole list with a message naming the
// file, the line number and what is wrong. The words come back in the code
// page, one byte a letter, as the dictionary file holds them.
WordListResult readWordList(const std::string& path);

// The same over text already in memory; `name` stands for the file in messages.
WordListResult parseWordList(const std::string& text, const std::string& name);

}  // namespace vorpex::dict
