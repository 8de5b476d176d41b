// libFuzzer target: any bytes as a dictionary's node array must load or be
// refused cleanly, and every puzzle of a loaded one must hold only words that
// fit its rack and only letters of the code page.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "puzzle_engine.h"

namespace {
// Counted by byte, so that it holds for any letters of the code page.
bool fits(const std::string& rack, const std::string& word) {
  int counts[256] = {};
  for (const char c : rack) ++counts[static_cast<unsigned char>(c)];
  for (const char c : word)
    if (--counts[static_cast<unsigned char>(c)] < 0) return false;
  return true;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The input is the node array; the header is never read, so it is not fuzzed.
  std::vector<uint8_t> file(wordcore::kHeaderSize, 0);
  file.insert(file.end(), data, data + size);
  wordcore::PuzzleEngine engine;
  if (engine.loadBytes(file.data(), file.size()) != wordcore::DictStatus::ok) {
    for (int len = 0; len < wordcore::kListCount; ++len)
      if (!engine.wordsByLen(len).empty()) std::abort();
    return 0;
  }
  for (int32_t rack = 3; rack <= 10; ++rack) {
    if (engine.wordsByLen(rack).empty()) {
      if (engine.buildSolutions(rack, 0, -1) != -1) std::abort();
      continue;
    }
    for (int32_t number : {0, 1, 7, -1}) {
      engine.clearSolutions();
      if (engine.buildSolutions(rack, number, -1) != 0) std::abort();
      if (engine.solutionCount(rack) == 0) std::abort();
      const std::string rackWord = engine.solution(rack, 0);
      for (int len = 0; len < wordcore::kListCount; ++len) {
        for (size_t i = 0; i < engine.solutionCount(len); ++i) {
          const std::string word = engine.solution(len, i);
          if (word.size() != static_cast<size_t>(len) || !fits(rackWord, word))
            std::abort();
          for (const char c : word)
            if (!wordcore::isDictionaryLetter(static_cast<unsigned char>(c))) std::abort();
        }
      }
    }
  }
  return 0;
}
