// The history of finished games: a plain text file beside the store
// (history.txt), one game a line (game_record.h), appended as each game
// ends, so that a crash can lose at most the line being written. Read whole
// when the statistics are shown; a damaged line is skipped and counted.
#pragma once

#include <cstdint>
#include <string>

#include "file_system.h"
#include "game_record.h"
#include "statistics.h"

namespace vorpex {

constexpr const char* kHistoryFile = "history.txt";
// About a million games; a larger file is left as it is, unread.
constexpr size_t kHistoryLimit = 64u << 20;

struct HistoryRead {
  ReadResult result = ReadResult::notFound;  // notFound: no game finished yet
  Statistics statistics;                     // of every line that is a game
  int32_t damagedLines = 0;                  // lines that are neither a game nor a comment
};

class HistoryFile {
 public:
  HistoryFile(FileSystem& files, std::string path) : files_(files), path_(std::move(path)) {}

  // Appends the game (the header line first in a new file). False, with
  // `problem`, when it cannot be written; the file is as it was or holds a
  // part of this line at its end.
  bool append(const GameRecord& record, std::string& problem);

  // Reads every line, oldest first; blank lines and comments (#) are no games.
  HistoryRead read() const;

  // Empties the history, keeping its header (replaced whole, so a crash
  // leaves the old one or the empty one). False, with `problem`, on failure.
  bool clear(std::string& problem);

  const std::string& path() const { return path_; }

 private:
  FileSystem& files_;
  std::string path_;
};

// The statistics of a history file's text (its lines, oldest first).
HistoryRead readHistoryText(std::string_view text);

}  // namespace vorpex
