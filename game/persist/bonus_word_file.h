// The shipped list of bonus words (VORPEX.BONUS): every real word a rack
// may spell beyond a level's list, one lower-case word of 3 to 8 letters a
// to z a line, sorted, each once. Read whole the first time a word is
// looked up, and searched by halving from then on.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "file_system.h"
#include "player_words.h"

namespace vorpex {

// The most bytes the list may hold: several times the shipped list's.
constexpr size_t kBonusListLimit = 8u << 20;

class BonusWordFile : public BonusWordList {
 public:
  BonusWordFile(FileSystem& files, std::string path) : files_(files), path_(std::move(path)) {}

  // Whether `word` (upper case A to Z) is in the list. A list that is
  // missing, too large, unsorted or holds a line that is no such word is
  // no list: every word is then refused as in classic play, and
  // onProblem is told once, naming the file and the line.
  bool contains(const std::string& word) override;

  // Called once with the reason the list cannot be used.
  std::function<void(const std::string&)> onProblem;

 private:
  void read();

  FileSystem& files_;
  std::string path_;
  bool read_ = false;
  std::string text_;               // the file's bytes
  std::vector<uint32_t> starts_;   // where each word begins in text_
};

// The words of a list file's text in order, when every line is a word of
// 3 to 8 letters a to z and each is greater than the one before; otherwise
// empty, with `problem` saying which line is wrong. Each word ends at the
// newline that follows it (the last at the end of the text).
std::vector<uint32_t> indexBonusWords(const std::string& text, std::string& problem);

}  // namespace vorpex
