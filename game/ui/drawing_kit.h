// The drawing kit: the shared drawing resources (sprite sheet and the
// palette it draws with), the ScreenBox that every drawable or clickable
// rectangle is, and the operations every screen is drawn with. Nothing here
// knows the rules of the game; callers pass what to show. No operation
// refreshes a surface; the caller does, and the refresh shows again just
// what the operations since the last one touched.
#pragma once

#include <QImage>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <future>
#include <initializer_list>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "game_state.h"
#include "palette.h"
#include "surface.h"

namespace vorpex {

constexpr int16_t kUnitSize = 44;  // the layout unit, pixels

// How drawText places a text in its rectangle: one horizontal placement,
// one vertical (which applies to a single line only), and whether the text
// is one line, breaks at its own line breaks, or also between words to fit
// the rectangle's width.
enum TextFormat : unsigned {
  kTextLeft = 0,
  kTextCentred = 1,
  kTextRight = 2,
  kTextTop = 0,
  kTextMiddle = 4,
  kTextBottom = 8,
  kTextOneLine = 32,
  kTextWrap = 64,
};
constexpr unsigned kTextCentredLine = kTextCentred | kTextMiddle | kTextOneLine;

// A button's frame: none, one outline in its own pen, or that outline and a
// second in the palette's frame colour inside it.
enum class FrameStyle { none = 0, single = 1, doubled = 2 };

// How far a button's caption stands right of and above its black shadow.
enum class Shadow { tight = 2, resting = 4, lit = 6, litFar = 8 };

// The pictures of the sprite sheet, by the numbers the drawing code uses.
enum class Sprite { upArrow = 3, downArrow = 4, title = 5 };

struct ScreenBox {
  Surface* surface = nullptr;  // the surface the box lies on
  int32_t x = 0, y = 0, w = 0, h = 0;
  bool isHot = false;          // the pointer is over it; kept by the hover handlers
  Ink fill = Ink::none;        // none: fillBox leaves it as it is
  Ink frame = Ink::none;       // none: outlines use the surface's selected pen
  Ink text = Ink::black;
  int32_t state = 0;           // 1 marks an active panel button; the stats header's view

  QRect rect() const { return {x, y, w, h}; }
};

// Strictly inside on all four sides: a point on an edge is outside.
bool isInBox(const ScreenBox& box, float px, float py);

class DrawingKit {
 public:
  // The classic palette, and the sprite sheet loaded from
  // `spriteSheetPath`. A missing or unreadable sheet is not an error:
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
  DrawingKit(const DrawingKit&) = delete;
  DrawingKit& operator=(const DrawingKit&) = delete;

  const QImage& sheet() const;
  // The sheet for a surface of `scale`: the one nearest at or above it
  // (1x, 2x or 3x; the largest there is past that), its device pixel ratio
  // its own scale. The 1x sheet when no larger one can be read.
  const QImage& sheetFor(double scale) const;

  // The palette every later drawing uses; what is on screen keeps its
  // colours until drawn again.
  const Palette& palette() const { return palette_; }
  void setPalette(const Palette& palette) {
    palette_ = palette;
    tiles_.clear();
  }
  const QColor& colour(Ink ink) const { return palette_[ink]; }

  void fillBox(const ScreenBox& box) const;
  void clearPicture(Surface& surface, Ink ink) const;
  void stretchBackdrop(Surface& surface, int width, int height) const;
  // The box filled and framed; the caption drawn black, then again in its
  // colour (the palette's hot colour when `hot`) in the rectangle widened
  // right and raised at the bottom by `shadow`.
  void drawButton(const ScreenBox& box, FrameStyle frame, bool hot, Shadow shadow, const QString& caption) const;
  // The text in black, then in the box's colour `shadowOffset` pixels up and
  // right, placed by `format`.
  void drawShadowText(const ScreenBox& box, int shadowOffset, const QString& text, unsigned format) const;
  // The picture in its normal or hot cell.
  void drawSprite(const ScreenBox& box, Sprite sprite, bool hot) const;
  void drawLetterTile(const ScreenBox& box, char letter, bool available) const;
  void drawRack(const OneBased<ScreenBox>& tileBoxes, const GameState& state) const;
  // box.w is the slot side, box.h the tile inset.
  void drawAnswerSlots(const ScreenBox& box, const GameState& state) const;
  void drawWordInSlots(const ScreenBox& box, const std::string& word, const GameState& state) const;
  // box.w is the indent and row height, box.h the row pitch; up to 13 rows
  // from `first`; found words in the hot colour; row `selected` framed.
  void drawWordList(const ScreenBox& box, const OneBased<std::string>& words, int32_t count, int32_t first,
                    int32_t selected, const GameState& state) const;
  void drawProgressBar(const ScreenBox& box, double percent) const;

  // How many drawn pieces and tiles the kit keeps for drawing them again:
  // bounded, whatever is drawn at whatever scale.
  size_t keptImages() const { return resampled_.size() + tiles_.size(); }

  // Draws `text` with the surface's font in `colour`, placed by `format`,
  // transparent background, broken only at its own line breaks.
  static void drawText(Surface& surface, const QRect& rect, const QString& text, const QColor& colour,
                       unsigned format);

  // A text drawn: the box it was given and the room it took there at its
  // surface's scale, in logical pixels (needed wider than box: it was cut).
  struct DrawnText {
    QString text;
    QRect box;
    QRect needed;
  };
  // Every text drawText draws from now on, on any surface, is added to `log`
  // (nullptr stops): lets tests measure each caption against its box.
  static void logTexts(std::vector<DrawnText>* log);

 private:
  // Copies the sheet's logical rectangle (sx, sy, w, h) to (dx, dy) in
  // `mode`; the source is in the sheet's own pixels, its ratio applied.
  void copyFromSheet(Surface& surface, const QImage& sheet, int dx, int dy, int sx, int sy, int w, int h,
                     QPainter::CompositionMode mode = QPainter::CompositionMode_Source) const;
  // A letter tile as drawLetterTile shows it, painted afresh on `box`.
  void paintLetterTile(Surface& surface, const QRect& box, char letter, bool available) const;
  // The tile mask ORed in, then `faceX`'s face ANDed in: the transparent copy.
  void copyTile(Surface& surface, int x, int y, int size, int faceX) const;
  void drawSlots(const ScreenBox& box, int filled, const std::string& letters, int16_t width) const;

  // At most this far (pixels) from its black shadow a caption is drawn in
  // high contrast, so that the two read as one.
  int shadowShift(Shadow wanted) const {
    return palette_.highContrast ? std::min(static_cast<int>(wanted), 2) : static_cast<int>(wanted);
  }

  // One rectangle of the sheet copied to (dx, dy) of a place.
  struct SheetPiece {
    int dx, dy, sx, sy, w, h;
  };
  // Copies `pieces` of the sheet into `place` on `surface`, which together
  // make one shape with corners of `radius`. Classic: copied as they are.
  // High contrast: the corners show `under`, this palette's background there.
  void copyRounded(Surface& surface, const QRect& place, double radius, Ink under,
                   std::initializer_list<SheetPiece> pieces) const;
  // The sprites' rows and the rounding of their shapes' outer edges, as
  // the sprite painter draws them.
  static constexpr int kSpriteRowHeight = 20;
  static constexpr double kArrowRadius = 6.5;
  static constexpr double kStripRadius = 9.5;
  static constexpr double kTitleRadius = 13;

  Palette palette_ = Palette::classic();
  mutable std::shared_future<QImage> pendingSheet_;  // valid until first drawn from
  mutable QImage sheet_;
  std::string sheetPath_;
  // Pieces of a sheet resampled to a surface's scale, by scale, sheet and
  // rectangle: a few dozen for any one scale, but the progress bar's fill
  // is a piece of its own for every width, so they are kept only up to a
  // bound.
  using PieceKey = std::tuple<double, qint64, int, int, int, int>;
  mutable std::map<PieceKey, QImage> resampled_;
  // Letter tiles as painted, by scale, font, letter, look and size; in the
  // palette of the time (a new palette starts afresh).
  using TileKey = std::tuple<double, QString, char, bool, int, int>;
  mutable std::map<TileKey, QImage> tiles_;
  // The 2x and 3x sheets, read at first use (a null image: none there).
  mutable QImage larger_[2];
  mutable bool largerRead_[2] = {false, false};
};

}  // namespace vorpex
