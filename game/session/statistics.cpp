#include "statistics.h"

#include <algorithm>

namespace vorpex {

void addGame(Statistics& s, const GameRecord& r) {
  KindFigures& kind = s.byKind[static_cast<size_t>(r.kind)];
  kind.played += 1;
  kind.won += r.won ? 1 : 0;
  kind.best = std::max(kind.best, r.score);
  kind.total += r.score;
  s.levelsReached[static_cast<size_t>(std::clamp<int32_t>(r.levels, 1, MAX_LEVEL))] += 1;
  for (size_t length = kShortestWord; length < r.foundByLength.size(); ++length)
    s.foundByLength[length] += r.foundByLength[length];
  // Lengths count in letters: UTF-8 bytes would make an Ä word longer.
  const auto letters = [](const std::string& utf8) {
    return std::count_if(utf8.begin(), utf8.end(),
                         [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
  };
  if (letters(r.longest) > letters(s.longest)) s.longest = r.longest;
  if (s.recentScores.size() == kChartedGames) s.recentScores.erase(s.recentScores.begin());
  s.recentScores.push_back(r.score);
}

}  // namespace vorpex
