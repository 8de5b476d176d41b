// The player's display and play preferences beyond the classic settings
// record, as one value. The store reads and checks them in one place (a
// missing or bad value means its default), the options dialog and the
// window's zoom change them, Program hands them to the windows, and the
// store writes them back with the other settings.
#pragma once

#include <cstdint>
#include <optional>

#include "languages.h"
#include "word_lists.h"

namespace vorpex {

constexpr int32_t kFitZoomPercent = 0;  // the largest 4:3 size the screen holds
constexpr int32_t kDefaultZoomPercent = 100;
constexpr int32_t kMaxZoomPercent = 400;

struct Preferences {
  // Letters typed on the keyboard pick tiles (off: the board takes only
  // clicks and its few keys).
  bool typeLetters = false;
  // Pointing at a word in the list shows what it means, and a click opens
  // all its senses (off: the list as the classic game has it).
  bool showMeanings = false;
  // The windows in a palette of strong contrast (off: the classic palette).
  bool highContrast = false;
  // The main window's zoom in percent (100 .. 400), or kFitZoomPercent.
  int32_t zoomPercent = kDefaultZoomPercent;
  // Everyday words with bonus words, or the classic list and nothing more.
  WordChoice words = WordChoice::everyday;
  // The spelling of everyday words; the other spelling's words are bonus words.
  Spelling spelling = Spelling::desktop;
  // The language of new games, or nothing: the desktop's decides.
  std::optional<Language> language;

  bool operator==(const Preferences&) const = default;
};

// The language the player chose, or where the player never chose, the
// desktop's: the language of new games and of the windows' texts.
inline Language chosenLanguage(const Preferences& preferences, Language desktopLanguage) {
  return preferences.language.value_or(desktopLanguage);
}

// The list a new game plays with, by the player's choices and, where the
// player never chose, the desktop's spelling and language.
inline WordList newGameWordList(const Preferences& preferences, Spelling desktopSpelling,
                                Language desktopLanguage) {
  return gameWordList(preferences.words, preferences.spelling, desktopSpelling,
                      factsOf(chosenLanguage(preferences, desktopLanguage)).list);
}

// `percent` when it is a zoom the game keeps (kFitZoomPercent, or 100 to
// 400), otherwise 100.
constexpr int32_t checkedZoomPercent(int32_t percent) {
  return percent == kFitZoomPercent || (percent >= kDefaultZoomPercent && percent <= kMaxZoomPercent)
             ? percent
             : kDefaultZoomPercent;
}

}  // namespace vorpex
