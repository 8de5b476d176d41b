// The rules of play over the one game state: picking tiles, checking and
// scoring words, levels, the count-down, pause, level ends with their
// bonuses, the end of the game, best scores and the results view. Plain
// C++: every effect on the screen, the speakers and the timers goes through
// GameView, in the order the rules give.
#pragma once

#include <cstdint>
#include <string>

#include "game_recorder.h"
#include "game_state.h"
#include "game_view.h"
#include "key_codes.h"
#include "player_words.h"
#include "random_source.h"

namespace vorpex {

class GameSession {
 public:
  GameSession(GameState& state, GameView& view, PuzzleMaker& puzzles)
      : state_(state), view_(view), puzzles_(puzzles) {}

  // Where bonus words and the player's own words come from; until this is
  // called there are none, as in Classic play. Both outlive the session.
  void useWordSources(BonusWordList& bonus, OwnWords& own) {
    bonus_ = &bonus;
    own_ = &own;
  }

  // Where finished games are told; until this is called they go nowhere.
  void useRecorder(GameRecorder& recorder) { recorder_ = &recorder; }

  // A new game from the main menu in `mode` (MODE_CLASSIC or MODE_TIMED),
  // starting at levelOption.
  void newGame(int16_t mode);
  // The puzzle of `day` (dayNumber): four levels from the first, played as
  // Classic Arcade is, whose racks follow from the day and the word list.
  void newDailyGame(int32_t day);
  // The next level: a new puzzle of levelLength(curLevel + 1) letters.
  void startGame();
  // Play resumes on a stored game whose state and puzzle were restored.
  void restartStoredGame();

  void enablePause(bool paused);
  bool paused() const { return paused_; }
  // The window was minimised: a game in play pauses.
  void minimized();

  // One 100 ms tick of the count-down.
  void countdownTick();

  // The board's input, in the order the board routes a click: first
  // boardClicked, then the list arrows, the side panel, the statistics
  // header, the progress area, and last the tiles.
  void boardClicked();
  void tileClicked(int tile, int button);
  // A key of the board: Esc pauses and minimises, Enter enters the word (in
  // the results it goes back to the menu), Space ends a pause, Backspace
  // clears, "=" skips the level.
  void keyPressed(int key);
  void enterClicked();
  void clrClicked();
  // A hint about a word not yet found (hints.h): the next step for the
  // word of the last hint while it is not found, else the first step for
  // the first word not found. Only while hintOffered().
  void hintRequested();
  bool hintOffered() const;
  // Whether "Enter" would check a word now (in play, three letters or
  // more) and whether "Clear" has a word to clear.
  bool canEnter() const;
  bool canClear() const { return state_.selCount >= 1; }
  void toggleStats();
  // True while the progress area offers to advance (target reached, in play
  // or in the results view).
  bool advanceOffered() const;
  void advanceByClick();

  // A key typed on the board. With "Type letters" on, letters, Backspace,
  // Delete and Space are typing: acted on while acceptsTyping(), dropped
  // otherwise. Every other key, and every key with it off, is keyPressed.
  // `random` deals the rack when Space shuffles it.
  void keyTyped(int code, RandomSource& random);

  // The player asked what stands in the game (a key of its own): the
  // level, the score, the time left and the words left of each length are
  // announced. Only while a game is in play.
  void statusRequested();

  // Typing, for a player who turned "Type letters" on (keyTyped calls
  // these only then). Each acts only while acceptsTyping(): in play, not
  // paused, not in the results view.
  bool acceptsTyping() const;
  // A letter (either case) picks the leftmost free tile that shows it, as a
  // click on that tile would. False, and nothing changes, when no free tile
  // shows it or the word is as long as the board.
  bool letterTyped(char letter);
  // The last picked tile goes back, as a left click on it does.
  void takeBackLast();
  // Deals the rack's tiles into a new order drawn from `random`: the picked
  // tiles stay picked and the word in the slots stays as it is.
  void shuffleRack(RandomSource& random);

  // The word list's arrows: one row down or up, when the list can move.
  void scrollDown();
  void scrollUp();
  // The number of words in the list shown (found words, or every word).
  int32_t listCount() const;
  // The list moves, if need be, so that the word at `position` (from 1) is
  // in view: for the keyboard and readers coming to a word out of sight.
  void revealListPosition(int32_t position);

  // Side-panel commands that are rules of play.
  void showSolution();   // "Show Solution"
  void leaveToMenu();    // "Main Menu"
  // The results view's way back to the menu (its button, Enter): the game
  // is over for good.
  void backToMenu();
  void enteredSaveAndExit() { state_.gameActive = false; }

  // In the results view: the pointer is over list row `row` (0 the first
  // shown). With "Show meanings" on, the meaning line shows the word's sense.
  void resultsRowPointed(int row);
  int32_t resultsHoverRow() const { return resHoverRow_; }
  // In the results view with "Show meanings" on: a click on list row `row`
  // shows the word's senses.
  void resultsRowClicked(int row);
  // In play with "Show meanings" on: the pointer is over list row `row` (-1
  // off the list); a found word there shows its sense on the meaning line,
  // anything else clears the line. Not while paused.
  void listRowPointed(int row);
  // In play with "Show meanings" on: a click on list row `row` shows every
  // sense of the found word there, whole (the meaning line may cut it).
  void listRowClicked(int row);

  // The offer shown beside the message line, for everyday words only: after
  // a refused word, to accept it; after a level word is found, or a word of
  // the results is clicked, never to show it again. A click on the board
  // elsewhere, a new word or a new level takes it away.
  const OwnWordOffer& ownWordOffer() const { return state_.ownWordOffer; }
  // The player took the offer (its button, its key or a reader's action):
  // the word is kept as theirs, the message line says so, and the offer goes.
  void ownWordChosen();

  void gameOver();
  // Offers the game's score to its mode's table: the clap, the name, the
  // insertion and the table shown; the game is no longer in play either way.
  // A game holds at most one row: once it has entered, a later check of
  // the same game (after "Advance" from the results) raises that row to the
  // new score, moving it up past lower rows, and asks nothing.
  void checkIfBest();
  // The main window closes: a game still in play is offered to the table.
  void unload();

 private:
  // The meaning of `word` (all its senses with `allSenses`) on the board,
  // when the game's language has meanings; in one without, the first ask
  // of the run says so instead, and the others do nothing.
  void meaningAsked(const std::string& word, bool allSenses);
  // The game is over for good: told to the recorder, once per game.
  void gameEnded();
  void startNewGame(int16_t mode);
  // The selection becomes `word`'s letters, each the first free tile
  // showing it.
  void placeInSlots(const std::string& word);
  // Every picked tile back on the rack, nothing drawn.
  void releaseSelection();
  // The leftmost tile showing `letter` that is not picked; 0 when none.
  int freeTileShowing(uint8_t letter) const;
  bool isSolutionWord(const std::string& word) const;
  // A word of the rack beyond the level's list that counts: a real word of
  // the wider list, or one the player accepted. Everyday words only.
  bool isBonusWord(const std::string& word) const;
  void bonusWordEntered(const std::string& word);
  void refused(const std::string& word);
  // Makes the offer (none for an empty one); true when that changed it.
  bool offer(OwnWordAction action, const std::string& word);
  void scrollTo(int32_t position);
  // The results view's word at list row `row`, or "" when none is there.
  std::string resultsWordAt(int row) const;
  // The found word shown in list row `row` in play; "" for none.
  std::string foundWordAtRow(int row) const;
  // The level summary, with the all-words bonus added as it opens.
  void openLevelSummary();
  void allWordsFound();
  void initiateResultsShow();
  void stopCountdown();
  void lastLevelDone();
  // The row this game entered, when the table still holds it unchanged.
  bool holdsItsRow() const;
  void raiseHeldRow();

  // The row of its mode's table that the game in play entered (0 none),
  // with what was written there.
  struct HeldRow {
    int row = 0;
    int32_t score = 0;
    std::string name;
  };

  GameState& state_;
  GameView& view_;
  PuzzleMaker& puzzles_;
  bool paused_ = false;
  int32_t resHoverRow_ = -1;
  // The found word whose meaning the line shows in play ("" none).
  std::string meaningWord_;
  bool noMeaningsSaid_ = false;
  HeldRow held_;
  NoBonusWords noBonusWords_;
  BonusWordList* bonus_ = &noBonusWords_;
  OwnWords* own_ = nullptr;
  GameRecorder* recorder_ = nullptr;
  // The game in play was told to the recorder.
  bool recorded_ = false;
};

}  // namespace vorpex
