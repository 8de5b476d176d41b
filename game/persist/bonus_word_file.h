// A shipped list of bonus words (VORPEX.BONUS, WORDS-DE.BONUS ...): every
// real word a rack may spell beyond a level's list, one lower-case word of 3
// to 8 letters a line in UTF-8, sorted by their code-page bytes, each once. Read whole the first time a word is
// looked up, and searched by halving from then on.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <functional>
#include <string>
#include <vector>

#include "file_system.h"
#include "player_words.h"
#include "word_lists.h"

namespace vorpex {

// The most bytes the list may hold: several times the shipped list's.
constexpr size_t kBonusListLimit = 8u << 20;

class BonusWordFile : public BonusWordList {
 public:
  BonusWordFile(FileSystem& files, std::string path) : files_(files), path_(std::move(path)) {}

  // Whether `word` (upper-case code-page letters) is in the list. A list that is
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

// The bonus words of the game in play: the file of the list `current` names
// (a reference to the game state's list), each file made and read the first
// time a game of its list asks.
class BonusWordsByList : public BonusWordList {
 public:
  BonusWordsByList(FileSystem& files, std::string appDir, const WordList& current)
      : files_(files), appDir_(std::move(appDir)), current_(current) {}

  bool contains(const std::string& word) override;

  // Given to each file: called once a file with the reason it cannot be used.
  std::function<void(const std::string&)> onProblem;

 private:
  FileSystem& files_;
  std::string appDir_;
  const WordList& current_;
  std::array<std::unique_ptr<BonusWordFile>, kWordListCount> lists_;
};

// The words of a list's code-page text in order, when every line is a word
// of 3 to 8 lower-case letters and each is greater than the one before; otherwise
// empty, with `problem` saying which line is wrong. Each word ends at the
// newline that follows it (the last at the end of the text).
std::vector<uint32_t> indexBonusWords(const std::string& text, std::string& problem);

}  // namespace vorpex
