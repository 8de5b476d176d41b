// The stored image of the settings record.
#include <gtest/gtest.h>

#include "solving_data_image.h"

#include <vector>

namespace vorpex {
namespace {

SolvingData sample() {
  SolvingData d;
  d.puzzleNumber = 0x01020304;
  d.statsView = 1;
  d.sizeIndex = 2;
  d.gameMode = MODE_TIMED;
  d.curLevel = 3;
  d.levelOption = 4;
  d.timeOption = 3;
  return d;
}

TEST(SolvingDataImage, IsTwentyTwoLittleEndianBytesWithZeroPadding) {
  const SolvingDataImage image = writeSolvingDataImage(sample());
  const SolvingDataImage expected = {0x04, 0x03, 0x02, 0x01, 1, 0, 0, 0, 2, 0, 2,
                                     0,    3,    0,    0,    0, 4, 0, 0, 0, 3, 0};
  EXPECT_EQ(image, expected);
}

// Every byte of every field differs, so a field written or read one byte
// short or long shows.
TEST(SolvingDataImage, EveryByteOfEveryFieldHasItsPlace) {
  SolvingData d;
  d.puzzleNumber = 0x01020304;
  d.statsView = 0x05060708;
  d.sizeIndex = 0x090A;
  d.gameMode = 0x0B0C;
  d.curLevel = 0x0D0E;
  d.levelOption = 0x11121314;
  d.timeOption = 0x15161718;
  const SolvingDataImage image = writeSolvingDataImage(d);
  const SolvingDataImage expected = {0x04, 0x03, 0x02, 0x01, 0x08, 0x07, 0x06, 0x05, 0x0A, 0x09, 0x0C,
                                     0x0B, 0x0E, 0x0D, 0,    0,    0x14, 0x13, 0x12, 0x11, 0x18, 0x17};
  EXPECT_EQ(image, expected);
  SolvingData read;
  readSolvingDataImage(read, image.data(), image.size());
  d.timeOption = 0x1718;  // the high half stays the reader's own
  EXPECT_EQ(read, d);
}

TEST(SolvingDataImage, ReadRestoresEveryFieldButLeavesTheHighHalfOfTimeOption) {
  SolvingData loaded;
  loaded.timeOption = 0x00070000;  // only the low half travels through the image
  const SolvingDataImage image = writeSolvingDataImage(sample());
  readSolvingDataImage(loaded, image.data(), image.size());
  EXPECT_EQ(loaded.puzzleNumber, 0x01020304);
  EXPECT_EQ(loaded.gameMode, MODE_TIMED);
  EXPECT_EQ(loaded.curLevel, 3);
  EXPECT_EQ(loaded.levelOption, 4);
  EXPECT_EQ(loaded.timeOption, 0x00070003);

  SolvingData fresh;
  readSolvingDataImage(fresh, image.data(), image.size());
  EXPECT_EQ(fresh, sample());
}

TEST(SolvingDataImage, ALongerRecordIsReadForItsFirstTwentyTwoBytes) {
  std::vector<uint8_t> bytes(40, 0xEE);
  const SolvingDataImage image = writeSolvingDataImage(sample());
  std::copy(image.begin(), image.end(), bytes.begin());
  SolvingData read;
  readSolvingDataImage(read, bytes.data(), bytes.size());
  EXPECT_EQ(read, sample());
}

TEST(SolvingDataImage, ShortImageReplacesOnlyTheBytesItHolds) {
  SolvingData data = sample();
  data.sizeIndex = 0x0302;
  const uint8_t bytes[9] = {9, 0, 0, 0, 0, 0, 0, 0, 5};  // puzzleNumber, statsView, half of sizeIndex
  readSolvingDataImage(data, bytes, sizeof bytes);
  EXPECT_EQ(data.puzzleNumber, 9);
  EXPECT_EQ(data.statsView, 0);
  EXPECT_EQ(data.sizeIndex, 0x0305) << "the low byte from the image, the high byte kept";
  EXPECT_EQ(data.gameMode, MODE_TIMED);
  EXPECT_EQ(data.timeOption, 3);
}

}  // namespace
}  // namespace vorpex
