// The screen side of the rules of play: GameView carried out on the main
// window's board painter, the speakers through Sounds, the count-down
// as a 100 ms QTimer, and the level summary, name entry and Hall of Fame as
// modal windows.
#pragma once

#include <QTimer>
#include <functional>

#include "game_view.h"
#include "main_window.h"
#include "sounds.h"
#include "text_resources.h"
#include "word_meanings.h"

namespace vorpex {

class WindowView : public GameView {
 public:
  WindowView(MainWindow& window, GameState& state, Sounds& sounds, WordMeanings& meanings);

  // Each tick of the running count-down (the session's countdownTick).
  // Ticks that fall inside pauseInput are dropped, as a blocked thread
  // would drop them.
  std::function<void()> onCountdownTick;
  const QTimer& countdown() const { return countdown_; }

  void drawBoard() override;
  void drawRack() override { board_.drawRack(); }
  void drawTile(int tile) override { board_.drawTile(tile); }
  void drawAnswerSlots() override { board_.drawAnswerSlots(); }
  void drawWordInSlots(const std::string& word) override { board_.drawWordInSlots(word); }
  void drawWordList(int32_t framedRow) override { board_.drawWordList(framedRow); }
  void drawFoundStats() override { board_.drawFoundStats(); }
  // After a scoring word the advance button reads as a new word leaves it.
  void drawProgressArea() override { board_.drawProgressArea(kAdvanceCaptionAfterWord); }
  void drawReadOuts() override { board_.drawReadOuts(); }
  void drawBonusWords() override { board_.drawBonusWords(); }
  void drawOwnWordOffer() override { board_.drawOwnWordOffer(); }
  void showMessage(MessageId message, const std::string& points) override;
  void showMeaning(const std::string& word) override;
  void showMeaningNotice(const std::string& text) override;
  void showResultsControls() override;
  void refresh() override { board_.refresh(); }
  void announce(const std::string& text) override;

  void playSound(int soundId) override { sounds_.playSound(soundId); }
  void stopSound() override { sounds_.stopSound(); }

  // Waits with the window's input held back (delivered afterwards), while
  // the board still repaints.
  void pauseInput(int milliseconds) override;
  void setCountdownRunning(bool running) override;
  void showPaused(bool paused) override { window_.showPaused(paused); }
  void minimize() override { window_.showMinimized(); }
  void showMainMenu() override { window_.mainMenu(true); }

  // Each first closes whatever dialog is still open over the main window
  // (the side panel's Hall of Fame or Options, while the count-down runs
  // out behind them), so that windows never stack and none shows a table
  // that is about to change.
  void showLevelSummary(const std::string& text) override;
  std::string askPlayerName() override;
  void showBestScores(int table) override;
  void showMeanings(const std::string& word) override;
  std::string meaningGloss(const std::string& word) override;

  // From now on the three dialogs above return at once without showing
  // (the name as "" ), for a program that is ending and must not wait.
  void suppressDialogs() { dialogsSuppressed_ = true; }

 private:
  void closeOpenDialogs();

  MainWindow& window_;
  BoardPainter& board_;
  GameState& state_;
  Sounds& sounds_;
  WordMeanings& meanings_;
  QTimer countdown_;
  bool waiting_ = false;
  bool dialogsSuppressed_ = false;
};

}  // namespace vorpex
