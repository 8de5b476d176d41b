// A bar chart drawn with QPainter in the game's palette: one bar a figure,
// its value above it and its label below, at any zoom and in high contrast.
// A screen reader reads it as its title with every figure in words.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <vector>

#include "palette.h"

namespace vorpex {

class BarChart : public QWidget {
 public:
  // `title` names the chart; `labels` and `values` go bar by bar, left to
  // right (the same number of each). Drawn `zoom` times its size of 100 %.
  BarChart(const QString& title, QStringList labels, std::vector<int64_t> values, const Palette& palette, double zoom,
           QWidget* parent);

  const std::vector<int64_t>& values() const { return values_; }
  // "Title: label value, label value ..." (or "Title: none"), what a screen
  // reader is told.
  QString spokenText() const;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString title_;
  QStringList labels_;
  std::vector<int64_t> values_;
  const Palette& palette_;
  double zoom_;
};

}  // namespace vorpex
