// The board at the screen's pixel ratio and the window's zoom: at 100 % on a
// plain screen nothing is resampled, at twice the pixels a letter is drawn at
// that resolution rather than doubled, and a zoom draws the board again at
// its new size.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "board_shown_fixture.h"

namespace vorpex {
namespace {

using ScalingTest = testing::BoardShownTest;
const std::string& kSheet = testing::kSpriteSheet;

bool letterish(QRgb pixel) { return qRed(pixel) > 200 && qGreen(pixel) > 200 && qBlue(pixel) < 130; }

// Aligned 2 x 2 blocks of `image` within `area` (physical pixels) that hold
// both letter and background pixels: none at all when the image is a
// nearest-neighbour doubling of a picture at half the size.
int mixedBlocks(const QImage& image, const QRect& area) {
  int mixed = 0;
  for (int y = area.top() & ~1; y + 1 <= area.bottom(); y += 2) {
    for (int x = area.left() & ~1; x + 1 <= area.right(); x += 2) {
      const int letters = letterish(image.pixel(x, y)) + letterish(image.pixel(x + 1, y)) +
                          letterish(image.pixel(x, y + 1)) + letterish(image.pixel(x + 1, y + 1));
      mixed += letters > 0 && letters < 4 ? 1 : 0;
    }
  }
  return mixed;
}

TEST_F(ScalingTest, AtRatioOneAndOneHundredPercentTheWindowShowsTheImageUnchanged) {
  if (window.devicePixelRatioF() != 1) GTEST_SKIP() << "a screen of another pixel ratio";
  const QImage& drawn = window.board().image();
  ASSERT_EQ(drawn.size(), QSize(704, 528));
  EXPECT_EQ(drawn.devicePixelRatio(), 1);
  const QImage shown = window.boardWidget().grab().toImage().convertToFormat(drawn.format());
  EXPECT_TRUE(shown == drawn) << "the widget shows the surface pixel for pixel";
}

TEST_F(ScalingTest, AtRatioTwoALetterIsDrawnAtThatResolutionNotDoubled) {
  const auto drawTile = [this](Surface& surface) {
    surface.setFont("Times New Roman", 14, true);
    ScreenBox box;
    box.surface = &surface;
    box.x = 100;
    box.y = 100;
    box.w = box.h = 44;
    kit.drawLetterTile(box, 'W', true);
  };
  Surface sharp(704, 528);
  sharp.setScale(2);
  drawTile(sharp);
  ASSERT_EQ(sharp.image().size(), QSize(1408, 1056));
  const QRect tile(200, 200, 88, 88);
  EXPECT_GT(mixedBlocks(sharp.image(), tile), 20) << "the letter's edge falls inside 2 x 2 blocks";

  // The fault this guards against: the plain image doubled pixel for pixel.
  Surface plain(704, 528);
  drawTile(plain);
  const QImage doubled = plain.image().scaled(1408, 1056);
  EXPECT_EQ(mixedBlocks(doubled, tile), 0);
}

TEST_F(ScalingTest, TheSheetForAScaleIsTheNearestAtOrAboveIt) {
  EXPECT_EQ(kit.sheetFor(1).devicePixelRatio(), 1);
  EXPECT_EQ(kit.sheetFor(1.25).devicePixelRatio(), 2);
  EXPECT_EQ(kit.sheetFor(2).devicePixelRatio(), 2);
  EXPECT_EQ(kit.sheetFor(2.5).devicePixelRatio(), 3);
  EXPECT_EQ(kit.sheetFor(4).devicePixelRatio(), 3);
  EXPECT_EQ(kit.sheetFor(3).size(), kit.sheet().size() * 3);

  // A program folder with the plain sheet only (a sheet of one's own).
  QTemporaryDir folder;
  const QString plain = QDir(folder.path()).filePath("ALLPICDATA.BMP");
  ASSERT_TRUE(QFile::copy(QString::fromStdString(kSheet), plain));
  const DrawingKit onlyPlain(plain.toStdString());
  EXPECT_EQ(onlyPlain.sheetFor(2).devicePixelRatio(), 1);
  EXPECT_EQ(&onlyPlain.sheetFor(3), &onlyPlain.sheet());
}

TEST_F(ScalingTest, AZoomDrawsTheBoardAgainAtItsNewSize) {
  window.setZoom(1.5);
  EXPECT_EQ(window.size(), QSize(1056, 792));
  EXPECT_EQ(window.boardWidget().size(), QSize(1056, 792));
  const QImage& image = window.board().image();
  EXPECT_EQ(image.size(), QSize(1056, 792) * window.devicePixelRatioF());
  const ScreenBox& tile = window.boxes().tiles(1);
  const double k = image.devicePixelRatio();
  const QRgb face = image.pixel(static_cast<int>((tile.x + 8) * k), static_cast<int>((tile.y + 30) * k));
  EXPECT_GT(qBlue(face), qRed(face) + 60) << "the blue tile is there again, not a blank surface";
  window.setZoom(1);
  EXPECT_EQ(window.board().image().size(), QSize(704, 528) * window.devicePixelRatioF());
}

// Run again with QT_SCALE_FACTOR=2 (see CMakeLists): the whole window at
// twice the pixels.
TEST_F(ScalingTest, AtScaleFactorTwoTheBoardHasTwiceThePixelsAndIsShownAsDrawn) {
  if (window.devicePixelRatioF() != 2) GTEST_SKIP() << "needs QT_SCALE_FACTOR=2";
  const QImage& drawn = window.board().image();
  EXPECT_EQ(drawn.size(), QSize(1408, 1056));
  EXPECT_EQ(window.boardWidget().size(), QSize(704, 528)) << "the layout stays in logical pixels";
  const QImage shown = window.boardWidget().grab().toImage().convertToFormat(drawn.format());
  EXPECT_EQ(shown.size(), drawn.size());
  EXPECT_TRUE(shown == drawn);
}

}  // namespace
}  // namespace vorpex
