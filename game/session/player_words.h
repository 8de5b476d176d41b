// Where the rules learn which words beyond a level's list are real, and
// which words the player has made their own. Behind small interfaces so
// that the rules are tested with fakes; the program reads the shipped bonus
// list and the player's own file (persist/bonus_word_file, own_words_file).
// Words cross in upper case A to Z.
#pragma once

#include <string>

namespace vorpex {

// The wider list of real words: any of them the rack spells and the level
// does not hold is a bonus word.
class BonusWordList {
 public:
  virtual ~BonusWordList() = default;
  virtual bool contains(const std::string& word) = 0;
};

// The player's own words: those they accepted (bonus words from then on)
// and those they never want shown (left out of racks and level lists).
// Accepting a word takes it off the never-shown ones, and the reverse.
// accept and neverShow return false when the choice could not be kept (the
// player has been told why); the choice then still holds for this session.
class OwnWords {
 public:
  virtual ~OwnWords() = default;
  virtual bool accepted(const std::string& word) const = 0;
  virtual bool neverShown(const std::string& word) const = 0;
  virtual bool accept(const std::string& word) = 0;
  virtual bool neverShow(const std::string& word) = 0;
};

// A list with no words and a player with no words of their own: Classic
// play, and tests that need neither.
class NoBonusWords : public BonusWordList {
 public:
  bool contains(const std::string&) override { return false; }
};

}  // namespace vorpex
