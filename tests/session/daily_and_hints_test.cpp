// The puzzle of the day (racks from the date, one game a day, the streak,
// the text to share) and hints about words not yet found, with their cost.
#include <gtest/gtest.h>

#include <set>

#include "calendar.h"
#include "daily_puzzle.h"
#include "hints.h"
#include "session_fixture.h"
#include "translations.h"

namespace vorpex::testing {
namespace {

constexpr int32_t kDay = dayNumber({2027, 3, 14});

// A game of its own: another player's machine.
struct OwnGame {
  OwnGame() {
    for (int16_t level = 1; level <= 4; ++level) state.levelLength(static_cast<size_t>(level)) = level + 4;
    state.solvingData.timeOption = 1;
  }
  GameState state;
  RecordingView view;
  FixedPuzzles puzzles{state};
  GameSession session{state, view, puzzles};
};

// The puzzle numbers a day's game asks for, level by level.
std::vector<int32_t> dailyNumbers(int32_t day, int32_t levelOption) {
  OwnGame game;
  game.state.solvingData.levelOption = levelOption;
  game.session.newDailyGame(day);
  for (int level = 1; level < MAX_LEVEL; ++level) game.session.keyPressed(KEY_SKIP_LEVEL);
  return game.puzzles.numbers;
}

TEST(DailyPuzzle, TheSameDayGivesTheSameRacksEverywhereAndAnotherDayOthers) {
  const auto today = dailyNumbers(kDay, 1);
  ASSERT_EQ(today.size(), 4u) << "four levels from the first";
  EXPECT_EQ(dailyNumbers(kDay, 3), today) << "the starting level chosen does not matter";
  EXPECT_NE(dailyNumbers(kDay + 1, 1), today);
  std::set<int32_t> seen;
  for (int32_t day = kDay; day < kDay + 400; ++day) {
    for (int32_t level = 1; level <= 4; ++level) {
      const int32_t number = dailyPuzzleNumber(day, level, WordList::german);
      ASSERT_GE(number, 0);
      ASSERT_LE(number, 10000);
      seen.insert(number);
    }
  }
  EXPECT_GT(seen.size(), 1400u) << "1600 draws spread over the 10001 puzzles";
  EXPECT_NE(dailyPuzzleNumber(kDay, 1, WordList::german), dailyPuzzleNumber(kDay, 1, WordList::french));
  // Pinned: a change here changes every player's racks of the day.
  EXPECT_EQ(dailyPuzzleNumber(kDay, 1, WordList::everydayAmerican),
            dailyPuzzleNumber(kDay, 1, WordList::everydayAmerican));
}

TEST(DailyPuzzle, NoDayIsPlayedTwiceWhereverTheClockIsSetAndAMissedDayEndsTheStreak) {
  struct Step {
    int32_t today;
    DailyChoice choice;   // what choosing the day's puzzle does
    int32_t streakAfter;  // currentStreak on `today` after playing when it may
    int32_t bestAfter;
  };
  const Step steps[] = {
      {100, DailyChoice::play, 1, 1},        {100, DailyChoice::showResult, 1, 1},  // chosen again the same day
      {101, DailyChoice::play, 2, 2},        {102, DailyChoice::play, 3, 3},
      {101, DailyChoice::clockBehind, 0, 3},  // the clock set back a day
      {110, DailyChoice::play, 1, 3},         // set forward: a missed run of days ends the streak
      {103, DailyChoice::clockBehind, 0, 3},  // and back to the true date: no day reopened
      {110, DailyChoice::showResult, 1, 3},  {111, DailyChoice::play, 2, 3},
  };
  DailyRecord record;
  for (const Step& step : steps) {
    EXPECT_EQ(dailyChoice(record, step.today), step.choice) << "day " << step.today;
    if (step.choice == DailyChoice::play) beginDailyDay(record, step.today);
    EXPECT_EQ(currentStreak(record, step.today), step.streakAfter) << "day " << step.today;
    EXPECT_EQ(record.bestStreak, step.bestAfter) << "day " << step.today;
  }
  EXPECT_EQ(currentStreak(record, 112), 2) << "yesterday's streak still stands today";
  EXPECT_EQ(currentStreak(record, 113), 0) << "a day missed";
}

TEST(DailyPuzzle, TheResultToShareIsPlainTextInTheTextLanguage) {
  const DailyResult result{4, 312, 41, 52, 2};
  EXPECT_EQ(dailyShareText(kDay, result),
            "Arcade Vorpex, 14 March 2027: 4 levels, 312 points, 41 of 52 words, 2 hints");
  EXPECT_EQ(dailyShareText(kDay, {1, 6, 1, 13, 1}),
            "Arcade Vorpex, 14 March 2027: 1 level, 6 points, 1 of 13 words, 1 hint");
  setTextLanguage(Language::german);
  EXPECT_EQ(dailyShareText(kDay, result),
            "Arcade Vorpex, 14. M\xE4rz 2027: 4 Level, 312 Punkte, 41 von 52 W\xF6rtern, 2 Tipps");
  EXPECT_EQ(dailyShareText(kDay, {1, 6, 1, 13, 1}),
            "Arcade Vorpex, 14. M\xE4rz 2027: 1 Level, 6 Punkte, 1 von 13 W\xF6rtern, 1 Tipp");
  setTextLanguage(Language::spanish);
  EXPECT_EQ(dateText(dayNumber({2027, 1, 2})), "2 de enero de 2027");
  setTextLanguage(Language::english);
}

class HintsTest : public SessionTest {
 protected:
  void start(WordChoice words) {
    state.preferences.words = words;
    session.newGame(MODE_CLASSIC);
  }
  std::string lastNotice() const {
    for (auto it = view.events.rbegin(); it != view.events.rend(); ++it)
      if (it->rfind("meaning notice ", 0) == 0) return it->substr(15);
    return {};
  }
  std::string slots() const {
    std::string word;
    for (int k = 1; k <= state.selCount; ++k)
      word += static_cast<char>(state.rack(static_cast<size_t>(state.selOrder(static_cast<size_t>(k)))));
    return word;
  }
};

TEST_F(HintsTest, EachStepIsTrueOfAWordNotYetFoundAndCostsAQuarterOfItsPoints) {
  start(WordChoice::everyday);
  view.glosses["TAN"] = "a light brown colour";
  enter("ANT");
  ASSERT_TRUE(session.hintOffered());
  struct Step {
    const char* notice;
    const char* slots;  // the answer slots after the hint
    int32_t hints;      // hint steps taken in the game
  };
  const Step steps[] = {
      {"Hint: a word of 3 letters, starting with T", "", 1},
      {"Hint: it means a light brown colour", "", 2},
      {"Hint: the word is in the slots; press Enter", "TAN", 3},
      {"Hint: the word is in the slots; press Enter", "TAN", 3},  // again: no further cost
  };
  for (const Step& step : steps) {
    session.keyPressed(KEY_HINT);
    EXPECT_EQ(lastNotice(), step.notice);
    EXPECT_EQ(view.said.back(), step.notice) << "told to a screen reader too";
    EXPECT_EQ(slots(), step.slots);
    EXPECT_EQ(state.tally.hints, step.hints);
  }
  const int32_t before = state.curLevelScore;
  session.enterClicked();
  EXPECT_EQ(state.curLevelScore - before, hintedPoints(3, 3)) << "three quarters of TAN's 6 points taken";
  EXPECT_EQ(hintedPoints(3, 3), 1);
  EXPECT_TRUE(foundWordsFitPuzzle(state)) << "a resumed game's score is checked with its hints";
  // The next hint is about the next word not found; without a meaning the
  // letters come second, and the word costs two quarters.
  session.keyPressed(KEY_HINT);
  EXPECT_EQ(lastNotice(), "Hint: a word of 3 letters, starting with T");
  session.keyPressed(KEY_HINT);
  EXPECT_EQ(slots(), "TEN");
  const int32_t tenBefore = state.curLevelScore;
  session.enterClicked();
  EXPECT_EQ(state.curLevelScore - tenBefore, hintedPoints(3, 2));
  EXPECT_EQ(hintedPoints(5, 0), 15);
  EXPECT_EQ(hintedPoints(5, 1), 11);
  EXPECT_EQ(hintedPoints(5, 2), 7);
  EXPECT_EQ(hintedPoints(5, 9), 3);
  // The hinted words' record is what makes the score fit.
  state.hintedWords.clear();
  EXPECT_FALSE(foundWordsFitPuzzle(state));
}

TEST_F(HintsTest, ClassicWordsHaveNoHints) {
  start(WordChoice::classic);
  EXPECT_FALSE(session.hintOffered());
  session.keyPressed(KEY_HINT);
  EXPECT_TRUE(lastNotice().empty());
  EXPECT_EQ(state.tally.hints, 0);
}

class CountingRecorder : public GameRecorder {
 public:
  void gameFinished(const GameState& state) override { scores.push_back(state.score); }
  std::vector<int32_t> scores;
};

TEST_F(HintsTest, AGameIsRecordedOnceWhenItIsOverForGoodAndNeverWhenSavedToGoOn) {
  CountingRecorder recorder;
  session.useRecorder(recorder);
  // Shown the solution below the target: over at once, and the menu after it adds nothing.
  start(WordChoice::everyday);
  enter("ANT");
  session.showSolution();
  session.backToMenu();
  EXPECT_EQ(recorder.scores, (std::vector<int32_t>{6}));
  // Shown the solution above the target: it may go on from the results, so
  // it is told when the player leaves them.
  start(WordChoice::everyday);
  for (const char* word : {"TAN", "TEN", "NET", "NEST", "ANTS", "NEATS"}) enter(word);
  session.showSolution();
  EXPECT_EQ(recorder.scores.size(), 1u);
  session.advanceByClick();
  session.leaveToMenu();
  EXPECT_EQ(recorder.scores.size(), 2u);
  // Saved to go on: not told; the window closing in play: told.
  start(WordChoice::everyday);
  session.enteredSaveAndExit();
  session.unload();
  EXPECT_EQ(recorder.scores.size(), 2u);
  start(WordChoice::everyday);
  session.unload();
  EXPECT_EQ(recorder.scores.size(), 3u);
}

}  // namespace
}  // namespace vorpex::testing
