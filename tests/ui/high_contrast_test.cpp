// "High contrast": every text reads at 4.5:1 or more against what lies under
// it, found and missed words differ by more than colour, and captions keep
// to their shadows; off, the classic palette exactly.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>

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

TEST(HighContrast, EveryTextOfTheGameReadsAtFourAndAHalfToOneOrMore) {
  DrawingKit kit(kSheet);
  kit.setHighContrast(true);
  const QColor light = kit.brLight.color(), dark = kit.brDark.color(), black(0, 0, 0);
  // Every text colour the windows use over what they draw it on.
  const struct {
    const char* what;
    QColor text, under;
  } pairs[] = {
      {"captions and labels", kit.clrText, dark},
      {"read-out values", kit.clrValue, dark},
      {"a caption under the pointer", kit.clrHot, dark},
      {"found words in the list", kit.clrHot, dark},
      {"missed words in the list", kit.clrText, dark},
      {"Hall of Fame rows", kit.clrDark, light},
      {"messages, meanings, the advance button", black, light},
      {"a letter on a free tile", QColor(250, 250, 0), QColor(22, 34, 128)},
      {"a letter on a used tile", QColor(240, 240, 100), QColor(52, 60, 70)},
      {"a letter in the answer slots", QColor(240, 240, 100), QColor(22, 34, 128)},
      {"the pause notice", kit.clrValue, dark},
      {"the name prompt, on the lightest pixel of its backdrop", QColor(209, 255, 209), QColor(40, 64, 44)},
  };
  double lowest = 21;
  for (const auto& pair : pairs) {
    const double ratio = contrast(pair.text, pair.under);
    EXPECT_GE(ratio, 4.5) << pair.what;
    lowest = std::min(lowest, ratio);
  }
  std::printf("lowest contrast in high contrast: %.2f:1\n", lowest);

  kit.setHighContrast(false);
  EXPECT_EQ(kit.brDark.color(), QColor(120, 150, 120)) << "off: the classic palette";
  EXPECT_EQ(kit.clrText, QColor(140, 220, 140));
  EXPECT_LT(contrast(kit.clrText, kit.brDark.color()), 2.0) << "why the setting exists";
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
      for (int x = 106; x < 134; ++x) lowest = std::min(lowest, contrast(QColor(250, 250, 0), surface.image().pixel(x, y)));
    return lowest;
  };
  EXPECT_LT(lowestOnFace(), 4.5) << "classic";
  kit.setHighContrast(true);
  EXPECT_GE(lowestOnFace(), 4.5);
}

TEST(HighContrast, MissedWordsDifferFromFoundOnesByWeightAndSlant) {
  DrawingKit kit(kSheet);
  kit.setHighContrast(true);
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
  button.hBrush = &kit.brDark;
  button.hPen = &kit.penFrame;  // a light frame, not taken for the shadow
  button.textColor = kit.clrText;
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
  kit.drawButton(button, 1, true, 8, "OPTIONS");
  EXPECT_GE(leftmost(false) - leftmost(true), 3) << "classic: the hot caption stands 4 pixels off";
  kit.setHighContrast(true);
  kit.drawButton(button, 1, true, 8, "OPTIONS");
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
      {"the title", [](const DrawingKit& k, const ScreenBox& b) { k.drawSprite(b, 5, true); }, 200, 101, true},
      {"an arrow", [](const DrawingKit& k, const ScreenBox& b) { k.drawSprite(b, 3, false); }, 120, 20, false},
      {"the progress strip", [](const DrawingKit& k, const ScreenBox& b) { k.drawProgressBar(b, 40); }, 7 * 44, 20,
       false},
  };
  for (const bool high : {false, true}) {
    DrawingKit kit(kSheet);
    kit.setHighContrast(high);
    for (const auto& picture : pictures) {
      for (const double scale : {1.0, 2.0}) {
        SCOPED_TRACE(std::string(picture.what) + (high ? ", high contrast" : ", classic") + " at " +
                     std::to_string(scale));
        Surface s(400, 200);
        s.setScale(scale);
        s.image().fill(Qt::magenta);
        const ScreenBox box = testing::boxAt(s, 20, 30, picture.w, picture.h);
        picture.draw(kit, box);
        const QColor classic = picture.onDark ? QColor(120, 150, 120) : QColor(180, 240, 180);
        const QColor expected = high ? (picture.onDark ? kit.brDark : kit.brLight).color() : classic;
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
