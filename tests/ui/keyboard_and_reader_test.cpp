// The game for a player who listens or uses no mouse: what a screen reader
// finds in the drawn windows (names, roles, states, actions), what the
// keyboard reaches and chooses, where its mark is drawn, and what is told
// as it happens.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>
#include <vector>

#include "best_scores_window.h"
#include "drawn_accessible.h"
#include "board_items.h"
#include "game_window_fixture.h"
#include "question_dialog.h"
#include "spoken_texts.h"

namespace vorpex {
namespace {

using testing::centre;
using testing::GameWindowTest;
using testing::ModalCloser;

QAccessibleInterface* part(QWidget& surface, const QString& name) {
  QAccessibleInterface* pane = QAccessible::queryAccessibleInterface(&surface);
  for (int i = 0; pane && i < pane->childCount(); ++i)
    if (pane->child(i)->text(QAccessible::Name) == name) return pane->child(i);
  return nullptr;
}

// Presses a part as a screen reader does; the press lands from the event loop.
void pressPart(QWidget& surface, const QString& name) {
  QAccessibleInterface* found = part(surface, name);
  ASSERT_NE(found, nullptr) << name.toStdString();
  ASSERT_NE(found->actionInterface(), nullptr) << name.toStdString();
  found->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  QCoreApplication::processEvents();
}

// What reached screen readers while a test listened: announcements, focus
// moves and checked changes, by name.
struct Heard {
  std::vector<std::string> told, focused, checked;
};
Heard* listening = nullptr;

void hear(QAccessibleEvent* event) {
  QAccessibleInterface* source = event->accessibleInterface();
  if (!listening || !source) return;
  const std::string name = source->text(QAccessible::Name).toStdString();
  if (event->type() == QAccessible::ObjectShow && source->role() == QAccessible::Notification)
    listening->told.push_back(name);
  if (event->type() == QAccessible::Focus) listening->focused.push_back(name);
  if (event->type() == QAccessible::StateChanged) listening->checked.push_back(name);
}

class KeyboardAndReaderTest : public GameWindowTest {
 protected:
  ~KeyboardAndReaderTest() override {
    setReaderEventSink(nullptr);
    listening = nullptr;
  }
  // From here on a screen reader listens.
  void listen() {
    listening = &heard;
    setReaderEventSink(hear);
  }
  QWidget& board() { return window.boardWidget(); }
  const DrawnItems& boardItems() { return window.boardWidget().items(); }
  std::string focusedOn(SurfaceWidget& surface) {
    const int i = surface.items().focusedIndex();
    return i < 0 ? std::string() : surface.items().items()[static_cast<size_t>(i)].name.toStdString();
  }
  void keys(std::initializer_list<Qt::Key> list, Qt::KeyboardModifiers modifiers = {}) {
    for (const Qt::Key k : list) QTest::keyClick(&window, k, modifiers);
  }

  Heard heard;
};

TEST_F(KeyboardAndReaderTest, AReaderFindsTheBoardAsTheScreenShowsIt) {
  session.newGame(MODE_CLASSIC);
  clickTile('A');
  struct Expected {
    const char* name;
    QAccessible::Role role;
    bool disabled, checked;
  };
  const Expected parts[] = {
      {"Tile A", QAccessible::CheckBox, false, true},   {"Tile E", QAccessible::CheckBox, false, false},
      {"Word: A", QAccessible::StaticText, false, false}, {"Clear", QAccessible::Button, false, false},
      {"Enter", QAccessible::Button, true, false},       {"Level progress: 0 of 47", QAccessible::ProgressBar, false, false},
      {"Score: 0", QAccessible::StaticText, false, false}, {"Level: 1", QAccessible::StaticText, false, false},
      {"Pause", QAccessible::Button, false, false},      {"Save and Exit", QAccessible::Button, false, false},
      {"Scroll the list up", QAccessible::Button, true, false},
  };
  for (const Expected& expected : parts) {
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
  EXPECT_EQ(QAccessible::queryAccessibleInterface(&board())->childCount(), static_cast<int>(boardItems().items().size()));
}

TEST_F(KeyboardAndReaderTest, PressingAReadersPartDoesWhatItsClickDoes) {
  int menuClicked = 0;
  window.menuWidget().onMouseDown = [&](int, double x, double y) {
    for (int b = 1; b <= kMenuButtons; ++b)
      if (isInBox(window.menuBoxes().buttons(static_cast<size_t>(b)), static_cast<float>(x), static_cast<float>(y)))
        menuClicked = b;
  };
  window.mainMenu(true);
  pressPart(window.menuWidget(), "OPTIONS");
  EXPECT_EQ(menuClicked, 3);

  session.newGame(MODE_CLASSIC);
  for (const char* tile : {"Tile A", "Tile N", "Tile T"}) pressPart(board(), tile);
  EXPECT_EQ(state.selCount, 3);
  EXPECT_TRUE(part(board(), "Tile N")->state().checked);
  pressPart(board(), "Enter");
  EXPECT_EQ(state.score, 6);
  ASSERT_NE(part(board(), "ANT"), nullptr) << "the found word is listed";
  pressPart(board(), "Pause");
  EXPECT_TRUE(window.pauseShown());
  pressPart(window.pauseWidget(), "PAUSED");
  EXPECT_FALSE(window.pauseShown()) << "the notice's part resumes, as a click on it does";
}

TEST_F(KeyboardAndReaderTest, TheKeyboardMovesAMarkedFocusAndChoosesWithSpace) {
  session.newGame(MODE_CLASSIC);
  const QImage before = board().grab().toImage();
  keys({Qt::Key_Tab});
  EXPECT_EQ(focusedOn(window.boardWidget()), "Tile A") << "the first Tab lands on the first tile";
  EXPECT_NE(board().grab().toImage(), before) << "and its mark is drawn";
  keys({Qt::Key_Right, Qt::Key_Right});
  EXPECT_EQ(focusedOn(window.boardWidget()), "Tile N");
  keys({Qt::Key_Space});
  EXPECT_EQ(state.selCount, 1) << "Space picks the marked tile";
  keys({Qt::Key_Backtab, Qt::Key_Left});
  EXPECT_EQ(focusedOn(window.boardWidget()), "Tile A");
  keys({Qt::Key_Space});
  keys({Qt::Key_Up});
  EXPECT_EQ(focusedOn(window.boardWidget()), "Scroll the list down") << "backwards from the first wraps to the last";
  for (int i = 0; i < 30 && focusedOn(window.boardWidget()) != "Pause"; ++i) keys({Qt::Key_Tab});
  keys({Qt::Key_Space});
  EXPECT_TRUE(window.pauseShown());
  keys({Qt::Key_Return});
  EXPECT_FALSE(window.pauseShown()) << "Enter on the notice resumes";
  EXPECT_EQ(state.selCount, 2) << "the picked tiles stay picked";

  click(centre(window.boxes().tiles(4)));
  EXPECT_FALSE(boardItems().markShown()) << "a click puts the mark away";
  EXPECT_EQ(board().grab().toImage(), [&] {
    keys({Qt::Key_Tab});
    window.boardWidget().items().hideMark();
    return board().grab().toImage();
  }()) << "a hidden mark leaves nothing behind";
}

TEST_F(KeyboardAndReaderTest, KeysTheGameGaveMeaningsKeepThem) {
  state.preferences.typeLetters = true;
  session.newGame(MODE_CLASSIC);
  keys({Qt::Key_Tab});
  QTest::keyClicks(&window, "ant");
  EXPECT_EQ(state.selCount, 3) << "letters type with the mark shown";
  EXPECT_FALSE(boardItems().markShown()) << "and put it away";
  const OneBased<uint8_t> rack = state.rack;
  keys({Qt::Key_Space});
  EXPECT_NE(state.rack, rack) << "unmarked, Space shuffles as before";
  keys({Qt::Key_Tab, Qt::Key_Return});
  EXPECT_EQ(state.score, 6) << "Enter enters the word wherever the mark is";
  keys({Qt::Key_Equal});
  EXPECT_EQ(state.solvingData.curLevel, 2) << "= still skips the level";
}

TEST_F(KeyboardAndReaderTest, TheMenuAndTheResultsAnswerTheKeyboard) {
  int menuClicked = 0;
  window.menuWidget().onMouseDown = [&](int, double x, double y) {
    for (int b = 1; b <= kMenuButtons; ++b)
      if (isInBox(window.menuBoxes().buttons(static_cast<size_t>(b)), static_cast<float>(x), static_cast<float>(y)))
        menuClicked = b;
  };
  window.mainMenu(true);
  keys({Qt::Key_Return});
  EXPECT_EQ(menuClicked, 0) << "nothing focused, Enter does nothing";
  struct Step {
    std::initializer_list<Qt::Key> keys;
    Qt::KeyboardModifiers modifiers;
    int chosen;
  };
  const Step steps[] = {
      {{Qt::Key_Tab, Qt::Key_Return}, {}, 1},          {{Qt::Key_Down, Qt::Key_Space}, {}, 2},
      {{Qt::Key_Backtab, Qt::Key_Backtab, Qt::Key_Return}, {}, 7},
      {{Qt::Key_O}, Qt::AltModifier, 3},              {{Qt::Key_F}, Qt::AltModifier, 5},
      {{Qt::Key_E}, Qt::AltModifier, 7},
  };
  for (const Step& step : steps) {
    menuClicked = 0;
    keys(step.keys, step.modifiers);
    EXPECT_EQ(menuClicked, step.chosen);
  }

  ModalCloser closer([](QWidget& modal) { testing::answerWithName(modal, "Ada"); });
  session.newGame(MODE_CLASSIC);
  spell("ANT");
  keys({Qt::Key_Return});
  clickPanel(kShowSolutionCommand);
  ASSERT_TRUE(state.showingResults);
  ASSERT_NE(part(board(), "ANT, found"), nullptr);
  ASSERT_NE(part(board(), "NEST, missed"), nullptr);
  keys({Qt::Key_Return});
  EXPECT_TRUE(window.menuShown()) << "Enter in the results goes back to the menu";
}

TEST_F(KeyboardAndReaderTest, AListeningReaderHearsEachChangeOnce) {
  listen();
  window.mainMenu(true);
  EXPECT_EQ(heard.focused, std::vector<std::string>{"CLASSIC ARCADE"}) << "the menu opens on its first button";
  session.newGame(MODE_CLASSIC);
  ASSERT_FALSE(heard.focused.empty());
  EXPECT_EQ(heard.focused.back(), "Tile A") << "a level starts on its first tile";
  keys({Qt::Key_Tab});
  EXPECT_EQ(heard.focused.back(), "Tile E") << "from a quiet focus Tab moves on";
  keys({Qt::Key_Space});
  EXPECT_EQ(heard.checked, std::vector<std::string>{"Tile E"});
  spell("NT");
  keys({Qt::Key_Return});
  clickPanel(kClearCommand);
  spell("TA");
  keys({Qt::Key_Return});
  keys({Qt::Key_F2});
  const std::vector<std::string> told{"ENT: No such word in the list", "Too short: a word has at least 3 letters",
                                  gameStatusText(state)};
  EXPECT_EQ(heard.told, told);
  heard.told.clear();
  clickPanel(kClearCommand);
  spell("TEN");
  keys({Qt::Key_Return});
  EXPECT_EQ(heard.told, std::vector<std::string>{"TEN, 6 points. Score 6"});
}

TEST_F(KeyboardAndReaderTest, TheDrawnDialogsReadAndAnswerTheKeyboard) {
  QuestionDialog question(kit, &window);
  question.show();
  QAccessibleInterface* yes = part(question.surfaceWidget(), "Yes");
  ASSERT_NE(yes, nullptr);
  EXPECT_EQ(yes->role(), QAccessible::Button);
  for (const Qt::Key k : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space}) QTest::keyClick(&question, k);
  EXPECT_EQ(question.answer(), 2) << "the third part is \"No thanks\"";

  state.bestScores[1].names(1) = "Ada";
  state.bestScores[1].scores(1) = 6;
  BestScoresWindow fame(state, MODE_CLASSIC, kit, &window);
  fame.show();
  ASSERT_NE(part(fame.surfaceWidget(), "1. Ada, 6"), nullptr);
  for (int i = 0; i < 30 && focusedOn(fame.surfaceWidget()) != "Clear Scores"; ++i) QTest::keyClick(&fame, Qt::Key_Tab);
  QTest::keyClick(&fame, Qt::Key_Return);
  EXPECT_EQ(state.bestScores[1].scores(1), 0) << "Enter chooses the marked button";
  EXPECT_NE(part(fame.surfaceWidget(), "1. Anonoymous, 0"), nullptr);
}

}  // namespace
}  // namespace vorpex
