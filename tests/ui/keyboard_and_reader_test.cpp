// The game for a player who listens or uses no mouse: what a screen reader
// finds in the drawn windows (names, roles, states, actions), what the
// keyboard reaches and chooses, where its mark is drawn, and what is told.
#include <gtest/gtest.h>

#include <QAccessible>
#include <algorithm>
#include <QTest>
#include <vector>

#include "best_scores_window.h"
#include "bonus_word_file.h"
#include "own_words_file.h"
#include "drawn_accessible.h"
#include "game_window_fixture.h"
#include "question_dialog.h"
#include "text_codec.h"
#include "text_resources.h"
#include "spoken_texts.h"

namespace vorpex {
namespace {

using testing::centre;

QAccessibleInterface* part(QWidget& surface, const QString& name) {
  QAccessibleInterface* pane = QAccessible::queryAccessibleInterface(&surface);
  for (int i = 0; pane && i < pane->childCount(); ++i)
    if (pane->child(i)->text(QAccessible::Name) == name) return pane->child(i);
  return nullptr;
}

// Every part of `surface` read once, as a screen reader reads a window.
void readWhole(QWidget& surface) {
  QAccessibleInterface* pane = QAccessible::queryAccessibleInterface(&surface);
  for (int i = 0; pane && i < pane->childCount(); ++i) pane->child(i)->text(QAccessible::Name);
}

// Presses a part as a screen reader does; the press lands from the event loop.
void pressPart(QWidget& surface, const QString& name) {
  QAccessibleInterface* found = part(surface, name);
  ASSERT_TRUE(found && found->actionInterface()) << name.toStdString();
  found->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  QCoreApplication::processEvents();
}

// What reached screen readers: announcements, focus moves, checked
// changes, names changed, items made and gone, each by the item's name.
struct Heard {
  std::vector<std::string> told, focused, checked, renamed, created, destroyed;
} heard;

void hear(QAccessibleEvent* event) {
  QAccessibleInterface* source = event->accessibleInterface();
  const std::string name = source ? source->text(QAccessible::Name).toStdString() : "";
  switch (event->type()) {
    case QAccessible::ObjectShow:
      if (source->role() == QAccessible::Notification) heard.told.push_back(name);
      break;
    case QAccessible::Focus: heard.focused.push_back(name); break;
    case QAccessible::StateChanged:
      if (static_cast<QAccessibleStateChangeEvent*>(event)->changedStates().checked) heard.checked.push_back(name);
      break;
    case QAccessible::NameChanged: heard.renamed.push_back(name); break;
    case QAccessible::ObjectCreated: heard.created.push_back(name); break;
    case QAccessible::ObjectDestroyed: heard.destroyed.push_back(name); break;
    default: break;
  }
}

class KeyboardAndReaderTest : public testing::GameWindowTest {
 protected:
  KeyboardAndReaderTest() {
    heard = {};
    window.menuWidget().onMouseDown = [this](int, double x, double y) {
      for (int b = 1; b <= kMenuButtons; ++b)
        if (isInBox(window.menuBoxes().buttons(static_cast<size_t>(b)), static_cast<float>(x), static_cast<float>(y)))
          menuClicked = b;
    };
  }
  ~KeyboardAndReaderTest() override { setReaderEventSink(nullptr); }
  QWidget& board() { return window.boardWidget(); }
  std::string focusedOn(SurfaceWidget& surface) {
    const int i = surface.items().focusedIndex();
    return i < 0 ? "" : surface.items().items()[static_cast<size_t>(i)].name.toStdString();
  }
  void keys(std::initializer_list<Qt::Key> list, Qt::KeyboardModifiers modifiers = {}) {
    for (const Qt::Key k : list) QTest::keyClick(&window, k, modifiers);
  }
  int menuClicked = 0;
};

TEST_F(KeyboardAndReaderTest, AReaderFindsTheBoardAsTheScreenShowsIt) {
  session.newGame(MODE_CLASSIC);
  clickTile('A');
  struct Expected {
    const char* name;
    QAccessible::Role role;
    bool disabled, checked;
  };
  for (const Expected& expected : std::initializer_list<Expected>{
           {"Tile A", QAccessible::CheckBox, false, true},
           {"Tile E", QAccessible::CheckBox, false, false},
           {"Word: A", QAccessible::StaticText, false, false},
           {"Clear", QAccessible::Button, false, false},
           {"Enter", QAccessible::Button, true, false},
           {"Level progress: 0 of 47", QAccessible::ProgressBar, false, false},
           {"Score: 0", QAccessible::StatusBar, false, false},
           {"Save and Exit", QAccessible::Button, false, false},
           {"Scroll the list up", QAccessible::Button, true, false},
       }) {
    QAccessibleInterface* found = part(board(), expected.name);
    ASSERT_NE(found, nullptr) << expected.name;
    EXPECT_EQ(found->role(), expected.role) << expected.name;
    EXPECT_EQ(found->state().disabled, expected.disabled) << expected.name;
    EXPECT_EQ(found->state().checked, expected.checked) << expected.name;
    EXPECT_EQ(found->parent()->object(), &board()) << expected.name;
    EXPECT_TRUE(found->rect().intersects(QRect(board().mapToGlobal(QPoint()), board().size()))) << expected.name;
  }
  EXPECT_EQ(part(board(), "Score: 0")->text(QAccessible::Value), "0");
  EXPECT_TRUE(part(board(), "Enter")->actionInterface()->actionNames().isEmpty()) << "unavailable, nothing to do";
}

TEST_F(KeyboardAndReaderTest, PressingAReadersPartDoesWhatItsClickDoes) {
  window.mainMenu(true);
  pressPart(window.menuWidget(), "OPTIONS");
  EXPECT_EQ(menuClicked, 3);
  session.newGame(MODE_CLASSIC);
  for (const char* tile : {"Tile A", "Tile N", "Tile T"}) pressPart(board(), tile);
  EXPECT_TRUE(part(board(), "Tile N")->state().checked);
  pressPart(board(), "Enter");
  EXPECT_EQ(state.score, 6);
  EXPECT_NE(part(board(), "ANT"), nullptr) << "the found word is listed";
  pressPart(board(), "Pause");
  EXPECT_TRUE(window.pauseShown());
  pressPart(window.pauseWidget(), "PAUSED");
  EXPECT_FALSE(window.pauseShown()) << "the notice's part resumes, as a click on it does";
}

TEST_F(KeyboardAndReaderTest, TheKeyboardMovesAMarkedFocusAndSpaceChooses) {
  session.newGame(MODE_CLASSIC);
  const QImage unmarked = board().grab().toImage();
  keys({Qt::Key_Tab});
  EXPECT_EQ(focusedOn(window.boardWidget()), "Tile A") << "the first Tab lands on the first tile";
  EXPECT_NE(board().grab().toImage(), unmarked) << "and its mark is drawn";
  keys({Qt::Key_Right, Qt::Key_Right, Qt::Key_Space});
  EXPECT_EQ(state.selOrder(1), 3) << "Space picks the marked tile, N of AENST";
  keys({Qt::Key_Backtab, Qt::Key_Left, Qt::Key_Up});
  EXPECT_EQ(focusedOn(window.boardWidget()), "Scroll the list down") << "back from the first wraps to the last";
  for (int i = 0; i < 30 && focusedOn(window.boardWidget()) != "Pause"; ++i) keys({Qt::Key_Tab});
  keys({Qt::Key_Space});
  EXPECT_TRUE(window.pauseShown());
  keys({Qt::Key_Return});
  EXPECT_TRUE(window.pauseShown()) << "Enter keeps its meaning while paused";
  keys({Qt::Key_Space});
  EXPECT_FALSE(window.pauseShown()) << "Space on the notice resumes";
  click(centre(window.boxes().tiles(4)));
  EXPECT_FALSE(window.boardWidget().items().markShown()) << "a click puts the mark away";
  keys({Qt::Key_Space});
  EXPECT_FALSE(window.pauseShown()) << "a focus the pointer put away chooses nothing";
  keys({Qt::Key_Tab});
  EXPECT_EQ(focusedOn(window.boardWidget()), "Pause") << "the next Tab brings the mark back where it was";
}

TEST_F(KeyboardAndReaderTest, KeysTheGameGaveMeaningsKeepThem) {
  state.preferences.typeLetters = true;
  session.newGame(MODE_CLASSIC);
  keys({Qt::Key_Tab});
  QTest::keyClicks(&window, "ant");
  EXPECT_EQ(state.selCount, 3) << "letters type with the mark shown";
  EXPECT_FALSE(window.boardWidget().items().markShown()) << "and put it away";
  const OneBased<uint8_t> rack = state.rack;
  keys({Qt::Key_Space});
  EXPECT_NE(state.rack, rack) << "unmarked, Space shuffles as before";
  keys({Qt::Key_Tab, Qt::Key_Return});
  EXPECT_EQ(state.score, 6) << "Enter enters the word wherever the mark is";
  keys({Qt::Key_Equal});
  EXPECT_EQ(state.solvingData.curLevel, 2) << "= still skips the level";
}

TEST_F(KeyboardAndReaderTest, TheMenuAndTheResultsAnswerTheKeyboard) {
  window.mainMenu(true);
  keys({Qt::Key_Return});
  EXPECT_EQ(menuClicked, 0) << "nothing focused, Enter does nothing";
  struct Step {
    std::initializer_list<Qt::Key> keys;
    Qt::KeyboardModifiers modifiers;
    int chosen;
  };
  for (const Step& step :
       std::initializer_list<Step>{{{Qt::Key_Tab, Qt::Key_Return}, {}, 1},
                                   {{Qt::Key_Down, Qt::Key_Space}, {}, 2},
                                   {{Qt::Key_Backtab, Qt::Key_Backtab, Qt::Key_Return}, {}, kStatisticsMenuButton},
                                   {{Qt::Key_O}, Qt::AltModifier, 3},
                                   {{Qt::Key_F}, Qt::AltModifier, 5}}) {
    menuClicked = 0;
    keys(step.keys, step.modifiers);
    EXPECT_EQ(menuClicked, step.chosen);
  }
  testing::ModalCloser closer([](QWidget& modal) { testing::answerWithName(modal, "Ada"); });
  session.newGame(MODE_CLASSIC);
  spell("ANT");
  keys({Qt::Key_Return});
  clickPanel(kShowSolutionCommand);
  EXPECT_NE(part(board(), "ANT, found"), nullptr);
  EXPECT_NE(part(board(), "NEST, missed"), nullptr);
  keys({Qt::Key_Tab});
  ASSERT_EQ(focusedOn(window.boardWidget()), "Tile A");
  keys({Qt::Key_Return});
  EXPECT_TRUE(window.menuShown()) << "Enter in the results goes back to the menu, the mark on a tile too";
}

TEST_F(KeyboardAndReaderTest, AListeningReaderHearsFocusStatesAndAnnouncementsOnce) {
  setReaderEventSink(hear);
  window.mainMenu(true);
  EXPECT_EQ(heard.focused, std::vector<std::string>{"CLASSIC ARCADE"}) << "the menu opens on its first button";
  session.newGame(MODE_CLASSIC);
  EXPECT_EQ(heard.focused.back(), "Tile A") << "a level starts on its first tile";
  keys({Qt::Key_Tab});
  EXPECT_EQ(heard.focused.back(), "Tile E") << "from a quiet focus Tab moves on";
  readWhole(board());
  keys({Qt::Key_Space});
  spell("NT");
  keys({Qt::Key_Return, Qt::Key_F2});
  EXPECT_EQ(heard.checked, (std::vector<std::string>{"Tile E", "Tile N", "Tile T"}))
      << "picked by key or by click, each told once";
  EXPECT_EQ(heard.told, (std::vector<std::string>{"ENT: No such word in the list", gameStatusText(state)}));
  EXPECT_NE(std::find(heard.created.begin(), heard.created.end(), "No such word in the list"), heard.created.end())
      << "the message line appeared";
  EXPECT_NE(std::find(heard.renamed.begin(), heard.renamed.end(), "Word: ENT"), heard.renamed.end());

  // The same part keeps its interface while the message line comes and
  // goes ahead of it; a word found later keeps the interface of its own.
  QAccessibleInterface* score = part(board(), "Score: 0");
  keys({Qt::Key_Backspace});
  spell("ANT");
  keys({Qt::Key_Return});
  EXPECT_EQ(part(board(), "Score: 6"), score);
  QAccessibleInterface* ant = part(board(), "ANT");
  spell("NEST");
  keys({Qt::Key_Return});
  EXPECT_EQ(part(board(), "ANT"), ant) << "NEST is listed before it, and ANT is still ANT";
  EXPECT_NE(std::find(heard.renamed.begin(), heard.renamed.end(), "Score: 16"), heard.renamed.end());
}

// After typing, the first Tab came back to the part a reader already held,
// and Orca, told of no change, said nothing.
TEST_F(KeyboardAndReaderTest, TheFirstTabAfterTypingMovesOnSoAReaderHearsIt) {
  setReaderEventSink(hear);
  state.preferences.typeLetters = true;
  session.newGame(MODE_CLASSIC);
  ASSERT_EQ(heard.focused.back(), "Tile A");
  QTest::keyClicks(&window, "n");
  keys({Qt::Key_Tab});
  EXPECT_EQ(heard.focused.back(), "Tile E") << "on from where the focus was";
}

// Every found word can be reached with Tab, the list moving to show the one
// focused, and a row scrolled out of sight is not on screen.
TEST_F(KeyboardAndReaderTest, TheFoundWordsAreReachedWithTabAndScrolledIntoView) {
  setReaderEventSink(hear);
  session.newGame(MODE_CLASSIC);
  // A level of twenty found words of three letters, more than the list shows.
  SizeList& threes = state.wordsBySize[3];
  threes.words = OneBased<std::string>(20);
  state.foundWords = OneBased<std::string>(20);
  for (size_t i = 1; i <= 20; ++i) {
    threes.words(i) = state.foundWords(i) = std::string("AA") + static_cast<char>('A' + i);
  }
  threes.count = state.nWordsFound = 20;
  window.painter().redraw();
  const std::string last = state.foundWords(static_cast<size_t>(state.nWordsFound));
  QAccessibleInterface* lastRow = part(board(), QString::fromStdString(last));
  ASSERT_NE(lastRow, nullptr);
  EXPECT_TRUE(lastRow->state().invisible) << "scrolled out of sight";
  for (int i = 0; i < 80 && focusedOn(window.boardWidget()) != last; ++i) keys({Qt::Key_Tab});
  ASSERT_EQ(focusedOn(window.boardWidget()), last);
  EXPECT_FALSE(lastRow->state().invisible) << "the list moved to show it";
  EXPECT_GT(state.listTop, 1);
  EXPECT_FALSE(lastRow->rect().isEmpty());
}

TEST_F(KeyboardAndReaderTest, TheDrawnDialogsReadAndAnswerTheKeyboard) {
  QuestionDialog question(kit, &window);
  question.show();
  ASSERT_NE(part(question.surfaceWidget(), "Yes"), nullptr);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(&question)->text(QAccessible::Description),
            fromAnsi(loadText(kResumeQuestionText)).simplified())
      << "the window's caption says little; the question is read first";
  for (const Qt::Key k : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space}) QTest::keyClick(&question, k);
  EXPECT_EQ(question.answer(), 2) << "the third part is \"No thanks\"";

  // Enter on the marked Clear Scores clears; once a click put the mark
  // away, Enter is the window's own OK and the scores stay.
  for (const bool clickedAway : {false, true}) {
    state.bestScores[Language::english][1].names(1) = "Ada";
    state.bestScores[Language::english][1].scores(1) = 6;
    BestScoresWindow fame(state, Language::english, MODE_CLASSIC, kit, &window);
    fame.show();
    ASSERT_NE(part(fame.surfaceWidget(), "1. Ada, 6"), nullptr);
    for (int i = 0; i < 30 && focusedOn(fame.surfaceWidget()) != "Clear Scores"; ++i)
      QTest::keyClick(&fame, Qt::Key_Tab);
    if (clickedAway) QTest::mouseClick(&fame.surfaceWidget(), Qt::LeftButton, {}, QPoint(3, 3));
    QTest::keyClick(&fame, Qt::Key_Return);
    EXPECT_EQ(state.bestScores[Language::english][1].scores(1), clickedAway ? 6 : 0) << "clicked away: " << clickedAway;
    EXPECT_EQ(fame.isVisible(), !clickedAway) << "clicked away: " << clickedAway;
  }
}

}  // namespace
}  // namespace vorpex

namespace vorpex {
namespace {

// Everyday words on the board: the bonus line and the offer are parts a
// reader finds and presses, and F3 takes the offer as a click does.
TEST_F(KeyboardAndReaderTest, TheBonusLineAndTheOfferAreReadPressedAndKeyed) {
  files.files["/app/VORPEX.BONUS"] = "east\nseat\n";
  BonusWordFile bonus(files, "/app/VORPEX.BONUS");
  OwnWordsFile own(files, "/home/own-words.txt");
  session.useWordSources(bonus, own);
  state.preferences.words = WordChoice::everyday;
  session.newGame(MODE_CLASSIC);
  spell("EAST");
  key(Qt::Key_Return);
  ASSERT_NE(part(board(), "Bonus words: EAST"), nullptr);
  EXPECT_EQ(state.nWordsFound, 0);

  spell("SAT");
  key(Qt::Key_Return);
  pressPart(board(), "Accept this word");
  EXPECT_TRUE(own.accepted("SAT"));
  EXPECT_EQ(part(board(), "Accept this word"), nullptr) << "the offer is taken away";
  EXPECT_NE(files.files["/home/own-words.txt"].find("[accepted]\nsat\n"), std::string::npos);

  key(Qt::Key_Backspace);
  spell("TEN");
  key(Qt::Key_Return);
  ASSERT_NE(part(board(), "Never show this word"), nullptr);
  key(Qt::Key_F3);
  EXPECT_TRUE(own.neverShown("TEN"));

  // A click on the board elsewhere takes the offer away: F3 then does nothing.
  spell("NET");
  key(Qt::Key_Return);
  click(QPoint(300, 500));
  key(Qt::Key_F3);
  EXPECT_FALSE(own.neverShown("NET"));
}

}  // namespace
}  // namespace vorpex
