#include "meanings_dialog.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <algorithm>

#include "text_codec.h"

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

constexpr int kButtonArea = kMargin + 30 + kMargin;  // the OK button under the text
// Room the window's frame and a panel of the desktop may take.
constexpr int kFrameAllowance = 64;

// The tallest window, in the layout's pixels, that the screen the window
// opens on shows whole at the window's zoom.
int tallestOnScreen(const QWidget* parent) {
  const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
  if (!screen) return 10000;
  return std::max(200, static_cast<int>((screen->availableGeometry().height() - kFrameAllowance) / windowZoom(parent)));
}

int dialogHeight(const QString& heading, const QStringList& senses, const QWidget* parent) {
  int h = kMargin + heightOf(heading, textFont(true)) + 2 * kGap;
  for (const QString& sense : senses) h += heightOf(sense, textFont(false)) + kGap;
  return std::min(h + kButtonArea, tallestOnScreen(parent));
}
}  // namespace

MeaningsDialog::MeaningsDialog(const DrawingKit& kit, const QString& heading, const QStringList& senses,
                               QWidget* parent)
    : OkButtonDialog(kit, kWidth, dialogHeight(heading, senses, parent), translatedText("Meanings"), parent) {
  Surface& s = surface();
  const ScreenBox background{&s, 0, 0, s.width(), s.height(), false, Ink::light, Ink::none, Ink::black, 0};
  kit.fillBox(background);
  {
    QPainter p(&s.image());
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(kit.colour(Ink::black));  // dark on light: glosses are read, not glanced at
    int y = kMargin;
    p.setFont(textFont(true));
    QRect drawn;
    p.drawText(QRect(kMargin, y, kTextWidth, 10000), Qt::TextWordWrap, heading, &drawn);
    y += drawn.height() + 2 * kGap;
    p.setFont(textFont(false));
    // Senses that would reach the OK button are left out, and "…" says so.
    const int bottom = s.height() - kButtonArea;
    for (const QString& sense : senses) {
      if (y + heightOf(sense, p.font()) > bottom) {
        p.drawText(QRect(kMargin, y, kTextWidth, bottom - y), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("\u2026"));
        break;
      }
      p.drawText(QRect(kMargin, y, kTextWidth, 10000), Qt::TextWordWrap, sense, &drawn);
      y += drawn.height() + kGap;
    }
  }
  s.setFont("Arial", 12, false);
  placeOkButton(s.height() - kMargin - 30, "OK", Shadow::resting);
  describeTextAndOk(heading + ". " + senses.join(" "), QRect(kMargin, kMargin, kTextWidth, s.height() - kButtonArea - kMargin));
  s.refresh();
}

}  // namespace vorpex
