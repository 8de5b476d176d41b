// The rules of play, driven through GameSession with a recording view.
#include <gtest/gtest.h>

#include <limits>
#include <random>

#include "found_words.h"
#include "game_rules.h"
#include "game_session.h"
#include "recording_view.h"
#include "session_fixture.h"
#include "sound_ids.h"

namespace vorpex {
namespace {

using testing::FixedPuzzles;
using testing::RecordingView;
using testing::tileOf;

using GameSessionTest = testing::SessionTest;

TEST_F(GameSessionTest, ThreeLetterWordScoresSixAndClearsTheSelection) {
  session.newGame(MODE_CLASSIC);
  view.clear();
  enter("ANT");
  EXPECT_EQ(state.score, 6);
  EXPECT_EQ(state.curLevelScore, 6);
  EXPECT_EQ(state.foundWords, OneBased<std::string>{"ANT"});
  EXPECT_EQ(state.selCount, 0);
  EXPECT_EQ(state.tileUsed, OneBased<uint8_t>(5, 0));
  EXPECT_TRUE(view.saw("sound 4"));
  EXPECT_TRUE(view.saw("message 3 6"));
}

// What the player sees change after a new word: every part that shows it is
// redrawn, and the screen refreshed last.
TEST_F(GameSessionTest, ANewWordRedrawsScoreListRackProgressAndStatistics) {
  session.newGame(MODE_CLASSIC);
  spell("ANT");
  view.clear();
  session.enterClicked();
  for (const char* part : {"readouts", "list 0", "rack", "slots", "progress", "stats"})
    EXPECT_TRUE(view.saw(part)) << part;
  EXPECT_EQ(view.events.back(), "refresh");
}

TEST_F(GameSessionTest, KeysNeedTwoTilesButEnterNeedsThreeLetters) {
  session.newGame(MODE_CLASSIC);
  spell("AN");
  view.clear();
  session.keyPressed(KEY_ENTER);
  EXPECT_TRUE(view.events.empty()) << "two tiles: Enter passes the key test, the word is too short";
  EXPECT_EQ(state.selCount, 2);

  session.tileClicked(state.selOrder(2), BUTTON_LEFT);  // the last tile goes back
  ASSERT_EQ(state.selCount, 1);
  session.keyPressed(KEY_BACKSPACE);
  EXPECT_EQ(state.selCount, 1) << "Backspace with one tile does nothing";
  spell("NT");
  session.keyPressed(KEY_BACKSPACE);
  EXPECT_EQ(state.selCount, 0) << "with two or more it drops them all";
  session.keyPressed('x');
  session.keyPressed(32);
  EXPECT_EQ(state.selCount, 0);
}

TEST_F(GameSessionTest, OnlyTheLastTileGoesBackAndARightClickOnItSubmits) {
  session.newGame(MODE_CLASSIC);
  spell("TA");
  const int first = state.selOrder(1), last = state.selOrder(2);
  session.tileClicked(first, BUTTON_LEFT);
  EXPECT_EQ(state.selCount, 2) << "an inner tile is ignored";
  session.tileClicked(last, BUTTON_LEFT);
  EXPECT_EQ(state.selCount, 1);
  EXPECT_EQ(state.tileUsed(static_cast<size_t>(last)), 0);
  EXPECT_EQ(view.events.back(), "refresh");
  EXPECT_TRUE(view.saw("sound 1"));
  spell("AN");
  session.tileClicked(state.selOrder(3), BUTTON_RIGHT);
  EXPECT_EQ(state.foundWords, OneBased<std::string>{"TAN"});
}

TEST_F(GameSessionTest, RepeatedWordLeavesScoreUnchangedAndFramesItsRowFor300Ms) {
  session.newGame(MODE_CLASSIC);
  enter("TEN");
  enter("ANT");
  spell("TEN");
  view.clear();
  session.enterClicked();
  EXPECT_EQ(state.score, 12);
  EXPECT_EQ(state.selCount, 3) << "the selection stays";
  EXPECT_EQ(view.events, (std::vector<std::string>{"sound 2", "list 2", "message 1", "refresh", "wait 300",
                                                   "list 0", "refresh"}));
}

// A stored SCORE of 2,147,483,647 plus one word once showed -2147483643.
TEST_F(GameSessionTest, AScoreAtItsLargestStaysThereRatherThanWrapping) {
  session.newGame(MODE_TIMED);
  state.score = std::numeric_limits<int32_t>::max() - 3;
  enter("ANT");
  EXPECT_EQ(state.score, std::numeric_limits<int32_t>::max());
  EXPECT_EQ(state.curLevelScore, 6);
  for (const char* w : {"TAN", "TEN", "NET", "NEST", "ANTS", "NEATS"}) enter(w);  // every word: the bonuses
  EXPECT_EQ(state.score, std::numeric_limits<int32_t>::max());
}

TEST_F(GameSessionTest, FoundWordsFitThePuzzleOnlyAsDistinctSolutionsWorthTheLevelScore) {
  session.newGame(MODE_CLASSIC);
  enter("ANT");
  enter("NEST");
  ASSERT_TRUE(foundWordsFitPuzzle(state));
  GameState changed = state;
  changed.foundWords(2) = changed.foundWords(1);
  changed.curLevelScore = 12;
  EXPECT_FALSE(foundWordsFitPuzzle(changed)) << "a word twice";
  changed = state;
  changed.foundWords(1) = "ZZZ";
  EXPECT_FALSE(foundWordsFitPuzzle(changed)) << "not a solution";
  changed = state;
  changed.curLevelScore += 1;
  EXPECT_FALSE(foundWordsFitPuzzle(changed)) << "a level score that is not the words' points";
}

// A saved game's words are checked against the rebuilt puzzle: each a word
// of 3 letters or more, no longer than the board, listed at its length.
TEST_F(GameSessionTest, FoundWordsFitOnlyAtLengthsTheBoardHolds) {
  session.newGame(MODE_CLASSIC);
  enter("NET");  // the last word of its list
  enter("ANTS");
  ASSERT_TRUE(foundWordsFitPuzzle(state));
  // The state with found word `at` replaced by `word`, listed at its length
  // as the only word, and the level score made to match.
  const auto withListed = [this](size_t at, const std::string& word) {
    GameState changed = state;
    SizeList& list = changed.wordsBySize[word.size()];
    list.words = OneBased<std::string>{word};
    list.count = 1;
    changed.curLevelScore += wordPoints(static_cast<int>(word.size())) -
                             wordPoints(static_cast<int>(changed.foundWords(at).size()));
    changed.foundWords(at) = word;
    return changed;
  };
  EXPECT_FALSE(foundWordsFitPuzzle(withListed(1, "AN"))) << "two letters, though listed";
  GameState changed = withListed(2, "ANTSEA");
  EXPECT_FALSE(foundWordsFitPuzzle(changed)) << "longer than the board of five, though listed";
  changed.boardWidth = 6;
  EXPECT_TRUE(foundWordsFitPuzzle(changed));
  changed = state;
  changed.boardWidth = 40;
  for (const size_t length : {state.wordsBySize.size(), size_t{30}}) {
    changed.foundWords(2) = std::string(length, 'A');
    EXPECT_FALSE(foundWordsFitPuzzle(changed)) << length << " letters: longer than any list";
  }
  changed = state;
  changed.nWordsFound = 3;
  EXPECT_FALSE(foundWordsFitPuzzle(changed)) << "a count past the words stored";
}

TEST_F(GameSessionTest, WordNotInTheListIsAnsweredAndChangesNothing) {
  session.newGame(MODE_CLASSIC);
  spell("SAT");
  view.clear();
  session.enterClicked();
  EXPECT_EQ(view.events, (std::vector<std::string>{"message 2", "sound 3", "refresh"}));
  EXPECT_EQ(state.score, 0);
  EXPECT_EQ(state.selCount, 3);
}

TEST_F(GameSessionTest, TwentyWordsPutTheLastOneInTheBottomRow) {
  session.newGame(MODE_CLASSIC);
  for (int i = 0; i < 19; ++i) addFoundWord(state, std::string("A") + static_cast<char>('A' + i) + "A");
  enter("NEST");  // four letters: sorts after every three-letter word
  EXPECT_EQ(state.nWordsFound, 20);
  EXPECT_EQ(state.foundWords(20), "NEST");
  EXPECT_EQ(state.listTop, 8);
  session.scrollDown();
  EXPECT_EQ(state.listTop, 8) << "rows 8 to 20 are the last page";
  for (int i = 0; i < 10; ++i) session.scrollUp();
  EXPECT_EQ(state.listTop, 1);
}

TEST(FoundWords, CountsOfALengthReadOnlyTheFirstNWords) {
  const OneBased<std::string> words{"ANT", "TEN", "NEST", "ANTS", "NEATS", "TAN"};
  EXPECT_EQ(countWordsOfLength(words, 6, 3), 3);
  EXPECT_EQ(countWordsOfLength(words, 6, 4), 2);
  EXPECT_EQ(countWordsOfLength(words, 6, 5), 1);
  EXPECT_EQ(countWordsOfLength(words, 6, 6), 0);
  EXPECT_EQ(countWordsOfLength(words, 5, 3), 2) << "the last word is not counted";
  EXPECT_EQ(countWordsOfLength(words, 1, 3), 1);
  EXPECT_EQ(countWordsOfLength(words, 0, 3), 0);
  EXPECT_EQ(countWordsOfLength(words, 9, 3), 3) << "a count past the list stops at its end";
}

TEST(FoundWords, ShorterWordsFirstThenAlphabeticalWithoutRepeats) {
  GameState state;
  for (const char* w : {"TAN", "NEST", "ANT", "TEN", "ant", "ANT"}) addFoundWord(state, w);
  EXPECT_EQ(state.foundWords, (OneBased<std::string>{"ANT", "ant", "TAN", "TEN", "NEST"}));
  EXPECT_EQ(compareWords("ANT", "TAN"), -1);
  EXPECT_LT(compareWords("ZZZ", "AAAA"), 0);
  EXPECT_EQ(compareWords("ant", "ANT"), 0);
}

TEST(CountDown, LengthFollowsTheTimerDifficultyAndShowsInThreeStyles) {
  EXPECT_EQ(countdownFor(100, 1), 615);
  EXPECT_EQ(countdownFor(100, 2), 480);
  EXPECT_EQ(countdownFor(100, 3), 345);
  EXPECT_EQ(formatTime(615, 3), "1:01.5");
  EXPECT_EQ(formatTime(480, 3), "0:48.0");
  EXPECT_EQ(formatTime(470, 2), "0:47");
  EXPECT_EQ(formatTime(615, 1), "1:");
}

TEST_F(GameSessionTest, TimedLevelCountsDownInTenths) {
  session.newGame(MODE_TIMED);
  EXPECT_TRUE(view.countdownRunning);
  state.timeRem = 480;
  for (int i = 0; i < 10; ++i) session.countdownTick();
  EXPECT_EQ(state.timeRem, 470);
  EXPECT_EQ(state.timeText, "0:47");
}

TEST_F(GameSessionTest, EveryWordFoundWithTimeLeftAddsTheLevelAndTheWholeSeconds) {
  state.solvingData.levelOption = 2;
  session.newGame(MODE_TIMED);
  ASSERT_EQ(state.solvingData.curLevel, 2);
  state.timeRem = 127;
  findEveryWord();
  enter("AENRST");  // the six-letter rack word
  const int32_t levelPoints = 4 * 6 + 2 * 10 + 15 + 21;
  EXPECT_EQ(state.score, 2 * levelPoints + 12) << "the level's points again, and 12 of 12.7 seconds";
  EXPECT_EQ(state.solvingData.curLevel, 3) << "the next level started";
  ASSERT_EQ(view.summaries.size(), 1u);
  EXPECT_NE(view.summaries[0].find("bonus points 80"), std::string::npos) << view.summaries[0];
}

TEST_F(GameSessionTest, ClassicLevelGetsNoTimeBonusWhateverTimeRemHolds) {
  session.newGame(MODE_CLASSIC);
  state.timeRem = 500;  // left behind by an earlier timed game
  findEveryWord();
  EXPECT_EQ(state.score, 2 * 59);
}

TEST_F(GameSessionTest, StartingAtLevelFourPlaysOneLevelOfEight) {
  state.solvingData.levelOption = 4;
  state.bestScores[Language::english][1].scores(1) = 1000000;  // the score stays out of the table
  for (size_t r = 2; r <= 8; ++r) state.bestScores[Language::english][1].scores(r) = 1000000;
  session.newGame(MODE_CLASSIC);
  EXPECT_EQ(state.boardWidth, 8);
  EXPECT_EQ(puzzles.built, 1);
  findEveryWord();
  enter("AEILNRST");
  EXPECT_EQ(puzzles.built, 1) << "no level beyond the fourth";
  EXPECT_FALSE(state.gameActive);
  EXPECT_EQ(view.events.back(), "menu");
  EXPECT_EQ(view.summaries.back(), "Excellent work. You completed all the 4 levels.");
}

TEST_F(GameSessionTest, SkipKeyStartsTheNextLevelOrEndsTheLast) {
  session.newGame(MODE_CLASSIC);
  session.keyPressed(KEY_SKIP_LEVEL);
  EXPECT_EQ(state.solvingData.curLevel, 2);
  EXPECT_TRUE(view.summaries.empty()) << "no summary, no bonus";
  for (int i = 0; i < 3; ++i) session.keyPressed(KEY_SKIP_LEVEL);
  EXPECT_EQ(state.solvingData.curLevel, 4);
  EXPECT_TRUE(state.showingResults);
  EXPECT_FALSE(state.gameActive);
}

TEST_F(GameSessionTest, PauseFreezesTheClockAndEscapeAlwaysMinimises) {
  session.keyPressed(KEY_ESCAPE);
  EXPECT_EQ(view.events, std::vector<std::string>{"minimize"}) << "no game: only minimised";
  session.newGame(MODE_TIMED);
  const int32_t before = state.timeRem;
  session.keyPressed(KEY_ESCAPE);
  EXPECT_TRUE(session.paused());
  EXPECT_FALSE(view.countdownRunning);
  session.countdownTick();
  EXPECT_EQ(state.timeRem, before);
  session.enablePause(false);
  EXPECT_TRUE(view.countdownRunning);
}

TEST_F(GameSessionTest, TimeRunningOutBelowTheTargetEndsTheGame) {
  session.newGame(MODE_TIMED);
  enter("ANT");
  state.timeRem = 1;
  session.countdownTick();
  EXPECT_FALSE(state.gameActive);
  EXPECT_TRUE(state.showingResults);
  EXPECT_EQ(view.summaries.back(), "Game Over\nNumber Of words Found 1\nLevel reached 1\nPoints Scored 6");
}

TEST_F(GameSessionTest, LostLevelSummaryCountsWordsLevelAndScore) {
  state.solvingData.curLevel = 3;
  state.nWordsFound = 12;
  state.score = 250;
  state.curLevelScore = 10;
  state.targetScore = 100;
  EXPECT_EQ(levelSummary(state).text, "Game Over\nNumber Of words Found 12\nLevel reached 3\nPoints Scored 250");
  state.solvingData.curLevel = 2;
  state.curLevelScore = state.totalPoints = 90;
  state.targetScore = 72;
  state.score = 200;
  state.totalWords = 12;
  const LevelSummary all = levelSummary(state);
  EXPECT_TRUE(all.addsAllWordsBonus);
  EXPECT_EQ(all.text, "You completed level 2 \n Number of words found 12 of 12 \n Score in this Level 200 \n bonus points 90");
}

TEST_F(GameSessionTest, BestScoresRankAndInsertAsTheTableReads) {
  EXPECT_EQ(findScoreRank(state, 1, 0), 9) << "0 does not beat a row of 0";
  EXPECT_EQ(findScoreRank(state, 1, 1), 1);
  const int32_t rows[] = {500, 400, 400, 300, 200, 100, 50, 10};
  for (size_t r = 1; r <= 8; ++r) {
    state.bestScores[Language::english][1].scores(r) = rows[r - 1];
    state.bestScores[Language::english][1].names(r) = "row " + std::to_string(r);
  }
  insertBestScore(state, 1, 400, "new");
  EXPECT_EQ(state.bestScores[Language::english][1].names(4), "new") << "below both 400s";
  EXPECT_EQ(state.bestScores[Language::english][1].names(5), "row 4");
  EXPECT_EQ(state.bestScores[Language::english][1].scores(8), 50) << "the old row 8 dropped out";
  state.bestScores[Language::english][2].scores(1) = 39999;
  EXPECT_EQ(findScoreRank(state, 2, 40000), 1);
  insertBestScore(state, 1, 1, "low");
  EXPECT_EQ(state.bestScores[Language::english][1].names(8), "low")
      << "a score below every row still lands in the table";
  EXPECT_EQ(state.bestScores[Language::english][1].scores(7), 100);
  insertBestScore(state, 2, 40000, "x");
  EXPECT_EQ(state.bestScores[Language::english][2].scores(1), 40000);
  EXPECT_EQ(storedPlayerName(std::string(25, 'n')), std::string(19, 'n'));
  EXPECT_EQ(storedPlayerName(std::string(19, 'n')), std::string(19, 'n'));
  EXPECT_EQ(storedPlayerName(""), "-");
}

TEST_F(GameSessionTest, NewBestScoreClapsAsksTheNameAndShowsTheTable) {
  session.newGame(MODE_TIMED);
  enter("ANT");
  view.names = {""};
  view.clear();
  session.showSolution();
  const std::vector<std::string> expected = {"sound 5", "ask name", "best scores 2", "stop sound"};
  auto at = std::search(view.events.begin(), view.events.end(), expected.begin(), expected.end());
  EXPECT_NE(at, view.events.end());
  EXPECT_EQ(state.bestScores[Language::english][2].scores(1), 6);
  EXPECT_EQ(state.bestScores[Language::english][2].names(1), "-");
}


// One game once took two rows: "Show Solution" at level 4 with the target
// reached, then "Advance" from the results ran the check again.
TEST_F(GameSessionTest, AGameEndedTwiceAtTheLastLevelHoldsOneRow) {
  state.solvingData.levelOption = 4;
  session.newGame(MODE_CLASSIC);
  for (const char* w : {"AEILNRST", "NEATS", "NEST", "ANTS", "ANT"}) enter(w);
  ASSERT_GE(state.curLevelScore, state.targetScore);
  view.names = {"Ann", "Bob"};
  session.showSolution();
  ASSERT_TRUE(session.advanceOffered());
  session.advanceByClick();
  EXPECT_EQ(rowsNamed(state.bestScores[Language::english][1], "Ann"), 1);
  EXPECT_EQ(rowsNamed(state.bestScores[Language::english][1], "Bob"), 0) << "the name is asked once";
  EXPECT_EQ(state.bestScores[Language::english][1].scores(1), state.score);
  EXPECT_EQ(state.bestScores[Language::english][1].scores(2), 0);
}

// Played on from the results of an inner level, the game's row rises with
// its score past rows it now beats, and an equal older row stays above it.
TEST_F(GameSessionTest, AGamePlayedOnFromTheResultsRaisesItsRowInsteadOfAddingOne) {
  state.bestScores[Language::english][1].scores(1) = 59;
  state.bestScores[Language::english][1].names(1) = "Old";
  state.bestScores[Language::english][1].scores(2) = 55;
  state.bestScores[Language::english][1].names(2) = "Mid";
  session.newGame(MODE_CLASSIC);
  for (const char* w : {"NEATS", "NEST", "ANTS", "ANT", "TAN", "TEN"}) enter(w);
  ASSERT_GE(state.curLevelScore, state.targetScore);
  view.names = {"Ann", "Bob"};
  session.showSolution();
  ASSERT_EQ(state.bestScores[Language::english][1].names(3), "Ann");
  session.advanceByClick();  // on to level 2
  ASSERT_TRUE(state.gameActive);
  enter("ANT");
  session.showSolution();
  EXPECT_EQ(state.score, 59);
  EXPECT_EQ(state.bestScores[Language::english][1].names(1), "Old");
  EXPECT_EQ(state.bestScores[Language::english][1].names(2), "Ann");
  EXPECT_EQ(state.bestScores[Language::english][1].scores(2), 59);
  EXPECT_EQ(state.bestScores[Language::english][1].names(3), "Mid");
  EXPECT_EQ(rowsNamed(state.bestScores[Language::english][1], "Ann"), 1);
  EXPECT_EQ(rowsNamed(state.bestScores[Language::english][1], "Bob"), 0);
  session.newGame(MODE_CLASSIC);  // a new game may enter again
  enter("NEATS");
  session.leaveToMenu();
  EXPECT_EQ(rowsNamed(state.bestScores[Language::english][1], "Bob"), 1);
}

TEST_F(GameSessionTest, ResultsListEveryWordAndSpellThePointedRowOnce) {
  session.newGame(MODE_CLASSIC);
  enter("TEN");
  state.bestScores[Language::english][1].scores(1) = 100;
  for (size_t r = 2; r <= 8; ++r) state.bestScores[Language::english][1].scores(r) = 100;
  view.clear();
  session.showSolution();
  EXPECT_TRUE(state.showingResults);
  EXPECT_EQ(state.listMode, LIST_ALL);
  EXPECT_EQ(state.allWords, (OneBased<std::string>{"ANT", "TAN", "TEN", "NET", "NEST", "ANTS", "NEATS"}));
  EXPECT_TRUE(view.saw("message 4"));
  EXPECT_FALSE(view.saw("ask name"));
  view.clear();
  session.resultsRowPointed(1);
  session.resultsRowPointed(1);
  session.resultsRowPointed(40);
  EXPECT_EQ(view.events, (std::vector<std::string>{"spell TAN", "refresh"}));
  session.tileClicked(1, BUTTON_LEFT);
  session.enterClicked();
  EXPECT_EQ(state.selCount, 0) << "play is over";
}

TEST_F(GameSessionTest, MainMenuDuringAGameShowsTheSummaryAndOffersTheScore) {
  session.newGame(MODE_CLASSIC);
  enter("ANT");
  view.clear();
  session.leaveToMenu();
  EXPECT_EQ(view.events.front(), "countdown off");
  EXPECT_TRUE(view.saw("summary"));
  EXPECT_TRUE(view.saw("ask name"));
  EXPECT_EQ(view.events.back(), "menu");
  view.clear();
  session.leaveToMenu();
  EXPECT_EQ(view.events, std::vector<std::string>{"menu"}) << "no game in play: straight to the menu";
}

// Thousands of random clicks and keys; after every one the selection is
// consistent, the found words sorted and unique, the score the points of the
// words found plus the bonuses given, and the list's top row in range.
TEST_F(GameSessionTest, RandomPlayKeepsEveryInvariant) {
  std::mt19937 rng(20261207);
  int32_t expected = 0;
  for (int step = 0; step < 20000; ++step) {
    if (!state.gameActive) {
      session.newGame(rng() % 2 ? MODE_CLASSIC : MODE_TIMED);
      expected = 0;
    }
    const GameState before = state;
    const bool tick = rng() % 12 == 0;
    if (tick) {
      session.countdownTick();
    } else {
      switch (rng() % 8) {
        case 0: session.keyPressed(KEY_ENTER); break;
        case 1: session.keyPressed(KEY_BACKSPACE); break;
        case 2: session.scrollDown(); break;
        case 3: session.scrollUp(); break;
        default: session.tileClicked(1 + static_cast<int>(rng() % 8), rng() % 4 == 0 ? BUTTON_RIGHT : BUTTON_LEFT);
      }
    }
    const int16_t level = before.solvingData.curLevel;
    const bool levelEnded = state.solvingData.curLevel != level || !state.gameActive;
    if (!levelEnded && state.nWordsFound == before.nWordsFound + 1) {
      expected += state.curLevelScore - before.curLevelScore;
      int32_t levelPoints = 0;
      for (int32_t i = 1; i <= state.nWordsFound; ++i)
        levelPoints += wordPoints(static_cast<int>(state.foundWords(static_cast<size_t>(i)).size()));
      ASSERT_EQ(state.curLevelScore, levelPoints) << "step " << step;
    } else if (levelEnded && !tick) {  // the level's last word: its points, then the bonuses
      const int32_t last = before.totalPoints - before.curLevelScore;
      expected += last;
      if (level < MAX_LEVEL) {
        expected += before.totalPoints;
        if (before.solvingData.gameMode == MODE_TIMED) expected += before.timeRem / 10;
      }
    }
    ASSERT_EQ(state.score, expected) << "step " << step;

    ASSERT_GE(state.selCount, 0);
    ASSERT_LE(state.selCount, state.boardWidth);
    std::vector<int> picked(9, 0);
    for (int k = 1; k <= state.selCount; ++k) {
      const int t = state.selOrder(static_cast<size_t>(k));
      ASSERT_GE(t, 1);
      ASSERT_LE(t, state.boardWidth);
      ASSERT_EQ(picked[static_cast<size_t>(t)]++, 0) << "tile picked twice at step " << step;
    }
    for (int t = 1; t <= state.boardWidth; ++t)
      ASSERT_EQ(state.tileUsed(static_cast<size_t>(t)), picked[static_cast<size_t>(t)]) << "step " << step;
    for (int32_t i = 1; i < state.nWordsFound; ++i)
      ASSERT_LT(compareWords(state.foundWords(static_cast<size_t>(i)), state.foundWords(static_cast<size_t>(i + 1))), 0);
    ASSERT_GE(state.listTop, 1);
    ASSERT_LE(state.listTop, std::max(1, session.listCount() - 12));
  }
}

}  // namespace
}  // namespace vorpex
