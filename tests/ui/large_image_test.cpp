// Window-sized images held in a mapping of their own: laid out as QImage
// lays out its own, usable by every copy, and released with the last one.
#include <gtest/gtest.h>

#include <cstdint>

#include "large_image.h"

namespace vorpex {
namespace {

TEST(LargeImageTest, IsLaidOutAsQImageLaysOutItsOwn) {
  struct Case {
    int width, height;
    QImage::Format format;
  };
  // The main window at 100 % and at 200 %, and odd widths whose rows need padding.
  for (const Case& c : {Case{704, 528, QImage::Format_RGB32}, Case{1408, 1056, QImage::Format_RGB32},
                        Case{1001, 1100, QImage::Format_Grayscale8}, Case{1003, 700, QImage::Format_RGB888}}) {
    const QImage image = makeLargeImage(c.width, c.height, c.format);
    const QImage plain(c.width, c.height, c.format);
    ASSERT_FALSE(image.isNull()) << c.width << "x" << c.height;
    EXPECT_EQ(image.size(), plain.size());
    EXPECT_EQ(image.format(), c.format);
    EXPECT_EQ(image.bytesPerLine(), plain.bytesPerLine()) << c.width << "x" << c.height;
#if defined(__linux__)
    // Only whole large pages on their boundaries can be used.
    EXPECT_EQ(reinterpret_cast<uintptr_t>(image.constBits()) % (uintptr_t{2} << 20), 0u)
        << c.width << "x" << c.height;
#endif
  }
}

TEST(LargeImageTest, EveryCopyReadsThePixelsAndTheLastOneReleasesThem) {
  QImage copy;
  {
    QImage image = makeLargeImage(704, 528, QImage::Format_RGB32);
    image.fill(0xFF204060);
    image.setPixel(703, 527, 0xFFFFFFFF);
    copy = image;
  }
  // Released with the first image, the pixels would be gone here.
  EXPECT_EQ(copy.pixel(0, 0), 0xFF204060u);
  EXPECT_EQ(copy.pixel(703, 527), 0xFFFFFFFFu);

  QImage changed = copy;
  changed.setPixel(0, 0, 0xFF000000);  // detaches: the shared pixels stay as they were
  EXPECT_EQ(copy.pixel(0, 0), 0xFF204060u);
  EXPECT_EQ(changed.pixel(0, 0), 0xFF000000u);
  EXPECT_EQ(changed.pixel(703, 527), 0xFFFFFFFFu);
}

TEST(LargeImageTest, SmallAndEmptySizesAreAsQImageGivesThem) {
  const QImage small = makeLargeImage(40, 30, QImage::Format_RGB32);
  ASSERT_FALSE(small.isNull());
  EXPECT_EQ(small.size(), QSize(40, 30));
  EXPECT_TRUE(makeLargeImage(0, 528, QImage::Format_RGB32).isNull());
  EXPECT_TRUE(makeLargeImage(704, -1, QImage::Format_RGB32).isNull());
  EXPECT_TRUE(makeLargeImage(704, 528, QImage::Format_Invalid).isNull());
}

}  // namespace
}  // namespace vorpex
