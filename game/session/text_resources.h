// The numbered texts (resources/text_table.h) and the formatter that fills
// their "|1" to "|5" placeholders.
#pragma once

#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

#include "translations.h"

namespace vorpex {

// The numbers of the texts the game draws. A base plus a button's or a
// mode's number gives that one's text.
enum TextId : int {
  kModeNameText = 30,      // + game mode: "Classic Arcade", "Timed Arcade"
  kPanelCaptionText = 60,  // + side-panel button 2..18
  kNoTimeText = 67,        // the time read-out in a classic game
  kMenuCaptionText = 80,   // + menu button 1..9
  kDialogButtonText = 90,  // + 1 "OK", + 2 "Clear Scores"
  kOkText = kDialogButtonText + 1,
  kLevelPassedText = 112,
  kAllLevelsText = 113,
  kGameOverText = 115,
  kBackToMenuText = 200,
  kAlreadyFoundText = 210,  // the message line's texts
  kNotAWordText = 211,
  kPointsText = 212,
  kMissedWordsText = 213,
  kResumeQuestionText = 230,  // + 1 "Yes", + 2 "No thanks"
  kBonusWordText = 240,
  kAcceptWordText = 241,
  kNeverShowWordText = 242,
  kBonusWordsText = 243,
  kWordAcceptedText = 244,
  kWordNeverShownText = 245,
  kUnknownWordListQuestionText = 246,  // + 1 "Delete", + 2 "Keep it"
  kNoMeaningsText = 249,
  kClearStatisticsQuestionText = 250,  // + 1 "Clear them", + 2 "Keep them"
};

// The advance button's caption, which reads differently after a scoring
// word from how it reads when a board is drawn or pointed at: both are the
// game's own captions and kept as they are.
inline constexpr const char* kAdvanceCaption = N_("Advance to Next Level");
inline constexpr const char* kAdvanceCaptionAfterWord = N_("Advance To next Level");

// The text of `number` in the text language (translations.h); an empty text for a number the table lacks (a fault
// of the caller, kept harmless).
const std::string& loadText(int number);

// A placeholder or a value of formatResString: a text, or a number written
// in decimal without padding or grouping.
class ResArg {
 public:
  ResArg(const char* text) : text_(text) {}
  ResArg(std::string text) : text_(std::move(text)) {}
  template <class N, class = std::enable_if_t<std::is_integral_v<N>>>
  ResArg(N number) : text_(std::to_string(number)) {}
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

// The text of `number` with, pair by pair in order (placeholder, value),
// every occurrence of the placeholder replaced by the value. Each pair works
// on the text the pairs before it left, so a value holding a later pair's
// placeholder is filled by that pair. With an odd list the last placeholder
// takes the previous pair's value (an empty text when it is the only one).
// Replacement goes on after each inserted value, so a value that holds its
// own placeholder is inserted once, never again and again.
std::string formatResString(int number, const std::vector<ResArg>& pairs);

// translated(english) filled as formatResString fills a numbered text.
std::string translatedWith(const char* english, const std::vector<ResArg>& pairs);

}  // namespace vorpex
