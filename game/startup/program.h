// The game program over its parts: start-up (Main) in its order, the main
// menu's seven actions, the side panel's commands that reach beyond the
// game, resuming a stored game at start-up, and the unload that writes the
// settings. main() makes one; tests make their own with their own folders.
#pragma once

#include <QImage>
#include <QPointer>
#include <array>
#include <functional>
#include <future>
#include <memory>
#include <string>

#include "best_scores_window.h"
#include "board_controller.h"
#include "bonus_word_file.h"
#include "calendar.h"
#include "clock_random.h"
#include "drawing_kit.h"
#include "engine_binding.h"
#include "file_system.h"
#include "game_session.h"
#include "game_state.h"
#include "help.h"
#include "history_file.h"
#include "instructions_window.h"
#include "main_window.h"
#include "message_sink.h"
#include "own_words_file.h"
#include "puzzle_bridge.h"
#include "random_source.h"
#include "reg_file_store.h"
#include "sounds.h"
#include "window_view.h"

namespace vorpex {

// What the program runs on; each pointer outlives the Program.
struct ProgramEnvironment {
  std::string appDir;     // the program folder, with its trailing separator
  // The REGEDIT4 file of the settings and the saved game. Empty on Windows:
  // the registry itself is the store there.
  std::string storePath;
  // When not empty, the store is read but never written, for this reason
  // (the path and what went wrong): another copy of the game may be using
  // it unseen. The player is told at start.
  std::string storeWritesRefused;
  RandomSource* random = nullptr;
  SoundOutput* soundOutput = nullptr;
  DocumentOpener* opener = nullptr;
  MessageSink* messages = nullptr;  // the store's failure messages
  // Failures while the program ends for a signal or a failure in play, when
  // nobody may be there to answer a dialog (standard error in the real
  // program). Null means `messages`.
  MessageSink* quietMessages = nullptr;
  // The program folder's sprite sheet, when the caller began reading it
  // (DrawingKit::readSheet) before the program was made; the menu waits
  // for it only at its first picture. Otherwise start() reads it.
  std::shared_future<QImage> spriteSheet;
  // Work that must not delay the main menu's first picture, run once that
  // picture is on screen (runAfterFirstFrame); may be empty.
  std::function<void()> afterFirstFrame;
  // The player's own words (own-words.txt beside the store); empty keeps
  // them for this session only.
  std::string ownWordsPath;
  // The history of finished games (history.txt beside the store); empty
  // keeps none.
  std::string historyPath;
  // The local date, for the puzzle of the day and the history; null means
  // the desktop's clock.
  Calendar* calendar = nullptr;
};

class Program : private ProgramCommands, private GameRecorder {
 public:
  explicit Program(const ProgramEnvironment& environment);
  ~Program() override;

  // Main: binds the engine and checks the dictionary, reads the settings,
  // prepares sounds and pictures, shows the main window on the main menu and
  // offers a stored game. Returns an empty text, or why the program cannot
  // start (naming the file and its folder); nothing is shown then.
  std::string start();

  // The main-menu button b (1..9).
  void divertClick(int b);
  // The program's unload, run once however the program ends: a game still in play is
  // offered to the Hall of Fame, then the settings and scores are written.
  // After requestTermination a game still in play is kept instead, as "Save
  // and Exit" keeps it, and nothing waits for the player.
  void unload();

  // A signal (a logout, Ctrl+C) asks the program to end now: every event
  // loop ends, open dialogs close unanswered (a stored game offered at
  // start stays stored), and no dialog opens any more. The caller runs
  // unload() once its loop has returned.
  void requestTermination();
  bool terminationRequested() const { return terminating_; }

  // An unexpected failure in play (`what`): keeps a game in play as "Save
  // and Exit" does (the next start checks it as it checks any stored game),
  // writes the settings and scores without waiting for the player, and
  // returns the text to show before the program exits with status 1.
  std::string failInPlay(const std::string& what);

  // The process is ending without returning to main (the toolkit lost its
  // display and exits): keeps a game in play and writes the settings as a
  // signal does, touching no window. Does nothing once the program has
  // unloaded.
  void keepOnExit();

  // (See keepAtExit below for the exit that skips main.)

  // The desktop session is about to end, and the player may still cancel
  // that: keeps a game in play and the settings as keepOnExit does, ending
  // nothing. Should play go on after all, the next normal unload takes the
  // kept game out of the store again (unless the player saves it), so that
  // the next start never offers a game that was played on.
  void keepForSessionEnd();

  GameState& state() { return state_; }
  MainWindow& window() { return *window_; }
  GameSession& session() { return *session_; }
  WindowView& view() { return *view_; }
  BoardController& controller() { return *controller_; }

 private:
  void waitUntilOnScreen();
  void resumeAtStartUp();
  // Reads the stored game and rebuilds its puzzle from its number; false
  // when the stored game cannot be read after all.
  bool loadStoredPuzzle();
  // A saved game of a word list this version does not ship: asked whether
  // to delete it (kept otherwise, for a version that has the list).
  void refuseStoredGameOfList(const std::string& listName);
  // Whether `list` can be played: the classic list passed start-up's check;
  // an everyday one is checked the first time it is asked about, and a
  // problem is said once (standard error and a message).
  bool wordListFit(WordList list);
  void openHelp() override;
  void openOptions() override;
  // The windows drawn again in the palette the preferences ask for, when
  // that is not the one they use.
  void usePreferredPalette();
  // The windows' texts in the chosen language (or the desktop's), redrawn when it changed.
  void usePreferredLanguage();
  void saveAndExit() override;
  void shareDailyResult() override;
  // The menu's "PUZZLE OF THE DAY": today's game, or the day's result when
  // it was begun, or why not when the clock is behind the last day played.
  void openDailyPuzzle();
  void openStatistics();
  // A finished game into the history, and a day's result into its record.
  void gameFinished(const GameState& state) override;
  int32_t today() const { return env_.calendar ? env_.calendar->today() : localCalendar_.today(); }
  // Keeps a game in play and writes the settings, telling only `messages`;
  // the windows are left as they are.
  void keepGameAndSettings(MessageSink& messages);

  ProgramEnvironment env_;
  GameState state_;
  EngineBinding engine_;
  LocalFileSystem files_;
  WordMeanings meanings_;
  BonusWordsByList bonusWords_;
  OwnWordsFile ownWords_;
  HistoryFile history_;
  LocalCalendar localCalendar_;
  std::unique_ptr<KeyedStore> ownStore_;
  KeyedStore& store_;
  Sounds sounds_;
  std::unique_ptr<DrawingKit> kit_;
  std::unique_ptr<MainWindow> window_;
  std::unique_ptr<WindowView> view_;
  std::unique_ptr<EnginePuzzleMaker> puzzles_;
  std::unique_ptr<GameSession> session_;
  std::unique_ptr<BoardController> controller_;
  MessageSink& quietMessages() { return env_.quietMessages ? *env_.quietMessages : *env_.messages; }

  // The menu's Hall of Fame windows, Classic and Timed, while open.
  std::array<QPointer<BestScoresWindow>, 2> menuScores_;
  // The game's own window of the instructions, where no viewer opens them.
  QPointer<InstructionsWindow> instructions_;
  bool unloaded_ = false;
  bool terminating_ = false;
  // A game in play was stored for a session end the player then cancelled.
  bool keptForSessionEnd_ = false;
  // The everyday lists checked so far (by WordList).
  std::array<bool, std::size(kWordLists)> listChecked_{};
};

// The program that std::exit finds running keeps what is in play
// (keepOnExit): Qt ends the process that way when its display connection
// breaks, without returning to main. Registered with std::atexit at the
// first call; null forgets the program (it is gone).
void keepAtExit(Program* program);

}  // namespace vorpex
