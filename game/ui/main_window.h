// The main game window frm5ir: fixed at 16 x 12 layout units (704 x 528),
// holding two full-size surfaces stacked on each other, the board pbGrid and
// the main menu pbMainMenu, exactly one of them visible. This class lays out
// and draws them and gives the board and the menu their hover feedback; what
// a click does is the game's (it is handed on through the callbacks).
#pragma once

#include <QWidget>
#include <functional>

#include "board_layout.h"
#include "drawing_kit.h"
#include "game_state.h"
#include "surface.h"

namespace vorpex {

constexpr int kWindowWidth = 16 * unitSize;   // 704
constexpr int kWindowHeight = 12 * unitSize;  // 528

class MainWindow : public QWidget {
 public:
  MainWindow(GameState& state, const DrawingKit& kit);

  Surface& board() { return board_; }
  Surface& menu() { return menu_; }
  SurfaceWidget& boardWidget() { return *boardWidget_; }
  SurfaceWidget& menuWidget() { return *menuWidget_; }
  BoardBoxes& boxes() { return boxes_; }
  MenuBoxes& menuBoxes() { return menuBoxes_; }
  const DrawingKit& kit() const { return kit_; }

  // Places the board at (0, 0) at full size.
  void resizeWindow();

  // Shows the menu (drawn afresh) or the board; exactly one is visible.
  void mainMenu(bool shown);
  bool menuShown() const;

  // initLPBtns then initRPBtns for the current board width.
  void layOutBoard();

  // The board of a level as it starts or resumes: light background, side panel with
  // its read-outs and commands, rack, answer slots, arrows, word list,
  // statistics panel and progress area.
  void drawBoard();
  void drawSidePanel();
  // Read-out b (3, 5, 7 or 9) with `value`.
  void drawReadOut(int button, const QString& value);
  void drawWordList(int32_t selected = 0);
  void drawProgressArea();
  void drawFoundStats();
  // The message line: 0 clears it, 1 to 4 the game's messages (3 with `points`).
  void showMessage(int messageId, const QString& points = QString());

  // Hover on the board and on the menu; each change is drawn and refreshed
  // on its own, and a move that changes nothing draws nothing.
  void pbGrid_MouseMove(int buttons, double x, double y);
  void pbMainMenu_MouseMove(int buttons, double x, double y);

  // Called when the window is minimised (the game pauses).
  std::function<void()> onMinimized;
  // Called when the pointer leaves a lit list arrow (the auto-repeat stops).
  std::function<void()> onLeftArrow;
  // Pointer moves while the results are shown.
  std::function<void(double x, double y)> onResultsMove;

 protected:
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void drawPanelButton(int b, bool hot);

  GameState& state_;
  const DrawingKit& kit_;
  Surface board_{kWindowWidth, kWindowHeight};
  Surface menu_{kWindowWidth, kWindowHeight};
  SurfaceWidget* boardWidget_;
  SurfaceWidget* menuWidget_;
  BoardBoxes boxes_;
  MenuBoxes menuBoxes_;
};

}  // namespace vorpex
