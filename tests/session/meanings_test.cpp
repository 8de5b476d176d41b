// "Show meanings": pointing at a word of the list shows its sense on the
// meaning line, and in the results a click shows all its senses.
#include <gtest/gtest.h>

#include <algorithm>

#include "session_fixture.h"

namespace vorpex {
namespace {

using Meanings = testing::SessionTest;

TEST_F(Meanings, OffTheResultsViewAndTheListAreAsTheClassicGameHasThem) {
  session.newGame(MODE_CLASSIC);
  enter("TEN");
  view.clear();
  session.listRowPointed(0);
  EXPECT_TRUE(view.events.empty()) << "no meaning line in play";
  session.showSolution();
  view.clear();
  session.resultsRowPointed(1);
  session.resultsRowClicked(1);
  EXPECT_EQ(view.events, (std::vector<std::string>{"spell TAN", "refresh"}));
}

TEST_F(Meanings, InTheResultsThePointedWordIsSpelledAndMeantAndAClickShowsAllItsSenses) {
  state.preferences.showMeanings = true;
  session.newGame(MODE_CLASSIC);
  enter("TEN");
  session.showSolution();
  view.clear();
  session.resultsRowPointed(2);  // the list is ANT, TAN, TEN, ...
  EXPECT_EQ(view.events, (std::vector<std::string>{"spell TEN", "meaning TEN", "refresh"}));
  view.clear();
  session.resultsRowPointed(1);
  session.resultsRowPointed(1);
  EXPECT_EQ(view.events, (std::vector<std::string>{"spell TAN", "meaning TAN", "refresh"}));
  view.clear();
  session.resultsRowClicked(6);
  session.resultsRowClicked(40);  // below the last word
  session.resultsRowClicked(-1);
  EXPECT_EQ(view.events, (std::vector<std::string>{"meanings NEATS"}));
}

// The meanings are English: a game in another language says so at the
// first word asked about, and after that shows nothing.
TEST_F(Meanings, AGameInALanguageWithoutMeaningsSaysSoOnce) {
  state.preferences.showMeanings = true;
  session.newGame(MODE_CLASSIC);
  state.wordList = WordList::german;
  enter("TEN");
  session.showSolution();
  view.clear();
  // Rows by their words: the results read in the game's language's order.
  const auto rowOf = [this](const std::string& word) {
    for (size_t row = 1; row <= state.allWords.size(); ++row)
      if (state.allWords(row) == word) return static_cast<int32_t>(row) - state.listTop;
    return -1;
  };
  session.resultsRowPointed(rowOf("TEN"));
  session.resultsRowClicked(rowOf("TEN"));
  session.resultsRowPointed(rowOf("TAN"));
  const std::string notice = "Meanings are in English only: this game's words have none here";
  EXPECT_EQ(view.events,
            (std::vector<std::string>{"spell TEN", "meaning notice " + notice, "refresh", "spell TAN", "refresh"}));
  EXPECT_EQ(std::count(view.said.begin(), view.said.end(), notice), 1);
}

TEST_F(Meanings, InPlayOnlyAFoundWordIsMeantAndLeavingTheListClearsTheLine) {
  state.preferences.showMeanings = true;
  session.newGame(MODE_CLASSIC);
  enter("TEN");
  enter("ANT");
  const std::string first = state.foundWords(1), second = state.foundWords(2);
  view.clear();
  session.listRowPointed(0);
  session.listRowPointed(0);  // a move within the row changes nothing
  session.listRowPointed(1);
  session.listRowPointed(2);  // no third word: the line clears
  session.listRowPointed(-1);
  EXPECT_EQ(view.events, (std::vector<std::string>{"meaning " + first, "refresh", "meaning " + second, "refresh",
                                                   "meaning ", "refresh"}));

  // The line may cut a long sense: a click shows all of it.
  view.clear();
  session.listRowClicked(1);
  session.listRowClicked(2);  // no third word
  session.enablePause(true);
  session.listRowClicked(0);
  EXPECT_EQ(view.events.front(), "meanings " + second);
  EXPECT_EQ(std::count(view.events.begin(), view.events.end(), "meanings " + first), 0) << "nothing while paused";
}

// The list grows under a still pointer: the row now holds another word, so
// the line follows the word, not the row.
TEST_F(Meanings, AWordFoundUnderAStillPointerIsMeantAtTheNextMove) {
  state.preferences.showMeanings = true;
  session.newGame(MODE_CLASSIC);
  enter("TEN");
  session.listRowPointed(0);
  enter("ANT");
  ASSERT_EQ(state.foundWords(1), "ANT") << "the list is sorted: ANT now heads it";
  view.clear();
  session.listRowPointed(0);
  EXPECT_EQ(view.events, (std::vector<std::string>{"meaning ANT", "refresh"}));
}

// The results' list of every word outlives the results view, and the found
// words outlive play: neither is meant once the player has moved on.
TEST_F(Meanings, OnlyTheViewThePointerIsInIsMeant) {
  state.preferences.showMeanings = true;
  session.newGame(MODE_CLASSIC);
  enter("TEN");
  session.leaveToMenu();
  view.clear();
  session.listRowPointed(0);
  EXPECT_TRUE(view.events.empty()) << "a game no longer in play";
  session.newGame(MODE_CLASSIC);
  enter("TEN");
  session.showSolution();
  session.newGame(MODE_CLASSIC);
  view.clear();
  session.resultsRowPointed(0);
  session.resultsRowClicked(0);
  EXPECT_TRUE(view.events.empty()) << "in play, the results' rows are gone";
}

// A resumed game's board is drawn afresh, meaning line empty: the word
// pointed at before is written again.
TEST_F(Meanings, AResumedBoardMeansTheSameWordAgain) {
  state.preferences.showMeanings = true;
  session.newGame(MODE_CLASSIC);
  enter("TEN");
  session.listRowPointed(0);
  session.restartStoredGame();
  view.clear();
  session.listRowPointed(0);
  EXPECT_TRUE(view.saw("meaning TEN"));
}

TEST_F(Meanings, NothingIsMeantWhilePausedAndANewLevelStartsWithAnEmptyLine) {
  state.preferences.showMeanings = true;
  session.newGame(MODE_CLASSIC);
  enter("TEN");
  session.enablePause(true);
  view.clear();
  session.listRowPointed(0);
  EXPECT_TRUE(view.events.empty());
  session.enablePause(false);
  session.listRowPointed(0);
  EXPECT_TRUE(view.saw("meaning TEN"));
  session.keyPressed(KEY_SKIP_LEVEL);  // the next board is drawn with the line empty
  ASSERT_EQ(state.solvingData.curLevel, 2);
  enter("TEN");
  view.clear();
  session.listRowPointed(0);
  EXPECT_TRUE(view.saw("meaning TEN")) << "the line the new board cleared is drawn again";
}

}  // namespace
}  // namespace vorpex
