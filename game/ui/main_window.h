// The main game window: the widget shell around two full-size surfaces
// stacked on each other, the board and the main menu, exactly one of them
// visible, and the pause notice over them. It owns the painters that draw
// them (BoardPainter, MenuPainter), the pointer tracking that lights their
// buttons, and carries out the zoom and full screen that WindowZoom
// decides. What a click or a key does is the game's: it is handed on
// through the callbacks.
//
// The player may zoom the window (the layout stays in logical pixels; the
// surfaces are drawn at the zoomed size's own pixels) or show it full
// screen, letterboxed at 4:3 on the board's background.
#pragma once

#include <QWidget>
#include <functional>
#include <optional>

#include "board_layout.h"
#include "board_painter.h"
#include "drawing_kit.h"
#include "game_state.h"
#include "menu_painter.h"
#include "pause_notice.h"
#include "pointer_tracking.h"
#include "surface.h"
#include "window_zoom.h"

namespace vorpex {

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
  BoardPainter& painter() { return painter_; }
  MenuPainter& menuPainter() { return menuPainter_; }
  PointerTracking& pointer() { return pointer_; }
  SurfaceWidget& pauseWidget() { return pauseNotice_.widget(); }

  // Shows the surfaces at the zoom shown, centred.
  void resizeWindow();

  // The zoom the player chose: 1 is 100 %, at least 1. setZoom resizes the
  // window to 704 x 528 times `zoom` and draws both surfaces again at their
  // new size; in full screen it takes effect when full screen ends.
  double zoom() const { return zoom_.chosen(); }
  void setZoom(double zoom);
  // The zoom of what is on screen: the window's, or in full screen the
  // largest that fits the screen.
  double shownZoom() const { return zoom_.shown(); }
  // The largest zoom at which the window, frame included, fits the
  // screen's available area (1 .. kLargestZoom).
  double fitZoom() const;
  // Ctrl+= and Ctrl+-: the next step up or down of 100, 125, 150, 200 %
  // and "fit" (the steps the screen holds); Ctrl+0: 100 %.
  void zoomIn();
  void zoomOut();
  void zoomReset() { chooseZoom({1, false}, true); }
  // F11: full screen, or back to the window at its zoom.
  void toggleFullScreen();
  bool fullScreen() const { return zoom_.fullScreen(); }
  // The zoom as the settings keep it (percent, or kFitZoomPercent).
  int32_t zoomSetting() const { return zoom_.setting(); }
  void applyZoomSetting(int32_t percent);

  // Everything shown drawn again, in the kit's palette as it now is.
  void redrawAll();

  // The window's title and its parts' names in the text language as it now
  // is (translations.h); redrawAll draws their captions in it.
  void retranslate();

  // Shows the menu (drawn afresh) or the board; exactly one is visible.
  void mainMenu(bool shown);
  bool menuShown() const;

  // The pause notice in the board's place, or the board back (unless the
  // menu is showing).
  void showPaused(bool paused);
  bool pauseShown() const { return pauseNotice_.shown(); }

  // Called when the window is minimised (the game pauses).
  std::function<void()> onMinimized;
  // A key typed in the window, as its character code (see characterCode).
  std::function<void(int code)> onKey;
  // The window is closing, by the program or by the desktop.
  std::function<void()> onClose;
  // The zoom changed (the player zoomed or dragged the frame): the setting
  // to keep, as zoomSetting gives it.
  std::function<void(int32_t percent)> onZoomChosen;
  // A click on the window itself, which only the pause notice leaves bare.
  std::function<void()> onWindowClicked;
  // A key on the board, first: true when it was taken (the keyboard's
  // focus), false to hand it on as onKey.
  std::function<bool(const QKeyEvent& event)> onBoardKey;
  // F2: the player asks what stands in the game.
  std::function<void()> onStatusKey;
  // F3 on the board: take the offer beside the message line.
  std::function<void()> onOwnWordKey;
  // F4 on the board: "Share" of a puzzle of the day's results.
  std::function<void()> onShareKey;

 protected:
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // Back from a dialog: a screen reader hears the focused part again.
  void focusInEvent(QFocusEvent* event) override;
  // Tab moves among the drawn items, never among widgets.
  bool focusNextPrevChild(bool) override { return false; }

 private:
  // Shows the surfaces at the zoom shown, centred in the window, and draws
  // them again at the scale that needs.
  void showAtShownZoom();
  // A zoom the player chose: kept as the setting; with `keepCentre` the
  // window stays centred where it was, as far as the screen allows.
  void chooseZoom(WindowZoom::Choice choice, bool keepCentre);
  // The window resized to the chosen zoom (outside full screen) and shown at it.
  void showChosenZoom();
  // Moves the window, frame included, into the screen's available area;
  // with `centre`, centred there first.
  void keepOnScreen(std::optional<QPoint> centre);
  // The background the letterbox and the window show: light, or dark under
  // the pause notice.
  void paintBackground(Ink ink);
  // The keys that move the keyboard's focus and choose, on the menu and
  // the pause notice; true when `event` was one.
  bool menuOrNoticeKey(const QKeyEvent& event);
  // The surface on show: the pause notice, the menu or the board.
  SurfaceWidget& shownSurface();

  const DrawingKit& kit_;
  Surface board_{kWindowWidth, kWindowHeight};
  Surface menu_{kWindowWidth, kWindowHeight};
  BoardBoxes boxes_;
  MenuBoxes menuBoxes_;
  BoardPainter painter_;
  MenuPainter menuPainter_;
  PointerTracking pointer_;
  SurfaceWidget* boardWidget_;
  SurfaceWidget* menuWidget_;
  PauseNotice pauseNotice_;
  WindowZoom zoom_;
};

}  // namespace vorpex
