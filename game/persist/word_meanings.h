// The game's access to the definitions file: read once, off the start-up
// path, on a thread of its own, the first time a game may need it.
#pragma once

#include <functional>
#include <future>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "definitions_file.h"
#include "file_system.h"

namespace vorpex {

class WordMeanings {
 public:
  // `path` is the definitions file; `files` must outlive this object and be
  // safe to use from another thread for reading.
  WordMeanings(FileSystem& files, std::string path) : files_(files), path_(std::move(path)) {}
  ~WordMeanings();
  WordMeanings(const WordMeanings&) = delete;
  WordMeanings& operator=(const WordMeanings&) = delete;

  // Starts reading the file in the background; later calls do nothing.
  void prepare();

  // The senses of `word` (any case), at most three, each cut to a length a
  // window can show (ending in "…" when cut); empty when the file lacks the
  // word, or is missing, unreadable or far larger than a definitions file
  // (a dictionary of one's own may come without definitions). Starts the
  // reading when prepare() has not, and waits for it the first time.
  std::vector<Sense> lookUp(std::string_view word);

  // Why no definitions are available: the file missing, unreadable or
  // without a definition; "" when they are. Waits for the reading as lookUp.
  std::string problem();

  // Told that problem once, on the thread that looks words up, when the
  // reading ends without definitions. May be empty.
  std::function<void(const std::string&)> onProblem;

 private:
  struct Loaded {
    DefinitionsFile file;
    std::string problem;
  };
  const Loaded& loaded();

  FileSystem& files_;
  std::string path_;
  std::future<std::unique_ptr<Loaded>> reading_;
  std::unique_ptr<Loaded> loaded_;
};

}  // namespace vorpex
