// The shipped bonus words: what the first word beyond a level's list costs
// (the file read and indexed), and each word entered after that. Reports
// figures.
#include <benchmark/benchmark.h>

#include <string>

#include "bonus_word_file.h"
#include "file_system.h"

namespace {

const std::string kPath = std::string(VORPEX_APP_DIR) + "/VORPEX.BONUS";

void firstLookUp(benchmark::State& state) {
  vorpex::LocalFileSystem files;
  for (auto _ : state) {
    vorpex::BonusWordFile list(files, kPath);
    benchmark::DoNotOptimize(list.contains("TARN"));
  }
}

void lookUp(benchmark::State& state, const std::string& word) {
  vorpex::LocalFileSystem files;
  vorpex::BonusWordFile list(files, kPath);
  list.contains("TARN");
  for (auto _ : state) benchmark::DoNotOptimize(list.contains(word));
}

}  // namespace

BENCHMARK(firstLookUp)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(lookUp, found, std::string("TARN"))->Unit(benchmark::kNanosecond);
BENCHMARK_CAPTURE(lookUp, missing, std::string("QZXV"))->Unit(benchmark::kNanosecond);
BENCHMARK_MAIN();
