// Every way a level ends, at an inner level and at the last, in both modes:
// what the player reads in the summary, the score they are left with, where
// they are next, and whether the game entered the Hall of Fame.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include <sstream>

#include "found_words.h"
#include "puzzle_fixture.h"
#include "session_fixture.h"
#include "sound_ids.h"

namespace vorpex {
namespace {

enum class End { None, TimeOut, Advance, SkipKey, ShowSolution, MainMenu };

struct LevelEnd {
  const char* name;
  int16_t mode;
  int16_t level;
  const char* words;  // entered before the end, in this order
  End end;
  const char* summary;  // the one summary shown, or nullptr for none
  int32_t score;
  const char* next;  // "level 2", "results" or "menu"
};

void PrintTo(const LevelEnd& c, std::ostream* out) { *out << c.name; }

constexpr const char* kReachedLevel1 =
    "You completed level 1 \n Number of words found 5 of 7 \n Score in this Level 47 \n bonus points 0";
constexpr const char* kEveryWordLevel1 =
    "You completed level 1 \n Number of words found 7 of 7 \n Score in this Level 59 \n bonus points 59";
constexpr const char* kLostLevel1 = "Game Over\nNumber Of words Found 1\nLevel reached 1\nPoints Scored 6";
constexpr const char* kLostLevel4 = "Game Over\nNumber Of words Found 1\nLevel reached 4\nPoints Scored 6";
constexpr const char* kWon = "Excellent work. You completed all the 4 levels.";

// 47 of level 1's 59 points: exactly its target.
constexpr const char* kTarget1 = "NEATS NEST ANTS ANT TAN";
constexpr const char* kEvery1 = "ANT TAN TEN NET NEST ANTS NEATS";
// 77 of level 4's 95 points; its target is 76.
constexpr const char* kTarget4 = "AEILNRST NEATS NEST ANTS ANT";
constexpr const char* kEvery4 = "AEILNRST ANT TAN TEN NET NEST ANTS NEATS";

const LevelEnd kLevelEnds[] = {
    {"ClassicAdvanceAtExactlyTheTarget", MODE_CLASSIC, 1, kTarget1, End::Advance, kReachedLevel1, 47, "level 2"},
    {"TimedAdvanceGivesNoTimeBonus", MODE_TIMED, 1, kTarget1, End::Advance, kReachedLevel1, 47, "level 2"},
    {"ClassicEveryWordDoublesTheLevel", MODE_CLASSIC, 1, kEvery1, End::None, kEveryWordLevel1, 118, "level 2"},
    // 59 + the bonus of 59 + 37 whole seconds of the 37.9 left.
    {"TimedEveryWordAddsTheWholeSecondsLeft", MODE_TIMED, 1, kEvery1, End::None, kEveryWordLevel1, 155, "level 2"},
    {"TimedTimeOutBelowTheTargetEndsTheGame", MODE_TIMED, 1, "ANT", End::TimeOut, kLostLevel1, 6, "results"},
    {"TimedTimeOutAtExactlyTheTargetPlaysOn", MODE_TIMED, 1, kTarget1, End::TimeOut, kReachedLevel1, 47, "level 2"},
    {"ClassicSkipKeyStartsTheNextLevelSilently", MODE_CLASSIC, 1, "ANT", End::SkipKey, nullptr, 6, "level 2"},
    {"TimedSkipKeyStartsTheNextLevelSilently", MODE_TIMED, 1, "ANT", End::SkipKey, nullptr, 6, "level 2"},
    {"ClassicShowSolutionEndsTheGame", MODE_CLASSIC, 1, "ANT", End::ShowSolution, nullptr, 6, "results"},
    {"TimedShowSolutionAtTheTargetEndsTheGame", MODE_TIMED, 1, kTarget1, End::ShowSolution, nullptr, 47, "results"},
    {"ClassicMainMenuBelowTheTarget", MODE_CLASSIC, 1, "ANT", End::MainMenu, kLostLevel1, 6, "menu"},
    {"TimedMainMenuAtTheTarget", MODE_TIMED, 1, kTarget1, End::MainMenu, kReachedLevel1, 47, "menu"},

    {"LastClassicAdvanceWinsTheGame", MODE_CLASSIC, 4, kTarget4, End::Advance, kWon, 77, "menu"},
    {"LastTimedAdvanceWinsTheGame", MODE_TIMED, 4, kTarget4, End::Advance, kWon, 77, "menu"},
    {"LastClassicEveryWordHasNoBonus", MODE_CLASSIC, 4, kEvery4, End::None, kWon, 95, "menu"},
    {"LastTimedEveryWordHasNoBonus", MODE_TIMED, 4, kEvery4, End::None, kWon, 95, "menu"},
    {"LastTimedTimeOutAtTheTargetWins", MODE_TIMED, 4, kTarget4, End::TimeOut, kWon, 77, "menu"},
    {"LastTimedTimeOutBelowIsGameOverNotExcellent", MODE_TIMED, 4, "ANT", End::TimeOut, kLostLevel4, 6, "results"},
    {"LastClassicSkipKeyEndsTheGame", MODE_CLASSIC, 4, "ANT", End::SkipKey, nullptr, 6, "results"},
    {"LastTimedSkipKeyEndsTheGameAndItsClock", MODE_TIMED, 4, "ANT", End::SkipKey, nullptr, 6, "results"},
    {"LastTimedShowSolutionEndsTheGame", MODE_TIMED, 4, "ANT", End::ShowSolution, nullptr, 6, "results"},
    {"LastClassicMainMenuBelowIsGameOver", MODE_CLASSIC, 4, "ANT", End::MainMenu, kLostLevel4, 6, "menu"},
    {"LastTimedMainMenuAtTheTargetIsExcellent", MODE_TIMED, 4, kTarget4, End::MainMenu, kWon, 77, "menu"},
};

class LevelEndTest : public testing::SessionTest, public ::testing::WithParamInterface<LevelEnd> {};

TEST_P(LevelEndTest, SummaryScoreNextPlaceAndHallOfFame) {
  const LevelEnd& c = GetParam();
  state.solvingData.levelOption = c.level;
  session.newGame(c.mode);
  std::istringstream words(c.words);
  for (std::string word; words >> word;) enter(word);
  switch (c.end) {
    case End::None: break;
    case End::TimeOut:
      state.timeRem = 1;
      session.countdownTick();
      break;
    case End::Advance: session.advanceByClick(); break;
    case End::SkipKey: session.keyPressed(KEY_SKIP_LEVEL); break;
    case End::ShowSolution: session.showSolution(); break;
    case End::MainMenu: session.leaveToMenu(); break;
  }

  if (c.summary) {
    EXPECT_EQ(view.summaries, std::vector<std::string>{c.summary});
  } else {
    EXPECT_TRUE(view.summaries.empty()) << view.summaries.front();
  }
  EXPECT_EQ(view.summariesOverARunningClock, 0) << "the clock stops before the summary opens";
  EXPECT_EQ(state.score, c.score);
  EXPECT_EQ(where(), c.next);

  const ScoreTable& own = state.bestScores[Language::english][static_cast<size_t>(c.mode)];
  const ScoreTable& other = state.bestScores[Language::english][static_cast<size_t>(3 - c.mode)];
  EXPECT_EQ(other.scores(1), 0) << "the other mode's table is untouched";
  if (std::string(c.next) == "level 2") {
    EXPECT_FALSE(view.saw("ask name")) << "a game in play is not offered to the table";
    EXPECT_EQ(own.scores(1), 0);
    EXPECT_EQ(state.boardWidth, 6);
    EXPECT_EQ(state.curLevelScore, 0);
    EXPECT_EQ(state.nWordsFound, 0);
    EXPECT_EQ(view.countdownRunning, c.mode == MODE_TIMED);
    EXPECT_EQ(puzzles.lastNumber, -1) << "a new puzzle, never the last one again";
  } else {
    EXPECT_EQ(own.scores(1), c.score) << "the game's score, bonuses included, takes the top row";
    EXPECT_EQ(own.names(1), "Player");
    EXPECT_EQ(rowsNamed(own, "Player"), 1);
    EXPECT_FALSE(view.countdownRunning);
  }
  if (std::string(c.next) == "results") {
    EXPECT_EQ(state.listMode, LIST_ALL);
    EXPECT_TRUE(view.saw("message 4"));
  }
}

INSTANTIATE_TEST_SUITE_P(EveryWay, LevelEndTest, ::testing::ValuesIn(kLevelEnds),
                         [](const ::testing::TestParamInfo<LevelEnd>& info) { return std::string(info.param.name); });

using Scenario = testing::SessionTest;

// A game that ends offers its score to the Hall of Fame before the results
// are drawn, with the clock already stopped; after it, neither Esc, Pause
// nor a stray tick starts the clock or moves the time.
TEST_F(Scenario, AnEndedGameAsksForTheHallOfFameBeforeTheResultsAndItsClockStaysStill) {
  const struct {
    const char* how;
    std::function<void()> end;
  } endings[] = {
      {"the time runs out", [this] {
         state.timeRem = 1;
         session.countdownTick();
       }},
      {"Show Solution", [this] { session.showSolution(); }},
  };
  for (const auto& ending : endings) {
    SCOPED_TRACE(ending.how);
    state.bestScores[Language::english][MODE_TIMED] = ScoreTable{};
    session.newGame(MODE_TIMED);
    enter("ANT");
    view.clear();
    ending.end();
    const auto at = [&](const std::string& event) {
      return std::find(view.events.begin(), view.events.end(), event) - view.events.begin();
    };
    ASSERT_TRUE(view.saw("ask name") && view.saw("results"));
    EXPECT_LT(at("countdown off"), at("ask name"));
    EXPECT_LT(at("ask name"), at("results"));
    EXPECT_LT(at("results"), at("message 4"));

    const int32_t left = state.timeRem;
    view.clear();
    session.keyPressed(KEY_ESCAPE);
    EXPECT_FALSE(view.saw("paused")) << "Esc pauses a game in play only";
    session.enablePause(true);  // the side panel's Pause stays on in the results
    session.countdownTick();
    session.enablePause(false);
    session.countdownTick();
    EXPECT_FALSE(view.saw("countdown on"));
    EXPECT_FALSE(view.countdownRunning);
    EXPECT_EQ(state.timeRem, left);
    EXPECT_TRUE(state.showingResults);
  }
}

TEST_F(Scenario, AdvanceIsOfferedFromExactlyTheTargetAndNotBelow) {
  session.newGame(MODE_CLASSIC);
  for (const char* w : {"NEATS", "NEST", "ANTS", "ANT"}) enter(w);
  ASSERT_EQ(state.curLevelScore, 41);
  EXPECT_FALSE(session.advanceOffered());
  session.advanceByClick();
  EXPECT_EQ(where(), "level 1") << "a click below the target does nothing";
  EXPECT_TRUE(view.summaries.empty());
  enter("TAN");
  ASSERT_EQ(state.curLevelScore, state.targetScore);
  EXPECT_TRUE(session.advanceOffered());
}

TEST_F(Scenario, AClickOnTheProgressAreaBelowTheTargetLeavesTheClockRunning) {
  session.newGame(MODE_TIMED);
  enter("ANT");
  session.advanceByClick();
  EXPECT_EQ(where(), "level 1");
  EXPECT_TRUE(view.countdownRunning);
}

// No set of the fixed puzzle's words makes exactly 76 at level 4, so the
// level score is set as if they did.
TEST_F(Scenario, TimeRunningOutAtExactlyTheLastTargetWinsTheGame) {
  state.solvingData.levelOption = 4;
  session.newGame(MODE_TIMED);
  ASSERT_EQ(state.targetScore, 76);
  state.curLevelScore = state.score = 76;
  state.timeRem = 1;
  session.countdownTick();
  EXPECT_EQ(view.summaries, std::vector<std::string>{kWon});
  EXPECT_EQ(where(), "menu");
}

TEST_F(Scenario, ALevelStartsWithItsTimeInTenthsAndTicksInSeconds) {
  session.newGame(MODE_TIMED);
  EXPECT_EQ(state.timeRem, 379) << "59 points at 0.575 s each, and 4 s";
  EXPECT_EQ(state.timeText, "0:37.9");
  session.countdownTick();
  EXPECT_EQ(state.timeText, "0:37");
  session.keyPressed(KEY_SKIP_LEVEL);
  EXPECT_EQ(state.timeRem, 500) << "80 points at 0.575 s each, and 4 s";
  EXPECT_EQ(state.timeText, "0:50.0");
  state.solvingData.timeOption = 3;
  session.keyPressed(KEY_SKIP_LEVEL);
  EXPECT_EQ(state.timeRem, 303) << "87 points at 0.325 s each, and 2 s: 30.275 s";
  EXPECT_EQ(state.timeText, "0:30.3");
}

TEST_F(Scenario, CountdownRoundsAnExactHalfToTheEvenTenth) {
  // 2 points at 0.575 s each and 4 s: 51.5 tenths.
  EXPECT_EQ(countdownFor(2, 1), 52);
  EXPECT_EQ(countdownFor(6, 1), 74) << "74.5 tenths";
  EXPECT_EQ(countdownFor(1, 2), 34) << "34.5 tenths";
  EXPECT_EQ(countdownFor(3, 2), 44) << "43.5 tenths";
  EXPECT_EQ(countdownFor(2, 3), 26) << "26.5 tenths";
  EXPECT_EQ(countdownFor(6, 3), 40) << "39.5 tenths";
  EXPECT_EQ(formatTime(600, 3), "1:00.0");
  EXPECT_EQ(formatTime(599, 3), "0:59.9");
  EXPECT_EQ(formatTime(10, 2), "0:01");
  EXPECT_EQ(formatTime(100, 2), "0:10");
  EXPECT_EQ(formatTime(95, 2), "0:09");
  EXPECT_EQ(formatTime(-5, 3), "0:00.0") << "never below zero";
}

// A game of several levels offers its whole score, not the last level's,
// and each mode keeps its own table and its own "Best Score".
TEST_F(Scenario, ASeveralLevelGameEntersItsModesTableWithItsWholeScore) {
  const int32_t classic[] = {200, 150, 120, 100, 90, 80, 70, 60};
  for (size_t r = 1; r <= 8; ++r) {
    state.bestScores[Language::english][1].scores(r) = classic[r - 1];
    state.bestScores[Language::english][2].scores(r) = classic[r - 1] / 10;
  }
  session.newGame(MODE_CLASSIC);
  EXPECT_EQ(state.bestScoreText, "200");
  findEveryWord();  // 59, doubled
  ASSERT_EQ(where(), "level 2");
  EXPECT_EQ(state.bestScoreText, "200") << "the classic table's top row";
  enter("ANT");
  ASSERT_EQ(state.score, 124);
  ASSERT_EQ(state.curLevelScore, 6);
  view.names = {"Cleo"};
  session.showSolution();
  EXPECT_EQ(state.bestScores[Language::english][1].names(3), "Cleo") << "124 ranks third, below 150 and above 120";
  EXPECT_EQ(state.bestScores[Language::english][1].scores(3), 124);
  EXPECT_EQ(state.bestScores[Language::english][1].scores(4), 120);
  EXPECT_EQ(state.bestScores[Language::english][1].scores(8), 70) << "the last row dropped out";
  EXPECT_EQ(state.bestScores[Language::english][2].scores(1), 20);

  session.newGame(MODE_TIMED);
  EXPECT_EQ(state.bestScoreText, "20") << "the timed table's top row";
  state.timeRem = 127;
  findEveryWord();  // 59, doubled, and 12 whole seconds
  ASSERT_EQ(state.score, 130);
  state.timeRem = 1;
  view.names = {"Tim"};
  session.countdownTick();  // nothing found at level 2: game over
  EXPECT_EQ(where(), "results");
  EXPECT_EQ(state.bestScores[Language::english][2].names(1), "Tim");
  EXPECT_EQ(state.bestScores[Language::english][2].scores(1), 130);
  EXPECT_EQ(state.bestScores[Language::english][2].scores(2), 20);
  EXPECT_EQ(state.bestScores[Language::english][1].names(3), "Cleo") << "the classic table is untouched";
  session.newGame(MODE_TIMED);
  EXPECT_EQ(state.bestScoreText, "130");
}

TEST_F(Scenario, AScoreEqualToARowGoesBelowItAndOneBelowEveryRowStaysOut) {
  fillTables(59);
  session.newGame(MODE_CLASSIC);
  for (const char* w : {"NEATS", "NEST", "ANTS", "ANT", "TAN", "TEN", "NET"}) enter(w);  // 59, then the bonus
  ASSERT_EQ(where(), "level 2");
  session.newGame(MODE_CLASSIC);
  enter("NEATS");
  for (const char* w : {"NEST", "ANTS", "ANT", "TAN", "TEN"}) enter(w);
  ASSERT_EQ(state.score, 53);
  session.showSolution();
  EXPECT_FALSE(view.saw("ask name")) << "53 beats no row of 59";
  EXPECT_EQ(rowsNamed(state.bestScores[Language::english][1], "Player"), 0);
}

TEST_F(Scenario, AScoreBeatingOnlyTheLastRowTakesItsPlace) {
  fillTables(100);
  state.bestScores[Language::english][1].scores(8) = 5;
  session.newGame(MODE_CLASSIC);
  enter("ANT");
  view.names = {"Last"};
  session.showSolution();
  EXPECT_EQ(state.bestScores[Language::english][1].names(8), "Last");
  EXPECT_EQ(state.bestScores[Language::english][1].scores(8), 6);
  EXPECT_EQ(state.bestScores[Language::english][1].scores(7), 100);
}

TEST_F(Scenario, AGameEntersItsOwnLanguagesHallOfFameAndClassicWordsAreEnglish) {
  struct Case {
    WordChoice words;
    Language entered;
  };
  for (const Case c : {Case{WordChoice::everyday, Language::german}, Case{WordChoice::classic, Language::english}}) {
    state.bestScores = {};
    state.preferences.words = c.words;
    state.preferences.language = Language::german;
    session.newGame(MODE_CLASSIC);
    enter("ANT");
    view.names = {"Lena"};
    session.showSolution();
    for (const LanguageFacts& language : kLanguages) {
      const bool entered = language.id == c.entered;
      EXPECT_EQ(state.bestScores[language.id][1].names(1), entered ? "Lena" : "") << language.code;
      EXPECT_EQ(state.bestScores[language.id][1].scores(1), entered ? 6 : 0) << language.code;
    }
    EXPECT_EQ(state.bestScoreText, "0") << "the read-out showed that language's best before the game";
  }
}

TEST_F(Scenario, ANameOfTwentyLettersIsKeptToNineteenAndAnEmptyOneIsADash) {
  const std::string twenty = "Abcdefghijklmnopqrst";
  view.names = {twenty, std::string(19, 'x'), ""};
  for (int game = 0; game < 3; ++game) {
    session.newGame(MODE_CLASSIC);
    for (int i = 0; i <= game; ++i) enter(std::vector<std::string>{"NEATS", "NEST", "ANT"}[static_cast<size_t>(i)]);
    session.showSolution();
  }
  EXPECT_EQ(state.bestScores[Language::english][1].names(3), twenty.substr(0, 19));
  EXPECT_EQ(state.bestScores[Language::english][1].names(2), std::string(19, 'x'));
  EXPECT_EQ(state.bestScores[Language::english][1].names(1), "-");
  EXPECT_EQ(state.bestScores[Language::english][1].scores(1), 31);
}

// Fourteen found words: a new word at position 13 still shows the first
// page; at 14 the list scrolls so that it is the bottom row.
TEST_F(Scenario, AWordFoundAtPositionThirteenKeepsTheFirstPageAndFourteenScrolls) {
  session.newGame(MODE_CLASSIC);
  for (int i = 0; i < 12; ++i) addFoundWord(state, std::string("AA") + static_cast<char>('A' + i));
  addFoundWord(state, "ZZZZ");
  enter("NET");  // after AAA to AAL and before ZZZZ: the 13th of 14
  ASSERT_EQ(state.foundWords(13), "NET");
  EXPECT_EQ(state.listTop, 1);
  session.newGame(MODE_CLASSIC);
  for (int i = 0; i < 13; ++i) addFoundWord(state, std::string("AA") + static_cast<char>('A' + i));
  enter("NET");
  ASSERT_EQ(state.foundWords(14), "NET");
  EXPECT_EQ(state.listTop, 2);
  session.scrollDown();
  EXPECT_EQ(state.listTop, 2) << "14 words: rows 2 to 14 are the last page";
  session.scrollUp();
  EXPECT_EQ(state.listTop, 1);
  session.scrollUp();
  EXPECT_EQ(state.listTop, 1);
}

TEST_F(Scenario, ANewLevelStartsUnpausedWithItsListAtTheTop) {
  session.newGame(MODE_TIMED);
  for (int i = 0; i < 16; ++i) addFoundWord(state, std::string("AA") + static_cast<char>('A' + i));
  enter("NET");
  ASSERT_GT(state.listTop, 1);
  session.enablePause(true);
  session.keyPressed(KEY_SKIP_LEVEL);
  EXPECT_FALSE(session.paused());
  EXPECT_TRUE(view.countdownRunning);
  EXPECT_EQ(state.listTop, 1);
  EXPECT_EQ(state.nWordsFound, 0);
}

// The list shows 13 rows: a new word brings its row into view, a word found
// again too, and the results open on all the words from the first.
TEST_F(Scenario, TheListShowsEachWordAsItIsFoundAndTheResultsFromTheTop) {
  session.newGame(MODE_CLASSIC);
  for (int i = 0; i < 16; ++i) addFoundWord(state, std::string("ZZ") + static_cast<char>('A' + i));
  enter("NET");  // the first of 17
  EXPECT_EQ(state.listTop, 1);
  EXPECT_EQ(view.onScreen.list.substr(0, 7), "NET ZZA");
  for (int i = 0; i < 4; ++i) session.scrollDown();
  EXPECT_EQ(view.onScreen.list.substr(0, 3), "ZZD");
  session.scrollDown();
  EXPECT_EQ(state.listTop, 5) << "rows 5 to 17 are the last page";
  session.scrollUp();
  EXPECT_EQ(view.onScreen.list.substr(0, 3), "ZZC");
  enter("NET");  // found again: its row comes back into view, framed for a moment
  EXPECT_EQ(state.listTop, 1);
  EXPECT_EQ(view.onScreen.list.substr(0, 3), "NET") << "and the frame is gone after";
  session.scrollDown();
  session.scrollUp();
  EXPECT_EQ(view.onScreen.list.substr(0, 3), "NET") << "no frame after scrolling";
  EXPECT_EQ(view.onScreen.slots, "NET") << "a repeated word stays in the slots";
  session.clrClicked();
  for (int i = 0; i < 4; ++i) session.scrollDown();
  enter("TEN");  // new, at position 2
  EXPECT_EQ(state.listTop, 1);
  EXPECT_EQ(view.onScreen.list.substr(0, 11), "NET TEN ZZA");
  session.scrollDown();
  session.showSolution();
  EXPECT_EQ(state.listTop, 1);
  EXPECT_EQ(view.onScreen.list, "ANT TAN TEN NET NEST ANTS NEATS");
  session.showSolution();
  EXPECT_EQ(where(), "results") << "a second Show Solution changes nothing";
}

TEST_F(Scenario, ShowSolutionOnTheMenuDoesNothing) {
  session.newGame(MODE_CLASSIC);
  session.leaveToMenu();
  view.clear();
  session.showSolution();
  EXPECT_FALSE(view.saw("results"));
  EXPECT_FALSE(state.showingResults);
}

TEST_F(Scenario, TheClockEndsTheLevelAtZeroAndNotATickBefore) {
  session.newGame(MODE_TIMED);
  state.timeRem = 10;
  session.countdownTick();
  EXPECT_EQ(state.timeText, "0:00") << "the text follows the tick that crossed the second";
  state.timeRem = 2;
  session.countdownTick();
  EXPECT_EQ(where(), "level 1");
  EXPECT_EQ(state.timeText, "0:00");
  session.countdownTick();
  EXPECT_EQ(where(), "results");
}

TEST_F(Scenario, TilesOutsideTheRackAndKeysWithTooFewTilesChangeNothing) {
  session.newGame(MODE_CLASSIC);
  session.tileClicked(0, BUTTON_LEFT);
  session.tileClicked(6, BUTTON_LEFT);
  EXPECT_EQ(state.selCount, 0);
  spell("A");
  session.clrClicked();
  EXPECT_EQ(state.selCount, 0) << "Clear frees a single tile too";
  EXPECT_EQ(view.onScreen.rack, "AENST");
  EXPECT_EQ(view.onScreen.slots, "");
  spell("AN");
  session.keyPressed(KEY_BACKSPACE);
  EXPECT_EQ(state.selCount, 0) << "Backspace clears two tiles";
}

// A held row climbs to the top, and keeps being the game's one row as it
// climbs again.
TEST_F(Scenario, AHeldRowClimbsToTheTopAndStaysTheGamesOneRow) {
  fillTables(0);
  state.bestScores[Language::english][1].scores(1) = 50;
  state.bestScores[Language::english][1].names(1) = "Top";
  session.newGame(MODE_CLASSIC);
  for (const char* w : {"NEATS", "NEST", "ANTS", "ANT", "TAN"}) enter(w);
  view.names = {"Ann", "Bob", "Cid"};
  session.showSolution();
  ASSERT_EQ(state.bestScores[Language::english][1].names(2), "Ann");
  session.advanceByClick();
  for (const char* w : {"AENRST", "NEATS", "NEST", "ANTS", "ANT", "TAN"}) enter(w);  // 68 of 80
  session.showSolution();
  EXPECT_EQ(state.bestScores[Language::english][1].names(1), "Ann");
  EXPECT_EQ(state.bestScores[Language::english][1].scores(1), 115);
  EXPECT_EQ(state.bestScores[Language::english][1].names(2), "Top");
  session.advanceByClick();
  enter("ANT");
  session.showSolution();
  EXPECT_EQ(state.bestScores[Language::english][1].scores(1), 121);
  EXPECT_EQ(rowsNamed(state.bestScores[Language::english][1], "Ann"), 1);
  EXPECT_EQ(rowsNamed(state.bestScores[Language::english][1], "Bob"), 0) << "the name is asked once a game";
}

TEST_F(Scenario, OnlyTheResultsSpellAPointedWordAndTheLastOneToo) {
  session.newGame(MODE_CLASSIC);
  session.resultsRowPointed(0);
  EXPECT_FALSE(view.saw("spell ANT")) << "not during play";
  session.showSolution();
  session.resultsRowPointed(6);
  EXPECT_TRUE(view.saw("spell NEATS")) << "the seventh and last word";
  view.clear();
  session.resultsRowPointed(7);
  session.resultsRowPointed(-1);
  EXPECT_TRUE(view.events.empty());
}

// What the player sees after each click: the picked tiles gone from the
// rack and spelled in the slots, the score and the time in the side panel.
TEST_F(Scenario, TheScreenShowsEveryPickTakeBackWordAndTick) {
  session.newGame(MODE_TIMED);
  EXPECT_EQ(view.onScreen.rack, "AENST");
  EXPECT_EQ(view.onScreen.panel, "Score 0 | Best 0 | Time 0:37.9 | Level 1");
  spell("A");
  EXPECT_EQ(view.onScreen.rack, "_ENST");
  EXPECT_EQ(view.onScreen.slots, "A");
  spell("N");
  EXPECT_EQ(view.onScreen.rack, "_E_ST");
  EXPECT_EQ(view.onScreen.slots, "AN");
  session.tileClicked(testing::tileOf(state, 'T'), BUTTON_LEFT);
  session.tileClicked(state.selOrder(3), BUTTON_LEFT);  // the T goes back
  EXPECT_EQ(view.onScreen.rack, "_E_ST");
  EXPECT_EQ(view.onScreen.slots, "AN");
  spell("T");
  session.enterClicked();
  EXPECT_EQ(view.onScreen.rack, "AENST");
  EXPECT_EQ(view.onScreen.slots, "");
  EXPECT_EQ(view.onScreen.panel, "Score 6 | Best 0 | Time 0:37.9 | Level 1");
  session.countdownTick();
  EXPECT_EQ(view.onScreen.panel, "Score 6 | Best 0 | Time 0:37 | Level 1");
  session.keyPressed(KEY_SKIP_LEVEL);
  EXPECT_EQ(view.onScreen.rack, "AENRST");
  EXPECT_EQ(view.onScreen.panel, "Score 6 | Best 0 | Time 0:50.0 | Level 2");
}

TEST_F(Scenario, ARightClickOnTheLastTileOfANonWordKeepsTheWord) {
  session.newGame(MODE_CLASSIC);
  spell("TNA");
  session.tileClicked(state.selOrder(3), BUTTON_RIGHT);
  EXPECT_TRUE(view.saw("message 2"));
  EXPECT_EQ(state.selCount, 3);
  EXPECT_EQ(view.onScreen.slots, "TNA");
}

TEST_F(Scenario, ClicksInPlayClearTheMessageLineButNotTheResultsOne) {
  session.newGame(MODE_CLASSIC);
  enter("TNA");  // not a word
  ASSERT_TRUE(view.saw("message 2"));
  view.clear();
  session.boardClicked();
  EXPECT_TRUE(view.saw("message 0"));
  session.showSolution();
  view.clear();
  session.boardClicked();
  EXPECT_TRUE(view.events.empty()) << "the results keep their line";
}

TEST_F(Scenario, TheResultsViewForgetsThePointedRowEachTimeItOpens) {
  session.newGame(MODE_CLASSIC);
  for (const char* w : {"NEATS", "NEST", "ANTS", "ANT", "TAN"}) enter(w);
  session.showSolution();
  session.resultsRowPointed(0);
  EXPECT_TRUE(view.saw("spell ANT"));
  // Tiles, Enter and the keys of play do nothing in the results.
  const GameState before = state;
  session.tileClicked(1, BUTTON_LEFT);
  session.keyPressed(KEY_ENTER);
  session.keyPressed(KEY_SKIP_LEVEL);
  EXPECT_EQ(state.selCount, 0);
  EXPECT_EQ(state.solvingData.curLevel, before.solvingData.curLevel);
  // The target was reached: Advance plays on, and the next results view
  // spells the first row again when pointed.
  session.advanceByClick();
  ASSERT_EQ(where(), "level 2");
  EXPECT_EQ(state.listMode, LIST_FOUND) << "the new level lists the words found";
  EXPECT_FALSE(state.showingResults);
  session.showSolution();
  view.clear();
  session.resultsRowPointed(1);
  EXPECT_TRUE(view.saw("spell TAN")) << "the first row pointed in a new results view";
  session.resultsRowPointed(0);
  EXPECT_TRUE(view.saw("spell ANT"));
  EXPECT_EQ(state.allWords.size(), 8u) << "level 2's words only";
}

// A game put aside with "Save and Exit" and taken up at the next start.
TEST_F(Scenario, AResumedTimedGameShowsItsTimeInTenthsAndRunsTheClock) {
  state.solvingData.gameMode = MODE_TIMED;
  state.solvingData.curLevel = 2;
  state.boardWidth = 6;
  testing::fillPuzzle(state, 6);
  state.timeRem = 615;
  state.timeText = "stale";
  state.listTop = 5;
  state.bestScores[Language::english][1].scores(1) = 300;
  state.bestScores[Language::english][2].scores(1) = 200;
  state.bestScores[Language::english][2].scores(2) = 100;
  session.restartStoredGame();
  EXPECT_EQ(where(), "level 2");
  EXPECT_EQ(state.timeText, "1:01.5");
  EXPECT_EQ(state.listTop, 1) << "the word list from its first row";
  EXPECT_EQ(state.bestScoreText, "200") << "the timed table's top row";
  EXPECT_TRUE(view.countdownRunning);
  session.countdownTick();
  EXPECT_EQ(state.timeRem, 614);
}

TEST_F(Scenario, AResumedClassicGameKeepsItsClockStoppedThroughAPause) {
  state.solvingData.gameMode = MODE_CLASSIC;
  state.solvingData.curLevel = 1;
  testing::fillPuzzle(state, 5);
  state.timeText = "0:10";
  session.restartStoredGame();
  EXPECT_EQ(state.timeText, "0:10") << "a classic game shows no time";
  EXPECT_FALSE(view.countdownRunning);
  session.enablePause(true);
  session.enablePause(false);
  EXPECT_FALSE(view.countdownRunning) << "a classic game never starts the clock";
}

// A starting level past the last (a damaged setting) starts no level.
TEST_F(Scenario, AStartingLevelPastTheLastEndsTheGameAtOnce) {
  state.solvingData.levelOption = 5;
  session.newGame(MODE_CLASSIC);
  EXPECT_EQ(puzzles.built, 0);
  EXPECT_EQ(state.solvingData.curLevel, 4);
  EXPECT_EQ(where(), "results");
}

TEST_F(Scenario, EscapeWithAWordInTheSlotsPausesWithoutEnteringIt) {
  session.newGame(MODE_CLASSIC);
  spell("ANT");
  session.keyPressed(KEY_ESCAPE);
  EXPECT_TRUE(session.paused());
  EXPECT_EQ(state.score, 0);
  EXPECT_EQ(state.selCount, 3);
  session.enablePause(false);
  session.minimized();
  EXPECT_TRUE(session.paused()) << "minimising the window pauses a game";
  session.enablePause(false);
  session.leaveToMenu();
  session.minimized();
  EXPECT_FALSE(session.paused()) << "but not the menu";
}

// A resumed game is a game of its own: it does not inherit the row, the
// pause, the results view or the screen of the game before it.
TEST_F(Scenario, AResumedGameStartsCleanAfterAnotherGame) {
  session.newGame(MODE_CLASSIC);
  enter("ANT");
  view.names = {"First", "Second"};
  session.showSolution();
  ASSERT_EQ(state.bestScores[Language::english][1].names(1), "First");
  session.enablePause(true);
  state.solvingData.curLevel = 1;
  testing::fillPuzzle(state, 5);
  state.nWordsFound = 0;
  state.foundWords.clear();
  state.curLevelScore = 0;
  state.score = 6;
  view.drawn = {};
  view.onScreen = {};
  session.restartStoredGame();
  EXPECT_FALSE(session.paused());
  EXPECT_EQ(state.listMode, LIST_FOUND);
  EXPECT_FALSE(state.showingResults);
  EXPECT_EQ(view.onScreen.rack, "AENST");
  EXPECT_EQ(view.onScreen.panel, "Score 6 | Best 6 | Time  | Level 1");
  enter("TEN");
  session.showSolution();
  EXPECT_EQ(state.bestScores[Language::english][1].names(1), "Second") << "a row of its own";
  EXPECT_EQ(state.bestScores[Language::english][1].names(2), "First");
}

}  // namespace
}  // namespace vorpex
