// Pixel checks of the drawing kit on the real sprite sheet.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <future>
#include <mutex>
#include <thread>

#include "box_at.h"
#include "drawing_kit.h"
#include "found_words.h"

namespace vorpex {
namespace {

const std::string kSheet = std::string(VORPEX_APP_DIR) + "/ALLPICDATA.BMP";

class DrawingKitTest : public ::testing::Test {
 protected:
  DrawingKitTest() { surface.image().fill(kMarker); }
  ScreenBox box(int x, int y, int w, int h) { return testing::boxAt(surface, x, y, w, h); }
  QRgb at(int x, int y) const { return surface.image().pixel(x, y); }

  static constexpr QRgb kMarker = 0xFF102030;
  DrawingKit kit{kSheet};
  Surface surface{704, 528};
  GameState state;
};

// After Show Solution at twice the pixels, thin frame lines stayed where a
// framed button had been erased: its frame reached outside the box.
TEST_F(DrawingKitTest, AFramedButtonStaysInsideItsBoxAtEveryScaleSoErasingItLeavesNothing) {
  for (const double scale : {1.0, 1.25, 2.0, 3.0}) {
    SCOPED_TRACE(scale);
    Surface scaled{120, 80};
    scaled.setScale(scale);
    scaled.image().fill(kMarker);
    const QImage before = scaled.image();
    ScreenBox button = testing::boxAt(scaled, 20, 20, 60, 30);
    button.fill = Ink::dark;
    button.frame = Ink::frame;
    kit.drawButton(button, FrameStyle::doubled, true, Shadow::lit, "Show");
    EXPECT_NE(scaled.image(), before);
    // Erased in a palette whose light ink is the marker.
    Palette marked = kit.palette();
    marked.inks[static_cast<size_t>(Ink::light)] = QColor::fromRgb(kMarker);
    DrawingKit eraser(kSheet);
    eraser.setPalette(marked);
    ScreenBox erased = button;
    erased.fill = Ink::light;
    eraser.fillBox(erased);
    EXPECT_EQ(scaled.image(), before);
  }
}

// At a large zoom the whole surface is millions of pixels for the one
// tile a click draws: a refresh sends only the parts drawn since the last.
TEST_F(DrawingKitTest, ARefreshSendsOnlyThePartsDrawnSinceTheLast) {
  QRegion sent;
  surface.setRefresh([&](const QRegion& changed) { sent = changed; });
  surface.refresh();  // what the fixture's fill drew
  surface.setFont("Times New Roman", 14, true);
  const ScreenBox tile = box(100, 200, 44, 44), line = box(154, 3, 396, 20);
  kit.drawLetterTile(tile, 'K', true);
  line.surface->drawOn(line.rect());
  sent = QRegion();
  surface.refresh();
  EXPECT_TRUE(sent.contains(tile.rect()) && sent.contains(line.rect()));
  EXPECT_EQ(sent - QRegion(tile.rect().adjusted(-2, -2, 2, 2)) - QRegion(line.rect()), QRegion())
      << "the tile, its letter's lift and the line";
  EXPECT_FALSE(sent.contains(QPoint(300, 100))) << "two parts, not the box around both";
  sent = QRegion();
  surface.refresh();
  EXPECT_TRUE(sent.isEmpty()) << "nothing drawn, nothing sent";
}

TEST_F(DrawingKitTest, SpriteSheetHasEveryCell) {
  ASSERT_FALSE(kit.sheet().isNull());
  EXPECT_GE(kit.sheet().width(), 292);
  EXPECT_GE(kit.sheet().height(), 235);
  EXPECT_EQ(kit.sheet().pixel(22, 22), 0xFFFFFFFFu) << "mask white where the tile is";
  EXPECT_EQ(kit.sheet().pixel(0, 0), 0xFF000000u) << "mask black around it";
  EXPECT_EQ(kit.sheet().pixel(90, 0), 0xFFFFFFFFu) << "face white around the tile";
}

// At start the sheet is read on another thread while the menu's captions
// are drawn; only the first picture waits for it, and it is the same sheet.
TEST_F(DrawingKitTest, ASheetStillBeingReadIsWaitedForOnlyByThePictures) {
  std::promise<QImage> reading;
  std::atomic<bool> given{false};
  std::mutex gate;
  std::condition_variable opened;
  bool open = false;
  std::thread reader([&] {
    std::unique_lock<std::mutex> lock(gate);
    // The bound only keeps a kit that waits too early from hanging the test.
    opened.wait_for(lock, std::chrono::seconds(10), [&] { return open; });
    given = true;
    reading.set_value(DrawingKit::readSheet(kSheet));
  });
  DrawingKit pending(reading.get_future().share(), kSheet);
  Surface drawn{704, 528};
  ScreenBox button = testing::boxAt(drawn, 10, 10, 120, 30);
  pending.drawButton(button, FrameStyle::none, false, Shadow::resting, "CLASSIC");
  EXPECT_FALSE(given) << "built and drew a caption without waiting for the sheet";
  {
    std::lock_guard<std::mutex> lock(gate);
    open = true;
  }
  opened.notify_one();
  pending.drawSprite(testing::boxAt(drawn, 200, 100, 120, 60), Sprite::title, true);
  reader.join();
  kit.drawSprite(box(200, 100, 120, 60), Sprite::title, true);
  EXPECT_EQ(drawn.image().copy(200, 100, 120, 60), surface.image().copy(200, 100, 120, 60));
}

// The pictures with rounded corners (arrows, progress strips, title) are
// copied whole onto the board and the menu: no black may show at their
// corners, and a tile cut to the answer slots' 40 x 40 keeps its whole shape.
TEST_F(DrawingKitTest, PicturesShowNoBlackCornersAndASlotTileIsWhole) {
  const QImage& sheet = kit.sheet();
  const QRect cells[] = {{0, 46, 292, 20}, {0, 67, 292, 20}, {0, 87, 200, 101}, {0, 193, 241, 42}};
  for (const QRect& cell : cells)
    for (const QPoint corner : {cell.topLeft(), cell.topRight(), cell.bottomLeft(), cell.bottomRight()})
      EXPECT_NE(sheet.pixel(corner), 0xFF000000u) << corner.x() << "," << corner.y();
  for (int y = 0; y < 44; ++y) {
    for (int x = 0; x < 44; ++x) {
      const bool tile = sheet.pixel(x, y) == 0xFFFFFFFFu;
      ASSERT_FALSE(tile && (x >= 39 || y >= 39)) << "the mask at " << x << "," << y << " is cut off in a slot";
    }
  }
  EXPECT_EQ(sheet.pixel(20, 0), 0xFF000000u) << "a margin above the tile";
  EXPECT_EQ(sheet.pixel(20, 1), 0xFFFFFFFFu);
}

TEST_F(DrawingKitTest, ProgressBarSplitsAtItsRoundedPercentage) {
  ScreenBox progress = box(176, 462, 330, 30);
  const QImage& sheet = kit.sheet();
  for (double percent : {0.0, 50.0, 100.0, 150.0, 33.3}) {
    kit.drawProgressBar(progress, percent);
    const int filled = percent >= 100 ? 292 : percent == 50 ? 146 : percent == 0 ? 0 : 97;  // 97.236 rounds to 97
    for (int k = 0; k < 292; ++k) {
      const QRgb expected = k < filled ? sheet.pixel(k, 67) : sheet.pixel(k, 46);
      ASSERT_EQ(at(184 + k, 462), expected) << percent << "% at column " << k;
    }
    EXPECT_EQ(at(183, 462), kMarker) << "the bar is 8 pixels in from the box";
    EXPECT_EQ(at(476, 462), kMarker);
  }
}

// At a zoom the sheets are not painted at, every width of the bar's fill
// was kept resampled for good: a long game grew the memory without bound.
TEST_F(DrawingKitTest, WhatTheKitKeepsToDrawAgainStaysBounded) {
  for (const double scale : {1.25, 1.5, 1.75}) {
    Surface scaled{704, 528};
    scaled.setScale(scale);
    const ScreenBox progress = testing::boxAt(scaled, 176, 462, 330, 30);
    for (int tenth = 0; tenth <= 1000; ++tenth) kit.drawProgressBar(progress, tenth / 10.0);
  }
  EXPECT_LE(kit.keptImages(), 600u);
}

TEST_F(DrawingKitTest, WordListShowsAtMostThirteenRowsFromItsFirst) {
  ScreenBox list = box(550, 45, 15, 20);
  OneBased<std::string> words;
  for (int i = 1; i <= 20; ++i) words.resize(static_cast<size_t>(i), "WORD" + std::string(1, static_cast<char>('A' + i)));
  const QRgb dark = kit.colour(Ink::dark).rgb();
  auto rowHasText = [&](int j) {
    for (int y = 45 + j * 20; y < 45 + j * 20 + 15; ++y)
      for (int x = 565; x < 670; ++x)
        if (at(x, y) != dark) return true;
    return false;
  };
  kit.drawWordList(list, words, 0, 1, 0, state);
  for (int j = 0; j < 13; ++j) EXPECT_FALSE(rowHasText(j)) << "an empty list is the dark panel";
  EXPECT_EQ(at(550, 45), dark);
  EXPECT_EQ(at(669, 304), dark);
  EXPECT_EQ(at(670, 304), kMarker);

  kit.drawWordList(list, words, 20, 8, 0, state);
  for (int j = 0; j < 13; ++j) EXPECT_TRUE(rowHasText(j)) << "row " << j;
  EXPECT_EQ(at(600, 305), kMarker) << "nothing below the thirteenth row";
}

TEST_F(DrawingKitTest, FoundWordsShowInTheHotColourAndTheSelectedRowIsFramed) {
  ScreenBox list = box(550, 45, 15, 20);
  const OneBased<std::string> words = {"ANT", "TAN"};
  addFoundWord(state, "TAN");
  surface.selectPen(QPen(kit.colour(Ink::frame), 1));
  kit.drawWordList(list, words, 2, 1, 2, state);
  auto holds = [&](int row, QRgb colour) {
    for (int y = 45 + row * 20; y < 45 + row * 20 + 15; ++y)
      for (int x = 565; x < 670; ++x)
        if (at(x, y) == colour) return true;
    return false;
  };
  EXPECT_TRUE(holds(1, kit.colour(Ink::hot).rgb()));
  EXPECT_FALSE(holds(0, kit.colour(Ink::hot).rgb()));
  EXPECT_TRUE(holds(0, kit.colour(Ink::caption).rgb()));
  EXPECT_EQ(at(550, 65), kit.colour(Ink::frame).rgb()) << "the frame of row 2";
  EXPECT_EQ(at(550, 45), kit.colour(Ink::dark).rgb()) << "row 1 unframed";
}

TEST_F(DrawingKitTest, ButtonFramesFollowTheirStyle) {
  ScreenBox button = box(100, 100, 120, 30);
  button.fill = Ink::dark;
  button.frame = Ink::frame;
  kit.drawButton(button, FrameStyle::none, false, Shadow::resting, "");
  const QRgb fill = kit.colour(Ink::dark).rgb(), frame = kit.colour(Ink::frame).rgb();
  for (int x = 100; x < 220; ++x) {
    EXPECT_EQ(at(x, 100), fill);
    EXPECT_EQ(at(x, 129), fill);
  }
  EXPECT_EQ(at(220, 115), kMarker) << "the box ends at x + w";

  kit.drawButton(button, FrameStyle::single, false, Shadow::resting, "");
  EXPECT_EQ(at(100, 100), frame);
  EXPECT_EQ(at(219, 129), frame);
  EXPECT_EQ(at(101, 101), fill);

  kit.drawButton(button, FrameStyle::doubled, true, Shadow::litFar, "");
  EXPECT_EQ(at(101, 101), frame) << "the second outline, one pixel in";
  EXPECT_EQ(at(102, 102), fill);
}

TEST_F(DrawingKitTest, EmptyAnswerSlotsAreLightWithOneFrameEach) {
  state.boardWidth = 6;
  ScreenBox slotRow = box(176, 44, 44, 2);
  kit.drawAnswerSlots(slotRow, state);
  const QRgb light = kit.colour(Ink::light).rgb(), frame = kit.colour(Ink::frame).rgb();
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(at(176 + 44 * i, 60), frame) << "left edge of slot " << i + 1;
    EXPECT_EQ(at(176 + 44 * i + 43, 60), frame) << "right edge of slot " << i + 1;
    EXPECT_EQ(at(176 + 44 * i + 20, 60), light) << "inside slot " << i + 1;
    EXPECT_EQ(at(176 + 44 * i + 20, 44), frame);
    EXPECT_EQ(at(176 + 44 * i + 20, 89), frame) << "slotRow are 46 high";
  }
  EXPECT_EQ(at(176 + 44 * 6, 60), kMarker);
}

TEST_F(DrawingKitTest, TileCopyKeepsTheSurroundingsAndPaintsTheFace) {
  state.boardWidth = 5;
  state.selCount = 1;
  state.rack = {'A', 'B', 'C', 'D', 'E'};
  state.selOrder(1) = 2;
  ScreenBox slotRow = box(176, 44, 44, 2);
  kit.drawAnswerSlots(slotRow, state);
  // The slot tile is the top-left 40 x 40 of the face cell, at (178, 47).
  const QImage& sheet = kit.sheet();
  EXPECT_EQ(at(178 + 5, 47 + 20), sheet.pixel(90 + 5, 20)) << "the face inside the tile, left of the letter";
  EXPECT_EQ(at(178, 47), kit.colour(Ink::light).rgb()) << "the corner outside the rounded tile keeps the light fill";
}

TEST_F(DrawingKitTest, HitTestIsStrictOnAllFourSides) {
  const ScreenBox b = box(10, 20, 30, 40);
  EXPECT_TRUE(isInBox(b, 11, 21));
  EXPECT_TRUE(isInBox(b, 39.5f, 59.5f));
  EXPECT_FALSE(isInBox(b, 10, 30));
  EXPECT_FALSE(isInBox(b, 40, 30));
  EXPECT_FALSE(isInBox(b, 20, 20));
  EXPECT_FALSE(isInBox(b, 20, 60));
}

TEST_F(DrawingKitTest, ShadowTextStartsTopLeftUnlessCentredOnOneLine) {
  surface.setFont("Arial", 12, false);
  ScreenBox area = box(0, 0, 300, 100);
  Palette red = kit.palette();
  red.inks[static_cast<size_t>(Ink::caption)] = QColor(255, 0, 0);
  kit.setPalette(red);
  area.text = Ink::caption;
  auto firstRowWith = [&](QRgb colour) {
    for (int y = 0; y < 100; ++y)
      for (int x = 0; x < 300; ++x)
        if (at(x, y) == colour) return y;
    return -1;
  };
  kit.drawShadowText(area, 1, "Line one\nLine two", kTextMiddle);
  const int topLeft = firstRowWith(0xFFFF0000);
  EXPECT_GE(topLeft, 0);
  EXPECT_LT(topLeft, 10);
  surface.image().fill(kMarker);
  kit.drawShadowText(area, 1, "Centred", kTextCentredLine);
  EXPECT_GT(firstRowWith(0xFFFF0000), 30);
}

TEST_F(DrawingKitTest, MissingSheetDrawsNoPicturesAndNothingFails) {
  DrawingKit bare("/nonexistent/ALLPICDATA.BMP");
  EXPECT_TRUE(bare.sheet().isNull());
  ScreenBox progress = box(176, 462, 330, 30);
  bare.drawProgressBar(progress, 50);
  bare.drawSprite(box(0, 0, 200, 101), Sprite::title, true);
  EXPECT_EQ(at(200, 470), kMarker);
  EXPECT_EQ(at(10, 10), kMarker);
}

}  // namespace
}  // namespace vorpex
