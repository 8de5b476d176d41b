// Where every box of the game board lies, for a board of 5 to 8 tiles.
#pragma once

#include <QPoint>

#include "drawing_kit.h"

namespace vorpex {

// Side-panel button numbers: 2..9 read-outs (label, value), 10..18 commands.
constexpr int kFirstPanelButton = 2;
constexpr int kFirstPanelCommand = 10;
constexpr int kLastPanelButton = 18;
// The buttons that mean something of their own: the read-outs' values and
// the commands.
enum PanelButton : int {
  kScoreValue = 3,
  kBestScoreValue = 5,
  kTimeValue = 7,
  kLevelValue = 9,
  kHallOfFameCommand = 10,
  kPauseCommand = 11,
  kInstructionsCommand = 12,
  kShowSolutionCommand = 13,
  kOptionsCommand = 14,
  kMainMenuCommand = 15,
  kSaveAndExitCommand = 16,
  kEnterCommand = 17,
  kClearCommand = 18,
};
// The menu's seven buttons, 1 (the top) to 7.
// The seven classic buttons, then "PUZZLE OF THE DAY" and "STATISTICS"
// side by side below them.
constexpr int kMenuButtons = 9;
constexpr int kDailyMenuButton = 8;
constexpr int kStatisticsMenuButton = 9;

struct BoardBoxes {
  OneBased<ScreenBox> tiles = OneBased<ScreenBox>(kMaxRackLength);
  ScreenBox answerSlots;  // w slot side, h tile inset
  ScreenBox wordList;     // w indent and row height, h row pitch
  ScreenBox upArrow, downArrow;
  OneBased<ScreenBox> stats = OneBased<ScreenBox>(kMaxRackLength - 1);  // (1) the header
  ScreenBox progress;
  ScreenBox messageLine;
  // The meaning line under the answer-slot buttons, clear of the tallest
  // wheel (8 tiles start at y 192): "Show meanings" writes there.
  ScreenBox meaningLine;
  ScreenBox backButton;
  // Everyday words only: the bonus words found, on a line of their own
  // under the progress area, and the offer to accept a refused word or put
  // a word away, in the free corner right of the message line.
  ScreenBox bonusLine;
  ScreenBox ownWordOffer;
  // Right of "Enter", in the room before the word list: "Hint" in play
  // (hints offered), "Share" in the results of a puzzle of the day.
  ScreenBox extraButton;
  ScreenBox sidePanelBackground;
  OneBased<ScreenBox> panel = OneBased<ScreenBox>(kLastPanelButton);  // (2)..(18) used

  // The arrows' hover flags (their boxes' own isHot is not used).
  bool upHot = false;
  bool downHot = false;
};

// Top-left corner of tile `tile` (1..boardWidth) on the wheel around
// (308, 286): radius (boardWidth / 7 + 1) units, a step of 360 / boardWidth
// rounded to whole degrees, pi taken as 22/7, offsets rounded half to even.
QPoint tileCorner(int boardWidth, int tile);

// Lay out the boxes for `boardWidth` tiles on `board`: layOutPlayArea the
// tile wheel, answer slots, word list, arrows, progress box and the
// positions of "Enter" and "Clear"; layOutSidePanel (after it) the side
// panel, the statistics panel, the message line and the back button. Hover
// flags and the statistics header's view are kept from earlier layouts.
void layOutPlayArea(BoardBoxes& boxes, int boardWidth, Surface& board);
void layOutSidePanel(BoardBoxes& boxes, int boardWidth, Surface& board);

// The visible word-list row (0 the first) the point is over, or -1.
int listRowAt(const BoardBoxes& boxes, double x, double y);
// The box of visible row `row` (0 the first), which listRowAt answers
// for; empty for a row out of view.
QRect listRowBox(const BoardBoxes& boxes, int row);

struct MenuBoxes {
  ScreenBox title;
  OneBased<ScreenBox> buttons = OneBased<ScreenBox>(kMenuButtons);
};

// The title and the seven menu buttons on `menu`.
void layOutMainMenu(MenuBoxes& boxes, Surface& menu);

}  // namespace vorpex
