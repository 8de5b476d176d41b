// Reading a REGEDIT4 store of many keys, or of many values in one key: the
// time should grow with the file, not with its square. Reports figures.
#include <benchmark/benchmark.h>

#include <string>

#include "reg_file.h"

namespace {

std::string manyKeys(int count) {
  std::string text = "REGEDIT4\r\n";
  for (int i = 0; i < count; ++i)
    text += "[HKEY_CURRENT_USER\\Software\\Key" + std::to_string(i) + "]\r\n\"V\"=hex:01\r\n";
  return text;
}

std::string manyValues(int count) {
  std::string text = "REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\Key]\r\n";
  for (int i = 0; i < count; ++i) text += "\"V" + std::to_string(i) + "\"=hex:01\r\n";
  return text;
}

void readManyKeys(benchmark::State& state) {
  const std::string text = manyKeys(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(vorpex::parseRegFile(text));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

void readManyValues(benchmark::State& state) {
  const std::string text = manyValues(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(vorpex::parseRegFile(text));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

}  // namespace

BENCHMARK(readManyKeys)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(readManyValues)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
