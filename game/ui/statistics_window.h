// "Statistics": the player's figures over the history of games (played,
// won, best and average scores per kind of game, levels reached, the
// longest word, the streak of days) and two charts, the last thirty games'
// scores and the words found by length, each readable as text by a screen
// reader. "Clear Statistics" asks first; "OK", Enter or Esc closes it.
#pragma once

#include <QDialog>
#include <functional>

#include "bar_chart.h"
#include "daily_puzzle.h"
#include "drawing_kit.h"
#include "history_file.h"

class QPushButton;

namespace vorpex {

class StatisticsWindow : public QDialog {
 public:
  StatisticsWindow(const HistoryRead& history, const DailyRecord& daily, int32_t today, const DrawingKit& kit,
                   QWidget* parent);

  // Runs when the player has confirmed "Clear Statistics"; true when the
  // history was emptied, and the window then shows no games.
  std::function<bool()> onClear;

  BarChart& scoresChart() { return *scores_; }
  BarChart& lengthsChart() { return *lengths_; }
  QPushButton& clearButton() { return *clear_; }
  // Every figure as the window shows it, one line each, for a screen reader
  // and tests.
  QStringList figureLines() const;

 private:
  void build(const HistoryRead& history, const DailyRecord& daily, int32_t today);
  void clearAsked();

  const DrawingKit& kit_;
  double zoom_;
  int32_t today_;
  DailyRecord daily_;
  BarChart* scores_ = nullptr;
  BarChart* lengths_ = nullptr;
  QPushButton* clear_ = nullptr;
  QStringList lines_;
};

}  // namespace vorpex
