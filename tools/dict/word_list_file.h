// Reading a word list for the dictionary tool: one word a line.
#pragma once

#include <string>
#include <vector>

namespace vorpex::dict {

struct WordListResult {
  std::vector<std::string> words;  // sorted, without repeats
  std::string error;               // empty on success; names the line otherwise
};

// Reads `path`. Every line must be a word of 3 to 10 letters a to z; a final
// carriage return (a Windows line end) is dropped and empty lines are
// skipped. Anything else refuses the whole list with a message naming the
// file, the line number and what is wrong.
WordListResult readWordList(const std::string& path);

// The same over text already in memory; `name` stands for the file in messages.
WordListResult parseWordList(const std::string& text, const std::string& name);

}  // namespace vorpex::dict
