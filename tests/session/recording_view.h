// A GameView that records what the rules asked of it, for testing the rules.
#pragma once

#include <algorithm>
#include <deque>
#include <string>
#include <vector>

#include "game_state.h"
#include "game_view.h"
#include "puzzle_fixture.h"

namespace vorpex::testing {

class RecordingView : public GameView {
 public:
  void drawBoard() override { log("board"); }
  void drawRack() override { log("rack"); }
  void drawTile(int tile) override { log("tile " + std::to_string(tile)); }
  void drawAnswerSlots() override { log("slots"); }
  void drawWordInSlots(const std::string& word) override { log("spell " + word); }
  void drawWordList(int32_t framedRow) override { log("list " + std::to_string(framedRow)); }
  void drawFoundStats() override { log("stats"); }
  void drawProgressArea() override { log("progress"); }
  void drawReadOuts() override { log("readouts"); }
  void showMessage(int id, const std::string& points) override {
    log("message " + std::to_string(id) + (points.empty() ? "" : " " + points));
  }
  void showResultsControls() override { log("results"); }
  void refresh() override { log("refresh"); }
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

  bool saw(const std::string& event) const { return std::find(events.begin(), events.end(), event) != events.end(); }
  void clear() { events.clear(); }

  std::vector<std::string> events;
  std::vector<std::string> summaries;
  std::deque<std::string> names;
  bool countdownRunning = false;

 private:
  void log(std::string event) { events.push_back(std::move(event)); }
};


}  // namespace vorpex::testing
