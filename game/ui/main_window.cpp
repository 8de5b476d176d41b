#include "main_window.h"

#include <QCloseEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "drawn_accessible.h"
#include "drawn_dialog.h"
#include "menu_items.h"
#include "text_codec.h"

namespace vorpex {

namespace {
constexpr double kBoardPoints = 14.25;
constexpr const char* kBoardFamily = "Times New Roman";
constexpr const char* kMenuFamily = "Arial Narrow";
}  // namespace

MainWindow::MainWindow(GameState& state, const DrawingKit& kit)
    : kit_(kit),
      painter_(board_, boxes_, state, kit),
      menuPainter_(menu_, menuBoxes_, kit),
      pointer_(boxes_, menuBoxes_, painter_, menuPainter_, state),
      pauseNotice_(*this, kit) {
  // Before any surface exists: a surface's interface is made once.
  installDrawnAccessibility();
  // 100 % at least; a size the frame is dragged to snaps to 4:3.
  setMinimumSize(kWindowWidth, kWindowHeight);
  resize(kWindowWidth, kWindowHeight);
  setWindowZoom(*this, 1);
  // Full screen letterboxes the board on its own background.
  setAutoFillBackground(true);
  paintBackground(Ink::light);
  board_.setFont(kBoardFamily, kBoardPoints, true);
  menu_.setFont(kMenuFamily, kBoardPoints, true);
  boardWidget_ = new SurfaceWidget(board_, this);
  menuWidget_ = new SurfaceWidget(menu_, this);
  boardWidget_->onRescaled = [this] { painter_.redraw(); };
  menuWidget_->onRescaled = [this] {
    if (!menuWidget_->isHidden()) menuPainter_.draw();
  };
  // Drawn at the screen's pixels from the first frame.
  board_.setScale(devicePixelRatioF());
  menu_.setScale(devicePixelRatioF());
  boardWidget_->onMouseMove = [this](int, double x, double y) { pointer_.boardMoved(x, y); };
  menuWidget_->onMouseMove = [this](int, double x, double y) { pointer_.menuMoved(x, y); };
  boardWidget_->hide();
  setFocusPolicy(Qt::StrongFocus);

  // The parts of each surface, for the keyboard and screen readers.
  retranslate();
  SurfaceWidget& notice = pauseNotice_.widget();
  for (SurfaceWidget* widget : {boardWidget_, menuWidget_, &notice}) widget->items().setKit(&kit_);
  menuWidget_->items().describe = [this] { return describeMenu(menuBoxes_, menuWidget_->items()); };
  notice.items().describe = [this] {
    DrawnItem resume =
        buttonItem(1, translatedText("PAUSED"), QRect(8, 8, kWindowWidth - 16, kWindowHeight - 16), [this] {
          if (onWindowClicked) onWindowClicked();
        });
    resume.description = translatedText("Click anywhere, or press Space, to go on playing");
    return std::vector<DrawnItem>{resume};
  };
}

void MainWindow::paintBackground(Ink ink) {
  QPalette background = palette();
  background.setColor(QPalette::Window, kit_.colour(ink));
  setPalette(background);
}

double MainWindow::fitZoom() const {
  const QScreen* where = screen();
  if (!where) return 1;
  const QRect area = where->availableGeometry();
  // The frame the window manager adds; before the window is shown, room
  // for a common title bar.
  const QSize frame = isVisible() ? frameGeometry().size() - geometry().size() : QSize(0, 32);
  return WindowZoom::fitting(area.width(), area.height(), frame.width(), frame.height());
}

void MainWindow::keepOnScreen(std::optional<QPoint> centre) {
  const QScreen* where = screen();
  if (!where || !isVisible() || zoom_.fullScreen()) return;
  const QRect area = where->availableGeometry();
  const QRect outer = frameGeometry(), inner = geometry();
  const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                       outer.bottom() - inner.bottom());
  QRect placed = inner;
  if (centre) placed.moveCenter(*centre);
  const auto within = [](int at, int low, int high) { return std::clamp(at, low, std::max(low, high)); };
  placed.moveTopLeft({within(placed.left(), area.left() + frame.left(), area.right() - frame.right() - placed.width() + 1),
                      within(placed.top(), area.top() + frame.top(), area.bottom() - frame.bottom() - placed.height() + 1)});
  if (placed.topLeft() != inner.topLeft()) move(placed.topLeft() - QPoint(frame.left(), frame.top()));
}

void MainWindow::showAtShownZoom() {
  const double shown = zoom_.shown();
  setWindowZoom(*this, shown);
  for (SurfaceWidget* widget : {boardWidget_, menuWidget_, &pauseNotice_.widget()}) {
    widget->setZoom(shown);
    widget->move(std::max(0, (width() - widget->width()) / 2), std::max(0, (height() - widget->height()) / 2));
    widget->matchScale();
  }
}

void MainWindow::showChosenZoom() {
  if (zoom_.fullScreen()) return;
  const QSize size(zoomed(kWindowWidth, zoom_.chosen()), zoomed(kWindowHeight, zoom_.chosen()));
  // 100 % at least, but where the screen holds less, that less.
  setMinimumSize(size.boundedTo(QSize(kWindowWidth, kWindowHeight)));
  if (this->size() != size) resize(size);
  showAtShownZoom();
}

void MainWindow::setZoom(double zoom) {
  zoom_.choose(zoom, zoom_.fit());
  showChosenZoom();
}

void MainWindow::chooseZoom(WindowZoom::Choice choice, bool keepCentre) {
  const QPoint centre = geometry().center();
  zoom_.choose(choice.zoom, choice.fit);
  showChosenZoom();
  keepOnScreen(keepCentre ? std::optional<QPoint>(centre) : std::nullopt);
  if (onZoomChosen) onZoomChosen(zoom_.setting());
}

void MainWindow::zoomIn() {
  if (const auto step = zoom_.stepIn(fitZoom())) chooseZoom(*step, true);
}

void MainWindow::zoomOut() {
  if (const auto step = zoom_.stepOut(fitZoom())) chooseZoom(*step, true);
}

void MainWindow::applyZoomSetting(int32_t percent) {
  zoom_.applySetting(percent, fitZoom());
  showChosenZoom();
}

void MainWindow::toggleFullScreen() {
  if (zoom_.fullScreen()) {
    zoom_.setFullScreen(false);
    showNormal();
    showChosenZoom();
  } else {
    zoom_.setFullScreen(true);
    setMinimumSize(0, 0);  // a screen may hold less than 100 %
    showFullScreen();
  }
}

void MainWindow::resizeWindow() { showAtShownZoom(); }

bool MainWindow::menuShown() const { return menuWidget_->isVisible() || !boardWidget_->isVisible(); }

void MainWindow::mainMenu(bool shown) {
  menuWidget_->setVisible(shown);
  boardWidget_->setVisible(!shown);
  if (!shown) return;
  menuPainter_.draw();
  // A screen reader reads the button the keyboard would choose.
  DrawnItems& items = menuWidget_->items();
  items.focusQuietly(items.focusedId() > 0 ? items.focusedId() : 1);
}

void MainWindow::retranslate() {
  setWindowTitle(translatedText("Arcade Vorpex"));
  boardWidget_->setAccessibleName(translatedText("Board"));
  menuWidget_->setAccessibleName(translatedText("Main menu"));
  pauseNotice_.widget().setAccessibleName(translatedText("Paused"));
}

void MainWindow::redrawAll() {
  paintBackground(pauseShown() ? Ink::dark : Ink::light);
  if (!menuWidget_->isHidden()) menuPainter_.draw();  // shown, or to be shown with the window
  if (pauseShown()) pauseNotice_.show();
  painter_.redraw();
}

void MainWindow::showPaused(bool paused) {
  if (paused) {
    paintBackground(Ink::dark);
    pauseNotice_.show();
    boardWidget_->hide();
    pauseNotice_.widget().items().focusQuietly(1);
    return;
  }
  pauseNotice_.hide();
  paintBackground(Ink::light);
  if (!menuWidget_->isVisible()) boardWidget_->show();
  shownSurface().items().retellFocus();
}

SurfaceWidget& MainWindow::shownSurface() {
  if (pauseShown()) return pauseNotice_.widget();
  return menuShown() ? *menuWidget_ : *boardWidget_;
}

void MainWindow::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  // After the window's own focus has been told.
  QTimer::singleShot(0, this, [this] {
    if (hasFocus()) shownSurface().items().retellFocus();
  });
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  // The window's own keys: zoom and full screen, never a key of the game.
  if (event->key() == Qt::Key_F11) {
    toggleFullScreen();
    return;
  }
  if (event->modifiers() & Qt::ControlModifier) {
    switch (event->key()) {
      case Qt::Key_Equal:
      case Qt::Key_Plus: zoomIn(); return;
      case Qt::Key_Minus: zoomOut(); return;
      case Qt::Key_0: zoomReset(); return;
      default: break;
    }
  }
  if (event->key() == Qt::Key_F2 && event->modifiers() == Qt::NoModifier) {
    if (onStatusKey) onStatusKey();
    return;
  }
  if (event->key() == Qt::Key_F3 && event->modifiers() == Qt::NoModifier && !pauseShown() && !menuShown()) {
    if (onOwnWordKey) onOwnWordKey();
    return;
  }
  if (event->key() == Qt::Key_F4 && event->modifiers() == Qt::NoModifier && !pauseShown() && !menuShown()) {
    if (onShareKey) onShareKey();
    return;
  }
  if (pauseShown() || menuShown()) {
    if (menuOrNoticeKey(*event)) return;
  } else if (onBoardKey && onBoardKey(*event)) {
    return;
  }
  if (onKey) onKey(characterCode(*event));
}

bool MainWindow::menuOrNoticeKey(const QKeyEvent& event) {
  // On the notice Enter keeps its meaning in play; Space is the session's.
  if (pauseShown()) return pauseNotice_.widget().items().keyPressed(event, {.enter = false});
  if (event.modifiers() == Qt::AltModifier && !event.text().isEmpty()) {
    // Alt+letter reads as the letter on most keyboards, as Alt's own on some.
    const int b = menuButtonForMnemonic(QChar(event.key()));
    if (b > 0) {
      menuWidget_->items().choose(menuWidget_->items().indexOf(b));
      return true;
    }
  }
  return menuWidget_->items().keyPressed(event, {});
}

void MainWindow::mousePressEvent(QMouseEvent*) {
  if (onWindowClicked) onWindowClicked();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (onClose) onClose();
  QWidget::closeEvent(event);
}

void MainWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange) {
    // The full-screen size may arrive after the state.
    if (zoom_.fullScreen()) QTimer::singleShot(0, this, [this] {
        if (!zoom_.fullScreen()) return;
        zoom_.fillScreen(width(), height());
        showAtShownZoom();
      });
    if (windowState() & Qt::WindowMinimized) {
      if (onMinimized) onMinimized();
    } else if ((windowState() & Qt::WindowMaximized) && !zoom_.fullScreen()) {
      // Maximising zooms to the largest 4:3 size the screen holds.
      QTimer::singleShot(0, this, [this] {
        setWindowState(windowState() & ~Qt::WindowMaximized);
        chooseZoom({fitZoom(), true}, false);
      });
    }
  }
  QWidget::changeEvent(event);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (zoom_.fullScreen()) {
    zoom_.fillScreen(width(), height());
    showAtShownZoom();
    return;
  }
  // The frame was dragged: a size off 4:3 or beyond what the screen holds
  // comes back to the nearest one that fits.
  if (const auto dragged = zoom_.dragged(event->size().width(), event->size().height(), fitZoom()))
    QTimer::singleShot(0, this, [this, zoom = *dragged] { chooseZoom({zoom, false}, false); });
  showAtShownZoom();
}

}  // namespace vorpex
