// The statistics of a long history: 100,000 finished games read from the
// history file and summed, and the statistics window opened on them
// (read, summed, built and drawn once), as a player's "STATISTICS" does.
// Reports figures; run with QT_QPA_PLATFORM=offscreen where no display is.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>
#include <fstream>
#include <string>

#include "drawing_kit.h"
#include "file_system.h"
#include "history_file.h"
#include "statistics_window.h"

namespace {

constexpr int kGames = 100000;

// A history of kGames games of every kind, written once.
const std::string& historyPath() {
  static const std::string path = [] {
    const auto file = std::filesystem::temp_directory_path() / "arcade-vorpex-history-bench.txt";
    std::ofstream out(file, std::ios::binary);
    out << vorpex::kHistoryHeader << '\n';
    for (int i = 0; i < kGames; ++i) {
      vorpex::GameRecord r;
      r.date = vorpex::civilDate(19000 + i / 3);
      r.kind = static_cast<vorpex::GameKind>(i % 3);
      r.levels = 1 + i % 4;
      r.won = i % 4 == 3;
      r.score = 50 + (i * 37) % 400;
      for (int length = 3; length <= 8; ++length) r.foundByLength[static_cast<size_t>(length)] = (i + length) % 9;
      r.hints = i % 5;
      r.longest = i % 7 == 0 ? "STONES" : "NEST";
      out << vorpex::historyLine(r) << '\n';
    }
    return file.string();
  }();
  return path;
}

void readHistory(benchmark::State& state) {
  vorpex::LocalFileSystem files;
  const vorpex::HistoryFile history(files, historyPath());
  for (auto _ : state) benchmark::DoNotOptimize(history.read());
  state.counters["games"] = kGames;
}

void openStatisticsWindow(benchmark::State& state) {
  vorpex::LocalFileSystem files;
  const vorpex::HistoryFile history(files, historyPath());
  const vorpex::DrawingKit kit{std::string(VORPEX_APP_DIR) + "/ALLPICDATA.BMP"};
  for (auto _ : state) {
    const vorpex::HistoryRead read = history.read();
    vorpex::StatisticsWindow window(read, vorpex::DailyRecord{}, 20000, kit, nullptr);
    benchmark::DoNotOptimize(window.grab());  // laid out and every child drawn
  }
}

}  // namespace

BENCHMARK(readHistory)->Unit(benchmark::kMillisecond);
BENCHMARK(openStatisticsWindow)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  std::filesystem::remove(historyPath());
  return 0;
}
