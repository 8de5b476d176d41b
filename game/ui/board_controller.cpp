#include "board_controller.h"

#include <QKeyEvent>

#include "board_items.h"
#include "hints.h"

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
  repeatTimer_.setInterval(kFirstRepeatMilliseconds);
  QObject::connect(&repeatTimer_, &QTimer::timeout, [this] { repeatScroll(); });
  window_.boardWidget().onMouseDown = [this](int button, double x, double y) { boardPressed(button, x, y); };
  window_.boardWidget().onMouseUp = [this](int, double, double) { boardReleased(); };
  window_.onKey = [this](int code) { keyTyped(code); };
  window_.pointer().onLeftArrow = [this] { leftArrow(); };
  window_.pointer().onResultsMove = [this](double x, double y) { resultsPointerMoved(x, y); };
  window_.pointer().onPlayMove = [this](double x, double y) {
    session_.listRowPointed(listRowAt(window_.boxes(), x, y));
  };
  window_.onMinimized = [this] { session_.minimized(); };
  window_.onWindowClicked = [this] {
    if (window_.pauseShown()) session_.enablePause(false);
  };
  window_.onBoardKey = [this](const QKeyEvent& event) { return boardKey(event); };
  window_.onStatusKey = [this] { session_.statusRequested(); };
  window_.onOwnWordKey = [this] { session_.ownWordChosen(); };
  window_.onShareKey = [this] {
    if (boardExtra(state_) == BoardExtra::share) commands_.shareDailyResult();
  };
  DrawnItems& items = window_.boardWidget().items();
  items.describe = [this] {
    return describeBoard(window_.boxes(), state_, session_, window_.painter(), window_.boardWidget().items());
  };
}

bool BoardController::boardKey(const QKeyEvent& event) {
  DrawnItems& items = window_.boardWidget().items();
  // Enter chooses a part only in the results (in play it enters the word);
  // Space chooses a reader's focus only where it types nothing.
  if (items.keyPressed(event, {.enter = state_.showingResults, .whenHeard = !state_.preferences.typeLetters}))
    return true;
  // Typing a word puts the keyboard's mark away, as a click does.
  if (!event.text().isEmpty() && event.text().at(0).isLetter()) items.hideMarkForTyping();
  return false;
}

void BoardController::boardPressed(int button, double x, double y) {
  BoardBoxes& boxes = window_.boxes();
  // Before the click clears the message line and the offer with it.
  if (state_.ownWordOffer.action != OwnWordAction::none && inside(boxes.ownWordOffer, x, y)) {
    session_.ownWordChosen();
    return;
  }
  session_.boardClicked();

  if (inside(boxes.downArrow, x, y)) {
    held_ = HeldArrow::down;
    repeatTimer_.start();
    session_.scrollDown();
    return;
  }
  if (inside(boxes.upArrow, x, y)) {
    held_ = HeldArrow::up;
    repeatTimer_.start();
    session_.scrollUp();
    return;
  }

  if (inside(boxes.extraButton, x, y) && boardExtra(state_) != BoardExtra::none) {
    if (boardExtra(state_) == BoardExtra::share) {
      commands_.shareDailyResult();
    } else {
      session_.hintRequested();
    }
    return;
  }

  for (int b = kFirstPanelCommand; b <= kLastPanelButton; ++b) {
    const ScreenBox& box = boxes.panel(static_cast<size_t>(b));
    if (box.state > 0 && inside(box, x, y)) {
      panelCommand(b);
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
        session_.backToMenu();
      } else if (const int row = listRowAt(window_.boxes(), x, y); row >= 0) {
        session_.resultsRowClicked(row);
      }
      return;
    }
    if (const int row = listRowAt(window_.boxes(), x, y); row >= 0) {
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

void BoardController::boardReleased() {
  if (held_ == HeldArrow::none) return;
  held_ = HeldArrow::none;
  repeatTimer_.stop();
  repeatTimer_.setInterval(kRepeatMilliseconds);
}

void BoardController::leftArrow() {
  if (!repeatTimer_.isActive()) return;
  repeatTimer_.stop();
  repeatTimer_.setInterval(kRepeatMilliseconds);
}

void BoardController::repeatScroll() {
  if (held_ == HeldArrow::none) return;
  if (held_ == HeldArrow::down) {
    session_.scrollDown();
  } else {
    session_.scrollUp();
  }
  // Each step comes sooner, down to 100 ms.
  if (repeatTimer_.interval() >= kRepeatStep + 1) repeatTimer_.setInterval(repeatTimer_.interval() - kRepeatStep);
}

void BoardController::keyTyped(int code) { session_.keyTyped(code, random_); }

void BoardController::panelCommand(int b) {
  switch (b) {
    case kHallOfFameCommand: view_.showBestScores(state_.solvingData.gameMode); break;
    case kPauseCommand: session_.enablePause(true); break;
    case kInstructionsCommand: commands_.openHelp(); break;
    case kShowSolutionCommand: session_.showSolution(); break;
    case kOptionsCommand: commands_.openOptions(); break;
    case kMainMenuCommand: session_.leaveToMenu(); break;
    case kSaveAndExitCommand: commands_.saveAndExit(); break;
    case kEnterCommand: session_.enterClicked(); break;
    case kClearCommand: session_.clrClicked(); break;
    default: break;
  }
}

void BoardController::resultsPointerMoved(double x, double y) {
  const int row = listRowAt(window_.boxes(), x, y);
  if (row >= 0) session_.resultsRowPointed(row);
}

}  // namespace vorpex
