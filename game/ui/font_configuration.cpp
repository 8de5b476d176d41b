#include "font_warm_up.h"

#include <QFont>
#include <QImage>
#include <QPainter>

namespace vorpex {

FontWarmUp::FontWarmUp(const QStringList& families, int pixelSize)
    : thread_([families, pixelSize] {
        QImage scratch(64, 32, QImage::Format_RGB32);
        QPainter painter(&scratch);
        for (const QString& family : families) {
          QFont font(family);
          font.setBold(true);
          font.setStyleStrategy(QFont::PreferAntialias);
          font.setPixelSize(pixelSize);
          painter.setFont(font);
          // Upper and lower case and digits: the glyphs of the first captions.
          painter.drawText(0, 24, QStringLiteral("ACDEFHILMNOPSTVaeilnorst0123456789"));
        }
      }) {}

FontWarmUp::~FontWarmUp() {
  if (thread_.joinable()) thread_.join();
}

}  // namespace vorpex
