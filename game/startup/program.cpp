#include "program.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QWindow>
#include <array>
#include <cstdlib>
#include <future>

#include "after_first_frame.h"
#include "best_scores_window.h"
#include "code_page.h"
#include "dictionary_check.h"
#include "game_record.h"
#include "game_rules.h"
#include "instructions_window.h"
#include "options_dialog.h"
#include "program_files.h"
#include "question_dialog.h"
#include "saved_game.h"
#include "settings_store.h"
#include "statistics_window.h"
#include "text_codec.h"
#include "translations.h"
#include "win_registry_store.h"
#include "word_lists.h"

namespace vorpex {

namespace {
constexpr int kPlacementWaitMilliseconds = 2000;

std::unique_ptr<KeyedStore> storeAt(const std::string& path, FileSystem& files) {
#if defined(_WIN32)
  if (path.empty()) return std::make_unique<WinRegistryStore>();
#endif
  return std::make_unique<RegFileStore>(path, files);
}
}  // namespace

Program::Program(const ProgramEnvironment& environment)
    : env_(environment),
      engine_(env_.appDir + files::kEngineLibrary),
      meanings_(files_, env_.appDir + files::kDefinitions),
      bonusWords_(files_, env_.appDir, state_.wordList),
      ownWords_(files_, env_.ownWordsPath),
      history_(files_, env_.historyPath),
      ownStore_(storeAt(env_.storePath, files_)),
      store_(*ownStore_),
      sounds_(state_, *env_.soundOutput) {
  meanings_.onProblem = [this](const std::string& problem) { quietMessages().explain(problem); };
  bonusWords_.onProblem = [this](const std::string& problem) { quietMessages().explain(problem); };
  ownWords_.onProblem = [this](const std::string& problem) { quietMessages().explain(problem); };
  if (!env_.storeWritesRefused.empty()) ownStore_->refuseWrites(env_.storeWritesRefused);
}

Program::~Program() = default;

std::string Program::start() {
  // The dictionary check reads and indexes the whole word list. It runs
  // beside the building of the main window, which neither reads the
  // settings nor touches the engine; the window is shown only once the
  // check has passed, and the settings are read after it, as before.
  // Only the classic list, the one every player can fall back on, is
  // checked here; an everyday list is checked by the first game that
  // needs it (wordListFit), so that it costs the first frame nothing.
  std::future<std::string> dictionaryProblem = std::async(std::launch::async, [this] {
    return loadAndCheckDictionary(engine_, env_.appDir + files::kDictionary);
  });

  const std::string sheetPath = env_.appDir + files::kSpriteSheet;
  kit_ = env_.spriteSheet.valid() ? std::make_unique<DrawingKit>(env_.spriteSheet, sheetPath)
                                  : std::make_unique<DrawingKit>(sheetPath);
  window_ = std::make_unique<MainWindow>(state_, *kit_);
  view_ = std::make_unique<WindowView>(*window_, state_, sounds_, meanings_);
  puzzles_ = std::make_unique<EnginePuzzleMaker>(state_, engine_, *env_.random, env_.appDir, &ownWords_);
  session_ = std::make_unique<GameSession>(state_, *view_, *puzzles_);
  session_->useWordSources(bonusWords_, ownWords_);
  session_->useRecorder(*this);
  view_->onCountdownTick = [this] { session_->countdownTick(); };
  controller_ = std::make_unique<BoardController>(*window_, state_, *session_, *view_,
                                                  static_cast<ProgramCommands&>(*this), *env_.random);
  window_->menuWidget().onMouseDown = [this](int, double x, double y) {
    for (int b = 1; b <= kMenuButtons; ++b)
      if (isInBox(window_->menuBoxes().buttons(static_cast<size_t>(b)), static_cast<float>(x), static_cast<float>(y)))
        divertClick(b);
  };
  window_->onClose = [this] { unload(); };
  // Drawn before the window maps, so that its first frame is the menu.
  window_->mainMenu(true);

  try {
    const std::string problem = dictionaryProblem.get();
    if (!problem.empty()) return problem;
  } catch (const EngineBindingError& error) {
    return error.what();
  }

  for (int16_t level = 1; level <= MAX_LEVEL; ++level) state_.levelLength(static_cast<size_t>(level)) = level + 4;
  loadSettings(state_, store_, *env_.messages);
  state_.desktopSpelling = spellingForLocale(QLocale::system().name().toStdString());
  state_.desktopLanguage = languageForLocale(QLocale::system().name().toStdString());
  ownWords_.load();
  // A size index the level table does not hold starts at the first level's width.
  if (state_.solvingData.sizeIndex < 0 || state_.solvingData.sizeIndex >= MAX_LEVEL) state_.solvingData.sizeIndex = 0;
  state_.boardWidth = state_.levelLength(static_cast<size_t>(state_.solvingData.sizeIndex) + 1);
  sounds_.initSoundFiles(env_.appDir);
  window_->boxes().stats(1).state = state_.solvingData.statsView;
  // The preferences reach the windows here, and come back from them: the
  // zoom the player picks in the window, the rest from the options.
  window_->applyZoomSetting(state_.preferences.zoomPercent);
  window_->onZoomChosen = [this](int32_t percent) { state_.preferences.zoomPercent = percent; };
  usePreferredPalette();
  usePreferredLanguage();

  window_->show();
  window_->resizeWindow();
  if (env_.afterFirstFrame) runAfterFirstFrame(*window_, env_.afterFirstFrame);
  if (!env_.storeWritesRefused.empty()) {
    waitUntilOnScreen();
    quietMessages().explain(env_.storeWritesRefused);
    if (!terminating_)
      env_.messages->showMessage(translatedMessage(
          "Arcade Vorpex cannot make sure that it is the only copy using your settings, so this copy will not save "
          "settings, best scores or games.\n\n|1",
          {env_.storeWritesRefused}));
  }
  resumeAtStartUp();
  return {};
}

void Program::waitUntilOnScreen() {
  // Under a window manager the main window is placed and mapped a moment
  // after show(); a dialog opened before then is centred on a window that
  // is not there yet. Waits for it at most a couple of seconds (a display
  // that never maps it still gets its question).
  QWindow* handle = window_->windowHandle();
  QElapsedTimer waited;
  waited.start();
  while (handle && !handle->isExposed() && !terminating_ && waited.elapsed() < kPlacementWaitMilliseconds)
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::ExcludeUserInputEvents, 50);
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void Program::resumeAtStartUp() {
  if (!isGameStored(store_, *env_.messages)) return;
  const std::string listName = storedWordListName(store_, *env_.messages);
  const auto list = wordListNamed(listName);
  if (!list || !wordListFit(*list)) {
    refuseStoredGameOfList(listName);
    return;
  }
  waitUntilOnScreen();
  QuestionDialog question(*kit_, window_.get());
  question.exec();
  // Closed by a signal rather than answered: the game stays stored.
  if (terminating_) return;
  if (question.answer() == 1) {
    if (!loadStoredPuzzle()) return;
    window_->mainMenu(false);
    session_->restartStoredGame();
  } else {
    clearStoredGame(store_, *env_.messages);
  }
}

bool Program::wordListFit(WordList list) {
  const auto i = static_cast<size_t>(list);
  if (list == WordList::classic || listChecked_[i]) return state_.wordListShipped[i];
  listChecked_[i] = true;
  std::string problem;
  try {
    problem = loadAndCheckDictionary(engine_, env_.appDir + dictionaryFileOf(list));
  } catch (const EngineBindingError& error) {
    problem = error.what();  // bound at start, so only a library changed since
  }
  puzzles_->loaded(problem.empty() ? std::optional<WordList>(list) : std::nullopt);
  state_.wordListShipped[i] = problem.empty();
  if (!problem.empty()) {
    quietMessages().explain(problem);
    if (!terminating_)
      env_.messages->showMessage(translatedMessage("|1\n\nThe game plays with the classic words.", {problem}));
  }
  return problem.empty();
}

void Program::refuseStoredGameOfList(const std::string& listName) {
  quietMessages().explain("the saved game was played with the word list \"" + listName + "\", which this version does not have");
  waitUntilOnScreen();
  QuestionDialog question(*kit_, window_.get(), kUnknownWordListQuestionText, listName);
  question.exec();
  if (!terminating_ && question.answer() == 1) clearStoredGame(store_, *env_.messages);
}

bool Program::loadStoredPuzzle() {
  state_.nWordsFound = 0;
  state_.totalWords = 0;
  state_.selCount = 0;
  // A game that cannot be read after all stays on the menu; the store has
  // told the player, and the game is marked as taken.
  if (!loadSavedGame(state_, store_, *env_.messages)) return false;
  state_.totalPoints = 0;
  puzzles_->buildPuzzle(state_.solvingData.puzzleNumber);
  // Words the rebuilt puzzle does not hold, repeats, or a level score that
  // is not their points: a game that cannot have been played. It counts as
  // none, as an unreadable one does.
  if (!foundWordsFitPuzzle(state_)) {
    state_.nWordsFound = 0;
    state_.curLevelScore = 0;
    return false;
  }
  return true;
}

void Program::divertClick(int b) {
  switch (b) {
    case 1:
    case 2:
      // A list found unfit plays as Classic (GameSession::newGame).
      wordListFit(newGameWordList(state_.preferences, state_.desktopSpelling, state_.desktopLanguage));
      window_->mainMenu(false);
      session_->newGame(static_cast<int16_t>(b));
      break;
    case 3: openOptions(); break;
    case 4:
    case 5: {
      // Not modal: the menu stays usable while the table is open. A second
      // click brings the open window forward rather than opening another.
      QPointer<BestScoresWindow>& scores = menuScores_[b - 4];
      if (!scores) {
        // The Hall of Fame the next game would enter, in its language.
        const Language language =
            languageOf(newGameWordList(state_.preferences, state_.desktopSpelling, state_.desktopLanguage));
        scores = new BestScoresWindow(state_, language, static_cast<int16_t>(b - 3), *kit_, window_.get());
        scores->setAttribute(Qt::WA_DeleteOnClose);
      }
      scores->show();
      scores->raise();
      scores->activateWindow();
      break;
    }
    case 6: openHelp(); break;
    case 7: window_->close(); break;
    case kDailyMenuButton:
      openDailyPuzzle();
      break;
    case kStatisticsMenuButton:
      openStatistics();
      break;
    default: break;
  }
}

void Program::openDailyPuzzle() {
  const int32_t day = today();
  switch (dailyChoice(state_.daily, day)) {
    case DailyChoice::play:
      wordListFit(newGameWordList(state_.preferences, state_.desktopSpelling, state_.desktopLanguage));
      // Begun is taken: kept at once, so that no ending of the program frees the day again.
      beginDailyDay(state_.daily, day);
      saveDailyRecord(state_, store_, *env_.messages);
      window_->mainMenu(false);
      session_->newDailyGame(day);
      break;
    case DailyChoice::showResult: {
      const std::string shared = utf8FromCodePage(dailyShareText(day, state_.daily.lastResult));
      QMessageBox box(QMessageBox::Information, QStringLiteral("Arcade Vorpex"),
                      QString::fromStdString(translatedMessage(
                          "You have played today's puzzle; the next one comes tomorrow.\n\n|1\n\nDays in a row: |2",
                          {shared, std::to_string(currentStreak(state_.daily, day))})),
                      QMessageBox::Ok, window_.get());
      QPushButton* copy = box.addButton(translatedText("Copy"), QMessageBox::ActionRole);
      box.exec();
      if (box.clickedButton() == copy) QGuiApplication::clipboard()->setText(QString::fromStdString(shared));
      break;
    }
    case DailyChoice::clockBehind:
      env_.messages->showMessage(translatedMessage(
          "Your clock shows |1, a day before |2, the last day whose puzzle you played. The next puzzle of the day "
          "comes on the day after that one.",
          {utf8FromCodePage(dateText(day)), utf8FromCodePage(dateText(state_.daily.lastDay))}));
      break;
  }
}

void Program::shareDailyResult() {
  if (state_.dailyDay == 0) return;
  const QString shared = fromAnsi(dailyShareText(state_.dailyDay, dailyResultOf(state_)));
  QGuiApplication::clipboard()->setText(shared);
  const QString said = translatedText("Copied: |1").replace(QStringLiteral("|1"), shared);
  window_->painter().drawMeaningLine(said);
  window_->painter().refresh();
  view_->announce(toAnsi(said));
}

void Program::openStatistics() {
  const HistoryRead read = history_.read();
  if (read.damagedLines > 0)
    quietMessages().explain(history_.path() + ": " + std::to_string(read.damagedLines) + " damaged lines skipped");
  StatisticsWindow window(read, state_.daily, today(), *kit_, window_.get());
  window.onClear = [this] {
    std::string problem;
    if (!history_.path().empty() && !history_.clear(problem)) {
      env_.messages->showMessage(translatedMessage("The statistics could not be cleared: |1", {problem}));
      return false;
    }
    // The day last played stays, so that clearing never opens it again.
    state_.daily.streak = state_.daily.bestStreak = 0;
    saveDailyRecord(state_, store_, *env_.messages);
    return true;
  };
  window.exec();
}

void Program::gameFinished(const GameState& state) {
  if (state.dailyDay != 0 && state.dailyDay == state_.daily.lastDay) {
    state_.daily.lastResult = dailyResultOf(state);
    saveDailyRecord(state_, store_, quietMessages());
  }
  if (history_.path().empty()) return;
  std::string problem;
  if (history_.append(recordOfGame(state, civilDate(today())), problem)) return;
  quietMessages().explain(problem);
  if (!terminating_ && !unloaded_)
    env_.messages->showMessage(translatedMessage("This game could not be added to your statistics: |1", {problem}));
}

void Program::openHelp() {
  if (vorpex::openHelp(*env_.opener, env_.appDir, textLanguage())) return;
  // No viewer on this desktop: the game shows the document itself.
  if (!instructions_) {
    instructions_ = new InstructionsWindow(helpPath(env_.appDir, textLanguage()), window_.get());
    instructions_->setAttribute(Qt::WA_DeleteOnClose);
    if (!instructions_->loaded()) quietMessages().showMessage(instructions_->problem());
  }
  instructions_->show();
  instructions_->raise();
  instructions_->activateWindow();
}

void Program::openOptions() {
  OptionsDialog options(state_, window_.get());
  options.exec();
  usePreferredPalette();
  usePreferredLanguage();
}

void Program::usePreferredLanguage() {
  const Language language = chosenLanguage(state_.preferences, state_.desktopLanguage);
  if (language == textLanguage()) return;
  setTextLanguage(language);
  if (instructions_) instructions_->close();  // in the language it was opened in
  window_->retranslate();
  window_->redrawAll();
}

void Program::usePreferredPalette() {
  if (kit_->palette().highContrast == state_.preferences.highContrast) return;
  kit_->setPalette(Palette::forHighContrast(state_.preferences.highContrast));
  window_->redrawAll();
}

void Program::saveAndExit() {
  keptForSessionEnd_ = false;
  saveGame(state_, store_, *env_.messages);
  session_->enteredSaveAndExit();
  window_->close();
}

void Program::unload() {
  if (unloaded_ || !session_) return;
  unloaded_ = true;
  view_->setCountdownRunning(false);
  if (!terminating_) {
    session_->unload();
    if (keptForSessionEnd_) clearStoredGame(store_, *env_.messages);
    saveSettings(state_, store_, *env_.messages);
    return;
  }
  keepGameAndSettings(quietMessages());
  session_->enteredSaveAndExit();
}

void Program::keepGameAndSettings(MessageSink& messages) {
  if (state_.gameActive) saveGame(state_, store_, messages);
  saveSettings(state_, store_, messages);
}

void Program::keepOnExit() {
  if (unloaded_ || !session_) return;
  unloaded_ = true;
  keepGameAndSettings(quietMessages());
}

void Program::keepForSessionEnd() {
  if (unloaded_ || !session_) return;
  keptForSessionEnd_ = state_.gameActive;
  keepGameAndSettings(quietMessages());
}

void Program::requestTermination() {
  terminating_ = true;
  if (view_) view_->suppressDialogs();
  // Ends the main loop and every modal loop nested in it; a loop started
  // before the main one has run returns at once.
  QCoreApplication::exit(0);
}

std::string Program::failInPlay(const std::string& what) {
  if (!unloaded_ && session_) {
    unloaded_ = true;
    view_->setCountdownRunning(false);
    view_->suppressDialogs();
    keepGameAndSettings(quietMessages());
  }
  return translatedMessage(
      "Arcade Vorpex has to stop: |1\n\nYour settings and best scores have been saved, and a game in play is kept "
      "for the next start.",
      {what});
}

namespace {
Program* programAtExit = nullptr;
}  // namespace

void keepAtExit(Program* program) {
  static const bool registered = std::atexit([] {
    if (programAtExit) programAtExit->keepOnExit();
  }) == 0;
  (void)registered;
  programAtExit = program;
}

}  // namespace vorpex
