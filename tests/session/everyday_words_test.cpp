// Everyday words: bonus words beyond the level's list, the player's own
// words, and Classic play, where none of it applies.
#include <set>

#include "session_fixture.h"
#include "spoken_texts.h"

namespace vorpex::testing {
namespace {

class FakeBonusList : public BonusWordList {
 public:
  bool contains(const std::string& word) override { return words.count(word) > 0; }
  std::set<std::string> words{"EAST", "SEAT", "SANE"};
};

class FakeOwnWords : public OwnWords {
 public:
  bool accepted(const std::string& word) const override { return accepted_.count(word) > 0; }
  bool neverShown(const std::string& word) const override { return hidden_.count(word) > 0; }
  bool accept(const std::string& word) override {
    hidden_.erase(word);
    return accepted_.insert(word).second;
  }
  bool neverShow(const std::string& word) override {
    accepted_.erase(word);
    return hidden_.insert(word).second;
  }
  std::set<std::string> accepted_, hidden_;
};

class EverydayWordsTest : public SessionTest {
 protected:
  EverydayWordsTest() { session.useWordSources(bonus, own); }
  void startWith(WordChoice words) {
    state.preferences.words = words;
    session.newGame(MODE_CLASSIC);
  }
  FakeBonusList bonus;
  FakeOwnWords own;
};

// What a word entered gives, by list and word: the level score after it,
// the level words counted, the bonus words kept and the offer made.
TEST_F(EverydayWordsTest, EachWordIsScoredCountedAndOfferedByItsKind) {
  struct Case {
    WordChoice words;
    std::vector<std::string> entered;
    int32_t levelScore;
    int32_t found;
    std::vector<std::string> bonusWords;
    OwnWordAction offer;
    std::string heard;  // the last announcement
  };
  const Case cases[] = {
      // A bonus word scores as a found word does, listed apart.
      {WordChoice::everyday, {"EAST"}, 10, 0, {"EAST"}, OwnWordAction::none, "EAST: bonus word, 10 points. Score 10"},
      // Twice is "already in the list", with no points.
      {WordChoice::everyday, {"EAST", "EAST"}, 10, 0, {"EAST"}, OwnWordAction::none,
       "EAST: Word Already in the list"},
      // A level word, then a bonus word: both score, only one counts.
      {WordChoice::everyday, {"ANT", "SANE"}, 16, 1, {"SANE"}, OwnWordAction::none,
       "SANE: bonus word, 10 points. Score 16"},
      // Nonsense is refused and may be accepted.
      {WordChoice::everyday, {"ETA"}, 0, 0, {}, OwnWordAction::accept, "ETA: No such word in the list"},
      // A level word may be put away.
      {WordChoice::everyday, {"NEST"}, 10, 1, {}, OwnWordAction::neverShow, "NEST, 10 points. Score 10"},
      // Classic: the wider list means nothing and nothing is offered.
      {WordChoice::classic, {"EAST"}, 0, 0, {}, OwnWordAction::none, "EAST: No such word in the list"},
      {WordChoice::classic, {"NEST"}, 10, 1, {}, OwnWordAction::none, "NEST, 10 points. Score 10"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entered.back());
    startWith(c.words);
    for (const std::string& word : c.entered) {
      session.clrClicked();
      enter(word);
    }
    EXPECT_EQ(state.curLevelScore, c.levelScore);
    EXPECT_EQ(state.score, c.levelScore);
    EXPECT_EQ(state.nWordsFound, c.found);
    EXPECT_EQ(state.totalWords, 7);  // bonus words never join the totals
    EXPECT_EQ(state.bonusWords, c.bonusWords);
    EXPECT_EQ(session.ownWordOffer().action, c.offer);
    EXPECT_EQ(view.said.back(), c.heard);
  }
}

TEST_F(EverydayWordsTest, EveryLevelWordEndsTheLevelWhateverTheBonusPointsSay) {
  startWith(WordChoice::everyday);
  // Bonus points alone pass the target but end nothing.
  for (const char* word : {"EAST", "SEAT", "SANE"}) enter(word);
  for (const char* word : {"ANT", "TAN", "TEN", "NET", "NEST"}) enter(word);
  EXPECT_GT(state.curLevelScore, state.totalPoints - 10);
  EXPECT_EQ(state.solvingData.curLevel, 1);
  enter("ANTS");
  enter("NEATS");
  EXPECT_EQ(state.solvingData.curLevel, 2);
  ASSERT_FALSE(view.summaries.empty());
  // Every word found: the summary gives the all-words bonus.
  EXPECT_NE(view.summaries.back().find("bonus points 89"), std::string::npos) << view.summaries.back();
}

TEST_F(EverydayWordsTest, TheOfferKeepsTheWordAsThePlayersOwn) {
  startWith(WordChoice::everyday);
  enter("ETA");
  session.ownWordChosen();
  EXPECT_EQ(own.accepted_, std::set<std::string>{"ETA"});
  EXPECT_EQ(session.ownWordOffer().action, OwnWordAction::none);
  EXPECT_EQ(view.said.back(), "ETA is a bonus word for you from now on");
  // From then on it is a bonus word.
  session.clrClicked();
  enter("ETA");
  EXPECT_EQ(state.bonusWords, std::vector<std::string>{"ETA"});

  enter("NEST");
  session.ownWordChosen();
  EXPECT_EQ(own.hidden_, std::set<std::string>{"NEST"});
  EXPECT_EQ(view.said.back(), "NEST will not be shown to you again");

  // A click elsewhere takes the offer away; choosing then does nothing.
  enter("TAN");
  session.boardClicked();
  session.ownWordChosen();
  EXPECT_EQ(own.hidden_.count("TAN"), 0u);
}

TEST_F(EverydayWordsTest, ANewGamePlaysTheChosenListAndASavedGameFitsWithItsBonusWords) {
  state.desktopSpelling = Spelling::british;
  startWith(WordChoice::everyday);
  EXPECT_EQ(state.wordList, WordList::everydayBritish);
  state.preferences.spelling = Spelling::american;
  session.newGame(MODE_CLASSIC);
  EXPECT_EQ(state.wordList, WordList::everydayAmerican);
  state.wordListShipped[static_cast<size_t>(WordList::everydayAmerican)] = false;
  session.newGame(MODE_CLASSIC);
  EXPECT_EQ(state.wordList, WordList::classic);

  state.wordListShipped.fill(true);
  session.newGame(MODE_CLASSIC);
  enter("ANT");
  enter("EAST");
  EXPECT_TRUE(foundWordsFitPuzzle(state));
  for (const char* wrong : {"ANT", "TTT", "EASTS"}) {  // a level word, not of the rack, too long
    GameState changed = state;
    changed.bonusWords.push_back(wrong);
    changed.curLevelScore += wordPoints(static_cast<int>(std::string(wrong).size()));
    EXPECT_FALSE(foundWordsFitPuzzle(changed)) << wrong;
  }
  GameState unpaid = state;
  unpaid.curLevelScore -= 10;  // the bonus word's points missing
  EXPECT_FALSE(foundWordsFitPuzzle(unpaid));
}

TEST(WordListsTest, LocalesSpellingsAndStoredNames) {
  const std::pair<const char*, Spelling> locales[] = {
      {"en_GB", Spelling::british},       {"en_GB.UTF-8", Spelling::british}, {"en-AU", Spelling::british},
      {"en_NZ@euro", Spelling::british},  {"en_IE", Spelling::british},       {"en_US", Spelling::american},
      {"en_CA", Spelling::american},      {"fr_FR", Spelling::american},      {"C", Spelling::american},
      {"", Spelling::american},           {"en_GBX", Spelling::american},     {"EN_gb", Spelling::british},
  };
  for (const auto& [name, spelling] : locales) EXPECT_EQ(spellingForLocale(name), spelling) << name;
  for (const WordList list : kWordLists) EXPECT_EQ(wordListNamed(storedName(list)), list);
  EXPECT_FALSE(wordListNamed("everyday-klingon"));
  EXPECT_EQ(gameWordList(WordChoice::classic, Spelling::british, Spelling::british), WordList::classic);
  EXPECT_EQ(gameWordList(WordChoice::everyday, Spelling::desktop, Spelling::british), WordList::everydayBritish);
  EXPECT_EQ(gameWordList(WordChoice::everyday, Spelling::american, Spelling::british), WordList::everydayAmerican);
}

}  // namespace
}  // namespace vorpex::testing
