#include "main_window.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QTimer>
#include <QWindowStateChangeEvent>
#include <cmath>

#include "drawn_dialog.h"
#include "found_words.h"
#include "text_codec.h"
#include "text_resources.h"

namespace vorpex {

namespace {
QString text(int number) { return fromAnsi(loadText(number)); }

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
  setFixedSize(kWindowWidth, kWindowHeight);  // resizing and maximising snap back
  board_.setFont(kBoardFamily, kBoardPoints, true);
  menu_.setFont(kMenuFamily, kBoardPoints, true);
  boardWidget_ = new SurfaceWidget(board_, this);
  menuWidget_ = new SurfaceWidget(menu_, this);
  boardWidget_->onMouseMove = [this](int b, double x, double y) { pbGrid_MouseMove(b, x, y); };
  menuWidget_->onMouseMove = [this](int b, double x, double y) { pbMainMenu_MouseMove(b, x, y); };
  boardWidget_->hide();
  initMainMenuVar(menuBoxes_, menu_, kit_);
  setFocusPolicy(Qt::StrongFocus);
}

QStringList MainWindow::captionFamilies() { return {kMenuFamily, kBoardFamily}; }

int MainWindow::captionPixelSize() { return pointsToPixels(kBoardPoints); }

QLabel& MainWindow::pauseNotice() {
  // Made at the first pause: its style sheet alone took a fifth of the
  // time to the first window.
  if (!pauseNotice_) {
    // The notice covers the whole window, so a click anywhere reaches the
    // window itself and resumes.
    pauseNotice_ = new QLabel(this);
    pauseNotice_->setGeometry(0, 0, kWindowWidth, kWindowHeight);
    pauseNotice_->setAlignment(Qt::AlignCenter);
    pauseNotice_->setAttribute(Qt::WA_TransparentForMouseEvents);
    pauseNotice_->setStyleSheet(
        "background: rgb(120, 150, 120); color: rgb(209, 255, 209);"
        "font-family: 'Arial Narrow'; font-weight: bold; font-size: 19px;");
    pauseNotice_->setText("<p style='font-size: 48px'>PAUSED</p><p>Click anywhere to go on playing</p>");
    pauseNotice_->hide();
  }
  return *pauseNotice_;
}

void MainWindow::resizeWindow() {
  boardWidget_->move(0, 0);
  menuWidget_->move(0, 0);
}

bool MainWindow::menuShown() const { return menuWidget_->isVisible() || !boardWidget_->isVisible(); }

void MainWindow::mainMenu(bool shown) {
  menuWidget_->setVisible(shown);
  boardWidget_->setVisible(!shown);
  if (!shown) return;
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
    if (windowState() & Qt::WindowMinimized) {
      if (onMinimized) onMinimized();
    } else if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
      // Maximising is undone like any other resize.
      QTimer::singleShot(0, this, [this] { setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen)); });
    }
  }
  QWidget::changeEvent(event);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  if (event->size() != QSize(kWindowWidth, kWindowHeight))
    QTimer::singleShot(0, this, [this] { resize(kWindowWidth, kWindowHeight); });
  QWidget::resizeEvent(event);
}

}  // namespace vorpex
