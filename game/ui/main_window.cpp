#include "main_window.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>
#include <QWindowStateChangeEvent>
#include <algorithm>
#include <cmath>
#include <optional>

#include "drawn_dialog.h"
#include "found_words.h"
#include "settings_store.h"
#include "text_codec.h"
#include "text_resources.h"

namespace vorpex {

namespace {
QString text(int number) { return fromAnsi(loadText(number)); }

// The largest zoom: the most the settings keep.
constexpr double kLargestZoom = kMaxZoomPercent / 100.0;

// The board's font sizes for its kinds of text.
constexpr double kPanelPoints = 12;
constexpr double kTilePoints = 14;
constexpr double kListPoints = 10;
constexpr double kBoardPoints = 14.25;
const char* const kBoardFamily = "Times New Roman";
const char* const kMenuFamily = "Arial Narrow";

// Sets the surface's font size for the life of the object, then restores it.
class FontSize {
 public:
  FontSize(Surface& surface, double points) : surface_(surface), old_(surface.fontSize()) {
    surface_.setFontSize(points);
  }
  ~FontSize() { surface_.setFontSize(old_); }

 private:
  Surface& surface_;
  double old_;
};
}  // namespace

MainWindow::MainWindow(GameState& state, const DrawingKit& kit) : state_(state), kit_(kit) {
  setWindowTitle("Arcade Vorpex");
  // 100 % at least; a size the frame is dragged to snaps to 4:3.
  setMinimumSize(kWindowWidth, kWindowHeight);
  resize(kWindowWidth, kWindowHeight);
  setWindowZoom(*this, 1);
  // Full screen letterboxes the board on its own background.
  QPalette background = palette();
  background.setColor(QPalette::Window, kit.brLight.color());
  setPalette(background);
  setAutoFillBackground(true);
  board_.setFont(kBoardFamily, kBoardPoints, true);
  menu_.setFont(kMenuFamily, kBoardPoints, true);
  boardWidget_ = new SurfaceWidget(board_, this);
  menuWidget_ = new SurfaceWidget(menu_, this);
  boardWidget_->onRescaled = [this] { redrawBoard(); };
  menuWidget_->onRescaled = [this] {
    if (!menuWidget_->isHidden()) drawMainMenu();
  };
  // Drawn at the screen's pixels from the first frame.
  board_.setScale(devicePixelRatioF());
  menu_.setScale(devicePixelRatioF());
  boardWidget_->onMouseMove = [this](int b, double x, double y) { pbGrid_MouseMove(b, x, y); };
  menuWidget_->onMouseMove = [this](int b, double x, double y) { pbMainMenu_MouseMove(b, x, y); };
  boardWidget_->hide();
  initMainMenuVar(menuBoxes_, menu_, kit_);
  setFocusPolicy(Qt::StrongFocus);
}

QLabel& MainWindow::pauseNotice() {
  // Made at the first pause: its style sheet alone took a fifth of the
  // time to the first window.
  if (!pauseNotice_) {
    // The notice covers the whole window, so a click anywhere reaches the
    // window itself and resumes.
    pauseNotice_ = new QLabel(this);
    pauseNotice_->setAlignment(Qt::AlignCenter);
    pauseNotice_->setAttribute(Qt::WA_TransparentForMouseEvents);
    placePauseNotice();
    pauseNotice_->hide();
  }
  return *pauseNotice_;
}

void MainWindow::placePauseNotice() {
  if (!pauseNotice_) return;
  pauseNotice_->setGeometry(0, 0, width(), height());
  pauseNotice_->setStyleSheet(
      QString("background: %1; color: %2; font-family: 'Arial Narrow'; font-weight: bold; font-size: %3px;")
          .arg(kit_.brDark.color().name(), kit_.clrValue.name())
          .arg(zoomed(19, shown_)));
  pauseNotice_->setText(QString("<p style='font-size: %1px'>PAUSED</p><p>Click anywhere to go on playing</p>")
                            .arg(zoomed(48, shown_)));
}

double MainWindow::fitZoom() const {
  const QScreen* where = screen();
  if (!where) return 1;
  const QRect area = where->availableGeometry();
  // The frame the window manager adds; before the window is shown, room
  // for a common title bar.
  const QSize frame = isVisible() ? frameGeometry().size() - geometry().size() : QSize(0, 32);
  const double fit = std::min((area.width() - frame.width()) / static_cast<double>(kWindowWidth),
                              (area.height() - frame.height()) / static_cast<double>(kWindowHeight));
  return std::clamp(fit, 1.0, kLargestZoom);
}

void MainWindow::keepOnScreen(std::optional<QPoint> centre) {
  const QScreen* where = screen();
  if (!where || !isVisible() || fullScreen_) return;
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

void MainWindow::showAtZoom(double zoom) {
  shown_ = zoom;
  setWindowZoom(*this, zoom);
  for (SurfaceWidget* widget : {boardWidget_, menuWidget_}) {
    widget->setZoom(zoom);
    widget->move(std::max(0, (width() - widget->width()) / 2), std::max(0, (height() - widget->height()) / 2));
    widget->matchScale();
  }
  placePauseNotice();
}

void MainWindow::fillScreen() {
  showAtZoom(std::min(width() / static_cast<double>(kWindowWidth), height() / static_cast<double>(kWindowHeight)));
}

void MainWindow::setZoom(double zoom) {
  zoom_ = std::clamp(zoom, 1.0, kLargestZoom);
  if (fullScreen_) return;
  const QSize size(zoomed(kWindowWidth, zoom_), zoomed(kWindowHeight, zoom_));
  if (this->size() != size) resize(size);
  showAtZoom(zoom_);
}

void MainWindow::chooseZoom(double zoom, bool fit, bool keepCentre) {
  const QPoint centre = geometry().center();
  zoomIsFit_ = fit;
  setZoom(zoom);
  keepOnScreen(keepCentre ? std::optional<QPoint>(centre) : std::nullopt);
  if (onZoomChosen) onZoomChosen(zoomSetting());
}

namespace {
constexpr double kZoomSteps[] = {1.0, 1.25, 1.5, 2.0};
constexpr double kSameZoom = 0.005;
}  // namespace

void MainWindow::zoomIn() {
  const double fit = fitZoom();
  for (const double step : kZoomSteps) {
    if (step > zoom_ + kSameZoom && step <= fit + kSameZoom) {
      chooseZoom(step, false, true);
      return;
    }
  }
  if (fit > zoom_ + kSameZoom) chooseZoom(fit, true, true);
}

void MainWindow::zoomOut() {
  const double fit = fitZoom();
  double below = 0;
  for (const double step : kZoomSteps)
    if (step < zoom_ - kSameZoom && step <= fit + kSameZoom) below = step;
  if (below > 0) chooseZoom(below, false, true);
}

void MainWindow::toggleFullScreen() {
  if (fullScreen_) {
    fullScreen_ = false;
    showNormal();
    setMinimumSize(kWindowWidth, kWindowHeight);
    setZoom(zoom_);
  } else {
    fullScreen_ = true;
    setMinimumSize(0, 0);  // a screen may hold less than 100 %
    showFullScreen();
  }
}

int32_t MainWindow::zoomSetting() const {
  return zoomIsFit_ ? 0 : static_cast<int32_t>(std::lround(zoom_ * 100));
}

void MainWindow::applyZoomSetting(int32_t percent) {
  zoomIsFit_ = percent == 0;
  // A zoom kept from a larger screen is as large as this one holds.
  setZoom(zoomIsFit_ ? fitZoom() : std::min(percent / 100.0, fitZoom()));
}

void MainWindow::resizeWindow() { showAtZoom(shown_); }

bool MainWindow::menuShown() const { return menuWidget_->isVisible() || !boardWidget_->isVisible(); }

void MainWindow::mainMenu(bool shown) {
  menuWidget_->setVisible(shown);
  boardWidget_->setVisible(!shown);
  if (shown) drawMainMenu();
}

void MainWindow::drawMainMenu() {
  kit_.clearPicture(menu_, kit_.brDark);
  for (int b = 1; b <= 7; ++b) {
    ScreenBox& box = menuBoxes_.buttons(static_cast<size_t>(b));
    kit_.drawButton(box, 0, false, 4, text(80 + b));
    box.isHot = false;
  }
  kit_.drawSprite(menuBoxes_.title, 5, true);
  menu_.refresh();
}

void MainWindow::layOutBoard() {
  initLPBtns(boxes_, state_.boardWidth, board_);
  initRPBtns(boxes_, state_.boardWidth, board_, kit_);
}

void MainWindow::drawPanelButton(int b, bool hot) {
  ScreenBox& box = boxes_.panel(static_cast<size_t>(b));
  FontSize size(board_, kPanelPoints);
  if (hot) {
    kit_.drawButton(box, 1, true, 6, text(60 + b));
  } else {
    kit_.drawButton(box, 0, false, 4, text(60 + b));
  }
}

void MainWindow::drawReadOut(int button, const QString& value) {
  FontSize size(board_, kPanelPoints);
  kit_.drawButton(boxes_.panel(static_cast<size_t>(button)), 0, false, 4, value);
}

void MainWindow::drawSidePanel() {
  kit_.fillBox(boxes_.sidePanelBackground);
  for (int b = kFirstPanelButton; b <= kLastPanelButton; ++b) {
    if (boxes_.panel(static_cast<size_t>(b)).state <= 0) continue;
    drawPanelButton(b, boxes_.panel(static_cast<size_t>(b)).isHot && b >= kFirstPanelCommand);
  }
  drawReadOuts();
}

void MainWindow::drawReadOuts() {
  drawReadOut(3, QString::number(state_.score));
  drawReadOut(5, fromAnsi(state_.bestScoreText));
  drawReadOut(7, state_.solvingData.gameMode == MODE_TIMED ? fromAnsi(state_.timeText) : text(67));
  drawReadOut(9, QString::number(state_.solvingData.curLevel));
}

void MainWindow::drawTile(int tile) {
  if (tile < 1 || tile > state_.rackLength) return;
  const auto t = static_cast<size_t>(tile);
  FontSize size(board_, kTilePoints);
  kit_.drawLetterTile(boxes_.tiles(t), static_cast<char>(state_.rack(t)), state_.tileUsed(t) == 0);
}

void MainWindow::drawRack() {
  FontSize size(board_, kTilePoints);
  kit_.drawRack(boxes_.tiles, state_);
}

void MainWindow::drawAnswerSlots() {
  FontSize size(board_, kTilePoints);
  kit_.drawAnswerSlots(boxes_.answerSlots, state_);
}

void MainWindow::drawWordInSlots(const std::string& word) {
  FontSize size(board_, kTilePoints);
  kit_.drawWordInSlots(boxes_.answerSlots, word, state_);
}

void MainWindow::drawWordList(int32_t selected) {
  FontSize size(board_, kListPoints);
  const bool all = state_.listMode == LIST_ALL;
  kit_.drawWordList(boxes_.wordList, all ? state_.allWords : state_.foundWords,
                    all ? state_.totalWords : state_.nWordsFound, state_.listTop, selected, state_);
}

void MainWindow::drawProgressArea(const QString& advanceText) {
  ScreenBox& box = boxes_.progress;
  kit_.fillBox(box);
  if (state_.curLevelScore >= state_.targetScore) {
    FontSize size(board_, kTilePoints);
    if (box.isHot) {
      kit_.drawButton(box, 1, false, 4, advanceText);
    } else {
      kit_.drawButton(box, 2, false, 2, advanceText);
    }
    return;
  }
  const double percent = state_.targetScore > 0 ? state_.curLevelScore * 100.0 / state_.targetScore : 0.0;
  kit_.drawProgressBar(box, percent);
}

void MainWindow::drawFoundStats() {
  FontSize size(board_, kPanelPoints);
  ScreenBox& header = boxes_.stats(1);
  const bool expanded = header.state == 1;
  for (int r = 2; r <= state_.boardWidth - 1; ++r) {
    ScreenBox& row = boxes_.stats(static_cast<size_t>(r));
    const int length = r + 1;
    row.hBrush = expanded ? &kit_.brDark : &kit_.brLight;
    kit_.fillBox(row);
    if (!expanded) continue;
    const int32_t found = countWordsOfLength(state_.foundWords, state_.nWordsFound, length);
    kit_.drawShadowText(row, 1,
                        QString(" %1 Letter %2/%3").arg(length).arg(found).arg(state_.wordsBySize[static_cast<size_t>(length)].count),
                        DT_VCENTER | DT_SINGLELINE);
  }
  const QString caption = QString(expanded ? " - Found %1 / %2" : " + Found %1 / %2")
                              .arg(state_.nWordsFound)
                              .arg(state_.totalWords);
  kit_.drawButton(header, 1, true, 2, caption);
  board_.refresh();
}

void MainWindow::showMessage(int messageId, const QString& points) {
  QString message;
  switch (messageId) {
    case 0: break;
    case 1: message = text(210); break;
    case 2: message = text(211); break;
    case 3: message = fromAnsi(formatResString(212, {"|1", toAnsi(points)})); break;
    case 4: message = text(213); break;
    default: return;
  }
  kit_.fillBox(boxes_.messageLine);
  FontSize size(board_, kListPoints);
  board_.font().setBold(false);
  const ScreenBox& line = boxes_.messageLine;
  // Dark on the light line: the palette's light values would not read there.
  DrawingKit::drawText(board_, QRect(line.x, line.y, line.w, line.h), message, QColor(0, 0, 0),
                       DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  board_.font().setBold(true);
}

void MainWindow::drawBoard() {
  kit_.clearPicture(board_, kit_.brLight);
  drawSidePanel();
  drawRack();
  drawAnswerSlots();
  kit_.drawSprite(boxes_.upArrow, 3, boxes_.upHot);
  kit_.drawSprite(boxes_.downArrow, 4, boxes_.downHot);
  drawWordList();
  drawFoundStats();
  kit_.fillBox(boxes_.messageLine);
  drawProgressArea();
  board_.refresh();
}

void MainWindow::paletteChanged() {
  QPalette background = palette();
  background.setColor(QPalette::Window, kit_.brLight.color());
  setPalette(background);
  placePauseNotice();
  initMainMenuVar(menuBoxes_, menu_, kit_);
  if (!menuWidget_->isHidden()) drawMainMenu();  // shown, or to be shown with the window
  if (!boxes_.progress.surface) return;
  layOutBoard();
  redrawBoard();
}

void MainWindow::redrawBoard() {
  if (!boxes_.progress.surface) return;  // no board laid out yet: nothing to draw
  drawBoard();
  if (state_.showingResults) {
    showResultsControls();
    showMessage(4);
  }
  board_.refresh();
}

void MainWindow::drawBackButton(bool hot) {
  FontSize size(board_, kPanelPoints);
  if (hot) {
    kit_.drawButton(boxes_.backButton, 1, true, 6, text(200));
  } else {
    kit_.drawButton(boxes_.backButton, 0, false, 4, text(200));
  }
}

void MainWindow::showResultsControls() {
  for (const int b : {13, 14, 16, 17, 18}) {
    ScreenBox& box = boxes_.panel(static_cast<size_t>(b));
    box.state = 0;
    box.isHot = false;
    // Erased to what lies under it: the side panel, or the light board
    // under the answer slots for "Enter" and "Clear".
    ScreenBox erased = box;
    erased.hBrush = b >= 17 ? &kit_.brLight : boxes_.sidePanelBackground.hBrush;
    kit_.fillBox(erased);
  }
  boxes_.backButton.isHot = false;
  drawBackButton(false);
}

bool MainWindow::hoverBackButton(double x, double y) {
  ScreenBox& box = boxes_.backButton;
  const bool inside = isInBox(box, static_cast<float>(x), static_cast<float>(y));
  if (inside != box.isHot) {
    drawBackButton(inside);
    box.isHot = inside;
    board_.refresh();
  }
  return inside;
}

int MainWindow::listRowAt(double x, double y) const {
  const ScreenBox& list = boxes_.wordList;
  if (!(list.x < x && x <= list.x + 8 * list.w && list.y < y && y <= list.y + kVisibleListRows * list.h)) return -1;
  return static_cast<int>(std::lround(y - list.y)) / list.h;
}

void MainWindow::showPaused(bool paused) {
  if (paused || pauseNotice_) pauseNotice().setVisible(paused);
  if (paused) {
    pauseNotice_->raise();
    boardWidget_->hide();
  } else if (!menuWidget_->isVisible()) {
    boardWidget_->show();
  }
}

bool MainWindow::pauseShown() const { return pauseNotice_ && pauseNotice_->isVisible(); }

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
  if (onKey) onKey(characterCode(*event));
}

void MainWindow::mousePressEvent(QMouseEvent*) {
  if (onWindowClicked) onWindowClicked();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (onClose) onClose();
  QWidget::closeEvent(event);
}

void MainWindow::pbGrid_MouseMove(int, double x, double y) {
  const auto px = static_cast<float>(x), py = static_cast<float>(y);
  const bool overUp = isInBox(boxes_.upArrow, px, py);
  const bool overDown = isInBox(boxes_.downArrow, px, py);
  if (!boxes_.downHot && overDown) {
    kit_.drawSprite(boxes_.downArrow, 4, true);
    boxes_.downHot = true;
    board_.refresh();
  }
  if (!boxes_.upHot && overUp) {
    kit_.drawSprite(boxes_.upArrow, 3, true);
    boxes_.upHot = true;
    board_.refresh();
  }
  if (boxes_.downHot && !overDown) {
    kit_.drawSprite(boxes_.downArrow, 4, false);
    boxes_.downHot = false;
    board_.refresh();
    if (onLeftArrow) onLeftArrow();
  }
  if (boxes_.upHot && !overUp) {
    kit_.drawSprite(boxes_.upArrow, 3, false);
    boxes_.upHot = false;
    board_.refresh();
    if (onLeftArrow) onLeftArrow();
  }

  for (int b = kFirstPanelCommand; b <= kLastPanelButton; ++b) {
    ScreenBox& box = boxes_.panel(static_cast<size_t>(b));
    if (box.state <= 0) continue;
    const bool inside = isInBox(box, px, py);
    if (inside != box.isHot) {
      drawPanelButton(b, inside);
      box.isHot = inside;
      board_.refresh();
    }
  }

  if (!state_.gameActive && !state_.showingResults) return;
  if (state_.curLevelScore >= state_.targetScore) {
    ScreenBox& box = boxes_.progress;
    const bool inside = isInBox(box, px, py);
    if (inside != box.isHot) {
      FontSize size(board_, kTilePoints);
      if (inside) {
        kit_.drawButton(box, 1, false, 4, "Advance to Next Level");
      } else {
        kit_.drawButton(box, 2, false, 2, "Advance to Next Level");
      }
      box.isHot = inside;
      board_.refresh();
    }
  }
  if (state_.showingResults && onResultsMove) onResultsMove(x, y);
  if (state_.gameActive && !state_.showingResults && onPlayMove) onPlayMove(x, y);
}

void MainWindow::drawMeaningLine(const QString& text) {
  const ScreenBox& line = boxes_.meaningLine;
  kit_.fillBox(line);
  if (text.isEmpty()) return;
  FontSize size(board_, kListPoints);
  board_.font().setBold(false);
  const QFontMetrics metrics(board_.font());
  // Dark on the light line, as the message line is written.
  DrawingKit::drawText(board_, QRect(line.x, line.y, line.w, line.h),
                       metrics.elidedText(text, Qt::ElideRight, line.w), QColor(0, 0, 0),
                       DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  board_.font().setBold(true);
}

void MainWindow::pbMainMenu_MouseMove(int, double x, double y) {
  for (int b = 1; b <= 7; ++b) {
    ScreenBox& box = menuBoxes_.buttons(static_cast<size_t>(b));
    const bool inside = isInBox(box, static_cast<float>(x), static_cast<float>(y));
    if (inside == box.isHot) continue;
    if (inside) {
      kit_.drawButton(box, 1, true, 8, text(80 + b));
    } else {
      kit_.drawButton(box, 0, false, 4, text(80 + b));
    }
    box.isHot = inside;
    menu_.refresh();
  }
}

void MainWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange) {
    // The full-screen size may arrive after the state.
    if (fullScreen_) QTimer::singleShot(0, this, [this] {
        if (fullScreen_) fillScreen();
      });
    if (windowState() & Qt::WindowMinimized) {
      if (onMinimized) onMinimized();
    } else if ((windowState() & Qt::WindowMaximized) && !fullScreen_) {
      // Maximising zooms to the largest 4:3 size the screen holds.
      QTimer::singleShot(0, this, [this] {
        setWindowState(windowState() & ~Qt::WindowMaximized);
        chooseZoom(fitZoom(), true, false);
      });
    }
  }
  QWidget::changeEvent(event);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const QSize size = event->size();
  if (fullScreen_) {
    fillScreen();
    return;
  }
  // The frame was dragged: the nearest 4:3 size at or above 100 %, or the
  // window as it is when that is its zoom already (a window manager that
  // keeps the window a little off 4:3 must not start a tug of war).
  // A size beyond what the screen holds (a drag past its edge, a request
  // of a program) comes back to the largest 4:3 size that fits.
  const double asked =
      (size.width() / static_cast<double>(kWindowWidth) + size.height() / static_cast<double>(kWindowHeight)) / 2;
  const double dragged = std::clamp(asked, 1.0, fitZoom());
  if (std::abs(dragged - zoom_) > kSameZoom || asked > dragged + kSameZoom) {
    QTimer::singleShot(0, this, [this, dragged] { chooseZoom(dragged, false, false); });
  }
  showAtZoom(zoom_);
}

}  // namespace vorpex
