// A game played on the real main window on Qt's offscreen platform: clicks
// and keys go through the board's routing into the rules, and the modal
// windows are answered by a ModalCloser.
#include <gtest/gtest.h>

#include <QStyle>

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QLabel>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <random>

#include "best_scores_window.h"
#include "found_words.h"
#include "game_window_fixture.h"
#include "level_summary_dialog.h"
#include "meanings_dialog.h"
#include "name_dialog.h"
#include "options_dialog.h"

namespace vorpex {
namespace {

using testing::answerWithName;
using testing::centre;
using testing::GameWindowTest;
using testing::ModalCloser;
using testing::tileOf;

TEST_F(GameWindowTest, ClickedTilesSpellAWordThatTheEnterKeyScores) {
  state.soundOptions.fill(1);
  sounds.initSoundFiles("/app/");
  session.newGame(MODE_CLASSIC);
  ASSERT_TRUE(window.boardWidget().isVisible());
  spell("ANT");
  EXPECT_EQ(state.selCount, 3);
  key(Qt::Key_Return);
  EXPECT_EQ(state.score, 6);
  EXPECT_EQ(state.selCount, 0);
  ASSERT_EQ(state.nWordsFound, 1);
  EXPECT_EQ(state.foundWords(1), "ANT");
  const std::vector<std::string> expected{"CLICK.wav", "CLICK.wav", "CLICK.wav", "RIGHT.wav"};
  EXPECT_EQ(output.played, expected);
}

TEST_F(GameWindowTest, LettersTypedDoNothingUntilTypeLettersIsOn) {
  session.newGame(MODE_CLASSIC);
  QTest::keyClicks(&window, "ant");
  EXPECT_EQ(state.selCount, 0) << "off: the board takes no letters";
  state.preferences.typeLetters = true;
  QTest::keyClicks(&window, "aNt");
  EXPECT_EQ(state.selCount, 3);
  key(Qt::Key_Backspace);
  EXPECT_EQ(state.selCount, 2) << "Backspace takes back one letter";
  key(Qt::Key_Space);
  EXPECT_NE(std::string(state.rack.begin(), state.rack.end()), "AENST") << "Space shuffles the rack";
  EXPECT_EQ(state.selCount, 2);
  key(Qt::Key_Delete);
  EXPECT_EQ(state.selCount, 0) << "Delete clears the word";
  QTest::keyClicks(&window, "ten");
  key(Qt::Key_Return);
  EXPECT_EQ(state.foundWords, OneBased<std::string>{"TEN"});
  key(Qt::Key_Escape);
  ASSERT_TRUE(session.paused());
  QTest::keyClicks(&window, "ant");
  EXPECT_EQ(state.selCount, 0) << "nothing is typed while paused";
}

TEST_F(GameWindowTest, LastTileGoesBackOnALeftClickAndSubmitsOnARightClick) {
  session.newGame(MODE_CLASSIC);
  spell("TEN");
  const int n = state.selOrder(3);
  click(centre(window.boxes().tiles(static_cast<size_t>(n))));
  EXPECT_EQ(state.selCount, 2);
  EXPECT_EQ(state.tileUsed(static_cast<size_t>(n)), 0);
  click(centre(window.boxes().tiles(static_cast<size_t>(state.selOrder(1)))));  // picked, not last: ignored
  EXPECT_EQ(state.selCount, 2);
  clickTile('N');
  click(centre(window.boxes().tiles(static_cast<size_t>(n))), Qt::RightButton);
  ASSERT_EQ(state.nWordsFound, 1);
  EXPECT_EQ(state.foundWords(1), "TEN");
}

TEST_F(GameWindowTest, SidePanelEnterAndClearActOnTheSelection) {
  session.newGame(MODE_CLASSIC);
  spell("NE");
  clickPanel(18);
  EXPECT_EQ(state.selCount, 0);
  spell("NET");
  clickPanel(17);
  EXPECT_EQ(state.score, 6);
  spell("NET");
  clickPanel(17);  // found before: no score, the selection stays
  EXPECT_EQ(state.score, 6);
  EXPECT_EQ(state.selCount, 3);
  key(Qt::Key_Backspace);
  EXPECT_EQ(state.selCount, 0);
}

TEST_F(GameWindowTest, PauseHidesTheBoardStopsTheClockAndAClickOnTheWindowResumes) {
  session.newGame(MODE_TIMED);
  EXPECT_TRUE(view.countdown().isActive());
  clickPanel(11);
  EXPECT_TRUE(window.pauseShown());
  EXPECT_FALSE(window.boardWidget().isVisible());
  EXPECT_FALSE(view.countdown().isActive());
  QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(350, 250));
  EXPECT_FALSE(window.pauseShown());
  EXPECT_TRUE(window.boardWidget().isVisible());
  EXPECT_TRUE(view.countdown().isActive());
}

TEST_F(GameWindowTest, EscapePausesAGameAndMinimisesOnlyMinimisesTheMenu) {
  key(Qt::Key_Escape);
  EXPECT_FALSE(window.pauseShown());
  window.showNormal();
  session.newGame(MODE_TIMED);
  key(Qt::Key_Escape);
  EXPECT_TRUE(window.pauseShown());
  EXPECT_FALSE(view.countdown().isActive());
}

TEST_F(GameWindowTest, ClassicLevelsRunNoClock) {
  session.newGame(MODE_CLASSIC);
  EXPECT_FALSE(view.countdown().isActive());
}

TEST_F(GameWindowTest, StatisticsHeaderClickFlipsItsViewAndLetsTheClickGoOn) {
  session.newGame(MODE_CLASSIC);
  ScreenBox& header = window.boxes().stats(1);
  const int before = refreshes();
  click(centre(header));
  EXPECT_EQ(header.state, 1);
  EXPECT_GT(refreshes(), before);
  click(centre(header));
  EXPECT_EQ(header.state, 0);
  EXPECT_EQ(state.selCount, 0);
}

TEST_F(GameWindowTest, ResultsViewListsEveryWordSpellsPointedRowsOnceAndLeadsBack) {
  ModalCloser closer([](QWidget& modal) { answerWithName(modal, "Ada"); });
  session.newGame(MODE_CLASSIC);
  spell("ANT");
  key(Qt::Key_Return);
  clickPanel(13);  // "Show Solution"
  ASSERT_TRUE(state.showingResults);
  EXPECT_EQ(state.bestScores[Language::english][1].names(1), "Ada");
  EXPECT_EQ(state.bestScores[Language::english][1].scores(1), 6);
  for (const int b : {13, 14, 16, 17, 18}) EXPECT_EQ(window.boxes().panel(static_cast<size_t>(b)).state, 0) << b;
  EXPECT_EQ(state.totalWords, 7);

  spell("NET");  // the tiles no longer react
  EXPECT_EQ(state.selCount, 0);
  clickPanel(17);
  EXPECT_EQ(state.score, 6);

  const ScreenBox& list = window.boxes().wordList;
  const QPoint row2(list.x + list.w * 2, list.y + list.h * 2 - list.h / 2);
  const int before = refreshes();
  QTest::mouseMove(&window.boardWidget(), row2);
  window.pointer().boardMoved(row2.x(), row2.y());
  const int after = refreshes();
  EXPECT_GT(after, before);
  window.pointer().boardMoved(row2.x() + 1, row2.y());
  EXPECT_EQ(refreshes(), after);  // the same row spells nothing again
  window.pointer().boardMoved(list.x + list.w, list.y + list.h * 12);  // below the last word
  EXPECT_EQ(refreshes(), after);

  // The back button lights once under the pointer and goes out off it.
  const QPoint back = centre(window.boxes().backButton);
  window.pointer().boardMoved(back.x(), back.y());
  EXPECT_TRUE(window.boxes().backButton.isHot);
  const int lit = refreshes();
  window.pointer().boardMoved(back.x() + 1, back.y());
  EXPECT_EQ(refreshes(), lit);
  window.pointer().boardMoved(list.x + list.w, list.y + list.h * 12);
  EXPECT_FALSE(window.boxes().backButton.isHot);

  click(back);
  EXPECT_TRUE(window.menuShown());
}

// The board's boxes stay in logical pixels: a click at a box's centre
// times the zoom shown lands on that box at 100, 150 and 200 % and in full
// screen (letterboxed on this 800 x 600 screen).
TEST_F(GameWindowTest, ClicksLandOnTheSameBoxesAtEveryZoomAndInFullScreen) {
  session.newGame(MODE_CLASSIC);
  const auto clickAt = [this](const ScreenBox& box) {
    const double z = window.shownZoom();
    click(QPoint(static_cast<int>(std::lround((box.x + box.w / 2) * z)),
                 static_cast<int>(std::lround((box.y + box.h / 2) * z))));
  };
  for (const double zoom : {1.0, 1.5, 2.0, 0.0}) {
    if (zoom > 0) {
      window.setZoom(zoom);
    } else {
      window.toggleFullScreen();
      for (int i = 0; i < 5; ++i) QApplication::processEvents();
      ASSERT_TRUE(window.fullScreen());
      EXPECT_EQ(window.boardWidget().x(), (window.width() - window.boardWidget().width()) / 2) << "centred";
      EXPECT_EQ(window.boardWidget().y(), (window.height() - window.boardWidget().height()) / 2);
    }
    SCOPED_TRACE(window.shownZoom());
    EXPECT_EQ(window.boardWidget().width(), static_cast<int>(std::lround(704 * window.shownZoom())));
    const int t = tileOf(state, 'N');
    clickAt(window.boxes().tiles(static_cast<size_t>(t)));
    ASSERT_EQ(state.selCount, 1);
    EXPECT_EQ(state.selOrder(1), t);
    clickAt(window.boxes().panel(18));  // "Clear"
    EXPECT_EQ(state.selCount, 0);
  }
  window.toggleFullScreen();
  EXPECT_FALSE(window.fullScreen());
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  EXPECT_EQ(window.size(), QSize(zoomed(704, window.zoom()), zoomed(528, window.zoom())))
      << "back to a window at a zoom of its own";
}

// Zoom keys belong to the window: Ctrl+= is never the "=" that skips a level.
TEST_F(GameWindowTest, ZoomKeysZoomAndNeverReachTheGame) {
  session.newGame(MODE_CLASSIC);
  QTest::keyClick(&window, Qt::Key_Equal, Qt::ControlModifier);
  EXPECT_EQ(state.solvingData.curLevel, 1) << "no level skipped";
  EXPECT_GT(window.zoom(), 1.0) << "one step up (the screen's fit, on this small screen)";
  QTest::keyClick(&window, Qt::Key_Minus, Qt::ControlModifier);
  EXPECT_EQ(window.zoom(), 1.0);
  window.setZoom(1.5);
  QTest::keyClick(&window, Qt::Key_0, Qt::ControlModifier);
  EXPECT_EQ(window.zoom(), 1.0);
  EXPECT_EQ(state.solvingData.curLevel, 1);
}

// The meaning line's dark pixels: text is drawn there, or the line is bare.
int darkPixelsOnMeaningLine(MainWindow& window) {
  const ScreenBox& line = window.boxes().meaningLine;
  int dark = 0;
  for (int y = line.y; y < line.y + line.h; ++y)
    for (int x = line.x; x < line.x + line.w; ++x) dark += qGray(window.board().image().pixel(x, y)) < 100 ? 1 : 0;
  return dark;
}

TEST_F(GameWindowTest, WithShowMeaningsOnAPointedResultShowsItsSenseAndAClickAllOfThem) {
  int meaningWindows = 0;
  ModalCloser closer([&meaningWindows](QWidget& modal) {
    meaningWindows += dynamic_cast<MeaningsDialog*>(&modal) ? 1 : 0;
    answerWithName(modal, "Ada");
  });
  session.newGame(MODE_CLASSIC);
  clickPanel(13);  // "Show Solution"
  ASSERT_TRUE(state.showingResults);
  const ScreenBox& list = window.boxes().wordList;
  const QPoint tanRow(list.x + list.w * 2, list.y + list.h * 2 - list.h / 2);  // ANT, TAN, ...
  window.pointer().boardMoved(tanRow.x(), tanRow.y());
  EXPECT_EQ(darkPixelsOnMeaningLine(window), 0) << "off: the board is as the classic game draws it";

  state.preferences.showMeanings = true;
  window.pointer().boardMoved(tanRow.x(), tanRow.y() + list.h);  // TEN
  const int ten = darkPixelsOnMeaningLine(window);
  EXPECT_GT(ten, 20);
  window.pointer().boardMoved(tanRow.x(), tanRow.y() - list.h);  // ANT: no definition, the line clears
  EXPECT_EQ(darkPixelsOnMeaningLine(window), 0);
  window.pointer().boardMoved(tanRow.x(), tanRow.y());
  EXPECT_GT(darkPixelsOnMeaningLine(window), 0);
  EXPECT_NE(darkPixelsOnMeaningLine(window), ten) << "another word, another sense";

  click(tanRow);
  EXPECT_EQ(meaningWindows, 1);
  click(QPoint(list.x + list.w, list.y + list.h * 12));  // below the last word
  EXPECT_EQ(meaningWindows, 1);
  EXPECT_TRUE(state.showingResults) << "the results stay";
}

TEST_F(GameWindowTest, WithShowMeaningsOnAFoundWordInPlayShowsItsSense) {
  state.preferences.showMeanings = true;
  session.newGame(MODE_CLASSIC);
  spell("TEN");
  key(Qt::Key_Return);
  const ScreenBox& list = window.boxes().wordList;
  window.pointer().boardMoved(list.x + list.w * 2, list.y + list.h / 2);
  EXPECT_GT(darkPixelsOnMeaningLine(window), 20);
  window.pointer().boardMoved(300, 300);  // off the list
  EXPECT_EQ(darkPixelsOnMeaningLine(window), 0);
}

TEST_F(GameWindowTest, ArrowRepeatStartsAt300MsThenAt600MsAndStopsAtTheLastPage) {
  session.newGame(MODE_CLASSIC);
  state.foundWords = OneBased<std::string>(20);
  for (size_t i = 1; i <= 20; ++i) state.foundWords(i) = "W" + std::to_string(100 + i);
  state.nWordsFound = 20;
  QTimer& timer = controller.repeatTimer();
  const QPoint down = centre(window.boxes().downArrow);

  QTest::mousePress(&window.boardWidget(), Qt::LeftButton, {}, down);
  EXPECT_EQ(state.listTop, 2);
  EXPECT_EQ(controller.heldArrow(), BoardController::HeldArrow::down);
  std::vector<int> intervals{timer.interval()};
  for (int i = 0; i < 3; ++i) {
    controller.repeatScroll();
    intervals.push_back(timer.interval());
  }
  EXPECT_EQ(intervals, (std::vector<int>{300, 200, 100, 100}));
  QTest::mouseRelease(&window.boardWidget(), Qt::LeftButton, {}, down);
  EXPECT_FALSE(timer.isActive());
  EXPECT_EQ(timer.interval(), 600);

  QTest::mousePress(&window.boardWidget(), Qt::LeftButton, {}, down);
  controller.repeatScroll();
  EXPECT_EQ(timer.interval(), 500);
  for (int i = 0; i < 10; ++i) controller.repeatScroll();
  EXPECT_EQ(state.listTop, 8);  // rows 8..20 shown

  window.pointer().boardMoved(down.x(), down.y());  // lights the arrow
  window.pointer().boardMoved(300, 300);             // and slides off it
  EXPECT_FALSE(timer.isActive());
  EXPECT_EQ(controller.heldArrow(), BoardController::HeldArrow::down);  // until the release
  QTest::mouseRelease(&window.boardWidget(), Qt::LeftButton, {}, QPoint(300, 300));
  EXPECT_EQ(controller.heldArrow(), BoardController::HeldArrow::none);

  const QPoint up = centre(window.boxes().upArrow);
  for (int i = 0; i < 10; ++i) QTest::mouseClick(&window.boardWidget(), Qt::LeftButton, {}, up);
  EXPECT_EQ(state.listTop, 1);
}

TEST_F(GameWindowTest, SidePanelHandsProgramCommandsOn) {
  session.newGame(MODE_CLASSIC);
  clickPanel(12);
  clickPanel(14);
  clickPanel(16);
  EXPECT_EQ(commands.helps, 1);
  EXPECT_EQ(commands.options, 1);
  EXPECT_EQ(commands.saves, 1);
}

TEST_F(GameWindowTest, MainMenuDuringAGameShowsTheSummaryAndOffersTheScore) {
  std::vector<std::string> opened;
  ModalCloser closer([&](QWidget& modal) {
    opened.push_back(modal.windowTitle().toStdString());
    answerWithName(modal, "");
  });
  session.newGame(MODE_TIMED);
  spell("NEST");
  key(Qt::Key_Return);
  clickPanel(15);
  EXPECT_EQ(opened, (std::vector<std::string>{"Game Statistics", "Best Score", "Best Scores - Arcade Vorpex"}));
  EXPECT_EQ(state.bestScores[Language::english][2].names(1), "-");  // an empty name
  EXPECT_TRUE(window.menuShown());
  EXPECT_FALSE(view.countdown().isActive());
}

TEST_F(GameWindowTest, ReachingTheTargetOffersTheAdvanceButtonWhichStartsTheNextLevel) {
  ModalCloser closer([](QWidget& modal) { answerWithName(modal, "x"); });
  session.newGame(MODE_CLASSIC);
  state.targetScore = 20;  // reachable without finding every word
  for (const char* word : {"ANT", "TAN", "NEST"}) {
    spell(word);
    key(Qt::Key_Return);
  }
  ASSERT_GE(state.curLevelScore, state.targetScore);
  ASSERT_EQ(state.solvingData.curLevel, 1);
  click(centre(window.boxes().progress));
  EXPECT_EQ(state.solvingData.curLevel, 2);
  EXPECT_EQ(state.rackLength, 6);
  EXPECT_EQ(closer.answered, 1);  // the level summary
}

// Random clicks and keys on the real board, every modal window answered:
// whatever the order, the game state stays consistent and nothing crashes.
TEST_F(GameWindowTest, RandomPlayKeepsTheGameConsistent) {
  ModalCloser closer([](QWidget& modal) { answerWithName(modal, "Random"); });
  std::mt19937 random(20261207);
  const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Equal, Qt::Key_A, Qt::Key_Escape};
  session.newGame(MODE_TIMED);
  for (int step = 0; step < 1500; ++step) {
    if (window.menuShown() && !window.pauseShown()) session.newGame(static_cast<int16_t>(1 + random() % 2));
    if (window.pauseShown()) {
      window.showNormal();
      QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(10, 10));
    }
    const unsigned action = random() % 10;
    if (action < 6 && state.rackLength > 0) {
      const int tile = 1 + static_cast<int>(random() % static_cast<unsigned>(state.rackLength));
      click(centre(window.boxes().tiles(static_cast<size_t>(tile))), random() % 4 ? Qt::LeftButton : Qt::RightButton);
    } else if (action < 8) {
      click(QPoint(static_cast<int>(random() % kWindowWidth), static_cast<int>(random() % kWindowHeight)));
    } else {
      key(keys[random() % (step % 50 == 0 ? 5 : 4)]);
    }
    ASSERT_GE(state.selCount, 0);
    ASSERT_LE(state.selCount, state.boardWidth);
    int used = 0;
    for (size_t t = 1; t <= state.tileUsed.size(); ++t) used += state.tileUsed(t);
    ASSERT_EQ(used, state.selCount) << step;
    ASSERT_LE(state.nWordsFound, state.totalWords);
    for (int32_t i = 1; i < state.nWordsFound; ++i)
      ASSERT_LT(compareWords(state.foundWords(static_cast<size_t>(i)), state.foundWords(static_cast<size_t>(i) + 1)), 0);
    ASSERT_GE(state.solvingData.curLevel, 1);
    ASSERT_LE(state.solvingData.curLevel, MAX_LEVEL);
    if (window.pauseShown()) {
      ASSERT_FALSE(window.boardWidget().isVisible());
    } else {
      ASSERT_NE(window.menuWidget().isVisible(), window.boardWidget().isVisible());
    }
  }
}

// The meanings window's OK once had the level summary's wider caption
// shadow, not the one every other dialog button has.
TEST(MeaningsDialogTest, ItsOkIsDrawnAsEveryDialogButtonIsAndTheSummaryKeepsItsOwn) {
  DrawingKit kit(std::string(VORPEX_APP_DIR) + "/ALLPICDATA.BMP");
  MeaningsDialog meanings(kit, "ant", {"n. social insect"}, nullptr);
  LevelSummaryDialog summary(kit, "You completed level 1", nullptr);
  const auto drawnAs = [&kit](DrawnDialog& dialog, const ScreenBox& ok, Shadow shadow) {
    const QImage shown = dialog.surface().image().copy(zoomed(ok.rect(), dialog.surface().scale()));
    kit.drawButton(ok, FrameStyle::single, false, shadow, "OK");
    return shown == dialog.surface().image().copy(zoomed(ok.rect(), dialog.surface().scale()));
  };
  EXPECT_TRUE(drawnAs(meanings, meanings.okButton(), Shadow::resting));
  EXPECT_TRUE(drawnAs(summary, summary.okButton(), Shadow::lit));
}

TEST(LevelSummaryDialogTest, ClosesOnEnterEscOrItsButtonAndIgnoresOtherKeys) {
  const DrawingKit kit(std::string(VORPEX_APP_DIR) + "/ALLPICDATA.BMP");
  for (const Qt::Key closing : {Qt::Key_Return, Qt::Key_Escape}) {
    LevelSummaryDialog dialog(kit, "You completed level 1", nullptr);
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_A);
    EXPECT_TRUE(dialog.isVisible());
    QTest::keyClick(&dialog, closing);
    EXPECT_FALSE(dialog.isVisible());
  }
  LevelSummaryDialog dialog(kit, "Game Over", nullptr);
  EXPECT_EQ(dialog.size(), QSize(419, 220));
  // The summaries run to four lines; a 44-pixel box cut them after two.
  EXPECT_GE(dialog.messageBox().h, 4 * QFontMetrics(dialog.surface().font()).lineSpacing());
  EXPECT_LT(dialog.messageBox().y + dialog.messageBox().h, dialog.okButton().y);
  dialog.show();
  const QPoint ok = centre(dialog.okButton());
  const int before = dialog.surface().refreshCount();
  dialog.surfaceWidget().onMouseMove(0, ok.x(), ok.y());
  dialog.surfaceWidget().onMouseMove(0, ok.x() + 1, ok.y());
  EXPECT_EQ(dialog.surface().refreshCount(), before + 1);  // redrawn only on the change
  QTest::mouseClick(&dialog.surfaceWidget(), Qt::LeftButton, {}, QPoint(ok.x(), dialog.okButton().y));
  EXPECT_TRUE(dialog.isVisible());  // on the edge: outside
  QTest::mouseClick(&dialog.surfaceWidget(), Qt::LeftButton, {}, ok);
  EXPECT_FALSE(dialog.isVisible());
}

TEST(BestScoresWindowTest, ClearScoresWritesAnonoymousRowsAndEnterCloses) {
  const DrawingKit kit(std::string(VORPEX_APP_DIR) + "/ALLPICDATA.BMP");
  GameState state;
  state.bestScores[Language::english][2].scores(1) = 500;
  state.bestScores[Language::english][2].names(1) = "Ada";
  state.bestScores[Language::english][1].names(1) = "Kept";
  BestScoresWindow scores(state, Language::english, 2, kit, nullptr);
  EXPECT_EQ(scores.size(), QSize(466, 454));
  EXPECT_EQ(scores.windowTitle(), "Best Scores - Arcade Vorpex");
  scores.show();
  QTest::mouseClick(&scores.surfaceWidget(), Qt::LeftButton, {}, centre(scores.button(2)));
  for (size_t r = 1; r <= 8; ++r) {
    EXPECT_EQ(state.bestScores[Language::english][2].names(r), "Anonoymous");
    EXPECT_EQ(state.bestScores[Language::english][2].scores(r), 0);
  }
  EXPECT_EQ(state.bestScores[Language::english][1].names(1), "Kept");
  EXPECT_TRUE(scores.isVisible());
  QTest::keyClick(&scores, Qt::Key_Return);
  EXPECT_FALSE(scores.isVisible());
}

TEST(NameDialogTest, CongratulatesInTheModesTableAndReturnsTheNameAsTyped) {
  const DrawingKit kit(std::string(VORPEX_APP_DIR) + "/ALLPICDATA.BMP");
  NameDialog dialog(kit, MODE_TIMED, nullptr);
  EXPECT_EQ(dialog.windowTitle(), "Best Score");
  EXPECT_EQ(dialog.size(), QSize(329, 207));
  EXPECT_EQ(dialog.congratulation().text(),
            " Congratulations ! \r\n You have the best Score In \r\nTimed Arcade");
  dialog.show();
  QTest::keyClicks(&dialog.nameEdit(), "Grace Hopper");
  QTest::keyClick(&dialog.nameEdit(), Qt::Key_Return);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.playerName(), "Grace Hopper");
}

// "Şule Işık" was kept as "?ule I??k" without the player seeing it, and the
// field took more than the 19 characters kept.
TEST(NameDialogTest, TheFieldShowsExactlyWhatTheHallOfFameWillKeep) {
  const DrawingKit kit(std::string(VORPEX_APP_DIR) + "/ALLPICDATA.BMP");
  const struct {
    const char* typed;
    const char* shown;
  } cases[] = {
      {"Zoë Ørsted", "Zoë Ørsted"},
      {"Şule Işık", "?ule I??k"},
      {"Bartholomew Featherstonehaugh", "Bartholomew Feather"},
  };
  for (const auto& c : cases) {
    NameDialog dialog(kit, MODE_CLASSIC, nullptr);
    dialog.show();
    for (const QChar letter : QString::fromUtf8(c.typed)) {  // as an input method types them
      QInputMethodEvent typed;
      typed.setCommitString(letter);
      QApplication::sendEvent(&dialog.nameEdit(), &typed);
    }
    EXPECT_EQ(dialog.nameEdit().text(), QString::fromUtf8(c.shown)) << c.typed;
  }
}

// "High contrast" sat below OK and Cancel, the later boxes crowded the
// classic controls, and the dialog could be minimised and maximised.
TEST(OptionsDialogTest, ClassicControlsKeepTheirPlacesLaterOnesAGroupAboveTheButtonsAndTabReadsDown) {
  GameState state;
  state.solvingData.levelOption = 2;
  OptionsDialog dialog(state, nullptr);
  dialog.show();
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  const auto twips = [](int left, int top, int width, int height) {
    return QRect(left / 15, top / 15, width / 15, height / 15);
  };
  const auto frameOf = [](QWidget& control) { return dynamic_cast<QGroupBox*>(control.parentWidget()); };
  EXPECT_EQ(frameOf(dialog.levelButton(0))->geometry(), twips(495, 330, 4680, 1920));
  EXPECT_EQ(dialog.levelButton(3).geometry(), twips(2205, 1110, 1245, 285));
  EXPECT_EQ(frameOf(dialog.timeButton(0))->geometry(), twips(465, 2715, 4875, 1275));
  EXPECT_EQ(dialog.timeButton(2).geometry(), twips(2955, 600, 1380, 420));
  const QRect later = frameOf(dialog.highContrastBox())->geometry();
  EXPECT_EQ(frameOf(dialog.typeLettersBox())->geometry(), later);
  EXPECT_GE(later.top(), frameOf(dialog.timeButton(0))->geometry().bottom());
  // The language sits in the gap between the level and timer frames.
  EXPECT_GT(dialog.languageBox().geometry().top(), frameOf(dialog.levelButton(0))->geometry().bottom());
  EXPECT_LT(dialog.languageBox().geometry().bottom(), frameOf(dialog.timeButton(0))->geometry().top());
  EXPECT_LT(later.bottom(), dialog.okButton().geometry().top());
  EXPECT_EQ(dialog.okButton().size(), twips(0, 0, 1455, 420).size());
  EXPECT_EQ(dialog.okButton().x(), 1935 / 15);
  EXPECT_LE(dialog.cancelButton().geometry().bottom(), dialog.height());
  EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
  EXPECT_FALSE(dialog.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));

  std::vector<QWidget*> visited{QApplication::focusWidget()};
  for (int i = 0; i < 9; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited.push_back(QApplication::focusWidget());
  }
  const std::vector<QWidget*> expected{&dialog.levelButton(1),     &dialog.timeButton(0),
                                       &dialog.typeLettersBox(),   &dialog.showMeaningsBox(),
                                       &dialog.highContrastBox(),  &dialog.wordsBox(),
                                       &dialog.languageBox(),      &dialog.okButton(),
                                       &dialog.cancelButton(),     &dialog.levelButton(1)};
  EXPECT_EQ(visited, expected);
}

// The language and words lists: shown as the player (or the desktop) has
// them; left as shown, a choice that follows the desktop keeps following it.
TEST(OptionsDialogTest, TheLanguageChosenIsKeptAndOneLeftAsShownFollowsTheDesktop) {
  struct Case {
    std::optional<Language> chosen;
    int pick;  // the item picked before OK, or -1
    std::optional<Language> kept;
  };
  const int german = static_cast<int>(&factsOf(Language::german) - kLanguages);
  const int english = 0;
  for (const Case& c : {Case{std::nullopt, -1, std::nullopt}, Case{std::nullopt, german, Language::german},
                        Case{Language::german, english, Language::english},
                        Case{Language::french, -1, Language::french}}) {
    GameState state;
    state.desktopLanguage = Language::english;
    state.preferences.language = c.chosen;
    OptionsDialog dialog(state, nullptr);
    EXPECT_EQ(dialog.languageBox().accessibleName(), "Language");
    EXPECT_EQ(dialog.languageBox().currentText().toStdString(),
              factsOf(c.chosen.value_or(Language::english)).nativeName);
    if (c.pick >= 0) dialog.languageBox().setCurrentIndex(c.pick);
    dialog.okButton().click();
    EXPECT_EQ(state.preferences.language, c.kept) << c.pick;
  }
}

// At 150 % the radio and check marks stayed small beside large captions,
// and with -reverse the groups mirrored but OK and Cancel did not.
TEST(OptionsDialogTest, MarksGrowWithTheZoomAndTheWholeDialogMirrorsRightToLeft) {
  GameState state;
  QWidget parent;
  const QStyle& platform = *QApplication::style();
  for (const double zoom : {1.0, 1.5}) {
    setWindowZoom(parent, zoom);
    OptionsDialog dialog(state, &parent);
    for (QWidget* mark : std::initializer_list<QWidget*>{&dialog.levelButton(0), &dialog.typeLettersBox()}) {
      const bool radio = mark == &dialog.levelButton(0);
      const auto metric = radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth;
      EXPECT_EQ(mark->style()->pixelMetric(metric, nullptr, mark),
                zoomed(platform.pixelMetric(metric, nullptr, mark), zoom))
          << "at " << zoom;
    }
    if (zoom == 1.0) {
      EXPECT_EQ(dialog.levelButton(0).style(), &platform) << "the platform's own at 100 %";
    }
  }
  setWindowZoom(parent, 1.0);
  QRect leftToRight[2];
  {
    OptionsDialog dialog(state, &parent);
    leftToRight[0] = dialog.okButton().geometry();
    leftToRight[1] = dialog.levelButton(1).geometry();
  }
  QApplication::setLayoutDirection(Qt::RightToLeft);
  OptionsDialog mirrored(state, &parent);
  QApplication::setLayoutDirection(Qt::LeftToRight);
  EXPECT_EQ(mirrored.okButton().x(), mirrored.width() - leftToRight[0].right() - 1);
  EXPECT_EQ(mirrored.okButton().y(), leftToRight[0].y());
  const QWidget* frame = mirrored.levelButton(1).parentWidget();
  EXPECT_EQ(mirrored.levelButton(1).x(), frame->width() - leftToRight[1].right() - 1) << "inside its group too";
}

}  // namespace
}  // namespace vorpex
