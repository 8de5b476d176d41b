// The definitions file: up to three senses of each word, one line a word,
// made by tools/wordlist/derive-from-wordnet.py. Plain C++ without I/O, so
// the game and vorpex-dict read it the same way.
//
// Format: lines starting with '#' are comments; every other line is
//   word TAB sense [TAB sense ...]
//   sense = base '|' part-of-speech letter '|' gloss
// with the base empty when it is the word itself, and the letter n, v, a or r.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vorpex {

struct Sense {
  std::string base;        // the form WordNet defines ("run" for "ran"); empty: the word itself
  char partOfSpeech = 'n'; // n, v, a (adjective) or r (adverb)
  std::string gloss;
};

class DefinitionsFile {
 public:
  // Takes the file's whole text. Lines that are not a word with at least one
  // well-formed sense are skipped and counted; nothing in the text is an
  // error, so a damaged file loses only its damaged lines. A word listed
  // twice keeps its first line.
  explicit DefinitionsFile(std::string text = {});

  // The senses of `word`, matched without regard to ASCII case, in the
  // file's order; empty for a word the file does not hold.
  std::vector<Sense> lookUp(std::string_view word) const;

  size_t wordCount() const { return lines_.size(); }
  size_t skippedLines() const { return skipped_; }

 private:
  std::string_view wordOf(uint32_t line) const;

  std::string text_;
  std::vector<uint32_t> lines_;  // start of each word's line, sorted by word
  size_t skipped_ = 0;
};

// "n.", "v.", "adj.", "adv."; "" for a letter that is none of them.
const char* partOfSpeechName(char letter);

// One line for a sense of `word`: "(v.) move fast by using one's feet", or
// with the base form first when it differs: "run (v.) move fast ...".
std::string describeSense(std::string_view word, const Sense& sense);

}  // namespace vorpex
