#include "game_record.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "code_page.h"
#include "languages.h"

namespace vorpex {

namespace {
constexpr const char* kKindNames[] = {"classic", "timed", "daily"};
constexpr size_t kFields = 10;
constexpr int32_t kMostFigure = 100000000;  // far above any score a game reaches

std::vector<std::string_view> fieldsOf(std::string_view line) {
  std::vector<std::string_view> fields;
  size_t start = 0;
  for (size_t tab = line.find('\t'); tab != std::string_view::npos; tab = line.find('\t', start)) {
    fields.push_back(line.substr(start, tab - start));
    start = tab + 1;
  }
  fields.push_back(line.substr(start));
  return fields;
}

// A plain decimal from 0 to `most`: digits only, no sign, no spaces.
std::optional<int32_t> figure(std::string_view text, int32_t most) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 0 || value > most) return std::nullopt;
  return value;
}

std::string twoDigits(int32_t n) { return (n < 10 ? "0" : "") + std::to_string(n); }

std::optional<CivilDate> dateOf(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  const auto year = figure(text.substr(0, 4), 9999), month = figure(text.substr(5, 2), 12),
             day = figure(text.substr(8, 2), 31);
  if (!year || !month || !day) return std::nullopt;
  const CivilDate date{*year, *month, *day};
  return isValidDate(date) ? std::optional(date) : std::nullopt;
}

// "3:10,4:12,...,8:0": every length 3 to 8 once, in order.
bool readFoundByLength(std::string_view text, GameRecord& record) {
  for (int length = kShortestWord; length <= kMaxRackLength; ++length) {
    const size_t comma = text.find(',');
    const std::string_view item = text.substr(0, comma);
    if (item.size() < 3 || item[0] != static_cast<char>('0' + length) || item[1] != ':') return false;
    const auto count = figure(item.substr(2), kMostFigure);
    if (!count) return false;
    record.foundByLength[static_cast<size_t>(length)] = *count;
    if ((comma == std::string_view::npos) != (length == kMaxRackLength)) return false;
    if (comma != std::string_view::npos) text = text.substr(comma + 1);
  }
  return true;
}

// An upper-case word of the code page's letters, 3 to 8 of them, as UTF-8.
bool isStoredWord(std::string_view utf8) {
  const auto bytes = codePageFromUtf8(utf8);
  if (!bytes || bytes->size() < static_cast<size_t>(kShortestWord) || bytes->size() > kMaxRackLength) return false;
  for (const char c : *bytes)
    if (letterUpper(c) != c || !isLowerLetter(letterLower(c))) return false;
  return true;
}
}  // namespace

std::string historyLine(const GameRecord& r) {
  std::string found;
  for (int length = kShortestWord; length <= kMaxRackLength; ++length) {
    if (!found.empty()) found += ',';
    found += std::to_string(length) + ':' + std::to_string(r.foundByLength[static_cast<size_t>(length)]);
  }
  const std::string date = std::to_string(r.date.year) + '-' + twoDigits(r.date.month) + '-' + twoDigits(r.date.day);
  return date + '\t' + kKindNames[static_cast<size_t>(r.kind)] + '\t' + r.language + '\t' + r.wordList + '\t' +
         std::to_string(r.levels) + '\t' + (r.won ? "won" : "lost") + '\t' + std::to_string(r.score) + '\t' + found +
         '\t' + std::to_string(r.hints) + '\t' + (r.longest.empty() ? "-" : r.longest);
}

std::optional<GameRecord> parseHistoryLine(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  const auto f = fieldsOf(line);
  if (f.size() != kFields) return std::nullopt;
  GameRecord r;
  const auto date = dateOf(f[0]);
  if (!date) return std::nullopt;
  r.date = *date;
  size_t kind = 0;
  while (kind < std::size(kKindNames) && f[1] != kKindNames[kind]) ++kind;
  if (kind == std::size(kKindNames)) return std::nullopt;
  r.kind = static_cast<GameKind>(kind);
  bool knownLanguage = false;
  for (const LanguageFacts& language : kLanguages) knownLanguage = knownLanguage || f[2] == language.code;
  if (!knownLanguage || !wordListNamed(f[3])) return std::nullopt;
  r.language = std::string(f[2]);
  r.wordList = std::string(f[3]);
  const auto levels = figure(f[4], MAX_LEVEL), score = figure(f[6], kMostFigure), hints = figure(f[8], kMostFigure);
  if (!levels || *levels < 1 || !score || !hints || (f[5] != "won" && f[5] != "lost")) return std::nullopt;
  r.levels = *levels;
  r.won = f[5] == "won";
  r.score = *score;
  r.hints = *hints;
  if (!readFoundByLength(f[7], r)) return std::nullopt;
  if (f[9] != "-") {
    if (!isStoredWord(f[9])) return std::nullopt;
    r.longest = std::string(f[9]);
  }
  return r;
}

DailyResult dailyResultOf(const GameState& state) {
  return {std::max<int32_t>(0, state.solvingData.curLevel), std::max(0, state.score), state.tally.wordsFound,
          state.tally.wordsTotal, state.tally.hints};
}

GameRecord recordOfGame(const GameState& state, CivilDate date) {
  GameRecord r;
  r.date = date;
  r.kind = state.dailyDay != 0                        ? GameKind::daily
           : state.solvingData.gameMode == MODE_TIMED ? GameKind::timed
                                                      : GameKind::classic;
  r.language = factsOf(languageOf(state.wordList)).code;
  r.wordList = storedName(state.wordList);
  r.levels = std::max<int32_t>(1, state.solvingData.curLevel);
  r.won = state.solvingData.curLevel >= MAX_LEVEL && state.curLevelScore >= state.targetScore;
  r.score = std::max(0, state.score);
  r.foundByLength = state.tally.foundByLength;
  r.hints = state.tally.hints;
  r.longest = utf8FromCodePage(state.tally.longest);
  return r;
}

}  // namespace vorpex
