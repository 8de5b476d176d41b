#include "window_view.h"

#include <QDialog>
#include <QEventLoop>

#include "ascii_case.h"
#include "best_scores_window.h"
#include "board_items.h"
#include "drawn_accessible.h"
#include "level_summary_dialog.h"
#include "meanings_dialog.h"
#include "name_dialog.h"
#include "text_codec.h"

namespace vorpex {

namespace {
constexpr int kCountdownMilliseconds = 100;
}  // namespace

WindowView::WindowView(MainWindow& window, GameState& state, Sounds& sounds, WordMeanings& meanings)
    : window_(window), board_(window.painter()), state_(state), sounds_(sounds), meanings_(meanings) {
  countdown_.setInterval(kCountdownMilliseconds);
  QObject::connect(&countdown_, &QTimer::timeout, [this] {
    if (!waiting_ && onCountdownTick) onCountdownTick();
  });
}

void WindowView::drawBoard() {
  // The definitions are read in the background while the level starts, so
  // that the first word pointed at does not wait for them.
  if (state_.preferences.showMeanings) meanings_.prepare();
  if (window_.menuShown()) window_.mainMenu(false);
  board_.layOut();
  board_.drawBoard();
  // A new rack: a screen reader starts on its first tile.
  window_.boardWidget().items().focusQuietly(kTileItem + 1);
}

void WindowView::showResultsControls() {
  board_.showResultsControls();
  // The results: a screen reader starts on the way back to the menu.
  window_.boardWidget().items().focusQuietly(kBackItem);
}

void WindowView::announce(const std::string& text) { vorpex::announce(window_, fromAnsi(text)); }

void WindowView::showMessage(MessageId message, const std::string& points) {
  board_.showMessage(message, fromAnsi(points));
}

void WindowView::showMeaningNotice(const std::string& text) { board_.drawMeaningLine(fromAnsi(text)); }

void WindowView::showMeaning(const std::string& word) {
  const auto senses = word.empty() ? std::vector<Sense>{} : meanings_.lookUp(word);
  if (senses.empty()) {
    board_.drawMeaningLine(QString());
    return;
  }
  // The word leads: in play nothing else on the board says which it is.
  const std::string lower = asciiLower(word);
  board_.drawMeaningLine(QString::fromUtf8(lower + ": " + describeSense(lower, senses.front())));
}

std::string WindowView::meaningGloss(const std::string& word) {
  const auto senses = word.empty() ? std::vector<Sense>{} : meanings_.lookUp(word);
  if (senses.empty()) return {};
  const Sense& sense = senses.front();
  // Neither the word nor the form defined may give the answer away.
  std::string gloss = sense.gloss;
  for (const std::string& named : {asciiLower(word), asciiLower(sense.base)}) {
    if (named.size() < 2) continue;
    for (size_t at = asciiLower(gloss).find(named); at != std::string::npos; at = asciiLower(gloss).find(named, at + 3))
      gloss.replace(at, named.size(), "...");
  }
  return "(" + std::string(partOfSpeechName(sense.partOfSpeech)) + ") " + gloss;
}

void WindowView::showMeanings(const std::string& word) {
  if (dialogsSuppressed_) return;
  const auto senses = meanings_.lookUp(word);
  if (senses.empty()) return;
  const std::string lower = asciiLower(word);
  QStringList lines;
  QStringList bases;
  bool ownSense = false;
  for (const Sense& sense : senses) {
    lines << QString::number(lines.size() + 1) + ". " + QString::fromUtf8(describeSense(lower, sense));
    const QString base = QString::fromUtf8(sense.base);
    if (sense.base.empty() || sense.base == lower) {
      ownSense = true;
    } else if (!bases.contains(base)) {
      bases << base;
    }
  }
  QString heading = fromAnsi(word);
  if (!bases.isEmpty())
    heading += (ownSense ? translatedText(", also a form of |1") : translatedText(", a form of |1"))
                   .replace("|1", bases.join(", "));
  closeOpenDialogs();
  MeaningsDialog dialog(window_.kit(), heading, lines, &window_);
  dialog.exec();
}

void WindowView::pauseInput(int milliseconds) {
  waiting_ = true;
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
  waiting_ = false;
}

void WindowView::setCountdownRunning(bool running) {
  if (running) {
    countdown_.start();
  } else {
    countdown_.stop();
  }
}

void WindowView::closeOpenDialogs() {
  for (QDialog* dialog : window_.findChildren<QDialog*>())
    if (dialog->isVisible()) dialog->reject();
}

void WindowView::showLevelSummary(const std::string& text) {
  if (dialogsSuppressed_) return;
  closeOpenDialogs();
  LevelSummaryDialog dialog(window_.kit(), fromAnsi(text), &window_);
  dialog.exec();
}

std::string WindowView::askPlayerName() {
  if (dialogsSuppressed_) return {};
  closeOpenDialogs();
  NameDialog dialog(window_.kit(), state_.solvingData.gameMode, &window_);
  dialog.exec();
  return toAnsi(dialog.playerName());
}

void WindowView::showBestScores(int table) {
  if (dialogsSuppressed_) return;
  closeOpenDialogs();
  BestScoresWindow scores(state_, languageOf(state_.wordList), static_cast<int16_t>(table), window_.kit(), &window_);
  scores.exec();
}

}  // namespace vorpex
