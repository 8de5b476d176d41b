#include "bar_chart.h"

#include <QPainter>
#include <algorithm>

#include "surface.h"
#include "text_codec.h"
#include "translations.h"

namespace vorpex {

namespace {
// At 100 %: the chart's size and the room kept for the title, the figures
// above the bars and the labels under them.
constexpr int kWidth = 440, kHeight = 170, kTitleRoom = 22, kValueRoom = 14, kLabelRoom = 16, kSide = 8;
}  // namespace

BarChart::BarChart(const QString& title, QStringList labels, std::vector<int64_t> values, const Palette& palette,
                   double zoom, QWidget* parent)
    : QWidget(parent),
      title_(title),
      labels_(std::move(labels)),
      values_(std::move(values)),
      palette_(palette),
      zoom_(zoom) {
  setAccessibleName(title_);
  setAccessibleDescription(spokenText());
  setMinimumSize(sizeHint());
  setToolTip(spokenText());
  setFocusPolicy(Qt::TabFocus);  // reachable with Tab, so a reader comes to it
}

QString BarChart::spokenText() const {
  QStringList figures;
  for (size_t i = 0; i < values_.size() && i < static_cast<size_t>(labels_.size()); ++i)
    figures << labels_[static_cast<qsizetype>(i)] + QStringLiteral(" ") + QString::number(values_[i]);
  return title_ + QStringLiteral(": ") +
         (figures.isEmpty() ? translatedText("none") : figures.join(QStringLiteral(", ")));
}

QSize BarChart::sizeHint() const { return {zoomed(kWidth, zoom_), zoomed(kHeight, zoom_)}; }

void BarChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.fillRect(rect(), palette_[Ink::light]);
  const QColor ink = palette_[Ink::black];
  painter.setPen(ink);
  painter.setFont(zoomedFont(QStringLiteral("Arial"), 10, true, zoom_));
  const int titleRoom = zoomed(kTitleRoom, zoom_), valueRoom = zoomed(kValueRoom, zoom_),
            labelRoom = zoomed(kLabelRoom, zoom_), side = zoomed(kSide, zoom_);
  painter.drawText(QRect(side, 0, width() - 2 * side, titleRoom), Qt::AlignLeft | Qt::AlignVCenter, title_);
  const QRect plot(side, titleRoom + valueRoom, width() - 2 * side, height() - titleRoom - valueRoom - labelRoom);
  painter.drawLine(plot.bottomLeft(), plot.bottomRight());
  if (values_.empty()) return;
  const int64_t most = std::max<int64_t>(1, *std::max_element(values_.begin(), values_.end()));
  const int slot = plot.width() / static_cast<int>(values_.size());
  const int bar = std::max(1, slot * 2 / 3);
  painter.setFont(zoomedFont(QStringLiteral("Arial"), 8, false, zoom_));
  // Narrow bars (the last thirty games) carry no figure and every fifth
  // label: the figures are the spoken text's, and the tooltip's.
  const bool roomy = slot >= zoomed(30, zoom_);
  for (size_t i = 0; i < values_.size(); ++i) {
    const int x = plot.left() + static_cast<int>(i) * slot + (slot - bar) / 2;
    const int h = static_cast<int>(plot.height() * std::max<int64_t>(0, values_[i]) / most);
    const QRect body(x, plot.bottom() - h, bar, h);
    painter.fillRect(body, palette_[Ink::dark]);
    painter.setPen(palette_[Ink::frame]);
    painter.drawRect(body.adjusted(0, 0, -1, -1));
    painter.setPen(ink);
    if (roomy)
      painter.drawText(QRect(x - slot / 2, body.top() - valueRoom, bar + slot, valueRoom), Qt::AlignCenter,
                       QString::number(values_[i]));
    if (i < static_cast<size_t>(labels_.size()) && (roomy || i % 5 == 4))
      painter.drawText(QRect(x - slot / 2, plot.bottom() + 1, bar + slot, labelRoom), Qt::AlignCenter,
                       labels_[static_cast<qsizetype>(i)]);
  }
}

}  // namespace vorpex
