// The player's figures over the games of the history: played, won, best and
// average scores by kind of game, levels reached, words found by length,
// the longest word, and the recent scores the chart draws.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game_record.h"

namespace vorpex {

constexpr int kChartedGames = 30;

struct KindFigures {
  int32_t played = 0;
  int32_t won = 0;  // the last level passed
  int32_t best = 0;
  int64_t total = 0;  // of the scores, for the average
  // The average score, rounded half up; 0 before any game.
  int32_t average() const { return played == 0 ? 0 : static_cast<int32_t>((2 * total + played) / (2 * played)); }
  bool operator==(const KindFigures&) const = default;
};

struct Statistics {
  std::array<KindFigures, 3> byKind{};                      // [GameKind]
  std::array<int32_t, MAX_LEVEL + 1> levelsReached{};       // games by the level reached, 1 to 4
  std::array<int64_t, kMaxRackLength + 1> foundByLength{};  // words found by length, 3 to 8
  std::string longest;                                      // the longest word found (the first of its length), UTF-8
  std::vector<int32_t> recentScores;                        // the last kChartedGames games' scores, oldest first
  int32_t games() const { return byKind[0].played + byKind[1].played + byKind[2].played; }
  const KindFigures& of(GameKind kind) const { return byKind[static_cast<size_t>(kind)]; }
  bool operator==(const Statistics&) const = default;
};

// Adds one game, the latest so far; the records are given oldest first.
void addGame(Statistics& statistics, const GameRecord& record);

}  // namespace vorpex
