// Engine figures on the shipped dictionary, through the five exports:
// loading the dictionary, and one 8-letter puzzle with every word copied out.
//
//   build/bench/engine_bench --benchmark_repetitions=9 --benchmark_report_aggregates_only
#include <benchmark/benchmark.h>

#include <string>

#include "wordcore.h"

namespace {

const std::string kDictionary = std::string(VORPEX_APP_DIR) + "/VORPEX.DICT";

void BM_LoadLangDict(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(loadLangDict(kDictionary.c_str()));
}
BENCHMARK(BM_LoadLangDict)->Unit(benchmark::kMillisecond);

// The work of one level start: the puzzle, every word of 3 to 8 letters copied
// out as the game does, and the clear. Puzzle numbers cycle over the game's
// range so that the figure is typical rather than one rack's.
void BM_EightLetterPuzzleCopiedOutAndCleared(benchmark::State& state) {
  if (loadLangDict(kDictionary.c_str()) != 1) {
    state.SkipWithError("the shipped dictionary did not load");
    return;
  }
  int32_t number = 0;
  int64_t words = 0;
  char buffer[16];
  for (auto _ : state) {
    makeLLPuzzleA(8, number, -1);
    for (int32_t len = 2; len <= 8; ++len) {
      const int32_t count = llpGetNumWordsInSize(len);
      for (int32_t i = 1; i <= count; ++i) benchmark::DoNotOptimize(llpGetWord(len, i, buffer));
      words += count;
    }
    clearMemory();
    number = (number + 137) % 10001;
  }
  state.counters["words/puzzle"] =
      benchmark::Counter(static_cast<double>(words), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_EightLetterPuzzleCopiedOutAndCleared)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
