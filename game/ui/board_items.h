// The board as the keyboard and screen readers meet it (DrawnItems): the
// rack's tiles, the word being built, Enter and Clear, the progress area or
// the advance button, the message line, the side panel's read-outs and
// commands, the list's arrows, the results' back button, and every word of
// the list shown. Choosing one clicks it, so it does what a click does.
#pragma once

#include <vector>

#include "board_layout.h"
#include "board_painter.h"
#include "drawn_items.h"
#include "game_session.h"
#include "game_state.h"

namespace vorpex {

// Items that are not side-panel buttons, which keep their own numbers
// (kScoreValue .. kClearCommand) as their ids.
enum BoardItem : int {
  kTileItem = 100,  // + tile 1..8
  kAnswerSlotsItem = 200,
  kProgressItem,  // the progress bar, or the advance button
  kMessageItem,
  kUpArrowItem,
  kDownArrowItem,
  kBackItem,
  kMeaningItem,
  kBonusWordsItem,    // the bonus line, while it lists any
  kOwnWordOfferItem,  // the offer beside the message line, while one is made
  kHintItem,          // "Hint", while hints are offered
  kShareItem,         // "Share", in a puzzle of the day's results
  // + 1000 x the word's length + its place among the puzzle's words of that
  // length: the same word keeps its id while the list grows around it.
  kWordItem = 10000,
};

// The board's items in the order Tab meets them; none before a board is
// laid out. `items` makes the clicks.
std::vector<DrawnItem> describeBoard(const BoardBoxes& boxes, const GameState& state, GameSession& session,
                                     const BoardPainter& painter, const DrawnItems& items);

}  // namespace vorpex
