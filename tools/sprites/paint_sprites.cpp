// vorpex-sprites: paints the sprite sheet ALLPICDATA.BMP, or the program's
// icon for the desktop's menus and the window frame.
//
//   vorpex-sprites OUT.BMP
//   vorpex-sprites --scale 2 OUT.BMP  (the same sheet at 2 or 3 times the size,
//                                      for screens of more pixels per point)
//   vorpex-sprites --icon OUT.PNG [SIZE]   (SIZE x SIZE, 256 unless given, 16 to
//                                           1024: a lettered tile on transparency;
//                                           OUT.ICO: the same as a Windows icon)
//
// A 292 x 235 sheet (times the scale). Cells (x, y, size): tile mask (0, 0, 44x44), dimmed tile face (45, 0),
// normal tile face (90, 0), backdrop texture (179, 0, 34x34), empty and full
// progress strips (0, 46) and (0, 67), 292x20, the title (0, 87, 200x101),
// and the up and down arrows, normal at x 0 and lit at x 121, at y 193 and
// 215, 120x20. Everything is drawn from shapes and gradients, no fonts, so
// the same program always paints the same bytes.
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int kSheetWidth = 292;  // the progress strips are 292 wide
constexpr int kSheetHeight = 235;

// The tile: a rounded square from (1, 1) to (38, 38) in its 44-pixel cell,
// with hard edges, because the mask and face are combined with OR and AND.
// The answer slots show the cell's top-left 40 x 40 only, so the tile lies
// whole inside that, with a pixel to spare on every side.
constexpr double kTileLeft = 1, kTileRight = 38;

// Whether the point (px, py), in the cell's logical pixels, lies on the tile.
bool onTile(double px, double py) {
  constexpr double left = kTileLeft, top = kTileLeft, right = kTileRight + 1, bottom = kTileRight + 1, radius = 8;
  const double cx = std::clamp(px, left + radius, right - radius);
  const double cy = std::clamp(py, top + radius, bottom - radius);
  const double dx = px - cx, dy = py - cy;
  return px >= left && px < right && py >= top && py < bottom && dx * dx + dy * dy <= radius * radius;
}

// Whether the sheet pixel (x, y) of a cell painted at `scale` is on the
// tile: its centre, in logical pixels.
bool insideTile(int x, int y, int scale) { return onTile((x + 0.5) / scale, (y + 0.5) / scale); }

void paintTileMask(QImage& sheet, int scale) {
  for (int y = 0; y < 44 * scale; ++y)
    for (int x = 0; x < 44 * scale; ++x) sheet.setPixel(x, y, insideTile(x, y, scale) ? 0xFFFFFFFFu : 0xFF000000u);
}

// A glossy face: a vertical gradient, a lighter rim, and a soft highlight
// over the upper half; white outside the tile.
void paintTileFace(QImage& sheet, int originX, QColor top, QColor bottom, double gloss, int scale) {
  QImage face(44 * scale, 44 * scale, QImage::Format_RGB32);
  {
    QPainter p(&face);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    constexpr double side = kTileRight + 1 - kTileLeft, middle = kTileLeft + side / 2;
    QLinearGradient body(0, kTileLeft, 0, kTileRight + 1);
    body.setColorAt(0, top);
    body.setColorAt(1, bottom);
    p.fillRect(0, 0, 44, 44, body);
    QRadialGradient shine(middle, kTileLeft + 4, 24, middle, kTileLeft - 2);
    shine.setColorAt(0, QColor(255, 255, 255, static_cast<int>(180 * gloss)));
    shine.setColorAt(0.6, QColor(255, 255, 255, static_cast<int>(40 * gloss)));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    QPainterPath upper;
    upper.addRoundedRect(QRectF(kTileLeft + 3, kTileLeft + 2, side - 6, side / 2 - 2), 7, 7);
    p.fillPath(upper, shine);
    p.setPen(QPen(top.lighter(150), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(kTileLeft + 1, kTileLeft + 1, side - 2, side - 2), 7, 7);
    p.setPen(QPen(bottom.darker(160), 1.2));
    p.drawLine(QPointF(kTileLeft + 7, kTileRight - 0.5), QPointF(kTileRight - 6, kTileRight - 0.5));
  }
  for (int y = 0; y < 44 * scale; ++y)
    for (int x = 0; x < 44 * scale; ++x)
      sheet.setPixel(originX * scale + x, y, insideTile(x, y, scale) ? face.pixel(x, y) : 0xFFFFFFFFu);
}

// Stretched over the whole board, so neighbouring pixels differ by a level
// at most: the stretch shows no blocks, only a soft vignette.
// The texture's colour at (x, y) of its 34 x 34 logical pixels.
QRgb backdropAt(double x, double y) {
  const double dx = (x - 16.5) / 17.0, dy = (y - 16.5) / 17.0;
  const double fall = std::min(1.0, std::sqrt(dx * dx + dy * dy));
  const int g = static_cast<int>(std::lround(64 - 18 * fall));
  return qRgb(g * 5 / 8, g, g * 11 / 16);
}

void paintBackdrop(QImage& sheet, int scale) {
  for (int y = 0; y < 34 * scale; ++y)
    for (int x = 0; x < 34 * scale; ++x)
      sheet.setPixel(179 * scale + x, y, backdropAt((x + 0.5) / scale - 0.5, (y + 0.5) / scale - 0.5));
}

// The progress strips and the list arrows lie on the board's light
// background; their cells are filled with it first, so that their rounded
// corners blend into the board instead of showing the sheet's black.
const QColor kBoardBackground(180, 240, 180);

void paintStrip(QPainter& p, int y, bool full) {
  p.fillRect(QRect(0, y, 292, 20), kBoardBackground);
  const QRectF groove(0.5, y + 0.5, 291, 19);
  if (full) {
    QLinearGradient fill(0, y, 292, y);
    fill.setColorAt(0, QColor(40, 170, 70));
    fill.setColorAt(0.6, QColor(150, 220, 60));
    fill.setColorAt(1, QColor(250, 230, 60));
    p.setBrush(fill);
  } else {
    QLinearGradient fill(0, y, 0, y + 20);
    fill.setColorAt(0, QColor(30, 45, 32));
    fill.setColorAt(1, QColor(62, 84, 64));
    p.setBrush(fill);
  }
  p.setPen(QPen(QColor(20, 30, 22), 1));
  p.drawRoundedRect(groove, 9, 9);
  if (full) {
    QLinearGradient shine(0, y + 2, 0, y + 10);
    shine.setColorAt(0, QColor(255, 255, 255, 150));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawRoundedRect(QRectF(4, y + 2, 284, 8), 4, 4);
  }
}

// Stroke letters on a grid 4 wide and 6 high.
const std::map<char, std::vector<std::vector<QPointF>>>& glyphs() {
  static const std::map<char, std::vector<std::vector<QPointF>>> shapes = {
      {'A', {{{0, 6}, {0, 2}, {2, 0}, {4, 2}, {4, 6}}, {{0, 3.6}, {4, 3.6}}}},
      {'R', {{{0, 6}, {0, 0}, {3, 0}, {4, 1}, {4, 2}, {3, 3}, {0, 3}}, {{2, 3}, {4, 6}}}},
      {'C', {{{4, 1}, {3, 0}, {1, 0}, {0, 1}, {0, 5}, {1, 6}, {3, 6}, {4, 5}}}},
      {'D', {{{0, 0}, {0, 6}, {2.6, 6}, {4, 4.6}, {4, 1.4}, {2.6, 0}, {0, 0}}}},
      {'E', {{{4, 0}, {0, 0}, {0, 6}, {4, 6}}, {{0, 3}, {3, 3}}}},
      {'V', {{{0, 0}, {2, 6}, {4, 0}}}},
      {'O', {{{1, 0}, {3, 0}, {4, 1}, {4, 5}, {3, 6}, {1, 6}, {0, 5}, {0, 1}, {1, 0}}}},
      {'P', {{{0, 6}, {0, 0}, {3, 0}, {4, 1}, {4, 2}, {3, 3}, {0, 3}}}},
      {'X', {{{0, 0}, {4, 6}}, {{4, 0}, {0, 6}}}},
  };
  return shapes;
}

QPainterPath wordPath(const char* word, double left, double top, double scale, double advance) {
  QPainterPath path;
  for (int i = 0; word[i] != '\0'; ++i) {
    for (const auto& stroke : glyphs().at(word[i])) {
      const double x0 = left + i * advance;
      path.moveTo(x0 + stroke[0].x() * scale, top + stroke[0].y() * scale);
      for (size_t k = 1; k < stroke.size(); ++k) path.lineTo(x0 + stroke[k].x() * scale, top + stroke[k].y() * scale);
    }
  }
  return path;
}

// The title lies on the menu's plain dark green; its cell is filled with it
// first, so that the plate's rounded corners blend in.
const QColor kMenuBackground(120, 150, 120);

void paintTitle(QPainter& p) {
  p.fillRect(QRect(0, 87, 200, 101), kMenuBackground);
  const QRectF plate(1.5, 88.5, 197, 98);
  QLinearGradient back(0, 88, 0, 187);
  back.setColorAt(0, QColor(28, 48, 34));
  back.setColorAt(1, QColor(12, 24, 16));
  p.setPen(QPen(QColor(170, 200, 170), 2));
  p.setBrush(back);
  p.drawRoundedRect(plate, 12, 12);

  const double scale = 5, advance = 30;
  const QPainterPath top = wordPath("ARCADE", 100 - (5 * advance + 4 * scale) / 2, 98, scale, advance);
  const QPainterPath bottom = wordPath("VORPEX", 100 - (5 * advance + 4 * scale) / 2, 142, scale, advance);
  for (const QPainterPath* word : {&top, &bottom}) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0), 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(word->translated(1.5, 1.5));
    QLinearGradient gold(0, word->boundingRect().top(), 0, word->boundingRect().bottom());
    gold.setColorAt(0, QColor(255, 250, 170));
    gold.setColorAt(0.5, QColor(250, 220, 40));
    gold.setColorAt(1, QColor(210, 140, 20));
    p.setPen(QPen(QBrush(gold), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(*word);
  }
}

void paintArrow(QPainter& p, int x, int y, bool up, bool hot) {
  p.fillRect(QRect(x, y, 120, 20), kBoardBackground);
  const QRectF bar(x + 0.5, y + 0.5, 119, 19);
  QLinearGradient fill(0, y, 0, y + 20);
  fill.setColorAt(0, hot ? QColor(200, 250, 200) : QColor(120, 150, 120));
  fill.setColorAt(1, hot ? QColor(120, 200, 120) : QColor(70, 95, 72));
  p.setPen(QPen(hot ? QColor(240, 255, 240) : QColor(170, 200, 170), 1));
  p.setBrush(fill);
  p.drawRoundedRect(bar, 6, 6);
  const double cx = x + 60, top = y + 5, bottom = y + 15;
  QPolygonF triangle;
  if (up) {
    triangle << QPointF(cx - 12, bottom) << QPointF(cx + 12, bottom) << QPointF(cx, top);
  } else {
    triangle << QPointF(cx - 12, top) << QPointF(cx + 12, top) << QPointF(cx, bottom);
  }
  p.setPen(QPen(QColor(20, 40, 24), 1));
  p.setBrush(hot ? QColor(255, 255, 120) : QColor(200, 230, 200));
  p.drawPolygon(triangle);
}

}  // namespace

// The game's tile, seen larger: the glossy face of the board with a gold V,
// drawn in the 44-unit tile's own coordinates scaled up.
QImage paintIcon(int kSize) {
  QImage icon(kSize, kSize, QImage::Format_ARGB32);
  icon.fill(Qt::transparent);
  QPainter p(&icon);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(kSize / 44.0, kSize / 44.0);
  const QColor top(70, 110, 235), bottom(22, 34, 128);
  QLinearGradient body(0, 2, 0, 42);
  body.setColorAt(0, top);
  body.setColorAt(1, bottom);
  p.setPen(QPen(top.lighter(150), 1.2));
  p.setBrush(body);
  p.drawRoundedRect(QRectF(2.5, 2.5, 39, 39), 8, 8);
  QRadialGradient shine(22, 6, 26, 22, 0);
  shine.setColorAt(0, QColor(255, 255, 255, 180));
  shine.setColorAt(0.6, QColor(255, 255, 255, 40));
  shine.setColorAt(1, QColor(255, 255, 255, 0));
  QPainterPath upper;
  upper.addRoundedRect(QRectF(5, 4, 34, 18), 7, 7);
  p.fillPath(upper, shine);
  const QPainterPath letter = wordPath("V", 22 - 2 * 4.2, 9.5, 4.2, 0);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0, 0, 0, 200), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(letter.translated(0.8, 0.8));
  QLinearGradient gold(0, 9.5, 0, 34.7);
  gold.setColorAt(0, QColor(255, 250, 170));
  gold.setColorAt(0.5, QColor(250, 220, 40));
  gold.setColorAt(1, QColor(210, 140, 20));
  p.setPen(QPen(QBrush(gold), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(letter);
  return icon;
}

int main(int argc, char** argv) {
  if ((argc == 3 || argc == 4) && std::string(argv[1]) == "--icon") {
    const int size = argc == 4 ? std::atoi(argv[3]) : 256;
    if (size < 16 || size > 1024) {
      std::fputs("vorpex-sprites: an icon is 16 to 1024 pixels square\n", stderr);
      return 2;
    }
    // A name ending in .ico gives the Windows icon the program file carries.
    const QString out = QString::fromLocal8Bit(argv[2]);
    if (!paintIcon(size).save(out, out.endsWith(QStringLiteral(".ico"), Qt::CaseInsensitive) ? "ICO" : "PNG")) {
      std::fprintf(stderr, "vorpex-sprites: cannot write %s\n", argv[2]);
      return 1;
    }
    return 0;
  }
  int scale = 1;
  if (argc == 4 && std::string(argv[1]) == "--scale") {
    scale = std::atoi(argv[2]);
    argv += 2;
    argc -= 2;
  }
  if (argc != 2 || scale < 1 || scale > 3) {
    std::fputs("usage: vorpex-sprites [--scale 1|2|3] OUT.BMP | vorpex-sprites --icon OUT.PNG [SIZE]\n", stderr);
    return 2;
  }
  QImage sheet(kSheetWidth * scale, kSheetHeight * scale, QImage::Format_RGB32);
  sheet.fill(Qt::black);
  paintTileMask(sheet, scale);
  paintTileFace(sheet, 45, QColor(96, 110, 124), QColor(52, 60, 70), 0.35, scale);
  paintTileFace(sheet, 90, QColor(70, 110, 235), QColor(22, 34, 128), 1.0, scale);
  paintBackdrop(sheet, scale);
  {
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    paintStrip(p, 46, false);
    paintStrip(p, 67, true);
    paintTitle(p);
    paintArrow(p, 0, 193, true, false);
    paintArrow(p, 121, 193, true, true);
    paintArrow(p, 0, 215, false, false);
    paintArrow(p, 121, 215, false, true);
  }
  if (!sheet.save(QString::fromLocal8Bit(argv[1]), "BMP")) {
    std::fprintf(stderr, "vorpex-sprites: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
