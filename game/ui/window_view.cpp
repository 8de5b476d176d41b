#include "window_view.h"

#include <QDialog>
#include <QEventLoop>

#include "best_scores_window.h"
#include "level_summary_dialog.h"
#include "name_dialog.h"
#include "text_codec.h"

namespace vorpex {

namespace {
constexpr int kCountdownMilliseconds = 100;
}  // namespace

WindowView::WindowView(MainWindow& window, GameState& state, Sounds& sounds)
    : window_(window), state_(state), sounds_(sounds) {
  countdown_.setInterval(kCountdownMilliseconds);
  QObject::connect(&countdown_, &QTimer::timeout, [this] {
    if (!waiting_ && onCountdownTick) onCountdownTick();
  });
}

void WindowView::drawBoard() {
  if (window_.menuShown()) window_.mainMenu(false);
  window_.layOutBoard();
  window_.drawBoard();
}

void WindowView::drawProgressArea() {
  // After a scoring word the advance button reads as a new word leaves it.
  window_.drawProgressArea(QStringLiteral("Advance To next Level"));
}

void WindowView::showMessage(int messageId, const std::string& points) {
  window_.showMessage(messageId, fromAnsi(points));
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
  BestScoresWindow scores(state_, static_cast<int16_t>(table), window_.kit(), &window_);
  scores.exec();
}

}  // namespace vorpex
