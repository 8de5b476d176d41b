// What the rules of play ask of the screen, the speakers and the clock. The
// session defines it; the main window implements it, and tests implement it
// with a recorder, so that the rules and the order of their effects are
// tested without a window. Every draw goes to the off-screen board; nothing
// shows before refresh().
#pragma once

#include <cstdint>
#include <string>

namespace vorpex {

// What the message line says.
enum MessageId : int {
  kNoMessage = 0,  // the line cleared
  kAlreadyFoundMessage = 1,
  kNotAWordMessage = 2,
  kPointsMessage = 3,  // with the points a word scored
  kMissedWordsMessage = 4,
  kBonusWordMessage = 5,     // with the points a bonus word scored
  kWordAcceptedMessage = 6,  // with the word the player accepted
  kWordNeverShownMessage = 7,  // with the word the player put away
};

class GameView {
 public:
  virtual ~GameView() = default;

  // The whole board of a level as it starts or resumes (rack, empty slots,
  // arrows, word list, statistics, side panel, progress area).
  virtual void drawBoard() = 0;
  virtual void drawRack() = 0;
  virtual void drawTile(int tile) = 0;
  virtual void drawAnswerSlots() = 0;
  virtual void drawWordInSlots(const std::string& word) = 0;
  // The word list from row listTop; `framedRow` (0 for none) is outlined.
  virtual void drawWordList(int32_t framedRow) = 0;
  virtual void drawFoundStats() = 0;
  // The progress bar, or the advance button once the target is reached.
  virtual void drawProgressArea() = 0;
  // The side panel's read-outs: score, best score, time and level.
  virtual void drawReadOuts() = 0;
  // The message line says `message`, with `detail` for the messages that
  // take one (the points, or the word).
  virtual void showMessage(MessageId message, const std::string& detail) = 0;
  // The bonus line under the progress area: the level's bonus words.
  virtual void drawBonusWords() = 0;
  // The offer beside the message line (GameSession::ownWordOffer), or its
  // place cleared.
  virtual void drawOwnWordOffer() = 0;
  // The meaning line, a free line of the board under the answer slots: the
  // first sense of `word` trimmed to fit, or the line cleared for an empty
  // word or a word without a definition.
  virtual void showMeaning(const std::string& word) = 0;
  // The meaning line showing `text` as it stands (that this game's words
  // have no meanings).
  virtual void showMeaningNotice(const std::string& text) = 0;
  // The results view: five commands switched off, the back button drawn.
  virtual void showResultsControls() = 0;
  virtual void refresh() = 0;
  // Tells a player who listens what just happened that the screen shows
  // without words (a word taken or refused, the clock passing 30 and 10
  // seconds, the game's status asked for). Draws nothing; each change is
  // told once.
  virtual void announce(const std::string& text) = 0;

  virtual void playSound(int soundId) = 0;
  virtual void stopSound() = 0;

  // Blocks for `milliseconds`, handling no input meanwhile.
  virtual void pauseInput(int milliseconds) = 0;
  // The 100 ms count-down timer.
  virtual void setCountdownRunning(bool running) = 0;
  // The pause notice shown and the board hidden, or the reverse.
  virtual void showPaused(bool paused) = 0;
  virtual void minimize() = 0;
  virtual void showMainMenu() = 0;

  // Modal dialogs; each returns when the player has closed it.
  virtual void showLevelSummary(const std::string& text) = 0;
  virtual std::string askPlayerName() = 0;  // the name as typed
  virtual void showBestScores(int table) = 0;
  // Every sense of `word`, in a small window (nothing for a word without a
  // definition).
  virtual void showMeanings(const std::string& word) = 0;
  // The first sense of `word` as a gloss that does not name the word
  // (UTF-8), for a hint; "" when the definitions have none.
  virtual std::string meaningGloss(const std::string& word) {
    (void)word;
    return {};
  }
};

// Builds a level's puzzle into the game state (puzzleNum -1 for a fresh one).
class PuzzleMaker {
 public:
  virtual ~PuzzleMaker() = default;
  virtual void buildPuzzle(int32_t puzzleNum) = 0;
};

}  // namespace vorpex
