// The drawing kit: the shared drawing resources (sprite sheet, palette, two
// brushes, one pen), the ScreenBox that every drawable or clickable rectangle
// is, and the fourteen operations every screen is drawn with. Nothing here
// knows the rules of the game; callers pass what to show. No operation
// refreshes a surface; the caller does.
#pragma once

#include <QBrush>
#include <initializer_list>
#include <QColor>
#include <QImage>
#include <QPen>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <future>
#include <string>

#include "game_state.h"
#include "surface.h"

namespace vorpex {

constexpr int16_t unitSize = 44;  // the layout unit, pixels

// Text format flags, as the platform's text call numbers them.
constexpr int DT_CENTER = 1;
constexpr int DT_VCENTER = 4;
constexpr int DT_BOTTOM = 8;
constexpr int DT_SINGLELINE = 32;

struct ScreenBox {
  Surface* surface = nullptr;  // the surface the box lies on
  int32_t x = 0, y = 0, w = 0, h = 0;
  bool isHot = false;          // the pointer is over it; kept by the hover handlers
  const QBrush* hBrush = nullptr;
  const QPen* hPen = nullptr;  // null: outlines use the surface's selected pen
  QColor textColor{0, 0, 0};
  int32_t state = 0;           // 1 marks an active panel button; the stats header's view
};

// Strictly inside on all four sides: a point on an edge is outside.
bool isInBox(const ScreenBox& box, float px, float py);

class DrawingKit {
 public:
  // initGraphics: the palette, brushes and pen, and the sprite sheet loaded
  // from `spriteSheetPath`. A missing or unreadable sheet is not an error:
  // pictures then draw nothing. Sheets painted at two and three times the
  // size ("ALLPICDATA@2x.BMP", "@3x") beside it are read when a surface
  // first needs them.
  explicit DrawingKit(const std::string& spriteSheetPath);
  // The same, with the sheet being read (readSheet) from spriteSheetPath
  // on another thread, and waited for only when first drawn from: windows
  // are built and their text drawn meanwhile. Its larger sheets are still
  // found beside it.
  DrawingKit(std::shared_future<QImage> sheet, const std::string& spriteSheetPath);
  // A sheet file in the form the kit draws from; a null image when it is
  // missing or unreadable. Safe on any thread once the application exists.
  static QImage readSheet(const std::string& path);
  DrawingKit(const DrawingKit&) = delete;  // boxes point at its brushes
  DrawingKit& operator=(const DrawingKit&) = delete;

  const QImage& sheet() const;
  // The sheet for a surface of `scale`: the one nearest at or above it
  // (1x, 2x or 3x; the largest there is past that), its device pixel ratio
  // its own scale. The 1x sheet when no larger one can be read.
  const QImage& sheetFor(double scale) const;

  // The palette, the classic one or the high-contrast one. Boxes keep
  // pointers to the brushes and copies of the colours: after a switch the
  // windows lay their boxes out again.
  const QBrush& brLight = light_;
  const QBrush& brDark = dark_;
  const QPen& penFrame = frame_;
  const QColor& clrHot = hot_;
  const QColor& clrText = text_;
  const QColor& clrValue = value_;
  const QColor& clrDark = darkText_;

  // "High contrast": a palette in which every text reads at 4.5:1 or more
  // against what lies under it, letter tiles with flat faces, found and
  // missed words in the results set apart by weight and slant as well as
  // colour, and captions that keep close to their shadows. Off: the classic
  // look, exactly.
  void setHighContrast(bool on);
  bool highContrast() const { return highContrast_; }

  void fillBox(const ScreenBox& box) const;
  void clearPicture(Surface& surface, const QBrush& brush) const;
  void stretchBackdrop(Surface& surface, int width, int height) const;
  // frameStyle 1 one outline, 2 two, else none; the caption is drawn black,
  // then again in its colour in the rectangle widened right and raised at the
  // bottom by shadowShift.
  void drawButton(const ScreenBox& box, int frameStyle, bool hot, int shadowShift, const QString& caption) const;
  // format -1 means DT_VCENTER alone: multi-line text from the top left.
  void drawShadowText(const ScreenBox& box, int shadowOffset, const QString& text, int format) const;
  // pictureId 3 up arrow, 4 down arrow (normal or hot cell), 5 the title.
  void drawSprite(const ScreenBox& box, int pictureId, bool hot) const;
  void drawLetterTile(const ScreenBox& box, char letter, bool available) const;
  void drawRack(const OneBased<ScreenBox>& tileBoxes, const GameState& state) const;
  // box.w is the slot side, box.h the tile inset.
  void drawAnswerSlots(const ScreenBox& box, const GameState& state) const;
  void drawWordInSlots(const ScreenBox& box, const std::string& word, const GameState& state) const;
  // box.w is the indent and row height, box.h the row pitch; up to 13 rows
  // from `first`; found words in clrHot; row `selected` framed.
  void drawWordList(const ScreenBox& box, const OneBased<std::string>& words, int32_t count, int32_t first,
                    int32_t selected, const GameState& state) const;
  void drawProgressBar(const ScreenBox& box, double percent) const;

  // Draws `text` with the surface's font in `colour` and the platform text
  // flags `format` (DT_*), transparent background, broken only at its own
  // line breaks.
  static void drawText(Surface& surface, const QRect& rect, const QString& text, const QColor& colour,
                       int format);

 private:
  // The tile mask ORed in, then `faceX`'s face ANDed in: the transparent copy.
  void copyTile(Surface& surface, int x, int y, int size, int faceX) const;
  void drawSlots(const ScreenBox& box, int filled, const std::string& letters, int16_t width) const;

  // At most this far (pixels) from its black shadow a caption is drawn in
  // high contrast, so that the two read as one.
  int shadowShift(int wanted) const { return highContrast_ ? std::min(wanted, 2) : wanted; }

  // One rectangle of the sheet copied to (dx, dy) of a place.
  struct SheetPiece {
    int dx, dy, sx, sy, w, h;
  };
  // Copies `pieces` of the sheet into `place` on `surface`, which together
  // make one shape with corners of `radius`. Classic: copied as they are.
  // High contrast: the corners show `under`, this palette's background there.
  void copyRounded(Surface& surface, const QRect& place, double radius, const QBrush& under,
                   std::initializer_list<SheetPiece> pieces) const;
  // The sprites' rows and the rounding of their shapes' outer edges, as
  // the sprite painter draws them.
  static constexpr int kSpriteRowHeight = 20;
  static constexpr double kArrowRadius = 6.5;
  static constexpr double kStripRadius = 9.5;
  static constexpr double kTitleRadius = 13;

  QBrush light_, dark_;
  QPen frame_;
  QColor hot_, text_, value_, darkText_;
  bool highContrast_ = false;
  mutable std::shared_future<QImage> pendingSheet_;  // valid until first drawn from
  mutable QImage sheet_;
  std::string sheetPath_;
  // The 2x and 3x sheets, read at first use (a null image: none there).
  mutable QImage larger_[2];
  mutable bool largerRead_[2] = {false, false};
};

}  // namespace vorpex
