// How the whole program ends when it is not the player who ends it: SIGTERM
// or SIGINT from any window (as at a logout), and an unexpected failure in
// the middle of play. Each run goes as main() runs it: the signals caught,
// start, the main loop, unload.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTimer>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>

#include "best_scores_window.h"
#include "guarded_application.h"
#include "leaks_ignored.h"
#include "options_dialog.h"
#include "program_fixture.h"
#include "program_files.h"
#include "termination_signals.h"

namespace vorpex {
namespace {

using testing::answering;
using testing::ProgramTest;
using testing::RecordingMessages;
using testing::TempDir;

// Raises `signal` once, the first time a modal window of type T is up, after
// `prepare` has done what a player would have done in it so far.
template <typename T>
class SignalWhenShown {
 public:
  explicit SignalWhenShown(int signal, std::function<void(T&)> prepare = {}) {
    timer_.setInterval(1);
    QObject::connect(&timer_, &QTimer::timeout, [this, signal, prepare] {
      auto* modal = dynamic_cast<T*>(QApplication::activeModalWidget());
      if (raised || !modal) return;
      if (prepare) prepare(*modal);
      raised = true;
      std::raise(signal);
    });
    timer_.start();
  }
  bool raised = false;

 private:
  QTimer timer_;
};

class ProgramEndTest : public ProgramTest {
 protected:
  ProgramEnvironment environment() {
    ProgramEnvironment e = ProgramTest::environment();
    e.quietMessages = &quiet;
    return e;
  }

  // Runs `program` as main() does; `whenRunning` runs at the main loop's
  // first turn. Returns the loop's status: 0 when a signal ended it, 2 when
  // nothing did and the guard had to (a dialog waited for a player).
  static int runAsMain(Program& program, const std::function<void()>& whenRunning) {
    TerminationSignals terminationSignals([&program] { program.requestTermination(); });
    EXPECT_TRUE(terminationSignals.installed());
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(2); });
    guard.start(60000);
    EXPECT_EQ(program.start(), "");
    int status = 0;
    if (!program.terminationRequested()) {
      QTimer::singleShot(0, whenRunning);
      status = QApplication::exec();
    }
    program.unload();
    // An exit before the main loop ran leaves Qt ending every loop at once;
    // one turn of a main loop clears that for the runs that follow.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QApplication::exec();
    return status;
  }

  bool gameIsStored() const { return storeText().find("\"ISSTORED\"=hex:01") != std::string::npos; }

  RecordingMessages quiet;
};

TEST_F(ProgramEndTest, ASignalAtTheResumeQuestionEndsTheProgramAndKeepsTheStoredGame) {
  saveAGameAndExit(MODE_CLASSIC);
  ASSERT_TRUE(gameIsStored());
  {
    SignalWhenShown<QuestionDialog> signal(SIGTERM);
    Program program(environment());
    EXPECT_EQ(runAsMain(program, [] { ADD_FAILURE() << "the main loop ran after the signal"; }), 0);
    EXPECT_TRUE(signal.raised);
  }
  EXPECT_TRUE(gameIsStored()) << storeText();
  EXPECT_EQ(questionsAtStart(), 1);
}

// Every state a game can be in when the signal comes ends the program at
// once and keeps the game for the next start, as "Save and Exit" would.
TEST_F(ProgramEndTest, ASignalDuringAGameKeepsItFromTheBoardPauseAndEveryWindowOpenOverIt) {
  struct Case {
    const char* state;
    std::function<void(Program&)> enter;  // puts the game there and raises the signal
  };
  const Case cases[] = {
      {"the board", [](Program&) { std::raise(SIGINT); }},
      {"the pause notice",
       [](Program& program) {
         program.controller().panelCommand(11);
         std::raise(SIGTERM);
       }},
      {"Options",
       [](Program& program) {
         SignalWhenShown<OptionsDialog> signal(SIGTERM);
         program.controller().panelCommand(14);
       }},
      {"the Hall of Fame",
       [](Program& program) {
         SignalWhenShown<BestScoresWindow> signal(SIGTERM);
         program.controller().panelCommand(10);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.state);
    std::filesystem::remove(store.path() / "registry.reg");
    int32_t score = 0;
    {
      Program program(environment());
      EXPECT_EQ(runAsMain(program,
                          [&] {
                            program.divertClick(MODE_TIMED);
                            findAWord(program, 3);
                            score = program.state().score;
                            c.enter(program);
                          }),
                0);
    }
    EXPECT_GT(score, 0);
    EXPECT_TRUE(gameIsStored()) << storeText();
    EXPECT_NE(storeText().find("\"SOLVINGDATA\"="), std::string::npos);
    auto closer = answering(Qt::Key_Return);
    Program resumed(environment());
    ASSERT_EQ(resumed.start(), "");
    EXPECT_EQ(closer.answered, 1);
    EXPECT_TRUE(resumed.state().gameActive);
    EXPECT_EQ(resumed.state().score, score);
  }
  EXPECT_TRUE(quiet.shown.empty());
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ProgramEndTest, ASignalAtTheNamePromptEndsTheProgramAndKeepsTheScoreUnderTheNameTyped) {
  SignalWhenShown<NameDialog> signal(SIGTERM, [](NameDialog& prompt) { prompt.nameEdit().setText("Sam"); });
  Program program(environment());
  EXPECT_EQ(runAsMain(program,
                      [&] {
                        program.divertClick(MODE_CLASSIC);
                        findAWord(program, 3);
                        program.controller().panelCommand(13);  // Show Solution: the game is over
                      }),
            0);
  EXPECT_TRUE(signal.raised);
  EXPECT_NE(storeText().find("\"1STATS1\"=\"Sam\""), std::string::npos) << storeText();
  EXPECT_FALSE(gameIsStored()) << "a finished game is not kept";
}

// The write that failed at a logout used to wait on a message box.
TEST_F(ProgramEndTest, AFailedWriteAtASignalIsReportedWithoutWaitingForThePlayer) {
  Program program(environment());
  EXPECT_EQ(runAsMain(program,
                      [&] {
                        // The store's folder turns into a file: nothing can be written there.
                        std::filesystem::remove_all(store.path());
                        std::ofstream(store.path()) << "not a folder";
                        std::raise(SIGTERM);
                      }),
            0);
  std::filesystem::remove(store.path());
  std::filesystem::create_directory(store.path());
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_FALSE(quiet.shown.empty());
}

// A library lacking llpGetWord once passed start-up and ended the process
// through std::terminate at the first level.
TEST_F(ProgramEndTest, ALibraryLackingAFunctionIsRefusedAtStart) {
  TempDir folder;
  std::filesystem::copy_file(VORPEX_ENGINE_WITHOUT_GET_WORD, folder.path() / files::kEngineLibrary);
  Program program(ProgramTest::environment(folder.path().string() + "/"));
  const std::string problem = program.start();
  EXPECT_NE(problem.find("llpGetWord"), std::string::npos) << problem;
}

TEST_F(ProgramEndTest, AFailureInPlayIsCaughtAtTheEventLoopAndTheSettingsAreWritten) {
  // The program leaves at once after a failure in play; this one returns
  // into Qt, which leaves the failed click's event and the window's
  // accessibility objects behind.
  testing::LeaksIgnored leftBehind;
  TempDir folder;
  const std::filesystem::path shipped = VORPEX_APP_DIR;
  std::filesystem::copy_file(VORPEX_ENGINE_FAILING_IN_PLAY, folder.path() / files::kEngineLibrary);
  for (const char* name : {files::kDictionary, files::kSpriteSheet})
    std::filesystem::copy_file(shipped / name, folder.path() / name);
  ProgramEnvironment e = environment();
  e.appDir = folder.path().string() + "/";
  Program failing(e);
  ASSERT_EQ(failing.start(), "");

  auto& app = dynamic_cast<GuardedApplication&>(*QApplication::instance());
  std::string reported;
  app.onFailure = [&](const std::string& what) { reported = failing.failInPlay(what); };
  failing.state().preferences.words = WordChoice::classic;  // the folder holds the classic list only
  const ScreenBox& classic = failing.window().menuBoxes().buttons(1);
  QTest::mouseClick(&failing.window().menuWidget(), Qt::LeftButton, {},
                    QPoint(classic.x + classic.w / 2, classic.y + classic.h / 2));
  app.onFailure = nullptr;

  EXPECT_NE(reported.find("The dictionary gave no word of 5 letters"), std::string::npos) << reported;
  EXPECT_NE(storeText().find("\"SOLVINGDATA\"="), std::string::npos);
  EXPECT_TRUE(messages.shown.empty());
}

// A failure in play, or a display that broke under the game, once dropped
// the game the player was in.
TEST_F(ProgramEndTest, AFailureInPlayOrAnExitThatSkipsMainKeepsTheGameForTheNextStart) {
  struct Case {
    const char* how;
    std::function<void(Program&)> end;
  };
  const Case cases[] = {
      {"a failure in play", [](Program& program) { program.failInPlay("a test's failure"); }},
      {"an exit that skips main", [](Program& program) { program.keepOnExit(); }},
  };
  // The exit itself, as Qt makes it when the display breaks: std::exit in
  // the middle of play, through what start-up registers with std::atexit.
#if !defined(_WIN32)
  {
    std::filesystem::remove(store.path() / "registry.reg");
    GTEST_FLAG_SET(death_test_style, "fast");  // a fork: the child writes the store this test reads
    EXPECT_EXIT(
        {
          Program program(environment());
          if (!program.start().empty()) std::_Exit(3);
          program.divertClick(MODE_CLASSIC);
          findAWord(program, 3);
          keepAtExit(&program);
          std::exit(1);
        },
        ::testing::ExitedWithCode(1), "");
    EXPECT_TRUE(gameIsStored()) << "std::exit kept the game: " << storeText();
  }
#endif
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    std::filesystem::remove(store.path() / "registry.reg");
    int32_t score = 0;
    {
      Program program(environment());
      ASSERT_EQ(program.start(), "");
      program.divertClick(MODE_CLASSIC);
      findAWord(program, 3);
      score = program.state().score;
      c.end(program);
      program.unload();  // as main would if it got there: nothing more is written
    }
    ASSERT_GT(score, 0);
    EXPECT_TRUE(gameIsStored()) << storeText();
    auto closer = answering(Qt::Key_Return);
    Program resumed(environment());
    ASSERT_EQ(resumed.start(), "");
    EXPECT_TRUE(resumed.state().gameActive);
    EXPECT_EQ(resumed.state().score, score);
  }
  EXPECT_TRUE(messages.shown.empty());
}

// A log-off the player cancelled once ended the game all the same; one
// that goes through must find the game kept before the process is ended.
TEST_F(ProgramEndTest, ASessionEndKeepsTheGameAndACancelledOneLeavesItInPlay) {
  enum class Then { sessionEnds, playerPlaysOnAndQuits, playerSavesAndExits };
  for (const Then then : {Then::sessionEnds, Then::playerPlaysOnAndQuits, Then::playerSavesAndExits}) {
    SCOPED_TRACE(static_cast<int>(then));
    std::filesystem::remove(store.path() / "registry.reg");
    {
      auto closer = answering(Qt::Key_Return);  // the name a best score asks for
      Program program(environment());
      ASSERT_EQ(program.start(), "");
      program.divertClick(MODE_CLASSIC);
      findAWord(program, 3);
      program.keepForSessionEnd();
      EXPECT_TRUE(gameIsStored()) << "kept before the desktop may end the process";
      EXPECT_TRUE(program.window().isVisible()) << "and still in play";
      if (then == Then::sessionEnds) continue;  // the process ends here, unasked
      findAWord(program, 4);
      if (then == Then::playerSavesAndExits) {
        program.controller().panelCommand(kSaveAndExitCommand);
      } else {
        program.window().close();
      }
      program.unload();
    }
    EXPECT_EQ(gameIsStored(), then != Then::playerPlaysOnAndQuits) << storeText();
  }
}

// A lock that could not be had once let two copies run on one store, the
// last to end overwriting the other's settings.
TEST_F(ProgramEndTest, ACopyThatCannotLockTheStoreSaysSoAndNeverWritesIt) {
  saveAGameAndExit(MODE_CLASSIC);
  const std::string before = storeText();
  {
    ProgramEnvironment e = environment();
    e.storeWritesRefused = "/somewhere/registry.reg.lock: is not a plain file";
    auto closer = answering(Qt::Key_Escape);  // declines the stored game: that is a write too
    Program program(e);
    ASSERT_EQ(program.start(), "");
    ASSERT_FALSE(messages.shown.empty());
    EXPECT_NE(messages.shown.front().find("will not save"), std::string::npos) << messages.shown.front();
    EXPECT_NE(messages.shown.front().find(e.storeWritesRefused), std::string::npos);
    program.divertClick(MODE_CLASSIC);
    findAWord(program, 3);
    program.window().close();
  }
  EXPECT_EQ(storeText(), before);
}

}  // namespace
}  // namespace vorpex
