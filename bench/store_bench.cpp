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

// One value of another program's, `bytes` long, written as REGEDIT4 writes
// a long hex value: over lines of 25 bytes, each continued on the next.
std::string longContinuedValue(int bytes) {
  std::string text = "REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\Other]\r\n\"BLOB\"=hex:";
  for (int i = 0; i < bytes; ++i) {
    text += "ab";
    if (i + 1 < bytes) text += (i % 25 == 24) ? ",\\\r\n  " : ",";
  }
  return text + "\r\n";
}

void readLongContinuedValue(benchmark::State& state) {
  const std::string text = longContinuedValue(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(vorpex::parseRegFile(text));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
  state.counters["store_bytes"] = static_cast<double>(text.size());
}

}  // namespace

BENCHMARK(readManyKeys)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(readManyValues)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);
// About 320 KB, 1.3 MB and 5 MB of store.
BENCHMARK(readLongContinuedValue)->Arg(100000)->Arg(400000)->Arg(1600000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
