// "High contrast": every text reads at 4.5:1 or more against what lies under
// it, found and missed words differ by more than colour, and captions keep
// to their shadows; off, the classic palette exactly.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <tuple>
#include <utility>
#include <string>

#include "board_painter.h"
#include "box_at.h"
#include "drawing_kit.h"
#include "found_words.h"

namespace vorpex {
namespace {

const std::string kSheet = std::string(VORPEX_APP_DIR) + "/ALLPICDATA.BMP";

double luminance(QColor c) {
  const auto channel = [](double v) {
    v /= 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

// The contrast ratio of two colours, as WCAG 2 defines it: 1 to 21.
double contrast(QColor a, QColor b) {
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Pixels of one colour that make a text's core, not its blended edge.
constexpr int kCorePixels = 12;

// The colour most pixels of `area` show: what the text there is drawn on.
QColor backgroundOf(const QImage& image, const QRect& area) {
  std::map<QRgb, int> counts;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) ++counts[image.pixel(x, y)];
  return QColor::fromRgb(std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                           return a.second < b.second;
                         })->first);
}

// How a kind of text is drawn: alone, or over a black shadow that shows
// at its edge.
enum class Drawn { plain, overShadow };

// How far the text drawn in `area` stands out from what it is drawn on:
// the contrast against the background of the text's own colour. Over a
// shadow that is the most frequent colour after the background and the
// shadow's black, which the text's core pixels carry whole (a black text
// over its black shadow is black). A plain text, thin and without a
// shadow, has few whole pixels: its strongest colour seen twice stands for it.
double drawnContrast(const QImage& image, const QRect& area, Drawn drawn) {
  const QColor under = backgroundOf(image, area);
  std::map<QRgb, int> counts;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) ++counts[image.pixel(x, y)];
  counts.erase(under.rgb());
  if (drawn == Drawn::overShadow) {
    QRgb core = qRgb(0, 0, 0);
    int most = kCorePixels - 1;
    for (const auto& [colour, count] : counts)
      if (colour != qRgb(0, 0, 0) && count > most) std::tie(core, most) = std::pair(colour, count);
    return contrast(QColor::fromRgb(core), under);
  }
  double strongest = 1;
  for (const auto& [colour, count] : counts)
    if (count >= 2) strongest = std::max(strongest, contrast(QColor::fromRgb(colour), under));
  return strongest;
}

// Every kind of text the windows draw, drawn as they draw it, in the
// palette given; the lowest contrast of them.
double lowestDrawnContrast(const Palette& palette, bool reportEach) {
  DrawingKit kit(kSheet);
  kit.setPalette(palette);
  GameState state;
  state.boardWidth = state.rackLength = 5;
  state.rack = {'A', 'E', 'N', 'S', 'T'};
  state.tileUsed = OneBased<uint8_t>(5, 0);
  state.tileUsed(2) = 1;
  state.foundWords = {"TEN"};
  state.nWordsFound = 1;
  state.allWords = {"ANT", "TEN"};
  state.totalWords = 2;
  state.listMode = LIST_ALL;
  state.targetScore = 10;
  state.curLevelScore = 12;  // the advance button shows
  Surface board(704, 528);
  board.setFont("Times New Roman", 14.25, true);
  BoardBoxes boxes;
  BoardPainter painter(board, boxes, state, kit);
  painter.layOut();
  painter.drawBoard();
  painter.showMessage(kNotAWordMessage);
  painter.drawMeaningLine("ten: the cardinal number that is the sum of nine and one");
  painter.drawPanelButton(kPauseCommand, true);

  Surface slotRow(704, 100);
  slotRow.setFont("Times New Roman", 14, true);
  kit.drawWordInSlots(testing::boxAt(slotRow, 0, 0, 44, 2), "TEN", state);

  Surface scores(466, 454);
  scores.setFont("Times New Roman", 14.25, true);
  ScreenBox row = testing::boxAt(scores, 44, 44, 264, 44);
  row.fill = Ink::light;
  row.text = Ink::onLight;
  kit.fillBox(row);
  kit.drawShadowText(row, 1, "Anononymous", kTextMiddle);

  // Inside the buttons' frames: a frame is no text.
  const auto panel = [&](int b) { return boxes.panel(static_cast<size_t>(b)).rect().adjusted(2, 2, -2, -2); };
  const auto tile = [&](int t) { return boxes.tiles(static_cast<size_t>(t)).rect().adjusted(8, 8, -8, -8); };
  const struct {
    const char* what;
    const QImage& image;
    QRect area;
    Drawn drawn;
  } texts[] = {
      {"a side-panel caption", board.image(), panel(kShowSolutionCommand), Drawn::overShadow},
      {"a read-out value", board.image(), panel(kScoreValue), Drawn::overShadow},
      {"a caption under the pointer", board.image(), panel(kPauseCommand), Drawn::overShadow},
      {"a found word in the results", board.image(), QRect(boxes.wordList.x + 15, boxes.wordList.y + 20, 100, 20),
       Drawn::plain},
      {"a missed word in the results", board.image(), QRect(boxes.wordList.x + 15, boxes.wordList.y, 100, 20),
       Drawn::plain},
      {"the message line", board.image(), boxes.messageLine.rect(), Drawn::plain},
      {"the meaning line", board.image(), boxes.meaningLine.rect(), Drawn::plain},
      // Black over a black shadow: one black text.
      {"the advance button", board.image(), boxes.progress.rect().adjusted(2, 2, -2, -2), Drawn::plain},
      {"a letter on a free tile", board.image(), tile(1), Drawn::overShadow},
      {"a letter on a picked tile", board.image(), tile(2), Drawn::overShadow},
      {"a letter in the answer slots", slotRow.image(), QRect(8, 8, 28, 28), Drawn::plain},
      {"a Hall of Fame row", scores.image(), row.rect(), Drawn::overShadow},
  };
  double lowest = 21;
  for (const auto& text : texts) {
    const QRect area = zoomed(text.area, text.image.devicePixelRatio());
    const double ratio = drawnContrast(text.image, area, text.drawn);
    if (reportEach) {
      EXPECT_GE(ratio, 4.5) << text.what;
    }
    lowest = std::min(lowest, ratio);
  }
  return lowest;
}

// Measured on what is drawn, so that a colour changed in the palette, or
// text drawn in a colour from outside it, is caught.
TEST(HighContrast, EveryTextOfTheBoardIsDrawnAtFourAndAHalfToOneOrMore) {
  const double lowest = lowestDrawnContrast(Palette::strongContrast(), true);
  std::printf("lowest contrast in high contrast: %.2f:1\n", lowest);
  EXPECT_LT(lowestDrawnContrast(Palette::classic(), false), 2.0) << "why the setting exists";
}

// The letter's colour against every pixel of the face where letters stand
// (the tile without its letter): the classic face's gloss is too light for
// a light letter; the high-contrast face is not.
TEST(HighContrast, EveryPixelOfATileFaceSetsALetterOffAtFourAndAHalfToOne) {
  DrawingKit kit(kSheet);
  const auto lowestOnFace = [&kit] {
    Surface surface(704, 528);
    surface.setFont("Times New Roman", 14, true);
    kit.drawLetterTile(testing::boxAt(surface, 100, 100, 44, 44), ' ', true);  // the face alone
    double lowest = 21;
    for (int y = 108; y < 134; ++y)
      for (int x = 106; x < 134; ++x)
        lowest = std::min(lowest, contrast(kit.colour(Ink::tileLetter), surface.image().pixel(x, y)));
    return lowest;
  };
  EXPECT_LT(lowestOnFace(), 4.5) << "classic";
  kit.setPalette(Palette::strongContrast());
  EXPECT_GE(lowestOnFace(), 4.5);
}

TEST(HighContrast, MissedWordsDifferFromFoundOnesByWeightAndSlant) {
  DrawingKit kit(kSheet);
  kit.setPalette(Palette::strongContrast());
  Surface surface(704, 528);
  surface.setFont("Times New Roman", 10, true);
  const ScreenBox list = testing::boxAt(surface, 550, 45, 15, 20);
  GameState state;
  state.nWordsFound = 1;
  // Each word drawn in white-on-black terms: how its letters' pixels fall.
  const auto shape = [&](const std::string& word, bool found) {
    state.foundWords = OneBased<std::string>{found ? word : std::string("ZZZ")};
    kit.drawWordList(list, OneBased<std::string>{word}, 1, 1, 0, state);
    QImage row = surface.image().copy(list.x + list.w, list.y, 100, 20);
    for (int y = 0; y < row.height(); ++y)
      for (int x = 0; x < row.width(); ++x)
        row.setPixel(x, y, qGray(row.pixel(x, y)) > 128 ? 0xFFFFFFFFu : 0xFF000000u);
    return row;
  };
  EXPECT_NE(shape("TEN", true), shape("TEN", false)) << "the same word, found and missed, in other shapes";
  EXPECT_TRUE(surface.font().bold()) << "the surface's own font is left as it was";
}

TEST(HighContrast, AHotCaptionKeepsWithinAPixelOfItsShadow) {
  DrawingKit kit(kSheet);
  Surface surface(704, 528);
  surface.setFont("Arial Narrow", 14.25, true);
  ScreenBox button = testing::boxAt(surface, 100, 100, 220, 30);
  button.fill = Ink::dark;
  button.frame = Ink::frame;  // a light frame, not taken for the shadow
  button.text = Ink::caption;
  // The leftmost column of the caption's colour and of its black shadow.
  const auto leftmost = [&](bool black) {
    for (int x = button.x; x < button.x + button.w; ++x)
      for (int y = button.y; y < button.y + button.h; ++y) {
        const QColor c = surface.image().pixel(x, y);
        const bool shadow = c.red() < 12 && c.green() < 12 && c.blue() < 12;
        const bool caption = c.red() > 170 && c.green() > 170 && c.blue() < 200 && c.blue() + 40 < c.green();
        if (black ? shadow : caption) return x;
      }
    return -1;
  };
  kit.drawButton(button, FrameStyle::single, true, Shadow::litFar, "OPTIONS");
  EXPECT_GE(leftmost(false) - leftmost(true), 3) << "classic: the hot caption stands 4 pixels off";
  kit.setPalette(Palette::strongContrast());
  kit.drawButton(button, FrameStyle::single, true, Shadow::litFar, "OPTIONS");
  EXPECT_LE(leftmost(false) - leftmost(true), 1);
}

// The title picture, the list arrows and the progress strip kept the classic
// green in their rounded corners, square patches on the darker palette.
TEST(HighContrast, PicturesWithRoundedCornersShowThePalettesBackgroundThere) {
  const struct {
    const char* what;
    std::function<void(const DrawingKit&, const ScreenBox&)> draw;
    int w, h;
    bool onDark;
  } pictures[] = {
      {"the title", [](const DrawingKit& k, const ScreenBox& b) { k.drawSprite(b, Sprite::title, true); }, 200, 101, true},
      {"an arrow", [](const DrawingKit& k, const ScreenBox& b) { k.drawSprite(b, Sprite::upArrow, false); }, 120, 20, false},
      {"the progress strip", [](const DrawingKit& k, const ScreenBox& b) { k.drawProgressBar(b, 40); }, 7 * 44, 20,
       false},
  };
  for (const bool high : {false, true}) {
    DrawingKit kit(kSheet);
    kit.setPalette(Palette::forHighContrast(high));
    for (const auto& picture : pictures) {
      for (const double scale : {1.0, 2.0}) {
        SCOPED_TRACE(std::string(picture.what) + (high ? ", high contrast" : ", classic") + " at " +
                     std::to_string(scale));
        Surface s(400, 200);
        s.setScale(scale);
        s.image().fill(Qt::magenta);
        const ScreenBox box = testing::boxAt(s, 20, 30, picture.w, picture.h);
        picture.draw(kit, box);
        // The classic corners are the sheet's own, which hold the classic background.
        const QColor expected = (high ? kit.palette() : Palette::classic())[picture.onDark ? Ink::dark : Ink::light];
        const int left = picture.what == std::string("the progress strip") ? 20 + (7 * 44 - 292) / 2 : 20;
        const int right = left + (picture.w == 7 * 44 ? 292 : picture.w) - 1;
        const int bottom = 30 + picture.h - 1;
        for (const QPoint corner : {QPoint(left, 30), QPoint(right, 30), QPoint(left, bottom), QPoint(right, bottom)})
          EXPECT_EQ(QColor(s.image().pixel(static_cast<int>(corner.x() * scale), static_cast<int>(corner.y() * scale))),
                    expected)
              << corner.x() << "," << corner.y();
      }
    }
  }
}

}  // namespace
}  // namespace vorpex
