// A GameView that records what the rules asked of it, for testing the rules.
#pragma once

#include <algorithm>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "game_state.h"
#include "game_view.h"
#include "puzzle_fixture.h"

namespace vorpex::testing {

class RecordingView : public GameView {
 public:
  void drawBoard() override {
    log("board");
    if (!game) return;
    drawn.rack = rackShown(0);
    drawn.slots = slotsShown();
    drawn.panel = panelShown();
    drawn.list = listShown(0);
  }
  void drawRack() override {
    log("rack");
    if (game) drawn.rack = rackShown(0);
  }
  void drawTile(int tile) override {
    log("tile " + std::to_string(tile));
    if (game) drawn.rack = rackShown(tile);
  }
  void drawAnswerSlots() override {
    log("slots");
    if (game) drawn.slots = slotsShown();
  }
  void drawWordInSlots(const std::string& word) override {
    log("spell " + word);
    drawn.slots = word;
  }
  void drawWordList(int32_t framedRow) override {
    log("list " + std::to_string(framedRow));
    if (game) drawn.list = listShown(framedRow);
  }
  void drawFoundStats() override { log("stats"); }
  void drawProgressArea() override { log("progress"); }
  void drawReadOuts() override {
    log("readouts");
    if (game) drawn.panel = panelShown();
  }
  void showMessage(MessageId id, const std::string& points) override {
    log("message " + std::to_string(id) + (points.empty() ? "" : " " + points));
  }
  void showMeaning(const std::string& word) override { log("meaning " + word); }
  void showMeaningNotice(const std::string& text) override { log("meaning notice " + text); }
  void drawBonusWords() override { log("bonus"); }
  void drawOwnWordOffer() override { log("offer"); }
  void showResultsControls() override { log("results"); }
  void refresh() override {
    log("refresh");
    onScreen = drawn;
  }
  // Kept apart from the events: what is heard is not drawn.
  void announce(const std::string& text) override { said.push_back(text); }
  void playSound(int id) override { log("sound " + std::to_string(id)); }
  void stopSound() override { log("stop sound"); }
  void pauseInput(int ms) override { log("wait " + std::to_string(ms)); }
  void setCountdownRunning(bool running) override {
    countdownRunning = running;
    log(running ? "countdown on" : "countdown off");
  }
  void showPaused(bool paused) override { log(paused ? "paused" : "unpaused"); }
  void minimize() override { log("minimize"); }
  void showMainMenu() override { log("menu"); }
  void showLevelSummary(const std::string& text) override {
    summaries.push_back(text);
    if (countdownRunning) summariesOverARunningClock += 1;
    log("summary");
  }
  std::string askPlayerName() override {
    log("ask name");
    if (names.empty()) return "Player";
    std::string name = names.front();
    names.pop_front();
    return name;
  }
  void showBestScores(int table) override { log("best scores " + std::to_string(table)); }
  void showMeanings(const std::string& word) override { log("meanings " + word); }
  std::string meaningGloss(const std::string& word) override {
    const auto it = glosses.find(word);
    return it == glosses.end() ? std::string() : it->second;
  }

  bool saw(const std::string& event) const { return std::find(events.begin(), events.end(), event) != events.end(); }
  void clear() {
    events.clear();
    said.clear();
  }

  // What the player sees, when `game` is set: the rack (a used tile as
  // '_'), the answer slots, the side panel's read-outs and the word list's
  // visible rows, each as last drawn from the state, on screen once
  // refreshed. drawBoard draws them all, as the window's board does.
  struct Screen {
    std::string rack, slots, panel, list;
    bool operator==(const Screen&) const = default;
  };
  const GameState* game = nullptr;
  Screen drawn, onScreen;

  std::vector<std::string> events;
  std::vector<std::string> said;  // announcements, in order
  std::vector<std::string> summaries;
  int summariesOverARunningClock = 0;  // a summary must never wait while time runs out
  std::deque<std::string> names;
  std::map<std::string, std::string> glosses;  // meaningGloss's answers, by word
  bool countdownRunning = false;

 private:
  void log(std::string event) { events.push_back(std::move(event)); }
  // The rack as drawn; `only` > 0 redraws that tile alone over the last drawing.
  std::string rackShown(int only) const {
    std::string rack = drawn.rack;
    rack.resize(game->rack.size(), ' ');
    for (size_t t = 1; t <= game->rack.size(); ++t)
      if (only == 0 || t == static_cast<size_t>(only))
        rack[t - 1] = game->tileUsed.size() >= t && game->tileUsed(t) ? '_' : static_cast<char>(game->rack(t));
    return rack;
  }
  std::string slotsShown() const {
    std::string slots;
    for (int k = 1; k <= game->selCount; ++k)
      slots += static_cast<char>(game->rack(static_cast<size_t>(game->selOrder(static_cast<size_t>(k)))));
    return slots;
  }
  // The visible rows of the list, "FIRST ... LAST", from listTop on; the
  // word at position `framed` (if shown) as "[WORD]".
  std::string listShown(int32_t framed) const {
    const OneBased<std::string>& words = game->listMode == LIST_ALL ? game->allWords : game->foundWords;
    const size_t count = game->listMode == LIST_ALL ? words.size() : static_cast<size_t>(game->nWordsFound);
    std::string rows;
    for (size_t i = static_cast<size_t>(game->listTop); i < static_cast<size_t>(game->listTop) + kVisibleListRows &&
                                                         i <= count && i <= words.size();
         ++i)
      rows += (rows.empty() ? "" : " ") + (static_cast<int32_t>(i) == framed ? "[" + words(i) + "]" : words(i));
    return rows;
  }
  std::string panelShown() const {
    return "Score " + std::to_string(game->score) + " | Best " + game->bestScoreText + " | Time " + game->timeText +
           " | Level " + std::to_string(game->solvingData.curLevel);
  }
};


}  // namespace vorpex::testing
