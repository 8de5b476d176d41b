#include "meanings_dialog.h"

#include <QFontMetrics>
#include <QPainter>


namespace vorpex {

namespace {
constexpr int kWidth = 440;
constexpr int kMargin = 16;
constexpr int kGap = 6;  // between senses
constexpr int kTextWidth = kWidth - 2 * kMargin;

QFont textFont(bool bold) {
  QFont font("Arial");
  font.setPixelSize(pointsToPixels(10));
  font.setBold(bold);
  return font;
}

int heightOf(const QString& text, const QFont& font) {
  return QFontMetrics(font).boundingRect(QRect(0, 0, kTextWidth, 10000), Qt::TextWordWrap, text).height();
}

int dialogHeight(const QString& heading, const QStringList& senses) {
  int h = kMargin + heightOf(heading, textFont(true)) + 2 * kGap;
  for (const QString& sense : senses) h += heightOf(sense, textFont(false)) + kGap;
  return h + kMargin + 30 + kMargin;  // the OK button under the text
}
}  // namespace

MeaningsDialog::MeaningsDialog(const DrawingKit& kit, const QString& heading, const QStringList& senses,
                               QWidget* parent)
    : OkButtonDialog(kit, kWidth, dialogHeight(heading, senses), "Meanings", parent) {
  Surface& s = surface();
  const ScreenBox background{&s, 0, 0, s.width(), s.height(), false, &kit.brLight, nullptr, {}, 0};
  kit.fillBox(background);
  {
    QPainter p(&s.image());
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QColor(0, 0, 0));  // dark on light: glosses are read, not glanced at
    int y = kMargin;
    p.setFont(textFont(true));
    QRect drawn;
    p.drawText(QRect(kMargin, y, kTextWidth, 10000), Qt::TextWordWrap, heading, &drawn);
    y += drawn.height() + 2 * kGap;
    p.setFont(textFont(false));
    for (const QString& sense : senses) {
      p.drawText(QRect(kMargin, y, kTextWidth, 10000), Qt::TextWordWrap, sense, &drawn);
      y += drawn.height() + kGap;
    }
  }
  s.setFont("Arial", 12, false);
  placeOkButton(s.height() - kMargin - 30, "OK");
  s.refresh();
}

}  // namespace vorpex
