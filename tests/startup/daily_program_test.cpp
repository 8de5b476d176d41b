// The puzzle of the day and the statistics through the whole program: the
// same racks on two stores, once a day whatever the clock says, and each
// finished game in the history the statistics window reads.
#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>

#include "calendar.h"
#include "history_file.h"
#include "program_fixture.h"
#include "statistics_window.h"

namespace vorpex::testing {
namespace {

class FixedCalendar : public Calendar {
 public:
  int32_t today() const override { return day; }
  int32_t day = dayNumber({2027, 3, 14});
};

class DailyProgramTest : public ProgramTest {
 protected:
  ProgramEnvironment dailyEnvironment(const TempDir& folder) {
    ProgramEnvironment e = environment();
    e.storePath = (folder.path() / "registry.reg").string();
    e.historyPath = (folder.path() / kHistoryFile).string();
    e.calendar = &calendar;
    return e;
  }
  // The day's first rack, as the menu's "PUZZLE OF THE DAY" deals it on the
  // store in `folder`; empty when no game starts.
  std::string dailyRack(const TempDir& folder, std::vector<std::string>* titles = nullptr) {
    auto closer = answering(Qt::Key_Return, titles);
    Program program(dailyEnvironment(folder));
    EXPECT_EQ(program.start(), "");
    program.divertClick(kDailyMenuButton);
    if (!program.state().gameActive) return {};
    EXPECT_EQ(program.state().solvingData.curLevel, 1) << "the day's game starts at level 1";
    const std::string rack(program.state().rack.begin(), program.state().rack.end());
    findAWord(program, 3);
    program.session().leaveToMenu();
    return rack;
  }
  FixedCalendar calendar;
};

TEST_F(DailyProgramTest, TheSameDayDealsTheSameRacksOnTwoStoresOnceEachAndNoClockReopensIt) {
  TempDir mine, theirs;
  const std::string today = dailyRack(mine);
  ASSERT_EQ(today.size(), 5u);
  EXPECT_EQ(dailyRack(theirs), today);
  // Chosen again the same day: the day's result, no game.
  std::vector<std::string> titles;
  EXPECT_EQ(dailyRack(mine, &titles), "");
  EXPECT_EQ(titles, (std::vector<std::string>{"Arcade Vorpex"}));
  // The clock set back: said, no game; forward: a new day, another rack.
  calendar.day -= 1;
  messages.shown.clear();
  EXPECT_EQ(dailyRack(mine), "");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown.front().find("13 March 2027"), std::string::npos) << messages.shown.front();
  calendar.day += 2;
  const std::string tomorrow = dailyRack(mine);
  EXPECT_EQ(tomorrow.size(), 5u);
  calendar.day -= 1;
  EXPECT_EQ(dailyRack(mine), "") << "back to the day already played";

  // Two days' games in my history, one in theirs; the window shows them.
  LocalFileSystem files;
  const HistoryRead read = HistoryFile(files, (mine.path() / kHistoryFile).string()).read();
  EXPECT_EQ(read.statistics.of(GameKind::daily).played, 2);
  EXPECT_EQ(read.damagedLines, 0);
  int shown = 0;
  ModalCloser statistics([&shown, &read](QWidget& modal) {
    if (auto* window = dynamic_cast<StatisticsWindow*>(&modal)) {
      ++shown;
      // The charts draw the history's figures.
      const Statistics& s = read.statistics;
      EXPECT_EQ(window->scoresChart().values(), std::vector<int64_t>(s.recentScores.begin(), s.recentScores.end()));
      EXPECT_EQ(window->lengthsChart().values(),
                std::vector<int64_t>(s.foundByLength.begin() + kShortestWord, s.foundByLength.end()));
      EXPECT_EQ(window->scoresChart().values().size(), 2u);
      EXPECT_TRUE(window->figureLines().join("\n").contains("Days in a row: 2 now, 2 at best"))
          << window->figureLines().join("\n").toStdString();
    }
    if (auto* dialog = dynamic_cast<QDialog*>(&modal)) dialog->accept();
  });
  calendar.day += 1;
  Program program(dailyEnvironment(mine));
  ASSERT_EQ(program.start(), "");
  program.divertClick(kStatisticsMenuButton);
  EXPECT_EQ(shown, 1);
}

TEST_F(DailyProgramTest, ShareInTheDaysResultsCopiesItsPlainText) {
  TempDir folder;
  auto closer = answering(Qt::Key_Return);
  Program program(dailyEnvironment(folder));
  ASSERT_EQ(program.start(), "");
  program.divertClick(kDailyMenuButton);
  findAWord(program, 3);
  program.session().showSolution();
  ASSERT_TRUE(program.state().showingResults);
  program.window().onShareKey();
  const std::string total = std::to_string(program.state().tally.wordsTotal);
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
            "Arcade Vorpex, 14 March 2027: 1 level, 6 points, 1 of " + total + " words, 0 hints");
  EXPECT_NE(program.window().painter().meaningShown().indexOf("Copied"), -1) << "said on the board";
}

}  // namespace
}  // namespace vorpex::testing
