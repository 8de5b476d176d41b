// The word engine as the program sees it: the library's five functions.
// Each call may throw EngineBindingError when the library or the function
// cannot be bound; the engine itself reports through results only.
#pragma once

#include <cstdint>
#include <stdexcept>

namespace vorpex {

class EngineBindingError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class WordEngine {
 public:
  virtual ~WordEngine() = default;
  virtual int32_t loadLangDict(const char* path) = 0;
  virtual int32_t makeLLPuzzleA(int32_t rackLength, int32_t puzzleNumber, int32_t position) = 0;
  virtual int32_t llpGetNumWordsInSize(int32_t length) = 0;
  virtual char* llpGetWord(int32_t length, int32_t index, char* buffer) = 0;
  virtual void clearMemory() = 0;
};

}  // namespace vorpex
