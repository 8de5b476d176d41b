// What a player who listens is told: one announcement for each change the
// screen shows without words, none for anything else.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "session_fixture.h"
#include "spoken_texts.h"
#include "text_resources.h"

namespace vorpex {
namespace {

using Announcements = testing::SessionTest;

TEST_F(Announcements, EachWordEnteredIsToldOnceWithItsOutcome) {
  session.newGame(MODE_CLASSIC);
  struct Case {
    const char* spelled;
    const char* told;  // "" for nothing
  };
  const Case cases[] = {
      {"NEST", "NEST, 10 points. Score 10"},
      {"NEST", "NEST: Word Already in the list"},
      {"SAT", "SAT: No such word in the list"},
      {"NE", "Too short: a word has at least 3 letters"},
      {"TEN", "TEN, 6 points. Score 16"},
  };
  for (const Case& c : cases) {
    session.clrClicked();
    view.clear();
    spell(c.spelled);
    session.enterClicked();
    EXPECT_EQ(view.said, std::vector<std::string>{c.told}) << c.spelled;
  }
  view.clear();
  session.clrClicked();
  session.enterClicked();
  EXPECT_TRUE(view.said.empty()) << "nothing to enter, nothing told";
}

TEST_F(Announcements, TheCountdownIsToldAtThirtyAndTenSecondsOnly) {
  session.newGame(MODE_TIMED);
  state.timeRem = 305;
  view.clear();
  for (int tick = 0; tick < 210; ++tick) session.countdownTick();
  EXPECT_EQ(view.said, (std::vector<std::string>{"30 seconds left", "10 seconds left"}));
  session.enablePause(true);
  view.clear();
  session.countdownTick();
  EXPECT_TRUE(view.said.empty()) << "a paused clock stays silent";
}

TEST_F(Announcements, TheStatusOnRequestCountsTheWordsLeftOfEachLength) {
  session.newGame(MODE_TIMED);
  enter("NEST");
  state.timeRem = 835;
  view.clear();
  session.statusRequested();
  const std::vector<std::string> told = view.said;
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0],
            "Level 1. Score 10. Time left 1:23. 6 words left. 3 letters: 4 left of 4. 4 letters: 1 left of 2. 5 "
            "letters: 1 left of 1.");
  state.solvingData.gameMode = MODE_CLASSIC;
  EXPECT_EQ(gameStatusText(state).find("Time"), std::string::npos) << "a classic level has no clock";
  state.gameActive = false;
  view.clear();
  session.statusRequested();
  EXPECT_TRUE(view.said.empty()) << "nothing to tell outside a game";
}

// What a sighted player sees happen without words is told as it happens.
TEST_F(Announcements, TypingTheTargetEscAndTheSolutionAreToldAsTheyHappen) {
  session.newGame(MODE_CLASSIC);
  const auto told = [this](const std::function<void()>& act) {
    view.clear();
    act();
    return view.said;
  };
  using Said = std::vector<std::string>;
  EXPECT_EQ(told([&] { session.letterTyped('s'); }), Said{}) << "a picked tile says nothing new";
  EXPECT_EQ(told([&] { session.letterTyped('s'); }), Said{"No free S on the rack"});
  EXPECT_EQ(told([&] { session.takeBackLast(); }), Said{"Word: empty"});
  for (const char* word : {"ANT", "NEST", "ANTS", "NEATS"}) enter(word);
  EXPECT_EQ(told([&] { enter("TAN"); }), (Said{"TAN, 6 points. Score 47", advanceOfferedText()}))
      << "the word that reaches the target offers to advance";
  EXPECT_EQ(told([&] { enter("TEN"); }), Said{"TEN, 6 points. Score 53"}) << "offered once";
  EXPECT_EQ(told([&] { session.keyPressed(KEY_ESCAPE); }), Said{minimizedText(true)});
  session.enablePause(false);
  const Said solution = told([&] { session.showSolution(); });
  EXPECT_NE(std::find(solution.begin(), solution.end(), loadText(kMissedWordsText)), solution.end());
  EXPECT_NE(minimizedText(true).find("Space"), std::string::npos) << "says how to come back";
}

}  // namespace
}  // namespace vorpex
