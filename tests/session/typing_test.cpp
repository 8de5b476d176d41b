// Playing from the keyboard: letters pick tiles, Backspace takes the last
// one back, Space deals the rack anew.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "session_fixture.h"

namespace vorpex {
namespace {

// Fractions handed out in turn, for a shuffle the test can foresee.
class FixedFractions : public RandomSource {
 public:
  explicit FixedFractions(std::vector<double> fractions) : fractions_(std::move(fractions)) {}
  double nextFraction() override {
    const double f = fractions_[next_ % fractions_.size()];
    ++next_;
    return f;
  }

 private:
  std::vector<double> fractions_;
  size_t next_ = 0;
};

using Typing = testing::SessionTest;

TEST_F(Typing, ALetterPicksTheLeftmostFreeTileAsAClickWould) {
  session.newGame(MODE_CLASSIC);
  view.clear();
  EXPECT_TRUE(session.letterTyped('n'));
  EXPECT_EQ(state.selCount, 1);
  EXPECT_EQ(state.selOrder(1), 3) << "AENST: the N is the third tile";
  EXPECT_TRUE(view.saw("sound 0")) << "the click's sound";
  EXPECT_EQ(view.onScreen.rack, "AE_ST");
  EXPECT_EQ(view.onScreen.slots, "N");
  EXPECT_TRUE(session.letterTyped('E'));
  EXPECT_EQ(view.onScreen.slots, "NE");
}

TEST_F(Typing, ADoubledLetterTypedTwiceTakesBothTilesAndAThirdTimeNothing) {
  session.newGame(MODE_CLASSIC);
  state.rack = OneBased<uint8_t>{'A', 'E', 'E', 'S', 'T'};
  view.refresh();
  EXPECT_TRUE(session.letterTyped('e'));
  EXPECT_TRUE(session.letterTyped('e'));
  EXPECT_EQ(state.selOrder(1), 2);
  EXPECT_EQ(state.selOrder(2), 3);
  const GameState before = state;
  view.clear();
  EXPECT_FALSE(session.letterTyped('e'));
  EXPECT_FALSE(session.letterTyped('z')) << "no tile shows it";
  EXPECT_FALSE(session.letterTyped('7'));
  EXPECT_EQ(state.selCount, 2);
  EXPECT_EQ(state.tileUsed, before.tileUsed);
  EXPECT_TRUE(view.events.empty()) << "nothing redrawn, nothing heard";
}

TEST_F(Typing, TakingBackPutsBackOnlyTheLastLetter) {
  session.newGame(MODE_CLASSIC);
  for (char c : std::string("NEST")) session.letterTyped(c);
  session.takeBackLast();
  EXPECT_EQ(view.onScreen.slots, "NES");
  EXPECT_EQ(view.onScreen.rack, "A___T");
  session.takeBackLast();
  session.takeBackLast();
  session.takeBackLast();
  session.takeBackLast();  // nothing left to take back
  EXPECT_EQ(state.selCount, 0);
  EXPECT_EQ(view.onScreen.rack, "AENST");
}

TEST_F(Typing, AShuffleKeepsTheLettersAndTheWordInTheSlots) {
  session.newGame(MODE_CLASSIC);
  session.letterTyped('a');
  session.letterTyped('n');
  FixedFractions random({0.0, 0.0, 0.0, 0.0});  // every deal swaps with the first place
  session.shuffleRack(random);
  std::string letters(state.rack.begin(), state.rack.end());
  EXPECT_NE(letters, "AENST");
  std::sort(letters.begin(), letters.end());
  EXPECT_EQ(letters, "AENST");
  EXPECT_EQ(view.onScreen.slots, "AN") << "the word being built stays";
  int used = 0;
  for (size_t t = 1; t <= 5; ++t)
    if (state.tileUsed(t)) {
      ++used;
      EXPECT_TRUE(state.rack(t) == 'A' || state.rack(t) == 'N') << t;
    }
  EXPECT_EQ(used, 2);
  session.letterTyped('t');
  session.enterClicked();
  EXPECT_EQ(state.foundWords, OneBased<std::string>{"ANT"}) << "the word is spelled as typed";
  EXPECT_EQ(state.score, 6);
}

TEST_F(Typing, NothingIsTypedWhilePausedOrInTheResultsOrOnTheMenu) {
  EXPECT_FALSE(session.letterTyped('a')) << "on the menu";
  session.newGame(MODE_CLASSIC);
  session.enablePause(true);
  EXPECT_FALSE(session.letterTyped('a'));
  FixedFractions random({0.5});
  session.shuffleRack(random);
  EXPECT_EQ(std::string(state.rack.begin(), state.rack.end()), "AENST");
  session.enablePause(false);
  session.showSolution();
  EXPECT_FALSE(session.letterTyped('a'));
  session.takeBackLast();
  EXPECT_EQ(state.selCount, 0);
}

// Enter in the results and Space on the pause notice are rules of the
// board's keys, whatever "Type letters" says.
TEST_F(Typing, EnterLeavesTheResultsAndSpaceEndsAPauseTypingOrNot) {
  FixedFractions random({0.5});
  for (const bool typing : {false, true}) {
    SCOPED_TRACE(typing ? "typing letters" : "clicks only");
    state.preferences.typeLetters = typing;
    session.newGame(MODE_CLASSIC);
    session.enablePause(true);
    session.keyTyped(KEY_SPACE, random);
    EXPECT_FALSE(session.paused());
    session.showSolution();
    view.clear();
    session.keyTyped(KEY_ENTER, random);
    EXPECT_TRUE(view.saw("menu"));
  }
}

}  // namespace
}  // namespace vorpex
