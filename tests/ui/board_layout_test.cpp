// The board's geometry: the tile wheel and the side panel.
#include <gtest/gtest.h>

#include "board_layout.h"

namespace vorpex {
namespace {

TEST(TileWheel, CornersMatchTheTableForFiveToEightTiles) {
  const std::vector<std::vector<QPoint>> corners = {
      {{331, 358}, {247, 330}, {247, 242}, {331, 214}, {383, 286}},
      {{349, 357}, {267, 357}, {226, 286}, {267, 215}, {349, 215}, {390, 286}},
      {{363, 354}, {290, 372}, {230, 326}, {228, 250}, {285, 201}, {360, 215}, {396, 282}},
      {{375, 353}, {308, 380}, {241, 353}, {214, 286}, {241, 219}, {308, 192}, {375, 219}, {402, 286}}};
  for (int width = 5; width <= 8; ++width) {
    const auto& expected = corners[static_cast<size_t>(width - 5)];
    for (int tile = 1; tile <= width; ++tile)
      EXPECT_EQ(tileCorner(width, tile), expected[static_cast<size_t>(tile - 1)]) << width << " tiles, tile " << tile;
  }
}

TEST(BoardLayout, SidePanelReadOutsPackCloserThanCommands) {
  Surface board(704, 528);
  BoardBoxes boxes;
  layOutPlayArea(boxes, 7, board);
  layOutSidePanel(boxes, 7, board);
  const int ys[] = {50, 70, 100, 120, 150, 170, 200, 220, 280, 310, 340, 370, 400, 430, 460};
  for (int b = 2; b <= 16; ++b) EXPECT_EQ(boxes.panel(static_cast<size_t>(b)).y, ys[b - 2]) << "button " << b;
  EXPECT_EQ(boxes.panel(17).x, 344);
  EXPECT_EQ(boxes.panel(18).x, 220);
  for (int b = 2; b <= 18; ++b) EXPECT_EQ(boxes.panel(static_cast<size_t>(b)).state, 1);
  EXPECT_EQ(boxes.panel(kScoreValue).text, Ink::value);
  EXPECT_EQ(boxes.panel(kHallOfFameCommand).text, Ink::caption);
  EXPECT_EQ(boxes.stats(1).y, 345);
  EXPECT_EQ(boxes.stats(6).y, 445);
  EXPECT_EQ(boxes.downArrow.y, 305);
  EXPECT_EQ(boxes.upArrow.y, 25);
}

TEST(BoardLayout, RelayingOutKeepsHoverFlagsAndTheStatisticsView) {
  Surface board(704, 528);
  BoardBoxes boxes;
  layOutPlayArea(boxes, 5, board);
  layOutSidePanel(boxes, 5, board);
  boxes.panel(12).isHot = true;
  boxes.stats(1).state = 1;
  layOutPlayArea(boxes, 8, board);
  layOutSidePanel(boxes, 8, board);
  EXPECT_TRUE(boxes.panel(12).isHot);
  EXPECT_EQ(boxes.stats(1).state, 1);
  EXPECT_EQ(boxes.tiles(8).x, 402);
}

TEST(MenuLayout, ButtonsStandAtElevenTenthsOfAUnitApart) {
  Surface menu(704, 528);
  MenuBoxes boxes;
  layOutMainMenu(boxes, menu);
  const int ys[] = {145, 194, 242, 290, 339, 387, 436};
  for (int b = 1; b <= 7; ++b) {
    EXPECT_EQ(boxes.buttons(static_cast<size_t>(b)).y, ys[b - 1]);
    EXPECT_EQ(boxes.buttons(static_cast<size_t>(b)).x, 242);
  }
  EXPECT_EQ(boxes.title.x, 260);
  EXPECT_EQ(boxes.title.y, 33);
}

}  // namespace
}  // namespace vorpex
