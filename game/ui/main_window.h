// The main game window frm5ir: 16 x 12 layout units (704 x 528) at 100 %,
// holding two full-size surfaces stacked on each other, the board pbGrid and
// the main menu pbMainMenu, exactly one of them visible. This class lays out
// and draws them and gives the board and the menu their hover feedback; what
// a click does is the game's (it is handed on through the callbacks).
//
// The player may zoom the window (the layout stays in logical pixels; the
// surfaces are drawn at the zoomed size's own pixels) or show it full
// screen, letterboxed at 4:3 on the board's background.
#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "board_layout.h"
#include "drawing_kit.h"
#include "game_state.h"
#include "surface.h"

class QLabel;

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

  // The zoom of the window: 1 is 100 %, at least 1. setZoom resizes the
  // window to 704 x 528 times `zoom` and draws both surfaces again at their
  // new size; in full screen it takes effect when full screen ends.
  double zoom() const { return zoom_; }
  void setZoom(double zoom);
  // The zoom of what is on screen: the window's, or in full screen the
  // largest that fits the screen.
  double shownZoom() const { return shown_; }
  // The largest zoom at which the window, frame included, fits the
  // screen's available area: at least 1 and at most 4 (400 %, the most the
  // settings keep).
  double fitZoom() const;
  // Ctrl+= and Ctrl+-: the next step up or down of 100, 125, 150, 200 %
  // and "fit" (the steps the screen holds); Ctrl+0: 100 %.
  void zoomIn();
  void zoomOut();
  void zoomReset() { chooseZoom(1, false, true); }
  // F11: full screen, or back to the window at its zoom.
  void toggleFullScreen();
  bool fullScreen() const { return fullScreen_; }
  // The kit's palette changed (high contrast on or off): every box is laid
  // out again with its new colours, and what is shown drawn again.
  void paletteChanged();

  // The zoom the player chose, as the settings keep it: percent, or 0 for
  // "fit" (re-measured on each screen).
  int32_t zoomSetting() const;
  void applyZoomSetting(int32_t percent);

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
  // The four read-outs: score, best score, time (or "0" in Classic Arcade), level.
  void drawReadOuts();
  void drawTile(int tile);
  void drawRack();
  void drawAnswerSlots();
  void drawWordInSlots(const std::string& word);
  // The list shown (found words, or every word in the results view) from
  // row listTop, row `selected` (0 for none) framed.
  void drawWordList(int32_t selected = 0);
  // The progress bar, or once the target is reached the advance button with
  // `advanceText` (a new word writes it differently from a resumed board).
  void drawProgressArea(const QString& advanceText = QStringLiteral("Advance to Next Level"));
  // The statistics panel in the view its header's state holds; refreshes.
  void drawFoundStats();
  // The message line: 0 clears it, 1 to 4 the game's messages (3 with `points`).
  void showMessage(int messageId, const QString& points = QString());

  // The results view: the five play commands switched off and erased, the
  // back button drawn.
  void showResultsControls();
  // The back button lit or not as the pointer is over it; true when over it.
  bool hoverBackButton(double x, double y);
  // The visible word-list row (0 the first) the point is over, or -1.
  int listRowAt(double x, double y) const;
  // The meaning line with `text` trimmed to its width ("" clears it).
  void drawMeaningLine(const QString& text);

  // The pause notice over the whole window with the board hidden, or the
  // board back (unless the menu is showing).
  void showPaused(bool paused);
  bool pauseShown() const;

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
  // Pointer moves over the board while a game is in play.
  std::function<void(double x, double y)> onPlayMove;
  // A key typed in the window, as its character code (see characterCode).
  std::function<void(int code)> onKey;
  // The window is closing, by the program or by the desktop.
  std::function<void()> onClose;
  // The zoom changed (the player zoomed or dragged the frame): the setting
  // to keep, as zoomSetting gives it.
  std::function<void(int32_t percent)> onZoomChosen;
  // A click on the window itself, which only the pause notice leaves bare.
  std::function<void()> onWindowClicked;

 protected:
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void drawPanelButton(int b, bool hot);
  void drawBackButton(bool hot);
  void drawMainMenu();
  // The board as it last stood, drawn again on a surface of a new scale.
  void redrawBoard();
  // Shows the surfaces at `zoom`, centred in the window, and draws them
  // again at the scale that needs.
  void showAtZoom(double zoom);
  // In full screen: the largest zoom the window holds, letterboxed.
  void fillScreen();
  // A zoom the player chose: kept as the setting; with `keepCentre` the
  // window stays centred where it was, as far as the screen allows.
  void chooseZoom(double zoom, bool fit, bool keepCentre);
  // Moves the window, frame included, into the screen's available area;
  // with `centre`, centred there first.
  void keepOnScreen(std::optional<QPoint> centre);

  GameState& state_;
  const DrawingKit& kit_;
  Surface board_{kWindowWidth, kWindowHeight};
  Surface menu_{kWindowWidth, kWindowHeight};
  SurfaceWidget* boardWidget_;
  SurfaceWidget* menuWidget_;
  BoardBoxes boxes_;
  MenuBoxes menuBoxes_;
  QLabel& pauseNotice();
  void placePauseNotice();
  QLabel* pauseNotice_ = nullptr;  // made at the first pause
  double zoom_ = 1;
  double shown_ = 1;
  bool zoomIsFit_ = false;
  bool fullScreen_ = false;
};

}  // namespace vorpex
