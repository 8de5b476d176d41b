// The one game state: settings record, level table, current puzzle,
// selection, found words, scores and time, the word-list view, the main
// window's flags, sound switches and best scores. Plain data; the rules that
// change it live beside it in this folder. The application owns one instance
// and passes it by reference; tests make their own.
//
// Widths follow the stored and observable formats: Integer fields are
// int16_t, Long fields int32_t.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "daily_puzzle.h"
#include "languages.h"
#include "one_based.h"
#include "preferences.h"
#include "word_lists.h"

namespace vorpex {

constexpr int16_t MODE_CLASSIC = 1;
constexpr int16_t MODE_TIMED = 2;
constexpr int16_t MAX_LEVEL = 4;
constexpr int16_t LIST_FOUND = 0;
constexpr int16_t LIST_ALL = 1;
constexpr int kScoreRows = 8;
constexpr int kSoundSwitches = 7;
constexpr int kMaxRackLength = 8;
constexpr int kVisibleListRows = 13;
// The fewest letters a word has: shorter words are never solutions.
constexpr int kShortestWord = 3;

// Points of a new word of `letters` letters: 6, 10, 15, 21, 28, 36 for 3 to 8.
constexpr int32_t wordPoints(int letters) { return letters * (letters + 1) / 2; }

// The session settings record, stored as a 22-byte image (solving_data_image.h).
struct SolvingData {
  int32_t puzzleNumber = 0;  // 0 to 10000: names the puzzle with the rack length
  int32_t statsView = 0;     // statistics panel at start: 0 collapsed, 1 expanded
  int16_t sizeIndex = 0;     // first board width is levelLength(sizeIndex + 1)
  int16_t gameMode = 0;      // MODE_CLASSIC or MODE_TIMED
  int16_t curLevel = 0;      // 1 to MAX_LEVEL during a game
  int32_t levelOption = 0;   // starting level, 1 to 4
  int32_t timeOption = 0;    // timer difficulty, 1 to 3; only its low half is stored

  bool operator==(const SolvingData&) const = default;
};

// The solution words of one length, upper case, in the engine's order.
struct SizeList {
  int32_t count = 0;
  int32_t size = 0;
  OneBased<std::string> words;
};

// One mode's Hall of Fame: row 1 the best; scores never increase downwards.
struct ScoreTable {
  OneBased<int32_t> scores = OneBased<int32_t>(kScoreRows, 0);
  OneBased<std::string> names = OneBased<std::string>(kScoreRows);
};

// One language's Hall of Fame by game mode: [1] Classic Arcade, [2] Timed
// Arcade ([0] unused).
using HallOfFame = std::array<ScoreTable, 3>;

// Every language's Hall of Fame. A game enters its own language's (a game
// of Classic words is an English game); English's is the classic one.
struct HallsOfFame {
  std::array<HallOfFame, kLanguageCount> byLanguage{};
  HallOfFame& operator[](Language language) { return byLanguage[static_cast<size_t>(language)]; }
  const HallOfFame& operator[](Language language) const { return byLanguage[static_cast<size_t>(language)]; }
};

// What the offer beside the message line would do with its word: nothing
// offered, make a refused word the player's own bonus word, or keep a word
// off the player's racks and level lists from then on.
enum class OwnWordAction { none, accept, neverShow };
struct OwnWordOffer {
  OwnWordAction action = OwnWordAction::none;
  std::string word;  // upper case
  bool operator==(const OwnWordOffer&) const = default;
};

// A word of the level that hints were given about, and how many steps.
struct HintedWord {
  std::string word;   // upper case
  int32_t steps = 0;  // hints given about it, each costing a quarter of its points: 1 to 3
  int32_t stage = 0;  // the last told: 1 length and first letter, 2 meaning, 3 letters in the slots
  bool operator==(const HintedWord&) const = default;
};

// The game's own figures over all its levels, for the history and the
// day's result.
struct GameTally {
  int32_t wordsTotal = 0;  // level words of the levels begun
  int32_t wordsFound = 0;
  std::array<int32_t, kMaxRackLength + 1> foundByLength{};  // by length, 3 to 8
  std::string longest;  // the longest level word found, upper case; the first of its length
  int32_t hints = 0;    // hint steps taken
  bool operator==(const GameTally&) const = default;
};

struct GameState {
  SolvingData solvingData;

  // Rack length of each level: (1) to (4) are 5, 6, 7, 8; the rest stay 0.
  OneBased<int16_t> levelLength = OneBased<int16_t>(10, 0);

  // The current puzzle.
  int16_t rackLength = 0;
  int16_t boardWidth = 0;   // tiles on the board; equals rackLength in play
  OneBased<uint8_t> rack;   // upper-case letter codes, ascending
  std::array<SizeList, 11> wordsBySize{};  // indexed by word length; 2 to rackLength used
  int32_t totalWords = 0;
  int32_t totalPoints = 0;
  int32_t targetScore = 0;  // 80 % of totalPoints, rounded half to even

  // The selection: selOrder(1..selCount) are distinct tile numbers, and
  // tileUsed(t) is 1 exactly for them.
  int16_t selCount = 0;
  OneBased<int16_t> selOrder = OneBased<int16_t>(kMaxRackLength, 0);
  OneBased<uint8_t> tileUsed;

  // Words found in the level: sorted shorter first, then alphabetically
  // without regard to case; no repeats.
  OneBased<std::string> foundWords;
  int32_t nWordsFound = 0;
  OneBased<std::string> allWords;  // every solution word, for the results view
  // Bonus words found in the level, in the order found: not solutions, not
  // counted in nWordsFound, their points in the scores.
  std::vector<std::string> bonusWords;
  // The offer beside the message line (GameSession::ownWordOffer).
  OwnWordOffer ownWordOffer;

  // The word list the game in play is built from: a new game takes the
  // player's choice, a saved game keeps its own.
  WordList wordList = WordList::classic;
  // The spelling the desktop's language expects, for a player who never
  // chose one.
  Spelling desktopSpelling = Spelling::american;
  // The desktop's language, for a player who never chose one.
  Language desktopLanguage = Language::english;
  // The lists start-up found fit to play (by WordList); a new game of a
  // list that is not plays with the classic one.
  std::array<bool, kWordListCount> wordListShipped = everyListShipped();

  int32_t score = 0;          // the whole game, bonuses included
  int32_t curLevelScore = 0;
  int32_t timeRem = 0;        // tenths of a second left in a timed level

  int16_t listMode = LIST_FOUND;
  int16_t listTop = 1;        // first visible row of the word list, >= 1

  // Fields of the main window.
  bool gameActive = false;
  bool showingResults = false;
  std::string bestScoreText;
  std::string timeText;

  // Sound switches: (0) all sounds, (1) to (6) one per sound; 1 on, 0 off.
  std::array<int16_t, kSoundSwitches> soundOptions{1, 1, 1, 1, 1, 1, 1};

  // Stored as values of their own: TYPELETTERS, MEANINGS, HIGHCONTRAST, ZOOM.
  Preferences preferences;

  // Hints of the level, in the order asked; the last is the one the next
  // hint goes on about while it is not found.
  std::vector<HintedWord> hintedWords;
  // The game's figures so far; a new game starts them again.
  GameTally tally;
  // The day (dayNumber) whose puzzle the game in play is; 0 for a game of
  // the player's own.
  int32_t dailyDay = 0;
  // The days of the puzzle of the day played, and the streak.
  DailyRecord daily;

  // Best scores by language, then by game mode: bestScores[language][1]
  // Classic Arcade, [2] Timed Arcade.
  HallsOfFame bestScores;
};

}  // namespace vorpex
