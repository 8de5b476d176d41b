// The window's zoom as numbers: the steps of Ctrl+= and Ctrl+-, where a
// dragged frame snaps to, a kept setting on a smaller screen, and full
// screen keeping the chosen zoom for its end.
#include <gtest/gtest.h>

#include <optional>

#include "window_zoom.h"

namespace vorpex {
namespace {

using Choice = WindowZoom::Choice;

TEST(WindowZoom, StepsGoThroughTheFixedZoomsAndFitAsFarAsTheScreenHolds) {
  const struct {
    double chosen, fit;
    std::optional<Choice> in, out;
  } cases[] = {
      {1.0, 3.0, Choice{1.25, false}, std::nullopt},
      {1.25, 3.0, Choice{1.5, false}, Choice{1.0, false}},
      {2.0, 3.0, Choice{3.0, true}, Choice{1.5, false}},
      {3.0, 3.0, std::nullopt, Choice{2.0, false}},
      {1.0, 1.4, Choice{1.25, false}, std::nullopt},
      {1.25, 1.4, Choice{1.4, true}, Choice{1.0, false}},
      {1.0, 1.0, std::nullopt, std::nullopt},  // a screen that holds 100 % only
      {0.9, 0.9, std::nullopt, std::nullopt},  // one smaller than the board
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.chosen << " on a screen fitting " << c.fit);
    WindowZoom zoom;
    zoom.choose(c.chosen, false);
    EXPECT_EQ(zoom.stepIn(c.fit), c.in);
    EXPECT_EQ(zoom.stepOut(c.fit), c.out);
  }
}

TEST(WindowZoom, ADraggedFrameSnapsToFourByThreeWithinTheScreen) {
  const struct {
    int width, height;
    double fit;
    std::optional<double> snapped;
  } cases[] = {
      {704, 528, 2.0, std::nullopt},     // as it is
      {706, 527, 2.0, std::nullopt},     // a window manager's pixel off 4:3
      {1056, 792, 2.0, 1.5},             // half as large again
      {1200, 700, 2.0, (1200 / 704.0 + 700 / 528.0) / 2},
      {600, 400, 2.0, std::nullopt},     // below 100 %: 100 %, already chosen
      {3000, 2000, 2.0, 2.0},            // past the screen: the largest that fits
      {704, 528, 0.9, 0.9},              // 100 % on a smaller screen: as large as it holds
      {600, 450, 0.9, 0.9},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
    WindowZoom zoom;
    const auto snapped = zoom.dragged(c.width, c.height, c.fit);
    ASSERT_EQ(snapped.has_value(), c.snapped.has_value());
    if (snapped) {
      EXPECT_DOUBLE_EQ(*snapped, *c.snapped);
    }
  }
}

TEST(WindowZoom, KeptSettingsComeBackWithinTheScreenAndFullScreenKeepsTheChosenZoom) {
  WindowZoom zoom;
  zoom.applySetting(300, 2.5);
  EXPECT_DOUBLE_EQ(zoom.chosen(), 2.5) << "a zoom kept from a larger screen is as large as this one holds";
  EXPECT_EQ(zoom.setting(), 250);
  zoom.applySetting(kFitZoomPercent, 1.8);
  EXPECT_DOUBLE_EQ(zoom.chosen(), 1.8);
  EXPECT_EQ(zoom.setting(), kFitZoomPercent) << "fit is measured again on each screen";
  zoom.choose(9, false);
  EXPECT_DOUBLE_EQ(zoom.chosen(), kLargestZoom);
  // 1280 x 1024 at a scale of 2 holds 640 x 512 logical pixels, less the frame.
  const double small = WindowZoom::fitting(640, 512, 0, 32);
  EXPECT_DOUBLE_EQ(small, 480 / 528.0) << "the window never exceeds the screen";
  zoom.applySetting(100, small);
  EXPECT_DOUBLE_EQ(zoom.chosen(), small);
  EXPECT_EQ(zoom.setting(), 100) << "a zoom the screen forced below 100 % keeps the player's 100 %";
  EXPECT_DOUBLE_EQ(WindowZoom::fitting(10, 10, 0, 0), kSmallestZoom);

  zoom.choose(1.5, false);
  zoom.setFullScreen(true);
  zoom.fillScreen(3840, 2160);
  EXPECT_DOUBLE_EQ(zoom.shown(), 2160 / 528.0) << "letterboxed: the height decides";
  zoom.choose(2, false);
  EXPECT_DOUBLE_EQ(zoom.shown(), 2160 / 528.0) << "a zoom chosen in full screen waits for its end";
  zoom.setFullScreen(false);
  EXPECT_DOUBLE_EQ(zoom.shown(), 2.0);
}

}  // namespace
}  // namespace vorpex
