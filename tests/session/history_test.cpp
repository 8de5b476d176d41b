// The history's lines (a finished game each, damaged ones refused) and the
// statistics drawn from them.
#include <gtest/gtest.h>

#include "game_record.h"
#include "statistics.h"

namespace vorpex {
namespace {

GameRecord sample() {
  GameRecord r;
  r.date = {2027, 3, 14};
  r.kind = GameKind::daily;
  r.language = "de";
  r.wordList = "german";
  r.levels = 4;
  r.won = true;
  r.score = 312;
  r.foundByLength = {0, 0, 0, 10, 12, 8, 3, 1, 0};
  r.hints = 2;
  r.longest = "\xC3\x84RGERN";  // ÄRGERN, UTF-8
  return r;
}

constexpr const char* kSampleLine =
    "2027-03-14\tdaily\tde\tgerman\t4\twon\t312\t3:10,4:12,5:8,6:3,7:1,8:0\t2\t\xC3\x84RGERN";

TEST(GameRecord, ALineComesBackAsItWasWrittenAndADamagedOneIsRefused) {
  EXPECT_EQ(historyLine(sample()), kSampleLine);
  EXPECT_EQ(parseHistoryLine(kSampleLine), sample());
  EXPECT_EQ(parseHistoryLine(std::string(kSampleLine) + "\r"), sample()) << "a line ended CR LF";
  GameRecord none = sample();
  none.longest.clear();
  none.kind = GameKind::timed;
  EXPECT_EQ(parseHistoryLine(historyLine(none)), none);

  const std::string good = kSampleLine;
  const auto with = [&good](const std::string& from, const std::string& to) {
    std::string line = good;
    line.replace(line.find(from), from.size(), to);
    return line;
  };
  const std::string damaged[] = {
      "",
      "# a comment",
      good.substr(0, good.size() / 2),  // cut in the middle by a crash
      good + "\textra",
      with("2027-03-14", "2027-02-29"),  // no such day
      with("2027-03-14", "2027-3-14"),
      with("daily", "weekly"),
      with("\tde\t", "\txx\t"),
      with("german", "klingon"),
      with("\t4\t", "\t0\t"),
      with("\t4\t", "\t5\t"),
      with("won", "yes"),
      with("312", "-312"),
      with("312", "+312"),
      with("312", " 312"),
      with("312", "3120000000"),
      with("3:10,", "3:x,"),
      with(",8:0", ""),  // a length missing
      with(",8:0", ",8:0,9:1"),
      with("4:12,5:8", "5:8,4:12"),
      with("\xC3\x84RGERN", "\xC3\xA4rgern"),  // lower case
      with("\xC3\x84RGERN", "AB"),             // too short
      with("\xC3\x84RGERN", "STONE5"),
      with("\xC3\x84RGERN", "\xFF\xFE"),  // not UTF-8
  };
  for (const std::string& line : damaged) EXPECT_FALSE(parseHistoryLine(line)) << line;
}

TEST(Statistics, TheFiguresAreTheHistorysAndTheChartHoldsTheLastThirtyGames) {
  Statistics s;
  std::vector<int32_t> scores;
  for (int i = 1; i <= 35; ++i) {
    GameRecord r = sample();
    r.kind = i % 5 == 0 ? GameKind::timed : i % 5 == 1 ? GameKind::daily : GameKind::classic;
    r.score = i * 10;
    r.won = i % 2 == 0;
    r.levels = 1 + i % 4;
    r.longest = i == 7 ? "STONES" : i == 9 ? "\xC3\x84RGERNDE" : "ANT";  // 6 letters, then 8 (10 bytes)
    addGame(s, r);
    scores.push_back(r.score);
  }
  EXPECT_EQ(s.games(), 35);
  const KindFigures& timed = s.of(GameKind::timed);
  EXPECT_EQ(timed.played, 7);
  EXPECT_EQ(timed.won, 3);  // games 10, 20, 30
  EXPECT_EQ(timed.best, 350);
  EXPECT_EQ(timed.average(), 200);  // 50, 100, ... 350
  EXPECT_EQ(s.of(GameKind::daily).played, 7);
  EXPECT_EQ(s.of(GameKind::classic).played, 21);
  EXPECT_EQ(s.levelsReached[1] + s.levelsReached[2] + s.levelsReached[3] + s.levelsReached[4], 35);
  EXPECT_EQ(s.levelsReached[4], 9);  // i % 4 == 3
  EXPECT_EQ(s.foundByLength[3], 350);
  EXPECT_EQ(s.foundByLength[7], 35);
  EXPECT_EQ(s.longest, "\xC3\x84RGERNDE") << "longest by letters, not bytes";
  EXPECT_EQ(s.recentScores, std::vector<int32_t>(scores.end() - 30, scores.end()));
  EXPECT_EQ(KindFigures{}.average(), 0);
}

}  // namespace
}  // namespace vorpex
