// Reading and writing the player's settings, sound switches and best scores
// in the settings key (HKCU\Software\Quenta\Arcade Vorpex\1.0).
//
// Values: SOLVINGDATA (binary, the 22-byte settings image), SOUNDOPTIONS
// (binary, seven 16-bit switches), 1STATS and 2STATS (binary, eight 32-bit
// scores each) and 1STATS1 .. 2STATS8 (strings with their NUL, the names).
// Settings added later are values of their own beside those, whose absence
// or a bad value means their default: TYPELETTERS, MEANINGS and HIGHCONTRAST
// (32-bit, 1 on, anything else off), ZOOM (32-bit, the window's zoom in percent from
// 100 to 400, or 0 for "fit"; anything else 100), WORDS (32-bit, 1 Classic
// words, anything else everyday words), SPELLING (32-bit, 1 American, 2
// British, anything else the desktop's) and LANGUAGE (32-bit, the language
// of new games by its number in languages.h; anything else the desktop's).
// Each other language's Hall of Fame is a value per mode, 1STATS-DE and
// 2STATS-DE for German (binary: eight 32-bit scores, then the eight names of
// up to 24 characters, each with its NUL); a missing or bad one is a table
// of "Anononymous" and 0, and one is written only once it holds a score or
// replaces a stored one. English's is 1STATS, 2STATS and their names.
#pragma once

#include "game_state.h"
#include "keyed_store.h"
#include "message_sink.h"
#include "translations.h"

namespace vorpex {

constexpr const char* kDefaultPlayerName = "Anononymous";
constexpr const char* kStoreFailedMessage = N_(" Error Failerd");
constexpr const char* kTypeLettersValue = "TYPELETTERS";
constexpr const char* kMeaningsValue = "MEANINGS";
constexpr const char* kZoomValue = "ZOOM";
constexpr const char* kHighContrastValue = "HIGHCONTRAST";
constexpr const char* kWordsValue = "WORDS";
constexpr const char* kSpellingValue = "SPELLING";
constexpr const char* kLanguageValue = "LANGUAGE";
// The puzzle of the day's record: eight 32-bit values, the last day begun,
// the streak, the best streak, then that day's levels, score, words found,
// words and hints. Written once a day was begun.
constexpr const char* kDailyValue = "DAILY";

// Brings the starting level into 1..4 and the timer difficulty into 1..3,
// wherever they were read from (the settings or a saved game's image).
void clampOptions(SolvingData& data);

// Reads what the store holds into `state`. A value that is missing or too
// long keeps what memory holds, except: no readable SOUNDOPTIONS turns every
// switch on; a name that cannot be read becomes "Anononymous" and its row's
// score 0. levelOption and timeOption end within 1..4 and 1..3 whatever was
// stored. When the store cannot be opened at all, the player is told
// (" Error Failerd") and every setting takes its default.
void loadSettings(GameState& state, KeyedStore& store, MessageSink& messages);

// Writes every settings value from `state`. When the store cannot be opened
// or written, the player is told (" Error Failerd").
void saveSettings(const GameState& state, KeyedStore& store, MessageSink& messages);

// Writes the puzzle of the day's record alone, at once: a day begun stays
// begun whatever happens to the program afterwards.
void saveDailyRecord(const GameState& state, KeyedStore& store, MessageSink& messages);

// The record of a DAILY value; the default (no day) for a value that is
// not eight figures from 0 up, or whose streak is beyond its best.
DailyRecord dailyRecordOf(const uint8_t* bytes, uint32_t size);

}  // namespace vorpex
