// The whole program on Qt's offscreen platform, over the real engine and the
// shipped data of this build, with its store in a temporary folder: start-up
// and its failures, the menu's actions, saving, resuming and the unload.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <filesystem>

#include "best_scores_window.h"
#include "name_dialog.h"
#include "program_files.h"
#include "instructions_window.h"
#include "options_dialog.h"
#include "program.h"
#include "question_dialog.h"
#include "test_dictionaries.h"

#include "program_fixture.h"

namespace vorpex {
namespace {

using testing::answering;
using testing::ModalCloser;
using testing::ProgramTest;
using testing::TempDir;

TEST_F(ProgramTest, StartsOnTheMenuWithoutAQuestionWhenNoGameIsStored) {
  auto closer = answering(Qt::Key_Return);
  Program program(environment());
  ASSERT_EQ(program.start(), "");
  EXPECT_TRUE(program.window().isVisible());
  EXPECT_TRUE(program.window().menuShown());
  EXPECT_EQ(closer.answered, 0);
  EXPECT_EQ(program.state().boardWidth, 5);
}

TEST_F(ProgramTest, AMissingEngineLibraryIsReportedWithItsFileAndFolder) {
  TempDir empty;
  Program program(environment(empty.path().string() + "/"));
  const std::string problem = program.start();
  EXPECT_NE(problem.find(files::kEngineLibrary), std::string::npos) << problem;
  EXPECT_NE(problem.find(empty.path().string()), std::string::npos) << problem;
}

TEST_F(ProgramTest, ADictionaryThatCannotMakeEveryLevelIsReported) {
  TempDir app;
  std::filesystem::create_symlink(std::string(VORPEX_APP_DIR) + "/libwordcore.so", app.path() / "libwordcore.so");
  testing::writeDictionary(app, {"stone", "notes", "tones", "one", "ten"}, "VORPEX.DICT");
  Program program(environment(app.path().string() + "/"));
  const std::string problem = program.start();
  EXPECT_NE(problem.find("VORPEX.DICT"), std::string::npos) << problem;
}

TEST_F(ProgramTest, ExitWritesTheSettingsAndAClosedGameOffersItsScore) {
  std::vector<std::string> titles;
  auto closer = answering(Qt::Key_Return, &titles);
  {
    Program program(environment());
    ASSERT_EQ(program.start(), "");
    program.divertClick(1);
    findAWord(program, 5);
    ASSERT_GT(program.state().score, 0);
    program.window().close();  // as the desktop would
  }
  EXPECT_EQ(titles, (std::vector<std::string>{"Best Score", "Best Scores - Arcade Vorpex"}));
  EXPECT_NE(storeText().find("\"1STATS1\"=\"Tester\""), std::string::npos);
  EXPECT_NE(storeText().find("\"SOLVINGDATA\"="), std::string::npos);
}

TEST_F(ProgramTest, ASavedGameResumesWithItsWordListAndOneOfAListNotShippedIsAskedAbout) {
  std::string rack;
  {
    auto closer = answering(Qt::Key_Return);
    Program program(environment());
    ASSERT_EQ(program.start(), "");
    program.state().preferences.spelling = Spelling::british;
    program.divertClick(1);
    EXPECT_EQ(program.state().wordList, WordList::everydayBritish);
    findAWord(program, 5);
    rack.assign(program.state().rack.begin(), program.state().rack.end());
    // The choice changes before the game is resumed: it keeps its own list.
    program.state().preferences.words = WordChoice::classic;
    program.controller().panelCommand(16);  // "Save and Exit"
  }
  {
    auto closer = answering(Qt::Key_Return);
    Program program(environment());
    ASSERT_EQ(program.start(), "");
    EXPECT_TRUE(program.state().gameActive);
    EXPECT_EQ(program.state().wordList, WordList::everydayBritish);
    EXPECT_EQ(std::string(program.state().rack.begin(), program.state().rack.end()), rack);
    program.controller().panelCommand(16);
  }
  // A list this version does not have: asked, never resumed, kept on "Keep it".
  std::string text = storeText();
  const std::string stored = "\"WORDLIST\"=\"everyday-british\"";
  ASSERT_NE(text.find(stored), std::string::npos) << text;
  text.replace(text.find(stored), stored.size(), "\"WORDLIST\"=\"everyday-klingon\"");
  store.write("registry.reg", text);
  for (const Qt::Key answer : {Qt::Key_Escape, Qt::Key_Return}) {
    std::vector<std::string> titles;
    auto closer = answering(answer, &titles);
    Program program(environment());
    ASSERT_EQ(program.start(), "");
    EXPECT_EQ(closer.answered, 1);
    EXPECT_FALSE(program.state().gameActive);
    EXPECT_TRUE(program.window().menuShown());
  }
  EXPECT_EQ(questionsAtStart(), 0) << "deleted on the second answer";
}

TEST_F(ProgramTest, SaveAndExitThenYesResumesTheSameLevelWordsScoreAndTime) {
  std::string rack;
  int32_t score = 0, timeRem = 0;
  std::string firstWord;
  {
    auto closer = answering(Qt::Key_Return);
    Program program(environment());
    ASSERT_EQ(program.start(), "");
    program.divertClick(2);
    findAWord(program, 5);
    GameState& s = program.state();
    rack.assign(s.rack.begin(), s.rack.end());
    score = s.score;
    timeRem = s.timeRem;
    firstWord = s.foundWords(1);
    program.controller().panelCommand(16);  // "Save and Exit"
    EXPECT_FALSE(program.window().isVisible());
  }
  {
    auto closer = answering(Qt::Key_Return);  // "Yes"
    Program program(environment());
    ASSERT_EQ(program.start(), "");
    EXPECT_EQ(closer.answered, 1);
    const GameState& s = program.state();
    EXPECT_FALSE(program.window().menuShown());
    EXPECT_TRUE(s.gameActive);
    EXPECT_EQ(std::string(s.rack.begin(), s.rack.end()), rack);
    EXPECT_EQ(s.score, score);
    EXPECT_EQ(s.timeRem, timeRem);
    ASSERT_EQ(s.nWordsFound, 1);
    EXPECT_EQ(s.foundWords(1), firstWord);
    EXPECT_TRUE(program.view().countdown().isActive());
    program.controller().panelCommand(15);  // leave without saving again
  }
  EXPECT_EQ(questionsAtStart(), 0);  // offered once only
}

TEST_F(ProgramTest, NoThanksDiscardsTheStoredGame) {
  saveAGameAndExit(1);
  {
    auto closer = answering(Qt::Key_Escape);
    Program program(environment());
    ASSERT_EQ(program.start(), "");
    EXPECT_EQ(closer.answered, 1);
    EXPECT_TRUE(program.window().menuShown());
  }
  EXPECT_EQ(questionsAtStart(), 0);
}

TEST_F(ProgramTest, AQuestionClosedFromItsFrameAlsoDiscardsTheStoredGame) {
  saveAGameAndExit(2);
  expectOfferedOnceAndLeftOnTheMenu(Qt::Key_unknown);
  EXPECT_EQ(questionsAtStart(), 0);
}

TEST_F(ProgramTest, ATimedGameRunningOutEndsItAndTheTypedNameEntersTheHallOfFame) {
  std::vector<std::string> titles;
  auto closer = answering(Qt::Key_Return, &titles);
  Program program(environment());
  ASSERT_EQ(program.start(), "");
  program.divertClick(2);
  findAWord(program, 3);
  ASSERT_LT(program.state().curLevelScore, program.state().targetScore);
  program.state().timeRem = 3;  // three tenths of a second left on the real count-down
  ASSERT_TRUE(program.view().countdown().isActive());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !program.state().gameActive; }, 10000));
  EXPECT_TRUE(program.state().showingResults);  // the lost game ends on its solutions
  EXPECT_EQ(titles, (std::vector<std::string>{"Game Statistics", "Best Score", "Best Scores - Arcade Vorpex"}));
  program.window().close();
  EXPECT_NE(storeText().find("\"2STATS1\"=\"Tester\""), std::string::npos) << storeText();
}

TEST_F(ProgramTest, OptionsTakeEffectOnOkOnlyAndTheNextGameStartsAtTheChosenLevel) {
  Program program(environment());
  ASSERT_EQ(program.start(), "");
  {
    OptionsDialog options(program.state(), &program.window());
    EXPECT_TRUE(options.levelButton(0).isChecked());  // no stored settings: Level 1, Easy
    EXPECT_TRUE(options.timeButton(0).isChecked());
    options.show();
    QTest::mouseClick(&options.levelButton(2), Qt::LeftButton);
    QTest::mouseClick(&options.timeButton(2), Qt::LeftButton);
    EXPECT_EQ(options.startLevel(), 3);
    EXPECT_EQ(options.timerDifficulty(), 3);
    QTest::mouseClick(&options.cancelButton(), Qt::LeftButton);
  }
  EXPECT_EQ(program.state().solvingData.levelOption, 1);
  {
    OptionsDialog options(program.state(), &program.window());
    options.show();
    QTest::mouseClick(&options.levelButton(2), Qt::LeftButton);
    QTest::mouseClick(&options.timeButton(2), Qt::LeftButton);
    QTest::mouseClick(&options.okButton(), Qt::LeftButton);
  }
  EXPECT_EQ(program.state().solvingData.levelOption, 3);
  EXPECT_EQ(program.state().solvingData.timeOption, 3);
  program.state().preferences.words = WordChoice::classic;  // the classic list's puzzle
  program.divertClick(2);
  EXPECT_EQ(program.state().solvingData.curLevel, 3);
  EXPECT_EQ(program.state().rackLength, 7);
  EXPECT_EQ(program.state().timeRem,
            static_cast<int32_t>(std::lround(program.state().totalPoints * 3.25 + 20)));
}

// The options beyond the classic ones: off at first, each ticked on its own
// box and kept through a restart in a value of its own.
TEST_F(ProgramTest, LaterOptionsAreTickedInTheOptionsAndRemembered) {
  struct Option {
    QCheckBox& (OptionsDialog::*box)();
    bool Preferences::*field;
    const char* stored;
  };
  const Option options[] = {
      {&OptionsDialog::typeLettersBox, &Preferences::typeLetters, "\"TYPELETTERS\"=hex:01,00,00,00"},
      {&OptionsDialog::showMeaningsBox, &Preferences::showMeanings, "\"MEANINGS\"=hex:01,00,00,00"},
      {&OptionsDialog::highContrastBox, &Preferences::highContrast, "\"HIGHCONTRAST\"=hex:01,00,00,00"},
  };
  {
    Program program(environment());
    ASSERT_EQ(program.start(), "");
    for (const Option& option : options) {
      OptionsDialog dialog(program.state(), &program.window());
      EXPECT_FALSE((dialog.*option.box)().isChecked());
      dialog.show();
      const QPoint tick(6, (dialog.*option.box)().height() / 2);  // on the box itself
      QTest::mouseClick(&(dialog.*option.box)(), Qt::LeftButton, {}, tick);
      ASSERT_TRUE((dialog.*option.box)().isChecked());
      QTest::mouseClick(&dialog.cancelButton(), Qt::LeftButton);
      EXPECT_FALSE(program.state().preferences.*option.field) << "Cancel keeps it off";
      OptionsDialog again(program.state(), &program.window());
      again.show();
      QTest::mouseClick(&(again.*option.box)(), Qt::LeftButton, {}, tick);
      QTest::mouseClick(&again.okButton(), Qt::LeftButton);
      EXPECT_TRUE(program.state().preferences.*option.field);
    }
    program.window().close();
  }
  Program restarted(environment());
  ASSERT_EQ(restarted.start(), "");
  for (const Option& option : options) {
    EXPECT_NE(storeText().find(option.stored), std::string::npos) << storeText();
    EXPECT_TRUE(restarted.state().preferences.*option.field);
  }
  EXPECT_EQ(QColor(restarted.window().menu().image().pixel(5, 5)), QColor(20, 45, 25))
      << "the menu is drawn in high contrast from the start";
}

// The zoom the player chose comes back at the next start, as large as this
// screen holds; 100 % again by Ctrl+0.
TEST_F(ProgramTest, TheZoomIsRememberedBetweenRuns) {
  {
    Program program(environment());
    ASSERT_EQ(program.start(), "");
    EXPECT_EQ(program.window().zoom(), 1.0);
    QTest::keyClick(&program.window(), Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_GT(program.window().zoom(), 1.0);
    program.window().close();
  }
  EXPECT_NE(storeText().find("\"ZOOM\"="), std::string::npos);
  EXPECT_EQ(storeText().find("\"ZOOM\"=hex:64,00,00,00"), std::string::npos) << "not 100 % any more";
  {
    Program program(environment());
    ASSERT_EQ(program.start(), "");
    EXPECT_GT(program.window().zoom(), 1.0);
    EXPECT_EQ(program.window().size(),
              QSize(zoomed(704, program.window().zoom()), zoomed(528, program.window().zoom())));
    QTest::keyClick(&program.window(), Qt::Key_0, Qt::ControlModifier);
    program.window().close();
  }
  EXPECT_NE(storeText().find("\"ZOOM\"=hex:64,00,00,00"), std::string::npos) << storeText();
}

TEST_F(ProgramTest, HallOfFameFromTheMenuLeavesTheMenuUsable) {
  Program program(environment());
  ASSERT_EQ(program.start(), "");
  program.divertClick(5);
  QApplication::processEvents();
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  const auto windows = program.window().findChildren<BestScoresWindow*>();
  ASSERT_EQ(windows.size(), 1);
  EXPECT_TRUE(windows[0]->isVisible());
  windows[0]->close();
  program.divertClick(6);
  EXPECT_EQ(opener.opened, (std::vector<std::string>{std::string(VORPEX_APP_DIR) + "/TOLMIN.HTM"}));
}

// Without a program to open the instructions the click did nothing, and only
// standard error said why.
TEST_F(ProgramTest, WithoutAViewerTheInstructionsShowInAWindowOfTheGamesOwn) {
  opener.viewerFound = false;
  Program program(environment());
  ASSERT_EQ(program.start(), "");
  program.divertClick(6);
  program.divertClick(6);  // a second click brings the same window forward
  const auto windows = program.window().findChildren<InstructionsWindow*>();
  ASSERT_EQ(windows.size(), 1);
  EXPECT_TRUE(windows[0]->isVisible());
  EXPECT_TRUE(windows[0]->loaded()) << windows[0]->problem();
  EXPECT_NE(windows[0]->browser().toPlainText().indexOf("How to play"), -1);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "play goes on beside it";
}

// Found words that the stored puzzle does not hold (ZZZ), or 16,000 copies
// of one word, were once resumed as they stood.
TEST_F(ProgramTest, AStoredGameWhoseWordsDoNotFitItsPuzzleCountsAsNone) {
  saveAGameAndExit(MODE_CLASSIC);
  std::string text = storeText();
  for (const auto& [from, to] : {std::pair<std::string, std::string>{"\"NWORDSFOUND\"=hex:00", "\"NWORDSFOUND\"=hex:01"},
                                 {"\"SWORDSFOUND\"=hex:00", "\"SWORDSFOUND\"=hex:04"},
                                 {"\"CURLEVELSCORE\"=hex:00", "\"CURLEVELSCORE\"=hex:06"},
                                 {"\"FOUNDWORDS\"=hex(1):", "\"FOUNDWORDS\"=hex(1):5a,5a,5a,2c"}}) {
    const size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    text.replace(at, from.size(), to);
  }
  store.write("registry.reg", text);
  expectOfferedOnceAndLeftOnTheMenu(Qt::Key_Return);
}

TEST_F(ProgramTest, HallOfFameClickedTwiceOnTheMenuRaisesTheOpenWindow) {
  Program program(environment());
  ASSERT_EQ(program.start(), "");
  program.divertClick(4);
  program.divertClick(4);
  EXPECT_EQ(program.window().findChildren<BestScoresWindow*>().size(), 1);
  program.divertClick(5);
  EXPECT_EQ(program.window().findChildren<BestScoresWindow*>().size(), 2) << "one window a table";
}

// The count-down runs on behind the side panel's Hall of Fame; running out
// there once stacked the summary, the name prompt and a second table over
// the first, which still showed the old table.
TEST_F(ProgramTest, TimeRunningOutBehindTheSidePanelsHallOfFameClosesItBeforeTheLevelEnds) {
  Program program(environment());
  ASSERT_EQ(program.start(), "");
  program.divertClick(MODE_TIMED);
  findAWord(program, 3);
  QWidget* sidePanelTable = nullptr;
  std::vector<std::string> stackedOver;  // titles of the windows that opened while it showed
  ModalCloser closer([&](QWidget& modal) {
    if (!sidePanelTable && dynamic_cast<BestScoresWindow*>(&modal)) {
      sidePanelTable = &modal;
      program.state().timeRem = 3;  // the count-down runs out with the table open
      return;
    }
    if (&modal == sidePanelTable) {
      if (!program.state().gameActive) sidePanelTable->close();  // left open over the ended game
      return;
    }
    if (sidePanelTable && sidePanelTable->isVisible()) stackedOver.push_back(modal.windowTitle().toStdString());
    testing::answerModal(modal, Qt::Key_Return);
  });
  program.controller().panelCommand(10);
  ASSERT_NE(sidePanelTable, nullptr);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !program.state().gameActive; }, 10000));
  EXPECT_TRUE(stackedOver.empty()) << stackedOver.front();
  EXPECT_EQ(program.state().bestScores[Language::english][MODE_TIMED].scores(1), program.state().score);
}

// Under a window manager the start-up question once opened half off the
// game, placed before the main window was.
TEST_F(ProgramTest, EveryDialogOpensCentredOnTheMainWindow) {
  saveAGameAndExit(MODE_CLASSIC);
  std::vector<std::string> offCentre;
  Program* running = nullptr;
  ModalCloser closer([&](QWidget& modal) {
    const QPoint centre = running->window().frameGeometry().center();
    if ((modal.frameGeometry().center() - centre).manhattanLength() > 4)
      offCentre.push_back(modal.windowTitle().toStdString());
    testing::answerModal(modal, Qt::Key_Return);
  });
  Program program(environment());
  running = &program;
  ASSERT_EQ(program.start(), "");
  ASSERT_TRUE(program.state().gameActive);
  findAWord(program, 3);
  program.controller().panelCommand(14);  // Options
  program.controller().panelCommand(15);  // Main Menu: the summary, the name, the table
  EXPECT_GE(closer.answered, 5);
  EXPECT_TRUE(offCentre.empty()) << offCentre.front();
}

TEST(QuestionDialogTest, EnterAnswersYesEscNoThanksAndOtherKeysNothing) {
  const DrawingKit kit(std::string(VORPEX_APP_DIR) + "/ALLPICDATA.BMP");
  for (const auto& [key, answer] : {std::pair{Qt::Key_Return, 1}, std::pair{Qt::Key_Escape, 2}}) {
    QuestionDialog question(kit, nullptr);
    question.show();
    QTest::keyClick(&question, Qt::Key_Y);
    EXPECT_TRUE(question.isVisible());
    EXPECT_EQ(question.answer(), -1);
    QTest::keyClick(&question, key);
    EXPECT_FALSE(question.isVisible());
    EXPECT_EQ(question.answer(), answer);
  }
  QuestionDialog closed(kit, nullptr);
  closed.show();
  closed.close();
  EXPECT_EQ(closed.answer(), -1);
}

TEST(QuestionDialogTest, ClicksOnAButtonsEdgeDoNothingAndHoverMovesStraightAcross) {
  const DrawingKit kit(std::string(VORPEX_APP_DIR) + "/ALLPICDATA.BMP");
  QuestionDialog question(kit, nullptr);
  EXPECT_EQ(question.windowTitle(), "Do you want to exit");
  question.show();
  const ScreenBox& yes = question.button(1);
  const ScreenBox& no = question.button(2);
  QTest::mouseClick(&question.surfaceWidget(), Qt::LeftButton, {}, QPoint(yes.x, yes.y + 10));
  EXPECT_TRUE(question.isVisible());
  const int before = question.surface().refreshCount();
  question.surfaceWidget().onMouseMove(0, yes.x + 5, yes.y + 5);
  EXPECT_TRUE(yes.isHot);
  question.surfaceWidget().onMouseMove(0, no.x + 5, no.y + 5);
  EXPECT_FALSE(yes.isHot);
  EXPECT_TRUE(no.isHot);
  EXPECT_EQ(question.surface().refreshCount(), before + 3);
  QTest::mouseClick(&question.surfaceWidget(), Qt::RightButton, {}, QPoint(no.x + 5, no.y + 5));
  EXPECT_EQ(question.answer(), 2);
}

}  // namespace
}  // namespace vorpex
