// The shipped definitions: how long the game's background read takes (file
// and index), and one lookup as the pointer moves over the list, for words
// at the start, the end, the middle and missing. Reports figures.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "definitions_file.h"
#include "file_system.h"
#include "word_meanings.h"

namespace {

const std::string kPath = std::string(VORPEX_APP_DIR) + "/VORPEX.DEFS";

std::string shippedText() {
  vorpex::LocalFileSystem files;
  std::string text;
  files.readFile(kPath, text, SIZE_MAX);
  return text;
}

// What a game waits for at worst: the file read and indexed.
void loadFromDisk(benchmark::State& state) {
  vorpex::LocalFileSystem files;
  for (auto _ : state) {
    vorpex::WordMeanings meanings(files, kPath);
    benchmark::DoNotOptimize(meanings.lookUp("ant"));
  }
}

void indexText(benchmark::State& state) {
  const std::string text = shippedText();
  for (auto _ : state) benchmark::DoNotOptimize(vorpex::DefinitionsFile(text).wordCount());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

void lookUp(benchmark::State& state, const std::string& word) {
  const vorpex::DefinitionsFile file(shippedText());
  for (auto _ : state) benchmark::DoNotOptimize(file.lookUp(word));
}

// A different upper-case word each time, as the list shows them.
void lookUpMany(benchmark::State& state) {
  const vorpex::DefinitionsFile file(shippedText());
  const std::vector<std::string> words{"ANT", "RAN", "TAN", "NEST", "STONE", "ANTHEM", "QUARTZ", "ZYGOTES"};
  size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(file.lookUp(words[i++ % words.size()]));
}

}  // namespace

BENCHMARK(loadFromDisk)->Unit(benchmark::kMillisecond);
BENCHMARK(indexText)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(lookUp, first, std::string("aardvark"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(lookUp, last, std::string("zygotes"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(lookUp, missing, std::string("qzxv"))->Unit(benchmark::kMicrosecond);
BENCHMARK(lookUpMany)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
