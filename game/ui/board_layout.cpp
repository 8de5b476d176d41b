#include "board_layout.h"

#include <cmath>

#include "rounding.h"

namespace vorpex {

namespace {
constexpr int u = kUnitSize;

void place(ScreenBox& box, Surface& surface, int x, int y, int w, int h) {
  box.surface = &surface;
  box.x = x;
  box.y = y;
  box.w = w;
  box.h = h;
}
}  // namespace

QPoint tileCorner(int boardWidth, int tile) {
  const double radius = (boardWidth / 7.0 + 1.0) * u;
  const int step = roundHalfEven(360.0 / boardWidth);
  const int degrees = (step * tile) % 360;
  const double radians = degrees * (22.0 / 7.0) / 180.0;
  const int dx = roundHalfEven(radius * std::cos(radians));
  const int dy = roundHalfEven(radius * std::sin(radians));
  const QPoint centre(4 * u + 3 * u, 4 * u + roundHalfEven(2.5 * u));
  return centre + QPoint(dx, dy);
}

void layOutPlayArea(BoardBoxes& boxes, int boardWidth, Surface& board) {
  for (int i = 1; i <= boardWidth; ++i) {
    const QPoint corner = tileCorner(boardWidth, i);
    place(boxes.tiles(static_cast<size_t>(i)), board, corner.x(), corner.y(), u, u);
  }
  place(boxes.answerSlots, board, 4 * u, u, 44, 2);
  place(boxes.panel(17), board, 10 * u - 96, roundHalfEven(2.5 * u), 96, 30);
  place(boxes.panel(18), board, 4 * u + u, roundHalfEven(2.5 * u), 96, 30);
  place(boxes.wordList, board, roundHalfEven(12.5 * u), 45, 15, 20);
  place(boxes.upArrow, board, boxes.wordList.x, boxes.wordList.y - 20, 120, 20);
  place(boxes.downArrow, board, boxes.wordList.x, boxes.wordList.y + kVisibleListRows * boxes.wordList.h, 120, 20);
  place(boxes.progress, board, 4 * u, roundHalfEven(10.5 * u), roundHalfEven(7.5 * u), 30);
}

void layOutSidePanel(BoardBoxes& boxes, int boardWidth, Surface& board) {
  place(boxes.sidePanelBackground, board, 0, 0, 3 * u, 12 * u);
  boxes.sidePanelBackground.fill = Ink::dark;

  int y = 0;
  for (int b = kFirstPanelButton; b <= 16; ++b) {
    if (b >= kFirstPanelCommand) {
      y = 30 * b - 20;
    } else {
      y = b % 2 == 0 ? 25 * b : y + 20;
    }
    place(boxes.panel(static_cast<size_t>(b)), board, 5, y, 3 * u - 10, 25);
  }
  for (int b = kFirstPanelButton; b <= kLastPanelButton; ++b) {
    ScreenBox& box = boxes.panel(static_cast<size_t>(b));
    box.fill = Ink::dark;
    box.frame = Ink::frame;
    const bool value = b == kScoreValue || b == kBestScoreValue || b == kTimeValue || b == kLevelValue;
    box.text = value ? Ink::value : Ink::caption;
    box.state = 1;
  }

  // The statistics panel: a header and one row per word length 3..boardWidth.
  for (int r = 1; r <= boardWidth - 1; ++r) {
    ScreenBox& box = boxes.stats(static_cast<size_t>(r));
    // At y 345 + 20 (r - 1): 20 pixels clear below the down arrow.
    place(box, board, boxes.wordList.x, boxes.downArrow.y + boxes.downArrow.h + 20 + 20 * (r - 1), 3 * u, 20);
    box.fill = r == 1 ? Ink::dark : Ink::light;
    box.frame = r == 1 ? Ink::frame : Ink::none;
    box.text = Ink::caption;
  }

  boxes.progress.fill = Ink::light;
  boxes.progress.frame = Ink::none;
  boxes.progress.text = Ink::black;

  place(boxes.messageLine, board, roundHalfEven(3.5 * u), 3, 9 * u, 20);
  boxes.messageLine.fill = Ink::light;
  place(boxes.meaningLine, board, 3 * u + 8, 150, 9 * u + 8, 22);
  boxes.meaningLine.fill = Ink::light;
  place(boxes.backButton, board, 5 * u, roundHalfEven(2.5 * u), 5 * u, 30);
  // Under the progress area (which ends at y 492) and above the board's foot.
  place(boxes.bonusLine, board, boxes.progress.x, boxes.progress.y + boxes.progress.h + 6, boxes.progress.w, 22);
  boxes.bonusLine.fill = Ink::light;
  // Above the list's up arrow (y 25), right of the message line (x 550).
  place(boxes.ownWordOffer, board, boxes.wordList.x + 2, 2, 3 * u + 16, 21);
  boxes.ownWordOffer.fill = Ink::dark;
  boxes.ownWordOffer.frame = Ink::frame;
  boxes.ownWordOffer.text = Ink::value;  // plain, so the strongest of the panel's inks
  place(boxes.extraButton, board, boxes.panel(17).x + boxes.panel(17).w + 8, boxes.panel(17).y, 96, 30);
  boxes.extraButton.fill = Ink::dark;
  boxes.extraButton.frame = Ink::frame;
  boxes.extraButton.text = Ink::caption;
  boxes.backButton.fill = Ink::dark;
  boxes.backButton.frame = Ink::frame;
  boxes.backButton.text = Ink::caption;
}

void layOutMainMenu(MenuBoxes& boxes, Surface& menu) {
  place(boxes.title, menu, 8 * u - 92, roundHalfEven(0.75 * u), 200, 101);
  for (int b = 1; b <= kMenuButtons; ++b) {
    ScreenBox& box = boxes.buttons(static_cast<size_t>(b));
    if (b < kDailyMenuButton) {
      place(box, menu, roundHalfEven(5.5 * u), roundHalfEven(1.1 * (b + 2) * u), 5 * u, 30);
    } else {
      // A row of two centred under the column, where the eighth would stand
      // (y 484); the window shows all 528 rows.
      place(box, menu, roundHalfEven(5.5 * u) - 117 + (b - kDailyMenuButton) * 235, roundHalfEven(1.1 * 10 * u), 5 * u,
            30);
    }
    box.fill = Ink::dark;
    box.frame = Ink::frame;
    box.text = Ink::caption;
  }
}

QRect listRowBox(const BoardBoxes& boxes, int row) {
  const ScreenBox& list = boxes.wordList;
  if (row < 0 || row >= kVisibleListRows) return {};
  return {list.x, list.y + row * list.h, 8 * list.w, list.h};
}

int listRowAt(const BoardBoxes& boxes, double x, double y) {
  const ScreenBox& list = boxes.wordList;
  if (!(list.x < x && x <= list.x + 8 * list.w && list.y < y && y <= list.y + kVisibleListRows * list.h)) return -1;
  return static_cast<int>(std::lround(y - list.y)) / list.h;
}

}  // namespace vorpex
