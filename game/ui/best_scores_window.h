// The Hall of Fame: one mode's best-scores table drawn with the
// drawing kit, with "OK" and "Clear Scores". Clearing changes the table in
// the game state at once; it reaches the store with the other settings at a
// normal exit.
#pragma once

#include "drawing_kit.h"
#include "drawn_dialog.h"
#include "game_state.h"

namespace vorpex {

class BestScoresWindow : public DrawnDialog {
 public:
  // `language`'s Hall of Fame of `tableIndex` (1 Classic Arcade, 2 Timed Arcade).
  BestScoresWindow(GameState& state, Language language, int16_t tableIndex, const DrawingKit& kit, QWidget* parent);

  // (1) "OK", (2) "Clear Scores".
  const ScreenBox& button(int i) const { return buttons_(static_cast<size_t>(i)); }
  // Every row of the table becomes "Anonoymous" with score 0, and is redrawn.
  void clearScores();

 protected:
  void pointerMoved(double x, double y) override;
  void pointerPressed(int button, double x, double y) override;
  void characterTyped(int code) override;

 private:
  void drawTable();

  GameState& state_;
  const Language language_;
  const int16_t tableIndex_;
  const DrawingKit& kit_;
  ScreenBox background_, title_;
  OneBased<ScreenBox> names_{kScoreRows}, scores_{kScoreRows}, buttons_{2};
};

}  // namespace vorpex
