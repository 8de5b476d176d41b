// A library with all five functions that answers the start-up check (one
// puzzle of each rack length 5 to 8) and then has no puzzles at all, so that
// the first level of a game fails in the middle of play.
#include <cstring>

#include "wordcore.h"

#define EXPORT extern "C" __attribute__((visibility("default")))

namespace {
int puzzlesMade = 0;
int rackLength = 0;
}  // namespace

EXPORT int32_t WORDCORE_CALL loadLangDict(const char*) { return 1; }
EXPORT int32_t WORDCORE_CALL makeLLPuzzleA(int32_t length, int32_t, int32_t) {
  rackLength = ++puzzlesMade <= 4 ? length : 0;
  return 0;
}
EXPORT int32_t WORDCORE_CALL llpGetNumWordsInSize(int32_t length) {
  return rackLength != 0 && length == rackLength ? 1 : 0;
}
EXPORT char* WORDCORE_CALL llpGetWord(int32_t length, int32_t index, char* buffer) {
  if (rackLength == 0 || length != rackLength || index != 1 || buffer == nullptr) return nullptr;
  std::memcpy(buffer, "abcdefgh", static_cast<size_t>(length));
  buffer[length] = '\0';
  return buffer;
}
EXPORT void WORDCORE_CALL clearMemory(void) { rackLength = 0; }
