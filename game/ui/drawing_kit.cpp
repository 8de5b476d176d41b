#include "drawing_kit.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>

#include "code_page.h"
#include "found_words.h"
#include "rounding.h"
#include "text_codec.h"

namespace vorpex {

bool isInBox(const ScreenBox& box, float px, float py) {
  return box.x < px && px < box.x + box.w && box.y < py && py < box.y + box.h;
}

namespace {
// "ALLPICDATA.BMP" -> "ALLPICDATA@2x.BMP".
std::string largerSheetPath(const std::string& path, int times) {
  const size_t dot = path.rfind('.');
  const size_t slash = path.find_last_of("/\\");
  const size_t cut = dot == std::string::npos || (slash != std::string::npos && dot < slash) ? path.size() : dot;
  return path.substr(0, cut) + "@" + std::to_string(times) + "x" + path.substr(cut);
}
}  // namespace

DrawingKit::DrawingKit(const std::string& spriteSheetPath)
    : DrawingKit(std::shared_future<QImage>(), spriteSheetPath) {
  sheet_ = readSheet(spriteSheetPath);
}

DrawingKit::DrawingKit(std::shared_future<QImage> sheet, const std::string& spriteSheetPath)
    : pendingSheet_(std::move(sheet)), sheetPath_(spriteSheetPath) {}

const QImage& DrawingKit::sheet() const {
  if (pendingSheet_.valid()) {
    sheet_ = pendingSheet_.get();
    pendingSheet_ = {};
  }
  return sheet_;
}

QImage DrawingKit::readSheet(const std::string& path) {
  QImage loaded(QString::fromStdString(path));
  return loaded.isNull() ? QImage() : loaded.convertToFormat(QImage::Format_RGB32);
}

const QImage& DrawingKit::sheetFor(double scale) const {
  const QImage& single = sheet();
  if (scale <= 1 + 1e-6 || single.isNull()) return single;
  const QImage* best = &single;
  for (int times = 2; times <= 3; ++times) {
    const int k = times - 2;
    if (!largerRead_[k]) {
      largerRead_[k] = true;
      QImage larger = readSheet(largerSheetPath(sheetPath_, times));
      // A sheet of the wrong size would cut pictures in the wrong places.
      if (larger.size() == single.size() * times) {
        larger.setDevicePixelRatio(times);
        larger_[k] = std::move(larger);
      }
    }
    if (!larger_[k].isNull()) best = &larger_[k];
    if (!larger_[k].isNull() && times >= scale - 1e-6) break;
  }
  return *best;
}

namespace {

// The outline of the rectangle (left, top, right, bottom) as the platform
// draws it: the pen inside, on columns left..right-1 and rows top..bottom-1.
// A one-pixel frame on the box's own edge pixels. Drawn as four filled
// strips rather than a stroked rectangle: a stroke is centred on its line,
// so on a surface of more pixels than the layout it reaches half a pixel
// outside the box, where erasing the box later leaves a thin line.
void outline(Surface& surface, const QPen& pen, int left, int top, int right, int bottom) {
  if (right - left < 1 || bottom - top < 1) return;
  QPainter p(&surface.drawOn(QRect(left, top, right - left, bottom - top)));
  const QBrush ink = pen.brush();
  const int w = right - left, h = bottom - top;
  p.fillRect(QRect(left, top, w, 1), ink);
  p.fillRect(QRect(left, bottom - 1, w, 1), ink);
  p.fillRect(QRect(left, top, 1, h), ink);
  p.fillRect(QRect(right - 1, top, 1, h), ink);
}

// Where a tile's face lies on the sheet: glossy for a tile in the rack,
// dimmed for a picked one.
constexpr int kAvailableFaceX = 90;
constexpr int kUsedFaceX = 45;

// Tiles kept at most: every letter of a rack in both looks, at a zoom or two.
constexpr size_t kMostKeptTiles = 256;
// Resampled pieces kept at most: every piece of the board at a zoom or two,
// and a few hundred widths of the progress bar's fill.
constexpr size_t kMostKeptPieces = 512;

QString upper(char letter) {
  return QString(QChar(unicodeOfByte(letterUpper(letter))));
}

}  // namespace

void DrawingKit::copyFromSheet(Surface& surface, const QImage& sheet, int dx, int dy, int sx, int sy, int w, int h,
                               QPainter::CompositionMode mode) const {
  if (sheet.isNull() || w <= 0 || h <= 0) return;
  QPainter p(&surface.drawOn(QRect(dx, dy, w, h)));
  p.setCompositionMode(mode);
  const double k = sheet.devicePixelRatio();
  const QRectF source(sx * k, sy * k, w * k, h * k);
  if (k == surface.scale()) {
    p.drawImage(QPointF(dx, dy), sheet, source);
    return;
  }
  // A sheet of another scale than the surface: the piece is resampled once
  // for each scale and then copied pixel for pixel. Resampling inside a
  // raster operation at every draw took most of a click's time at a large
  // zoom.
  const PieceKey key{surface.scale(), sheet.cacheKey(), sx, sy, w, h};
  auto found = resampled_.find(key);
  if (found == resampled_.end()) {
    QImage piece(static_cast<int>(std::lround(w * surface.scale())), static_cast<int>(std::lround(h * surface.scale())),
                 QImage::Format_RGB32);
    piece.setDevicePixelRatio(surface.scale());
    QPainter resample(&piece);
    resample.setRenderHint(QPainter::SmoothPixmapTransform);
    resample.setCompositionMode(QPainter::CompositionMode_Source);
    resample.drawImage(QRectF(0, 0, w, h), sheet, source);
    resample.end();
    if (resampled_.size() >= kMostKeptPieces) resampled_.clear();
    found = resampled_.emplace(key, std::move(piece)).first;
  }
  p.drawImage(QPointF(dx, dy), found->second);
}

namespace {
std::vector<DrawingKit::DrawnText>* textLog = nullptr;
}  // namespace

void DrawingKit::logTexts(std::vector<DrawnText>* log) { textLog = log; }

void DrawingKit::drawText(Surface& surface, const QRect& rect, const QString& text, const QColor& colour,
                          unsigned format) {
  int flags = 0;
  if (format & kTextCentred) {
    flags |= Qt::AlignHCenter;
  } else if (format & kTextRight) {
    flags |= Qt::AlignRight;
  } else {
    flags |= Qt::AlignLeft;
  }
  if (format & kTextOneLine) {
    flags |= Qt::TextSingleLine;
    if (format & kTextMiddle) {
      flags |= Qt::AlignVCenter;
    } else if (format & kTextBottom) {
      flags |= Qt::AlignBottom;
    } else {
      flags |= Qt::AlignTop;
    }
  } else {
    flags |= Qt::AlignTop;  // vertical alignment applies to single lines only
    if (format & kTextWrap) flags |= Qt::TextWordWrap;
  }
  QPainter p(&surface.drawOn(rect));
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setFont(surface.font());
  p.setPen(colour);
  p.setClipRect(rect);
  p.drawText(rect, flags, text);
  if (textLog) textLog->push_back({text, rect, p.boundingRect(rect, flags, text)});
}

void DrawingKit::fillBox(const ScreenBox& box) const {
  if (!box.surface || box.fill == Ink::none) return;
  QPainter p(&box.surface->drawOn(box.rect()));
  p.fillRect(box.rect(), colour(box.fill));
}

void DrawingKit::clearPicture(Surface& surface, Ink ink) const {
  const QRect whole(0, 0, surface.width(), surface.height());
  QPainter p(&surface.drawOn(whole));
  p.fillRect(whole, colour(ink));
}

void DrawingKit::stretchBackdrop(Surface& surface, int width, int height) const {
  if (sheet().isNull()) return;
  QPainter p(&surface.drawOn(QRect(0, 0, width, height)));
  const QImage& sheet = sheetFor(surface.scale());
  const double k = sheet.devicePixelRatio();
  p.drawImage(QRectF(0, 0, width, height), sheet, QRectF(179 * k, 0, 34 * k, 34 * k));
}

void DrawingKit::drawButton(const ScreenBox& box, FrameStyle frame, bool hot, Shadow shadow,
                            const QString& caption) const {
  if (!box.surface) return;
  Surface& s = *box.surface;
  fillBox(box);
  const int left = box.x, top = box.y, right = box.x + box.w, bottom = box.y + box.h;
  if (frame != FrameStyle::none) {
    if (box.frame != Ink::none) s.selectPen(QPen(colour(box.frame), 1));
    outline(s, s.selectedPen(), left, top, right, bottom);
    if (frame == FrameStyle::doubled) {
      const QPen framePen(colour(Ink::frame), 1);
      s.selectPen(framePen);
      outline(s, framePen, left + 1, top + 1, right - 1, bottom - 1);
    }
  }
  const int shift = shadowShift(shadow);
  drawText(s, QRect(left, top, right - left, bottom - top), caption, colour(Ink::black), kTextCentredLine);
  drawText(s, QRect(left, top, right + shift - left, bottom - shift - top), caption,
           colour(hot ? Ink::hot : box.text), kTextCentredLine);
}

void DrawingKit::drawShadowText(const ScreenBox& box, int shadowOffset, const QString& text,
                                unsigned format) const {
  if (!box.surface) return;
  const int left = box.x, top = box.y, right = box.x + box.w, bottom = box.y + box.h;
  drawText(*box.surface, QRect(left, top, right - left, bottom - top), text, colour(Ink::black), format);
  const int offset = palette_.highContrast ? std::min(shadowOffset, 1) : shadowOffset;
  const int l2 = left + offset, t2 = top - offset;
  drawText(*box.surface, QRect(l2, t2, right - l2, bottom - t2), text, colour(box.text), format);
}

void DrawingKit::copyRounded(Surface& surface, const QRect& place, double radius, Ink under,
                             std::initializer_list<SheetPiece> pieces) const {
  const QImage& sheet = sheetFor(surface.scale());
  if (!palette_.highContrast) {
    for (const SheetPiece& piece : pieces)
      copyFromSheet(surface, sheet, place.x() + piece.dx, place.y() + piece.dy, piece.sx, piece.sy, piece.w, piece.h);
    return;
  }
  // The sheet's cells keep the classic background in the shape's rounded
  // corners: the shape is cut out along its edge and laid on what lies
  // under it in this palette.
  Surface cut(place.width(), place.height());
  cut.setScale(surface.scale());
  for (const SheetPiece& piece : pieces)
    copyFromSheet(cut, sheet, piece.dx, piece.dy, piece.sx, piece.sy, piece.w, piece.h);
  QImage shape = cut.image().convertToFormat(QImage::Format_ARGB32_Premultiplied);
  {
    // A composition mode acts only where its source is drawn: the mask is a
    // whole image, opaque inside the shape and clear outside it.
    QImage mask(shape.size(), QImage::Format_ARGB32_Premultiplied);
    mask.setDevicePixelRatio(shape.devicePixelRatio());
    mask.fill(Qt::transparent);
    QPainter m(&mask);
    m.setRenderHint(QPainter::Antialiasing);
    m.setPen(Qt::NoPen);
    m.setBrush(Qt::black);
    m.drawRoundedRect(QRectF(0, 0, place.width(), place.height()), radius, radius);
    m.end();
    QPainter p(&shape);
    p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    p.drawImage(0, 0, mask);
  }
  QPainter p(&surface.drawOn(place));
  p.fillRect(place, colour(under));
  p.drawImage(place.topLeft(), shape);
}

void DrawingKit::drawSprite(const ScreenBox& box, Sprite sprite, bool hot) const {
  if (!box.surface) return;
  int sx = 0, sy = 0;
  // The arrows lie on the light board, the title on the menu's dark green.
  double radius = kArrowRadius;
  Ink under = Ink::light;
  switch (sprite) {
    case Sprite::upArrow: sx = hot ? 121 : 0; sy = 193; break;
    case Sprite::downArrow: sx = hot ? 121 : 0; sy = 215; break;
    case Sprite::title:
      sx = 0;
      sy = 87;
      radius = kTitleRadius;
      under = Ink::dark;
      break;
  }
  copyRounded(*box.surface, box.rect(), radius, under, {{0, 0, sx, sy, box.w, box.h}});
}

void DrawingKit::copyTile(Surface& surface, int x, int y, int size, int faceX) const {
  if (palette_.highContrast) {
    // A flat face, without the gloss that a light letter would not stand out from.
    QPainter p(&surface.drawOn(QRect(x, y, size, size)));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour(faceX == kAvailableFaceX ? Ink::tileFace : Ink::usedTileFace));
    p.drawRoundedRect(QRectF(x + 1, y + 1, std::min(size, 40) - 2, std::min(size, 40) - 2), 8, 8);
    return;
  }
  const QImage& sheet = sheetFor(surface.scale());
  copyFromSheet(surface, sheet, x, y, 0, 0, size, size, QPainter::RasterOp_SourceOrDestination);
  copyFromSheet(surface, sheet, x, y, faceX, 0, size, size, QPainter::RasterOp_SourceAndDestination);
}

void DrawingKit::paintLetterTile(Surface& s, const QRect& box, char letter, bool available) const {
  {
    QPainter p(&s.drawOn(box));
    p.fillRect(box, colour(Ink::light));
  }
  copyTile(s, box.x(), box.y(), box.width(), available ? kAvailableFaceX : kUsedFaceX);
  const QString text = upper(letter);
  drawText(s, box, text, colour(Ink::black), kTextCentredLine);
  drawText(s, QRect(box.x() + 2, box.y() - 2, box.width() - 2, box.height() + 2), text,
           colour(available ? Ink::tileLetter : Ink::usedTileLetter), kTextCentredLine);
}

void DrawingKit::drawLetterTile(const ScreenBox& box, char letter, bool available) const {
  if (!box.surface) return;
  Surface& s = *box.surface;
  // Each look of a tile is painted once and then copied: a click redraws
  // the whole rack, which at a large zoom is a million pixels of masks,
  // faces and letters.
  const TileKey key{s.scale(), s.font().key(), letter, available, box.w, box.h};
  auto found = tiles_.find(key);
  if (found == tiles_.end()) {
    if (tiles_.size() >= kMostKeptTiles) tiles_.clear();
    Surface tile(box.w, box.h);
    tile.setScale(s.scale());
    tile.font() = s.font();
    paintLetterTile(tile, QRect(0, 0, box.w, box.h), letter, available);
    found = tiles_.emplace(key, std::as_const(tile).image()).first;
  }
  QPainter p(&s.drawOn(box.rect()));
  p.drawImage(box.rect().topLeft(), found->second);
}

void DrawingKit::drawRack(const OneBased<ScreenBox>& tileBoxes, const GameState& state) const {
  for (size_t i = 1; i <= static_cast<size_t>(state.rackLength); ++i)
    drawLetterTile(tileBoxes(i), static_cast<char>(state.rack(i)), state.tileUsed(i) != 1);
}

void DrawingKit::drawSlots(const ScreenBox& box, int filled, const std::string& letters, int16_t width) const {
  if (!box.surface) return;
  Surface& s = *box.surface;
  const int n = width, slot = box.w, inset = box.h;
  {
    const QRect row(box.x, box.y, n * slot, slot + 2);
    QPainter p(&s.drawOn(row));
    p.fillRect(row, colour(Ink::light));
  }
  for (int i = 1; i <= n; ++i) {
    const int left = box.x + (i - 1) * kUnitSize + inset, top = box.y + inset + 1;
    const int right = box.x + i * kUnitSize - inset, bottom = box.y + slot + 2;
    if (i <= filled) {
      copyTile(s, left, top, slot - 2 * inset, kAvailableFaceX);
      drawText(s, QRect(left, top, right - left, bottom - top), upper(letters[static_cast<size_t>(i - 1)]),
               colour(Ink::usedTileLetter), kTextCentredLine);
    }
  }
  const QPen framePen(colour(Ink::frame), 1);
  s.selectPen(framePen);
  for (int i = 1; i <= n; ++i)
    outline(s, framePen, box.x + (i - 1) * kUnitSize, box.y, box.x + i * kUnitSize, box.y + slot + 2);
}

void DrawingKit::drawAnswerSlots(const ScreenBox& box, const GameState& state) const {
  std::string letters;
  for (int k = 1; k <= state.selCount; ++k)
    letters += static_cast<char>(state.rack(static_cast<size_t>(state.selOrder(static_cast<size_t>(k)))));
  drawSlots(box, state.selCount, letters, state.boardWidth);
}

void DrawingKit::drawWordInSlots(const ScreenBox& box, const std::string& word, const GameState& state) const {
  drawSlots(box, std::min<int>(static_cast<int>(word.size()), state.boardWidth), word, state.boardWidth);
}

void DrawingKit::drawWordList(const ScreenBox& box, const OneBased<std::string>& words, int32_t count,
                              int32_t first, int32_t selected, const GameState& state) const {
  if (!box.surface) return;
  Surface& s = *box.surface;
  {
    const QRect list(box.x, box.y, 8 * box.w, kVisibleListRows * box.h);
    QPainter p(&s.drawOn(list));
    p.fillRect(list, colour(Ink::dark));
  }
  count = std::min<int32_t>(count, static_cast<int32_t>(words.size()));
  if (count <= 0 || first < 1) return;
  const int32_t last = std::min(count - first, 12);
  for (int32_t j = 0; j <= last; ++j) {
    const int32_t i = first + j;
    const std::string& word = words(static_cast<size_t>(i));
    const bool found = findFoundWord(state, word) != -1;
    const QColor& ink = colour(found ? Ink::hot : Ink::caption);
    const int top = box.y + j * box.h, bottom = top + box.w;
    const QFont font = s.font();
    if (palette_.highContrast) {
      // Missed words lighter and slanted, not in another colour only.
      s.font().setBold(found);
      s.font().setItalic(!found);
    }
    drawText(s, QRect(box.x + box.w, top, 7 * box.w, box.w), fromAnsi(word), ink, kTextMiddle | kTextOneLine);
    s.font() = font;
    if (selected == i) outline(s, s.selectedPen(), box.x, top, box.x + 8 * box.w, bottom);
  }
}

void DrawingKit::drawProgressBar(const ScreenBox& box, double percent) const {
  if (!box.surface) return;
  const int filled = roundHalfEven(std::clamp(percent, 0.0, 100.0) * 292 / 100);
  const int bx = box.x + roundHalfEven((7 * kUnitSize - 292) / 2.0);
  copyRounded(*box.surface, QRect(bx, box.y, 292, kSpriteRowHeight), kStripRadius, Ink::light,
              {{filled, 0, filled, 46, 292 - filled, kSpriteRowHeight}, {0, 0, 0, 67, filled, kSpriteRowHeight}});
}

}  // namespace vorpex
