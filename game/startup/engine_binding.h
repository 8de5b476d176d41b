// The word engine bound at run time from the library file in the program
// folder, opened by absolute path (never through the library search path),
// each function bound by name at its first call.
#pragma once

#include <string>

#include "word_engine.h"

namespace vorpex {

class EngineBinding : public WordEngine {
 public:
  // `libraryPath` is the full path of the library file; nothing is opened yet.
  explicit EngineBinding(std::string libraryPath);
  ~EngineBinding() override;  // the library stays loaded until the process ends
  EngineBinding(const EngineBinding&) = delete;
  EngineBinding& operator=(const EngineBinding&) = delete;

  // Each throws EngineBindingError, naming the file and its folder, when the
  // library cannot be opened or lacks the function. Paths are UTF-8, the
  // library's included; on Windows the dictionary's is handed to the engine
  // in a form its narrow calls open (the short path, or the ANSI code page).
  int32_t loadLangDict(const char* path) override;
  int32_t makeLLPuzzleA(int32_t rackLength, int32_t puzzleNumber, int32_t position) override;
  int32_t llpGetNumWordsInSize(int32_t length) override;
  char* llpGetWord(int32_t length, int32_t index, char* buffer) override;
  void clearMemory() override;

 private:
  void* function(const char* name, void*& slot);

  std::string libraryPath_;
  void* library_ = nullptr;
  void* loadLangDict_ = nullptr;
  void* makeLLPuzzleA_ = nullptr;
  void* llpGetNumWordsInSize_ = nullptr;
  void* llpGetWord_ = nullptr;
  void* clearMemory_ = nullptr;
};

}  // namespace vorpex
