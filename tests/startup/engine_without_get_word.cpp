// A library with four of the engine's five functions, all but llpGetWord,
// whose answers would pass a check that never asks for a word.
#include "wordcore.h"

#define EXPORT extern "C" __attribute__((visibility("default")))

EXPORT int32_t WORDCORE_CALL loadLangDict(const char*) { return 1; }
EXPORT int32_t WORDCORE_CALL makeLLPuzzleA(int32_t, int32_t, int32_t) { return 0; }
EXPORT int32_t WORDCORE_CALL llpGetNumWordsInSize(int32_t) { return 1; }
EXPORT void WORDCORE_CALL clearMemory(void) {}
