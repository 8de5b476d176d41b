#include "pointer_tracking.h"

namespace vorpex {

PointerTracking::PointerTracking(BoardBoxes& boxes, MenuBoxes& menuBoxes, BoardPainter& board, MenuPainter& menu,
                                 const GameState& state)
    : boxes_(boxes), menuBoxes_(menuBoxes), board_(board), menu_(menu), state_(state) {}

void PointerTracking::trackArrow(bool up, bool over) {
  bool& hot = up ? boxes_.upHot : boxes_.downHot;
  if (hot == over) return;
  board_.drawArrow(up, over);
  hot = over;
  board_.refresh();
  if (!over && onLeftArrow) onLeftArrow();
}

void PointerTracking::boardMoved(double x, double y) {
  const auto px = static_cast<float>(x), py = static_cast<float>(y);
  const bool overUp = isInBox(boxes_.upArrow, px, py);
  const bool overDown = isInBox(boxes_.downArrow, px, py);
  // Entering before leaving, the down arrow before the up one.
  if (overDown) trackArrow(false, true);
  if (overUp) trackArrow(true, true);
  if (!overDown) trackArrow(false, false);
  if (!overUp) trackArrow(true, false);

  for (int b = kFirstPanelCommand; b <= kLastPanelButton; ++b) {
    ScreenBox& box = boxes_.panel(static_cast<size_t>(b));
    if (box.state <= 0) continue;
    const bool inside = isInBox(box, px, py);
    if (inside != box.isHot) {
      board_.drawPanelButton(b, inside);
      box.isHot = inside;
      board_.refresh();
    }
  }

  ScreenBox& extra = boxes_.extraButton;
  if (const bool inside = isInBox(extra, px, py) && !board_.extraButtonCaption().isEmpty(); inside != extra.isHot) {
    board_.drawExtraButton(inside);
    board_.refresh();
  }

  if (!state_.gameActive && !state_.showingResults) return;
  if (state_.curLevelScore >= state_.targetScore) {
    ScreenBox& box = boxes_.progress;
    const bool inside = isInBox(box, px, py);
    if (inside != box.isHot) {
      board_.drawAdvanceButton(inside);
      box.isHot = inside;
      board_.refresh();
    }
  }
  if (state_.showingResults) {
    ScreenBox& back = boxes_.backButton;
    if (const bool inside = isInBox(back, px, py); inside != back.isHot) {
      board_.drawBackButton(inside);
      back.isHot = inside;
      board_.refresh();
    }
    if (onResultsMove) onResultsMove(x, y);
  }
  if (state_.gameActive && !state_.showingResults && onPlayMove) onPlayMove(x, y);
}

void PointerTracking::menuMoved(double x, double y) {
  for (int b = 1; b <= kMenuButtons; ++b) {
    ScreenBox& box = menuBoxes_.buttons(static_cast<size_t>(b));
    const bool inside = isInBox(box, static_cast<float>(x), static_cast<float>(y));
    if (inside == box.isHot) continue;
    menu_.drawButton(b, inside);
    box.isHot = inside;
    menu_.refresh();
  }
}

}  // namespace vorpex
