// The five exported functions, over one global engine.
#include <memory>

#include "puzzle_engine.h"
#include "wordcore.h"

#if defined(_WIN32)
#define WORDCORE_EXPORT
#else
#define WORDCORE_EXPORT __attribute__((visibility("default")))
#endif

namespace {
// Null until the first loadLangDict. A later load replaces the engine and
// releases the earlier one: nothing outside the engine points into it.
std::unique_ptr<wordcore::PuzzleEngine> theEngine;

bool validLength(int32_t length) { return length >= 0 && length < wordcore::kListCount; }
}  // namespace

extern "C" {

WORDCORE_EXPORT int32_t WORDCORE_CALL loadLangDict(const char* path) {
  auto engine = std::make_unique<wordcore::PuzzleEngine>();
  const bool ok = path != nullptr && engine->load(path) == wordcore::DictStatus::ok;
  theEngine = std::move(engine);
  return ok ? 1 : 0;
}

WORDCORE_EXPORT int32_t WORDCORE_CALL makeLLPuzzleA(int32_t rackLength, int32_t puzzleNumber,
                                                    int32_t position) {
  if (!theEngine) return -1;
  return theEngine->buildSolutions(rackLength, puzzleNumber, position);
}

WORDCORE_EXPORT int32_t WORDCORE_CALL llpGetNumWordsInSize(int32_t length) {
  if (!theEngine || !validLength(length)) return 0;
  return static_cast<int32_t>(theEngine->solutionCount(length));
}

WORDCORE_EXPORT char* WORDCORE_CALL llpGetWord(int32_t length, int32_t index, char* buffer) {
  if (!theEngine || buffer == nullptr || !validLength(length)) return nullptr;
  if (index < 1 || static_cast<size_t>(index) > theEngine->solutionCount(length)) return nullptr;
  theEngine->spellSolution(length, static_cast<size_t>(index) - 1, buffer);
  return buffer;
}

WORDCORE_EXPORT void WORDCORE_CALL clearMemory(void) {
  if (theEngine) theEngine->clearSolutions();
}

}  // extern "C"
