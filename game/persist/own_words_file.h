// The player's own words, in a plain text file of theirs beside the store
// (own-words.txt): words they accepted as bonus words, and words they never
// want on a rack or in a level's list.
//
//   # comments and blank lines are kept as they are
//   [accepted]
//   tarn
//   [never shown]
//   rapist
//
// One word a line, 3 to 8 letters a to z in either case, under the section
// it belongs to. Read once at start; each choice rewrites the whole file
// through a temporary file of its own (FileSystem::replaceFile), keeping
// every line it does not change, comments and damaged lines included. A
// damaged line (no section above it, or not such a word) is skipped, and
// said once.
#pragma once

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "file_system.h"
#include "player_words.h"

namespace vorpex {

constexpr const char* kOwnWordsFile = "own-words.txt";
// Far beyond any player's list; a larger file is left as it is, unread.
constexpr size_t kOwnWordsLimit = 4u << 20;

class OwnWordsFile : public OwnWords {
 public:
  OwnWordsFile(FileSystem& files, std::string path) : files_(files), path_(std::move(path)) {}

  // Reads the file: a missing one is an empty list; one that cannot be read
  // or is too large is said and never written over in this session.
  void load();

  bool accepted(const std::string& word) const override;
  bool neverShown(const std::string& word) const override;
  bool accept(const std::string& word) override;
  bool neverShow(const std::string& word) override;

  // Told each problem: a damaged line (once per load), a file that cannot
  // be read or written.
  std::function<void(const std::string&)> onProblem;

 private:
  enum class Section { none, accepted, neverShown };
  bool choose(const std::string& word, Section section);
  void tell(const std::string& problem) const {
    if (onProblem) onProblem(problem);
  }

  FileSystem& files_;
  std::string path_;
  bool writable_ = true;
  std::vector<std::string> lines_;  // the file as read, with the choices made since
  std::set<std::string> accepted_, neverShown_;  // lower case
};

// The section a line opens ("[accepted]", "[never shown]", any case and
// spaces around), or none.
int ownWordsSection(const std::string& line);

}  // namespace vorpex
