// Every caption, message and title fits its box in every language, at every
// zoom, measured in the shipped fonts: the board's and the menu's drawn
// texts, the drawn dialogs', and the Options and name dialogs' controls.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLayout>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionComboBox>

#include "best_scores_window.h"
#include "game_window_fixture.h"
#include "level_summary_dialog.h"
#include "menu_items.h"
#include "name_dialog.h"
#include "options_dialog.h"
#include "question_dialog.h"
#include "statistics_window.h"
#include "text_codec.h"
#include "translations.h"

namespace vorpex {
namespace {

using testing::GameWindowTest;

constexpr double kZooms[] = {1.0, 1.25, 1.5, 2.0, 3.0, 4.0};

// The texts that took more room than their box gave, one line each.
std::vector<std::string> overflowsIn(const std::vector<DrawingKit::DrawnText>& log) {
  std::vector<std::string> cut;
  for (const DrawingKit::DrawnText& t : log) {
    // A pixel of rounding either way is no cut.
    if (t.needed.width() > t.box.width() + 1 || t.needed.height() > t.box.height() + 1)
      cut.push_back(QString("\"%1\" needs %2x%3 in %4x%5")
                        .arg(t.text)
                        .arg(t.needed.width())
                        .arg(t.needed.height())
                        .arg(t.box.width())
                        .arg(t.box.height())
                        .toStdString());
  }
  return cut;
}

// The controls of a dialog whose text is wider than they are.
std::vector<std::string> overflowsIn(const QWidget& dialog) {
  std::vector<std::string> cut;
  for (const QWidget* w : dialog.findChildren<QWidget*>()) {
    int needed = 0, room = w->width();
    QString text;
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
      needed = button->sizeHint().width(), text = button->text();
    } else if (const auto* label = qobject_cast<const QLabel*>(w); label && !label->wordWrap()) {
      for (const QString& line : label->text().split(QRegularExpression("\r?\n")))
        needed = std::max(needed, label->fontMetrics().horizontalAdvance(line) + 2 * label->margin());
      text = label->text();
    } else if (const auto* list = qobject_cast<const QComboBox*>(w)) {
      // Each item against the field the closed list shows it in.
      QStyleOptionComboBox option;
      option.initFrom(list);
      // The style draws the text a pixel or two inside that field.
      room =
          list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list).width() - 2;
      for (int i = 0; i < list->count(); ++i) {
        const int advance = list->fontMetrics().horizontalAdvance(list->itemText(i));
        if (advance > needed) needed = advance, text = list->itemText(i);
      }
    } else if (const auto* frame = qobject_cast<const QGroupBox*>(w)) {
      needed = frame->fontMetrics().horizontalAdvance(frame->title()) + 16, text = frame->title();
    }
    if (needed > room + 1)
      cut.push_back(QString("\"%1\" needs %2 in %3").arg(text).arg(needed).arg(room).toStdString());
  }
  return cut;
}

class CaptionFitTest : public GameWindowTest {
 protected:
  CaptionFitTest() { DrawingKit::logTexts(&log); }
  ~CaptionFitTest() override {
    DrawingKit::logTexts(nullptr);
    setTextLanguage(Language::english);
  }

  // Every board the player meets: a timed level with its panel, the found
  // words by length, each message, the offers, the advance button and the
  // results with the way back.
  void drawEveryBoard() {
    session.newGame(MODE_TIMED);
    window.boxes().stats(1).state = 1;
    view.drawFoundStats();
    window.boxes().stats(1).state = 0;
    view.drawFoundStats();
    for (const MessageId message : {kAlreadyFoundMessage, kNotAWordMessage, kPointsMessage, kMissedWordsMessage,
                                    kBonusWordMessage, kWordAcceptedMessage, kWordNeverShownMessage})
      view.showMessage(message, "TRENNEND");
    view.showMeaningNotice(translated("Meanings are in English only: this game's words have none here"));
    for (const OwnWordAction action : {OwnWordAction::accept, OwnWordAction::neverShow}) {
      state.ownWordOffer = {action, "TANS"};
      view.drawOwnWordOffer();
    }
    state.curLevelScore = state.targetScore;
    view.drawProgressArea();
    session.showSolution();
    // The puzzle of the day in everyday words: "Hint" in play, "Share" in its results.
    state.preferences.words = WordChoice::everyday;
    session.newDailyGame(dayNumber({2027, 3, 14}));
    session.showSolution();
    state.preferences.words = WordChoice::classic;
  }

  // The drawn dialogs, made over the window at its zoom.
  void drawEveryDialog() {
    for (const int16_t mode : {MODE_CLASSIC, MODE_TIMED}) BestScoresWindow(state, textLanguage(), mode, kit, &window);
    for (const std::string& text :
         {formatResString(kLevelPassedText, {"|1", 4, "|2", 123, "|3", 456, "|4", 7890, "|5", 1000}),
          formatResString(kAllLevelsText, {"|1", 4}),
          formatResString(kGameOverText, {"|1", 123, "|2", 4, "|3", 98765})})
      LevelSummaryDialog(kit, fromAnsi(text), &window);
    QuestionDialog(kit, &window);
    QuestionDialog(kit, &window, kUnknownWordListQuestionText, "everyday-klingon");
    QuestionDialog(kit, &window, kClearStatisticsQuestionText);
    window.showPaused(true);
    window.showPaused(false);
  }

  std::vector<DrawingKit::DrawnText> log;
};

TEST_F(CaptionFitTest, EveryTextFitsItsBoxInEveryLanguageAtEveryZoom) {
  for (int mode = 1; mode <= 2; ++mode) {
    for (HallOfFame& hall : state.bestScores.byLanguage)
      for (size_t r = 1; r <= kScoreRows; ++r) hall[mode].scores(r) = 1000000;  // no name asked
  }
  for (const LanguageFacts& language : kLanguages) {
    setTextLanguage(language.id);
    window.retranslate();
    for (const double zoom : kZooms) {
      SCOPED_TRACE(std::string(language.code) + " at " + std::to_string(zoom));
      log.clear();
      setWindowZoom(window, zoom);
      window.board().setScale(zoom);
      window.menu().setScale(zoom);
      window.mainMenu(true);
      window.redrawAll();
      drawEveryBoard();
      drawEveryDialog();
      EXPECT_GT(log.size(), 100u);
      for (const std::string& cut : overflowsIn(log)) ADD_FAILURE() << cut;

      OptionsDialog options(state, &window);
      for (const std::string& cut : overflowsIn(options)) ADD_FAILURE() << cut;
      StatisticsWindow statistics(HistoryRead{}, DailyRecord{}, 0, kit, &window);
      statistics.show();  // laid out as the player sees it
      for (const std::string& cut : overflowsIn(statistics)) ADD_FAILURE() << cut;
      NameDialog names(kit, MODE_TIMED, &window);
      for (const std::string& cut : overflowsIn(names)) ADD_FAILURE() << cut;
    }
  }
}

// Every menu button keeps an Alt letter of its own caption in every
// language, none taken twice, and the letter opens that button.
TEST(MenuMnemonics, EachButtonHasALetterOfItsCaptionInEveryLanguage) {
  for (const LanguageFacts& language : kLanguages) {
    setTextLanguage(language.id);
    std::vector<QChar> seen;
    for (int b = 1; b <= kMenuButtons; ++b) {
      const QChar letter = menuMnemonic(b);
      const QString caption = fromAnsi(loadText(kMenuCaptionText + b));
      EXPECT_TRUE(letter >= 'A' && letter <= 'Z' && caption.toUpper().contains(letter)) << language.code << " " << b;
      EXPECT_EQ(std::count(seen.begin(), seen.end(), letter), 0) << language.code << " " << b;
      EXPECT_EQ(menuButtonForMnemonic(letter.toLower()), b) << language.code << " " << b;
      seen.push_back(letter);
    }
  }
  setTextLanguage(Language::english);
}

}  // namespace
}  // namespace vorpex
