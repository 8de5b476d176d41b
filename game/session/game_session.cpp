#include "game_session.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "code_page.h"
#include "daily_puzzle.h"
#include "found_words.h"
#include "game_rules.h"
#include "hints.h"
#include "languages.h"
#include "sound_ids.h"
#include "spoken_texts.h"
#include "text_resources.h"

namespace vorpex {

namespace {
constexpr int kRepeatedWordMilliseconds = 300;
}  // namespace

void GameSession::newGame(int16_t mode) {
  state_.dailyDay = 0;
  startNewGame(mode);
}

void GameSession::newDailyGame(int32_t day) {
  state_.dailyDay = day;
  startNewGame(MODE_CLASSIC);
}

void GameSession::startNewGame(int16_t mode) {
  held_ = {};
  recorded_ = false;
  state_.tally = {};
  state_.solvingData.gameMode = mode;
  state_.wordList = newGameWordList(state_.preferences, state_.desktopSpelling, state_.desktopLanguage);
  if (!state_.wordListShipped[static_cast<size_t>(state_.wordList)]) state_.wordList = WordList::classic;
  // The day's puzzle is every level, whatever the starting level chosen.
  state_.solvingData.curLevel = static_cast<int16_t>(state_.dailyDay != 0 ? 0 : state_.solvingData.levelOption - 1);
  state_.score = 0;
  if (mode == MODE_TIMED) state_.curLevelScore = 0;
  startGame();
}

void GameSession::startGame() {
  SolvingData& d = state_.solvingData;
  if (d.curLevel >= MAX_LEVEL) {  // no level beyond the last is ever built
    gameOver();
    return;
  }
  enablePause(false);
  meaningWord_.clear();  // the new board has an empty meaning line
  state_.listMode = LIST_FOUND;
  state_.showingResults = false;
  d.curLevel += 1;
  state_.boardWidth = state_.rackLength = state_.levelLength(static_cast<size_t>(d.curLevel));
  state_.curLevelScore = 0;
  state_.nWordsFound = 0;
  state_.foundWords.clear();
  state_.bonusWords.clear();
  state_.ownWordOffer = {};
  state_.hintedWords.clear();
  state_.listTop = 1;
  puzzles_.buildPuzzle(state_.dailyDay != 0 ? dailyPuzzleNumber(state_.dailyDay, d.curLevel, state_.wordList) : -1);
  state_.tally.wordsTotal += state_.totalWords;
  state_.bestScoreText = std::to_string(gameBestScores(state_, d.gameMode).scores(1));
  if (d.gameMode == MODE_TIMED) {
    state_.timeRem = countdownFor(state_.totalPoints, d.timeOption);
    state_.timeText = formatTime(state_.timeRem, 3);
  }
  view_.drawBoard();
  view_.drawReadOuts();
  view_.setCountdownRunning(d.gameMode == MODE_TIMED);
  state_.gameActive = true;
  view_.refresh();
}

void GameSession::restartStoredGame() {
  held_ = {};
  recorded_ = false;
  state_.ownWordOffer = {};
  enablePause(false);
  meaningWord_.clear();
  state_.listTop = 1;
  state_.listMode = LIST_FOUND;
  state_.showingResults = false;
  const SolvingData& d = state_.solvingData;
  state_.bestScoreText = std::to_string(gameBestScores(state_, d.gameMode).scores(1));
  if (d.gameMode == MODE_TIMED) state_.timeText = formatTime(state_.timeRem, 3);
  state_.gameActive = true;  // before drawing, so that the progress area reads right
  view_.drawBoard();
  view_.drawReadOuts();
  view_.setCountdownRunning(d.gameMode == MODE_TIMED);
  view_.refresh();
}

void GameSession::enablePause(bool paused) {
  paused_ = paused;
  view_.showPaused(paused);
  if (state_.solvingData.gameMode == MODE_TIMED && state_.gameActive) view_.setCountdownRunning(!paused);
}

void GameSession::minimized() {
  if (state_.gameActive) enablePause(true);
}

void GameSession::stopCountdown() { view_.setCountdownRunning(false); }

void GameSession::countdownTick() {
  if (!state_.gameActive || paused_) return;
  state_.timeRem -= 1;
  state_.timeText = formatTime(state_.timeRem, 2);
  view_.drawReadOuts();
  view_.refresh();
  for (const int seconds : {30, 10})
    if (state_.timeRem == seconds * 10) view_.announce(secondsLeftText(seconds));
  if (state_.timeRem > 0) return;
  stopCountdown();
  openLevelSummary();
  if (state_.curLevelScore >= state_.targetScore && state_.solvingData.curLevel < MAX_LEVEL) {
    startGame();
  } else if (state_.curLevelScore >= state_.targetScore) {
    lastLevelDone();
  } else {
    gameOver();
  }
}

void GameSession::lastLevelDone() {
  checkIfBest();
  gameEnded();
  view_.showMainMenu();
}

void GameSession::gameEnded() {
  if (recorded_ || state_.solvingData.curLevel < 1) return;
  recorded_ = true;
  if (recorder_) recorder_->gameFinished(state_);
}

void GameSession::backToMenu() {
  gameEnded();
  view_.showMainMenu();
}

bool GameSession::hintOffered() const {
  return acceptsTyping() && hintsOffered(state_) && !nextHintWord(state_).empty();
}

void GameSession::hintRequested() {
  if (!hintOffered()) return;
  const std::string word = nextHintWord(state_);
  auto hinted = std::find_if(state_.hintedWords.begin(), state_.hintedWords.end(),
                             [&word](const HintedWord& h) { return h.word == word; });
  if (hinted == state_.hintedWords.end()) {
    state_.hintedWords.push_back({word, 0, 0});
    hinted = std::prev(state_.hintedWords.end());
  } else if (hinted != std::prev(state_.hintedWords.end())) {
    std::rotate(hinted, hinted + 1, state_.hintedWords.end());  // the word goes on as the last hinted
    hinted = std::prev(state_.hintedWords.end());
  }
  int32_t stage = std::min(hinted->stage + 1, kHintSteps);
  std::string gloss;
  if (stage == 2) {
    gloss = view_.meaningGloss(word);
    if (gloss.empty()) stage = 3;  // no meaning to tell: the letters come next
  }
  // Asking again once the letters are shown places them again, at no cost.
  if (stage > hinted->stage) {
    hinted->stage = stage;
    hinted->steps += 1;
    state_.tally.hints += 1;
  }
  std::string text;
  if (stage == 1) {
    text = lengthAndFirstHintText(word);
  } else if (stage == 2) {
    text = meaningHintText(gloss);
  } else {
    placeInSlots(word);
    text = lettersHintText();
  }
  view_.showMeaningNotice(text);
  view_.refresh();
  view_.announce(text);
}

void GameSession::placeInSlots(const std::string& word) {
  releaseSelection();
  for (const char letter : word) {
    const int tile = freeTileShowing(static_cast<uint8_t>(letter));
    if (tile == 0) continue;
    state_.tileUsed(static_cast<size_t>(tile)) = 1;
    state_.selCount += 1;
    state_.selOrder(static_cast<size_t>(state_.selCount)) = static_cast<int16_t>(tile);
  }
  view_.drawRack();
  view_.drawAnswerSlots();
}

void GameSession::openLevelSummary() {
  const LevelSummary summary = levelSummary(state_);
  if (summary.addsAllWordsBonus) state_.score = addPoints(state_.score, state_.curLevelScore);
  view_.showLevelSummary(summary.text);
}

void GameSession::boardClicked() {
  if (!state_.showingResults) view_.showMessage(kNoMessage, "");
  offer(OwnWordAction::none, "");
}

bool GameSession::offer(OwnWordAction action, const std::string& word) {
  const OwnWordOffer next = takesBonusWords(state_.wordList) && own_ && action != OwnWordAction::none
                                ? OwnWordOffer{action, word}
                                : OwnWordOffer{};
  if (next == state_.ownWordOffer) return false;
  state_.ownWordOffer = next;
  view_.drawOwnWordOffer();
  return true;
}

void GameSession::ownWordChosen() {
  if (state_.ownWordOffer.action == OwnWordAction::none || !own_ || paused_) return;
  if (!state_.gameActive && !state_.showingResults) return;
  const OwnWordOffer taken = state_.ownWordOffer;
  const bool accepting = taken.action == OwnWordAction::accept;
  if (accepting) {
    own_->accept(taken.word);
  } else {
    own_->neverShow(taken.word);
  }
  offer(OwnWordAction::none, "");
  if (!state_.showingResults) view_.showMessage(accepting ? kWordAcceptedMessage : kWordNeverShownMessage, taken.word);
  view_.refresh();
  view_.announce(formatResString(accepting ? kWordAcceptedText : kWordNeverShownText, {"|1", taken.word}));
}

void GameSession::tileClicked(int tile, int button) {
  if (!state_.gameActive || tile < 1 || tile > state_.rackLength) return;
  const auto t = static_cast<size_t>(tile);
  if (state_.selCount == 0) {
    state_.selOrder(1) = static_cast<int16_t>(tile);
    state_.tileUsed(t) = 1;
    state_.selCount = 1;
    view_.drawTile(tile);
    view_.drawAnswerSlots();
    view_.playSound(SOUND_CLICK);
  } else if (tile == state_.selOrder(static_cast<size_t>(state_.selCount))) {
    if (button == BUTTON_RIGHT) {
      enterClicked();
      return;
    }
    state_.selCount -= 1;
    state_.tileUsed(t) = 0;
    view_.drawRack();
    view_.drawAnswerSlots();
    view_.playSound(SOUND_UNCLICK);
  } else if (state_.tileUsed(t) == 1 || state_.selCount >= state_.boardWidth) {
    return;
  } else {
    state_.tileUsed(t) = 1;
    state_.selCount += 1;
    state_.selOrder(static_cast<size_t>(state_.selCount)) = static_cast<int16_t>(tile);
    view_.drawRack();
    view_.drawAnswerSlots();
    view_.playSound(SOUND_CLICK);
  }
  view_.refresh();
}

void GameSession::keyPressed(int key) {
  switch (key) {
    case KEY_ESCAPE:
      if (state_.gameActive) enablePause(true);
      view_.minimize();
      view_.announce(minimizedText(paused_));
      break;
    case KEY_ENTER:
      // In the results Enter goes back to the menu. In play a word one
      // letter short is entered too, so the player hears why it is refused.
      if (state_.showingResults) {
        backToMenu();
      } else if (state_.gameActive && state_.selCount >= kShortestWord - 1) {
        enterClicked();
      }
      break;
    case KEY_SPACE:
      // The pause notice goes on with Space, as with a click anywhere.
      if (paused_) enablePause(false);
      break;
    case KEY_BACKSPACE:
      if (state_.gameActive && state_.selCount >= 2) {
        clrClicked();
        view_.announce(answerSlotsName(state_));
      }
      break;
    case KEY_HINT:
      hintRequested();
      break;
    case KEY_SKIP_LEVEL:
      if (!state_.gameActive) break;
      if (state_.solvingData.curLevel < MAX_LEVEL) {
        startGame();
      } else {
        gameOver();
      }
      break;
    default:
      break;
  }
}

bool GameSession::isSolutionWord(const std::string& word) const {
  const SizeList& list = state_.wordsBySize[static_cast<size_t>(state_.selCount)];
  for (int32_t i = 1; i <= list.count && static_cast<size_t>(i) <= list.words.size(); ++i)
    if (list.words(static_cast<size_t>(i)) == word) return true;
  return false;
}

void GameSession::scrollTo(int32_t position) {
  if (position <= kVisibleListRows) {
    state_.listTop = 1;
  } else {
    state_.listTop = static_cast<int16_t>(std::min(position, state_.nWordsFound - (kVisibleListRows - 1)));
  }
}

void GameSession::enterClicked() {
  if (state_.gameActive && state_.selCount >= 1 && state_.selCount < kShortestWord) view_.announce(tooShortText());
  if (!canEnter()) return;
  std::string word;
  for (int k = 1; k <= state_.selCount; ++k) {
    const auto letter = state_.rack(static_cast<size_t>(state_.selOrder(static_cast<size_t>(k))));
    word += letterUpper(static_cast<char>(letter));
  }
  if (!isSolutionWord(word)) {
    if (isBonusWord(word)) {
      bonusWordEntered(word);
    } else {
      refused(word);
    }
    return;
  }
  const int32_t before = state_.nWordsFound;
  const int32_t position = addFoundWord(state_, word);
  if (state_.nWordsFound == before) {
    view_.playSound(SOUND_BEEP);
    scrollTo(position);
    view_.drawWordList(position);
    view_.showMessage(kAlreadyFoundMessage, "");
    view_.refresh();
    view_.announce(wordRefusedText(word, loadText(kAlreadyFoundText)));
    view_.pauseInput(kRepeatedWordMilliseconds);
    view_.drawWordList(0);
    view_.refresh();
    return;
  }
  view_.playSound(SOUND_RIGHT);
  const int32_t points = hintedPoints(state_.selCount, hintStepsFor(state_, word));
  GameTally& tally = state_.tally;
  tally.wordsFound += 1;
  tally.foundByLength[static_cast<size_t>(state_.selCount)] += 1;
  if (word.size() > tally.longest.size()) tally.longest = word;
  const bool offeredBefore = advanceOffered();
  state_.score = addPoints(state_.score, points);
  state_.curLevelScore = addPoints(state_.curLevelScore, points);
  view_.showMessage(kPointsMessage, std::to_string(points));
  view_.drawReadOuts();
  scrollTo(position);
  view_.drawWordList(0);
  clrClicked();
  view_.drawProgressArea();
  view_.drawFoundStats();
  offer(OwnWordAction::neverShow, word);
  view_.refresh();
  view_.announce(wordAcceptedText(word, points, state_.score));
  // Every level word found ends the level; bonus words' points do not.
  if (everyLevelWordFound(state_)) {
    allWordsFound();
  } else if (!offeredBefore && advanceOffered()) {
    view_.announce(advanceOfferedText());
  }
}

bool GameSession::isBonusWord(const std::string& word) const {
  if (!takesBonusWords(state_.wordList)) return false;
  return bonus_->contains(word) || (own_ && own_->accepted(word));
}

void GameSession::refused(const std::string& word) {
  view_.showMessage(kNotAWordMessage, "");
  view_.playSound(SOUND_BEEPS);
  offer(OwnWordAction::accept, word);
  view_.refresh();
  view_.announce(wordRefusedText(word, loadText(kNotAWordText)));
}

void GameSession::bonusWordEntered(const std::string& word) {
  auto& bonus = state_.bonusWords;
  if (std::find(bonus.begin(), bonus.end(), word) != bonus.end()) {
    view_.playSound(SOUND_BEEP);
    view_.showMessage(kAlreadyFoundMessage, "");
    offer(OwnWordAction::none, "");
    view_.refresh();
    view_.announce(wordRefusedText(word, loadText(kAlreadyFoundText)));
    return;
  }
  view_.playSound(SOUND_RIGHT);
  const int32_t points = wordPoints(state_.selCount);
  const bool offeredBefore = advanceOffered();
  bonus.push_back(word);
  state_.score = addPoints(state_.score, points);
  state_.curLevelScore = addPoints(state_.curLevelScore, points);
  view_.showMessage(kBonusWordMessage, std::to_string(points));
  view_.drawReadOuts();
  view_.drawBonusWords();
  clrClicked();
  view_.drawProgressArea();
  offer(OwnWordAction::none, "");
  view_.refresh();
  view_.announce(bonusWordText(word, points, state_.score));
  if (!offeredBefore && advanceOffered()) view_.announce(advanceOfferedText());
}

bool GameSession::canEnter() const {
  return state_.gameActive && state_.selCount >= kShortestWord && state_.selCount <= state_.boardWidth;
}

void GameSession::releaseSelection() {
  for (int k = 1; k <= state_.selCount; ++k)
    state_.tileUsed(static_cast<size_t>(state_.selOrder(static_cast<size_t>(k)))) = 0;
  state_.selCount = 0;
}

int GameSession::freeTileShowing(uint8_t letter) const {
  for (int tile = 1; tile <= state_.rackLength; ++tile) {
    const auto t = static_cast<size_t>(tile);
    if (state_.rack(t) == letter && state_.tileUsed(t) == 0) return tile;
  }
  return 0;
}

void GameSession::clrClicked() {
  if (!canClear()) return;
  releaseSelection();
  view_.drawRack();
  view_.drawAnswerSlots();
  view_.refresh();
}

void GameSession::allWordsFound() {
  stopCountdown();
  openLevelSummary();
  if (state_.solvingData.curLevel < MAX_LEVEL) {
    // Whole seconds left count as points, in timed games only: a classic
    // level has no clock, and timeRem may still hold an earlier timed game's.
    if (state_.solvingData.gameMode == MODE_TIMED) state_.score = addPoints(state_.score, state_.timeRem / 10);
    view_.drawReadOuts();
    view_.refresh();
    startGame();
  } else {
    lastLevelDone();
  }
}

void GameSession::toggleStats() { view_.drawFoundStats(); }

bool GameSession::advanceOffered() const {
  return (state_.gameActive || state_.showingResults) && state_.curLevelScore >= state_.targetScore;
}

void GameSession::advanceByClick() {
  if (!advanceOffered()) return;
  stopCountdown();
  openLevelSummary();
  if (state_.solvingData.curLevel < MAX_LEVEL) {
    startGame();
  } else {
    lastLevelDone();
  }
}

void GameSession::keyTyped(int code, RandomSource& random) {
  // A letter of the game's language, or an accented letter it folds.
  const std::optional<char> tile =
      code > 0 ? typedLetter(languageOf(state_.wordList), static_cast<char32_t>(code)) : std::nullopt;
  const bool letter = tile.has_value();
  const bool typing = letter || code == KEY_BACKSPACE || code == KEY_DELETE || code == KEY_SPACE;
  // Space on the pause notice goes on playing, typing or not.
  const bool resumes = code == KEY_SPACE && paused_;
  if (!state_.preferences.typeLetters || !typing || resumes) {
    keyPressed(code);
    return;
  }
  if (!acceptsTyping()) return;
  if (letter) {
    letterTyped(*tile);
  } else if (code == KEY_BACKSPACE) {
    takeBackLast();
  } else if (code == KEY_DELETE) {
    clrClicked();
  } else {
    shuffleRack(random);
  }
}

void GameSession::statusRequested() {
  if (state_.gameActive) view_.announce(gameStatusText(state_));
}

bool GameSession::acceptsTyping() const { return state_.gameActive && !paused_ && !state_.showingResults; }

bool GameSession::letterTyped(char letter) {
  if (!acceptsTyping()) return false;
  const auto wanted = static_cast<uint8_t>(letterUpper(letter));
  if (state_.selCount >= state_.boardWidth) {
    view_.announce(letterNotTakenText(state_, letter));
    return false;
  }
  if (const int tile = freeTileShowing(wanted); tile > 0) {
    tileClicked(tile, BUTTON_LEFT);
    return true;
  }
  view_.announce(letterNotTakenText(state_, letter));
  return false;
}

void GameSession::takeBackLast() {
  if (!acceptsTyping() || state_.selCount < 1) return;
  tileClicked(state_.selOrder(static_cast<size_t>(state_.selCount)), BUTTON_LEFT);
  view_.announce(answerSlotsName(state_));
}

void GameSession::shuffleRack(RandomSource& random) {
  if (!acceptsTyping()) return;
  const auto length = static_cast<size_t>(state_.rackLength);
  // order[new place - 1] = old place, a Fisher-Yates deal.
  std::vector<size_t> order(length);
  for (size_t i = 0; i < length; ++i) order[i] = i + 1;
  for (size_t i = length; i > 1; --i) {
    const auto j = std::min(i - 1, static_cast<size_t>(random.nextFraction() * static_cast<double>(i)));
    std::swap(order[i - 1], order[j]);
  }
  std::vector<size_t> placeOf(length + 1);
  OneBased<uint8_t> rack(length), used(length);
  for (size_t place = 1; place <= length; ++place) {
    rack(place) = state_.rack(order[place - 1]);
    used(place) = state_.tileUsed(order[place - 1]);
    placeOf[order[place - 1]] = place;
  }
  state_.rack = rack;
  state_.tileUsed = used;
  for (int k = 1; k <= state_.selCount; ++k) {
    int16_t& picked = state_.selOrder(static_cast<size_t>(k));
    picked = static_cast<int16_t>(placeOf[static_cast<size_t>(picked)]);
  }
  view_.drawRack();
  view_.refresh();
}

int32_t GameSession::listCount() const {
  return state_.listMode == LIST_ALL ? state_.totalWords : state_.nWordsFound;
}

void GameSession::scrollDown() {
  if (state_.listTop > listCount() - kVisibleListRows) return;
  state_.listTop += 1;
  view_.drawWordList(0);
  view_.refresh();
  view_.announce(listShownText(state_, listCount()));
}

void GameSession::scrollUp() {
  if (state_.listTop < 2) return;
  state_.listTop -= 1;
  view_.drawWordList(0);
  view_.refresh();
  view_.announce(listShownText(state_, listCount()));
}

void GameSession::revealListPosition(int32_t position) {
  if (position < 1 || position > listCount()) return;
  if (position >= state_.listTop && position < state_.listTop + kVisibleListRows) return;
  state_.listTop = static_cast<int16_t>(position < state_.listTop ? position : position - (kVisibleListRows - 1));
  view_.drawWordList(0);
  view_.refresh();
}

void GameSession::showSolution() {
  if (!state_.gameActive) return;
  stopCountdown();
  gameOver();
}

void GameSession::leaveToMenu() {
  if (state_.gameActive) {
    state_.gameActive = false;
    stopCountdown();
    openLevelSummary();
    checkIfBest();
  }
  gameEnded();
  view_.showMainMenu();
}

void GameSession::gameOver() {
  stopCountdown();
  state_.gameActive = false;
  checkIfBest();
  state_.showingResults = true;
  initiateResultsShow();
  // A game whose level target was reached may still go on from the results.
  if (!advanceOffered()) gameEnded();
}

void GameSession::checkIfBest() {
  const int16_t mode = state_.solvingData.gameMode;
  if (mode == MODE_CLASSIC || mode == MODE_TIMED) {
    const int rank = findScoreRank(state_, mode, state_.score);
    if (holdsItsRow()) {
      raiseHeldRow();
    } else if (rank <= kScoreRows) {
      view_.playSound(SOUND_CLAP);
      const std::string name = storedPlayerName(view_.askPlayerName());
      insertBestScore(state_, mode, state_.score, name);
      held_ = {rank, state_.score, name};
      view_.showBestScores(mode);
      view_.stopSound();
    }
  }
  state_.gameActive = false;
}

bool GameSession::holdsItsRow() const {
  if (held_.row < 1) return false;
  const ScoreTable& table = gameBestScores(state_, state_.solvingData.gameMode);
  const auto row = static_cast<size_t>(held_.row);
  return table.scores(row) == held_.score && table.names(row) == held_.name;
}

void GameSession::raiseHeldRow() {
  if (state_.score <= held_.score) return;
  ScoreTable& table = gameBestScores(state_, state_.solvingData.gameMode);
  auto row = static_cast<size_t>(held_.row);
  table.scores(row) = state_.score;
  // Up past every row now below it; a row of equal score is older and stays above.
  for (; row > 1 && table.scores(row - 1) < table.scores(row); --row) {
    std::swap(table.scores(row - 1), table.scores(row));
    std::swap(table.names(row - 1), table.names(row));
  }
  held_.row = static_cast<int>(row);
  held_.score = state_.score;
}

void GameSession::initiateResultsShow() {
  view_.showResultsControls();
  collectAllWords(state_);
  state_.listMode = LIST_ALL;
  state_.listTop = 1;
  view_.drawWordList(0);
  view_.showMessage(kMissedWordsMessage, "");
  view_.refresh();
  view_.announce(loadText(kMissedWordsText));
  resHoverRow_ = -1;
}

std::string GameSession::resultsWordAt(int row) const {
  if (!state_.showingResults || row < 0) return {};
  const int32_t i = state_.listTop + row;
  if (i < 1 || i > state_.totalWords || static_cast<size_t>(i) > state_.allWords.size()) return {};
  return state_.allWords(static_cast<size_t>(i));
}

void GameSession::resultsRowPointed(int row) {
  const std::string word = resultsWordAt(row);
  const int32_t i = state_.listTop + row;
  if (word.empty() || i == resHoverRow_) return;
  resHoverRow_ = i;
  view_.drawWordInSlots(word);
  if (state_.preferences.showMeanings) meaningAsked(word, false);
  view_.refresh();
}

void GameSession::resultsRowClicked(int row) {
  const std::string word = resultsWordAt(row);
  if (word.empty()) return;
  if (offer(OwnWordAction::neverShow, word)) view_.refresh();
  if (state_.preferences.showMeanings) meaningAsked(word, true);
}

std::string GameSession::foundWordAtRow(int row) const {
  const int32_t i = row < 0 ? 0 : state_.listTop + row;
  return i >= 1 && i <= state_.nWordsFound && static_cast<size_t>(i) <= state_.foundWords.size()
             ? state_.foundWords(static_cast<size_t>(i))
             : "";
}

void GameSession::listRowClicked(int row) {
  if (!state_.preferences.showMeanings || !state_.gameActive || state_.showingResults || paused_) return;
  const std::string word = foundWordAtRow(row);
  if (!word.empty()) meaningAsked(word, true);
}

void GameSession::listRowPointed(int row) {
  if (!state_.preferences.showMeanings || !state_.gameActive || state_.showingResults || paused_) return;
  // The list may have moved or grown under a still pointer: the word
  // decides, not the row.
  std::string word = foundWordAtRow(row);
  if (word == meaningWord_) return;
  meaningWord_ = std::move(word);
  meaningAsked(meaningWord_, false);
  view_.refresh();
}

void GameSession::meaningAsked(const std::string& word, bool allSenses) {
  if (languageOf(state_.wordList) != Language::english) {
    if (noMeaningsSaid_ || word.empty()) return;
    noMeaningsSaid_ = true;
    const std::string notice = loadText(kNoMeaningsText);
    view_.showMeaningNotice(notice);
    view_.announce(notice);
    return;
  }
  if (allSenses) {
    view_.showMeanings(word);
  } else {
    view_.showMeaning(word);
  }
}

void GameSession::unload() {
  const bool ends = state_.gameActive || state_.showingResults;
  if (state_.gameActive) checkIfBest();
  if (ends) gameEnded();
}

}  // namespace vorpex
