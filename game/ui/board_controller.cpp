#include "board_controller.h"

namespace vorpex {

namespace {
// The first repeat of a program run starts quicker than every later one.
constexpr int kFirstRepeatMilliseconds = 300;
constexpr int kRepeatMilliseconds = 600;
constexpr int kRepeatStep = 100;

bool inside(const ScreenBox& box, double x, double y) {
  return isInBox(box, static_cast<float>(x), static_cast<float>(y));
}
}  // namespace

BoardController::BoardController(MainWindow& window, GameState& state, GameSession& session, GameView& view,
                                 ProgramCommands& commands, RandomSource& random)
    : window_(window), state_(state), session_(session), view_(view), commands_(commands), random_(random) {
  navigateTimer_.setInterval(kFirstRepeatMilliseconds);
  QObject::connect(&navigateTimer_, &QTimer::timeout, [this] { navigateTimer_Timer(); });
  window_.boardWidget().onMouseDown = [this](int button, double x, double y) { pbGrid_MouseDown(button, x, y); };
  window_.boardWidget().onMouseUp = [this](int, double, double) { pbGrid_MouseUp(); };
  window_.onKey = [this](int code) { Form_KeyPress(code); };
  window_.onLeftArrow = [this] { leftArrow(); };
  window_.onResultsMove = [this](double x, double y) { processShowingResMove(x, y); };
  window_.onPlayMove = [this](double x, double y) { session_.listRowPointed(window_.listRowAt(x, y)); };
  window_.onMinimized = [this] { session_.minimized(); };
  window_.onWindowClicked = [this] {
    if (window_.pauseShown()) session_.enablePause(false);
  };
}

void BoardController::pbGrid_MouseDown(int button, double x, double y) {
  session_.boardClicked();
  BoardBoxes& boxes = window_.boxes();

  if (inside(boxes.downArrow, x, y)) {
    navDir_ = 2;
    navigateTimer_.start();
    session_.scrollDown();
    return;
  }
  if (inside(boxes.upArrow, x, y)) {
    navDir_ = 1;
    navigateTimer_.start();
    session_.scrollUp();
    return;
  }

  for (int b = kFirstPanelCommand; b <= kLastPanelButton; ++b) {
    const ScreenBox& box = boxes.panel(static_cast<size_t>(b));
    if (box.state > 0 && inside(box, x, y)) {
      rightPanEvents(b);
      return;
    }
  }

  ScreenBox& header = boxes.stats(1);
  if (inside(header, x, y)) {
    header.state = header.state == 1 ? 0 : 1;
    session_.toggleStats();
  }

  if (state_.gameActive || state_.showingResults) {
    if (session_.advanceOffered() && inside(boxes.progress, x, y)) {
      session_.advanceByClick();
      return;
    }
    if (state_.showingResults) {
      if (inside(boxes.backButton, x, y)) {
        view_.showMainMenu();
      } else if (const int row = window_.listRowAt(x, y); row >= 0) {
        session_.resultsRowClicked(row);
      }
      return;
    }
    if (const int row = window_.listRowAt(x, y); row >= 0) {
      session_.listRowClicked(row);
      return;
    }
  }

  for (int t = 1; t <= state_.rackLength; ++t) {
    if (inside(boxes.tiles(static_cast<size_t>(t)), x, y)) {
      session_.tileClicked(t, button);
      return;
    }
  }
}

void BoardController::pbGrid_MouseUp() {
  if (navDir_ <= 0) return;
  navDir_ = 0;
  navigateTimer_.stop();
  navigateTimer_.setInterval(kRepeatMilliseconds);
}

void BoardController::leftArrow() {
  if (!navigateTimer_.isActive()) return;
  navigateTimer_.stop();
  navigateTimer_.setInterval(kRepeatMilliseconds);
}

void BoardController::navigateTimer_Timer() {
  if (navDir_ == 0) return;
  if (navDir_ == 2) {
    session_.scrollDown();
  } else {
    session_.scrollUp();
  }
  // Each step comes sooner, down to 100 ms.
  if (navigateTimer_.interval() >= kRepeatStep + 1) navigateTimer_.setInterval(navigateTimer_.interval() - kRepeatStep);
}

void BoardController::Form_KeyPress(int code) {
  if (state_.typeLetters && typedKey(code)) return;
  session_.keyPressed(code);
}

bool BoardController::typedKey(int code) {
  const bool letter = (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z');
  if (!letter && code != KEY_BACKSPACE && code != KEY_DELETE && code != KEY_SPACE) return false;
  if (!session_.acceptsTyping()) return true;
  if (letter) {
    session_.letterTyped(static_cast<char>(code));
  } else if (code == KEY_BACKSPACE) {
    session_.takeBackLast();
  } else if (code == KEY_DELETE) {
    session_.clrClicked();
  } else {
    session_.shuffleRack(random_);
  }
  return true;
}

void BoardController::rightPanEvents(int b) {
  switch (b) {
    case 10: view_.showBestScores(state_.solvingData.gameMode); break;
    case 11: session_.enablePause(true); break;
    case 12: commands_.openHelp(); break;
    case 13: session_.showSolution(); break;
    case 14: commands_.openOptions(); break;
    case 15: session_.leaveToMenu(); break;
    case 16: commands_.saveAndExit(); break;
    case 17: session_.enterClicked(); break;
    case 18: session_.clrClicked(); break;
    default: break;
  }
}

void BoardController::processShowingResMove(double x, double y) {
  window_.hoverBackButton(x, y);
  const int row = window_.listRowAt(x, y);
  if (row >= 0) session_.resultsRowPointed(row);
}

}  // namespace vorpex
